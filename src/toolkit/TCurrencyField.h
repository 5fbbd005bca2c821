// A money field: a double in the record buffer, shown with two decimals.
#pragma once

#include "toolkit/TFloatField.h"

class TCurrencyField : public TFloatField {
public:
    explicit TCurrencyField(TComponent* AOwner) : TFloatField(AOwner, ftCurrency) {}
};
