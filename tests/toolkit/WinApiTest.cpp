// The window calls: sent and posted messages, the hook, showing, regions, capture and enumeration.
#include "toolkit/WinApi.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <QWidget>

#include <gtest/gtest.h>

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"
#include "toolkit/TRegion.h"

namespace {

constexpr unsigned WM_PROBE = WM_USER + 7;

class TfmReceiver : public TForm {
public:
    using TForm::TForm;
    std::vector<std::string> log;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg != WM_PROBE) {
            TForm::WndProc(Message);
            return;
        }
        log.push_back("probe " + std::to_string(Message.WParam));
        Message.Result = 42;
    }
};

// The hook sees the posted messages only, and may swallow one.
TEST(WinApiTest, SentMessageArrivesAtOncePostedOneAfterTheHandlerThroughTheHook) {
    TfmReceiver form(nullptr);
    std::vector<unsigned> hooked;
    Application->OnMessage = [&](TMsg& msg, bool& handled) {
        hooked.push_back(static_cast<unsigned>(msg.wParam));
        handled = msg.wParam == 3;
    };
    EXPECT_EQ(SendMessage(form.Handle(), WM_PROBE, 1, 0), 42);
    EXPECT_TRUE(PostMessage(form.Handle(), WM_PROBE, 2, 0));
    PostMessage(form.Handle(), WM_PROBE, 3, 0);
    form.log.push_back("handler returns");
    Application->ProcessMessages();
    Application->OnMessage = nullptr;
    EXPECT_EQ(hooked, (std::vector<unsigned>{2, 3}));
    EXPECT_EQ(form.log, (std::vector<std::string>{"probe 1", "handler returns", "probe 2"}));
}

TEST(WinApiTest, MessagesToAGoneWindowAreDropped) {
    auto form = std::make_unique<TfmReceiver>(nullptr);
    const HWND handle = form->Handle();
    EXPECT_TRUE(PostMessage(handle, WM_PROBE, 1, 0));
    form.reset();
    Application->ProcessMessages();
    EXPECT_EQ(SendMessage(handle, WM_PROBE, 1, 0), 0);
    EXPECT_FALSE(PostMessage(handle, WM_PROBE, 1, 0));
    EXPECT_FALSE(IsWindowVisible(handle));
}

TEST(WinApiTest, ShowWindowHidesWithoutTouchingVisible) {
    TForm form(nullptr);
    form.Show();
    ShowWindow(form.Handle(), SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(form.Visible());
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST(WinApiTest, ShowWindowWithoutActivationLeavesTheActiveWindowActive) {
    TForm active(nullptr), balloon(nullptr);
    active.Show();
    active.SetFocus();
    Application->ProcessMessages();
    ASSERT_EQ(GetActiveWindow(), active.Handle());
    ShowWindow(balloon.Handle(), SW_SHOWNOACTIVATE);
    Application->ProcessMessages();
    EXPECT_TRUE(IsWindowVisible(balloon.Handle()));
    EXPECT_EQ(GetActiveWindow(), active.Handle());
    ShowWindow(balloon.Handle(), SW_HIDE);
    ShowWindow(balloon.Handle(), SW_SHOW);
    Application->ProcessMessages();
    EXPECT_EQ(GetActiveWindow(), balloon.Handle());
}

TEST(WinApiTest, WindowRegionShapesTheWindow) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 120);
    const std::array<TPoint, 4> tail = {Point(0, 0), Point(100, 30), Point(100, 120), Point(0, 120)};
    const TRegion region = CreatePolygonRgn(tail, WINDING);
    ASSERT_TRUE(SetWindowRgn(form.Handle(), &region, true));
    const QRegion mask = form.peer().widget()->mask();
    EXPECT_TRUE(mask.contains(QPoint(50, 100)));
    EXPECT_FALSE(mask.contains(QPoint(200, 100)));
    SetWindowRgn(form.Handle(), nullptr, true);
    EXPECT_TRUE(form.peer().widget()->mask().isEmpty());
}

struct TwoPanels {
    TForm form{nullptr};
    TWinControl* left = new TWinControl(&form);
    TWinControl* right = new TWinControl(&form);
    std::vector<std::string> seen;

    TwoPanels() {
        form.SetBounds(100, 100, 200, 100);
        left->SetParent(&form);
        left->SetBounds(0, 0, 100, 100);
        right->SetParent(&form);
        right->SetBounds(100, 0, 100, 100);
        left->OnMouseMove = [this](TPersistent*, TShiftState, int x, int) { seen.push_back("left " + std::to_string(x)); };
        right->OnMouseMove = [this](TPersistent*, TShiftState, int, int) { seen.push_back("right"); };
        form.Show();
        Application->ProcessMessages();
    }
};

TEST(WinApiTest, CapturedWindowGetsTheMouseUntilReleased) {
    TwoPanels f;
    EXPECT_EQ(SetCapture(f.left->Handle()), 0u);
    EXPECT_EQ(GetCapture(), f.left->Handle());
    tk::input::move(*f.right, 50, 50);
    tk::input::press(*f.right, mbLeft, 50, 50);
    tk::input::release(*f.right, mbLeft, 50, 50);
    Application->ProcessMessages();
    EXPECT_EQ(GetCapture(), f.left->Handle());
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), 0u);
    tk::input::move(*f.right, 60, 50);
    Application->ProcessMessages();
    EXPECT_EQ(f.seen, (std::vector<std::string>{"left 150", "right"}));
    TPoint at;
    GetCursorPos(&at);
    EXPECT_EQ(at, Point(260, 150));
}

TEST(WinApiTest, DragTargetIsTheControlUnderThePointUnlessDisabled) {
    TwoPanels f;
    EXPECT_EQ(FindDragTarget(Point(250, 150), false), f.right);
    f.right->SetEnabled(false);
    EXPECT_EQ(FindDragTarget(Point(250, 150), false), nullptr);
    EXPECT_EQ(FindDragTarget(Point(250, 150), true), f.right);
    EXPECT_EQ(FindDragTarget(Point(5, 5), true), nullptr);
}

TEST(WinApiTest, EnumerationVisitsEveryTopLevelWindowAndStopsWhenAsked) {
    TForm first(nullptr);
    TForm second(nullptr);
    std::vector<HWND> visited;
    EnumThreadWindows([&](HWND window) {
        visited.push_back(window);
        return true;
    });
    EXPECT_NE(std::find(visited.begin(), visited.end(), first.Handle()), visited.end());
    EXPECT_NE(std::find(visited.begin(), visited.end(), second.Handle()), visited.end());
    int calls = 0;
    EXPECT_FALSE(EnumThreadWindows([&](HWND) { return ++calls < 1; }));
    EXPECT_EQ(calls, 1);
}

TEST(WinApiTest, PlacementKeepsWhatItWasGivenAndTheNormalBoundsWhileMaximised) {
    TForm form(nullptr);
    form.SetBounds(40, 50, 300, 200);
    WINDOWPLACEMENT placement;
    ASSERT_TRUE(GetWindowPlacement(form.Handle(), &placement));
    EXPECT_EQ(placement.showCmd, unsigned(SW_HIDE));
    EXPECT_EQ(placement.rcNormalPosition, Rect(40, 50, 340, 250));
    EXPECT_EQ(placement.ptMaxPosition, Point(0, 0));
    placement = {};
    placement.flags = 2;
    placement.ptMinPosition = Point(1, 2);
    placement.ptMaxPosition = Point(-4, -4);
    placement.rcNormalPosition = Rect(10, 20, 210, 120);
    ASSERT_TRUE(SetWindowPlacement(form.Handle(), &placement));
    EXPECT_EQ(form.BoundsRect(), Rect(10, 20, 210, 120));
    form.Show();
    placement.showCmd = SW_SHOWMAXIMIZED;
    placement.rcNormalPosition = Rect(30, 20, 230, 120);
    ASSERT_TRUE(SetWindowPlacement(form.Handle(), &placement));
    WINDOWPLACEMENT back;
    ASSERT_TRUE(GetWindowPlacement(form.Handle(), &back));
    EXPECT_EQ(back.showCmd, unsigned(SW_SHOWMAXIMIZED));
    EXPECT_EQ(back.rcNormalPosition, Rect(30, 20, 230, 120));
    EXPECT_EQ(std::make_tuple(back.flags, back.ptMinPosition, back.ptMaxPosition),
              std::make_tuple(2u, Point(1, 2), Point(-4, -4)));
    EXPECT_NE(form.BoundsRect(), back.rcNormalPosition);
    form.SetWindowState(wsNormal);
    EXPECT_EQ(form.BoundsRect(), Rect(30, 20, 230, 120));
    EXPECT_FALSE(GetWindowPlacement(0, &placement));
}

// Answers WM_GETMINMAXINFO with limits of its own.
class TfmLimited : public TForm {
public:
    using TForm::TForm;

protected:
    void WndProc(TMessage& Message) override {
        TForm::WndProc(Message);
        if (Message.Msg != WM_GETMINMAXINFO)
            return;
        auto& info = *reinterpret_cast<MINMAXINFO*>(Message.LParam);
        info.ptMinTrackSize = Point(150, 100);
        info.ptMaxTrackSize = Point(400, 300);
        info.ptMaxPosition = Point(5, 6);
        info.ptMaxSize = Point(390, 290);
    }
};

TEST(WinApiTest, AFormsAnswerToMinMaxInfoBoundsItsSizeAndMaximisedPlace) {
    TfmLimited form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    form.Show();
    EXPECT_EQ(form.peer().widget()->minimumSize(), QSize(150, 100));
    EXPECT_EQ(form.peer().widget()->maximumSize(), QSize(400, 300));
    form.SetBounds(0, 0, 500, 80);
    EXPECT_EQ(form.BoundsRect(), Rect(0, 0, 400, 100));
    form.SetWindowState(wsMaximized);
    EXPECT_EQ(form.BoundsRect(), Rect(5, 6, 395, 296));
}

TEST(WinApiTest, TheApplicationWindowMinimisesTheShownFormsAndIsIconicWithItsMainForm) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    TForm other(nullptr);
    const TForm hidden(nullptr);
    main->Show();
    other.Show();
    EXPECT_FALSE(IsIconic(Application->Handle()));
    EXPECT_TRUE(PostMessage(Application->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0));
    Application->ProcessMessages();
    EXPECT_TRUE(IsIconic(Application->Handle()));
    EXPECT_TRUE(IsIconic(other.Handle()));
    EXPECT_FALSE(IsIconic(hidden.Handle()));
    EXPECT_EQ(main->WindowState(), wsNormal);
    delete main;
}

TEST(WinApiTest, AHiddenWindowTakesMessagesStaysUnlistedAndWindowsReportTheirDestruction) {
    std::vector<unsigned> received;
    const HWND hidden = AllocateHWnd([&](TMessage& message) {
        received.push_back(message.Msg);
        message.Result = 7;
    });
    EXPECT_EQ(SendMessage(hidden, WM_PROBE, 0, 0), 7);
    EXPECT_TRUE(PostMessage(hidden, WM_PROBE + 1, 0, 0));
    Application->ProcessMessages();
    EXPECT_EQ(received, (std::vector<unsigned>{WM_PROBE, WM_PROBE + 1}));
    EXPECT_TRUE(EnumThreadWindows([&](HWND window) { return window != hidden; }));
    EXPECT_EQ(FindWindow(nullptr, nullptr) == hidden, false);
    DeallocateHWnd(hidden);
    EXPECT_FALSE(PostMessage(hidden, WM_PROBE, 0, 0));

    std::vector<bool> destroyingAtDestroy;
    auto form = std::make_unique<TfmReceiver>(nullptr);
    form->WindowProc = [&, own = form->WindowProc, f = form.get()](TMessage& message) {
        if (message.Msg == WM_DESTROY)
            destroyingAtDestroy.push_back(f->ComponentState() & csDestroying);
        own(message);
    };
    form->RecreateWnd();
    EXPECT_TRUE(destroyingAtDestroy.empty()) << "no window yet";
    form->HandleNeeded();
    form->RecreateWnd();
    form.reset();
    EXPECT_EQ(destroyingAtDestroy, (std::vector<bool>{false, true}));
}

} // namespace
