// The engine's description of one field of an open cursor: where its raw image lies in the
// record and of what engine type it is.
#pragma once

#include <cstdint>

#include "toolkit/AnsiString.h"

struct TEngineFieldDef {
    AnsiString Name;
    uint16_t FieldNo = 0; // from 1
    uint32_t Offset = 0;  // in the raw record
    uint32_t Length = 0;
    uint16_t EngineType = 0;
    uint16_t Decimals = 0;
};

// Engine type codes of the fields.
namespace db {
enum EngineType : uint16_t {
    ceLogical = 1, ceNumeric, ceDate, ceString, ceMemo, ceBinary, ceImage, ceVarchar, ceCompactDate, ceDouble,
    ceInteger, ceShortInt, ceTime, ceTimestamp, ceAutoInc, ceRaw, ceCurDouble
};

// Memo, binary, image and varchar: kept outside the raw record, behind a 4-byte has-data slot.
inline bool isBlobLike(uint16_t Type) { return Type >= ceMemo && Type <= ceVarchar; }
} // namespace db
