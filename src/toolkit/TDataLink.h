// The data link: how a control (a grid, an editor, a master-detail link) follows a dataset
// through a data source. It sees a window of BufferCount of the dataset's record buffers;
// ActiveRecord is the current record's place in that window, and a grid sets it to paint the
// other rows. Descendants react through the protected virtual operations.
#pragma once

#include <cstdint>

#include "toolkit/DataSetTypes.h"
#include "toolkit/TPersistent.h"

class TDataSet;
class TDataSource;
class TField;

class TDataLink : public TPersistent {
public:
    TDataLink() = default;
    ~TDataLink() override;
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* Value);
    TDataSet* DataSet() const;
    // Attached to a data source whose dataset is open.
    bool Active() const { return active_; }
    // The current record's index inside the link's window (0 in key editing).
    int ActiveRecord() const;
    void SetActiveRecord(int Value);
    int BufferCount() const { return bufferCount_; }
    // The dataset grows its buffer ring to the largest count its links ask for.
    void SetBufferCount(int Value);
    // Records inside the link's window.
    int RecordCount() const;
    bool Editing() const { return editing_; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value);
    // Puts the dataset into edit state through the data source; answers Editing.
    bool Edit();
    // Asks the link to write its pending value (UpdateData), ignoring the change it causes.
    void UpdateRecord();
    virtual int MoveBy(int Distance);

protected:
    virtual void ActiveChanged() {}
    virtual void CheckBrowseMode() {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int) { DataSetChanged(); }
    virtual void EditingChanged() {}
    // Field points at the field to focus; a link that focuses it sets *Field to null.
    virtual void FocusControl(TField**) {}
    virtual void LayoutChanged() { DataSetChanged(); }
    // Field is null when the whole record changed.
    virtual void RecordChanged(TField*) {}
    virtual void UpdateData() {}

private:
    friend class TDataSet;
    friend class TDataSource;

    void DataEvent(TDataEvent Event, std::intptr_t Info);
    void UpdateState();
    void setActive(bool value);
    void setEditing(bool value);
    // Keeps the link's window around the dataset's active record.
    void updateRange();
    // The window start nearest to `first` that holds the active record inside the filled buffers.
    int windowStartNear(int first) const;

    TDataSource* dataSource_ = nullptr;
    int firstRecord_ = 0; // index of the window's first buffer in the dataset's list
    int bufferCount_ = 1;
    bool active_ = false;
    bool editing_ = false;
    bool readOnly_ = false;
    bool updating_ = false;
};
