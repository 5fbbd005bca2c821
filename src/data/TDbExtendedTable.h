// A step of the dataset class chain between the core and the table and query; it adds nothing.
#pragma once

#include "data/TDbExtendedDataSet.h"

class TDbExtendedTable : public TDbExtendedDataSet {
    using TDbExtendedDataSet::TDbExtendedDataSet;
};
