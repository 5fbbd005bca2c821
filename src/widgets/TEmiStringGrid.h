// The string grid that draws its cell texts itself with one of nine alignments, optionally over
// several lines, asking its owner for each cell's brush, font, alignment and wrapping through one
// event. Column 0 and row 0 can be filled from two title lists.
#pragma once

#include <functional>

#include "toolkit/TStringGrid.h"
#include "toolkit/TStringList.h"

class TBrush;
class TFont;

enum TCellAlignment {
    caTopLeft,
    caTopCenter,
    caTopRight,
    caMiddleLeft,
    caCenter,
    caMiddleRight,
    caBottomLeft,
    caBottomCenter,
    caBottomRight,
};

// The row comes before the column.
using TColorEvent = std::function<void(TPersistent* Sender, int ARow, int ACol, TGridDrawState AState,
                                       TCellAlignment& Alignment, bool& MultiLine, TBrush* ABrush, TFont* AFont)>;

class TEmiStringGrid : public TStringGrid {
public:
    explicit TEmiStringGrid(TComponent* AOwner);
    ~TEmiStringGrid() override;

    // Copied; column 0 (row 0) takes them when the grid has a column (a row).
    const TStrings& RowTitles() const { return rowTitles_; }
    void SetRowTitles(const TStrings& Value);
    const TStrings& ColTitles() const { return colTitles_; }
    void SetColTitles(const TStrings& Value);

    // Several lines only go with a top alignment: each setter keeps the pair consistent.
    TCellAlignment DefaultCellsAlignment() const { return alignment_; }
    void SetDefaultCellsAlignment(TCellAlignment Value);
    bool DefaultMultiLineCells() const { return multiLine_; }
    void SetDefaultMultiLineCells(bool Value);

    TColorEvent OnGetCellColor;

protected:
    // Titles given while loading take effect here.
    void Loaded() override;
    // With DefaultDrawing: fills the cell and draws its text 2 pixels in, aligned and wrapped as the
    // defaults and OnGetCellColor say. Without it, the string grid's drawing (and OnDrawCell).
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;

private:
    TStringList rowTitles_;
    TStringList colTitles_;
    TCellAlignment alignment_ = caTopLeft;
    bool multiLine_ = false;
};
