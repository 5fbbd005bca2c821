// The field definition collection of a dataset.
#include "toolkit/TFieldDefs.h"

#include "toolkit/DatabaseError.h"
#include "toolkit/IndexOfName.h"
#include "toolkit/TDataSet.h"

TFieldDefs::TFieldDefs(TDataSet* ADataSet) : TCollection(tk::itemClass<TFieldDef>(), ADataSet), dataSet_(ADataSet) {}

TFieldDef* TFieldDefs::Items(int Index) const { return static_cast<TFieldDef*>(TCollection::Items(Index)); }

TFieldDef* TFieldDefs::Add(const AnsiString& Name, TFieldType DataType, int Size, bool Required) {
    auto* def = static_cast<TFieldDef*>(TCollection::Add());
    def->SetName(Name);
    def->SetDataType(DataType);
    def->SetSize(Size);
    def->SetRequired(Required);
    return def;
}

int TFieldDefs::IndexOf(const AnsiString& Name) const { return tk::indexOfName(*this, Name); }

TFieldDef* TFieldDefs::Find(const AnsiString& Name) const {
    const int i = IndexOf(Name);
    if (i < 0)
        DatabaseErrorFmt(tk::SFieldNotFound, {Name}, dataSet_);
    return Items(i);
}

void TFieldDefs::Update() {
    if (updated_ || !dataSet_)
        return;
    dataSet_->InitFieldDefs();
    updated_ = true;
}
