// The uniform-grid spatial index over the map's top-level objects: a square of 128000 world units
// centred on the origin, cut into cells that list the objects whose frames touch them.
#pragma once

#include <span>
#include <vector>

#include "map/TKexMapList.h"
#include "map/WorldRect.h"

namespace mapi {

// Cells covered by an object or a query: first and last column and row, inclusive; empty when a
// first exceeds its last.
struct CellRect {
    int Left = 0;
    int Top = 0;
    int Right = -1;
    int Bottom = -1;

    bool IsEmpty() const { return Left > Right || Top > Bottom; }
};

} // namespace mapi

class TKexMapIndex {
public:
    explicit TKexMapIndex(const TKexMapList& list);

    bool Active() const { return active_; }
    int CellWidth() const { return cellWidth_; }
    int ColumnCount() const { return columns_; }
    int RowCount() const { return rows_; }

    // Sizes must be positive. A change empties the grid and rebuilds it.
    void SetCellSize(int width, int height);
    // On: rebuilt from the list. Off: emptied.
    void SetActive(bool value);
    void Rebuild();
    void Clear();

    // The cells of object i's frame, clamped to the grid; empty when inactive or outside.
    mapi::CellRect GetCellRange(int i) const;
    void IndexObject(int i);
    // Takes the range GetCellRange gave before the object moved or changed.
    void UnindexObject(const mapi::CellRect& range, int i);
    void AddToCell(int column, int row, int i);
    void RemoveFromCell(int column, int row, int i);
    void ShiftAfterDelete(int i);
    void ShiftAfterInsert(int i);

    // The objects of the cells round the rectangle (widened by one cell), ascending, an object
    // once per cell it lies in. Empty when inactive. Valid until the next call.
    std::span<const int> Query(float x1, float y1, float x2, float y2);
    // The objects of Query(x1, y1, x2, y2), ascending and each once: what a consumer of Query
    // keeps after skipping repeats, without sorting the repeats of a window over many cells.
    // Valid until the next call.
    std::span<const int> QueryDistinct(float x1, float y1, float x2, float y2);
    // The objects a hit test at (x, y) must try, ascending and each once: those in the cells under
    // the point (and one unit round it, as a flat frame is widened by one unit) whose pick box
    // holds the point, and the notes of the point's cell and its eight neighbours, whose icons
    // reach beyond their frames. Every object of Query(x, y, x, y) that the point can hit is among
    // them. Valid until the next call.
    std::span<const int> PickCandidates(float x, float y);
    // The entries of one cell, for tests and tools.
    std::span<const int> CellItems(int column, int row) const;

private:
    int columnOf(float x) const;
    int rowOf(float y) const;
    // Moves every stored index from i on by the given step.
    void shiftFrom(int i, int by);
    mapi::CellRect clampToGrid(mapi::CellRect range) const;
    std::vector<int>& cell(int column, int row) {
        return cells_[static_cast<std::size_t>(column * rows_ + row)];
    }
    std::vector<mapi::WorldRect>& boxesOf(int column, int row) {
        return cellBoxes_[static_cast<std::size_t>(column * rows_ + row)];
    }
    std::vector<int>& notesOf(int column, int row) {
        return noteCells_[static_cast<std::size_t>(column * rows_ + row)];
    }
    // The cells Query reads for a rectangle: its cells widened by one, clamped to the grid.
    mapi::CellRect queryRange(float x1, float y1, float x2, float y2) const;
    // Appends the entries of the cells in range to result_.
    void collect(const mapi::CellRect& range);
    // Appends the notes of the cells in range to result_.
    void collectNotes(const mapi::CellRect& range);

    const TKexMapList& list_;
    int extent_ = 128000;
    bool active_ = false;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    int columnOrigin_ = 0;
    int rowOrigin_ = 0;
    std::vector<std::vector<int>> cells_; // column-major: columns outer, rows inner
    // Beside each cell entry, the box a point must lie in to hit its object, so that a pick
    // passes over most entries without reading their records.
    std::vector<std::vector<mapi::WorldRect>> cellBoxes_;
    // The notes among each cell's entries, so that a pick finds them without reading records,
    // and which cells have any: a few bits a cell, which a pick reads instead of the lists.
    std::vector<std::vector<int>> noteCells_;
    std::vector<bool> hasNotes_;
    std::vector<int> result_;
    // Per object, the number of the last distinct query that met it.
    std::vector<uint32_t> seen_;
    uint32_t queryNumber_ = 0;
};
