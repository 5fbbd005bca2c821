// A text blob: AsString is its text.
#pragma once

#include "toolkit/TBlobField.h"

class TMemoField : public TBlobField {
public:
    explicit TMemoField(TComponent* AOwner) : TBlobField(AOwner, ftMemo) {}
};
