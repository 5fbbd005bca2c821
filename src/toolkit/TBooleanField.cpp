// Logical fields and their two display texts.
#include "toolkit/TBooleanField.h"

#include <algorithm>
#include <cstdint>

#include "toolkit/AnsiStrings.h"
#include "toolkit/DatabaseError.h"

TBooleanField::TBooleanField(TComponent* AOwner) : TField(AOwner, ftBoolean) { SetDisplayValues("True;False"); }

void TBooleanField::SetDisplayValues(const AnsiString& Value) {
    displayValues_ = Value;
    const auto semicolon = Value.find(';');
    trueText_ = Value.substr(0, semicolon);
    falseText_ = semicolon == AnsiString::npos ? AnsiString() : Value.substr(semicolon + 1);
    PropertyChanged(true);
}

bool TBooleanField::AsBoolean() const {
    std::int16_t v = 0;
    return GetData(&v) && v != 0;
}

void TBooleanField::SetAsBoolean(bool Value) {
    const std::int16_t v = Value ? -1 : 0;
    SetData(&v);
}

AnsiString TBooleanField::AsString() const {
    if (IsNull())
        return "";
    return AsBoolean() ? trueText_ : falseText_;
}

void TBooleanField::SetAsString(const AnsiString& Value) {
    if (Value.empty()) {
        Clear();
        return;
    }
    auto begins = [&Value](const AnsiString& text) { return AnsiSameText(text.substr(0, Value.size()), Value); };
    if (begins(falseText_))
        SetAsBoolean(false);
    else if (begins(trueText_))
        SetAsBoolean(true);
    else
        DatabaseErrorFmt("'%s' is not a valid boolean value for field '%s'", {Value, DisplayName()});
}

int TBooleanField::GetDefaultWidth() const { return int(std::max(trueText_.size(), falseText_.size())); }
