// The dataset option block's guarded setters.
#include "data/TDbTableOptions.h"

#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "data/TDbDataSet.h"

void TDbTableOptions::checkInactive() const {
    if (dataSet_ != nullptr && dataSet_->Active())
        DbMisuse(dataSet_, db::STableMustNotBeActive);
}

void TDbTableOptions::SetDbLockType(TDbLockTypes Value) {
    if (Value == lockType_)
        return;
    checkInactive();
    lockType_ = Value;
}

void TDbTableOptions::SetDbCharType(TDbCharTypes Value) {
    if (Value == charType_)
        return;
    checkInactive();
    charType_ = Value;
}

void TDbTableOptions::SetDbRightsCheck(bool Value) {
    if (Value == rightsCheck_)
        return;
    checkInactive();
    rightsCheck_ = Value;
}

void TDbTableOptions::SetDbOptimizedFilters(bool Value) {
    if (Value == optimizedFilters_)
        return;
    const bool refilter = dataSet_ != nullptr && dataSet_->Active() &&
                          !(dataSet_->ComponentState() & csLoading) && dataSet_->Filtered();
    if (!refilter) {
        optimizedFilters_ = Value;
        return;
    }
    const bool previous = optimizedFilters_;
    try {
        dataSet_->DeactivateFilter();
        optimizedFilters_ = Value;
        dataSet_->ActivateFilter();
        dataSet_->First();
    } catch (...) {
        // The filter goes back into force the old way, so that Filtered stays true to the cursor.
        optimizedFilters_ = previous;
        try {
            dataSet_->ActivateFilter();
        } catch (...) {
        }
        throw;
    }
}
