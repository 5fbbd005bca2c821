// The icon library stream's layout, byte by byte, on a small library.
#include "makepictures/IconLibraryStream.h"

#include <gtest/gtest.h>

#include "IconLibrary.h"

namespace pictures {
namespace {

TEST(IconLibraryStreamTest, HeaderAndRecordsSitAtTheirOffsets) {
    const std::string bytes =
        iconLibraryStream("Mine", {{"a", 0x00FFFF00, true, "BMxy"}, {"b", 0x000000FF, false, "BM"}});
    ASSERT_EQ(bytes.size(), 181u + 40u + 4u + 40u + 2u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 24u); // the signature line's length
    EXPECT_EQ(test::int32At(bytes, 71), 1);
    EXPECT_EQ(test::shortStringAt(bytes, 75), "Mine");
    EXPECT_EQ(bytes.substr(106, 71), std::string(71, '\0'));
    EXPECT_EQ(test::int32At(bytes, 177), 2);
    EXPECT_EQ(test::shortStringAt(bytes, 181), "a");
    EXPECT_EQ(test::int32At(bytes, 181 + 31), 0x00FFFF00);
    EXPECT_EQ(bytes[181 + 35], 1);
    EXPECT_EQ(test::int32At(bytes, 181 + 36), 4);
    EXPECT_EQ(bytes.substr(181 + 40, 4), "BMxy");
    const test::StoredLibrary library = test::readLibrary(bytes);
    ASSERT_EQ(library.icons.size(), 2u);
    EXPECT_EQ(library.icons[1].transparent, 0);
    EXPECT_EQ(library.find("MINE", "B"), std::optional<std::string>("BM"));
}

TEST(IconLibraryStreamTest, LongNamesAreCutToTheirRoom) {
    const std::string bytes = iconLibraryStream(std::string(40, 'L'), {{std::string(40, 'n'), 0, true, ""}});
    EXPECT_EQ(test::shortStringAt(bytes, 75), std::string(30, 'L'));
    EXPECT_EQ(test::shortStringAt(bytes, 181), std::string(30, 'n'));
    EXPECT_EQ(bytes.size(), 181u + 40u);
}

} // namespace
} // namespace pictures
