// Timers: order, intervals, enabling and exceptions in handlers.
#include "toolkit/TTimer.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/Clock.h"
#include "toolkit/TApplication.h"

namespace {

// Timers on the manual clock, advanced by hand.
struct ManualClock {
    ManualClock() { tk::useManualClock(true); }
    ~ManualClock() { tk::useManualClock(false); }
};

TTimer* makeTimer(TComponent& owner, unsigned interval, const std::string& name, std::vector<std::string>& log) {
    auto* timer = new TTimer(&owner);
    timer->SetInterval(interval);
    timer->OnTimer = [&log, name](TPersistent*) { log.push_back(name); };
    return timer;
}

TEST(TTimerTest, TimersFireInOrderOfTheirDueTimes) {
    ManualClock clock;
    TComponent owner(nullptr);
    std::vector<std::string> log;
    makeTimer(owner, 300, "slow", log);
    makeTimer(owner, 100, "fast", log);
    const std::uint32_t start = GetTickCount();
    tk::advanceClock(650);
    EXPECT_EQ(log, (std::vector<std::string>{"fast", "fast", "slow", "fast", "fast", "fast", "slow", "fast"}));
    EXPECT_EQ(GetTickCount() - start, 650u);
}

TEST(TTimerTest, DisabledOrZeroIntervalTimerNeverFires) {
    ManualClock clock;
    TComponent owner(nullptr);
    std::vector<std::string> log;
    makeTimer(owner, 100, "disabled", log)->SetEnabled(false);
    makeTimer(owner, 0, "zero", log);
    tk::advanceClock(1000);
    EXPECT_TRUE(log.empty());
}

TEST(TTimerTest, ChangingTheIntervalRestartsTheCount) {
    ManualClock clock;
    TComponent owner(nullptr);
    std::vector<std::string> log;
    TTimer* timer = makeTimer(owner, 100, "tick", log);
    tk::advanceClock(90);
    timer->SetInterval(100);
    tk::advanceClock(90);
    EXPECT_TRUE(log.empty());
    tk::advanceClock(10);
    EXPECT_EQ(log.size(), 1u);
}

TEST(TTimerTest, HandlerThatDisablesItsTimerStopsIt) {
    ManualClock clock;
    TComponent owner(nullptr);
    int ticks = 0;
    auto* timer = new TTimer(&owner);
    timer->SetInterval(50);
    timer->OnTimer = [&](TPersistent* sender) {
        ++ticks;
        static_cast<TTimer*>(sender)->SetEnabled(false);
    };
    tk::advanceClock(500);
    EXPECT_EQ(ticks, 1);
}

TEST(TTimerTest, TimerBeingLoadedStartsAtLoaded) {
    ManualClock clock;
    TComponent owner(nullptr);
    std::vector<std::string> log;
    auto* timer = new TTimer(&owner);
    timer->BeginLoading();
    timer->SetInterval(100);
    timer->OnTimer = [&](TPersistent*) { log.push_back("tick"); };
    tk::advanceClock(300);
    EXPECT_TRUE(log.empty());
    timer->EndLoading();
    tk::advanceClock(100);
    EXPECT_EQ(log.size(), 1u);
}

TEST(TTimerTest, RealTimerFiresFromTheMessageLoop) {
    TComponent owner(nullptr);
    std::vector<std::string> log;
    makeTimer(owner, 5, "tick", log);
    while (log.empty())
        Application->HandleMessage();
    EXPECT_EQ(log.size(), 1u);
}


TEST(TTimerTest, ExceptionInAHandlerIsReportedAndOtherTimersGoOn) {
    ManualClock clock;
    TComponent owner(nullptr);
    std::vector<std::string> log;
    auto* failing = new TTimer(&owner);
    failing->SetInterval(100);
    failing->OnTimer = [](TPersistent*) { throw Exception("tick failed"); };
    makeTimer(owner, 150, "healthy", log);
    Application->OnException = [&](TPersistent* sender, const std::exception& e) {
        log.push_back(std::string(e.what()) + (sender == failing ? " in timer" : ""));
    };
    tk::advanceClock(200);
    Application->OnException = nullptr;
    EXPECT_EQ(log, (std::vector<std::string>{"tick failed in timer", "healthy", "tick failed in timer"}));
}

} // namespace
