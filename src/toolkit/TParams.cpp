// The parameter collection and its SQL marker scanner. The scanner walks the text once, stepping
// over the parts where a colon means nothing (literals, [...] names, comments).
#include "toolkit/TParams.h"

#include "toolkit/DatabaseError.h"
#include "toolkit/IndexOfName.h"

namespace {

// ASCII letters, digits, "_" and every byte from 0x80 up, so that a Cyrillic name reads alike
// in CP1251 and in UTF-8.
bool isNameChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x80 || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '_';
}

// End of the part that starts at `i` and must be copied untouched, or `i` when none starts there.
std::size_t skipInert(const AnsiString& sql, std::size_t i) {
    const char c = sql[i];
    const char next = i + 1 < sql.size() ? sql[i + 1] : '\0';
    std::size_t end = std::string::npos;
    if (c == '\'' || c == '"')
        end = sql.find(c, i + 1); // a doubled quote closes and reopens: the same thing
    else if (c == '[')
        end = sql.find(']', i + 1);
    else if (c == '-' && next == '-')
        end = sql.find('\n', i + 2);
    else if (c == '/' && next == '*') {
        end = sql.find("*/", i + 2);
        if (end != std::string::npos)
            ++end;
    } else
        return i;
    return end == std::string::npos ? sql.size() : end + 1;
}

} // namespace

TParams::TParams(TPersistent* AOwner) : TCollection(tk::itemClass<TParam>(), AOwner) {}

TParam* TParams::Items(int Index) const { return static_cast<TParam*>(TCollection::Items(Index)); }

TParam* TParams::FindParam(const AnsiString& Value) const {
    const int i = tk::indexOfName(*this, Value);
    return i < 0 ? nullptr : Items(i);
}

TParam* TParams::ParamByName(const AnsiString& Value) const {
    TParam* param = FindParam(Value);
    if (!param)
        DatabaseErrorFmt(tk::SParameterNotFound, {Value});
    return param;
}

TParam* TParams::CreateParam(TFieldType FldType, const AnsiString& ParamName, TParamType ParamType) {
    auto* param = static_cast<TParam*>(Add());
    param->SetName(ParamName);
    param->SetDataType(FldType);
    param->SetParamType(ParamType);
    return param;
}

void TParams::AssignValues(const TParams& Value) {
    for (int i = 0; i < Value.Count(); ++i)
        if (TParam* param = FindParam(Value[i]->Name()))
            param->Assign(*Value[i]);
}

AnsiString TParams::ParseSQL(const AnsiString& SQL, bool DoCreate) {
    AnsiString out;
    out.reserve(SQL.size());
    std::size_t i = 0;
    while (i < SQL.size()) {
        if (const std::size_t end = skipInert(SQL, i); end != i) {
            out.append(SQL, i, end - i);
            i = end;
            continue;
        }
        if (SQL[i] != ':') {
            out += SQL[i++];
            continue;
        }
        if (i + 1 < SQL.size() && SQL[i + 1] == ':') {
            out += ':';
            i += 2;
            continue;
        }
        std::size_t end = i + 1;
        while (end < SQL.size() && isNameChar(SQL[end]))
            ++end;
        if (end == i + 1) {
            out += ':';
            ++i;
            continue;
        }
        if (DoCreate)
            CreateParam(ftUnknown, SQL.substr(i + 1, end - i - 1), ptUnknown);
        out += '?';
        i = end;
    }
    return out;
}
