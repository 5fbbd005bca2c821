// The line walker: which pixels it visits, in every direction and at huge coordinates.
#include "toolkit/LineDDA.h"

#include <cstdint>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Pixels = std::vector<std::pair<int, int>>;

Pixels walk(int x1, int y1, int x2, int y2) {
    Pixels pixels;
    LineDDA(x1, y1, x2, y2, [&pixels](int x, int y) { pixels.emplace_back(x, y); });
    return pixels;
}

TEST(LineDDATest, StartIncludedEndLeftOut) {
    const Pixels pixels = walk(0, 0, 5, 2);
    ASSERT_EQ(pixels.size(), 5u);
    EXPECT_EQ(pixels.front(), std::make_pair(0, 0));
    EXPECT_EQ(pixels.back(), std::make_pair(4, 2));
    for (const auto& p : pixels) EXPECT_NE(p, std::make_pair(5, 2));
}

TEST(LineDDATest, OnePixelPerStepOfTheLongerAxisInEveryDirection) {
    const int ends[][2] = {{7, 3}, {-7, 3}, {7, -3}, {-7, -3}, {3, 7}, {-3, -7}, {0, 5}, {-5, 0}, {4, 4}, {-4, 4}};
    for (const auto& end : ends) {
        const Pixels pixels = walk(10, 10, 10 + end[0], 10 + end[1]);
        ASSERT_EQ(static_cast<std::int64_t>(pixels.size()), tk::lineSteps(10, 10, 10 + end[0], 10 + end[1]));
        for (size_t i = 1; i < pixels.size(); ++i) {
            EXPECT_LE(std::abs(pixels[i].first - pixels[i - 1].first), 1);
            EXPECT_LE(std::abs(pixels[i].second - pixels[i - 1].second), 1);
        }
        // The walk heads for the end: the pixel after the last would be the end itself.
        const auto [lx, ly] = pixels.back();
        EXPECT_LE(std::abs(10 + end[0] - lx), 1);
        EXPECT_LE(std::abs(10 + end[1] - ly), 1);
    }
}

TEST(LineDDATest, ZeroLengthLineVisitsNothing) { EXPECT_TRUE(walk(3, 3, 3, 3).empty()); }

TEST(LineDDATest, LaterStepsReachedDirectlyMatchTheFullWalk) {
    for (int dx = -9; dx <= 9; ++dx) {
        for (int dy = -9; dy <= 9; ++dy) {
            const Pixels full = walk(0, 0, dx, dy);
            for (std::int64_t first = 0; first < static_cast<std::int64_t>(full.size()); ++first) {
                Pixels part;
                tk::walkLineSteps(0, 0, dx, dy, first, first + 2, [&part](int x, int y) { part.emplace_back(x, y); });
                ASSERT_FALSE(part.empty());
                EXPECT_EQ(part.front(), full[static_cast<size_t>(first)]) << dx << "," << dy << " step " << first;
            }
        }
    }
}

TEST(LineDDATest, HugeCoordinatesDoNotOverflow) {
    Pixels part;
    tk::walkLineSteps(-2000000000, 0, 2000000000, 1, 2000000000, 2000000001,
                      [&part](int x, int y) { part.emplace_back(x, y); });
    ASSERT_EQ(part.size(), 1u);
    EXPECT_EQ(part[0].first, 0);
}

} // namespace
