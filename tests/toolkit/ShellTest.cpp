// The shell calls: opening with the desktop, keyboard layouts and system metrics.
#include "toolkit/Shell.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(ShellTest, OpenGoesToTheDesktopOpenerAndReportsItsSuccess) {
    std::vector<std::string> opened;
    tk::setShellOpener([&](const AnsiString& target) {
        opened.push_back(target);
        return target != "missing.pdf";
    });
    EXPECT_GT(ShellExecute(0, "open", "mailto:info@valdren.example", nullptr, nullptr, 1), 32);
    EXPECT_LE(ShellExecute(0, "open", "missing.pdf", nullptr, nullptr, 1), 32);
    EXPECT_LE(ShellExecute(0, "print", "help\\valinfo.chm", nullptr, nullptr, 1), 32);
    tk::setShellOpener(nullptr);
    EXPECT_EQ(opened, (std::vector<std::string>{"mailto:info@valdren.example", "missing.pdf"}));
}

TEST(ShellTest, MessageBeepSoundsThroughTheReplacedBeeper) {
    std::vector<unsigned> beeps;
    tk::setBeeper([&](unsigned type) { beeps.push_back(type); });
    MessageBeep(0x30);
    MessageBeep(0);
    tk::setBeeper(nullptr);
    EXPECT_EQ(beeps, (std::vector<unsigned>{0x30, 0}));
}

TEST(ShellTest, KeyboardLayoutIsRecorded) {
    EXPECT_EQ(LoadKeyboardLayout("00000419", KLF_ACTIVATE), 0x419u);
    EXPECT_EQ(tk::activeKeyboardLayout(), "00000419");
}

TEST(ShellTest, ScrollBarMetricIsAPlausibleWidth) {
    EXPECT_GT(GetSystemMetrics(SM_CXVSCROLL), 5);
    EXPECT_LT(GetSystemMetrics(SM_CXVSCROLL), 40);
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
}

} // namespace
