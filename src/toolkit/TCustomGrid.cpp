// The grid: geometry, painting, the current cell and the selection, keys, the mouse and the
// in-place editor.
//
// Mouse states (GridState):
//   gsNormal --left press on a sizing border (goColSizing/goRowSizing)--> gsColSizing/gsRowSizing
//   gsNormal --left press on a fixed title cell (goColMoving/goRowMoving)--> gsColMoving/gsRowMoving
//   gsNormal --left press on a cell with goRangeSelect--> gsSelecting
//   any --release, or WM_CANCELMODE--> gsNormal (a move is applied on release only)
// Editor: hidden --F2, Enter, a typed character, a click on the current cell (goEditing), or
// goAlwaysShowEditor--> shown --Enter (stores), Esc (restores), a move of the current cell
// (stores)--> hidden; with goAlwaysShowEditor it shows again over the new cell.
//
// Painting: the surface is kept between paints (the grid is opaque); invalidations of cells
// collect one rectangle, and Paint draws only the cells that meet it, or everything after a
// layout change, a resize or InvalidateGrid.
#include "toolkit/TCustomGrid.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "toolkit/EInvalidGridOperation.h"
#include "toolkit/DrawEdge.h"
#include "toolkit/GridScrollBars_p.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TInplaceEdit.h"

namespace {

// Pixels either side of a border where a press starts sizing.
constexpr int sizingSlack = 2;
// Grid lines between scrolling cells, and around fixed ones.
constexpr TColor lineColor = clSilver;
constexpr TColor fixedLineColor = clBlack;

TRect unite(const TRect& a, const TRect& b) {
    return Rect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom));
}

} // namespace

namespace tk {

void checkGridIndex(int index, int count) {
    if (index < 0 || index >= count)
        throw EInvalidGridOperation("Grid index out of range");
}

} // namespace tk

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() | csOpaque);
    SetColor(clWindow);
    SetTabStop(true);
    colWidths_.assign(std::size_t(colCount_), defaultColWidth_);
    rowHeights_.assign(std::size_t(rowCount_), defaultRowHeight_);
    tabStops_.assign(std::size_t(colCount_), true);
    bars_ = std::make_unique<tk::GridScrollBars>(peer().widget(), [this](bool vertical, int position) {
        ScrollBarMoved(vertical, position);
    });
}

TCustomGrid::~TCustomGrid() = default;

// --- Counts and sizes ---------------------------------------------------------------------------

void TCustomGrid::SetColCount(int Value) {
    Value = std::max(1, Value);
    if (Value != colCount_)
        setCountsTo(Value, rowCount_);
}

void TCustomGrid::SetRowCount(int Value) {
    Value = std::max(1, Value);
    if (Value != rowCount_)
        setCountsTo(colCount_, Value);
}

void TCustomGrid::setCountsTo(int cols, int rows) {
    const int oldCols = colCount_;
    const int oldRows = rowCount_;
    colCount_ = cols;
    rowCount_ = rows;
    colWidths_.resize(std::size_t(cols), defaultColWidth_);
    tabStops_.resize(std::size_t(cols), true);
    rowHeights_.resize(std::size_t(rows), defaultRowHeight_);
    fixedCols_ = std::min(fixedCols_, cols - 1);
    fixedRows_ = std::min(fixedRows_, rows - 1);
    clampCurrent();
    SizeChanged(oldCols, oldRows);
    LayoutGrid();
}

void TCustomGrid::SetFixedCols(int Value) {
    Value = std::clamp(Value, 0, colCount_ - 1);
    if (Value == fixedCols_)
        return;
    // A grid showing its first scrolling column keeps doing so, also when fewer are fixed now.
    if (topLeft_.X == fixedCols_)
        topLeft_.X = Value;
    fixedCols_ = Value;
    clampCurrent();
    LayoutGrid();
}

void TCustomGrid::SetFixedRows(int Value) {
    Value = std::clamp(Value, 0, rowCount_ - 1);
    if (Value == fixedRows_)
        return;
    // A grid showing its first scrolling row keeps doing so, also when fewer are fixed now.
    if (topLeft_.Y == fixedRows_)
        topLeft_.Y = Value;
    fixedRows_ = Value;
    clampCurrent();
    LayoutGrid();
}

void TCustomGrid::clampCurrent() {
    auto clampCoord = [this](TGridCoord& c) {
        c.X = std::clamp(c.X, fixedCols_, colCount_ - 1);
        c.Y = std::clamp(c.Y, fixedRows_, rowCount_ - 1);
    };
    clampCoord(current_);
    clampCoord(anchor_);
    clampCoord(topLeft_);
}

void TCustomGrid::SizeChanged(int, int) {}

void TCustomGrid::SetDefaultColWidth(int Value) {
    defaultColWidth_ = Value;
    std::fill(colWidths_.begin(), colWidths_.end(), Value);
    ColWidthsChanged();
    LayoutGrid();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
    defaultRowHeight_ = Value;
    std::fill(rowHeights_.begin(), rowHeights_.end(), Value);
    RowHeightsChanged();
    LayoutGrid();
}

int TCustomGrid::ColWidths(int Index) const {
    tk::checkGridIndex(Index, colCount_);
    return colWidths_[std::size_t(Index)];
}

void TCustomGrid::SetColWidths(int Index, int Value) {
    tk::checkGridIndex(Index, colCount_);
    if (colWidths_[std::size_t(Index)] == Value)
        return;
    colWidths_[std::size_t(Index)] = Value;
    ColWidthsChanged();
    LayoutGrid();
}

int TCustomGrid::RowHeights(int Index) const {
    tk::checkGridIndex(Index, rowCount_);
    return rowHeights_[std::size_t(Index)];
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
    tk::checkGridIndex(Index, rowCount_);
    if (rowHeights_[std::size_t(Index)] == Value)
        return;
    rowHeights_[std::size_t(Index)] = Value;
    RowHeightsChanged();
    LayoutGrid();
}

bool TCustomGrid::TabStops(int Index) const {
    tk::checkGridIndex(Index, colCount_);
    return tabStops_[std::size_t(Index)];
}

void TCustomGrid::SetTabStops(int Index, bool Value) {
    tk::checkGridIndex(Index, colCount_);
    tabStops_[std::size_t(Index)] = Value;
}

void TCustomGrid::SetGridLineWidth(int Value) {
    gridLineWidth_ = std::max(0, Value);
    LayoutGrid();
}

void TCustomGrid::SetFixedColor(TColor Value) {
    fixedColor_ = Value;
    InvalidateGrid();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
    defaultDrawing_ = Value;
    InvalidateGrid();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
    if (Value == options_)
        return;
    if (Value & goRowSelect)
        Value &= ~goAlwaysShowEditor;
    options_ = Value;
    if (!(options_ & goEditing) || (options_ & goRowSelect))
        HideEditor(/*Store=*/false);
    LayoutGrid();
    if (options_ & goAlwaysShowEditor)
        ShowEditor();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
    scrollBars_ = Value;
    LayoutGrid();
}

// --- Geometry -----------------------------------------------------------------------------------

int TCustomGrid::vertLineWidth() const { return (options_ & (goVertLine | goFixedVertLine)) ? gridLineWidth_ : 0; }

int TCustomGrid::horzLineWidth() const { return (options_ & (goHorzLine | goFixedHorzLine)) ? gridLineWidth_ : 0; }

int TCustomGrid::colExtent(int col) const {
    const int w = colWidths_[std::size_t(col)];
    return w < 0 ? 0 : w + vertLineWidth();
}

int TCustomGrid::rowExtent(int row) const {
    const int h = rowHeights_[std::size_t(row)];
    return h < 0 ? 0 : h + horzLineWidth();
}

int TCustomGrid::fixedWidth() const {
    int x = 0;
    for (int c = 0; c < fixedCols_; ++c)
        x += colExtent(c);
    return x;
}

int TCustomGrid::fixedHeight() const {
    int y = 0;
    for (int r = 0; r < fixedRows_; ++r)
        y += rowExtent(r);
    return y;
}

int TCustomGrid::GridWidth() const { return ClientWidth() - (bars_->shown(true) ? bars_->thickness() : 0); }

int TCustomGrid::GridHeight() const { return ClientHeight() - (bars_->shown(false) ? bars_->thickness() : 0); }

int TCustomGrid::colLeft(int col) const {
    if (col < fixedCols_) {
        int x = 0;
        for (int c = 0; c < col; ++c)
            x += colExtent(c);
        return x;
    }
    if (col < topLeft_.X)
        return -1;
    int x = fixedWidth();
    for (int c = topLeft_.X; c < col && x < GridWidth(); ++c)
        x += colExtent(c);
    return x < GridWidth() ? x : -1;
}

int TCustomGrid::rowTop(int row) const {
    if (row < fixedRows_) {
        int y = 0;
        for (int r = 0; r < row; ++r)
            y += rowExtent(r);
        return y;
    }
    if (row < topLeft_.Y)
        return -1;
    int y = fixedHeight();
    for (int r = topLeft_.Y; r < row && y < GridHeight(); ++r)
        y += rowExtent(r);
    return y < GridHeight() ? y : -1;
}

// The column (vertical false) or row under a pixel position, or -1.
int TCustomGrid::lineAt(int pos, bool vertical) const {
    if (pos < 0)
        return -1;
    const int fixed = vertical ? fixedRows_ : fixedCols_;
    const int count = vertical ? rowCount_ : colCount_;
    const int first = vertical ? topLeft_.Y : topLeft_.X;
    const int limit = vertical ? GridHeight() : GridWidth();
    int edge = 0;
    for (int i = 0; i < fixed; ++i) {
        edge += vertical ? rowExtent(i) : colExtent(i);
        if (pos < edge)
            return i;
    }
    for (int i = first; i < count && edge < limit; ++i) {
        edge += vertical ? rowExtent(i) : colExtent(i);
        if (pos < edge)
            return pos < limit ? i : -1;
    }
    return -1;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
    tk::checkGridIndex(ACol, colCount_);
    tk::checkGridIndex(ARow, rowCount_);
    const int x = colLeft(ACol);
    const int y = rowTop(ARow);
    const int w = colWidths_[std::size_t(ACol)];
    const int h = rowHeights_[std::size_t(ARow)];
    if (x < 0 || y < 0 || w < 0 || h < 0)
        return TRect{};
    return Rect(x, y, x + w, y + h);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const { return TGridCoord{lineAt(X, false), lineAt(Y, true)}; }

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    const TGridCoord cell = MouseCoord(X, Y);
    ACol = cell.X;
    ARow = cell.Y;
}

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) const {
    State = gsNormal;
    Index = -1;
    // A border is the grid line after a column (row) of the fixed band it is dragged in.
    auto findBorder = [this](int pos, bool vertical, int& index, int& border) {
        const int count = vertical ? rowCount_ : colCount_;
        for (int i = 0; i < count; ++i) {
            const int start = vertical ? rowTop(i) : colLeft(i);
            const int size = vertical ? rowHeights_[std::size_t(i)] : colWidths_[std::size_t(i)];
            if (start < 0 || size < 0)
                continue;
            const int edge = start + size;
            if (std::abs(pos - edge) <= sizingSlack) {
                index = i;
                border = edge;
                return true;
            }
        }
        return false;
    };
    int border = 0;
    if ((options_ & goColSizing) && Y >= 0 && Y < fixedHeight() && findBorder(X, false, Index, border)) {
        State = gsColSizing;
        SizingPos = border;
        SizingOfs = X - border;
        return;
    }
    if ((options_ & goRowSizing) && X >= 0 && X < fixedWidth() && findBorder(Y, true, Index, border)) {
        State = gsRowSizing;
        SizingPos = border;
        SizingOfs = Y - border;
    }
}

int TCustomGrid::VisibleColCount() const {
    int count = 0;
    for (int x = fixedWidth(), c = topLeft_.X; c < colCount_; ++c) {
        x += colExtent(c);
        if (x - vertLineWidth() > GridWidth())
            break;
        count += colWidths_[std::size_t(c)] >= 0;
    }
    return count;
}

int TCustomGrid::VisibleRowCount() const {
    int count = 0;
    for (int y = fixedHeight(), r = topLeft_.Y; r < rowCount_; ++r) {
        y += rowExtent(r);
        if (y - horzLineWidth() > GridHeight())
            break;
        count += rowHeights_[std::size_t(r)] >= 0;
    }
    return count;
}

// The first scrolling line from which `last` is the last one shown whole.
static int firstShowing(int last, int fixed, int room, const std::function<int(int)>& extent) {
    int first = last;
    int used = extent(last);
    while (first - 1 >= fixed && used + extent(first - 1) <= room) {
        --first;
        used += extent(first);
    }
    return std::max(first, fixed);
}

int TCustomGrid::MaxTopRow() const {
    return firstShowing(rowCount_ - 1, fixedRows_, GridHeight() - fixedHeight() + horzLineWidth(),
                        [this](int r) { return rowExtent(r); });
}

int TCustomGrid::MaxLeftCol() const {
    return firstShowing(colCount_ - 1, fixedCols_, GridWidth() - fixedWidth() + vertLineWidth(),
                        [this](int c) { return colExtent(c); });
}

// --- Position -----------------------------------------------------------------------------------

void TCustomGrid::SetCol(int Value) {
    tk::checkGridIndex(Value, colCount_);
    FocusCell(Value, current_.Y, /*MoveAnchor=*/true);
}

void TCustomGrid::SetRow(int Value) {
    tk::checkGridIndex(Value, rowCount_);
    FocusCell(current_.X, Value, /*MoveAnchor=*/true);
}

TGridRect TCustomGrid::Selection() const {
    TGridRect r{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
                std::max(anchor_.Y, current_.Y)};
    if (options_ & goRowSelect) {
        r.Left = fixedCols_;
        r.Right = colCount_ - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
    invalidateSelection();
    anchor_ = TGridCoord{Value.Left, Value.Top};
    current_ = TGridCoord{Value.Right, Value.Bottom};
    clampCurrent();
    invalidateSelection();
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
    ACol = std::clamp(ACol, fixedCols_, colCount_ - 1);
    ARow = std::clamp(ARow, fixedRows_, rowCount_ - 1);
    const TGridCoord target{ACol, ARow};
    if (target == current_) {
        if (MoveAnchor && anchor_ != current_) {
            invalidateSelection();
            anchor_ = current_;
        }
        scrollIntoView(ACol, ARow);
        return;
    }
    if (!SelectCell(ACol, ARow))
        return;
    HideEditor(/*Store=*/true);
    invalidateSelection();
    current_ = target;
    if (MoveAnchor || !(options_ & goRangeSelect))
        anchor_ = current_;
    invalidateSelection();
    scrollIntoView(ACol, ARow);
    if (options_ & goAlwaysShowEditor)
        ShowEditor();
}

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::SetLeftCol(int Value) { moveTopLeft(Value, topLeft_.Y); }

void TCustomGrid::SetTopRow(int Value) { moveTopLeft(topLeft_.X, Value); }

void TCustomGrid::moveTopLeft(int col, int row) {
    col = std::clamp(col, fixedCols_, colCount_ - 1);
    row = std::clamp(row, fixedRows_, rowCount_ - 1);
    if (col == topLeft_.X && row == topLeft_.Y)
        return;
    topLeft_ = TGridCoord{col, row};
    LayoutGrid();
    TopLeftChanged();
}

void TCustomGrid::scrollIntoView(int col, int row) {
    auto shownWhole = [](int start, int size, int limit) { return start >= 0 && start + size <= limit; };
    int left = topLeft_.X;
    int top = topLeft_.Y;
    if (col < left)
        left = col;
    else if (!shownWhole(colLeft(col), colWidths_[std::size_t(col)], GridWidth()))
        left = std::max(left, firstShowing(col, fixedCols_, GridWidth() - fixedWidth() + vertLineWidth(),
                                           [this](int c) { return colExtent(c); }));
    if (row < top)
        top = row;
    else if (!shownWhole(rowTop(row), rowHeights_[std::size_t(row)], GridHeight()))
        top = std::max(top, firstShowing(row, fixedRows_, GridHeight() - fixedHeight() + horzLineWidth(),
                                         [this](int r) { return rowExtent(r); }));
    moveTopLeft(left, top);
}

// --- Updates ------------------------------------------------------------------------------------

void TCustomGrid::invalidateRect(const TRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    if (!fullPaint_)
        invalid_ = invalid_.Width() > 0 ? unite(invalid_, rect) : rect;
    if (updateCount_ == 0)
        Invalidate();
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
    if (updateCount_ > 0) {
        fullPaint_ = true;
        return;
    }
    const TRect r = CellRect(ACol, ARow);
    invalidateRect(Rect(r.Left, r.Top, r.Right + vertLineWidth(), r.Bottom + horzLineWidth()));
}

void TCustomGrid::InvalidateCol(int ACol) {
    tk::checkGridIndex(ACol, colCount_);
    const int x = colLeft(ACol);
    if (x >= 0)
        invalidateRect(Rect(x, 0, x + colExtent(ACol), GridHeight()));
}

void TCustomGrid::InvalidateRow(int ARow) {
    tk::checkGridIndex(ARow, rowCount_);
    const int y = rowTop(ARow);
    if (y >= 0)
        invalidateRect(Rect(0, y, GridWidth(), y + rowExtent(ARow)));
}

void TCustomGrid::invalidateSelection() {
    const TGridRect sel = Selection();
    for (int r = std::max(sel.Top, topLeft_.Y); r <= sel.Bottom && rowTop(r) >= 0; ++r)
        InvalidateRow(r);
}

void TCustomGrid::InvalidateGrid() {
    fullPaint_ = true;
    if (updateCount_ == 0)
        Invalidate();
}

void TCustomGrid::BeginUpdate() { ++updateCount_; }

void TCustomGrid::EndUpdate() {
    if (updateCount_ == 0 || --updateCount_ != 0)
        return;
    LayoutGrid();
}

void TCustomGrid::LayoutGrid() {
    fullPaint_ = true;
    if (updateCount_ > 0)
        return;
    UpdateScrollBars();
    placeEditor();
    Invalidate();
}

void TCustomGrid::UpdateScrollBars() {
    bars_->setTracking(options_ & goThumbTracking);
    const bool vertical = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
    const bool horizontal = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
    // Each bar takes room from the other's direction: a second pass settles both.
    for (int pass = 0; pass < 2; ++pass) {
        const ScrollRange rows = VerticalScrollRange();
        bars_->set(true, vertical && rows.Max > rows.Min, rows.Min, rows.Max, rows.Page, rows.Position);
        const int maxLeft = std::max(MaxLeftCol(), topLeft_.X);
        bars_->set(false, horizontal && maxLeft > fixedCols_, fixedCols_, maxLeft, VisibleColCount(), topLeft_.X);
    }
}

TCustomGrid::ScrollRange TCustomGrid::VerticalScrollRange() const {
    return ScrollRange{fixedRows_, std::max(MaxTopRow(), topLeft_.Y), VisibleRowCount(), topLeft_.Y};
}

void TCustomGrid::ScrollBarMoved(bool Vertical, int Position) {
    if (Vertical)
        moveTopLeft(topLeft_.X, Position);
    else
        moveTopLeft(Position, topLeft_.Y);
}

// --- Painting -----------------------------------------------------------------------------------

TGridDrawState TCustomGrid::drawStateOf(int col, int row) const {
    if (col < fixedCols_ || row < fixedRows_)
        return gdFixed;
    TGridDrawState state = 0;
    if (Selection().contains(col, row))
        state |= gdSelected;
    const bool focused = Focused() || (editor_ && editor_->Focused());
    if (focused && col == current_.X && row == current_.Y)
        state |= gdFocused;
    return state;
}

void TCustomGrid::prepareCanvas(int, int, TGridDrawState state) {
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    canvas->Brush()->SetStyle(bsSolid);
    const bool highlight =
        (state & gdSelected) && (!(state & gdFocused) || (options_ & (goDrawFocusSelected | goRowSelect)));
    if (highlight) {
        canvas->Brush()->SetColor(clHighlight);
        canvas->Font()->SetColor(clHighlightText);
        return;
    }
    canvas->Brush()->SetColor((state & gdFixed) ? fixedColor_ : Color());
}

void TCustomGrid::paintCell(int col, int row, const TRect& rect) {
    const TGridDrawState state = drawStateOf(col, row);
    TCanvas* canvas = Canvas();
    if (defaultDrawing_) {
        prepareCanvas(col, row, state);
        canvas->FillRect(rect);
    }
    DrawCell(col, row, rect, state);
    if (!defaultDrawing_)
        return;
    TRect edge = rect;
    if (state & gdFixed) {
        DrawEdge(*canvas, edge, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
        DrawEdge(*canvas, edge, BDR_RAISEDINNER, BF_TOPLEFT);
    }
    if ((state & gdFocused) && !(options_ & goRowSelect) && !isEditorShowing())
        canvas->DrawFocusRect(rect);
}

void TCustomGrid::DrawCell(int, int, TRect, TGridDrawState) {}

void TCustomGrid::Paint() {
    const TSize size{Width(), Height()};
    const bool full = fullPaint_ || invalid_.Width() <= 0 || !(size == paintedSize_);
    const TRect area = full ? ClientRect() : invalid_;
    fullPaint_ = false;
    invalid_ = TRect{};
    paintedSize_ = size;

    TCanvas* canvas = Canvas();
    const int gw = GridWidth();
    const int gh = GridHeight();
    const int vLine = vertLineWidth();
    const int hLine = horzLineWidth();
    // The shown columns and rows: the fixed ones, then the scrolling ones from the top-left.
    struct Line {
        int index, start, size;
    };
    auto shownLines = [](int fixed, int first, int count, int limit, const std::vector<int>& sizes, int line) {
        std::vector<Line> lines;
        int pos = 0;
        auto take = [&](int i) {
            const int size = sizes[std::size_t(i)];
            if (size < 0)
                return;
            lines.push_back({i, pos, size});
            pos += size + line;
        };
        for (int i = 0; i < fixed && pos < limit; ++i)
            take(i);
        for (int i = std::max(first, fixed); i < count && pos < limit; ++i)
            take(i);
        return lines;
    };
    const std::vector<Line> cols = shownLines(fixedCols_, topLeft_.X, colCount_, gw, colWidths_, vLine);
    const std::vector<Line> rows = shownLines(fixedRows_, topLeft_.Y, rowCount_, gh, rowHeights_, hLine);
    const int right = cols.empty() ? 0 : cols.back().start + cols.back().size + vLine;
    const int bottom = rows.empty() ? 0 : rows.back().start + rows.back().size + hLine;
    const int fixedRight = fixedWidth();
    const int fixedBottom = fixedHeight();
    // The grid lines come first, each run across the cells it borders within the area: in the
    // line colour where the options draw that kind of line, else in the background. A cell drawn
    // as one with its neighbours (a title over several columns) then covers the lines inside it,
    // and a partial paint leaves the lines outside the area, across such cells, alone.
    auto lineRun = [&](const TRect& run, TGridOptions option, bool fixed) {
        const TRect part = Rect(std::max(run.Left, area.Left), std::max(run.Top, area.Top),
                                std::min(run.Right, area.Right), std::min(run.Bottom, area.Bottom));
        if (part.Width() <= 0 || part.Height() <= 0)
            return;
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor((options_ & option) ? (fixed ? fixedLineColor : lineColor) : Color());
        canvas->FillRect(part);
    };
    if (hLine > 0) {
        for (const Line& row : rows) {
            const int y = row.start + row.size;
            const bool fixedRow = row.index < fixedRows_;
            lineRun(Rect(0, y, std::min(fixedRight, right), y + hLine), goFixedHorzLine, true);
            if (right > fixedRight)
                lineRun(Rect(fixedRight, y, right, y + hLine), fixedRow ? goFixedHorzLine : goHorzLine, fixedRow);
        }
    }
    if (vLine > 0) {
        for (const Line& col : cols) {
            const int x = col.start + col.size;
            const bool fixedCol = col.index < fixedCols_;
            lineRun(Rect(x, 0, x + vLine, std::min(fixedBottom, bottom)), goFixedVertLine, true);
            if (bottom > fixedBottom)
                lineRun(Rect(x, fixedBottom, x + vLine, bottom), fixedCol ? goFixedVertLine : goVertLine, fixedCol);
        }
    }
    for (const Line& row : rows) {
        if (row.start >= area.Bottom || row.start + row.size + hLine <= area.Top)
            continue;
        for (const Line& col : cols)
            if (col.start < area.Right && col.start + col.size + vLine > area.Left)
                paintCell(col.index, row.index, Rect(col.start, row.start, col.start + col.size, row.start + row.size));
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    if (right < gw)
        canvas->FillRect(Rect(right, 0, gw, std::min(bottom, gh)));
    if (bottom < gh)
        canvas->FillRect(Rect(0, bottom, gw, gh));
    if (gw < ClientWidth() && gh < ClientHeight()) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(Rect(gw, gh, ClientWidth(), ClientHeight()));
    }
}

// --- Moving, editing and input ------------------------------------------------------------------

void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
    tk::checkGridIndex(FromIndex, colCount_);
    tk::checkGridIndex(ToIndex, colCount_);
    if (FromIndex == ToIndex)
        return;
    auto move = [FromIndex, ToIndex](auto& v) {
        const auto item = v[std::size_t(FromIndex)];
        v.erase(v.begin() + FromIndex);
        v.insert(v.begin() + ToIndex, item);
    };
    move(colWidths_);
    move(tabStops_);
    ColumnMoved(FromIndex, ToIndex);
    LayoutGrid();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
    tk::checkGridIndex(FromIndex, rowCount_);
    tk::checkGridIndex(ToIndex, rowCount_);
    if (FromIndex == ToIndex)
        return;
    const int height = rowHeights_[std::size_t(FromIndex)];
    rowHeights_.erase(rowHeights_.begin() + FromIndex);
    rowHeights_.insert(rowHeights_.begin() + ToIndex, height);
    RowMoved(FromIndex, ToIndex);
    LayoutGrid();
}

bool TCustomGrid::CanEditShow() {
    return (options_ & goEditing) && !(options_ & goRowSelect) && Enabled() && current_.X >= fixedCols_ &&
           current_.Y >= fixedRows_;
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

AnsiString TCustomGrid::GetEditText(int, int) { return AnsiString(); }

void TCustomGrid::SetEditText(int, int, const AnsiString&) {}

bool TCustomGrid::isEditorShowing() const { return editor_ != nullptr && editorMode_; }

void TCustomGrid::ShowEditor() {
    if (isEditorShowing() || !CanEditShow())
        return;
    if (!editor_) {
        editor_ = CreateEditor();
        editor_->grid_ = this;
        editor_->SetParent(this);
    }
    editor_->SetFont(*Font());
    editorOriginal_ = GetEditText(current_.X, current_.Y);
    editor_->SetText(editorOriginal_);
    editorMode_ = true;
    placeEditor();
    editor_->Show();
    editor_->SetFocus();
    editor_->SelectAll();
    InvalidateCell(current_.X, current_.Y);
}

void TCustomGrid::ShowEditorChar(char Ch) {
    ShowEditor();
    if (!isEditorShowing())
        return;
    editor_->SetText(AnsiString(1, Ch));
    editor_->SetSelStart(1);
}

void TCustomGrid::HideEditor(bool Store) {
    if (!isEditorShowing())
        return;
    if (Store)
        SetEditText(current_.X, current_.Y, editor_->Text());
    editorMode_ = false;
    const bool hadFocus = editor_->Focused();
    editor_->Hide();
    if (hadFocus && CanFocus())
        SetFocus();
    InvalidateCell(current_.X, current_.Y);
}

void TCustomGrid::SetEditorMode(bool Value) {
    if (Value)
        ShowEditor();
    else
        HideEditor(/*Store=*/true);
}

void TCustomGrid::placeEditor() {
    if (!isEditorShowing())
        return;
    const TRect r = CellRect(current_.X, current_.Y);
    editor_->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    editor_->SetVisible(r.Width() > 0);
}

void TCustomGrid::moveByKey(int dCol, int dRow, TShiftState shift) {
    const bool extend = (shift & ssShift) && (options_ & goRangeSelect);
    FocusCell(current_.X + dCol, current_.Y + dRow, !extend);
}

void TCustomGrid::KeyDown(std::uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key != 0)
        GridKeyDown(Key, Shift);
}

void TCustomGrid::GridKeyDown(std::uint16_t& Key, TShiftState Shift) {
    const bool ctrl = Shift & ssCtrl;
    const int page = std::max(1, VisibleRowCount());
    switch (Key) {
    case VK_UP:
        moveByKey(0, -1, Shift);
        break;
    case VK_DOWN:
        moveByKey(0, 1, Shift);
        break;
    case VK_LEFT:
        if (options_ & goRowSelect)
            moveTopLeft(topLeft_.X - 1, topLeft_.Y);
        else
            moveByKey(-1, 0, Shift);
        break;
    case VK_RIGHT:
        if (options_ & goRowSelect)
            moveTopLeft(std::min(topLeft_.X + 1, MaxLeftCol()), topLeft_.Y);
        else
            moveByKey(1, 0, Shift);
        break;
    case VK_PRIOR:
        moveByKey(0, -page, Shift);
        break;
    case VK_NEXT:
        moveByKey(0, page, Shift);
        break;
    case VK_HOME:
        FocusCell(fixedCols_, ctrl ? fixedRows_ : current_.Y, !((Shift & ssShift) && (options_ & goRangeSelect)));
        break;
    case VK_END:
        FocusCell(colCount_ - 1, ctrl ? rowCount_ - 1 : current_.Y, !((Shift & ssShift) && (options_ & goRangeSelect)));
        break;
    case VK_TAB: {
        if (!(options_ & goTabs) || (Shift & ssAlt))
            return;
        const int step = (Shift & ssShift) ? -1 : 1;
        int col = current_.X;
        int row = current_.Y;
        // The next column with a tab stop, wrapping into the next (previous) row.
        do {
            col += step;
            if (col >= colCount_) {
                col = fixedCols_;
                row = std::min(row + 1, rowCount_ - 1);
            } else if (col < fixedCols_) {
                col = colCount_ - 1;
                row = std::max(row - 1, fixedRows_);
            }
        } while (!tabStops_[std::size_t(col)] && col != current_.X);
        FocusCell(col, row, /*MoveAnchor=*/true);
        break;
    }
    case VK_F2:
        if (!(options_ & goEditing))
            return;
        ShowEditor();
        break;
    case VK_RETURN:
        if (isEditorShowing()) {
            HideEditor(/*Store=*/true);
            if (options_ & goAlwaysShowEditor)
                ShowEditor();
        } else if (options_ & goEditing) {
            ShowEditor();
        } else {
            return;
        }
        break;
    case VK_ESCAPE:
        if (!isEditorShowing())
            return;
        editor_->SetText(editorOriginal_);
        if (options_ & goAlwaysShowEditor)
            editor_->SelectAll();
        else
            HideEditor(/*Store=*/false);
        break;
    default:
        return;
    }
    Key = 0;
}

void TCustomGrid::KeyPress(char& Key) {
    TCustomControl::KeyPress(Key);
    if (Key == 0 || isEditorShowing() || static_cast<unsigned char>(Key) < 32 || !(options_ & goEditing))
        return;
    if (!CanEditShow())
        return;
    ShowEditorChar(Key);
    Key = 0;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && CanFocus() && !Focused() && !(editor_ && editor_->Focused()))
        SetFocus();
    if (Button == mbLeft && !(Shift & ssDouble)) {
        TGridState sizing = gsNormal;
        CalcSizingState(X, Y, sizing, sizingIndex_, sizingPos_, sizingOfs_);
        const TGridCoord cell = MouseCoord(X, Y);
        if (sizing != gsNormal) {
            gridState_ = sizing;
            SetMouseCapture(true);
        } else if (cell.X >= 0 && cell.Y >= 0) {
            if (cell.Y < fixedRows_ && cell.X >= fixedCols_ && (options_ & goColMoving)) {
                gridState_ = gsColMoving;
                moveFrom_ = cell.X;
            } else if (cell.X < fixedCols_ && cell.Y >= fixedRows_ && (options_ & goRowMoving)) {
                gridState_ = gsRowMoving;
                moveFrom_ = cell.Y;
            } else if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
                const bool again = cell == current_;
                FocusCell(cell.X, cell.Y, !((Shift & ssShift) && (options_ & goRangeSelect)));
                if (options_ & goRangeSelect)
                    gridState_ = gsSelecting;
                if (again && current_ == cell && (options_ & goEditing))
                    ShowEditor();
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
    switch (gridState_) {
    case gsColSizing: {
        const int left = colLeft(sizingIndex_);
        if (left >= 0)
            SetColWidths(sizingIndex_, std::max(0, X - sizingOfs_ - left));
        break;
    }
    case gsRowSizing: {
        const int top = rowTop(sizingIndex_);
        if (top >= 0)
            SetRowHeights(sizingIndex_, std::max(0, Y - sizingOfs_ - top));
        break;
    }
    case gsSelecting: {
        const TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= fixedCols_ && cell.Y >= fixedRows_)
            FocusCell(cell.X, cell.Y, /*MoveAnchor=*/false);
        break;
    }
    case gsNormal: {
        TGridState sizing = gsNormal;
        int index = 0, pos = 0, ofs = 0;
        CalcSizingState(X, Y, sizing, index, pos, ofs);
        if (sizing != gsNormal && !sizingCursor_) {
            savedCursor_ = Cursor();
            sizingCursor_ = true;
            SetCursor(sizing == gsColSizing ? crHSplit : crVSplit);
        } else if (sizing == gsNormal && sizingCursor_) {
            sizingCursor_ = false;
            SetCursor(savedCursor_);
        }
        break;
    }
    default:
        break;
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const TGridCoord cell = MouseCoord(X, Y);
    const TGridState state = gridState_;
    endDrag();
    if (state == gsColMoving && cell.X >= fixedCols_ && cell.X != moveFrom_)
        MoveColumn(moveFrom_, cell.X);
    else if (state == gsRowMoving && cell.Y >= fixedRows_ && cell.Y != moveFrom_)
        MoveRow(moveFrom_, cell.Y);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::endDrag() {
    if (gridState_ == gsNormal)
        return;
    gridState_ = gsNormal;
    SetMouseCapture(false);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    if (current_.Y < rowCount_ - 1)
        FocusCell(current_.X, current_.Y + 1, /*MoveAnchor=*/true);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    if (current_.Y > fixedRows_)
        FocusCell(current_.X, current_.Y - 1, /*MoveAnchor=*/true);
    return true;
}

void TCustomGrid::Loaded() {
    TCustomControl::Loaded();
    LayoutGrid();
}

void TCustomGrid::Resize() {
    bars_->place();
    LayoutGrid();
    TCustomControl::Resize();
}

// The focus shows on the current cell, or around the whole row in a data grid's row selection.
void TCustomGrid::DoEnter() {
    InvalidateRow(current_.Y);
    TCustomControl::DoEnter();
}

void TCustomGrid::DoExit() {
    InvalidateRow(current_.Y);
    TCustomControl::DoExit();
}

void TCustomGrid::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SIZE:
        bars_->place();
        LayoutGrid();
        return;
    case WM_CANCELMODE:
        endDrag();
        return;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | ((options_ & goTabs) ? DLGC_WANTTAB : 0) |
                         ((options_ & goEditing) ? DLGC_WANTCHARS : 0);
        return;
    default:
        TCustomControl::WndProc(Message);
    }
}
