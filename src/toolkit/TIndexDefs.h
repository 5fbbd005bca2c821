// The index definitions of a dataset. Updated tells whether they match the source; Update asks the
// dataset (UpdateIndexDefs) to read them again.
#pragma once

#include <memory>

#include "toolkit/TCollection.h"
#include "toolkit/TIndexDef.h"

class TDataSet;

class TIndexDefs : public TCollection {
public:
    explicit TIndexDefs(TDataSet* ADataSet);

    TDataSet* DataSet() const { return dataSet_; }
    TIndexDef* Items(int Index) const;
    TIndexDef* operator[](int Index) const { return Items(Index); }

    TIndexDef* Add(const AnsiString& Name, const AnsiString& Fields, TIndexOptions Options);
    // Without case; -1 when absent.
    int IndexOf(const AnsiString& Name) const;
    // Raises EDatabaseError "Index '<name>' not found".
    TIndexDef* Find(const AnsiString& Name) const;
    // The first definition whose field list equals Fields or begins with it at a field boundary
    // (names compared without case); with CaseInsensitive only ixCaseInsensitive ones. Null
    // when none.
    TIndexDef* GetIndexForFields(const AnsiString& Fields, bool CaseInsensitive) const;

    bool Updated() const { return updated_; }
    void SetUpdated(bool Value) { updated_ = Value; }
    // Reads the definitions through the dataset's UpdateIndexDefs.
    void Update();

private:
    TDataSet* dataSet_;
    bool updated_ = false;
};

// A new collection (without dataset) of copies of the definitions that have one of IndexTypes'
// options; every definition when IndexTypes is empty. The caller owns it.
std::unique_ptr<TIndexDefs> GetIndexDefs(const TIndexDefs& IndexDefs, TIndexOptions IndexTypes);
