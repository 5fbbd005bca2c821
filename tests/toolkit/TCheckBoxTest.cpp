// The check box: clicks switch the tick and fire the click event.
#include "toolkit/TCheckBox.h"

#include <vector>

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

TEST(TCheckBoxTest, ClickSwitchesTheTickAndEveryChangeFiresOnClick) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* box = tktest::placed<TCheckBox>(&form);
    box->SetCaption("Invert");
    int clicks = 0;
    std::vector<bool> seenAtMouse;
    box->OnClick = [&](TPersistent*) { ++clicks; };
    // The tick switches before the mouse events, so both read the new state.
    const auto note = [&](TPersistent*, TMouseButton, TShiftState, int, int) { seenAtMouse.push_back(box->Checked()); };
    box->OnMouseDown = note;
    box->OnMouseUp = note;
    form.Show();
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    tk::input::click(*box, 5, 8);
    Application->ProcessMessages();
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(seenAtMouse, (std::vector<bool>{true, false}));
}

} // namespace
