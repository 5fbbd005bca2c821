// The write direction of the engine's raw field images: a value in the toolkit's field-buffer
// form, or null, into one field's raw slot, in the VDT or the DBF-family format; and a field's
// default expression into the same slot. Pure functions of the field definition, so that every
// type can be checked from a table without a dataset.
#pragma once

#include "data/TEngineFieldDef.h"
#include "toolkit/AnsiString.h"
#include "toolkit/DataSetTypes.h"

namespace db {

// Writes Value (the field-buffer form of FieldType; null for none) into Slot, the field's
// Length bytes of a raw record. Answers null on success, else the misuse text of the refusal
// ("Numeric out of range.", the date-function failure); the slot may be partly written then.
const char* fieldToRaw(const TEngineFieldDef& Def, bool Vdt, TFieldType FieldType, const void* Value, char* Slot);

// Writes the default expression of a field into Slot as a new record takes it; answers false when
// the expression gives no value for the type (a string default without single quotes, a blob).
// Raises EConvertError for a text the type cannot read or a value the slot cannot hold.
bool defaultToRaw(const TEngineFieldDef& Def, bool Vdt, TFieldType FieldType, const AnsiString& Expression,
                  char* Slot);

} // namespace db
