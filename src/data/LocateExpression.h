// The expression Locate filters with when no index fits: one xBase term per key field, joined
// with " AND ". Pure text work, so that every type's form can be checked on its own.
#pragma once

#include <cstdint>
#include <optional>

#include "toolkit/AnsiString.h"

namespace db {

// The term of one key field. Text is the value's text (nullopt: a null value): the text of a
// string, "T" or "F" for a logical, the application's date or time text for dates and times,
// and numbers written with "." as the decimal point. With CaseInsensitive a string term compares
// both sides upper-cased.
AnsiString locateTerm(const AnsiString& FieldName, uint16_t EngineType, const std::optional<AnsiString>& Text,
                      bool CaseInsensitive);

} // namespace db
