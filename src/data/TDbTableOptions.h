// The option block of a dataset: lock type, character type, rights check, how record counts treat
// filters and scopes, optimised filters and the index page size. The three open options cannot
// change while the dataset is open.
#pragma once

#include "data/DbTypes.h"
#include "toolkit/TPersistent.h"

class TDbDataSet;

class TDbTableOptions : public TPersistent {
public:
    explicit TDbTableOptions(TDbDataSet* DataSet) : dataSet_(DataSet) {}

    TDbLockTypes DbLockType() const { return lockType_; }
    void SetDbLockType(TDbLockTypes Value);
    TDbCharTypes DbCharType() const { return charType_; }
    void SetDbCharType(TDbCharTypes Value);
    bool DbRightsCheck() const { return rightsCheck_; }
    void SetDbRightsCheck(bool Value);
    bool DbOptimizedFilters() const { return optimizedFilters_; }
    // On an open, filtered dataset the filter is put into force again the new way, then First.
    void SetDbOptimizedFilters(bool Value);

    TDbRespectFilters DbFilterOptions = IGNORE_WHEN_COUNTING;
    TDbRespectScopes DbScopeOptions = IGNORE_SCOPES_WHEN_COUNTING;
    bool DbFreshRecordCount = false;
    bool DbAOFResolveImmediate = false;
    TDbIndexPageSizes DbIndexPageSize = 512;

    TDbDataSet* DataSet() const { return dataSet_; }

private:
    // Raises "Table must not be Active." while the dataset is open.
    void checkInactive() const;

    TDbDataSet* dataSet_;
    TDbLockTypes lockType_ = TDbLockTypes::Proprietary;
    TDbCharTypes charType_ = TDbCharTypes::ANSI;
    bool rightsCheck_ = true;
    bool optimizedFilters_ = true;
};
