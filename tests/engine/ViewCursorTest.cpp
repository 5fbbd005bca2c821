// A dictionary view opens as a table: a static, read-only cursor whose fields keep the types of
// the table fields they come from.
#include "SqlTestSupport.h"

namespace {

class ViewCursorTest : public SqlFixture {};

TEST_F(ViewCursorTest, ViewOpensAsAStaticCursor) {
    const CEHANDLE c = dictionary({"CREATE TABLE FIRMS (ID AUTOINC, NAME CHAR(20), PRICE DOUBLE)"});
    const CEHANDLE s = statement(c);
    direct(s, "INSERT INTO FIRMS (NAME, PRICE) VALUES ('Юг', 5), ('Аист', 1), ('Бор', 9)");
    CEHANDLE admin = 0;
    ASSERT_EQ(CeConnect60(path("test.vdd").c_str(), 1, "ADMIN", "", 0, &admin), 0u);
    connections_.push_back(admin);
    ASSERT_EQ(CeDDAddView(admin, "CHEAP", "", "SELECT NAME, PRICE FROM FIRMS WHERE PRICE < 6 ORDER BY NAME"), 0u) << lastText();
    CEHANDLE view = 0;
    ASSERT_EQ(CeOpenTable(c, "cheap", nullptr, 0, 1, 0, 2, 0, &view), 0u) << lastText();
    EXPECT_EQ(got<uint16_t>(CeGetHandleType, view), 5);
    EXPECT_EQ(got<uint16_t>(CeGetFieldType, view, "PRICE"), 10);
    EXPECT_EQ(got<uint32_t>(CeGetFieldLength, view, "NAME"), 20u);
    EXPECT_EQ(CeDeleteRecord(view), 5064u);
    EXPECT_EQ(column(view, "NAME"), (std::vector<std::string>{"Аист", "Юг"}));
    CEHANDLE none = 0;
    EXPECT_EQ(CeOpenTable(c, "NOSUCH", nullptr, 0, 1, 0, 2, 0, &none), 5132u);
    EXPECT_EQ(CeCloseSQLStatement(s), 0u);
}

} // namespace
