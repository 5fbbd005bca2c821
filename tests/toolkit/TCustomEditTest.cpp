// Edits: typed Cyrillic text, key events, change events, limits and the edit rectangle.
#include "toolkit/TCustomEdit.h"

#include <memory>

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TEdit.h"
#include "toolkit/TForm.h"

namespace {

struct Fixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TEdit* edit = new TEdit(form.get());
    int changes = 0;

    Fixture() {
        form->SetBounds(0, 0, 200, 100);
        edit->SetParent(form.get());
        edit->OnChange = [this](TPersistent*) { ++changes; };
        form->Show();
        edit->SetFocus();
    }
    void type(char c) { tk::input::key(*form, 0, 0, c); }
};

TEST(TCustomEditTest, TypedCharactersIncludingCyrillicReachTheTextUnlessKeyPressSwallowsOrReplacesThem) {
    Fixture f;
    f.edit->OnKeyPress = [](TPersistent*, char& key) {
        if (key >= '0' && key <= '9')
            key = 0;
        else if (key == 'b')
            key = 'B';
    };
    for (char c : {'a', tk::fromUtf8("я")[0], '1', 'b'})
        f.type(c);
    Application->ProcessMessages();
    EXPECT_EQ(f.edit->Text(), "a" + tk::fromUtf8("я") + "B");
    EXPECT_EQ(f.changes, 3);
    EXPECT_TRUE(f.edit->Modified());
    f.edit->SetSelStart(1);
    f.edit->SetSelLength(1);
    f.type('c');
    Application->ProcessMessages();
    EXPECT_EQ(f.edit->Text(), "acB") << "a typed character replaces the selection";
}

TEST(TCustomEditTest, EnterSwallowedInKeyDownNeverReachesTheDefaultButton) {
    Fixture f;
    auto* ok = new TButton(f.form.get());
    ok->SetParent(f.form.get());
    ok->SetDefault(true);
    int clicks = 0;
    ok->OnClick = [&](TPersistent*) { ++clicks; };
    tk::input::key(*f.form, VK_RETURN, 0, '\r');
    Application->ProcessMessages();
    EXPECT_EQ(clicks, 1);
    f.edit->OnKeyDown = [](TPersistent*, std::uint16_t& key, TShiftState shift) {
        if (key == VK_RETURN && !(shift & ssAlt))
            key = 0;
    };
    tk::input::key(*f.form, VK_RETURN, 0, '\r');
    Application->ProcessMessages();
    EXPECT_EQ(clicks, 1);
}

TEST(TCustomEditTest, SettingTextFiresChangeAndLimitsHold) {
    Fixture f;
    f.edit->SetMaxLength(3);
    f.edit->SetText("abcdef");
    EXPECT_EQ(f.edit->Text(), "abc");
    EXPECT_EQ(f.changes, 1);
    EXPECT_FALSE(f.edit->Modified());
    f.edit->SetReadOnly(true);
    f.type('x');
    Application->ProcessMessages();
    EXPECT_EQ(f.edit->Text(), "abc");
}

TEST(TCustomEditTest, EditRectangleLeavesRoomForAButtonOnTheEdit) {
    Fixture f;
    f.edit->SetBounds(0, 0, 121, 21);
    const TRect room = Rect(0, 0, 121 - 21 - 2, 22);
    f.edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&room));
    TRect back;
    f.edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&back));
    EXPECT_EQ(back, Rect(0, 0, 98, 21));
}

// An edit that keeps its text from the clipboard, as a field that takes only what it checks.
class PasteRefusingEdit : public TEdit {
public:
    using TEdit::TEdit;
    int pastes = 0;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_PASTE) {
            ++pastes;
            return;
        }
        TEdit::WndProc(Message);
    }
};

TEST(TCustomEditTest, UpperCaseTurnsTypedPastedAndAssignedCyrillicAndPasteComesAsAMessage) {
    Fixture f;
    f.edit->SetCharCase(ecUpperCase);
    f.edit->SetText(tk::fromUtf8("ул"));
    f.type(tk::fromUtf8("ё")[0]);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("мира"));
    tk::input::key(*f.form, 'V', ssCtrl);
    Application->ProcessMessages();
    EXPECT_EQ(f.edit->Text(), tk::fromUtf8("УЛЁМИРА"));

    auto* refusing = new PasteRefusingEdit(f.form.get());
    refusing->SetParent(f.form.get());
    refusing->SetText("abc");
    refusing->SetFocus();
    EXPECT_EQ(refusing->SelLength(), 3);  // focus by code selects the whole text
    tk::input::key(*f.form, 'V', ssCtrl);
    tk::input::key(*f.form, VK_INSERT, ssShift);
    Application->ProcessMessages();
    EXPECT_EQ(refusing->pastes, 2);
    EXPECT_EQ(refusing->Text(), "abc");
}

} // namespace
