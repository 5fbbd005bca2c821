// The raw slot of each engine type: its empty image, whether a slot is empty, and conversion of a
// slot to and from a Value. The one place that knows the byte layout of every type.
#pragma once

#include "engine/RecordLayout.h"
#include "engine/Status.h"
#include "engine/Value.h"

#include <optional>
#include <string_view>

namespace ce {

void writeEmptySlot(const FieldDef& field, TableFamily family, unsigned char* slot);
bool isEmptySlot(const FieldDef& field, TableFamily family, const unsigned char* slot);

// The value a slot holds; blob-like fields and empty slots give null. Strings keep their padding.
Value slotValue(const FieldDef& field, TableFamily family, const unsigned char* slot);

// Writes a value into a slot (null writes the empty image). Fails with 5148 when the value does
// not fit the field or has the wrong kind.
Status writeSlot(const FieldDef& field, TableFamily family, const Value& value, unsigned char* slot);

// A field's value read from text: numbers as decimals, dates in the engine date format,
// timestamps as date, blank and time, logicals by their first character; nullopt when unreadable.
std::optional<Value> textValue(const FieldDef& field, std::string_view text);

// Logical slot text: "1", "T", "Y", "t", "y" read as true.
bool isTrueLogical(unsigned char c);

} // namespace ce
