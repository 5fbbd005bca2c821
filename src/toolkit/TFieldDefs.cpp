// The field definition collection of a dataset.
#include "toolkit/TFieldDefs.h"

#include "toolkit/DatabaseError.h"
#include "toolkit/TDataSet.h"

TFieldDefs::TFieldDefs(TDataSet* ADataSet) : TDefCollection(tk::itemClass<TFieldDef>(), ADataSet, tk::SFieldNotFound) {}

TFieldDef* TFieldDefs::Add(const AnsiString& Name, TFieldType DataType, int Size, bool Required) {
    auto* def = static_cast<TFieldDef*>(TCollection::Add());
    def->SetName(Name);
    def->SetDataType(DataType);
    def->SetSize(Size);
    def->SetRequired(Required);
    return def;
}

void TFieldDefs::Update() {
    if (Updated() || !DataSet())
        return;
    DataSet()->InitFieldDefs();
    SetUpdated(true);
}
