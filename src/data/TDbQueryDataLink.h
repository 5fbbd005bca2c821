// The link from a query to its master data source: when the master opens or moves to another
// record, the query takes the master's field values into its parameters and runs again.
#pragma once

#include "toolkit/TDetailDataLink.h"

class TDbQuery;

class TDbQueryDataLink : public TDetailDataLink {
public:
    explicit TDbQueryDataLink(TDbQuery* AQuery) : query_(AQuery) {}

    TDataSet* GetDetailDataSet() override;

protected:
    void ActiveChanged() override;
    void CheckBrowseMode() override;
    void RecordChanged(TField* Field) override;

private:
    TDbQuery* query_;
};
