// Every read the components make of a cursor: positions, records, fields, counts. Results are
// not checked: a damaged file may refuse any of them; only a crash or undefined behaviour counts.
#include "EngineWalk.h"

#include <vector>

#include "engine/CeEngine.h"

namespace fuzz {
namespace {

bool atEof(CEHANDLE handle) {
    uint16_t eof = 1;
    return CeAtEOF(handle, &eof) != 0 || eof != 0;
}

bool atBof(CEHANDLE handle) {
    uint16_t bof = 1;
    return CeAtBOF(handle, &bof) != 0 || bof != 0;
}

void readRecord(CEHANDLE table, uint16_t fields, std::vector<char>& buffer) {
    uint32_t length = static_cast<uint32_t>(buffer.size());
    (void)CeGetRecord(table, buffer.data(), &length);
    uint32_t number = 0;
    (void)CeGetRecordNum(table, 2, &number);
    for (uint16_t i = 1; i <= fields; ++i) {
        length = static_cast<uint32_t>(buffer.size());
        (void)CeGetField(table, CE_FIELDNO(i), buffer.data(), &length, 1);
        uint16_t empty = 0;
        (void)CeIsEmpty(table, CE_FIELDNO(i), &empty);
    }
}

} // namespace

void walkRecords(uint32_t table, uint32_t handle, int limit) {
    uint16_t fields = 0;
    (void)CeGetNumFields(table, &fields);
    std::vector<char> buffer(1 << 16);
    uint32_t count = 0;
    (void)CeGetRecordCount(handle, 1, &count);
    (void)CeGetRecordCount(handle, 2, &count);
    int seen = 0;
    for ((void)CeGotoTop(handle); !atEof(handle) && seen < limit; ++seen) {
        readRecord(table, fields, buffer);
        double position = 0;
        (void)CeGetRelKeyPos(handle, &position);
        if (CeSkip(handle, 1) != 0)
            break;
    }
    seen = 0;
    for ((void)CeGotoBottom(handle); !atBof(handle) && seen < 3; ++seen) {
        readRecord(table, fields, buffer);
        if (CeSkip(handle, -1) != 0)
            break;
    }
}

void walkTable(uint32_t table, int limit) {
    uint16_t fields = 0;
    (void)CeGetNumFields(table, &fields);
    for (uint16_t i = 1; i <= fields; ++i) {
        char name[256];
        uint32_t length = sizeof name;
        (void)CeGetFieldName(table, i, name, &length);
        uint16_t type = 0;
        (void)CeGetFieldType(table, CE_FIELDNO(i), &type);
    }
    walkRecords(table, table, limit);
    CEHANDLE orders[64];
    uint16_t count = 64;
    if (CeGetAllIndexes(table, orders, &count) != 0)
        return;
    for (uint16_t i = 0; i < count && i < 64; ++i)
        walkRecords(table, orders[i], limit);
}

} // namespace fuzz
