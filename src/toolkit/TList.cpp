// The pointer list over a vector.
#include "toolkit/TList.h"

#include <algorithm>
#include <string>

#include "toolkit/EListError.h"

void TList::SetCount(int NewCount) {
    if (NewCount < 0)
        throw EListError("List count out of bounds (" + std::to_string(NewCount) + ")");
    items_.resize(static_cast<size_t>(NewCount), nullptr);
}

void* TList::Items(int Index) const {
    tk::checkListIndex(Index, Count());
    return items_[static_cast<size_t>(Index)];
}

void TList::SetItems(int Index, void* Item) {
    tk::checkListIndex(Index, Count());
    items_[static_cast<size_t>(Index)] = Item;
}

int TList::Add(void* Item) {
    items_.push_back(Item);
    return Count() - 1;
}

void TList::Insert(int Index, void* Item) {
    tk::checkListIndex(Index, Count() + 1);
    items_.insert(items_.begin() + Index, Item);
}

void TList::Delete(int Index) {
    tk::checkListIndex(Index, Count());
    items_.erase(items_.begin() + Index);
}

int TList::Remove(void* Item) {
    const int index = IndexOf(Item);
    if (index >= 0)
        Delete(index);
    return index;
}

int TList::IndexOf(void* Item) const {
    const auto it = std::find(items_.begin(), items_.end(), Item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Clear() { items_.clear(); }

void TList::Exchange(int Index1, int Index2) {
    tk::checkListIndex(Index1, Count());
    tk::checkListIndex(Index2, Count());
    std::swap(items_[static_cast<size_t>(Index1)], items_[static_cast<size_t>(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex)
        return;
    tk::checkListIndex(NewIndex, Count());
    void* item = Items(CurIndex);
    Delete(CurIndex);
    Insert(NewIndex, item);
}

void TList::Pack() { items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end()); }

void TList::Sort(const TListSortCompare& Compare) {
    std::stable_sort(items_.begin(), items_.end(), [&](void* a, void* b) { return Compare(a, b) < 0; });
}
