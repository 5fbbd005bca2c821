// The draw grid: a grid whose owner draws the cells (OnDrawCell) and hears of the current cell's
// moves (OnSelectCell) and of scrolling (OnTopLeftChanged).
#pragma once

#include "toolkit/TCustomGrid.h"

class TDrawGrid : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;

protected:
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
};
