// Engine files that are missing, truncated, corrupted or carry damaged metadata give an error code
// and never a crash; opening a missing dictionary never creates it.
#include "EngineFixture.h"

#include "engine/Database.h"

#include <fstream>
#include <iterator>
#include <random>

namespace {

class DatabaseTest : public EngineFixture {
protected:
    // A dictionary with a table, an index and some rows; its bytes.
    std::string makeDictionary() {
        const CEHANDLE c = dictionary({"CREATE TABLE T (ID AUTOINC, NAME CHAR(20), NOTE MEMO)",
                                       "CREATE INDEX NAME ON T (UPPER(NAME)) FOR ID > 2"});
        const CEHANDLE t = open(c, "T");
        for (int i = 0; i < 60; ++i)
            append(t, {{"NAME", "name " + std::to_string(i * 7919 % 61)}, {"NOTE", std::string(i * 13, 'x')}});
        EXPECT_EQ(CeCloseTable(t), 0u);
        EXPECT_EQ(CeDisconnect(c), 0u);
        connections_.clear();
        std::ifstream in(path("test.vdd"), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Opens the file as a dictionary and walks its table; the result of the first failing call.
    uint32_t openAndWalk(const std::string& bytes) {
        const std::string file = path("damaged.vdd");
        std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        CEHANDLE c = 0;
        uint32_t rc = CeConnect(file.c_str(), &c);
        if (rc != 0)
            return rc;
        CEHANDLE t = 0;
        rc = CeOpenTable(c, "T", nullptr, 0, 1, 0, 2, 0, &t);
        if (rc == 0) {
            CEHANDLE idx = 0;
            rc = CeGetIndexHandle(t, "NAME", &idx);
            for (CEHANDLE h : {t, idx}) {
                if (rc != 0 || CeGotoTop(h) != 0)
                    break;
                for (int i = 0; i < 100 && !atEof(t); ++i) {
                    char buffer[64];
                    uint32_t length = sizeof buffer;
                    (void)CeGetField(t, "NOTE", buffer, &length, 2);
                    EXPECT_EQ(CeSkip(h, 1), 0u);
                }
            }
            EXPECT_EQ(CeCloseTable(t), 0u);
        }
        EXPECT_EQ(CeDisconnect(c), 0u);
        return rc;
    }
};

TEST_F(DatabaseTest, MissingDictionaryIsNotFoundAndNotCreated) {
    CEHANDLE c = 0;
    EXPECT_EQ(CeConnect(path("none.vdd").c_str(), &c), 7041u);
    EXPECT_EQ(lastErrorCode(), 7041u);
    EXPECT_FALSE(std::filesystem::exists(path("none.vdd")));
    EXPECT_EQ(CeConnect(path("nodir").c_str(), &c), 7041u);
    EXPECT_EQ(CeDisconnect(12345), 5024u);
}

TEST_F(DatabaseTest, EveryTruncationGivesAnErrorOrAWorkingTable) {
    const std::string bytes = makeDictionary();
    ASSERT_GT(bytes.size(), 4096u);
    for (size_t length = 0; length < bytes.size(); length += length < 128 ? 1 : 251) {
        const uint32_t rc = openAndWalk(bytes.substr(0, length));
        EXPECT_NE(rc, 5121u);
        if (length < 100) { // shorter than the file header: never a usable dictionary
            EXPECT_NE(rc, 0u) << length;
        }
    }
    EXPECT_EQ(openAndWalk(bytes), 0u);
}

TEST_F(DatabaseTest, CorruptedBytesNeverCrash) {
    const std::string bytes = makeDictionary();
    std::mt19937 random(7);
    for (int trial = 0; trial < 150; ++trial) {
        std::string damaged = bytes;
        for (int n = 0; n < 8; ++n)
            damaged[random() % damaged.size()] = static_cast<char>(random());
        (void)openAndWalk(damaged);
    }
    EXPECT_EQ(openAndWalk(std::string(5000, 'x')), 7008u);
}

TEST_F(DatabaseTest, DamagedMetadataIsReportedAsDamage) {
    makeDictionary();
    const char* const cases[] = {
        "UPDATE __ce_fields SET cetype = 99 WHERE name = 'NAME'", "UPDATE __ce_fields SET length = 0 WHERE name = 'NAME'",
        "UPDATE __ce_indexes SET segments = 'NOSUCH'",             "UPDATE __ce_indexes SET condition = 'ID >'",
        "UPDATE __ce_tables SET type = 7",                         "DROP TABLE T",
    };
    const std::string good = [&] {
        std::ifstream in(path("test.vdd"), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    for (const char* sql : cases) {
        std::ofstream(path("test.vdd"), std::ios::binary | std::ios::trunc).write(good.data(), static_cast<std::streamsize>(good.size()));
        {
            std::lock_guard<std::mutex> lock(ce::engineMutex());
            std::shared_ptr<ce::Database> db;
            ASSERT_TRUE(ce::Database::open(path("test.vdd"), ce::Database::Kind::Dictionary, db).ok());
            ASSERT_TRUE(db->exec(sql).ok()) << sql;
        }
        CEHANDLE conn = 0;
        ASSERT_EQ(CeConnect(path("test.vdd").c_str(), &conn), 0u);
        CEHANDLE t = 0;
        const uint32_t rc = CeOpenTable(conn, "T", nullptr, 0, 1, 0, 2, 0, &t);
        EXPECT_TRUE(rc == 7008u || rc == 7200u) << sql << " gave " << rc;
        EXPECT_EQ(CeDisconnect(conn), 0u);
    }
}

} // namespace
