// The data source: the bridge between one dataset and its data links (grids, master-detail
// links). It passes the dataset's data events to every link and fires its own change events.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "toolkit/DataSetTypes.h"
#include "toolkit/TComponent.h"
#include "toolkit/TNotifyEvent.h"

class TDataLink;
class TDataSet;
class TField;

using TDataChangeEvent = std::function<void(TPersistent* Sender, TField* Field)>;

class TDataSource : public TComponent {
public:
    explicit TDataSource(TComponent* AOwner);
    ~TDataSource() override;

    TDataSet* DataSet() const { return dataSet_; }
    // Raises EDatabaseError "Circular Data Link" when the dataset's master chain leads back here.
    void SetDataSet(TDataSet* Value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    // The dataset's state while enabled and attached, else dsInactive.
    TDataSetState State() const { return state_; }
    bool AutoEdit() const { return autoEdit_; }
    void SetAutoEdit(bool Value) { autoEdit_ = Value; }
    // Puts a browsing dataset into edit state when AutoEdit is on.
    void Edit();
    // Whether following ADataSet's master sources leads to this data source.
    bool IsLinkedTo(TDataSet* ADataSet) const;

    TDataChangeEvent OnDataChange;
    TNotifyEvent OnStateChange;
    TNotifyEvent OnUpdateData;

private:
    friend class TDataLink;
    friend class TDataSet;

    void DataEvent(TDataEvent Event, std::intptr_t Info);
    void UpdateState();
    void setState(TDataSetState value);
    void notifyDataLinks(TDataEvent event, std::intptr_t info);
    void addDataLink(TDataLink* link);
    void removeDataLink(TDataLink* link);

    TDataSet* dataSet_ = nullptr;
    std::vector<TDataLink*> dataLinks_;
    TDataSetState state_ = dsInactive;
    bool enabled_ = true;
    bool autoEdit_ = true;
};
