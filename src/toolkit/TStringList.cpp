// The stored string list. Every change runs Changing, the change, then Changed; inside an update
// bracket both stay silent and the bracket reports once.
#include "toolkit/TStringList.h"

#include <algorithm>
#include <numeric>

#include "toolkit/AnsiStrings.h"
#include "toolkit/EListError.h"

void TStringList::checkUnsorted() const {
    if (sorted_)
        throw EListError("Operation not allowed on sorted string list");
}

AnsiString TStringList::Strings(int Index) const {
    tk::checkListIndex(Index, Count());
    return items_[static_cast<size_t>(Index)].string;
}

void TStringList::SetStrings(int Index, const AnsiString& S) {
    checkUnsorted();
    tk::checkListIndex(Index, Count());
    Changing();
    items_[static_cast<size_t>(Index)].string = S;
    Changed();
}

void* TStringList::Objects(int Index) const {
    tk::checkListIndex(Index, Count());
    return items_[static_cast<size_t>(Index)].object;
}

void TStringList::SetObjects(int Index, void* AObject) {
    tk::checkListIndex(Index, Count());
    Changing();
    items_[static_cast<size_t>(Index)].object = AObject;
    Changed();
}

void TStringList::insertItem(int index, const AnsiString& s, void* object) {
    Changing();
    items_.insert(items_.begin() + index, Item{s, object});
    Changed();
}

int TStringList::Add(const AnsiString& S) { return AddObject(S, /*AObject=*/nullptr); }

int TStringList::AddObject(const AnsiString& S, void* AObject) {
    if (!sorted_) {
        const int index = Count();
        insertItem(index, S, AObject);
        return index;
    }
    int index = 0;
    if (Find(S, index)) {
        if (duplicates_ == dupIgnore)
            return index;
        if (duplicates_ == dupError)
            throw EListError("String list does not allow duplicates");
    }
    insertItem(index, S, AObject);
    return index;
}

void TStringList::Insert(int Index, const AnsiString& S) { InsertObject(Index, S, /*AObject=*/nullptr); }

void TStringList::InsertObject(int Index, const AnsiString& S, void* AObject) {
    checkUnsorted();
    tk::checkListIndex(Index, Count() + 1);
    insertItem(Index, S, AObject);
}

void TStringList::Delete(int Index) {
    tk::checkListIndex(Index, Count());
    Changing();
    items_.erase(items_.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty())
        return;
    Changing();
    items_.clear();
    Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
    checkUnsorted();
    tk::checkListIndex(Index1, Count());
    tk::checkListIndex(Index2, Count());
    Changing();
    std::swap(items_[static_cast<size_t>(Index1)], items_[static_cast<size_t>(Index2)]);
    Changed();
}

int TStringList::IndexOf(const AnsiString& S) const {
    if (!sorted_)
        return TStrings::IndexOf(S);
    int index = 0;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const AnsiString& S, int& Index) const {
    Index = 0;
    if (!sorted_)
        return false;
    const auto it = std::lower_bound(items_.begin(), items_.end(), S,
                                     [](const Item& item, const AnsiString& s) { return AnsiCompareText(item.string, s) < 0; });
    Index = static_cast<int>(it - items_.begin());
    return it != items_.end() && AnsiCompareText(it->string, S) == 0;
}

void TStringList::SetSorted(bool Value) {
    if (Value == sorted_)
        return;
    if (Value)
        Sort();
    sorted_ = Value;
}

void TStringList::Sort() {
    CustomSort([](TStringList* list, int a, int b) {
        return AnsiCompareText(list->items_[static_cast<size_t>(a)].string, list->items_[static_cast<size_t>(b)].string);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
    if (Count() < 2)
        return;
    // Sort positions, so that Compare sees the list as it was, then lay the items out anew.
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(this, a, b) < 0; });
    std::vector<Item> sortedItems;
    sortedItems.reserve(items_.size());
    for (int index : order)
        sortedItems.push_back(items_[static_cast<size_t>(index)]);
    Changing();
    items_ = std::move(sortedItems);
    Changed();
}

void TStringList::SetUpdateState(bool Updating) {
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}
