// A data link that belongs to a detail dataset, which it can name (the grid and the designer ask
// which dataset a link drives).
#pragma once

#include "toolkit/TDataLink.h"

class TDetailDataLink : public TDataLink {
public:
    virtual TDataSet* GetDetailDataSet() { return nullptr; }
};
