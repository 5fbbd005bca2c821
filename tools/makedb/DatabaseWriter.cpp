// The dictionary is built under a temporary name and renamed at the end, so an interrupted or
// failed build never leaves a half-written database where the program looks for it.
#include "makedb/DatabaseWriter.h"

#include "citycategories/CityCategory.h"
#include "engine/CeEngine.h"

#include "base/CodePage.h"

#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace makedb {
namespace {

const char* const kSchema[] = {
    "CREATE TABLE city (City_Id AUTOINC, Name CHAR(40), citymap BINARY)",
    "CREATE TABLE Category (Cat_Id AUTOINC, Name CHAR(40), PenWidth INTEGER, PenColor INTEGER, PenStyle INTEGER, BrushColor INTEGER, BrushStyle INTEGER, Layer SHORTINT, Sound BINARY, Texture BINARY)",
    "CREATE UNIQUE INDEX CAT_ID ON Category (Cat_Id)",
    "CREATE INDEX NAME ON Category (Name)",
    "CREATE TABLE Street (Street_Id AUTOINC, Name CHAR(30))",
    "CREATE UNIQUE INDEX STREET_ID ON Street (Street_Id)",
    "CREATE INDEX NAME ON Street (Name)",
    "CREATE TABLE Topic (Topic_Id AUTOINC, Name CHAR(45))",
    "CREATE UNIQUE INDEX TOPIC_ID ON Topic (Topic_Id)",
    "CREATE INDEX NAME ON Topic (Name)",
    "CREATE TABLE Office (Office_Id INTEGER, Name CHAR(80), Flags INTEGER, inetref CHAR(120))",
    "CREATE UNIQUE INDEX OFFICE_ID ON Office (Office_Id)",
    "CREATE INDEX NAME ON Office (UPPER(Name))",
    "CREATE TABLE OfficeTopics (Office_Id INTEGER, Topic_Id INTEGER)",
    "CREATE INDEX OFFICE_ID ON OfficeTopics (Office_Id)",
    "CREATE INDEX TOPIC_ID ON OfficeTopics (Topic_Id)",
    "CREATE TABLE Branch (Office_Id INTEGER, Street CHAR(30), House CHAR(10), Apartment CHAR(10), Contact CHAR(60))",
    "CREATE INDEX OFFICE_ID ON Branch (Office_Id)",
    "CREATE INDEX ADDRESS ON Branch (UPPER(Street), UPPER(House))",
    "CREATE TABLE mapOffices (Map_Id INTEGER, Office_Id INTEGER, ApartNo CHAR(10), Id AUTOINC)",
    "CREATE INDEX MAP_ID ON mapOffices (Map_Id)",
};

// The default index each table opens with when the caller names none.
const char* const kDefaultIndexes[][2] = {{"Category", "CAT_ID"}, {"Street", "NAME"}, {"Topic", "NAME"}};

[[noreturn]] void fail(const std::string& what) {
    uint32_t code = 0;
    char text[600] = {};
    uint32_t length = sizeof text;
    (void)CeGetLastError(&code, text, &length);
    throw std::runtime_error(what + ": engine error " + std::to_string(code) + ": " + std::string(text, length));
}

void check(CERESULT result, const std::string& what) {
    if (result != 0)
        fail(what);
}

// One parameterised statement, prepared once and run for every row.
class Insert {
public:
    Insert(CEHANDLE connection, const char* sql) : sql_(sql) {
        check(CeCreateSQLStatement(connection, &statement_), "creating a statement");
        check(CePrepareSQL(statement_, sql), sql_);
    }
    ~Insert() { (void)CeCloseSQLStatement(statement_); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    Insert& text(uint16_t marker, const std::string& cp1251) {
        const CERESULT r = cp1251.empty() ? CeSetEmpty(statement_, CE_FIELDNO(marker))
                                          : CeSetString(statement_, CE_FIELDNO(marker), cp1251.c_str(),
                                                        static_cast<uint32_t>(cp1251.size()));
        check(r, sql_);
        return *this;
    }
    Insert& number(uint16_t marker, int64_t value) {
        check(CeSetDouble(statement_, CE_FIELDNO(marker), static_cast<double>(value)), sql_);
        return *this;
    }
    Insert& bytes(uint16_t marker, const std::string& data) {
        const auto size = static_cast<uint32_t>(data.size());
        check(CeSetBinary(statement_, CE_FIELDNO(marker), 6, size, 0, data.data(), size), sql_);
        return *this;
    }
    void run() { check(CeExecuteSQL(statement_, nullptr), sql_); }

private:
    std::string sql_;
    CEHANDLE statement_ = 0;
};

void runDdl(CEHANDLE connection, const char* sql) {
    CEHANDLE statement = 0;
    check(CeCreateSQLStatement(connection, &statement), "creating a statement");
    const CERESULT result = CeExecuteSQLDirect(statement, sql, nullptr);
    (void)CeCloseSQLStatement(statement);
    check(result, sql);
}

void writeLogins(CEHANDLE connection) {
    check(CeDDCreateUser(connection, "", DatabaseWriter::kUser, DatabaseWriter::kPassword,
                         base::utf8ToCp1251("Программа ВалдренИнфо").c_str()),
          "creating the user");
    const std::string admin = DatabaseWriter::kAdminPassword;
    check(CeDDSetUserProperty(connection, "ADMIN", 801, admin.c_str(), static_cast<uint32_t>(admin.size() + 1)),
          "setting the administrator's password");
    const uint16_t required = 1;
    check(CeDDSetDatabaseProperty(connection, 104, &required, sizeof required), "asking for log-ins");
}

void writeRows(CEHANDLE connection, const std::string& mapStream, const DirectoryPlan& plan) {
    Insert city(connection, "INSERT INTO city (Name, citymap) VALUES (:Name, :Map)");
    city.text(1, base::utf8ToCp1251("Валдрен")).bytes(2, mapStream).run();

    Insert category(connection, "INSERT INTO Category (Cat_Id, Name, PenWidth, PenColor, PenStyle, BrushColor,"
                                " BrushStyle, Layer) VALUES (:Id, :Name, :PenWidth, :PenColor, :PenStyle,"
                                " :BrushColor, :BrushStyle, :Layer)");
    for (const city::CityCategory& c : city::cityCategories()) {
        // Record number 0 means "no record" to the engine, so the undetermined category 0 stays
        // out; the program looks up only the categories of objects it explains (never 0).
        if (c.id == city::cat::Undetermined)
            continue;
        category.number(1, c.id)
            .text(2, base::utf8ToCp1251(c.name))
            .number(3, c.penWidth)
            .number(4, c.penColor)
            .number(5, static_cast<int64_t>(c.penStyle))
            .number(6, c.brushColor)
            .number(7, static_cast<int64_t>(c.brushStyle))
            .number(8, c.layer)
            .run();
    }

    Insert street(connection, "INSERT INTO Street (Name) VALUES (:Name)");
    for (const std::string& name : plan.streets)
        street.text(1, name).run();
    Insert topic(connection, "INSERT INTO Topic (Name) VALUES (:Name)");
    for (const std::string& name : plan.rubrics)
        topic.text(1, name).run();

    Insert office(connection, "INSERT INTO Office (Office_Id, Name, Flags, inetref) VALUES (:Id, :Name, :Flags, :Inet)");
    Insert officeTopic(connection, "INSERT INTO OfficeTopics (Office_Id, Topic_Id) VALUES (:Office, :Topic)");
    Insert branch(connection, "INSERT INTO Branch (Office_Id, Street, House, Apartment, Contact)"
                              " VALUES (:Office, :Street, :House, :Apartment, :Contact)");
    Insert mapOffice(connection, "INSERT INTO mapOffices (Map_Id, Office_Id, ApartNo) VALUES (:Map, :Office, :Apart)");
    for (const Firm& firm : plan.firms) {
        office.number(1, firm.id).text(2, firm.name).number(3, firm.flags).text(4, firm.inetref).run();
        for (const int32_t t : firm.topics)
            officeTopic.number(1, firm.id).number(2, t).run();
        for (const Branch& b : firm.branches) {
            branch.number(1, firm.id).text(2, b.street).text(3, b.house).text(4, b.apartment).text(5, b.contact).run();
            if (b.mapObject != 0)
                mapOffice.number(1, b.mapObject).number(2, firm.id).text(3, b.apartment).run();
        }
    }
}

void build(const std::string& path, const std::string& mapStream, const DirectoryPlan& plan) {
    CEHANDLE connection = 0;
    check(CeDDCreate(path.c_str(), 2, base::utf8ToCp1251("Справочник города Валдрен").c_str(), &connection),
          "creating " + path);
    try {
        for (const char* sql : kSchema)
            runDdl(connection, sql);
        for (const auto& [table, index] : kDefaultIndexes)
            check(CeDDSetTableProperty(connection, table, 213, index, static_cast<uint32_t>(std::strlen(index) + 1), 0,
                                       ""),
                  std::string("default index of ") + table);
        writeLogins(connection);
        check(CeBeginTransaction(connection), "beginning the transaction");
        writeRows(connection, mapStream, plan);
        check(CeCommitTransaction(connection), "committing");
    } catch (...) {
        (void)CeDisconnect(connection);
        throw;
    }
    check(CeDisconnect(connection), "closing " + path);
}

} // namespace

bool DatabaseWriter::write(const std::string& path, const std::string& mapStream, const DirectoryPlan& plan,
                           std::string& error) {
    const std::string temporary = path + ".building.vdd";
    std::error_code ec;
    std::filesystem::remove(temporary, ec);
    try {
        build(temporary, mapStream, plan);
    } catch (const std::exception& e) {
        error = e.what();
        std::filesystem::remove(temporary, ec);
        return false;
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = "cannot rename " + temporary + " to " + path + ": " + ec.message();
        return false;
    }
    return true;
}

} // namespace makedb
