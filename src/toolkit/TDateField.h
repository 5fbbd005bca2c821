// A date field: a 32-bit day count in the record buffer, 1 being 1 January of year 1.
#pragma once

#include "toolkit/TDateTimeField.h"

class TDateField : public TDateTimeField {
public:
    explicit TDateField(TComponent* AOwner) : TDateTimeField(AOwner, ftDate) {}
};
