// A date-and-time field, and the base of the date and time fields. Record-buffer forms: ftDateTime
// a double of milliseconds since the start of 1 January of year 1; ftDate a 32-bit day count
// (1 is 1 January of year 1); ftTime 32-bit milliseconds since midnight.
#pragma once

#include "toolkit/TField.h"

class TDateTimeField : public TField {
public:
    explicit TDateTimeField(TComponent* AOwner);

    int DataSize() const override;

    AnsiString AsString() const override;
    // The empty text clears the field; other texts follow the display formats.
    void SetAsString(const AnsiString& Value) override;
    // Raises EConvertError for a buffer value outside years 1..9999 (damaged data).
    TDateTime AsDateTime() const override;
    void SetAsDateTime(TDateTime Value) override;
    double AsFloat() const override { return AsDateTime(); }
    void SetAsFloat(double Value) override { SetAsDateTime(Value); }

protected:
    TDateTimeField(TComponent* AOwner, TFieldType DataType);
    Variant GetAsVariant() const override { return Variant::Date(AsDateTime()); }
    void SetVarValue(const Variant& Value) override { SetAsDateTime(Value.AsDateTime()); }
    int GetDefaultWidth() const override;
};
