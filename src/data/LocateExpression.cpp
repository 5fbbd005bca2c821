// Locate's filter terms.
#include "data/LocateExpression.h"

#include "data/TEngineFieldDef.h"

namespace db {
namespace {

// A string literal of the expression language: a double quote inside the text closes the
// literal, adds character 34 and opens a new one.
AnsiString quoted(const AnsiString& text) {
    AnsiString literal = "\"";
    for (const char c : text)
        literal += c == '"' ? AnsiString("\"+ Chr(34) +\"") : AnsiString(1, c);
    return literal + "\"";
}

} // namespace

AnsiString locateTerm(const AnsiString& FieldName, uint16_t EngineType, const std::optional<AnsiString>& Text,
                      bool CaseInsensitive) {
    if (!Text)
        return "(empty(" + FieldName + "))";
    switch (EngineType) {
    case ceString:
        if (CaseInsensitive)
            return "(UPPER(" + FieldName + ")=UPPER(" + quoted(*Text) + "))";
        return "(" + FieldName + "=" + quoted(*Text) + ")";
    case ceLogical:
        return "(" + FieldName + "=" + (*Text == "T" ? ".TRUE." : ".FALSE.") + ")";
    // A compact date is compared through ctod like a date: its bare text would not parse.
    case ceDate:
    case ceCompactDate:
        return "(" + FieldName + "=ctod(\"" + *Text + "\"))";
    case ceTime:
        return "(" + FieldName + "=ctot(\"" + *Text + "\"))";
    case ceTimestamp:
        return "(" + FieldName + "=ctots(\"" + *Text + "\"))";
    default:
        return "(" + FieldName + "=" + *Text + ")";
    }
}

} // namespace db
