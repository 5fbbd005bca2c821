// The grid index. States: inactive (holds nothing; only SetActive, SetCellSize and Clear act) and
// active (every object of the list is in the cells its frame touches). SetActive(true) moves from
// inactive to active through a full rebuild; SetActive(false) empties and deactivates.
#include "map/TKexMapIndex.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

#include "map/HitTest.h"
#include "map/MapGeometry.h"
#include "map/Rounding.h"

namespace {

// Coordinates that are no number fall before every cell, so that nothing is indexed for them.
constexpr int kOutside = -(1 << 28);

int cellOf(float v, int cellSize, int origin) {
    if (std::isnan(v))
        return kOutside;
    const int cell = mapi::roundToInt(double{v} / cellSize);
    return std::clamp(cell, kOutside, -kOutside) + origin;
}

} // namespace

TKexMapIndex::TKexMapIndex(const TKexMapList& list) : list_(list) { SetCellSize(1000, 1000); }

int TKexMapIndex::columnOf(float x) const { return cellOf(x, cellWidth_, columnOrigin_); }

int TKexMapIndex::rowOf(float y) const { return cellOf(y, cellHeight_, rowOrigin_); }

void TKexMapIndex::SetCellSize(int width, int height) {
    assert(width > 0 && height > 0 && "cell sizes are positive");
    if (width == cellWidth_ && height == cellHeight_)
        return;
    Clear();
    cellWidth_ = width;
    cellHeight_ = height;
    columns_ = extent_ / width;
    rows_ = extent_ / height;
    columnOrigin_ = columns_ / 2;
    rowOrigin_ = rows_ / 2;
    cells_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), {});
    cellBoxes_.assign(cells_.size(), {});
    noteCells_.assign(cells_.size(), {});
    hasNotes_.assign(cells_.size(), false);
    Rebuild();
}

void TKexMapIndex::SetActive(bool value) {
    if (value == active_)
        return;
    if (value) {
        active_ = true;
        Rebuild();
        return;
    }
    Clear();
    active_ = false;
}

void TKexMapIndex::Rebuild() {
    Clear();
    if (!active_)
        return;
    for (int i = 0; i < list_.Count(); ++i)
        IndexObject(i);
}

void TKexMapIndex::Clear() {
    for (auto* cells : {&cells_, &noteCells_})
        for (auto& items : *cells) {
            items.clear();
            items.shrink_to_fit();
        }
    for (auto& boxes : cellBoxes_) {
        boxes.clear();
        boxes.shrink_to_fit();
    }
    hasNotes_.assign(hasNotes_.size(), false);
    result_.clear();
    result_.shrink_to_fit();
}

mapi::CellRect TKexMapIndex::clampToGrid(mapi::CellRect range) const {
    range.Left = std::max(range.Left, 0);
    range.Top = std::max(range.Top, 0);
    range.Right = std::min(range.Right, columns_ - 1);
    range.Bottom = std::min(range.Bottom, rows_ - 1);
    return range;
}

mapi::CellRect TKexMapIndex::GetCellRange(int i) const {
    if (!active_ || i < 0 || i >= list_.Count())
        return {};
    const mapi::WorldRect frame = mapi::boundsOf(list_[i].Corners);
    return clampToGrid({columnOf(frame.x1), rowOf(frame.y1), columnOf(frame.x2), rowOf(frame.y2)});
}

void TKexMapIndex::IndexObject(int i) {
    const mapi::CellRect range = GetCellRange(i);
    for (int column = range.Left; column <= range.Right; ++column)
        for (int row = range.Top; row <= range.Bottom; ++row)
            AddToCell(column, row, i);
}

void TKexMapIndex::UnindexObject(const mapi::CellRect& range, int i) {
    if (!active_)
        return;
    const mapi::CellRect r = clampToGrid(range);
    for (int column = r.Left; column <= r.Right; ++column)
        for (int row = r.Top; row <= r.Bottom; ++row)
            RemoveFromCell(column, row, i);
}

void TKexMapIndex::AddToCell(int column, int row, int i) {
    if (!active_ || column < 0 || column >= columns_ || row < 0 || row >= rows_)
        return;
    std::vector<int>& items = cell(column, row);
    if (std::find(items.begin(), items.end(), i) != items.end())
        return;
    items.push_back(i);
    // An entry without a record is always tried; the hit test then refuses it.
    constexpr float kEndless = std::numeric_limits<float>::infinity();
    boxesOf(column, row).push_back(i >= 0 && i < list_.Count()
                                       ? mapi::PickBox(list_[i])
                                       : mapi::WorldRect{-kEndless, -kEndless, kEndless, kEndless});
    if (i >= 0 && i < list_.Count() && list_[i].Kind == mapi::kindZametka) {
        notesOf(column, row).push_back(i);
        hasNotes_[static_cast<std::size_t>(column * rows_ + row)] = true;
    }
}

void TKexMapIndex::RemoveFromCell(int column, int row, int i) {
    if (!active_ || column < 0 || column >= columns_ || row < 0 || row >= rows_)
        return;
    std::vector<int>& items = cell(column, row);
    const auto it = std::find(items.begin(), items.end(), i);
    if (it == items.end())
        return;
    std::vector<mapi::WorldRect>& boxes = boxesOf(column, row);
    boxes.erase(boxes.begin() + (it - items.begin()));
    boxes.shrink_to_fit();
    items.erase(it);
    items.shrink_to_fit();
    std::vector<int>& notes = notesOf(column, row);
    notes.erase(std::remove(notes.begin(), notes.end(), i), notes.end());
    hasNotes_[static_cast<std::size_t>(column * rows_ + row)] = !notes.empty();
}

void TKexMapIndex::shiftFrom(int i, int by) {
    if (!active_)
        return;
    for (auto* cells : {&cells_, &noteCells_})
        for (auto& items : *cells)
            for (int& item : items)
                if (item >= i)
                    item += by;
}

void TKexMapIndex::ShiftAfterDelete(int i) { shiftFrom(i, -1); }

void TKexMapIndex::ShiftAfterInsert(int i) { shiftFrom(i, 1); }

mapi::CellRect TKexMapIndex::queryRange(float x1, float y1, float x2, float y2) const {
    mapi::CellRect range{columnOf(x1) - 1, rowOf(y1) - 1, columnOf(x2) + 1, rowOf(y2) + 1};
    if (range.Top > range.Bottom)
        std::swap(range.Top, range.Bottom);
    if (range.Left > range.Right)
        std::swap(range.Left, range.Right);
    return clampToGrid(range);
}

std::span<const int> TKexMapIndex::Query(float x1, float y1, float x2, float y2) {
    result_.clear();
    if (!active_)
        return {};
    collect(queryRange(x1, y1, x2, y2));
    if (result_.size() >= 2)
        QuickSortInts(result_, 0, static_cast<int>(result_.size()) - 1);
    return result_;
}

std::span<const int> TKexMapIndex::QueryDistinct(float x1, float y1, float x2, float y2) {
    result_.clear();
    if (!active_)
        return {};
    const mapi::CellRect range = queryRange(x1, y1, x2, y2);
    std::size_t total = 0;
    for (int column = range.Left; column <= range.Right; ++column)
        for (int row = range.Top; row <= range.Bottom; ++row)
            total += cell(column, row).size();
    // A few entries are sorted; entries as many as a good part of the list are marked per object
    // and read back in list order, which costs one pass over the list instead of a sort.
    const auto count = static_cast<std::size_t>(list_.Count());
    if (total < count / 8) {
        collect(range);
        std::sort(result_.begin(), result_.end());
        result_.erase(std::unique(result_.begin(), result_.end()), result_.end());
        std::erase_if(result_, [&](int i) { return i < 0 || static_cast<std::size_t>(i) >= count; });
        return result_;
    }
    if (seen_.size() != count || ++queryNumber_ == 0) {
        seen_.assign(count, 0);
        queryNumber_ = 1;
    }
    for (int column = range.Left; column <= range.Right; ++column)
        for (int row = range.Top; row <= range.Bottom; ++row)
            for (int i : cell(column, row))
                if (i >= 0 && static_cast<std::size_t>(i) < count)
                    seen_[static_cast<std::size_t>(i)] = queryNumber_;
    for (std::size_t i = 0; i < count; ++i)
        if (seen_[i] == queryNumber_)
            result_.push_back(static_cast<int>(i));
    return result_;
}

void TKexMapIndex::collect(const mapi::CellRect& range) {
    std::size_t total = result_.size();
    for (int column = range.Left; column <= range.Right; ++column)
        for (int row = range.Top; row <= range.Bottom; ++row)
            total += cell(column, row).size();
    result_.reserve(total);
    for (int column = range.Left; column <= range.Right; ++column)
        for (int row = range.Top; row <= range.Bottom; ++row) {
            const std::vector<int>& items = cell(column, row);
            result_.insert(result_.end(), items.begin(), items.end());
        }
}

void TKexMapIndex::collectNotes(const mapi::CellRect& range) {
    for (int column = range.Left; column <= range.Right; ++column)
        for (int row = range.Top; row <= range.Bottom; ++row)
            if (hasNotes_[static_cast<std::size_t>(column * rows_ + row)]) {
                const std::vector<int>& notes = notesOf(column, row);
                result_.insert(result_.end(), notes.begin(), notes.end());
            }
}

std::span<const int> TKexMapIndex::PickCandidates(float x, float y) {
    result_.clear();
    if (!active_)
        return {};
    // The cells Query(x, y, x, y) reads: the point's cell and its neighbours, clamped to the grid.
    const int column = columnOf(x);
    const int row = rowOf(y);
    const mapi::CellRect around = clampToGrid({column - 1, row - 1, column + 1, row + 1});
    // Frames reaching past the grid are listed in its border cells, so the point's own cells are
    // clamped to the grid end by end, and kept within the cells Query reads. Of their entries
    // only those whose pick box holds the point are kept: the others cannot be hit.
    const auto inGrid = [](int cell, int count) { return std::clamp(cell, 0, std::max(count - 1, 0)); };
    const mapi::CellRect under{std::max(inGrid(columnOf(x - 1), columns_), around.Left),
                               std::max(inGrid(rowOf(y - 1), rows_), around.Top),
                               std::min(inGrid(columnOf(x + 1), columns_), around.Right),
                               std::min(inGrid(rowOf(y + 1), rows_), around.Bottom)};
    for (int c = under.Left; c <= under.Right; ++c)
        for (int r = under.Top; r <= under.Bottom; ++r) {
            const std::vector<int>& items = cell(c, r);
            const std::vector<mapi::WorldRect>& boxes = boxesOf(c, r);
            for (std::size_t k = 0; k < items.size(); ++k)
                if (PointInRect(boxes[k], x, y))
                    result_.push_back(items[k]);
        }
    collectNotes(around);
    std::sort(result_.begin(), result_.end());
    result_.erase(std::unique(result_.begin(), result_.end()), result_.end());
    return result_;
}

std::span<const int> TKexMapIndex::CellItems(int column, int row) const {
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
        return {};
    return cells_[static_cast<std::size_t>(column * rows_ + row)];
}
