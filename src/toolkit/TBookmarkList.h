// The data grid's selected records: their bookmarks, kept in the dataset's bookmark order.
#pragma once

#include <vector>

#include "toolkit/DataSetTypes.h"

class TDBGrid;
class TDataSet;

class TBookmarkList {
public:
    explicit TBookmarkList(TDBGrid* Grid) : grid_(Grid) {}

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError for an index outside the list.
    const TBookmark& Items(int Index) const;
    // Whether the dataset's current record is in the list; setting adds or removes it.
    bool CurrentRowSelected() const;
    void SetCurrentRowSelected(bool Value);
    // Where the bookmark is, or where it would go (false).
    bool Find(const TBookmark& Bookmark, int& Index) const;
    int IndexOf(const TBookmark& Bookmark) const;
    // Deletes every selected record from the dataset, and empties the list.
    void Delete();
    void Clear();
    // Drops the bookmarks whose records are gone; answers whether any was.
    bool Refresh();

private:
    TDataSet* dataSet() const;
    void changed();

    TDBGrid* grid_;
    std::vector<TBookmark> items_;
};
