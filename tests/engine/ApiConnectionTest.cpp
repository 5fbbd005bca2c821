// Connections, last errors, error texts, version and process-wide settings.
#include "EngineFixture.h"

#include <cstring>
#include <thread>

namespace {

class ApiConnectionTest : public EngineFixture {};

TEST_F(ApiConnectionTest, DisconnectClosesEverythingOpenedThroughTheConnection) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (N INTEGER)", "CREATE INDEX N ON T (N)"});
    const CEHANDLE t = open(c, "T");
    const CEHANDLE idx = index(t, "N");
    uint16_t open = 0;
    ASSERT_EQ(CeGetNumOpenTables(&open), 0u);
    EXPECT_EQ(open, 1);
    ASSERT_EQ(CeDisconnect(c), 0u);
    connections_.clear();
    uint16_t kind = 0;
    EXPECT_EQ(CeGetHandleType(t, &kind), 5012u);
    EXPECT_EQ(CeGetHandleType(idx, &kind), 5012u);
    EXPECT_EQ(CeDisconnect(c), 5024u);
    EXPECT_EQ(CeGetConnectionType(c, &kind), 5012u);
}

TEST_F(ApiConnectionTest, LastErrorKeepsCodeAndTextUntilTheNextFailure) {
    const CEHANDLE d = directory();
    EXPECT_EQ(got<uint16_t>(CeGetConnectionType, d), 1);
    CEHANDLE t = 0;
    EXPECT_EQ(CeOpenTable(d, "missing", nullptr, 3, 1, 0, 2, 0, &t), 7041u);
    char buffer[600];
    uint32_t length = sizeof buffer;
    uint32_t code = 0;
    ASSERT_EQ(CeGetLastError(&code, buffer, &length), 0u);
    EXPECT_EQ(code, 7041u);
    EXPECT_NE(std::string(buffer).find("missing"), std::string::npos);
    EXPECT_EQ(length, std::strlen(buffer));
    ASSERT_EQ(CeGetServerName(d, buffer, &length), 0u);
    EXPECT_EQ(lastErrorCode(), 7041u);
    length = 3;
    EXPECT_EQ(CeGetServerName(d, buffer, &length), 5005u);
    EXPECT_EQ(length, 6u);
    EXPECT_EQ(lastErrorCode(), 5005u);
}

TEST_F(ApiConnectionTest, EachThreadKeepsItsOwnLastError) {
    uint32_t seen[2] = {0, 0};
    auto fail = [&](int i) {
        uint16_t type = 0;
        for (int n = 0; n < 200; ++n) {
            const uint32_t rc = i == 0 ? CeGetHandleType(0, &type) : CeDisconnect(0);
            EXPECT_NE(rc, 0u);
            (void)CeGetLastError(&seen[i], nullptr, nullptr);
            if (seen[i] != rc)
                return;
        }
    };
    std::thread first(fail, 0);
    std::thread second(fail, 1);
    first.join();
    second.join();
    EXPECT_EQ(seen[0], 5012u);
    EXPECT_EQ(seen[1], 5024u);
}

TEST_F(ApiConnectionTest, ErrorStringsAndVersion) {
    char buffer[128];
    uint32_t length = sizeof buffer;
    ASSERT_EQ(CeGetErrorString(5022, buffer, &length), 0u);
    EXPECT_STREQ(buffer, "Record not found");
    length = sizeof buffer;
    EXPECT_NE(CeGetErrorString(5121, buffer, &length), 0u);
    EXPECT_NE(CeGetErrorString(0, buffer, &length), 0u);
    uint32_t major = 0, minor = 0;
    char letter = 0;
    length = sizeof buffer;
    ASSERT_EQ(CeGetVersion(&major, &minor, &letter, buffer, &length), 0u);
    EXPECT_EQ(major, 6u);
    EXPECT_EQ(minor, 11u);
    EXPECT_EQ(letter, 'a');
}

TEST_F(ApiConnectionTest, SettingsAreCheckedAndKept) {
    EXPECT_EQ(CeSetServerType(0), 5018u);
    EXPECT_EQ(CeSetServerType(2), 0u);
    EXPECT_EQ(CeSetServerType(1), 0u);
    for (const char* format : {"dd.MM.yyyy", "MM/dd/ccyy", "dd.MM.ccyy"})
        EXPECT_EQ(CeSetDateFormat(format), 0u) << format;
    EXPECT_EQ(CeSetDateFormat("dd.MM"), 5018u);
    EXPECT_EQ(CeSetDateFormat(nullptr), 5018u);
    EXPECT_EQ(CeSetDecimals(4), 0u);
    uint16_t decimals = 0;
    ASSERT_EQ(CeGetDecimals(&decimals), 0u);
    EXPECT_EQ(decimals, 4);
    EXPECT_EQ(CeSetDecimals(2), 0u);
    EXPECT_EQ(CeSetDateFormat("MM/dd/ccyy"), 0u);
    EXPECT_EQ(CeCacheOpenTables(5), 0u);
    EXPECT_EQ(CeCacheOpenCursors(5), 0u);
}

} // namespace
