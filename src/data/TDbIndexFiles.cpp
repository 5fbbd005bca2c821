// The index-file list of a table.
#include "data/TDbIndexFiles.h"

#include "data/TDbDataSet.h"

bool TDbIndexFiles::isOpen() const { return dataSet_ != nullptr && dataSet_->Active(); }

void TDbIndexFiles::indexDefsChanged() {
    if (dataSet_ != nullptr)
        dataSet_->IndexDefs().SetUpdated(false);
}

int TDbIndexFiles::Add(const AnsiString& S) {
    if (isOpen())
        dataSet_->AddIndexFile(S);
    const int index = TStringList::Add(S);
    indexDefsChanged();
    return index;
}

void TDbIndexFiles::Insert(int Index, const AnsiString& S) {
    TStringList::Insert(Index, S);
    if (isOpen())
        dataSet_->AddIndexFile(S);
    indexDefsChanged();
}

void TDbIndexFiles::Delete(int Index) {
    if (isOpen())
        dataSet_->RemoveIndexFile(Strings(Index));
    TStringList::Delete(Index);
    indexDefsChanged();
}

void TDbIndexFiles::Clear() {
    if (isOpen())
        for (int i = 0; i < Count(); ++i)
            dataSet_->RemoveIndexFile(Strings(i));
    TStringList::Clear();
}
