// A floating-point field: a 64-bit double in the record buffer. Currency fields show two decimals.
#pragma once

#include "toolkit/TField.h"

class TFloatField : public TField {
public:
    explicit TFloatField(TComponent* AOwner);

    int DataSize() const override { return 8; }

    // Significant digits of the display text.
    int Precision() const { return precision_; }
    void SetPrecision(int Value);
    bool Currency() const { return currency_; }
    void SetCurrency(bool Value);
    // Both 0 (the default) means no range check.
    double MinValue() const { return minValue_; }
    void SetMinValue(double Value) { minValue_ = Value; }
    double MaxValue() const { return maxValue_; }
    void SetMaxValue(double Value) { maxValue_ = Value; }

    AnsiString AsString() const override;
    // The empty text clears the field.
    void SetAsString(const AnsiString& Value) override;
    // Rounded half to even.
    std::int32_t AsInteger() const override;
    void SetAsInteger(std::int32_t Value) override { SetAsFloat(Value); }
    double AsFloat() const override;
    // Raises EDatabaseError for a value outside MinValue..MaxValue or not a number.
    void SetAsFloat(double Value) override;

protected:
    TFloatField(TComponent* AOwner, TFieldType DataType);
    Variant GetAsVariant() const override;
    void SetVarValue(const Variant& Value) override { SetAsFloat(Value.AsFloat()); }
    void GetText(AnsiString& Text, bool DisplayText) const override;

private:
    int precision_ = 15;
    bool currency_ = false;
    double minValue_ = 0;
    double maxValue_ = 0;
};
