#include "toolkit/WinApi.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QWidget>

#include <gtest/gtest.h>

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

TEST(WinApiTest, SentMessageArrivesAtOncePostedOneAfterTheHandler) {
    TfmReceiver form(nullptr);
    EXPECT_EQ(SendMessage(form.Handle(), WM_PROBE, 1, 0), 42);
    EXPECT_TRUE(PostMessage(form.Handle(), WM_PROBE, 2, 0));
    form.log.push_back("handler returns");
    Application->ProcessMessages();
    EXPECT_EQ(form.log, (std::vector<std::string>{"probe 1", "handler returns", "probe 2"}));
}

TEST(WinApiTest, HookSeesPostedMessagesButNotSentOnes) {
    TfmReceiver form(nullptr);
    std::vector<unsigned> hooked;
    Application->OnMessage = [&](TMsg& msg, bool& handled) {
        hooked.push_back(static_cast<unsigned>(msg.wParam));
        handled = msg.wParam == 3;
    };
    SendMessage(form.Handle(), WM_PROBE, 1, 0);
    PostMessage(form.Handle(), WM_PROBE, 2, 0);
    PostMessage(form.Handle(), WM_PROBE, 3, 0);
    Application->ProcessMessages();
    Application->OnMessage = nullptr;
    EXPECT_EQ(hooked, (std::vector<unsigned>{2, 3}));
    EXPECT_EQ(form.log, (std::vector<std::string>{"probe 1", "probe 2"}));
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

} // namespace
