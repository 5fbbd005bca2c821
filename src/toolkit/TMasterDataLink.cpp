// The master link of a detail dataset.
#include "toolkit/TMasterDataLink.h"

#include <algorithm>

#include "toolkit/TDataSet.h"
#include "toolkit/TDataSource.h"

void TMasterDataLink::SetFieldNames(const AnsiString& Value) {
    if (fieldNames_ == Value)
        return;
    fieldNames_ = Value;
    ActiveChanged();
}

void TMasterDataLink::ActiveChanged() {
    fields_.clear();
    if (Active()) {
        try {
            DataSet()->GetFieldList(fields_, fieldNames_);
        } catch (...) {
            fields_.clear();
            throw;
        }
    }
    if (!dataSet_->Active() || (dataSet_->ComponentState() & csDestroying))
        return;
    if (Active() && !fields_.empty()) {
        if (OnMasterChange)
            OnMasterChange(this);
    } else if (OnMasterDisable) {
        OnMasterDisable(this);
    }
}

void TMasterDataLink::CheckBrowseMode() {
    if (dataSet_->Active())
        dataSet_->CheckBrowseMode();
}

void TMasterDataLink::RecordChanged(TField* Field) {
    if (DataSource()->State() == dsSetKey || !dataSet_->Active() || fields_.empty() || !OnMasterChange)
        return;
    if (!Field || std::find(fields_.begin(), fields_.end(), Field) != fields_.end())
        OnMasterChange(this);
}
