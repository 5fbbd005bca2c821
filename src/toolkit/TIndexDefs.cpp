// The index definition collection and its look-up by field list.
#include "toolkit/TIndexDefs.h"

#include "toolkit/AnsiStrings.h"
#include "toolkit/TDataSet.h"

TIndexDefs::TIndexDefs(TDataSet* ADataSet) : TDefCollection(tk::itemClass<TIndexDef>(), ADataSet, "Index '%s' not found") {}

TIndexDef* TIndexDefs::Add(const AnsiString& Name, const AnsiString& Fields, TIndexOptions Options) {
    auto* def = static_cast<TIndexDef*>(TCollection::Add());
    def->SetName(Name);
    def->SetFields(Fields);
    def->SetOptions(Options);
    return def;
}

TIndexDef* TIndexDefs::GetIndexForFields(const AnsiString& Fields, bool CaseInsensitive) const {
    const std::size_t length = Fields.size();
    for (int i = 0; i < Count(); ++i) {
        TIndexDef* def = Items(i);
        if (CaseInsensitive && !(def->Options() & ixCaseInsensitive))
            continue;
        const AnsiString& own = def->Fields();
        const bool startsWith = own.size() >= length && AnsiSameText(own.substr(0, length), Fields);
        if (startsWith && (own.size() == length || own[length] == ';'))
            return def;
    }
    return nullptr;
}

void TIndexDefs::Update() {
    if (DataSet())
        DataSet()->UpdateIndexDefs();
}

std::unique_ptr<TIndexDefs> GetIndexDefs(const TIndexDefs& IndexDefs, TIndexOptions IndexTypes) {
    auto result = std::make_unique<TIndexDefs>(nullptr);
    for (int i = 0; i < IndexDefs.Count(); ++i) {
        const TIndexDef* def = IndexDefs[i];
        if (IndexTypes == 0 || (def->Options() & IndexTypes))
            result->Add(def->Name(), def->Fields(), def->Options());
    }
    return result;
}
