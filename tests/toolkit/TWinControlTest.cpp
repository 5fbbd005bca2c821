// Windowed controls: key codes, focus changes and mouse shift states.
#include "toolkit/TWinControl.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCustomEdit.h"
#include "toolkit/TForm.h"
#include "toolkit/TGraphicControl.h"

namespace {

struct Fixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TWinControl* first = new TWinControl(form.get());
    TWinControl* second = new TWinControl(form.get());
    std::vector<std::uint16_t> keys;
    std::vector<TShiftState> shifts;

    Fixture() {
        form->SetBounds(0, 0, 200, 100);
        for (TWinControl* c : {first, second}) {
            c->SetParent(form.get());
            c->SetTabStop(true);
        }
        first->SetBounds(0, 0, 50, 50);
        second->SetBounds(60, 0, 50, 50);
        first->OnKeyDown = [this](TPersistent*, std::uint16_t& key, TShiftState shift) {
            keys.push_back(key);
            shifts.push_back(shift);
        };
        form->Show();
    }
};

TEST(TWinControlTest, NavigationKeysArriveWithTheToolkitsCodes) {
    Fixture f;
    f.first->SetFocus();
    const std::vector<std::uint16_t> sent{VK_ADD,  VK_SUBTRACT, VK_F1,     VK_HOME,   VK_END, VK_PRIOR,
                                          VK_NEXT, VK_INSERT,   VK_DELETE, VK_BACK,   'I'};
    for (std::uint16_t key : sent)
        tk::input::key(*f.form, key, key == 'I' ? ssCtrl : 0);
    Application->ProcessMessages();
    EXPECT_EQ(f.keys, sent);
    EXPECT_EQ(f.shifts.back(), ssCtrl);
}

TEST(TWinControlTest, FocusMovesBetweenControlsWithEnterAndExit) {
    Fixture f;
    std::vector<std::string> seen;
    f.first->OnExit = [&](TPersistent*) { seen.push_back("exit first"); };
    f.second->OnEnter = [&](TPersistent*) { seen.push_back("enter second"); };
    f.first->SetFocus();
    Application->ProcessMessages();
    EXPECT_TRUE(f.first->Focused());
    f.second->SetFocus();
    Application->ProcessMessages();
    EXPECT_TRUE(f.second->Focused());
    EXPECT_FALSE(f.first->Focused());
    EXPECT_EQ(seen, (std::vector<std::string>{"exit first", "enter second"}));
    f.second->SetEnabled(false);
    EXPECT_FALSE(f.second->CanFocus());
    f.form->Hide();
    EXPECT_FALSE(f.first->CanFocus());
}

TEST(TWinControlTest, MouseShiftStateCarriesKeysAndButtons) {
    Fixture f;
    TShiftState pressed = 0;
    f.first->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState shift, int, int) { pressed = shift; };
    tk::input::press(*f.first, mbMiddle, 5, 5, ssShift | ssCtrl);
    tk::input::release(*f.first, mbMiddle, 5, 5);
    Application->ProcessMessages();
    EXPECT_EQ(pressed, ssShift | ssCtrl | ssMiddle);
}

// A control that takes Tab as a key, as the grids do.
class TabTaker : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_GETDLGCODE) {
            Message.Result = DLGC_WANTTAB;
            return;
        }
        TWinControl::WndProc(Message);
    }
};

TEST(TWinControlTest, TabFollowsTabOrderSkipsWhatCannotFocusAndGoesToAControlThatWantsIt) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* panel = tktest::placed<TWinControl>(&form, 0, 0, 300, 100);
    std::vector<TCustomEdit*> edits;
    for (int i = 0; i < 3; ++i) {
        edits.push_back(new TCustomEdit(&form));
        edits.back()->SetParent(panel);
        edits.back()->SetLeft(i * 60);
    }
    auto* taker = tktest::placed<TabTaker>(&form);
    taker->SetTabStop(true);
    // Reversed: edits[2], edits[1], edits[0]; then the taker after the panel.
    edits[2]->SetTabOrder(0);
    edits[0]->SetTabOrder(2);
    EXPECT_EQ(edits[1]->TabOrder(), 1);
    edits[1]->SetEnabled(false);
    std::vector<std::uint16_t> takerKeys;
    taker->OnKeyDown = [&](TPersistent*, std::uint16_t& key, TShiftState) { takerKeys.push_back(key); };
    form.Show();
    edits[2]->SetFocus();
    Application->ProcessMessages();

    const std::vector<std::pair<TShiftState, TWinControl*>> steps{
        {0, edits[0]}, {0, taker}, {0, taker}, {ssShift, taker}};
    for (const auto& [shift, expected] : steps) {
        tk::input::key(form, VK_TAB, shift);
        Application->ProcessMessages();
        EXPECT_TRUE(expected->Focused());
    }
    EXPECT_EQ(takerKeys, (std::vector<std::uint16_t>{VK_TAB, VK_TAB}));
    form.SelectNext(taker, /*GoForward=*/false, /*CheckTabStop=*/true);
    Application->ProcessMessages();
    EXPECT_TRUE(edits[0]->Focused());
    EXPECT_EQ(form.ActiveControl(), edits[0]);
}

// A control freed or moved to another parent leaves its old parent's tab order; Tab then goes
// round the controls that are there.
TEST(TWinControlTest, FreedOrMovedControlLeavesItsOldParentsTabOrder) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    std::vector<TCustomEdit*> edits;
    for (int i = 0; i < 4; ++i)
        edits.push_back(tktest::placed<TCustomEdit>(&form, i * 60, 0, 50, 21));
    auto* panel = tktest::placed<TWinControl>(&form, 0, 50, 300, 50);
    delete edits[1];
    edits[2]->SetParent(panel);
    // Checked before any Tab: a freed control still listed would be reached there.
    ASSERT_EQ(edits[3]->TabOrder(), 1);
    ASSERT_EQ(panel->TabOrder(), 2);
    EXPECT_EQ(edits[2]->TabOrder(), 0);
    form.Show();
    edits[0]->SetFocus();
    Application->ProcessMessages();
    for (TCustomEdit* expected : {edits[3], edits[2], edits[0]}) {
        tk::input::key(form, VK_TAB);
        Application->ProcessMessages();
        EXPECT_TRUE(expected->Focused());
    }
}

// A windowless control that notes focus changes and takes its caption's accelerator.
class TAccelLabel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::vector<TControl*> focused;
    std::string accelerated;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == CM_FOCUSCHANGED)
            focused.push_back(reinterpret_cast<TControl*>(Message.LParam));
        if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<unsigned>(Message.WParam), tk::fromUtf8("&Найти && найти"))) {
            accelerated += static_cast<char>(Message.WParam);
            Message.Result = 1;
            return;
        }
        TGraphicControl::WndProc(Message);
    }
};

TEST(TWinControlTest, FocusChangesAndAcceleratorsReachAWindowlessControl) {
    TForm form(nullptr);
    auto* panel = tktest::placed<TWinControl>(&form);
    auto* label = new TAccelLabel(&form);
    label->SetParent(panel);
    auto* plain = tktest::placed<TWinControl>(&form);
    plain->SetTabStop(true);
    auto* edit = tktest::placed<TCustomEdit>(&form);
    form.Show();
    plain->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(label->focused, (std::vector<TControl*>{plain}));
    const char lowerN = tk::fromUtf8("н")[0];
    const char upperN = tk::fromUtf8("Н")[0];
    // Alt always offers; a plain character only from a control that takes no characters.
    tk::input::key(form, 0, ssAlt, lowerN);
    tk::input::key(form, 0, 0, upperN);
    tk::input::key(form, 0, 0, 'x');
    Application->ProcessMessages();
    edit->SetFocus();
    Application->ProcessMessages();
    tk::input::key(form, 0, 0, lowerN);
    tk::input::key(form, 0, ssAlt, upperN);
    Application->ProcessMessages();
    EXPECT_EQ(label->accelerated, (std::string{lowerN, upperN, upperN}));
    EXPECT_EQ(edit->Text(), tk::fromUtf8("н"));
    EXPECT_EQ(label->focused, (std::vector<TControl*>{plain, edit}));
    EXPECT_FALSE(IsAccel('a', "&&a"));
}

TEST(TWinControlTest, ActiveControlSetWhileHiddenTakesTheFocusAtTheShow) {
    TForm form(nullptr);
    auto* first = new TCustomEdit(&form);
    auto* second = new TCustomEdit(&form);
    for (TCustomEdit* edit : {first, second})
        edit->SetParent(&form);
    form.SetActiveControl(second);
    form.Show();
    Application->ProcessMessages();
    EXPECT_TRUE(second->Focused());
    first->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(form.ActiveControl(), first);
}

} // namespace

TEST(TWinControlTest, BorderWidthInsetsTheClientAreaForTheMouseTheChildrenAndTheClientSize) {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 200, 150);
    auto* panel = tktest::placed<TWinControl>(form.get(), 0, 0, 100, 80);
    int resizes = 0;
    panel->OnResize = [&](TPersistent*) { ++resizes; };
    std::vector<std::string> presses;
    panel->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState, int x, int y) {
        presses.push_back(std::to_string(x) + "," + std::to_string(y));
    };
    form->Show();
    Application->ProcessMessages();
    panel->SetBorderWidth(4);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(panel->ClientRect(), Rect(0, 0, 92, 72));
    EXPECT_EQ(panel->ClientToScreen(Point(0, 0)), form->ClientToScreen(Point(4, 4)));
    EXPECT_EQ(panel->ScreenToClient(form->ClientToScreen(Point(10, 10))), Point(6, 6));
    tk::input::click(*form, 10, 10);
    Application->ProcessMessages();
    EXPECT_EQ(presses, std::vector<std::string>{"6,6"});

    auto* child = tktest::placed<TWinControl>(panel);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), Rect(0, 0, 92, 72));
    EXPECT_EQ(child->ClientToScreen(Point(0, 0)), form->ClientToScreen(Point(4, 4)));
    panel->SetBorderWidth(10);
    EXPECT_EQ(child->BoundsRect(), Rect(0, 0, 80, 60));
    EXPECT_EQ(child->ClientToScreen(Point(0, 0)), form->ClientToScreen(Point(10, 10)));
    panel->SetClientWidth(50);
    EXPECT_EQ(panel->Width(), 70);
}
