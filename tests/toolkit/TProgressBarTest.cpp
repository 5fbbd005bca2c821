// The progress bar stays within its range.
#include "toolkit/TProgressBar.h"

#include <gtest/gtest.h>

#include "toolkit/TApplication.h"

namespace {

TEST(TProgressBarTest, StepsStayWithinTheRange) {
    TProgressBar bar(nullptr);
    bar.SetStep(20);
    for (int i = 0; i < 5; ++i)
        bar.StepIt();
    EXPECT_EQ(bar.Position(), 100);
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 100);
    bar.SetPosition(-5);
    EXPECT_EQ(bar.Position(), 0);
    bar.SetMax(50);
    bar.SetPosition(80);
    EXPECT_EQ(bar.Position(), 50);
}

} // namespace
