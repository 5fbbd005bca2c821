// A 32-bit field whose value the source assigns when a row is stored; read-only unless a program
// says otherwise.
#pragma once

#include "toolkit/TIntegerField.h"

class TAutoIncField : public TIntegerField {
public:
    explicit TAutoIncField(TComponent* AOwner) : TIntegerField(AOwner, ftAutoInc) { SetReadOnly(true); }
};
