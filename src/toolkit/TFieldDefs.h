// The field definitions of a dataset. Updated tells whether they match the open cursor; Update
// asks the dataset to read them again.
#pragma once

#include "toolkit/TDefCollection.h"
#include "toolkit/TFieldDef.h"

class TFieldDefs : public TDefCollection {
public:
    explicit TFieldDefs(TDataSet* ADataSet);

    TFieldDef* Items(int Index) const { return static_cast<TFieldDef*>(TCollection::Items(Index)); }
    TFieldDef* operator[](int Index) const { return Items(Index); }

    TFieldDef* Add(const AnsiString& Name, TFieldType DataType, int Size = 0, bool Required = false);
    // Raises EDatabaseError "Field '<name>' not found".
    TFieldDef* Find(const AnsiString& Name) const { return static_cast<TFieldDef*>(TDefCollection::Find(Name)); }

    // The collection's own Update(Item), hearing of an item's change, stays callable beside it.
    using TDefCollection::Update;
    // Reads the definitions through the dataset's InitFieldDefs unless they are up to date.
    void Update();
};
