// Drags and dock drags driven by synthetic mouse and key input on real controls: targets hear
// the drag enter, move and leave, a release drops or refuses, Escape and a lost capture cancel,
// and a dock drag moves its control onto a dock site or into a tool window of its own.
#include "toolkit/DragSession_p.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Placed.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"
#include "toolkit/TScreen.h"
#include "toolkit/WinApi.h"

namespace {

using tktest::placed;

std::string text(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

std::string stateName(TDragState state) {
    return state == dsDragEnter ? "enter" : state == dsDragMove ? "move" : "leave";
}

// A source at (10, 10) and a target at (200, 10) on one form; every drag event is written down.
struct Fixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TWinControl* source = placed<TWinControl>(form.get(), 10, 10, 40, 40);
    TWinControl* target = placed<TWinControl>(form.get(), 200, 10, 80, 80);
    std::vector<std::string> seen;

    Fixture() {
        form->SetBounds(100, 100, 400, 250);
        source->SetDragMode(dmAutomatic);
        source->OnMouseDown = [this](TPersistent*, TMouseButton, TShiftState, int, int) { seen.push_back("down"); };
        source->OnStartDrag = [this](TPersistent* sender, TDragObject* drag) {
            seen.push_back(sender == source && drag->Control() == source ? "start" : "start?");
        };
        source->OnEndDrag = [this](TPersistent*, TPersistent* to, int x, int y) {
            seen.push_back(std::string("end ") + (to == nullptr ? "none " : to == target ? "target " : "? ") + text(x, y));
        };
        target->OnDragOver = [this](TPersistent*, TPersistent* from, int x, int y, TDragState state, bool& accept) {
            seen.push_back(stateName(state) + " " + text(x, y) + (from == source && accept ? "" : " ?"));
        };
        target->OnDragDrop = [this](TPersistent*, TPersistent* from, int x, int y) {
            seen.push_back("drop " + text(x, y) + (from == source ? "" : " ?"));
        };
        form->Show();
        Application->ProcessMessages();
    }

    // A point of `to`'s client area in the source's client coordinates, where synthetic input
    // to the source is given.
    TPoint over(TControl& to, int x, int y) const { return source->ScreenToClient(to.ClientToScreen(Point(x, y))); }
    void moveTo(TControl& to, int x, int y) {
        const TPoint p = over(to, x, y);
        tk::input::move(*source, p.X, p.Y);
        Application->ProcessMessages();
    }
    void releaseOver(TControl& to, int x, int y) {
        const TPoint p = over(to, x, y);
        tk::input::release(*source, mbLeft, p.X, p.Y);
        Application->ProcessMessages();
    }
    void press() {
        tk::input::press(*source, mbLeft, 5, 5);
        Application->ProcessMessages();
    }
};

TEST(DragSessionTest, DragFromOneControlToAnotherEntersMovesDropsAndEnds) {
    Fixture f;
    f.press();
    EXPECT_TRUE(f.source->Dragging());
    EXPECT_EQ(GetCaptureControl(), f.source);
    EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
    f.moveTo(*f.target, 15, 15);
    f.moveTo(*f.target, 20, 25);
    EXPECT_EQ(GetCursor(), Screen->Cursors(crDrag));
    f.releaseOver(*f.target, 20, 25);
    EXPECT_EQ(f.seen, (std::vector<std::string>{"start", "enter 15,15", "move 20,25", "drop 20,25", "end target 20,25"}));
    EXPECT_FALSE(f.source->Dragging());
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST(DragSessionTest, ATargetThatRefusesOrHasNoHandlerGetsNoDropAndTheSourceEndsWithoutOne) {
    struct Case {
        const char* name;
        bool handler;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"refusing handler", true, {"start", "enter 15,15 ?", "leave 15,15 ?", "end none 0,0"}},
        {"no handler", false, {"start", "end none 0,0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.target->SetDragCursor(crHandPoint);
        if (c.handler) {
            const TDragOverEvent record = f.target->OnDragOver;
            f.target->OnDragOver = [record](TPersistent* s, TPersistent* from, int x, int y, TDragState st, bool& accept) {
                accept = false;
                record(s, from, x, y, st, accept);
            };
        } else {
            f.target->OnDragOver = nullptr;
        }
        f.press();
        f.moveTo(*f.target, 15, 15);
        EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
        f.releaseOver(*f.target, 15, 15);
        EXPECT_EQ(f.seen, c.expected);
    }
}

TEST(DragSessionTest, LeavingATargetTellsItAndTheCursorTurnsBack) {
    Fixture f;
    f.source->SetDragCursor(crHandPoint);
    f.press();
    f.moveTo(*f.target, 15, 15);
    EXPECT_EQ(GetCursor(), Screen->Cursors(crHandPoint));
    f.moveTo(*f.form, 150, 150);
    EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
    f.releaseOver(*f.form, 150, 150);
    EXPECT_EQ(f.seen, (std::vector<std::string>{"start", "enter 15,15", "leave -50,140", "end none 0,0"}));
}

TEST(DragSessionTest, EscapeALostCaptureOrEndDragFalseCancelAndEndDragTrueDrops) {
    struct Case {
        const char* name;
        std::function<void(Fixture&)> end;
        std::vector<std::string> tail;
    };
    const Case cases[] = {
        {"Escape", [](Fixture& f) { tk::input::key(*f.form, VK_ESCAPE); }, {"leave 15,15", "end none 0,0"}},
        {"lost capture", [](Fixture&) { tk::cancelMode(); }, {"leave 15,15", "end none 0,0"}},
        {"EndDrag(false)", [](Fixture& f) { f.source->EndDrag(false); }, {"leave 15,15", "end none 0,0"}},
        {"EndDrag(true)", [](Fixture& f) { f.source->EndDrag(true); }, {"drop 15,15", "end target 15,15"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.press();
        f.moveTo(*f.target, 15, 15);
        c.end(f);
        Application->ProcessMessages();
        EXPECT_FALSE(f.source->Dragging());
        EXPECT_EQ(GetCaptureControl(), nullptr);
        // The release after the end is the source's own again.
        f.source->OnMouseUp = [&](TPersistent*, TMouseButton, TShiftState, int, int) { f.seen.push_back("up"); };
        f.releaseOver(*f.target, 15, 15);
        std::vector<std::string> expected{"start", "enter 15,15"};
        expected.insert(expected.end(), c.tail.begin(), c.tail.end());
        expected.push_back("up");
        EXPECT_EQ(f.seen, expected);
    }
}

TEST(DragSessionTest, ATargetFreedDuringTheDragIsForgotten) {
    Fixture f;
    f.press();
    f.moveTo(*f.target, 15, 15);
    delete f.target;
    f.target = nullptr;
    f.releaseOver(*f.form, 240, 40);
    EXPECT_EQ(f.seen, (std::vector<std::string>{"start", "enter 15,15", "end none 0,0"}));
}

// A dockable control at (10, 10) and a dock site at (200, 10); the dock events are written down.
struct DockFixture : Fixture {
    TWinControl* site = target;

    DockFixture() {
        source->SetName("Tool");
        source->SetDragKind(dkDock);
        site->SetDockSite(true);
        site->OnDragOver = nullptr;
        source->OnStartDock = [this](TPersistent*, TDragObject* drag) {
            seen.push_back(drag->Kind() == dkDock ? "start dock" : "start?");
        };
        source->OnEndDock = [this](TPersistent*, TPersistent* to, int x, int y) {
            seen.push_back(std::string("end dock ") + (to == nullptr ? "none " : to == site ? "site " : "? ") + text(x, y));
        };
        site->OnDockOver = [this](TPersistent*, TDragObject* drag, int x, int y, TDragState state, bool& accept) {
            seen.push_back("dock " + stateName(state) + " " + text(x, y) + (drag->Control() == source && accept ? "" : " ?"));
        };
        site->OnDockDrop = [this](TPersistent*, TDragObject*, int x, int y) {
            seen.push_back("docked " + text(x, y) + (source->Parent() == site ? "" : " ?"));
        };
    }
};

TEST(DragSessionTest, DockDragDocksOntoTheSiteFloatsOutsideItAndDocksBackFromTheToolWindow) {
    DockFixture f;
    f.press();
    f.moveTo(*f.site, 30, 30);
    f.releaseOver(*f.site, 30, 30);
    EXPECT_EQ(f.source->Parent(), f.site);
    // The point it was grabbed at, (5, 5), stays under the mouse.
    EXPECT_EQ(f.source->BoundsRect(), Rect(25, 25, 65, 65));
    EXPECT_EQ(f.seen, (std::vector<std::string>{"start dock", "dock enter 30,30", "docked 30,30", "end dock site 30,30"}));

    f.seen.clear();
    f.press();
    const TPoint outside = f.form->ClientToScreen(Point(60, 150));
    f.moveTo(*f.form, 60, 150);
    f.releaseOver(*f.form, 60, 150);
    ASSERT_TRUE(f.source->Floating());
    EXPECT_TRUE(f.source->Parent()->Showing());
    EXPECT_EQ(f.source->ClientToScreen(Point(5, 5)), outside);
    EXPECT_NE(FindWindow("FloatingDockHost", "Tool"), HWND(0));
    // Pressed where it is docked, the drag starts over its own site.
    EXPECT_EQ(f.seen,
              (std::vector<std::string>{"start dock", "dock enter 30,30", "dock leave -140,140", "end dock none 0,0"}));

    f.seen.clear();
    f.press();
    f.moveTo(*f.site, 50, 40);
    f.releaseOver(*f.site, 50, 40);
    EXPECT_EQ(f.source->Parent(), f.site);
    EXPECT_FALSE(f.source->Floating());
    EXPECT_EQ(FindWindow("FloatingDockHost", "Tool"), HWND(0));
    EXPECT_EQ(f.seen, (std::vector<std::string>{"start dock", "dock enter 50,40", "docked 50,40", "end dock site 50,40"}));
}

TEST(DragSessionTest, DockDragOverARefusingSiteFloatsAndACancelledOneStaysWhereItWas) {
    DockFixture f;
    const TDockOverEvent record = f.site->OnDockOver;
    f.site->OnDockOver = [record](TPersistent* s, TDragObject* drag, int x, int y, TDragState st, bool& accept) {
        accept = false;
        record(s, drag, x, y, st, accept);
    };
    f.press();
    f.moveTo(*f.site, 30, 30);
    tk::input::key(*f.form, VK_ESCAPE);
    Application->ProcessMessages();
    EXPECT_EQ(f.source->Parent(), f.form.get());
    EXPECT_EQ(f.source->BoundsRect(), Rect(10, 10, 50, 50));

    f.press();
    f.moveTo(*f.site, 30, 30);
    f.releaseOver(*f.site, 30, 30);
    EXPECT_TRUE(f.source->Floating());
    EXPECT_EQ(f.seen, (std::vector<std::string>{"start dock", "dock enter 30,30 ?", "dock leave 30,30 ?", "end dock none 0,0",
                                                "start dock", "dock enter 30,30 ?", "dock leave 30,30 ?",
                                                "end dock none 0,0"}));
}

} // namespace
