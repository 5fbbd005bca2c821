// Nested message loops that end when their control is hidden or freed.
#include "toolkit/LoopGuard.h"

#include <functional>

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/MessageQueue_p.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

TEST(LoopGuardTest, LoopEndsWhenItsControlIsHidden) {
    TForm form(nullptr);
    form.Show();
    tk::LoopGuard guard(form);
    EXPECT_TRUE(guard.keepsRunning());
    form.Hide();
    EXPECT_FALSE(guard.keepsRunning());
    EXPECT_FALSE(guard.controlGone());
}

// A control that pumps messages inside its press handling, as the map's scroll loops do.
class TLooper : public TWinControl {
public:
    using TWinControl::TWinControl;
    int* passes = nullptr;
    bool* gone = nullptr;
    std::function<void()> onLoopStart;

protected:
    void MouseDown(TMouseButton, TShiftState, int, int) override {
        int* passCount = passes;
        bool* goneFlag = gone;
        tk::LoopGuard guard(*this);
        onLoopStart();
        while (guard.keepsRunning()) {
            ++*passCount;
            Application->ProcessMessages();
        }
        // Nothing of the control may be touched once it is gone.
        *goneFlag = guard.controlGone();
    }
};

TEST(LoopGuardTest, LoopInsideAHandlerEndsWhenItsControlIsFreedMeanwhile) {
    auto* form = new TForm(nullptr);
    form->SetBounds(0, 0, 100, 100);
    form->Show();
    auto* looper = tktest::placed<TLooper>(form, 0, 0, 50, 50);
    int passes = 0;
    bool gone = false;
    looper->passes = &passes;
    looper->gone = &gone;
    // Something queued while the loop runs frees the form.
    looper->onLoopStart = [form] { tk::postToLoop([form] { delete form; }); };
    tk::input::press(*looper, mbLeft, 5, 5);
    Application->ProcessMessages();
    EXPECT_TRUE(gone);
    EXPECT_GE(passes, 1);
}

} // namespace
