// The grid: a self-painted control of columns and rows, the first FixedCols and FixedRows of them
// fixed (titles that do not scroll), with a current cell, a selection, scrolling by whole
// columns and rows, sizing and moving by the mouse and an in-place editor. It paints cell by cell
// through DrawCell, which the string, draw and data grids override; every move of the current
// cell asks SelectCell first.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/GridTypes.h"
#include "toolkit/TCustomControl.h"
#include "toolkit/TSize.h"

class TInplaceEdit;

namespace tk {
class GridScrollBars;
}

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    // Counts: each at least 1; the fixed ones stay below them.
    int ColCount() const { return colCount_; }
    void SetColCount(int Value);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int Value);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int Value);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int Value);

    // The current cell; assigning asks SelectCell and scrolls the cell into view.
    int Col() const { return current_.X; }
    void SetCol(int Value);
    int Row() const { return current_.Y; }
    void SetRow(int Value);
    // From the anchor to the current cell (whole rows with goRowSelect).
    TGridRect Selection() const;
    void SetSelection(const TGridRect& Value);
    // The first scrolling column and row shown. Assigning makes that one the first shown, even
    // where the keys and the scroll bars would stop at the last full page.
    int LeftCol() const { return topLeft_.X; }
    void SetLeftCol(int Value);
    int TopRow() const { return topLeft_.Y; }
    void SetTopRow(int Value);
    // Scrolling columns and rows shown whole.
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // Sizes in pixels; a width or height below 0 hides the column or row.
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Gives every row this height.
    void SetDefaultRowHeight(int Value);
    int ColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    int RowHeights(int Index) const;
    void SetRowHeights(int Index, int Value);
    bool TabStops(int Index) const;
    void SetTabStops(int Index, bool Value);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int Value);

    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor Value);
    // On: the grid fills each cell in its colours before DrawCell and frames it after.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool Value);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions Value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);

    // Whether the in-place editor shows; setting it shows or hides the editor.
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool Value);
    TInplaceEdit* InplaceEditor() const { return editor_; }

    // The cell's pixels, empty when the cell is scrolled out of view; raises
    // EInvalidGridOperation for a cell outside the grid.
    TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; -1 for a coordinate beyond the cells.
    TGridCoord MouseCoord(int X, int Y) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridState GridState() const { return gridState_; }
    // Whether (X, Y) lies on a border that the options let the mouse size: State becomes
    // gsColSizing or gsRowSizing with the column or row Index, the border's SizingPos and the
    // offset SizingOfs of the point from it; else gsNormal.
    void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) const;

    void InvalidateCell(int ACol, int ARow);
    void InvalidateCol(int ACol);
    void InvalidateRow(int ARow);
    void InvalidateGrid();
    // Nothing repaints inside the bracket; the last EndUpdate lays out and repaints once.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

protected:
    void Paint() override;
    // Draws one cell; the canvas is prepared when DefaultDrawing is on.
    virtual void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState);
    // Whether the current cell may move to (ACol, ARow).
    virtual bool SelectCell(int ACol, int ARow);
    virtual bool CanEditShow();
    virtual TInplaceEdit* CreateEditor();
    virtual AnsiString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const AnsiString& Value);
    virtual void TopLeftChanged() {}
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Fires OnKeyDown, then moves the current cell, scrolls or opens the editor.
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    // Fires OnKeyPress; with goEditing a typed character opens the editor with it.
    void KeyPress(char& Key) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Loaded() override;
    void Resize() override;
    void DoEnter() override;
    void DoExit() override;
    // WM_SIZE lays the grid out again; WM_CANCELMODE ends a sizing, moving or selecting drag;
    // WM_GETDLGCODE asks for the arrows (and Tab with goTabs).
    void WndProc(TMessage& Message) override;

    // The grid's own keys without OnKeyDown: descendants that handle some keys themselves pass
    // the rest here.
    void GridKeyDown(std::uint16_t& Key, TShiftState Shift);
    // Moves the current cell (asking SelectCell); MoveAnchor ends a range selection.
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    // Moves a column or a row to another index, then ColumnMoved / RowMoved.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // Shows the editor over the current cell (ShowEditorChar: with that character typed), or
    // hides it, storing its text through SetEditText first when Store.
    void ShowEditor();
    void ShowEditorChar(char Ch);
    void HideEditor(bool Store);
    // Lays out again after a change of sizes or of the client area: scroll bars, the editor
    // over its cell, a full repaint. The data grid first fits its rows to the height.
    virtual void LayoutGrid();
    // The scroll bars' ranges and positions.
    void UpdateScrollBars();
    // What the vertical bar shows: the rows by default; the data grid shows its dataset's
    // position instead. The bar shows while Max > Min.
    struct ScrollRange {
        int Min = 0;
        int Max = 0;
        int Page = 1;
        int Position = 0;
    };
    virtual ScrollRange VerticalScrollRange() const;
    // A scroll bar moved by the user (to where the thumb was let go, or each step of a drag with
    // goThumbTracking).
    virtual void ScrollBarMoved(bool Vertical, int Position);
    // The rows and columns the keys and scroll bars stop at: the top-left of the last full page.
    int MaxTopRow() const;
    int MaxLeftCol() const;
    // The part of the client area the cells may use (less the scroll bars).
    int GridWidth() const;
    int GridHeight() const;

private:
    friend class TInplaceEdit;

    int vertLineWidth() const;
    int horzLineWidth() const;
    int colExtent(int col) const;
    int rowExtent(int row) const;
    int fixedWidth() const;
    int fixedHeight() const;
    // Left edge of a column (top edge of a row) on screen, or -1 when it is scrolled away.
    int colLeft(int col) const;
    int rowTop(int row) const;
    int lineAt(int pos, bool vertical) const;
    TGridDrawState drawStateOf(int col, int row) const;
    void prepareCanvas(int col, int row, TGridDrawState state);
    void paintCell(int col, int row, const TRect& rect);
    void invalidateRect(const TRect& rect);
    void invalidateSelection();
    void moveTopLeft(int col, int row);
    void scrollIntoView(int col, int row);
    void setCountsTo(int cols, int rows);
    void clampCurrent();
    void placeEditor();
    void endDrag();
    void moveByKey(int dCol, int dRow, TShiftState shift);
    bool isEditorShowing() const;

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<bool> tabStops_;
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    TGridCoord topLeft_{1, 1};
    TColor fixedColor_ = clBtnFace;
    bool defaultDrawing_ = true;
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    TScrollStyle scrollBars_ = ssBoth;
    TGridState gridState_ = gsNormal;
    int sizingIndex_ = 0;
    int sizingPos_ = 0;
    int sizingOfs_ = 0;
    int moveFrom_ = 0;
    TCursor savedCursor_ = crDefault;
    bool sizingCursor_ = false;
    TInplaceEdit* editor_ = nullptr;
    bool editorMode_ = false;
    AnsiString editorOriginal_;
    int updateCount_ = 0;
    // What the next Paint draws: the cells meeting this rectangle, or everything.
    TRect invalid_{};
    bool fullPaint_ = true;
    TSize paintedSize_{};
    std::unique_ptr<tk::GridScrollBars> bars_;
};
