// Data links: the window of buffers a link sees, kept around the dataset's active record as the
// dataset scrolls, and the dispatch of data events to the link's virtual operations.
#include "toolkit/TDataLink.h"

#include <algorithm>

#include "toolkit/TDataSet.h"
#include "toolkit/TDataSource.h"

TDataLink::~TDataLink() {
    active_ = false;
    editing_ = false;
    SetDataSource(nullptr);
}

void TDataLink::SetDataSource(TDataSource* Value) {
    if (Value == dataSource_)
        return;
    if (dataSource_)
        dataSource_->removeDataLink(this);
    if (Value)
        Value->addDataLink(this);
}

TDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

int TDataLink::ActiveRecord() const {
    if (!active_ || dataSource_->State() == dsSetKey)
        return 0;
    return DataSet()->activeRecord_ - firstRecord_;
}

void TDataLink::SetActiveRecord(int Value) {
    // A row outside the window has no record buffer behind it.
    if (!active_ || dataSource_->State() == dsSetKey || Value < 0 || Value >= RecordCount())
        return;
    DataSet()->activeRecord_ = Value + firstRecord_;
}

int TDataLink::RecordCount() const {
    if (!active_)
        return 0;
    if (dataSource_->State() == dsSetKey)
        return 1;
    return std::min(DataSet()->recordCount_, bufferCount_);
}

void TDataLink::SetBufferCount(int Value) {
    if (bufferCount_ == Value)
        return;
    bufferCount_ = Value;
    if (!active_)
        return;
    updateRange();
    DataSet()->UpdateBufferCount();
    updateRange();
}

void TDataLink::SetReadOnly(bool Value) {
    if (readOnly_ == Value)
        return;
    readOnly_ = Value;
    UpdateState();
}

bool TDataLink::Edit() {
    if (!readOnly_ && dataSource_)
        dataSource_->Edit();
    return editing_;
}

void TDataLink::UpdateRecord() {
    updating_ = true;
    try {
        UpdateData();
    } catch (...) {
        updating_ = false;
        throw;
    }
    updating_ = false;
}

int TDataLink::MoveBy(int Distance) { return DataSet()->MoveBy(Distance); }

void TDataLink::UpdateState() {
    setActive(dataSource_ && dataSource_->State() != dsInactive);
    const TDataSetState state = dataSource_ ? dataSource_->State() : dsInactive;
    setEditing((state == dsEdit || state == dsInsert || state == dsSetKey) && !readOnly_);
}

void TDataLink::setActive(bool value) {
    if (active_ == value)
        return;
    active_ = value;
    if (value)
        updateRange();
    else
        firstRecord_ = 0;
    ActiveChanged();
}

void TDataLink::setEditing(bool value) {
    if (editing_ == value)
        return;
    editing_ = value;
    EditingChanged();
}

void TDataLink::updateRange() { firstRecord_ = windowStartNear(firstRecord_); }

// The window must hold the active record and lie inside the filled buffers, or painting a row
// would read a buffer that holds no record (or none at all).
int TDataLink::windowStartNear(int first) const {
    const TDataSet* dataSet = DataSet();
    const int active = dataSet->activeRecord_;
    const int lowest = std::max(0, active - bufferCount_ + 1);
    const int highest = std::min(std::max(0, dataSet->recordCount_ - bufferCount_), active);
    return std::clamp(first, lowest, highest);
}

void TDataLink::DataEvent(TDataEvent Event, std::intptr_t Info) {
    if (Event == deUpdateState) {
        UpdateState();
        return;
    }
    if (!active_)
        return;
    switch (Event) {
    case deFieldChange:
    case deRecordChange:
        if (!updating_)
            RecordChanged(reinterpret_cast<TField*>(Info));
        break;
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange: {
        int count = 0;
        if (dataSource_->State() != dsSetKey) {
            const int first = firstRecord_ + int(Info);
            firstRecord_ = windowStartNear(first);
            count = firstRecord_ - first;
        }
        if (Event == deDataSetChange)
            DataSetChanged();
        else if (Event == deDataSetScroll)
            DataSetScrolled(count);
        else
            LayoutChanged();
        break;
    }
    case deUpdateRecord:
        UpdateRecord();
        break;
    case deCheckBrowseMode:
        CheckBrowseMode();
        break;
    case deFocusControl:
        FocusControl(reinterpret_cast<TField**>(Info));
        break;
    default:
        break;
    }
}
