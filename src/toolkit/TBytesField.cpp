// Fixed-length binary fields.
#include "toolkit/TBytesField.h"

#include <algorithm>
#include <cstring>

TBytesField::TBytesField(TComponent* AOwner) : TField(AOwner, ftBytes, 16) {}

AnsiString TBytesField::AsString() const {
    AnsiString bytes(std::size_t(Size()), '\0');
    return GetData(bytes.data()) ? bytes : AnsiString();
}

void TBytesField::SetAsString(const AnsiString& Value) {
    AnsiString bytes(std::size_t(Size()), '\0');
    std::memcpy(bytes.data(), Value.data(), std::min(Value.size(), bytes.size()));
    SetData(bytes.data());
}
