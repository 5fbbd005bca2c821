// Window hooks: the order of the handlers, what Handled stops, reported failures, re-hooking
// after the window is made again, and every order of freeing, stale posted messages included.
#include "widgets/TExWindowHook.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/Exception.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/WinApi.h"
#include "widgets/TControlHook.h"
#include "widgets/THookList.h"

namespace {

constexpr unsigned WM_PROBE = WM_USER + 11;

class TfmHooked : public TForm {
public:
    using TForm::TForm;
    int probes = 0;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_PROBE)
            ++probes;
        TForm::WndProc(Message);
    }
};

class TExWindowHookTest : public testing::Test {
protected:
    TExWindowHook* hook(const std::string& name, bool handles = false) {
        auto* result = new TExWindowHook(form.get());
        result->BeforeMessage = [this, name, handles](TPersistent*, TMessage& msg, bool& handled) {
            if (msg.Msg != WM_PROBE)
                return;
            log.push_back("before " + name);
            handled = handles;
        };
        result->AfterMessage = [this, name](TPersistent*, TMessage& msg, bool&) {
            if (msg.Msg == WM_PROBE)
                log.push_back("after " + name);
        };
        result->SetWinControl(form.get());
        return result;
    }

    std::unique_ptr<TfmHooked> form = std::make_unique<TfmHooked>(nullptr);
    std::vector<std::string> log;
};

TEST_F(TExWindowHookTest, LaterHooksRunFirstAndHandledStopsTheRestButNotTheAfterHandlers) {
    hook("a");
    hook("b", /*handles=*/true);
    hook("c");
    form->Perform(WM_PROBE, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"before c", "before b", "after c", "after b", "after a"}));
    EXPECT_EQ(form->probes, 0);
}

TEST_F(TExWindowHookTest, ARaisingHandlerIsReportedAndTheNextOneRuns) {
    hook("a");
    hook("b")->BeforeMessage = [](TPersistent*, TMessage& msg, bool&) {
        if (msg.Msg == WM_PROBE)
            throw Exception("broken hook");
    };
    std::vector<std::string> reported;
    Application->OnException = [&](TPersistent*, const std::exception& error) { reported.push_back(error.what()); };
    form->Perform(WM_PROBE, 0, 0);
    Application->OnException = nullptr;
    EXPECT_EQ(reported, std::vector<std::string>{"broken hook"});
    EXPECT_EQ(log, (std::vector<std::string>{"before a", "after b", "after a"}));
    EXPECT_EQ(form->probes, 1);
}

TEST_F(TExWindowHookTest, HooksSurviveANewWindowAndLeaveWithTheirLastListener) {
    TExWindowHook* first = hook("a");
    form->RecreateWnd();
    Application->ProcessMessages();
    form->Perform(WM_PROBE, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"before a", "after a"}));

    first->SetActive(false);
    Application->ProcessMessages();
    EXPECT_EQ(THookList::Instance().Find(form.get()), nullptr);
    log.clear();
    form->Perform(WM_PROBE, 0, 0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(form->probes, 2);
}

TEST_F(TExWindowHookTest, EveryFreeingOrderIsCleanAndStalePostedMessagesDoNothing) {
    delete hook("a");
    Application->ProcessMessages();

    hook("b");
    TControlHook* stale = THookList::Instance().Find(form.get());
    auto other = std::make_unique<TfmHooked>(nullptr);
    auto* watcher = new TExWindowHook(other.get());
    watcher->SetWinControl(form.get());
    form.reset();
    EXPECT_EQ(watcher->WinControl(), nullptr);
    Application->ProcessMessages();

    PostMessage(THookList::Instance().Handle(), CM_REINSTALLHOOK, 0, LPARAM(stale));
    PostMessage(THookList::Instance().Handle(), CM_RELEASEHOOK, 0, LPARAM(stale));
    Application->ProcessMessages();
    other.reset();
}

} // namespace
