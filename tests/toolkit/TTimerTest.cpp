// Timers: order, intervals, enabling and exceptions in handlers.
#include "toolkit/TTimer.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/Clock.h"
#include "toolkit/TApplication.h"

namespace {

// Timers on the manual clock, advanced by hand, owned by one component; `log` collects the names
// of the timers that fired.
class TTimerTest : public testing::Test {
protected:
    TTimerTest() { tk::useManualClock(true); }
    ~TTimerTest() override { tk::useManualClock(false); }

    TTimer* timer(unsigned interval, const std::string& name) {
        auto* made = new TTimer(&owner);
        made->SetInterval(interval);
        made->OnTimer = [this, name](TPersistent*) { log.push_back(name); };
        return made;
    }

    TComponent owner{nullptr};
    std::vector<std::string> log;
};

TEST_F(TTimerTest, TimersFireInOrderOfTheirDueTimesUnlessDisabledOrOfIntervalZero) {
    timer(300, "slow");
    timer(100, "fast");
    timer(100, "disabled")->SetEnabled(false);
    timer(0, "zero");
    const std::uint32_t start = GetTickCount();
    tk::advanceClock(650);
    EXPECT_EQ(log, (std::vector<std::string>{"fast", "fast", "slow", "fast", "fast", "fast", "slow", "fast"}));
    EXPECT_EQ(GetTickCount() - start, 650u);
}

TEST_F(TTimerTest, ChangingTheIntervalRestartsTheCount) {
    TTimer* tick = timer(100, "tick");
    tk::advanceClock(90);
    tick->SetInterval(100);
    tk::advanceClock(90);
    EXPECT_TRUE(log.empty());
    tk::advanceClock(10);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(TTimerTest, HandlerThatDisablesItsTimerStopsIt) {
    timer(50, "once")->OnTimer = [this](TPersistent* sender) {
        log.push_back("once");
        static_cast<TTimer*>(sender)->SetEnabled(false);
    };
    tk::advanceClock(500);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(TTimerTest, TimerBeingLoadedStartsAtLoaded) {
    auto* loading = new TTimer(&owner);
    loading->BeginLoading();
    loading->SetInterval(100);
    loading->OnTimer = [this](TPersistent*) { log.push_back("tick"); };
    tk::advanceClock(300);
    EXPECT_TRUE(log.empty());
    loading->EndLoading();
    tk::advanceClock(100);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(TTimerTest, ExceptionInAHandlerIsReportedAndOtherTimersGoOn) {
    TTimer* failing = timer(100, "failing");
    failing->OnTimer = [](TPersistent*) { throw Exception("tick failed"); };
    timer(150, "healthy");
    Application->OnException = [&](TPersistent* sender, const std::exception& e) {
        log.push_back(std::string(e.what()) + (sender == failing ? " in timer" : ""));
    };
    tk::advanceClock(200);
    Application->OnException = nullptr;
    EXPECT_EQ(log, (std::vector<std::string>{"tick failed in timer", "healthy", "tick failed in timer"}));
}

TEST(TTimerRealClockTest, RealTimerFiresFromTheMessageLoop) {
    TComponent owner(nullptr);
    std::vector<std::string> log;
    auto* timer = new TTimer(&owner);
    timer->SetInterval(5);
    timer->OnTimer = [&log](TPersistent*) { log.push_back("tick"); };
    while (log.empty())
        Application->HandleMessage();
    EXPECT_EQ(log.size(), 1u);
}

} // namespace
