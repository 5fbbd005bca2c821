// Windowed controls: key codes, focus changes and mouse shift states.
#include "toolkit/TWinControl.h"

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCustomEdit.h"
#include "toolkit/TForm.h"

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
    auto* panel = new TWinControl(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 300, 100);
    std::vector<TCustomEdit*> edits;
    for (int i = 0; i < 3; ++i) {
        edits.push_back(new TCustomEdit(&form));
        edits.back()->SetParent(panel);
        edits.back()->SetLeft(i * 60);
    }
    auto* taker = new TabTaker(&form);
    taker->SetParent(&form);
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
