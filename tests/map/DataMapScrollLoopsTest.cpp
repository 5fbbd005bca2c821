#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MouseFixture.h"
#include "toolkit/Clock.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

using mapfixture::addObject;
using mapfixture::rectangle;
using mousefixture::MouseMap;

// A map with room to scroll every way, its view in the middle, edge scrolling on.
struct ScrollMap : MouseMap {
    std::vector<std::string> events;

    ScrollMap() {
        addObject(*map, rectangle(-2000, -2000, 2000, 2000, clBlue));
        map->SetXWind(-200);
        map->SetYWind(-150);
        map->Options()->SetmpNoScroll(false);
        map->Options()->SetDelayScroll(1);
        map->OnBeforeScroll = [this](TPersistent* sender) {
            EXPECT_EQ(sender, map);
            events.push_back("before");
        };
        map->OnAfterScroll = [this](TPersistent*) { events.push_back("after"); };
    }

    // Holds the middle button at (200, 150) with the mouse 50 pixels right of it: the first pass
    // finds the mouse on the anchor, the second steps, and the release follows. The passes made.
    int panOnce() {
        int passes = 0;
        map->OnAfterScroll = [this, &passes](TPersistent*) {
            if (++passes == 2)
                release(mbMiddle, 250, 150);
        };
        press(mbMiddle, 200, 150);
        move(250, 150);
        run();
        map->OnAfterScroll = nullptr;
        return passes;
    }
};

TEST(DataMapScrollLoopsTest, PressInTheLeftZoneScrollsUntilReleaseAndTellsOnceAndElsewhereGoesToTheTool) {
    ScrollMap f;
    f.move(5, 150);
    f.press(mbLeft, 5, 150);
    f.release(mbLeft, 5, 150);
    f.run();
    EXPECT_LE(f.map->XWind(), -250); // at least one step of 50 pixels at Scale 100
    EXPECT_EQ(f.map->YWind(), -150);
    EXPECT_EQ(f.events, (std::vector<std::string>{"before", "after"}));
    EXPECT_FALSE(f.map->Interaction().AutoScrolling);
    // The press went to the scroll, not to the pick tool; outside the zones it goes to the tool.
    EXPECT_FALSE(f.map->SelectedObject());
    f.move(200, 150);
    f.click(mbLeft, 200, 150);
    EXPECT_EQ(f.events.size(), 2u);
    EXPECT_TRUE(f.map->SelectedObject());
}

TEST(DataMapScrollLoopsTest, LoopEndsOnceTheButtonIsUpThoughTheReleaseNeverCame) {
    ScrollMap f;
    bool swallowed = false;
    Application->OnMessage = [&](TMsg& msg, bool& handled) {
        if (msg.message == WM_LBUTTONUP) {
            handled = true;
            swallowed = true;
        }
    };
    f.move(5, 150);
    f.press(mbLeft, 5, 150);
    f.release(mbLeft, 5, 150);
    f.run();
    Application->OnMessage = nullptr;
    EXPECT_TRUE(swallowed);
    EXPECT_EQ(f.events, (std::vector<std::string>{"before", "after"}));
    EXPECT_FALSE(f.map->Interaction().AutoScrolling);
}

TEST(DataMapScrollLoopsTest, PressHandledInsideTheLoopIsConsumed) {
    ScrollMap f;
    f.map->SetInstrument(iLinza);
    f.map->OnBeforeScroll = [&](TPersistent*) {
        f.press(mbRight, 200, 150); // would zoom out one lens step
        f.release(mbRight, 200, 150);
        f.release(mbLeft, 5, 150);
    };
    f.move(5, 150);
    f.press(mbLeft, 5, 150);
    f.run();
    EXPECT_EQ(f.map->Scale(), 100);
    EXPECT_FALSE(f.map->Interaction().AutoScrollBusy);
}

TEST(DataMapScrollLoopsTest, LoopEndsWhenTheMapLosesTheMouse) {
    ScrollMap f;
    int moves = 0;
    f.map->OnMouseMove = [&](TPersistent*, TShiftState, int, int) {
        if (++moves == 2)
            f.map->SetMouseCapture(false);
    };
    f.move(5, 150);
    f.run();
    f.press(mbLeft, 5, 150);
    f.move(6, 150);
    f.run();
    EXPECT_EQ(f.events, (std::vector<std::string>{"before", "after"}));
    EXPECT_FALSE(f.map->Interaction().AutoScrolling);
    f.release(mbLeft, 6, 150);
    f.run();
}

TEST(DataMapScrollLoopsTest, HoldToPanMovesTowardTheMouseUntilRelease) {
    ScrollMap f;
    EXPECT_EQ(f.panOnce(), 2);
    EXPECT_EQ(f.events, std::vector<std::string>{"before"});
    EXPECT_FLOAT_EQ(f.map->XWind(), -150); // 50 pixels to the right
    EXPECT_FLOAT_EQ(f.map->YWind(), -150);
    EXPECT_FALSE(f.map->Interaction().Panning);
    EXPECT_EQ(f.map->Cursor(), crDefault);
}

// A host that keeps its tool before a scroll and puts it back after every pass, as the main
// window does, gets the tool the pan began with: the pan tells before its first pass.
TEST(DataMapScrollLoopsTest, HoldToPanTellsBeforeItsFirstPassSoAHostGetsItsToolBack) {
    ScrollMap f;
    f.map->SetInstrument(iLinza);
    TInstrument kept = iNone;
    f.map->OnBeforeScroll = [&](TPersistent*) {
        kept = f.map->Instrument();
        f.map->SetInstrument(iRegion);
    };
    int passes = 0;
    f.map->OnAfterScroll = [&](TPersistent*) {
        f.map->SetInstrument(kept);
        if (++passes == 2)
            f.release(mbMiddle, 250, 150);
    };
    f.press(mbMiddle, 200, 150);
    f.move(250, 150);
    f.run();
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(f.map->Instrument(), iLinza);
}

TEST(DataMapScrollLoopsTest, PauseOfASecondOrMoreEndsByTheMonotonicClock) {
    ScrollMap f;
    f.map->Options()->SetDelayScroll(1500);
    tk::useManualClock(true);
    f.map->OnMouseMove = [](TPersistent*, TShiftState, int, int) { tk::advanceClock(1500); };
    const int passes = f.panOnce();
    tk::useManualClock(false);
    EXPECT_EQ(passes, 2);
    EXPECT_FLOAT_EQ(f.map->XWind(), -150);
}

TEST(DataMapScrollLoopsTest, HoldToPanEndsWhenTheMapIsHidden) {
    ScrollMap f;
    int passes = 0;
    f.map->OnAfterScroll = [&](TPersistent*) {
        ++passes;
        f.map->Hide();
    };
    f.press(mbMiddle, 200, 150);
    f.move(200, 100);
    f.run();
    EXPECT_EQ(passes, 1);
    EXPECT_FALSE(f.map->Interaction().Panning);
    f.release(mbMiddle, 200, 100);
    f.run();
}

TEST(DataMapScrollLoopsTest, HoldToPanEndsWhenTheMapIsFreedInsideIt) {
    ScrollMap f;
    TForm* form = f.form.release(); // freed by its own release from inside the loop
    int passes = 0;
    f.map->OnAfterScroll = [&passes, form](TPersistent*) {
        ++passes;
        form->Release();
    };
    f.press(mbMiddle, 200, 150);
    f.run();
    EXPECT_EQ(passes, 1);
    // The button comes up elsewhere.
    TForm other(nullptr);
    other.Show();
    tk::input::release(other, mbMiddle, 5, 5);
    f.run();
}

} // namespace
