// The common part of a dataset's field and index definitions: named items, the dataset they
// describe, and whether they still match it (Updated).
#pragma once

#include "toolkit/TCollection.h"
#include "toolkit/TNamedItem.h"

class TDataSet;

class TDefCollection : public TCollection {
public:
    TDataSet* DataSet() const { return dataSet_; }
    TNamedItem* Items(int Index) const { return static_cast<TNamedItem*>(TCollection::Items(Index)); }

    // Without case; -1 when absent.
    int IndexOf(const AnsiString& Name) const;
    // Raises EDatabaseError with the collection's not-found message (naming the dataset).
    TNamedItem* Find(const AnsiString& Name) const;

    bool Updated() const { return updated_; }
    void SetUpdated(bool Value) { updated_ = Value; }

protected:
    // NotFound is the message of Find, with "%s" for the name.
    TDefCollection(TCollectionItemClass ItemClass, TDataSet* ADataSet, const char* NotFound);

private:
    TDataSet* dataSet_;
    const char* notFound_;
    bool updated_ = false;
};
