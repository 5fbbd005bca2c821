// The query's master link: a re-run on each master record change, none for a single field's.
#include "data/TDbQueryDataLink.h"

#include "data/TDbQuery.h"

TDataSet* TDbQueryDataLink::GetDetailDataSet() { return query_; }

void TDbQueryDataLink::ActiveChanged() {
    if (query_->Active())
        query_->RefreshParams();
}

void TDbQueryDataLink::CheckBrowseMode() {
    if (query_->Active())
        query_->CheckBrowseMode();
}

void TDbQueryDataLink::RecordChanged(TField* Field) {
    if (Field == nullptr && query_->Active())
        query_->RefreshParams();
}
