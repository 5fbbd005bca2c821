// A step of the dataset class chain between the core and the table and query; it adds nothing.
#pragma once

#include "data/TDbDataSet.h"

class TDbExtendedDataSet : public TDbDataSet {
    using TDbDataSet::TDbDataSet;
};
