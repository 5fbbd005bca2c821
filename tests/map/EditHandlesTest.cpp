#include "map/EditHandles.h"

#include <gtest/gtest.h>

namespace {

using mapi::WorldPoint;

TEST(EditHandlesTest, HandlesGoRoundTheFrameFromTheFirstCorner) {
    const std::array<WorldPoint, 4> frame = {{{10, 20}, {50, 20}, {50, 80}, {10, 80}}};
    const std::array<WorldPoint, 8> expected = {{{10, 20},
                                                 {30, 20},
                                                 {50, 20},
                                                 {50, 50},
                                                 {50, 80},
                                                 {30, 80},
                                                 {10, 80},
                                                 {10, 50}}};
    EXPECT_EQ(mapi::ResizeHandles(frame), expected);
}

TEST(EditHandlesTest, MiddleIsMeasuredFromTheFirstPointWhicheverWayTheSideRuns) {
    EXPECT_EQ(mapi::HandleMiddle({10, 20}, {50, 60}), (WorldPoint{30, 40}));
    // Half the distance added to the first point, not the midpoint.
    EXPECT_EQ(mapi::HandleMiddle({50, 60}, {10, 20}), (WorldPoint{70, 80}));
}

} // namespace
