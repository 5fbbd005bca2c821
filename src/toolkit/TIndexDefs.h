// The index definitions of a dataset. Updated tells whether they match the source; Update asks the
// dataset (UpdateIndexDefs) to read them again.
#pragma once

#include <memory>

#include "toolkit/TDefCollection.h"
#include "toolkit/TIndexDef.h"

class TIndexDefs : public TDefCollection {
public:
    explicit TIndexDefs(TDataSet* ADataSet);

    TIndexDef* Items(int Index) const { return static_cast<TIndexDef*>(TCollection::Items(Index)); }
    TIndexDef* operator[](int Index) const { return Items(Index); }

    TIndexDef* Add(const AnsiString& Name, const AnsiString& Fields, TIndexOptions Options);
    // Raises EDatabaseError "Index '<name>' not found".
    TIndexDef* Find(const AnsiString& Name) const { return static_cast<TIndexDef*>(TDefCollection::Find(Name)); }
    // The first definition whose field list equals Fields or begins with it at a field boundary
    // (names compared without case); with CaseInsensitive only ixCaseInsensitive ones. Null
    // when none.
    TIndexDef* GetIndexForFields(const AnsiString& Fields, bool CaseInsensitive) const;

    // The collection's own Update(Item), hearing of an item's change, stays callable beside it.
    using TDefCollection::Update;
    // Reads the definitions through the dataset's UpdateIndexDefs.
    void Update();
};

// A new collection (without dataset) of copies of the definitions that have one of IndexTypes'
// options; every definition when IndexTypes is empty. The caller owns it.
std::unique_ptr<TIndexDefs> GetIndexDefs(const TIndexDefs& IndexDefs, TIndexOptions IndexTypes);
