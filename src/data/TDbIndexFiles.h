// The index files a table opens with itself. While the table is open, adding a name opens the
// file and deleting one closes it; every change marks the table's index definitions out of date.
#pragma once

#include "toolkit/TStringList.h"

class TDbDataSet;

class TDbIndexFiles : public TStringList {
public:
    explicit TDbIndexFiles(TDbDataSet* DataSet) : dataSet_(DataSet) {}

    // Opens the file first, then adds the name.
    int Add(const AnsiString& S) override;
    // Inserts the name, then opens the file.
    void Insert(int Index, const AnsiString& S) override;
    // Closes the file first, then deletes the name.
    void Delete(int Index) override;
    // Closes every listed file, then empties the list.
    void Clear() override;

private:
    bool isOpen() const;
    void indexDefsChanged();

    TDbDataSet* dataSet_;
};
