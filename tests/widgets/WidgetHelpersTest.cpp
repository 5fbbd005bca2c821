// Words of delimited layout values and zero-filled blocks.
#include "widgets/WidgetHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(WidgetHelpersTest, NthWordSkipsLeadingAndDoubledDelimiters) {
    struct Case {
        int n;
        const char* text;
        const char* word;
        int pos;
    };
    const Case cases[] = {
        {2, "1,2,3", "2", 3},         {4, "1,2,3", "", 0},           {1, ", ,12, 7", "12", 4},
        {2, "10,,  20,30", "20", 7},  {3, "10,,  20,30", "30", 10},   {1, "", "", 0},
        {1, " , ", "", 0},            {0, "1,2", "", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NthWord(c.n, c.text, LayoutWordDelimiters), c.word) << c.n << " of '" << c.text << "'";
        EXPECT_EQ(NthWordPos(c.n, c.text, LayoutWordDelimiters), c.pos) << c.n << " of '" << c.text << "'";
    }
}

TEST(WidgetHelpersTest, ZeroedBlocksAreNullBelowOneByteAndFreeingClearsTheReference) {
    EXPECT_EQ(GlobalAllocZeroed(0), nullptr);
    EXPECT_EQ(GlobalAllocZeroed(-5), nullptr);
    void* block = GlobalAllocZeroed(64);
    ASSERT_NE(block, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(block);
    for (int i = 0; i < 64; ++i)
        ASSERT_EQ(bytes[i], 0) << i;
    GlobalFreeNil(block);
    EXPECT_EQ(block, nullptr);
    GlobalFreeNil(block);
}

} // namespace
