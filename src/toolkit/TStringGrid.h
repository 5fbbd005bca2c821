// The string grid: a draw grid that keeps a text and an object pointer per cell and draws the
// texts. Cols[c] and Rows[r] are string lists over one column or row of cells; their update
// bracket is the grid's. The grid never frees the objects: their owner does.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/TDrawGrid.h"
#include "toolkit/TStrings.h"

class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    // Each raises EInvalidGridOperation for a cell outside the grid.
    AnsiString Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const AnsiString& Value);
    void* Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, void* Value);
    TStrings* Cols(int Index);
    TStrings* Rows(int Index);

protected:
    // With DefaultDrawing the cell's text at (left + 2, top + 2), clipped; then OnDrawCell.
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    AnsiString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const AnsiString& Value) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;

private:
    class Line;
    struct Cell {
        AnsiString text;
        void* object = nullptr;
    };
    Cell& cell(int col, int row);
    const Cell& cell(int col, int row) const;
    TStrings* line(std::vector<std::unique_ptr<Line>>& lines, int index, bool column);

    // cells_[col][row]
    std::vector<std::vector<Cell>> cells_;
    std::vector<std::unique_ptr<Line>> cols_;
    std::vector<std::unique_ptr<Line>> rows_;
};
