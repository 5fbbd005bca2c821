// A text field: a zero-terminated string of at most Size characters in the record buffer.
#pragma once

#include "toolkit/TField.h"

class TStringField : public TField {
public:
    explicit TStringField(TComponent* AOwner);

    int DataSize() const override { return Size() + 1; }

    AnsiString AsString() const override;
    // Longer texts are cut to Size characters.
    void SetAsString(const AnsiString& Value) override;
    std::int32_t AsInteger() const override;
    void SetAsInteger(std::int32_t Value) override;
    double AsFloat() const override;
    void SetAsFloat(double Value) override;
    // True when the text starts with T or Y (either case).
    bool AsBoolean() const override;
    void SetAsBoolean(bool Value) override;
    TDateTime AsDateTime() const override;
    void SetAsDateTime(TDateTime Value) override;

protected:
    Variant GetAsVariant() const override { return Variant(AsString()); }
    void SetVarValue(const Variant& Value) override { SetAsString(Value.AsString()); }
    int GetDefaultWidth() const override { return Size(); }
};
