// A fixed-length binary field: Size raw bytes in the record buffer.
#pragma once

#include "toolkit/TField.h"

class TBytesField : public TField {
public:
    explicit TBytesField(TComponent* AOwner);

    int DataSize() const override { return Size(); }

    // The bytes as they stand.
    AnsiString AsString() const override;
    // Cut or padded with zero bytes to Size.
    void SetAsString(const AnsiString& Value) override;

protected:
    Variant GetAsVariant() const override { return Variant::Bytes(AsString()); }
    void SetVarValue(const Variant& Value) override { SetAsString(Value.AsBytes()); }
};
