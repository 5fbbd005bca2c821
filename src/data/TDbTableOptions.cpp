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
