// Properties of a dictionary and its objects: texts, 32-bit numbers and 16-bit Booleans round-trip,
// unset properties give 5138, derived ones follow the metadata, read-only ones refuse writes.
#include "EngineFixture.h"

#include "base/CodePage.h"

#include <cstring>

namespace {

class ApiDictionaryPropertiesTest : public EngineFixture {
protected:
    CEHANDLE create(const std::vector<std::string>& ddl = {}) {
        CEHANDLE c = 0;
        EXPECT_EQ(CeDDCreate(path("props.vdd").c_str(), 1, base::utf8ToCp1251("Справочник").c_str(), &c), 0u);
        connections_.push_back(c);
        for (const std::string& sql : ddl)
            EXPECT_EQ(run(c, sql), 0u) << sql;
        return c;
    }

    // A property read by get(buffer, &length): the result code and the bytes delivered.
    template <class Get>
    static std::pair<uint32_t, std::string> read(Get get) {
        char buffer[300];
        uint32_t length = sizeof buffer;
        const uint32_t result = get(buffer, &length);
        return {result, result == 0 ? std::string(buffer, length) : std::string()};
    }

    static std::pair<uint32_t, std::string> ok(const std::string& value) { return {0u, value}; }
    static std::pair<uint32_t, std::string> code(uint32_t result) { return {result, ""}; }
    static std::string u32(uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }
    static std::string u16(uint16_t v) { return std::string(reinterpret_cast<const char*>(&v), 2); }
};

const char* const kSchema[] = {
    "CREATE TABLE Topic (Topic_Id AUTOINC, Name CHAR(45) NOT NULL, Note MEMO)",
    "CREATE UNIQUE INDEX TOPIC_ID ON Topic (Topic_Id)",
    "CREATE INDEX NAME ON Topic (UPPER(Name)) FOR Topic_Id > 0",
};

TEST_F(ApiDictionaryPropertiesTest, DatabasePropertiesRoundTrip) {
    const CEHANDLE c = create();
    auto db = [&](uint16_t p) { return read([&](char* b, uint32_t* n) { return CeDDGetDatabaseProperty(c, p, b, n); }); };
    EXPECT_EQ(db(100), ok(base::utf8ToCp1251("Справочник")));
    EXPECT_EQ(db(106), ok(u16(1)));
    EXPECT_EQ(db(102), code(5138));
    EXPECT_EQ(db(105), code(5138));
    EXPECT_EQ(db(200), code(5018));
    ASSERT_EQ(CeDDSetDatabaseProperty(c, 102, "data\\tables", 12), 0u);
    EXPECT_EQ(db(102), ok("data\\tables"));
    const uint16_t on = 7;
    ASSERT_EQ(CeDDSetDatabaseProperty(c, 105, &on, 2), 0u);
    EXPECT_EQ(db(105), ok(u16(1)));
    EXPECT_EQ(CeDDSetDatabaseProperty(c, 105, &on, 1), 5018u);
    ASSERT_EQ(CeDDSetDatabaseProperty(c, 102, "", 0), 0u);
    EXPECT_EQ(db(102), code(5138));
}

TEST_F(ApiDictionaryPropertiesTest, TableDefaultIndexIsUnsetUntilGiven) {
    const CEHANDLE c = create({kSchema[0], kSchema[1], kSchema[2]});
    auto table = [&](uint16_t p) {
        return read([&](char* b, uint32_t* n) { return CeDDGetTableProperty(c, "topic", p, b, n); });
    };
    EXPECT_EQ(table(213), code(5138));
    EXPECT_EQ(CeDDSetTableProperty(c, "Topic", 213, "NOSUCH", 7, 0, ""), 5004u);
    ASSERT_EQ(CeDDSetTableProperty(c, "Topic", 213, "NAME", 5, 0, ""), 0u);
    EXPECT_EQ(table(213), ok("NAME"));
    EXPECT_EQ(table(202), ok(u32(3)));
    EXPECT_EQ(table(203), ok(u32(1)));
    EXPECT_EQ(CeDDSetTableProperty(c, "Topic", 202, "\1\0\0\0", 4, 0, ""), 5018u);
    EXPECT_EQ(CeDDSetTableProperty(c, "Topic", 203, "\3\0\0\0", 4, 0, ""), 5018u);
    const std::string comment = base::utf8ToCp1251("Рубрики");
    ASSERT_EQ(CeDDSetTableProperty(c, "Topic", 200, comment.c_str(), 8, 0, ""), 0u);
    EXPECT_EQ(table(200), ok(comment));
    EXPECT_EQ(table(212), code(5138));
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetTableProperty(c, "Nosuch", 200, b, n); }), code(5132));
}

TEST_F(ApiDictionaryPropertiesTest, ShortBufferGetsTheRequiredSize) {
    const CEHANDLE c = create({kSchema[0]});
    ASSERT_EQ(CeDDSetTableProperty(c, "Topic", 200, "Rubrics", 7, 0, ""), 0u);
    char buffer[4];
    uint32_t length = sizeof buffer;
    EXPECT_EQ(CeDDGetTableProperty(c, "Topic", 200, buffer, &length), 5005u);
    EXPECT_EQ(length, 8u);
    length = 0;
    EXPECT_EQ(CeDDGetTableProperty(c, "Topic", 202, nullptr, &length), 5005u);
    EXPECT_EQ(length, 4u);
}

TEST_F(ApiDictionaryPropertiesTest, FieldPropertiesRoundTrip) {
    const CEHANDLE c = create({kSchema[0]});
    auto field = [&](const char* name, uint16_t p) {
        return read([&](char* b, uint32_t* n) { return CeDDGetFieldProperty(c, "Topic", name, p, b, n); });
    };
    EXPECT_EQ(field("NAME", 302), ok(u16(0)));
    EXPECT_EQ(field("Note", 302), ok(u16(1)));
    EXPECT_EQ(field("Name", 300), code(5138));
    ASSERT_EQ(CeDDSetFieldProperty(c, "Topic", "name", 300, "rubric name", 12, 0, ""), 0u);
    ASSERT_EQ(CeDDSetFieldProperty(c, "Topic", "name", 301, "?", 2, 0, ""), 0u);
    EXPECT_EQ(field("Name", 300), ok("rubric name"));
    EXPECT_EQ(field("Name", 301), ok("?"));
    EXPECT_EQ(field("Topic_Id", 300), code(5138));
    EXPECT_EQ(field("Nosuch", 300), code(5147));
    EXPECT_EQ(CeDDSetFieldProperty(c, "Topic", "Name", 400, "x", 2, 0, ""), 5018u);
}

TEST_F(ApiDictionaryPropertiesTest, IndexPropertiesDescribeTheTag) {
    const CEHANDLE c = create({kSchema[0], kSchema[1], kSchema[2],
                               "CREATE INDEX NOTE_ID ON Topic (Topic_Id) DESC IN FILE 'topic2.vdi'"});
    ASSERT_EQ(CeDDAddIndexFile(c, "Topic", "topic2.vdi", "second file"), 0u);
    auto index = [&](const char* tag, uint16_t p) {
        return read([&](char* b, uint32_t* n) { return CeDDGetIndexProperty(c, "Topic", tag, p, b, n); });
    };
    EXPECT_EQ(index("name", 400), ok("Topic.vdi"));
    EXPECT_EQ(index("NAME", 401), ok("UPPER(Name)"));
    EXPECT_EQ(index("NAME", 402), ok("Topic_Id > 0"));
    EXPECT_EQ(index("NAME", 403), ok(u32(8)));
    EXPECT_EQ(index("NAME", 404), ok(u32(45)));
    EXPECT_EQ(index("TOPIC_ID", 403), ok(u32(1)));
    EXPECT_EQ(index("TOPIC_ID", 402), code(5138));
    EXPECT_EQ(index("NOTE_ID", 400), ok("topic2.vdi"));
    EXPECT_EQ(index("NOTE_ID", 403), ok(u32(2)));
    EXPECT_EQ(index("NOSUCH", 400), code(5004));
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetIndexFileProperty(c, "Topic", "TOPIC2.VDI", 450, b, n); }),
              ok("second file"));
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetIndexFileProperty(c, "Topic", "topic2.vdi", 451, b, n); }),
              ok("NOTE_ID"));
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetTableProperty(c, "Topic", 212, b, n); }),
              ok("topic2.vdi"));
}

TEST_F(ApiDictionaryPropertiesTest, UserPasswordCanBeSetButNotRead) {
    const CEHANDLE c = create();
    ASSERT_EQ(CeDDCreateUserGroup(c, "Readers", "read only"), 0u);
    ASSERT_EQ(CeDDCreateUserGroup(c, "Writers", ""), 0u);
    ASSERT_EQ(CeDDCreateUser(c, "Readers", "USER", "old", "the program"), 0u);
    ASSERT_EQ(CeDDAddUserToGroup(c, "Writers", "USER"), 0u);
    auto user = [&](uint16_t p) { return read([&](char* b, uint32_t* n) { return CeDDGetUserProperty(c, "user", p, b, n); }); };
    EXPECT_EQ(user(800), ok("the program"));
    EXPECT_EQ(user(801), code(5018));
    EXPECT_EQ(user(802), ok("Readers;Writers"));
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetUserGroupProperty(c, "READERS", 901, b, n); }), ok("USER"));
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetUserGroupProperty(c, "Readers", 900, b, n); }),
              ok("read only"));
    ASSERT_EQ(CeDDSetUserGroupProperty(c, "Readers", 900, "", 0), 0u);
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetUserGroupProperty(c, "Readers", 900, b, n); }),
              code(5138));
    EXPECT_EQ(CeDDSetUserGroupProperty(c, "Readers", 901, "X", 2), 5018u);

    ASSERT_EQ(CeDDSetUserProperty(c, "USER", 801, "new", 4), 0u);
    CEHANDLE login = 0;
    EXPECT_EQ(CeConnect60(path("props.vdd").c_str(), 1, "USER", "old", 0, &login), 5120u);
    ASSERT_EQ(CeConnect60(path("props.vdd").c_str(), 1, "USER", "new", 0, &login), 0u);
    connections_.push_back(login);
    EXPECT_EQ(CeDDSetUserProperty(login, "USER", 801, "mine", 5), 5135u);
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetUserProperty(login, "USER", 800, b, n); }),
              ok("the program"));
}

TEST_F(ApiDictionaryPropertiesTest, ProceduresAndUnknownObjectsAreNotFound) {
    const CEHANDLE c = create();
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetProcedureProperty(c, "Proc", 600, b, n); }), code(5133));
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetViewProperty(c, "View", 500, b, n); }), code(5133));
    EXPECT_EQ(read([&](char* b, uint32_t* n) { return CeDDGetViewProperty(c, "View", 600, b, n); }), code(5018));
}

} // namespace
