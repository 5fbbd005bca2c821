// The common part of a dataset's field and index definitions: named items, the dataset they
// describe, whether they still match it (Updated), and the report of their changes to it.
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

    // While one is alive the dataset is reading the definitions from its source: that refill is
    // what the source says, not a change of the definitions, and is not reported.
    class Reading {
    public:
        explicit Reading(TDefCollection& Defs) : defs_(Defs) { ++defs_.readCount_; }
        ~Reading() { --defs_.readCount_; }
        Reading(const Reading&) = delete;
        Reading& operator=(const Reading&) = delete;

    private:
        TDefCollection& defs_;
    };

protected:
    // NotFound is the message of Find, with "%s" for the name.
    TDefCollection(TCollectionItemClass ItemClass, TDataSet* ADataSet, const char* NotFound);
    // Reports a change to the dataset's DefChanged, unless the dataset is reading the definitions.
    void Update(TCollectionItem* Item) override;

private:
    TDataSet* dataSet_;
    const char* notFound_;
    bool updated_ = false;
    int readCount_ = 0;
};
