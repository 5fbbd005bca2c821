// Floating-point fields: the display text in the general form with Precision digits, or with
// two decimals for currency.
#include "toolkit/TFloatField.h"

#include <cmath>
#include <limits>

#include "toolkit/NumberText.h"

TFloatField::TFloatField(TComponent* AOwner) : TFloatField(AOwner, ftFloat) {}

TFloatField::TFloatField(TComponent* AOwner, TFieldType DataType) : TField(AOwner, DataType) {
    currency_ = DataType == ftCurrency;
}

void TFloatField::SetPrecision(int Value) {
    precision_ = Value < 2 ? 2 : Value > 15 ? 15 : Value;
    PropertyChanged(false);
}

void TFloatField::SetCurrency(bool Value) {
    currency_ = Value;
    PropertyChanged(false);
}

double TFloatField::AsFloat() const {
    double v = 0;
    return GetData(&v) ? v : 0;
}

std::int32_t TFloatField::AsInteger() const {
    const double v = std::nearbyint(AsFloat());
    if (!(std::fabs(v) < 2147483648.0))
        RangeError(v, -2147483648.0, 2147483647.0);
    return std::int32_t(v);
}

AnsiString TFloatField::AsString() const { return IsNull() ? "" : FloatToStr(AsFloat()); }

void TFloatField::SetAsString(const AnsiString& Value) {
    if (Value.empty())
        Clear();
    else
        SetAsFloat(StrToFloat(Value));
}

void TFloatField::SetAsFloat(double Value) {
    const bool checkRange = minValue_ != 0 || maxValue_ != 0;
    if (!std::isfinite(Value) || (checkRange && (Value < minValue_ || Value > maxValue_)))
        RangeError(Value, checkRange ? minValue_ : -std::numeric_limits<double>::max(),
                   checkRange ? maxValue_ : std::numeric_limits<double>::max());
    SetData(&Value);
}

Variant TFloatField::GetAsVariant() const { return currency_ ? Variant::Currency(AsFloat()) : Variant(AsFloat()); }

void TFloatField::GetText(AnsiString& Text, bool DisplayText) const {
    if (IsNull()) {
        Text.clear();
        return;
    }
    Text = DisplayText && currency_ ? FloatToStrF(AsFloat(), ffNumber, precision_, 2) : FloatToStrF(AsFloat(), ffGeneral, precision_, 0);
}
