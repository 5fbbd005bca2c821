// Controls: mouse, wheel and hook routing, clicks, alignment, anchors and hints.
#include "toolkit/TControl.h"

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"
#include "toolkit/TScreen.h"
#include "toolkit/WinApi.h"

namespace {

struct Fixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TWinControl* panel = new TWinControl(form.get());

    Fixture() {
        form->SetBounds(100, 100, 300, 200);
        panel->SetParent(form.get());
        panel->SetBounds(10, 10, 50, 50);
        form->Show();
        Application->ProcessMessages();
    }
};

TEST(TControlTest, ReleaseOutsideGoesToTheControlThatHadThePress) {
    Fixture f;
    std::vector<std::string> seen;
    f.panel->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState, int x, int y) {
        seen.push_back("down " + std::to_string(x) + "," + std::to_string(y));
        EXPECT_EQ(GetCaptureControl(), f.panel);
    };
    f.panel->OnMouseUp = [&](TPersistent*, TMouseButton, TShiftState, int x, int y) {
        seen.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    f.form->OnMouseUp = [&](TPersistent*, TMouseButton, TShiftState, int, int) { seen.push_back("form up"); };
    tk::input::press(*f.panel, mbLeft, 5, 5);
    tk::input::move(*f.panel, 200, 150);
    tk::input::release(*f.panel, mbLeft, 200, 150);
    Application->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"down 5,5", "up 200,150"}));
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST(TControlTest, PendingDragStartsPastItsThresholdTakesTheMouseAndEndsOnRelease) {
    Fixture f;
    std::vector<std::string> seen;
    f.panel->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState, int, int) { f.panel->BeginDrag(false, 10); };
    f.panel->OnMouseMove = [&](TPersistent*, TShiftState, int x, int) { seen.push_back("move " + std::to_string(x)); };
    f.panel->OnMouseUp = [&](TPersistent*, TMouseButton, TShiftState, int, int) { seen.push_back("up"); };
    f.panel->OnStartDrag = [&](TPersistent*, TDragObject*) { seen.push_back("start"); };
    tk::input::press(*f.panel, mbLeft, 5, 5);
    tk::input::move(*f.panel, 14, 5);
    Application->ProcessMessages();
    EXPECT_FALSE(f.panel->Dragging());
    tk::input::move(*f.panel, 15, 5);
    tk::input::move(*f.panel, 30, 5);
    Application->ProcessMessages();
    EXPECT_TRUE(f.panel->Dragging());
    EXPECT_EQ(GetCaptureControl(), f.panel);
    tk::input::release(*f.panel, mbLeft, 30, 5);
    Application->ProcessMessages();
    EXPECT_FALSE(f.panel->Dragging());
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"move 14", "start"}));
}

TEST(TControlTest, PendingDragThatNeverStartsLetsTheReleaseThrough) {
    Fixture f;
    std::vector<std::string> seen;
    f.panel->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState, int, int) { f.panel->BeginDrag(false); };
    f.panel->OnMouseUp = [&](TPersistent*, TMouseButton, TShiftState, int, int) { seen.push_back("up"); };
    f.panel->OnStartDrag = [&](TPersistent*, TDragObject*) { seen.push_back("start"); };
    f.panel->OnEndDrag = [&](TPersistent*, TPersistent*, int, int) { seen.push_back("end"); };
    tk::input::press(*f.panel, mbLeft, 5, 5);
    tk::input::move(*f.panel, 9, 5);
    tk::input::release(*f.panel, mbLeft, 9, 5);
    Application->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"up"}));
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST(TControlTest, LoopInsideMouseDownSeesTheReleaseAndEnds) {
    Fixture f;
    bool down = false;
    int moves = 0;
    bool leftHeldInLoop = false;
    f.panel->OnMouseUp = [&](TPersistent*, TMouseButton, TShiftState, int, int) { down = false; };
    f.panel->OnMouseMove = [&](TPersistent*, TShiftState, int, int) { ++moves; };
    f.panel->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState, int, int) {
        down = true;
        tk::input::move(*f.panel, 80, 20);
        tk::input::release(*f.panel, mbLeft, 80, 20);
        leftHeldInLoop = GetKeyState(VK_LBUTTON) < 0;
        while (down)
            Application->ProcessMessages();
    };
    tk::input::press(*f.panel, mbLeft, 5, 5);
    Application->ProcessMessages();
    EXPECT_FALSE(down);
    EXPECT_TRUE(leftHeldInLoop);
    EXPECT_EQ(moves, 1);
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
}

TEST(TControlTest, ClickNeedsTheReleaseInsideAndDoubleClickFiresBeforeItsPress) {
    Fixture f;
    std::vector<std::string> seen;
    f.panel->OnClick = [&](TPersistent*) { seen.push_back("click"); };
    f.panel->OnDblClick = [&](TPersistent*) { seen.push_back("dblclick"); };
    f.panel->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState shift, int, int) {
        seen.push_back(shift & ssDouble ? "double down" : "down");
    };
    tk::input::click(*f.panel, 5, 5);
    tk::input::doubleClick(*f.panel, mbLeft, 5, 5);
    tk::input::release(*f.panel, mbLeft, 5, 5);
    tk::input::press(*f.panel, mbLeft, 5, 5);
    tk::input::release(*f.panel, mbLeft, 70, 5);
    Application->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"down", "click", "dblclick", "double down", "down"}));
}

TEST(TControlTest, WheelFiresGeneralEventThenOneDirectionalEventPerNotch) {
    Fixture f;
    std::vector<std::string> seen;
    f.panel->OnMouseWheel = [&](TPersistent*, TShiftState, int delta, TPoint, bool&) {
        seen.push_back("wheel " + std::to_string(delta));
    };
    f.panel->OnMouseWheelDown = [&](TPersistent*, TShiftState, TPoint, bool& handled) {
        seen.push_back("down");
        handled = true;
    };
    f.panel->OnMouseWheelUp = [&](TPersistent*, TShiftState shift, TPoint, bool&) {
        seen.push_back(shift & ssCtrl ? "ctrl up" : "up");
    };
    tk::input::wheel(*f.panel, -120, 5, 5);
    tk::input::wheel(*f.panel, 60, 5, 5);
    tk::input::wheel(*f.panel, 60, 5, 5, ssCtrl);
    Application->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"wheel -120", "down", "wheel 60", "wheel 60", "ctrl up"}));
}

TEST(TControlTest, ApplicationHookSeesInputFirstAndCanSwallowIt) {
    Fixture f;
    int downs = 0;
    unsigned hooked = 0;
    f.panel->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState, int, int) { ++downs; };
    Application->OnMessage = [&](TMsg& msg, bool& handled) {
        if (msg.hwnd == f.panel->Handle() && msg.message == WM_RBUTTONDOWN) {
            hooked = msg.message;
            handled = true;
        }
    };
    tk::input::press(*f.panel, mbRight, 5, 5);
    tk::input::release(*f.panel, mbRight, 5, 5);
    tk::input::press(*f.panel, mbLeft, 5, 5);
    tk::input::release(*f.panel, mbLeft, 5, 5);
    Application->ProcessMessages();
    Application->OnMessage = nullptr;
    EXPECT_EQ(hooked, WM_RBUTTONDOWN);
    EXPECT_EQ(downs, 1);
}

TEST(TControlTest, SentMouseMessageTakesTheNormalMousePath) {
    Fixture f;
    TMouseButton button = mbLeft;
    TPoint at;
    f.panel->OnMouseDown = [&](TPersistent*, TMouseButton b, TShiftState, int x, int y) {
        button = b;
        at = Point(x, y);
    };
    SendMessage(f.panel->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(0, 0));
    EXPECT_EQ(button, mbRight);
    EXPECT_EQ(at, Point(0, 0));
}

TEST(TControlTest, AlignmentFillsTheParentInOrderAndAnchorsFollowResizes) {
    Fixture f;
    auto* top = new TWinControl(f.form.get());
    top->SetParent(f.form.get());
    top->SetHeight(20);
    top->SetAlign(alTop);
    auto* left = new TWinControl(f.form.get());
    left->SetParent(f.form.get());
    left->SetWidth(30);
    left->SetAlign(alLeft);
    auto* client = new TWinControl(f.form.get());
    client->SetParent(f.form.get());
    client->SetAlign(alClient);
    f.panel->SetAnchors(akRight | akBottom);
    f.form->SetBounds(100, 100, 400, 300);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 20));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 20, 30, 300));
    EXPECT_EQ(client->BoundsRect(), Rect(30, 20, 400, 300));
    EXPECT_EQ(f.panel->BoundsRect(), Rect(110, 110, 160, 160));
    const TPoint screen = f.panel->ClientToScreen(Point(3, 4));
    EXPECT_EQ(screen, Point(213, 214));
    EXPECT_EQ(f.panel->ScreenToClient(screen), Point(3, 4));
}

TEST(TControlTest, ResizesInsideDisableAlignRealignOnceAtTheLastEnableAlign) {
    Fixture f;
    auto* filler = new TWinControl(f.form.get());
    filler->SetParent(f.panel);
    filler->SetAlign(alClient);
    int resizes = 0;
    filler->OnResize = [&](TPersistent*) { ++resizes; };
    f.panel->DisableAlign();
    f.panel->DisableAlign();
    f.panel->SetBounds(10, 10, 80, 60);
    f.panel->SetBounds(10, 10, 120, 90);
    f.panel->EnableAlign();
    EXPECT_EQ(resizes, 0);
    f.panel->EnableAlign();
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(filler->Width(), 120);
    EXPECT_EQ(filler->Height(), 90);
}

TEST(TControlTest, ParentShowHintFollowsTheParentUntilShowHintIsSet) {
    Fixture f;
    f.panel->SetHint("Zoom|Changes the scale of the map");
    EXPECT_TRUE(f.panel->peer().widget()->toolTip().isEmpty());
    auto* child = new TWinControl(f.form.get());
    child->SetParent(f.panel);
    child->SetHint("Find");
    EXPECT_TRUE(child->ParentShowHint());
    f.form->SetShowHint(true);
    EXPECT_TRUE(child->ShowHint());
    EXPECT_EQ(child->peer().widget()->toolTip(), "Find") << "through the panel, which follows the form";
    EXPECT_EQ(f.panel->peer().widget()->toolTip(), "Zoom") << "the short hint only";
    child->SetShowHint(false);
    EXPECT_FALSE(child->ParentShowHint());
    f.form->SetShowHint(true);
    EXPECT_TRUE(child->peer().widget()->toolTip().isEmpty());
}

TEST(TControlTest, SetFontReachesTheWidget) {
    Fixture f;
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-13);
    f.panel->SetFont(font);
    EXPECT_EQ(f.panel->Font()->Height(), -13);
    EXPECT_EQ(f.panel->peer().widget()->font().pixelSize(), 13);
}

TEST(TControlTest, ConstraintsBoundTheSizeAndTheWindow) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    form.Constraints()->SetMinWidth(640);
    form.Constraints()->SetMinHeight(480);
    EXPECT_EQ(form.BoundsRect(), Rect(0, 0, 640, 480));
    form.SetBounds(10, 10, 100, 900);
    EXPECT_EQ(form.BoundsRect(), Rect(10, 10, 650, 910));
    EXPECT_EQ(form.peer().widget()->minimumSize(), QSize(640, 480));
    form.Constraints()->SetMaxHeight(600);
    EXPECT_EQ(form.Height(), 600);
}


// Records the enter and leave notifications it gets.
class TWatched : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::vector<std::string> seen;

protected:
    void CMMouseEnter(TMessage&) override { seen.push_back("enter"); }
    void CMMouseLeave(TMessage&) override { seen.push_back("leave"); }
};

TEST(TControlTest, MouseEnterAndLeaveReachTheControl) {
    Fixture f;
    auto* watched = new TWatched(f.form.get());
    watched->SetParent(f.form.get());
    watched->SetBounds(100, 10, 50, 50);
    tk::input::move(*f.form, 5, 150);
    tk::input::move(*watched, 10, 10);
    tk::input::move(*watched, 20, 20);
    tk::input::move(*f.form, 5, 150);
    Application->ProcessMessages();
    EXPECT_EQ(watched->seen, (std::vector<std::string>{"enter", "leave"}));
}

TEST(TControlTest, ShownFormIsActivatedAndFiresOnActivate) {
    TForm form(nullptr);
    int activations = 0;
    form.OnActivate = [&](TPersistent*) { ++activations; };
    form.Show();
    form.SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(Application->Active());
    EXPECT_EQ(Screen->ActiveForm(), &form);
}


TEST(TControlTest, ReplacedWindowProcSeesMessagesFirstAndPassesThemOn) {
    Fixture f;
    std::vector<unsigned> watched;
    int downs = 0;
    f.panel->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState, int, int) { ++downs; };
    TWndMethod saved = f.panel->WindowProc;
    f.panel->WindowProc = [&](TMessage& message) {
        watched.push_back(message.Msg);
        if (message.Msg != WM_RBUTTONDOWN)
            saved(message);
    };
    tk::input::press(*f.panel, mbLeft, 5, 5);
    tk::input::release(*f.panel, mbLeft, 5, 5);
    SendMessage(f.panel->Handle(), WM_RBUTTONDOWN, 0, 0);
    Application->ProcessMessages();
    f.panel->WindowProc = saved;
    EXPECT_EQ(watched, (std::vector<unsigned>{WM_RBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(downs, 1);
}

} // namespace
