#include "map/TKEXSpinEdit.h"

#include <memory>

#include <gtest/gtest.h>

#include "map/TExUpDown.h"
#include "map/TKEXSpinButton.h"
#include "toolkit/Shell.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TForm.h"

namespace {

// A shown form with one spin edit, focused, and a default button that counts its clicks; beeps
// are counted too.
struct SpinForm {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TKEXSpinEdit* spin = new TKEXSpinEdit(form.get());
    TButton* ok = new TButton(form.get());
    int okClicks = 0;
    int beeps = 0;

    SpinForm() {
        tk::setBeeper([this](unsigned) { ++beeps; });
        form->SetBounds(0, 0, 240, 120);
        spin->SetParent(form.get());
        spin->SetBounds(10, 10, 120, 24);
        ok->SetParent(form.get());
        ok->SetBounds(10, 60, 75, 25);
        ok->SetDefault(true);
        ok->OnClick = [this](TPersistent*) { ++okClicks; };
        form->Show();
        spin->SetFocus();
        Application->ProcessMessages();
    }
    ~SpinForm() { tk::setBeeper(nullptr); }
    void type(char c, std::uint16_t key = 0) {
        tk::input::key(*form, key, 0, c);
        Application->ProcessMessages();
    }
    void press(std::uint16_t key) {
        tk::input::key(*form, key);
        Application->ProcessMessages();
    }
};

TEST(TKEXSpinEditTest, ValuesAreClampedWrittenAndReadInTheirForm) {
    SpinForm f;
    TKEXSpinEdit& spin = *f.spin;
    spin.SetValue(-1e6); // equal bounds: nothing is clamped
    EXPECT_EQ(spin.Text(), "-1000000");
    spin.SetMaxValue(10);
    spin.SetValue(15);
    EXPECT_EQ(spin.Text(), "10");
    spin.SetValue(-3);
    EXPECT_EQ(spin.Text(), "0");
    spin.SetMinValue(20); // above the maximum: the lower rule first, then the upper one
    spin.SetValue(5);
    EXPECT_EQ(spin.Text(), "20");
    spin.SetValue(30);
    EXPECT_EQ(spin.Text(), "10");
    spin.SetMinValue(0);

    spin.SetMaxValue(1000);
    spin.SetValueType(vtHex);
    spin.SetValue(255);
    EXPECT_EQ(spin.Text(), "FF");
    spin.SetText("ff");
    EXPECT_EQ(spin.Value(), 255);

    spin.SetValueType(vtFloat);
    spin.SetValue(1.5);
    EXPECT_EQ(spin.Text(), "1,50");
    spin.SetMinValue(-2.75);
    spin.SetText("1,5,");
    EXPECT_EQ(spin.Value(), -2.75);
    spin.SetValueType(vtInteger);
    EXPECT_EQ(spin.Text(), "-3"); // the float value rounded
    spin.SetText("x");
    EXPECT_EQ(spin.Value(), -2); // the integer part of MinValue

    for (const auto& [increment, rounded] : {std::pair{0.4, 1.0}, {2.5, 2.0}, {-0.4, 1.0}}) {
        spin.SetValueType(vtFloat);
        spin.SetIncrement(increment);
        spin.SetValueType(vtInteger);
        EXPECT_EQ(spin.Increment(), rounded) << increment;
    }
}

TEST(TKEXSpinEditTest, DiagonalButtonSitsInsideTheRightEdgeOfTheFrame) {
    SpinForm f; // 120 x 24
    EXPECT_EQ(f.spin->Button()->Parent()->BoundsRect(), Rect(95, -1, 116, 20));
    EXPECT_EQ(f.spin->Button()->Width(), 21);
    f.spin->SetCtl3D(false);
    EXPECT_EQ(f.spin->Button()->Parent()->BoundsRect(), Rect(96, 0, 120, 24));
    TRect text;
    f.spin->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text.Right, 120 - 24 - 2);
}

TEST(TKEXSpinEditTest, TypingKeepsToTheCharactersOfTheForm) {
    SpinForm f;
    f.spin->SetValueType(vtFloat);
    f.spin->SetText("");
    for (char c : {'1', ',', '5', ',', 'e', 'E', '2', 'x'})
        f.type(c);
    EXPECT_EQ(f.spin->Text(), "1,5e2");
    EXPECT_EQ(f.beeps, 3); // the second separator, the second E, the letter

    f.spin->SetEditorEnabled(false);
    f.spin->SelectAll();
    f.type('7');
    f.type('\b', VK_BACK);
    EXPECT_EQ(f.spin->Text(), "1,5e2");
    EXPECT_EQ(f.beeps, 5);
    f.type('\r', VK_RETURN);
    EXPECT_EQ(f.okClicks, 1);

    // Cut, like paste, is the editor's: refused while typing is off.
    f.spin->SelectAll();
    f.spin->Perform(WM_CUT, 0, 0);
    EXPECT_EQ(f.spin->Text(), "1,5e2");
    f.spin->SetEditorEnabled(true);
    f.spin->SelectAll();
    f.spin->Perform(WM_CUT, 0, 0);
    EXPECT_EQ(f.spin->Text(), "");
}

TEST(TKEXSpinEditTest, StepsComeFromArrowKeysAndTheUpDownButNotOnAReadOnlyEdit) {
    SpinForm f;
    int changes = 0;
    int topClicks = 0;
    f.spin->OnChange = [&](TPersistent*) { ++changes; };
    f.spin->OnTopClick = [&](TPersistent*) { ++topClicks; };
    f.spin->SetIncrement(5);
    f.press(VK_UP);
    EXPECT_EQ(f.spin->Text(), "5");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(topClicks, 1);

    f.spin->SetReadOnly(true);
    f.press(VK_UP);
    EXPECT_EQ(f.spin->Text(), "5");
    EXPECT_EQ(topClicks, 1);
    EXPECT_EQ(f.beeps, 1);
    f.spin->SetReadOnly(false);

    f.spin->SetButtonKind(bkStandard);
    ASSERT_NE(f.spin->UpDown(), nullptr);
    EXPECT_EQ(f.spin->Button(), nullptr);
    TExUpDown& upDown = *f.spin->UpDown();
    tk::input::click(upDown, 5, 2);
    tk::input::click(upDown, 5, 2);
    tk::input::click(upDown, 5, upDown.Height() - 2);
    Application->ProcessMessages();
    EXPECT_EQ(f.spin->Text(), "10");
    EXPECT_EQ(upDown.Position(), 0);
}

TEST(TKEXSpinEditTest, LeavingTheEditClampsItsText) {
    SpinForm f;
    f.spin->SetMaxValue(10);
    f.spin->SetText("");
    f.type('4');
    f.type('2');
    EXPECT_EQ(f.spin->Text(), "42");
    f.ok->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(f.spin->Text(), "10");
}

} // namespace
