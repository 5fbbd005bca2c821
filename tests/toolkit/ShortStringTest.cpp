// Length-prefixed strings of a fixed room, as the map stream stores them.
#include "toolkit/ShortString.h"

#include <gtest/gtest.h>

namespace {

TEST(ShortStringTest, LayoutIsLengthByteThenRoom) {
    static_assert(sizeof(ShortString<6>) == 7);
    ShortString<6> house;
    house.assign("12a");
    EXPECT_EQ(house.bytes[0], 3);
    EXPECT_EQ(house.str(), "12a");
}

TEST(ShortStringTest, AssignCutsAtTheRoom) {
    ShortString<4> s;
    s.assign("abcdefgh");
    EXPECT_EQ(s.str(), "abcd");
    s.assign("x");
    EXPECT_EQ(s.bytes[2], 0) << "the rest of the room is cleared";
}

TEST(ShortStringTest, OversizedLengthByteIsClampedToTheRoom) {
    ShortString<4> s;
    std::memcpy(s.bytes, "\xFF" "wxyz", 5);
    EXPECT_EQ(s.length(), 4u);
    EXPECT_EQ(s.str(), "wxyz");
}

} // namespace
