// A logical field: a 16-bit value in the record buffer, -1 for true and 0 for false. Its texts
// are the two halves of DisplayValues ("True;False" by default).
#pragma once

#include "toolkit/TField.h"

class TBooleanField : public TField {
public:
    explicit TBooleanField(TComponent* AOwner);

    int DataSize() const override { return 2; }

    const AnsiString& DisplayValues() const { return displayValues_; }
    // "yes text;no text"; a text without ";" gives an empty no text.
    void SetDisplayValues(const AnsiString& Value);

    AnsiString AsString() const override;
    // The empty text clears the field; otherwise the text must begin one of the two display
    // texts (no text first, without case), else EDatabaseError.
    void SetAsString(const AnsiString& Value) override;
    bool AsBoolean() const override;
    void SetAsBoolean(bool Value) override;

protected:
    Variant GetAsVariant() const override { return Variant(AsBoolean()); }
    void SetVarValue(const Variant& Value) override { SetAsBoolean(Value.AsBoolean()); }
    int GetDefaultWidth() const override;

private:
    AnsiString displayValues_;
    AnsiString trueText_;
    AnsiString falseText_;
};
