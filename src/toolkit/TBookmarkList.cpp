// The selected records of a data grid, kept sorted by the dataset's bookmark order.
#include "toolkit/TBookmarkList.h"

#include <algorithm>

#include "toolkit/EListError.h"
#include "toolkit/TDBGrid.h"
#include "toolkit/TDataSet.h"

TDataSet* TBookmarkList::dataSet() const { return grid_->dataSet(); }

void TBookmarkList::changed() { grid_->InvalidateGrid(); }

const TBookmark& TBookmarkList::Items(int Index) const {
    tk::checkListIndex(Index, Count());
    return items_[std::size_t(Index)];
}

bool TBookmarkList::Find(const TBookmark& Bookmark, int& Index) const {
    TDataSet* data = dataSet();
    if (!data) {
        Index = 0;
        return false;
    }
    const auto at = std::lower_bound(items_.begin(), items_.end(), Bookmark, [data](const TBookmark& a, const TBookmark& b) {
        return data->CompareBookmarks(a, b) < 0;
    });
    Index = int(at - items_.begin());
    return at != items_.end() && data->CompareBookmarks(*at, Bookmark) == 0;
}

int TBookmarkList::IndexOf(const TBookmark& Bookmark) const {
    int index = 0;
    return Find(Bookmark, index) ? index : -1;
}

bool TBookmarkList::CurrentRowSelected() const {
    TDataSet* data = dataSet();
    if (!data || !data->Active())
        return false;
    const TBookmark current = data->GetBookmark();
    return !current.empty() && IndexOf(current) >= 0;
}

void TBookmarkList::SetCurrentRowSelected(bool Value) {
    TDataSet* data = dataSet();
    if (!data || !data->Active())
        return;
    const TBookmark current = data->GetBookmark();
    int index = 0;
    if (current.empty() || Find(current, index) == Value)
        return;
    if (Value)
        items_.insert(items_.begin() + index, current);
    else
        items_.erase(items_.begin() + index);
    changed();
}

void TBookmarkList::Delete() {
    TDataSet* data = dataSet();
    if (!data || items_.empty())
        return;
    data->DisableControls();
    try {
        while (!items_.empty()) {
            data->GotoBookmark(items_.back());
            data->Delete();
            items_.pop_back();
        }
    } catch (...) {
        data->EnableControls();
        changed();
        throw;
    }
    data->EnableControls();
    changed();
}

void TBookmarkList::Clear() {
    if (items_.empty())
        return;
    items_.clear();
    changed();
}

bool TBookmarkList::Refresh() {
    TDataSet* data = dataSet();
    const auto gone = [data](const TBookmark& b) { return !data || !data->BookmarkValid(b); };
    const auto end = std::remove_if(items_.begin(), items_.end(), gone);
    const bool dropped = end != items_.end();
    items_.erase(end, items_.end());
    if (dropped)
        changed();
    return dropped;
}
