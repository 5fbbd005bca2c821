// A picture blob.
#pragma once

#include "toolkit/TBlobField.h"

class TGraphicField : public TBlobField {
public:
    explicit TGraphicField(TComponent* AOwner) : TBlobField(AOwner, ftGraphic) {}
};
