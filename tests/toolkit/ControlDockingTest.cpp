// Docking by code: ManualFloat puts a control into a tool window of its own, ManualDock takes it
// out again, and the window goes with the control.
#include <memory>

#include <gtest/gtest.h>

#include "support/Placed.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/WinApi.h"

namespace {

struct Fixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TWinControl* site = tktest::placed<TWinControl>(form.get(), 100, 0, 100, 100);
    TWinControl* tool = tktest::placed<TWinControl>(form.get(), 10, 10, 40, 30);

    Fixture() {
        form->SetBounds(100, 100, 300, 200);
        tool->SetName("Tool");
        form->Show();
        Application->ProcessMessages();
    }
};

HWND toolWindow() { return FindWindow("FloatingDockHost", "Tool"); }

TEST(ControlDockingTest, FloatingPutsTheControlIntoOneShownToolWindowThatDockingFrees) {
    Fixture f;
    f.tool->ManualFloat(Rect(500, 400, 560, 450));
    ASSERT_TRUE(f.tool->Floating());
    TWinControl* window = f.tool->Parent();
    EXPECT_TRUE(window->Showing());
    EXPECT_EQ(window->ClientRect(), Rect(0, 0, 60, 50));
    EXPECT_EQ(f.tool->BoundsRect(), Rect(0, 0, 60, 50));
    EXPECT_EQ(f.tool->ClientToScreen(Point(0, 0)), Point(500, 400));
    // Floated again, it moves with the same window.
    f.tool->ManualFloat(Rect(300, 300, 340, 330));
    EXPECT_EQ(f.tool->Parent(), window);
    EXPECT_EQ(f.tool->ClientToScreen(Point(0, 0)), Point(300, 300));
    EXPECT_NE(toolWindow(), HWND(0));

    EXPECT_TRUE(f.tool->ManualDock(f.site));
    EXPECT_EQ(f.tool->Parent(), f.site);
    EXPECT_FALSE(f.tool->Floating());
    EXPECT_EQ(toolWindow(), HWND(0));
    EXPECT_FALSE(f.tool->ManualDock(nullptr));
    EXPECT_EQ(f.tool->Parent(), f.site);
}

TEST(ControlDockingTest, FreeingAFloatingControlFreesItsToolWindowAndFreeingTheWindowKeepsTheControl) {
    Fixture f;
    f.tool->ManualFloat(Rect(500, 400, 560, 450));
    ASSERT_NE(toolWindow(), HWND(0));
    delete f.tool;
    EXPECT_EQ(toolWindow(), HWND(0));

    auto* other = tktest::placed<TWinControl>(f.form.get(), 10, 50, 40, 30);
    other->SetName("Tool");
    other->ManualFloat(Rect(500, 400, 560, 450));
    delete other->Parent();
    EXPECT_EQ(toolWindow(), HWND(0));
    EXPECT_EQ(other->Parent(), nullptr);
    EXPECT_TRUE(other->ManualDock(f.site));
    Application->ProcessMessages();
}

} // namespace
