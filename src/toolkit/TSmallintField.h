// A 16-bit signed integer field.
#pragma once

#include "toolkit/TIntegerField.h"

class TSmallintField : public TIntegerField {
public:
    explicit TSmallintField(TComponent* AOwner) : TIntegerField(AOwner, ftSmallint) {}

protected:
    int GetDefaultWidth() const override { return 6; }
};
