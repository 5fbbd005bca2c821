// Integer fields of every width, with the range check of the type or of MinValue..MaxValue.
#include "toolkit/TIntegerField.h"

#include <cmath>
#include <cstring>

#include "toolkit/NumberText.h"

TIntegerField::TIntegerField(TComponent* AOwner) : TIntegerField(AOwner, ftInteger) {}

TIntegerField::TIntegerField(TComponent* AOwner, TFieldType DataType) : TField(AOwner, DataType) {}

int TIntegerField::DataSize() const { return DataType() == ftSmallint || DataType() == ftWord ? 2 : 4; }

AnsiString TIntegerField::AsString() const { return IsNull() ? "" : IntToStr(AsInteger()); }

void TIntegerField::SetAsString(const AnsiString& Value) {
    if (Value.empty())
        Clear();
    else
        SetAsInteger(StrToInt(Value));
}

std::int32_t TIntegerField::AsInteger() const {
    switch (DataType()) {
    case ftSmallint: {
        std::int16_t v = 0;
        return GetData(&v) ? v : 0;
    }
    case ftWord: {
        std::uint16_t v = 0;
        return GetData(&v) ? v : 0;
    }
    default: {
        std::int32_t v = 0;
        return GetData(&v) ? v : 0;
    }
    }
}

void TIntegerField::SetAsInteger(std::int32_t Value) {
    double lo = minValue_, hi = maxValue_;
    if (minValue_ == 0 && maxValue_ == 0) {
        lo = DataType() == ftSmallint ? -32768.0 : DataType() == ftWord ? 0.0 : -2147483648.0;
        hi = DataType() == ftSmallint ? 32767.0 : DataType() == ftWord ? 65535.0 : 2147483647.0;
    }
    if (Value < lo || Value > hi)
        RangeError(Value, lo, hi);
    if (DataSize() == 2) {
        const auto v = static_cast<std::uint16_t>(Value);
        SetData(&v);
        return;
    }
    SetData(&Value);
}

void TIntegerField::SetAsFloat(double Value) {
    if (!(std::fabs(Value) < 2147483648.0))
        RangeError(Value, -2147483648.0, 2147483647.0);
    SetAsInteger(std::int32_t(std::nearbyint(Value)));
}
