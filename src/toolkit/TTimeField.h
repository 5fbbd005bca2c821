// A time-of-day field: 32-bit milliseconds since midnight in the record buffer.
#pragma once

#include "toolkit/TDateTimeField.h"

class TTimeField : public TDateTimeField {
public:
    explicit TTimeField(TComponent* AOwner) : TDateTimeField(AOwner, ftTime) {}
};
