// Streams over the bundled resources: finding them and reading them.
#include "toolkit/TResourceStream.h"

#include <string>

#include <gtest/gtest.h>

namespace {

std::string contents(TResourceStream& stream) {
    std::string bytes(static_cast<size_t>(stream.Size()), '\0');
    stream.ReadBuffer(bytes.data(), stream.Size());
    return bytes;
}

TEST(TResourceStreamTest, ResourcesAreFoundByTypeAndNameWithoutCase) {
    TResourceStream byName("ICON", "ICONLIB");
    EXPECT_EQ(contents(byName), "ICONS");
    TResourceStream byId(111, RT_RCDATA);
    EXPECT_EQ(contents(byId), "ValdrenInfo test resource\n");
    EXPECT_FALSE(FindResource("iconlib", "icon").empty());
    EXPECT_FALSE(FindResource("rcdata", "#111").empty());
    EXPECT_TRUE(FindResource("RCDATA", "11").empty()) << "names match whole";
    EXPECT_TRUE(FindResource("", "ICON").empty());
}

TEST(TResourceStreamTest, MissingResourceRaisesNamingIt) {
    try {
        TResourceStream stream("SPLASH", RT_RCDATA);
        FAIL() << "opened a missing resource";
    } catch (const EResNotFound& error) {
        EXPECT_EQ(error.Message, "Resource SPLASH of type RCDATA not found");
    }
    EXPECT_THROW(TResourceStream(1, "NOSUCHTYPE"), EResNotFound);
}

TEST(TResourceStreamTest, ResourceStreamsReadShortAndRefuseWrites) {
    TResourceStream stream("Icon", "IconLib");
    char buffer[8] = {};
    stream.SetPosition(3);
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_THROW(stream.ReadBuffer(buffer, 1), EReadError);
    EXPECT_THROW(stream.WriteBuffer("x", 1), EStreamError);
    EXPECT_THROW(stream.SetSize(0), EStreamError);
    EXPECT_EQ(stream.Size(), 5);
}

} // namespace
