// Ce* entry points that open and describe tables and enumerate free tables.
#include "engine/CeEngine.h"

#include "engine/EngineCall.h"
#include "engine/FindHandle.h"
#include "engine/PathResolver.h"
#include "engine/StatementHandle.h"
#include "engine/ViewCursor.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

using namespace ce;

namespace {

namespace fs = std::filesystem;

bool fileExists(const std::string& native) {
    std::error_code ec;
    return fs::is_regular_file(native, ec);
}

// A free table's file: the name as given (relative to the current directory), else relative to
// the connection's directory.
std::string freeTablePath(const Connection& connection, std::string_view name, uint16_t tableType) {
    const std::string file = tableFileName(name, tableType);
    const std::string direct = resolvePath(file);
    const bool relative = !file.empty() && file[0] != '/' && file[0] != '\\';
    if (fileExists(direct) || !relative)
        return direct;
    return resolvePath(base::utf8ToCp1251(connection.directory()) + "/" + file);
}

Status openImage(const Connection& connection, const char* name, uint16_t tableType, std::shared_ptr<TableImage>& image) {
    if (connection.isDictionary() && tableType == 0)
        return TableImage::open(connection.dictionary(), name, image);
    std::shared_ptr<Database> db;
    CE_TRY(Database::open(freeTablePath(connection, name, tableType == 0 ? 3 : tableType), Database::Kind::FreeTable, db));
    std::vector<std::string> tables;
    CE_TRY(db->tableNames(tables));
    if (tables.size() != 1)
        return Status(kFileDamaged, "File damaged or not a database of this engine: " + db->path());
    return TableImage::open(db, tables[0], image);
}

// Order handles for every order of a file, owned by the table handle.
void addOrders(uint32_t table, TableCursor& cursor, IndexFile& file) {
    for (const auto& order : file.orders)
        cursor.orders().push_back(handles().add(std::make_unique<OrderHandle>(table, &file, order.get())));
}

Status openTable(CEHANDLE connectionHandle, const char* name, uint16_t tableType, uint16_t charType, uint32_t options,
                 CEHANDLE* out) {
    Connection* connection = nullptr;
    CE_TRY(connectionOf(connectionHandle, connection));
    if (!name || !*name || !out || tableType > 3 || charType > 2)
        return Status(kInvalidArgument, "Invalid table name, type or option");
    std::shared_ptr<TableImage> image;
    const Status opened = openImage(*connection, name, tableType, image);
    if (opened.code() == kTableNotInDictionary && tableType == 0)
        return openViewCursor(connectionHandle, *connection, name, charType, *out);
    CE_TRY(opened);
    if (image->database().readOnly())
        options |= OpenOptions::kReadOnly;
    const uint32_t handle = handles().add(std::make_unique<TableCursor>(connectionHandle, image, charType == 2 ? 2 : 1, options));
    TableCursor* cursor = handles().get<TableCursor>(handle);
    Status status = cursor->attach(handle);
    // The structural file, then the index files the table opens with.
    std::vector<IndexFile*> files{image->indexFiles().front().get()};
    const std::string directory = image->database().path().substr(0, image->database().path().find_last_of('/'));
    for (size_t i = 0; status.ok() && i < image->schema().indexFiles.size(); ++i) {
        IndexFile* file = nullptr;
        status = image->openIndexFile(resolvePath(base::utf8ToCp1251(directory) + "/" + image->schema().indexFiles[i]), file);
        files.push_back(file);
    }
    if (!status.ok()) {
        handles().remove(handle);
        return status;
    }
    for (IndexFile* file : files)
        addOrders(handle, *cursor, *file);
    cursor->gotoTop(nullptr);
    *out = handle;
    return {};
}

template <class Out, class Get>
CERESULT describeField(CEHANDLE table, CEFIELD field, Out* out, Get get) {
    return engineCall([&]() -> Status {
        TableCursor* cursor = nullptr;
        CE_TRY(tableOf(table, cursor));
        int index = 0;
        CE_TRY(fieldOf(*cursor, field, index));
        if (!out)
            return nullArgument();
        *out = static_cast<Out>(get(cursor->layout().fields()[static_cast<size_t>(index)]));
        return {};
    });
}

template <class Out, class Get>
CERESULT describeTable(CEHANDLE table, Out* out, Get get) {
    return engineCall([&]() -> Status {
        TableCursor* cursor = nullptr;
        CE_TRY(tableOf(table, cursor));
        if (!out)
            return nullArgument();
        *out = static_cast<Out>(get(*cursor));
        return {};
    });
}

bool matchesMask(std::string_view name, std::string_view mask) {
    if (mask.empty())
        return name.empty();
    if (mask[0] == '*') {
        for (size_t i = 0; i <= name.size(); ++i)
            if (matchesMask(name.substr(i), mask.substr(1)))
                return true;
        return false;
    }
    if (name.empty())
        return false;
    const bool same = mask[0] == '?' || base::upperCp1251(name.substr(0, 1)) == base::upperCp1251(mask.substr(0, 1));
    return same && matchesMask(name.substr(1), mask.substr(1));
}

Status tableList(const Connection& connection, const char* mask, std::vector<std::string>& names) {
    const std::string given = mask ? mask : "";
    if (connection.isDictionary() && given.empty())
        return connection.dictionary()->tableNames(names);
    std::string pattern = given.empty() ? "*.vdt" : given;
    std::string directory = connection.directory();
    const size_t slash = pattern.find_last_of("\\/");
    if (slash != std::string::npos) {
        const std::string dir = pattern.substr(0, slash);
        const bool relative = dir.empty() || (dir[0] != '/' && dir[0] != '\\');
        directory = resolvePath(relative ? base::utf8ToCp1251(connection.directory()) + "/" + dir : dir);
        pattern = pattern.substr(slash + 1);
    }
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = base::utf8ToCp1251(it->path().filename().string());
        if (it->is_regular_file(ec) && matchesMask(name, pattern))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return {};
}

Status noMoreTables() { return Status(kNoMoreTables); }

} // namespace

CERESULT CeOpenTable(CEHANDLE connection, const char* name, const char*, uint16_t tableType, uint16_t charType,
                     uint16_t, uint16_t, uint32_t options, CEHANDLE* table) {
    return engineCall([&] { return openTable(connection, name, tableType, charType, options, table); });
}

CERESULT CeCloseTable(CEHANDLE table) {
    return engineCall([&]() -> Status {
        TableCursor* cursor = nullptr;
        CE_TRY(tableOf(table, cursor));
        handles().remove(table);
        return {};
    });
}

CERESULT CeGetTableType(CEHANDLE table, uint16_t* type) {
    return describeTable(table, type, [](const TableCursor& c) { return c.image().schema().tableType; });
}

CERESULT CeGetTableOpenOptions(CEHANDLE table, uint32_t* options) {
    return describeTable(table, options, [](const TableCursor& c) {
        return c.openOptions() | (c.readOnly() ? OpenOptions::kReadOnly : 0);
    });
}

CERESULT CeGetRecordLength(CEHANDLE table, uint32_t* length) {
    return describeTable(table, length, [](const TableCursor& c) { return c.layout().recordLength(); });
}

CERESULT CeGetNumFields(CEHANDLE table, uint16_t* count) {
    return describeTable(table, count, [](const TableCursor& c) { return c.layout().fields().size(); });
}

CERESULT CeGetFieldName(CEHANDLE table, uint16_t number, char* buffer, uint32_t* length) {
    return engineCall([&]() -> Status {
        TableCursor* cursor = nullptr;
        CE_TRY(tableOf(table, cursor));
        int index = 0;
        CE_TRY(fieldOf(*cursor, CE_FIELDNO(number), index));
        return copyText(cursor->layout().fields()[static_cast<size_t>(index)].name, buffer, length);
    });
}

CERESULT CeGetFieldType(CEHANDLE table, CEFIELD field, uint16_t* type) {
    return describeField(table, field, type, [](const FieldDef& f) { return f.type; });
}

CERESULT CeGetFieldLength(CEHANDLE table, CEFIELD field, uint32_t* length) {
    return describeField(table, field, length, [](const FieldDef& f) { return f.length; });
}

CERESULT CeGetFieldDecimals(CEHANDLE table, CEFIELD field, uint16_t* decimals) {
    return describeField(table, field, decimals, [](const FieldDef& f) { return f.decimals; });
}

CERESULT CeGetFieldOffset(CEHANDLE table, CEFIELD field, uint32_t* offset) {
    return describeField(table, field, offset, [](const FieldDef& f) { return f.offset; });
}

CERESULT CeGetLastAutoinc(CEHANDLE handle, uint32_t* value) {
    return engineCall([&]() -> Status {
        if (!value)
            return nullArgument();
        if (const StatementHandle* statement = handles().get<StatementHandle>(handle)) {
            *value = statement->lastAutoinc();
            return {};
        }
        TableCursor* cursor = nullptr;
        CE_TRY(tableOf(handle, cursor));
        *value = cursor->lastAutoinc();
        return {};
    });
}

CERESULT CeFindFirstTable(CEHANDLE connection, const char* mask, char* buffer, uint32_t* length, CEHANDLE* find) {
    return engineCall([&]() -> Status {
        Connection* c = nullptr;
        CE_TRY(connectionOf(connection, c));
        if (!find)
            return nullArgument();
        std::vector<std::string> names;
        CE_TRY(tableList(*c, mask, names));
        if (names.empty())
            return noMoreTables();
        CE_TRY(copyText(names[0], buffer, length));
        names.erase(names.begin());
        *find = handles().add(std::make_unique<FindHandle>(connection, std::move(names)));
        return {};
    });
}

CERESULT CeFindNextTable(CEHANDLE connection, CEHANDLE find, char* buffer, uint32_t* length) {
    return engineCall([&]() -> Status {
        FindHandle* f = handles().get<FindHandle>(find);
        if (!f || f->owner() != connection)
            return invalidHandle(find);
        const std::string* name = f->peek();
        if (!name)
            return noMoreTables();
        CE_TRY(copyText(*name, buffer, length));
        f->advance();
        return {};
    });
}

CERESULT CeFindClose(CEHANDLE connection, CEHANDLE find) {
    return engineCall([&]() -> Status {
        FindHandle* f = handles().get<FindHandle>(find);
        if (!f || f->owner() != connection)
            return invalidHandle(find);
        handles().remove(find);
        return {};
    });
}
