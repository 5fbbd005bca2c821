// Ce* entry points of SQL statements and their parameters. The binders serve statements (by
// marker) and table handles (a field of the pending record) alike.
#include "engine/CeEngine.h"

#include "engine/EngineCall.h"
#include "engine/JulianDate.h"
#include "engine/ParamScanner.h"
#include "engine/SqlSession.h"
#include "engine/StatementHandle.h"

#include "base/CodePage.h"

#include <cstring>

using namespace ce;

namespace {

Status statementOf(CEHANDLE handle, StatementHandle*& statement) {
    statement = handles().get<StatementHandle>(handle);
    return statement ? Status() : Status(kStatementInvalid, "Statement handle invalid or closed: " + std::to_string(handle));
}

Status sessionOf(const StatementHandle& statement, SqlSession*& session) {
    Connection* connection = handles().get<Connection>(statement.owner());
    if (!connection)
        return Status(kStatementStale, "Error 7209: the statement's connection is gone; create a new statement");
    return SqlSession::of(*connection, session);
}

template <class Body>
CERESULT withStatement(CEHANDLE handle, Body body) {
    return engineCall([&]() -> Status {
        StatementHandle* statement = nullptr;
        CE_TRY(statementOf(handle, statement));
        return body(*statement);
    });
}

template <class Body>
CERESULT withSession(CEHANDLE handle, Body body) {
    return withStatement(handle, [&](StatementHandle& statement) -> Status {
        SqlSession* session = nullptr;
        CE_TRY(sessionOf(statement, session));
        return body(statement, *session);
    });
}

// A statement option: one of the allowed values, stored.
CERESULT setOption(CEHANDLE handle, uint16_t value, uint16_t low, uint16_t high, uint16_t StatementOptions::*slot) {
    return withStatement(handle, [&](StatementHandle& statement) -> Status {
        if (value < low || value > high)
            return Status(kInvalidArgument, "Invalid statement option value " + std::to_string(value));
        statement.options().*slot = value;
        return {};
    });
}

// A binder: on a statement the markers the field names get value; on a table handle the field
// of the pending record gets what setField makes of it.
template <class SetField>
CERESULT bindOrSet(CEHANDLE handle, CEFIELD field, const BoundValue& value, SetField setField) {
    return engineCall([&]() -> Status {
        if (StatementHandle* statement = handles().get<StatementHandle>(handle)) {
            std::vector<size_t> markers;
            CE_TRY(statement->markersOf(field, markers));
            statement->bind(markers, value);
            return {};
        }
        TableCursor* table = nullptr;
        CE_TRY(tableOf(handle, table));
        int index = 0;
        CE_TRY(fieldOf(*table, field, index));
        return setField(*table, index, table->layout().fields()[static_cast<size_t>(index)]);
    });
}

BoundValue integerValue(int64_t n) {
    BoundValue value;
    value.kind = BoundValue::Kind::Integer;
    value.integer = n;
    return value;
}

} // namespace

CERESULT CeCreateSQLStatement(CEHANDLE connection, CEHANDLE* statement) {
    return engineCall([&]() -> Status {
        Connection* c = nullptr;
        CE_TRY(connectionOf(connection, c));
        if (!statement)
            return nullArgument();
        *statement = handles().add(std::make_unique<StatementHandle>(connection));
        return {};
    });
}

CERESULT CeCloseSQLStatement(CEHANDLE statement) {
    return withStatement(statement, [&](StatementHandle&) {
        handles().remove(statement);
        return Status();
    });
}

CERESULT CePrepareSQL(CEHANDLE statement, const char* sql) {
    return withSession(statement, [&](StatementHandle& s, SqlSession& session) {
        return sql ? s.prepare(session, sql) : nullArgument();
    });
}

CERESULT CeExecuteSQL(CEHANDLE statement, CEHANDLE* cursor) {
    return withSession(statement, [&](StatementHandle& s, SqlSession& session) { return s.execute(session, cursor); });
}

CERESULT CeExecuteSQLDirect(CEHANDLE statement, const char* sql, CEHANDLE* cursor) {
    return withSession(statement, [&](StatementHandle& s, SqlSession& session) -> Status {
        if (!sql)
            return nullArgument();
        CE_TRY(s.prepare(session, sql));
        return s.execute(session, cursor);
    });
}

CERESULT CeGetSQLStmtParams(const char* sql, char* buffer, uint32_t* length) {
    return engineCall([&]() -> Status {
        const ScannedSql scanned = scanParams(sql ? sql : "", MarkerStyle::Plain);
        if (scanned.unterminated)
            return Status(kUnterminatedLiteral, "Unterminated literal, name or comment in SQL text");
        std::string names;
        for (const std::string& name : scanned.names)
            names += (names.empty() ? "" : ";") + name;
        if (!buffer) {
            if (length)
                *length = static_cast<uint32_t>(names.size() + 1);
            return {};
        }
        return copyText(names, buffer, length);
    });
}

CERESULT CeStmtSetTableType(CEHANDLE statement, uint16_t type) {
    return setOption(statement, type, 0, 3, &StatementOptions::tableType);
}

CERESULT CeStmtSetTableReadOnly(CEHANDLE statement, uint16_t readOnly) {
    return setOption(statement, readOnly, 1, 2, &StatementOptions::readOnly);
}

CERESULT CeStmtSetTableLockType(CEHANDLE statement, uint16_t lockType) {
    return setOption(statement, lockType, 0, 1, &StatementOptions::lockType);
}

CERESULT CeStmtSetTableCharType(CEHANDLE statement, uint16_t charType) {
    return setOption(statement, charType, 1, 2, &StatementOptions::charType);
}

CERESULT CeStmtSetTableRights(CEHANDLE statement, uint16_t rights) {
    return setOption(statement, rights, 1, 2, &StatementOptions::rights);
}

CERESULT CeStmtConstrainUpdates(CEHANDLE statement, uint16_t constrain) {
    return setOption(statement, constrain, 1, 2, &StatementOptions::constrain);
}

CERESULT CeStmtReadAllColumns(CEHANDLE statement, uint16_t readAll) {
    return setOption(statement, readAll, 1, 2, &StatementOptions::readAllColumns);
}

CERESULT CeSetString(CEHANDLE handle, CEFIELD field, const char* text, uint32_t length) {
    if (!text && length > 0)
        return engineCall([] { return nullArgument(); });
    const std::string_view given(text ? text : "", length);
    BoundValue value;
    value.kind = BoundValue::Kind::Text;
    value.bytes = base::cp1251ToUtf8(given.substr(0, given.find('\0')));
    return bindOrSet(handle, field, value, [&](TableCursor& table, int index, const FieldDef& def) {
        return writeFieldText(table, index, def, text, length);
    });
}

CERESULT CeSetDouble(CEHANDLE handle, CEFIELD field, double number) {
    BoundValue value;
    value.kind = BoundValue::Kind::Real;
    value.real = number;
    return bindOrSet(handle, field, value, [&](TableCursor& table, int index, const FieldDef&) {
        return table.setFieldValue(index, Value::makeNumber(number));
    });
}

CERESULT CeSetLogical(CEHANDLE handle, CEFIELD field, uint16_t logical) {
    return bindOrSet(handle, field, integerValue(logical != 0), [&](TableCursor& table, int index, const FieldDef&) {
        return table.setFieldValue(index, Value::makeLogical(logical != 0));
    });
}

CERESULT CeSetJulian(CEHANDLE handle, CEFIELD field, int32_t julian) {
    return bindOrSet(handle, field, integerValue(julian), [&](TableCursor& table, int index, const FieldDef&) {
        return table.setFieldValue(index, Value::makeDate(julian));
    });
}

CERESULT CeSetMilliseconds(CEHANDLE handle, CEFIELD field, int32_t milliseconds) {
    return bindOrSet(handle, field, integerValue(milliseconds), [&](TableCursor& table, int index, const FieldDef&) {
        return table.setFieldValue(index, Value::makeNumber(milliseconds));
    });
}

CERESULT CeSetTimeStampRaw(CEHANDLE handle, CEFIELD field, const void* buffer, uint32_t length) {
    if (!buffer || length != 8)
        return engineCall([] { return Status(kInvalidArgument, "A raw timestamp is 8 bytes: Julian day, milliseconds"); });
    int32_t parts[2];
    std::memcpy(parts, buffer, sizeof parts);
    const int64_t ms = static_cast<int64_t>(parts[0]) * kMillisecondsPerDay + parts[1];
    return bindOrSet(handle, field, integerValue(ms), [&](TableCursor& table, int index, const FieldDef&) {
        return table.setFieldValue(index, Value::makeTimestamp(ms));
    });
}

CERESULT CeSetBinary(CEHANDLE handle, CEFIELD field, uint16_t kind, uint32_t total, uint32_t offset,
                     const void* buffer, uint32_t length) {
    return engineCall([&]() -> Status {
        if (kind != 6 || (!buffer && length > 0) || static_cast<uint64_t>(offset) + length > total)
            return Status(kInvalidArgument, "Invalid binary value: kind 6, offset + length within total");
        const auto* bytes = static_cast<const char*>(buffer);
        if (StatementHandle* statement = handles().get<StatementHandle>(handle)) {
            std::vector<size_t> markers;
            CE_TRY(statement->markersOf(field, markers));
            // A value may come in pieces: offset 0 starts it, later pieces fill it in.
            for (size_t marker : markers) {
                BoundValue& value = *statement->markerValue(marker);
                if (offset == 0 || value.kind != BoundValue::Kind::Blob) {
                    value = BoundValue{};
                    value.kind = BoundValue::Kind::Blob;
                }
                value.bytes.resize(total);
                if (length > 0)
                    std::memcpy(value.bytes.data() + offset, bytes, length);
            }
            return {};
        }
        TableCursor* table = nullptr;
        CE_TRY(tableOf(handle, table));
        int index = 0;
        CE_TRY(fieldOf(*table, field, index));
        const FieldDef& def = table->layout().fields()[static_cast<size_t>(index)];
        if (offset != 0 || length != total)
            return Status(kInvalidArgument, "A table field takes a binary value whole");
        if (isBlobType(def.type))
            return table->setBlob(index, std::string(bytes ? bytes : "", length));
        if (def.type == kRaw)
            return table->setFieldRaw(index, reinterpret_cast<const unsigned char*>(bytes), length);
        return Status(kInvalidColumnValue, "Value not valid for column \"" + def.name + "\"");
    });
}

CERESULT CeSetEmpty(CEHANDLE handle, CEFIELD field) {
    return bindOrSet(handle, field, BoundValue{}, [&](TableCursor& table, int index, const FieldDef& def) {
        return isBlobType(def.type) ? table.setBlob(index, {}) : table.setFieldValue(index, Value{});
    });
}
