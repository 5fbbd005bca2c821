// The data grid's link to its dataset: it passes each data event on to the grid.
#pragma once

#include "toolkit/TDataLink.h"

class TDBGrid;

class TGridDataLink : public TDataLink {
public:
    explicit TGridDataLink(TDBGrid* Grid) : grid_(Grid) {}
    TDBGrid* Grid() const { return grid_; }

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int Distance) override;
    void EditingChanged() override;
    void FocusControl(TField** Field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* Field) override;
    void UpdateData() override;

private:
    TDBGrid* grid_;
};
