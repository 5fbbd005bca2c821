// A 16-bit unsigned integer field.
#pragma once

#include "toolkit/TIntegerField.h"

class TWordField : public TIntegerField {
public:
    explicit TWordField(TComponent* AOwner) : TIntegerField(AOwner, ftWord) {}

protected:
    int GetDefaultWidth() const override { return 5; }
};
