// The combo box: its list, its text, the pick-only style, typed keys and owner-drawn rows.
#include "toolkit/TComboBox.h"

#include <map>
#include <memory>

#include <gtest/gtest.h>

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

// A shown form with a focused combo box on it.
struct ShownBox {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TComboBox* box = new TComboBox(form.get());

    explicit ShownBox(TComboBoxStyle style) {
        form->SetBounds(0, 0, 200, 100);
        box->SetParent(form.get());
        box->SetStyle(style);
        form->Show();
        box->SetFocus();
    }
    void type(char c) {
        tk::input::key(*form, 0, 0, c);
        Application->ProcessMessages();
    }
};

TEST(TComboBoxTest, KeyPressReplacementIsTypedAndAHandlerEditKeepsItsSelection) {
    ShownBox shown(csDropDown);
    TComboBox* box = shown.box;
    box->OnKeyPress = [](TPersistent*, char& key) {
        if (key == 'b') key = 'B';
    };
    shown.type('b');
    shown.type('c');
    EXPECT_EQ(box->Text(), "Bc");

    // A completion handler: it writes the whole text, selects what it added and swallows the key.
    box->OnKeyPress = [box](TPersistent*, char& key) {
        box->SetText(tk::fromUtf8("Берёзовая"));
        box->SetSelStart(2);
        box->SetSelLength(7);
        key = 0;
    };
    shown.type(tk::fromUtf8("е")[0]);
    EXPECT_EQ(box->Text(), tk::fromUtf8("Берёзовая"));
    EXPECT_EQ(box->SelStart(), 2);
    EXPECT_EQ(box->SelLength(), 7);
}

TEST(TComboBoxTest, OwnerDrawnRowsAreSelectedOnlyWhenPicked) {
    ShownBox shown(csOwnerDrawFixed);
    TComboBox* box = shown.box;
    for (const char* item : {"1", "2", "3"}) box->Items()->Add(item);
    box->SetItemIndex(1);
    std::map<int, TOwnerDrawState> rows;
    std::map<int, TColor> brushes;
    box->OnDrawItem = [&](TWinControl*, int index, const TRect&, TOwnerDrawState state) {
        rows[index] = state;
        brushes[index] = box->Canvas()->Brush()->Color();
    };
    box->SetDroppedDown(true);
    Application->ProcessMessages();
    ASSERT_TRUE(box->DroppedDown());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0] & odSelected, 0u);
    EXPECT_EQ(rows[1] & odSelected, odSelected);
    EXPECT_EQ(rows[2] & odSelected, 0u);
    EXPECT_EQ(brushes[1], clHighlight);
    EXPECT_EQ(brushes[0], box->Color());
    box->SetDroppedDown(false);
    EXPECT_FALSE(box->DroppedDown());
}

TEST(TComboBoxTest, ItemsShowInTheListAndPickingChangesTheText) {
    TForm form(nullptr);
    auto* box = new TComboBox(&form);
    box->SetParent(&form);
    int changes = 0;
    box->OnChange = [&](TPersistent*) { ++changes; };
    box->Items()->Add(tk::fromUtf8("ЛЕНИНА"));
    box->Items()->Add(tk::fromUtf8("МИРА"));
    EXPECT_EQ(box->ItemIndex(), -1);
    box->SetItemIndex(1);
    EXPECT_EQ(box->Text(), tk::fromUtf8("МИРА"));
    EXPECT_EQ(changes, 1);
    box->SetText("12");
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(changes, 2);
    box->Items()->Clear();
    EXPECT_EQ(box->Text(), "12");
}

TEST(TComboBoxTest, PickOnlyListTakesOnlyItsEntries) {
    TForm form(nullptr);
    auto* box = new TComboBox(&form);
    box->SetParent(&form);
    box->SetStyle(csDropDownList);
    box->Items()->Add("1");
    box->Items()->Add("2A");
    box->SetText("2A");
    EXPECT_EQ(box->ItemIndex(), 1);
    box->SetText("7");
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(box->Text(), "");
}

} // namespace
