// The check box: clicks switch the tick and fire the click event.
#include "toolkit/TCheckBox.h"

#include <gtest/gtest.h>

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

TEST(TCheckBoxTest, ClickSwitchesTheTickAndEveryChangeFiresOnClick) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    box->SetCaption("Invert");
    int clicks = 0;
    box->OnClick = [&](TPersistent*) { ++clicks; };
    form.Show();
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    tk::input::click(*box, 5, 8);
    Application->ProcessMessages();
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

} // namespace
