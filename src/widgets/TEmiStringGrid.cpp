// The string grid with per-cell colours, alignments and multi-line texts.
#include "widgets/TEmiStringGrid.h"

#include "toolkit/DrawText.h"
#include "widgets/WidgetCursors.h"

namespace {

bool isTopAlignment(TCellAlignment alignment) { return alignment <= caTopRight; }

// The top alignment of the same column: the alignments run row by row, three to a row.
TCellAlignment topOf(TCellAlignment alignment) { return static_cast<TCellAlignment>(alignment % 3); }

// The formatted-text flags of each alignment: the column's horizontal flag plus the row's
// vertical one.
unsigned alignmentFlags(TCellAlignment alignment) {
    static constexpr unsigned horizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    static constexpr unsigned vertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    return horizontal[alignment % 3] | vertical[alignment / 3];
}

} // namespace

TEmiStringGrid::TEmiStringGrid(TComponent* AOwner) : TStringGrid(AOwner) { RegisterWidgetCursors(); }

TEmiStringGrid::~TEmiStringGrid() = default;

void TEmiStringGrid::SetRowTitles(const TStrings& Value) {
    rowTitles_.Assign(Value);
    if (ColCount() > 0)
        Cols(0)->Assign(rowTitles_);
    Invalidate();
}

void TEmiStringGrid::SetColTitles(const TStrings& Value) {
    colTitles_.Assign(Value);
    if (RowCount() > 0)
        Rows(0)->Assign(colTitles_);
    Invalidate();
}

void TEmiStringGrid::SetDefaultCellsAlignment(TCellAlignment Value) {
    if (Value == alignment_)
        return;
    alignment_ = Value;
    multiLine_ = multiLine_ && isTopAlignment(Value);
    Invalidate();
}

void TEmiStringGrid::SetDefaultMultiLineCells(bool Value) {
    if (Value == multiLine_)
        return;
    multiLine_ = Value;
    if (Value)
        alignment_ = topOf(alignment_);
    Invalidate();
}

void TEmiStringGrid::Loaded() {
    TStringGrid::Loaded();
    // Assigning a list to a column or row empties the cells beyond it: the same as clearing first.
    if (ColCount() > 0)
        Cols(0)->Assign(rowTitles_);
    if (RowCount() > 0)
        Rows(0)->Assign(colTitles_);
}

void TEmiStringGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    TCellAlignment alignment = alignment_;
    bool multiLine = multiLine_;
    if (OnGetCellColor)
        OnGetCellColor(this, ARow, ACol, AState, alignment, multiLine, Canvas()->Brush(), Canvas()->Font());
    multiLine = multiLine && isTopAlignment(alignment);
    if (!DefaultDrawing()) {
        TStringGrid::DrawCell(ACol, ARow, ARect, AState);
        return;
    }
    const unsigned format = (multiLine ? DT_NOPREFIX | DT_WORDBREAK : DT_NOPREFIX | DT_SINGLELINE) |
                            alignmentFlags(alignment);
    Canvas()->FillRect(ARect);
    TRect textRect = Rect(ARect.Left + 2, ARect.Top + 2, ARect.Right - 2, ARect.Bottom - 2);
    DrawText(*Canvas(), Cells(ACol, ARow), textRect, format);
}
