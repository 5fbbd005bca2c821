// The string list that stores its strings with their objects. Sorted, it keeps them in
// AnsiCompareText order (insertion by binary search) and refuses or ignores repeats as
// Duplicates says. OnChanging and OnChange fire around every change, once per update bracket.
#pragma once

#include <functional>
#include <vector>

#include "toolkit/TDuplicates.h"
#include "toolkit/TNotifyEvent.h"
#include "toolkit/TStrings.h"

class TStringList;

// Negative, zero or positive for the strings at Index1 and Index2.
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStringList : public TStrings {
public:
    int Count() const override { return static_cast<int>(items_.size()); }
    AnsiString Strings(int Index) const override;
    // Raises EListError on a sorted list.
    void SetStrings(int Index, const AnsiString& S) override;
    void* Objects(int Index) const override;
    void SetObjects(int Index, void* AObject) override;

    // On a sorted list the string goes to its place; a repeat is ignored (its index returned) or
    // raises, as Duplicates says.
    int Add(const AnsiString& S) override;
    // A repeat that is ignored keeps the object it had.
    int AddObject(const AnsiString& S, void* AObject) override;
    // Raise EListError on a sorted list.
    void Insert(int Index, const AnsiString& S) override;
    void InsertObject(int Index, const AnsiString& S, void* AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    // Raises EListError on a sorted list.
    void Exchange(int Index1, int Index2);

    int IndexOf(const AnsiString& S) const override;
    // Binary search of a sorted list: True when S is there; Index is then its first position,
    // otherwise where it would go. Answers False with Index 0 on an unsorted list.
    bool Find(const AnsiString& S, int& Index) const;

    bool Sorted() const { return sorted_; }
    // Switching it on sorts the list.
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }

    void Sort();
    void CustomSort(const TStringListSortCompare& Compare);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool Updating) override;
    virtual void Changing();
    virtual void Changed();

private:
    struct Item {
        AnsiString string;
        void* object = nullptr;
    };

    void checkUnsorted() const;
    void insertItem(int index, const AnsiString& s, void* object);

    std::vector<Item> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = dupIgnore;
};
