// The field definitions of a dataset. Updated tells whether they match the open cursor; Update
// asks the dataset to read them again.
#pragma once

#include "toolkit/TCollection.h"
#include "toolkit/TFieldDef.h"

class TDataSet;

class TFieldDefs : public TCollection {
public:
    explicit TFieldDefs(TDataSet* ADataSet);

    TDataSet* DataSet() const { return dataSet_; }
    TFieldDef* Items(int Index) const;
    TFieldDef* operator[](int Index) const { return Items(Index); }

    TFieldDef* Add(const AnsiString& Name, TFieldType DataType, int Size = 0, bool Required = false);
    // Without case; -1 when absent.
    int IndexOf(const AnsiString& Name) const;
    // Raises EDatabaseError "Field '<name>' not found".
    TFieldDef* Find(const AnsiString& Name) const;

    bool Updated() const { return updated_; }
    void SetUpdated(bool Value) { updated_ = Value; }
    // Reads the definitions through the dataset's InitFieldDefs unless they are up to date.
    void Update();

private:
    TDataSet* dataSet_;
    bool updated_ = false;
};
