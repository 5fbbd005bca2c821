// The data grid's link hands every data event to the grid.
#include "toolkit/TGridDataLink.h"

#include "toolkit/TDBGrid.h"

void TGridDataLink::ActiveChanged() { grid_->linkActiveChanged(); }

void TGridDataLink::DataSetChanged() {
    grid_->syncRow();
    grid_->UpdateScrollBars();
    grid_->InvalidateGrid();
}

void TGridDataLink::DataSetScrolled(int Distance) { grid_->Scroll(Distance); }

// The indicator's mark changes; the whole row repaints so that a row's focus frame stays whole.
void TGridDataLink::EditingChanged() { grid_->InvalidateRow(grid_->Row()); }

void TGridDataLink::FocusControl(TField** Field) {
    if (!*Field || !grid_->CanFocus())
        return;
    for (int i = 0; i < grid_->FieldCount(); ++i) {
        if (grid_->Fields(i) != *Field)
            continue;
        grid_->SetSelectedIndex(i);
        grid_->SetFocus();
        *Field = nullptr;
        return;
    }
}

void TGridDataLink::LayoutChanged() { grid_->LayoutChanged(); }

void TGridDataLink::RecordChanged(TField*) {
    if (Active())
        grid_->InvalidateRow(grid_->Row());
}

void TGridDataLink::UpdateData() {
    if (grid_->EditorMode())
        grid_->HideEditor(/*Store=*/true);
}
