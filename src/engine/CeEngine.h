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
CE_API CERESULT CeSetEmpty(CEHANDLE handle, CEFIELD field);
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
