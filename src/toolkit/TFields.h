// The fields of one dataset in their order: the list behind Fields[i], FieldByName and the
// grid's columns. Fields join and leave it through TField::SetDataSet.
#pragma once

#include <vector>

#include "toolkit/AnsiString.h"

class TDataSet;
class TField;

class TFields {
public:
    explicit TFields(TDataSet* ADataSet) : dataSet_(ADataSet) {}
    TFields(const TFields&) = delete;
    TFields& operator=(const TFields&) = delete;

    int Count() const { return static_cast<int>(fields_.size()); }
    // Raises EDatabaseError "Field index out of range".
    TField* Fields(int Index) const;
    TField* operator[](int Index) const { return Fields(Index); }
    int IndexOf(const TField* Field) const;

    // Without case; null when absent.
    TField* FindField(const AnsiString& FieldName) const;
    // Raises EDatabaseError "Field '<name>' not found" (with the dataset's name).
    TField* FieldByName(const AnsiString& FieldName) const;

    void Add(TField* Field);
    void Remove(TField* Field);
    // Frees every field (a field leaves the list as it is freed).
    void Clear();
    void SetFieldIndex(TField* Field, int Value);

private:
    void changed();

    TDataSet* dataSet_;
    std::vector<TField*> fields_;
};
