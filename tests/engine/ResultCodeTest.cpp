// Every result code has a meaning; unknown codes have none; 0 and 5121 are not engine errors.
#include "engine/ResultCode.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ResultCodeTest, EveryCodeHasItsOwnText) {
    const uint32_t codes[] = {
#define CE_TEST_CODE(name, code, text) code,
        CE_RESULT_CODES(CE_TEST_CODE)
#undef CE_TEST_CODE
    };
    std::set<std::string> texts;
    for (uint32_t code : codes) {
        const char* text = ce::resultText(code);
        ASSERT_NE(text, nullptr) << code;
        EXPECT_FALSE(std::string(text).empty()) << code;
        EXPECT_TRUE(texts.insert(text).second) << "text shared by code " << code;
        EXPECT_NE(code, 5121u);
    }
    EXPECT_EQ(ce::resultText(5121), nullptr);
    EXPECT_EQ(ce::resultText(12345), nullptr);
}

} // namespace
