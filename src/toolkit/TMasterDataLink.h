// The link of a detail dataset to its master: FieldNames name master fields (";"-separated);
// when the master's record changes in one of them, OnMasterChange fires so that the detail can
// follow; when the master closes, OnMasterDisable.
#pragma once

#include <vector>

#include "toolkit/TDetailDataLink.h"
#include "toolkit/TNotifyEvent.h"

class TMasterDataLink : public TDetailDataLink {
public:
    explicit TMasterDataLink(TDataSet* ADataSet) : dataSet_(ADataSet) {}

    const AnsiString& FieldNames() const { return fieldNames_; }
    // Resolved against the master dataset at once when the link is active.
    void SetFieldNames(const AnsiString& Value);
    // The master fields FieldNames resolve to (empty while inactive).
    const std::vector<TField*>& Fields() const { return fields_; }
    TDataSet* GetDetailDataSet() override { return dataSet_; }

    TNotifyEvent OnMasterChange;
    TNotifyEvent OnMasterDisable;

protected:
    void ActiveChanged() override;
    void CheckBrowseMode() override;
    void LayoutChanged() override { ActiveChanged(); }
    void RecordChanged(TField* Field) override;

private:
    TDataSet* dataSet_;
    AnsiString fieldNames_;
    std::vector<TField*> fields_;
};
