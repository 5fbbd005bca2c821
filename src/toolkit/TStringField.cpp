// Text fields and their conversions to and from the other types through the display formats.
#include "toolkit/TStringField.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "toolkit/DateTimeText.h"
#include "toolkit/NumberText.h"

TStringField::TStringField(TComponent* AOwner) : TField(AOwner, ftString, 20) {}

AnsiString TStringField::AsString() const {
    std::vector<char> buffer(std::size_t(DataSize()), '\0');
    if (!GetData(buffer.data()))
        return "";
    buffer.back() = '\0'; // a buffer without its terminator still ends here
    return AnsiString(buffer.data());
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
