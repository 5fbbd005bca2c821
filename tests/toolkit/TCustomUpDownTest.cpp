#include "toolkit/TCustomUpDown.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/TUpDown.h"

namespace {

TEST(TCustomUpDownTest, PressSendsThumbPositionThenClickAndSetPosIsSilent) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 100);
    auto* upDown = tktest::placed<TUpDown>(&form, 10, 10, 17, 30);
    upDown->SetMax(3);
    upDown->SetPosition(2);
    std::vector<std::string> events;
    const TWndMethod inherited = upDown->WindowProc;
    upDown->WindowProc = [&](TMessage& message) {
        if (message.Msg == WM_VSCROLL) {
            events.push_back("vscroll " + std::to_string(message.WParam & 0xFFFF) + " " +
                             std::to_string(message.WParam >> 16));
        }
        inherited(message);
    };
    upDown->OnClick = [&](TPersistent*, TUDBtnType button) {
        events.push_back(button == btNext ? "next" : "prev");
    };
    form.Show();

    for (int pass = 0; pass < 2; ++pass) {
        tk::input::press(*upDown, mbLeft, 8, 5);
        tk::input::release(*upDown, mbLeft, 8, 5);
        Application->ProcessMessages();
    }
    tk::input::click(*upDown, 8, 25);
    Application->ProcessMessages();
    // The second press is at the maximum: the position stays, the press is still told.
    EXPECT_EQ(events, (std::vector<std::string>{"vscroll 4 3", "next", "vscroll 4 3", "next", "vscroll 4 2", "prev"}));

    events.clear();
    EXPECT_EQ(upDown->Perform(UDM_SETPOS, 0, 1), 2);
    EXPECT_EQ(upDown->Position(), 1);
    EXPECT_TRUE(events.empty());
}

} // namespace
