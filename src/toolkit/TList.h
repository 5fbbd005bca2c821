// The toolkit's list of untyped pointers: the list never owns what it points to. Indices outside
// the list raise EListError.
#pragma once

#include <functional>
#include <vector>

// Negative, zero or positive, as Item1 sorts before, with or after Item2.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

class TList {
public:
    virtual ~TList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    // Growing adds null entries; shrinking drops the last ones.
    void SetCount(int NewCount);
    void* Items(int Index) const;
    void SetItems(int Index, void* Item);

    int Add(void* Item);
    void Insert(int Index, void* Item);
    void Delete(int Index);
    // Removes the first entry equal to Item; returns its former index or -1.
    int Remove(void* Item);
    int IndexOf(void* Item) const;
    void Clear();
    void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);
    // Drops every null entry.
    void Pack();
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }
    // A stable sort: a comparison that is not a strict order cannot make it read out of bounds.
    void Sort(const TListSortCompare& Compare);

private:
    std::vector<void*> items_;
};
