// The client engine's C interface: the Ce* functions the database components call. Every function
// returns 0 for success or an engine result code (engine/ResultCode.h); a failure also becomes the
// calling thread's last error (CeGetLastError). Handles are 32-bit numbers, never 0 or 0xFFFFFFFF.
//
// Text arguments are zero-terminated CP1251 strings. Text results go to a caller buffer whose
// capacity is passed by reference: on success it is rewritten with the characters written without
// the terminating zero; when the buffer is too small the result is 5005 and the length is the
// required capacity including the zero (a nil buffer with length 0 asks for the size).
//
// Field arguments (CEFIELD) are 1-based field numbers made with CE_FIELDNO(n), or field names.
// Options are values: 1 on / 2 off; scope 1 top / 2 bottom; key type 1 raw / 2 string; seek 1
// nearest / 2 exact; record count 1 visible, 2 all, 3 within scopes (+4 uncached); table types 1
// NTX, 2 CDX, 3 VDT (0: as the dictionary says); char types 1 ANSI / 2 OEM; open options value 1
// exclusive, value 2 read-only.
//
// Tables and indexes are created with SQL DDL run through the engine; the type names are:
// LOGICAL, NUMERIC(p,s), DATE, CHAR(n), MEMO, BINARY, IMAGE, VARCHAR(n), COMPACTDATE, DOUBLE,
// INTEGER, SHORTINT, TIME, TIMESTAMP, AUTOINC, RAW(n), CURDOUBLE (engine types 1 to 17 in this
// order: CHAR is the string type 4). See engine/Ddl.h.
#pragma once

#include <cstdint>

typedef uint32_t CEHANDLE;
typedef uint32_t CERESULT;
typedef const char* CEFIELD;

#define CE_FIELDNO(n) ((CEFIELD)(uintptr_t)(n))
#define CE_API extern "C" [[nodiscard]]

// Connection, errors, version.
CE_API CERESULT CeConnect(const char* path, CEHANDLE* connection);
CE_API CERESULT CeConnect60(const char* path, uint16_t serverMask, const char* user, const char* password,
                            uint32_t options, CEHANDLE* connection);
CE_API CERESULT CeDisconnect(CEHANDLE connection);
CE_API CERESULT CeGetConnectionType(CEHANDLE connection, uint16_t* type);
CE_API CERESULT CeGetServerName(CEHANDLE connection, char* buffer, uint32_t* length);
CE_API CERESULT CeGetHandleType(CEHANDLE handle, uint16_t* type);
CE_API CERESULT CeGetLastError(uint32_t* code, char* buffer, uint32_t* length);
CE_API CERESULT CeGetErrorString(uint32_t code, char* buffer, uint32_t* length);
CE_API CERESULT CeShowError(const char* title);
CE_API CERESULT CeGetVersion(uint32_t* major, uint32_t* minor, char* letter, char* description, uint32_t* length);

// Process-wide settings.
CE_API CERESULT CeSetServerType(uint16_t mask);
CE_API CERESULT CeSetDateFormat(const char* format);
CE_API CERESULT CeSetDecimals(uint16_t decimals);
CE_API CERESULT CeGetDecimals(uint16_t* decimals);
CE_API CERESULT CeShowDeleted(uint16_t show);
CE_API CERESULT CeGetDeleted(uint16_t* show);
CE_API CERESULT CeCacheOpenTables(uint16_t count);
CE_API CERESULT CeCacheOpenCursors(uint16_t count);
CE_API CERESULT CeGetNumOpenTables(uint16_t* count);

// Tables, field descriptions, table lists.
CE_API CERESULT CeOpenTable(CEHANDLE connection, const char* name, const char* alias, uint16_t tableType,
                            uint16_t charType, uint16_t lockType, uint16_t rights, uint32_t options, CEHANDLE* table);
CE_API CERESULT CeCloseTable(CEHANDLE table);
CE_API CERESULT CeGetTableType(CEHANDLE table, uint16_t* type);
CE_API CERESULT CeGetTableOpenOptions(CEHANDLE table, uint32_t* options);
CE_API CERESULT CeGetRecordLength(CEHANDLE table, uint32_t* length);
CE_API CERESULT CeGetNumFields(CEHANDLE table, uint16_t* count);
CE_API CERESULT CeGetFieldName(CEHANDLE table, uint16_t number, char* buffer, uint32_t* length);
CE_API CERESULT CeGetFieldType(CEHANDLE table, CEFIELD field, uint16_t* type);
CE_API CERESULT CeGetFieldLength(CEHANDLE table, CEFIELD field, uint32_t* length);
CE_API CERESULT CeGetFieldDecimals(CEHANDLE table, CEFIELD field, uint16_t* decimals);
CE_API CERESULT CeGetFieldOffset(CEHANDLE table, CEFIELD field, uint32_t* offset);
CE_API CERESULT CeGetLastAutoinc(CEHANDLE handle, uint32_t* value);
CE_API CERESULT CeFindFirstTable(CEHANDLE connection, const char* mask, char* buffer, uint32_t* length, CEHANDLE* find);
CE_API CERESULT CeFindNextTable(CEHANDLE connection, CEHANDLE find, char* buffer, uint32_t* length);
CE_API CERESULT CeFindClose(CEHANDLE connection, CEHANDLE find);

// Indexes.
CE_API CERESULT CeOpenIndex(CEHANDLE table, const char* path, CEHANDLE* orders, uint16_t* count);
CE_API CERESULT CeCloseIndex(CEHANDLE order);
CE_API CERESULT CeGetAllIndexes(CEHANDLE table, CEHANDLE* orders, uint16_t* count);
CE_API CERESULT CeGetIndexHandle(CEHANDLE table, const char* name, CEHANDLE* order);
CE_API CERESULT CeGetIndexName(CEHANDLE order, char* buffer, uint32_t* length);
CE_API CERESULT CeGetIndexFilename(CEHANDLE order, uint16_t option, char* buffer, uint32_t* length);
CE_API CERESULT CeGetIndexCondition(CEHANDLE order, char* buffer, uint32_t* length);
CE_API CERESULT CeGetIndexFlags(CEHANDLE order, uint32_t* flags);
CE_API CERESULT CeGetIndexPageSize(CEHANDLE order, uint32_t* size);
CE_API CERESULT CeGetKeyLength(CEHANDLE order, uint16_t* length);
CE_API CERESULT CeGetNumSegments(CEHANDLE order, uint16_t* count);
CE_API CERESULT CeGetSegmentFieldname(CEHANDLE order, uint16_t segment, char* buffer, uint32_t* length);
CE_API CERESULT CeIsIndexCustom(CEHANDLE order, uint16_t* custom);
CE_API CERESULT CeIsIndexDescending(CEHANDLE order, uint16_t* descending);
CE_API CERESULT CeIsIndexUnique(CEHANDLE order, uint16_t* unique);

// Navigation, positions, bookmarks ("handle": a table or one of its index orders).
CE_API CERESULT CeGotoTop(CEHANDLE handle);
CE_API CERESULT CeGotoBottom(CEHANDLE handle);
CE_API CERESULT CeSkip(CEHANDLE handle, int32_t count);
CE_API CERESULT CeGotoRecord(CEHANDLE table, uint32_t recordNumber);
CE_API CERESULT CeAtBOF(CEHANDLE handle, uint16_t* atBof);
CE_API CERESULT CeAtEOF(CEHANDLE handle, uint16_t* atEof);
CE_API CERESULT CeGetRecordNum(CEHANDLE table, uint16_t option, uint32_t* recordNumber);
CE_API CERESULT CeGetRecordCount(CEHANDLE handle, uint16_t option, uint32_t* count);
CE_API CERESULT CeGetRelKeyPos(CEHANDLE order, double* position);
CE_API CERESULT CeSetRelKeyPos(CEHANDLE order, double position);
CE_API CERESULT CeIsRecordVisible(CEHANDLE handle, uint16_t* visible);
CE_API CERESULT CeRefreshRecord(CEHANDLE table);
CE_API CERESULT CeGetBookmark(CEHANDLE table, uint32_t* bookmark);
CE_API CERESULT CeGetBookmark60(CEHANDLE handle, void* bookmark, uint32_t* length);
CE_API CERESULT CeGetBookmarkLength(CEHANDLE handle, uint32_t* length);
CE_API CERESULT CeGotoBookmark(CEHANDLE table, uint32_t bookmark);
CE_API CERESULT CeCompareBookmarks(const void* first, const void* second, int32_t* result);

// Keys, seeks, scopes, filters.
CE_API CERESULT CeInitRawKey(CEHANDLE order);
CE_API CERESULT CeBuildRawKey(CEHANDLE order, void* key, uint32_t* length);
CE_API CERESULT CeSeek(CEHANDLE order, const void* key, uint32_t length, uint16_t keyType, uint16_t seekType,
                       uint16_t* found);
CE_API CERESULT CeStepIndexKey(CEHANDLE order, int32_t direction);
CE_API CERESULT CeSetScope(CEHANDLE order, uint16_t which, const void* key, uint32_t length, uint16_t keyType);
CE_API CERESULT CeGetScope(CEHANDLE order, uint16_t which, void* key, uint32_t* length);
CE_API CERESULT CeClearScope(CEHANDLE order, uint16_t which);
CE_API CERESULT CeClearAllScopes(CEHANDLE table);
CE_API CERESULT CeSetFilter(CEHANDLE table, const char* expression);
CE_API CERESULT CeClearFilter(CEHANDLE table);
CE_API CERESULT CeSetAOF(CEHANDLE table, const char* expression, uint16_t resolve);
CE_API CERESULT CeGetAOF(CEHANDLE table, char* buffer, uint32_t* length);
CE_API CERESULT CeClearAOF(CEHANDLE table);
CE_API CERESULT CeSetExact22(CEHANDLE table, uint16_t exact);
CE_API CERESULT CeGetExact22(CEHANDLE table, uint16_t* exact);
CE_API CERESULT CeExpressionLongToShort(CEHANDLE table, const char* in, char* out, uint32_t* length);
CE_API CERESULT CeExpressionShortToLong(CEHANDLE table, const char* in, char* out, uint32_t* length);

// Record data, editing, locks, memos.
CE_API CERESULT CeGetRecord(CEHANDLE table, void* buffer, uint32_t* length);
CE_API CERESULT CeGetField(CEHANDLE table, CEFIELD field, void* buffer, uint32_t* length, uint16_t trimOption);
CE_API CERESULT CeIsEmpty(CEHANDLE table, CEFIELD field, uint16_t* empty);
CE_API CERESULT CeSetField(CEHANDLE handle, CEFIELD field, const void* buffer, uint32_t length);
CE_API CERESULT CeSetFieldRaw(CEHANDLE handle, CEFIELD field, const void* buffer, uint32_t length);
CE_API CERESULT CeClearRecordBuffer(CEHANDLE table, void* buffer, uint32_t length);
CE_API CERESULT CeAppendRecord(CEHANDLE table);
CE_API CERESULT CeWriteRecord(CEHANDLE table);
CE_API CERESULT CeDeleteRecord(CEHANDLE table);
CE_API CERESULT CeIsRecordDeleted(CEHANDLE table, uint16_t* deleted);
CE_API CERESULT CeCancelUpdate(CEHANDLE table);
CE_API CERESULT CeLockRecord(CEHANDLE table, uint32_t recordNumber);
CE_API CERESULT CeUnlockRecord(CEHANDLE table, uint32_t recordNumber);
CE_API CERESULT CeConvertJulianToString(double julian, char* buffer, uint32_t* length);
CE_API CERESULT CeConvertStringToJulian(const char* text, uint32_t length, double* julian);
CE_API CERESULT CeGetMemoLength(CEHANDLE table, CEFIELD field, uint32_t* length);
CE_API CERESULT CeGetMemoDataType(CEHANDLE table, CEFIELD field, uint16_t* type);
CE_API CERESULT CeGetBinaryLength(CEHANDLE table, CEFIELD field, uint32_t* length);

// Data dictionary administration. Every function takes the dictionary connection first; changes
// need an administrator connection (handle type 7, as CeDDCreate gives). Object kinds: 1
// referential-integrity rules, 2 stored procedures, 3 fields (parent: table), 4 index files
// (parent: table), 5 indexes (parent: table), 6 views, 8 users (parent: a group for its members),
// 9 user groups, 10 tables. An enumeration ends with 5137; when nothing is found the find handle
// comes back as 0xFFFFFFFF. Property values: texts zero-terminated, numbers 32-bit, Booleans
// 16-bit; a property never set gives 5138. Property numbers:
//   database 100 comment, 101 version, 102 default table path, 104 log-ins required, 105 verify
//     access rights, 106 encryption;
//   table 200 comment, 201 path, 202 type, 203 char type, 204 validation expression, 205
//     validation message, 206 primary key index, 210 encryption, 212 index files, 213 default index;
//   field 300 comment, 301 default value, 302 can be null, 303 minimum, 304 maximum, 305
//     validation message;
//   index 400 index file, 401 expression, 402 condition, 403 flags, 404 key length, 405 comment;
//   index file 450 comment, 451 tags; view 500 comment, 501 SQL; procedure 600 comment, 601
//     input, 602 output; referential integrity 701 fail table, 702 parent table, 703 parent
//     index, 704 child table, 705 child index, 706 update rule, 707 delete rule;
//   user 800 comment, 801 password (set only), 802 groups; group 900 comment, 901 members.
// Lists (212, 451, 802, 901) are ";"-separated. Validation options and fail tables are accepted and
// not enforced; referential-integrity rules and access rights are stored, not enforced.
CE_API CERESULT CeDDCreate(const char* path, uint16_t encrypt, const char* description, CEHANDLE* connection);
CE_API CERESULT CeDDFindFirstObject(CEHANDLE connection, uint16_t kind, const char* parent, char* buffer,
                                    uint32_t* length, CEHANDLE* find);
CE_API CERESULT CeDDFindNextObject(CEHANDLE connection, CEHANDLE find, char* buffer, uint32_t* length);
CE_API CERESULT CeDDFindClose(CEHANDLE connection, CEHANDLE find);
CE_API CERESULT CeDDAddTable(CEHANDLE connection, const char* name, const char* path, uint16_t tableType,
                             uint16_t charType, const char* indexFiles, const char* comments);
CE_API CERESULT CeDDRemoveTable(CEHANDLE connection, const char* name, uint16_t deleteFiles);
CE_API CERESULT CeDDAddView(CEHANDLE connection, const char* name, const char* comments, const char* sql);
CE_API CERESULT CeDDRemoveView(CEHANDLE connection, const char* name);
CE_API CERESULT CeDDAddIndexFile(CEHANDLE connection, const char* table, const char* file, const char* comments);
CE_API CERESULT CeDDRemoveIndexFile(CEHANDLE connection, const char* table, const char* file, uint16_t deleteFile);
CE_API CERESULT CeDDDeleteIndex(CEHANDLE connection, const char* table, const char* index);
CE_API CERESULT CeDDCreateRefIntegrity(CEHANDLE connection, const char* rule, const char* failTable,
                                       const char* parentTable, const char* parentIndex, const char* childTable,
                                       const char* childIndex, uint16_t updateRule, uint16_t deleteRule);
CE_API CERESULT CeDDRemoveRefIntegrity(CEHANDLE connection, const char* rule);
CE_API CERESULT CeDDCreateUser(CEHANDLE connection, const char* group, const char* user, const char* password,
                               const char* description);
CE_API CERESULT CeDDDeleteUser(CEHANDLE connection, const char* user);
CE_API CERESULT CeDDCreateUserGroup(CEHANDLE connection, const char* group, const char* description);
CE_API CERESULT CeDDDeleteUserGroup(CEHANDLE connection, const char* group);
CE_API CERESULT CeDDAddUserToGroup(CEHANDLE connection, const char* group, const char* user);
CE_API CERESULT CeDDRemoveUserFromGroup(CEHANDLE connection, const char* group, const char* user);
CE_API CERESULT CeDDSetObjectAccessRights(CEHANDLE connection, const char* object, const char* accessor,
                                          const char* rights);
CE_API CERESULT CeDDGetDatabaseProperty(CEHANDLE connection, uint16_t property, void* buffer, uint32_t* length);
CE_API CERESULT CeDDSetDatabaseProperty(CEHANDLE connection, uint16_t property, const void* buffer, uint32_t length);
CE_API CERESULT CeDDGetTableProperty(CEHANDLE connection, const char* table, uint16_t property, void* buffer,
                                     uint32_t* length);
CE_API CERESULT CeDDSetTableProperty(CEHANDLE connection, const char* table, uint16_t property, const void* buffer,
                                     uint32_t length, uint16_t validationOption, const char* failTable);
CE_API CERESULT CeDDGetFieldProperty(CEHANDLE connection, const char* table, const char* field, uint16_t property,
                                     void* buffer, uint32_t* length);
CE_API CERESULT CeDDSetFieldProperty(CEHANDLE connection, const char* table, const char* field, uint16_t property,
                                     const void* buffer, uint32_t length, uint16_t validationOption,
                                     const char* failTable);
CE_API CERESULT CeDDGetIndexFileProperty(CEHANDLE connection, const char* table, const char* file, uint16_t property,
                                         void* buffer, uint32_t* length);
CE_API CERESULT CeDDGetIndexProperty(CEHANDLE connection, const char* table, const char* index, uint16_t property,
                                     void* buffer, uint32_t* length);
CE_API CERESULT CeDDGetViewProperty(CEHANDLE connection, const char* view, uint16_t property, void* buffer,
                                    uint32_t* length);
CE_API CERESULT CeDDGetProcedureProperty(CEHANDLE connection, const char* procedure, uint16_t property, void* buffer,
                                         uint32_t* length);
CE_API CERESULT CeDDGetRefIntegrityProperty(CEHANDLE connection, const char* rule, uint16_t property, void* buffer,
                                            uint32_t* length);
CE_API CERESULT CeDDGetUserProperty(CEHANDLE connection, const char* user, uint16_t property, void* buffer,
                                    uint32_t* length);
CE_API CERESULT CeDDSetUserProperty(CEHANDLE connection, const char* user, uint16_t property, const void* buffer,
                                    uint32_t length);
CE_API CERESULT CeDDGetUserGroupProperty(CEHANDLE connection, const char* group, uint16_t property, void* buffer,
                                         uint32_t* length);
CE_API CERESULT CeDDSetUserGroupProperty(CEHANDLE connection, const char* group, uint16_t property,
                                         const void* buffer, uint32_t length);

// SQL statements and parameters. A statement belongs to its connection; CePrepareSQL takes a text
// with ":name" markers (numbered 1, 2, ... by occurrence; "::" is a colon), the CeSet* binders take
// a marker number (CE_FIELDNO) or a marker name (every marker of that name) and, on a table
// handle, set a field of the pending record. A SELECT yields a static, read-only cursor handle
// (open option value 2, table type 3) that outlives the statement; other statements yield cursor
// 0 and CeGetRecordCount on the statement gives the rows they changed. CREATE TABLE, CREATE INDEX,
// DROP TABLE and DROP INDEX run as engine DDL (see above); the statement's table type decides the
// family of free tables. SQL text runs in SQLite with UPPER/LOWER folding Cyrillic and LIKE
// comparing case-sensitively; text columns order as the case-insensitive indexes do.
// CeGetSQLStmtParams returns the marker names ";"-separated (a nil buffer asks for the size and
// succeeds); it fails only for an unterminated literal, name or comment (7210).
CE_API CERESULT CeCreateSQLStatement(CEHANDLE connection, CEHANDLE* statement);
CE_API CERESULT CeCloseSQLStatement(CEHANDLE statement);
CE_API CERESULT CePrepareSQL(CEHANDLE statement, const char* sql);
CE_API CERESULT CeExecuteSQL(CEHANDLE statement, CEHANDLE* cursor);
CE_API CERESULT CeExecuteSQLDirect(CEHANDLE statement, const char* sql, CEHANDLE* cursor);
CE_API CERESULT CeGetSQLStmtParams(const char* sql, char* buffer, uint32_t* length);
CE_API CERESULT CeStmtSetTableType(CEHANDLE statement, uint16_t type);
CE_API CERESULT CeStmtSetTableReadOnly(CEHANDLE statement, uint16_t readOnly);
CE_API CERESULT CeStmtSetTableLockType(CEHANDLE statement, uint16_t lockType);
CE_API CERESULT CeStmtSetTableCharType(CEHANDLE statement, uint16_t charType);
CE_API CERESULT CeStmtSetTableRights(CEHANDLE statement, uint16_t rights);
CE_API CERESULT CeStmtConstrainUpdates(CEHANDLE statement, uint16_t constrain);
CE_API CERESULT CeStmtReadAllColumns(CEHANDLE statement, uint16_t readAll);
CE_API CERESULT CeSetString(CEHANDLE handle, CEFIELD field, const char* text, uint32_t length);
CE_API CERESULT CeSetDouble(CEHANDLE handle, CEFIELD field, double value);
CE_API CERESULT CeSetLogical(CEHANDLE handle, CEFIELD field, uint16_t value);
CE_API CERESULT CeSetJulian(CEHANDLE handle, CEFIELD field, int32_t julian);
CE_API CERESULT CeSetMilliseconds(CEHANDLE handle, CEFIELD field, int32_t milliseconds);
CE_API CERESULT CeSetTimeStampRaw(CEHANDLE handle, CEFIELD field, const void* buffer, uint32_t length);
CE_API CERESULT CeSetBinary(CEHANDLE handle, CEFIELD field, uint16_t kind, uint32_t total, uint32_t offset,
                            const void* buffer, uint32_t length);
CE_API CERESULT CeSetEmpty(CEHANDLE handle, CEFIELD field);

// Transactions on a connection's database (5101 already active, 5102 none active). A rollback
// also discards the changes in the open tables, whose handles keep their record numbers.
CE_API CERESULT CeBeginTransaction(CEHANDLE connection);
CE_API CERESULT CeCommitTransaction(CEHANDLE connection);
CE_API CERESULT CeRollbackTransaction(CEHANDLE connection);
