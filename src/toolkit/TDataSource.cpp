// Data sources: state tracking and the distribution of data events to the links, one-buffer
// links (field editors, master links) before the multi-row ones (grids).
#include "toolkit/TDataSource.h"

#include <algorithm>

#include "toolkit/DatabaseError.h"
#include "toolkit/TDataLink.h"
#include "toolkit/TDataSet.h"

TDataSource::TDataSource(TComponent* AOwner) : TComponent(AOwner) {}

TDataSource::~TDataSource() {
    Destroying();
    OnStateChange = nullptr;
    SetDataSet(nullptr);
    while (!dataLinks_.empty())
        removeDataLink(dataLinks_.back());
}

void TDataSource::SetDataSet(TDataSet* Value) {
    if (Value == dataSet_)
        return;
    if (IsLinkedTo(Value))
        DatabaseError(tk::SCircularDataLink, this);
    if (dataSet_)
        dataSet_->removeDataSource(this);
    if (Value)
        Value->addDataSource(this);
}

bool TDataSource::IsLinkedTo(TDataSet* ADataSet) const {
    while (ADataSet) {
        const TDataSource* source = ADataSet->GetDataSource();
        if (!source)
            return false;
        if (source == this)
            return true;
        ADataSet = source->DataSet();
    }
    return false;
}

void TDataSource::SetEnabled(bool Value) {
    enabled_ = Value;
    UpdateState();
}

void TDataSource::Edit() {
    if (autoEdit_ && state_ == dsBrowse)
        dataSet_->Edit();
}

void TDataSource::UpdateState() { setState(enabled_ && dataSet_ ? dataSet_->State() : dsInactive); }

void TDataSource::setState(TDataSetState value) {
    if (state_ == value)
        return;
    const TDataSetState prior = state_;
    state_ = value;
    notifyDataLinks(deUpdateState, 0);
    if (ComponentState() & csDestroying)
        return;
    if (OnStateChange)
        OnStateChange(this);
    if (prior == dsInactive && OnDataChange)
        OnDataChange(this, nullptr);
}

void TDataSource::DataEvent(TDataEvent Event, std::intptr_t Info) {
    if (Event == deUpdateState) {
        UpdateState();
        return;
    }
    if (state_ == dsInactive)
        return;
    notifyDataLinks(Event, Info);
    switch (Event) {
    case deFieldChange:
        if (OnDataChange)
            OnDataChange(this, reinterpret_cast<TField*>(Info));
        break;
    case deRecordChange:
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange:
        if (OnDataChange)
            OnDataChange(this, nullptr);
        break;
    case deUpdateRecord:
        if (OnUpdateData)
            OnUpdateData(this);
        break;
    default:
        break;
    }
}

// Links are told last-added first; a link may leave the source while it is told.
void TDataSource::notifyDataLinks(TDataEvent event, std::intptr_t info) {
    const std::vector<TDataLink*> links = dataLinks_;
    auto tell = [&](bool multiRow) {
        for (auto it = links.rbegin(); it != links.rend(); ++it) {
            TDataLink* link = *it;
            if ((link->bufferCount_ > 1) == multiRow && std::find(dataLinks_.begin(), dataLinks_.end(), link) != dataLinks_.end())
                link->DataEvent(event, info);
        }
    };
    tell(false);
    tell(true);
}

void TDataSource::addDataLink(TDataLink* link) {
    dataLinks_.push_back(link);
    link->dataSource_ = this;
    if (dataSet_)
        dataSet_->UpdateBufferCount();
    link->UpdateState();
}

void TDataSource::removeDataLink(TDataLink* link) {
    link->dataSource_ = nullptr;
    dataLinks_.erase(std::remove(dataLinks_.begin(), dataLinks_.end(), link), dataLinks_.end());
    link->UpdateState();
    if (dataSet_)
        dataSet_->UpdateBufferCount();
}
