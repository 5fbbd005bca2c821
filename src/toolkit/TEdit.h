// The edit the windows place: the custom edit as it is.
#pragma once

#include "toolkit/TCustomEdit.h"

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};
