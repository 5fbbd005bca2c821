// Text fields and their conversions to and from the other types through the display formats.
#include "toolkit/TStringField.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "toolkit/DateTimeText.h"
#include "toolkit/NumberText.h"

TStringField::TStringField(TComponent* AOwner) : TField(AOwner, ftString, 20) {}

AnsiString TStringField::AsString() const {
    const std::size_t room = std::size_t(DataSize());
    std::vector<char> buffer(room, '\0');
    if (!GetData(buffer.data()))
        return "";
    // A value that fills its whole room carries no terminator of its own.
    return AnsiString(buffer.data(), strnlen(buffer.data(), room));
}

void TStringField::SetAsString(const AnsiString& Value) {
    std::vector<char> buffer(std::size_t(DataSize()), '\0');
    std::memcpy(buffer.data(), Value.data(), std::min(Value.size(), std::size_t(Size())));
    SetData(buffer.data());
}

std::int32_t TStringField::AsInteger() const { return StrToInt(AsString()); }
void TStringField::SetAsInteger(std::int32_t Value) { SetAsString(IntToStr(Value)); }
double TStringField::AsFloat() const { return StrToFloat(AsString()); }
void TStringField::SetAsFloat(double Value) { SetAsString(FloatToStr(Value)); }

bool TStringField::AsBoolean() const {
    const AnsiString s = AsString();
    return !s.empty() && (s[0] == 'T' || s[0] == 't' || s[0] == 'Y' || s[0] == 'y');
}

void TStringField::SetAsBoolean(bool Value) { SetAsString(Value ? "T" : "F"); }
TDateTime TStringField::AsDateTime() const { return StrToDateTime(AsString()); }
void TStringField::SetAsDateTime(TDateTime Value) { SetAsString(DateTimeToStr(Value)); }
