// The sample database the build lays out, read as the program reads it: through the engine's
// table cursors with the program's log-in, read-only. Its tables, fields and index tags are those
// the program names, and every branch at an address of the map's manifest stands on the map stored
// in the database. The rows themselves are compared with the plan by the components' suite.
#include "makedb/DatabaseWriter.h"

#include "SampleCity.h"

#include "engine/CeEngine.h"

#include "base/CodePage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace makedb {
namespace {

class DatabaseWriterTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CeConnect60(SAMPLE_DATABASE, 1, DatabaseWriter::kUser, DatabaseWriter::kPassword, 0, &connection_),
                  0u);
    }
    void TearDown() override { EXPECT_EQ(CeDisconnect(connection_), 0u); }

    CEHANDLE open(const char* table) {
        CEHANDLE t = 0;
        EXPECT_EQ(CeOpenTable(connection_, table, nullptr, 0, 1, 0, 2, 2, &t), 0u) << table << ": " << lastError();
        return t;
    }

    static std::string lastError() {
        uint32_t code = 0;
        char text[600];
        uint32_t length = sizeof text;
        (void)CeGetLastError(&code, text, &length);
        return std::string(text, length);
    }

    static std::string text(CEHANDLE t, const char* field) {
        char buffer[200];
        uint32_t length = sizeof buffer;
        EXPECT_EQ(CeGetField(t, field, buffer, &length, 1), 0u) << field;
        return std::string(buffer, length);
    }

    static uint32_t count(CEHANDLE t) {
        uint32_t n = 0;
        EXPECT_EQ(CeGetRecordCount(t, 2, &n), 0u);
        return n;
    }

    // Calls visit on every record of a table in its natural order.
    template <class Visit>
    static void forEachRecord(CEHANDLE t, Visit visit) {
        ASSERT_EQ(CeGotoTop(t), 0u);
        for (uint16_t eof = 0; CeAtEOF(t, &eof) == 0 && !eof;) {
            visit();
            ASSERT_EQ(CeSkip(t, 1), 0u);
        }
    }

    // The map stream stored in the city table.
    std::string storedMap() {
        const CEHANDLE city = open("city");
        EXPECT_EQ(count(city), 1u);
        EXPECT_EQ(CeGotoTop(city), 0u);
        uint32_t size = 0;
        EXPECT_EQ(CeGetBinaryLength(city, "citymap", &size), 0u);
        std::string stream(size, '\0');
        EXPECT_EQ(CeGetField(city, "citymap", stream.data(), &size, 2), 0u);
        EXPECT_EQ(CeCloseTable(city), 0u);
        return stream;
    }

    CEHANDLE connection_ = 0;
};

struct FieldSpec {
    const char* name;
    uint16_t type;
};

TEST_F(DatabaseWriterTest, WrongPasswordAndMissingLoginAreRefused) {
    CEHANDLE c = 0;
    EXPECT_EQ(CeConnect60(SAMPLE_DATABASE, 1, DatabaseWriter::kUser, "wrong", 0, &c), 5120u);
    EXPECT_EQ(CeConnect60(SAMPLE_DATABASE, 1, "ADMIN", "", 0, &c), 5120u);
    EXPECT_EQ(CeConnect(SAMPLE_DATABASE, &c), 5120u);
    uint16_t type = 0;
    ASSERT_EQ(CeGetHandleType(connection_, &type), 0u);
    EXPECT_EQ(type, 6);
}

TEST_F(DatabaseWriterTest, TablesHaveTheFieldsAndTagsTheProgramNames) {
    const struct {
        const char* table;
        std::vector<FieldSpec> fields;
        std::vector<const char*> tags;
        const char* uniqueTag;
    } tables[] = {
        {"city", {{"citymap", 6}}, {}, nullptr},
        {"Category", {{"Cat_Id", 15}, {"Name", 4}, {"PenWidth", 11}, {"PenColor", 11}, {"PenStyle", 11},
                      {"BrushColor", 11}, {"BrushStyle", 11}, {"Layer", 12}, {"Sound", 6}, {"Texture", 6}},
         {"CAT_ID", "NAME"}, "CAT_ID"},
        {"Street", {{"Street_Id", 15}, {"Name", 4}}, {"STREET_ID", "NAME"}, "STREET_ID"},
        {"Topic", {{"Topic_Id", 15}, {"Name", 4}}, {"TOPIC_ID", "NAME"}, "TOPIC_ID"},
        {"Office", {{"Office_Id", 11}, {"Name", 4}, {"Flags", 11}, {"inetref", 4}}, {"OFFICE_ID", "NAME"}, "OFFICE_ID"},
        {"OfficeTopics", {{"Office_Id", 11}, {"Topic_Id", 11}}, {}, nullptr},
        {"Branch", {{"Office_Id", 11}, {"Street", 4}, {"House", 4}, {"Apartment", 4}, {"Contact", 4}}, {}, nullptr},
        {"mapOffices", {{"Map_Id", 11}, {"Office_Id", 11}, {"ApartNo", 4}, {"Id", 15}}, {}, nullptr},
    };
    for (const auto& expected : tables) {
        const CEHANDLE t = open(expected.table);
        for (const FieldSpec& f : expected.fields) {
            uint16_t type = 0;
            EXPECT_EQ(CeGetFieldType(t, f.name, &type), 0u) << expected.table << "." << f.name;
            EXPECT_EQ(type, f.type) << expected.table << "." << f.name;
        }
        for (const char* tag : expected.tags) {
            CEHANDLE order = 0;
            EXPECT_EQ(CeGetIndexHandle(t, tag, &order), 0u) << expected.table << " " << tag;
            uint32_t flags = 0;
            EXPECT_EQ(CeGetIndexFlags(order, &flags), 0u);
            EXPECT_EQ((flags & 1) != 0, expected.uniqueTag && std::string(expected.uniqueTag) == tag) << tag;
        }
        EXPECT_EQ(CeCloseTable(t), 0u);
    }
    uint32_t length = 0;
    char name[3];
    for (const auto& [table, size] : {std::pair{"Category", 40u}, {"Street", 30u}, {"Topic", 45u}}) {
        const CEHANDLE t = open(table);
        ASSERT_EQ(CeGetFieldLength(t, "Name", &length), 0u);
        EXPECT_EQ(length, size) << table;
        EXPECT_EQ(CeCloseTable(t), 0u);
    }
    length = sizeof name;
    EXPECT_EQ(CeDDGetTableProperty(connection_, "Category", 213, name, &length), 5005u);
    EXPECT_EQ(length, 7u);
}

TEST_F(DatabaseWriterTest, OpensReadOnlyWithTheDirectory) {
    const CEHANDLE office = open("Office");
    uint32_t options = 0;
    ASSERT_EQ(CeGetTableOpenOptions(office, &options), 0u);
    EXPECT_EQ(options & 2, 2u);
    EXPECT_EQ(CeAppendRecord(office), 5034u);
    EXPECT_EQ(count(office), 2000u);
    EXPECT_EQ(CeCloseTable(office), 0u);
    const CEHANDLE topic = open("Topic");
    EXPECT_GE(count(topic), 140u);
    EXPECT_LE(count(topic), 170u);
    EXPECT_EQ(CeCloseTable(topic), 0u);
    const CEHANDLE street = open("Street");
    EXPECT_GT(count(street), test::bundledManifest().streets.size());
    EXPECT_EQ(CeCloseTable(street), 0u);
}

TEST_F(DatabaseWriterTest, BranchesOfMapAddressesStandOnTheStoredMap) {
    const auto onMap = test::mapAddresses(storedMap());
    ASSERT_FALSE(onMap.empty());

    std::set<std::pair<std::string, std::string>> manifest;
    for (const ManifestAddress& a : test::bundledManifest().addresses)
        manifest.insert({base::utf8ToCp1251(a.street), base::utf8ToCp1251(a.house)});
    const CEHANDLE branch = open("Branch");
    int marked = 0;
    int elsewhere = 0;
    forEachRecord(branch, [&] {
        const std::pair<std::string, std::string> address{text(branch, "Street"), text(branch, "House")};
        if (!manifest.count(address)) {
            ++elsewhere;
            return;
        }
        ++marked;
        EXPECT_TRUE(onMap.count(address)) << address.first << " " << address.second;
    });
    EXPECT_EQ(CeCloseTable(branch), 0u);
    EXPECT_GT(marked, 2000);
    EXPECT_GT(elsewhere, 0);
}

TEST(DatabaseWriterFailureTest, FailedBuildLeavesNoFile) {
    const std::string path = "/nonexistent-folder/mapdata.vdd";
    std::string error;
    EXPECT_FALSE(DatabaseWriter::write(path, "map", DirectoryPlan{}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
} // namespace makedb
