// A 32-bit integer field, and the base of the 16-bit and auto-increment ones: the buffer holds the
// number in the width of DataType (Smallint 16-bit signed, Word 16-bit unsigned, else 32-bit).
#pragma once

#include "toolkit/TField.h"

class TIntegerField : public TField {
public:
    explicit TIntegerField(TComponent* AOwner);

    int DataSize() const override;

    // Both 0 (the default) means the limits of the type.
    std::int32_t MinValue() const { return minValue_; }
    void SetMinValue(std::int32_t Value) { minValue_ = Value; }
    std::int32_t MaxValue() const { return maxValue_; }
    void SetMaxValue(std::int32_t Value) { maxValue_ = Value; }

    AnsiString AsString() const override;
    // The empty text clears the field.
    void SetAsString(const AnsiString& Value) override;
    std::int32_t AsInteger() const override;
    // Raises EDatabaseError for a value outside the range.
    void SetAsInteger(std::int32_t Value) override;
    double AsFloat() const override { return AsInteger(); }
    void SetAsFloat(double Value) override;

protected:
    TIntegerField(TComponent* AOwner, TFieldType DataType);
    Variant GetAsVariant() const override { return Variant(AsInteger()); }
    void SetVarValue(const Variant& Value) override { SetAsInteger(Value.AsInteger()); }
    int GetDefaultWidth() const override { return 11; }

private:
    std::int32_t minValue_ = 0;
    std::int32_t maxValue_ = 0;
};
