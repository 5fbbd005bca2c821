// The provider answers of a table: its name, its command text, its index definitions, its
// default order and its key fields, all taken from the table's own properties and indexes; its
// parameters as a range, and the fields of its master link.
#include "data/TDbTable.h"

#include <algorithm>

#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"
#include "toolkit/TParams.h"

namespace {

// Whether every field of a ";"-separated list exists in the dataset.
bool hasAllFields(const TDataSet& dataSet, const AnsiString& fields) {
    std::size_t start = 0;
    while (start <= fields.size()) {
        const std::size_t end = std::min(fields.find(';', start), fields.size());
        if (dataSet.FindField(fields.substr(start, end - start)) == nullptr)
            return false;
        start = end + 1;
    }
    return true;
}

// The first definition with the option whose fields all exist, or null.
const TIndexDef* firstWith(const TIndexDefs& defs, TIndexOptions option, const TDataSet& dataSet) {
    for (int i = 0; i < defs.Count(); ++i)
        if ((defs[i]->Options() & option) && hasAllFields(dataSet, defs[i]->Fields()))
            return defs[i];
    return nullptr;
}

} // namespace

AnsiString TDbTable::PSGetTableName() {
    const std::size_t size = tableName_.size();
    if (size > 4 && tableName_[size - 4] == '.')
        return tableName_.substr(0, size - 4);
    return tableName_;
}

void TDbTable::PSSetCommandText(const AnsiString& CommandText) {
    if (!CommandText.empty())
        SetTableName(CommandText);
}

std::unique_ptr<TIndexDefs> TDbTable::PSGetIndexDefs(TIndexOptions IndexTypes) {
    return GetIndexDefs(IndexDefs(), IndexTypes);
}

std::unique_ptr<TIndexDef> TDbTable::PSGetDefaultOrder() {
    IndexDefs().Update();
    const TIndexDef* chosen = nullptr;
    if (!IndexName().empty())
        chosen = IndexDefs().Find(IndexName());
    else if (!IndexFieldNames().empty() && hasAllFields(*this, IndexFieldNames()))
        chosen = IndexDefs().GetIndexForFields(IndexFieldNames(), /*CaseInsensitive=*/false);
    if (chosen == nullptr)
        chosen = firstWith(IndexDefs(), ixPrimary, *this);
    if (chosen == nullptr)
        chosen = firstWith(IndexDefs(), ixUnique, *this);
    if (chosen == nullptr)
        return nullptr;
    auto copy = std::make_unique<TIndexDef>(nullptr);
    copy->Assign(*chosen);
    return copy;
}

AnsiString TDbTable::PSGetKeyFields() {
    AnsiString keys = TDbExtendedTable::PSGetKeyFields();
    if (!keys.empty() || !Exists())
        return keys;
    IndexDefs().Update();
    const TIndexDef* unique = firstWith(IndexDefs(), ixUnique, *this);
    return unique != nullptr ? unique->Fields() : AnsiString();
}

void TDbTable::PSSetParams(TParams* AParams) {
    if (AParams != nullptr && AParams->Count() > 0) {
        Open();
        // A named parameter fills the field of its name, an unnamed one the index field at its place.
        const auto setKey = [&] {
            for (int i = 0; i < AParams->Count(); ++i) {
                const TParam& param = *AParams->Items(i);
                TField* field = param.Name().empty() ? GetSegmentField(i) : FieldByName(param.Name());
                field->SetValue(param.Value());
            }
        };
        SetRangeStart();
        setKey();
        SetRangeEnd();
        setKey();
        ApplyRange();
    } else if (Active()) {
        CancelRange();
    }
    PSReset();
}

void TDbTable::GetDetailLinkFields(std::vector<TField*>& MasterFieldList, std::vector<TField*>& DetailFields) {
    MasterFieldList.clear();
    DetailFields.clear();
    TDataSet* master = MasterSource() != nullptr ? MasterSource()->DataSet() : nullptr;
    if (master == nullptr || MasterFields().empty())
        return;
    master->GetFieldList(MasterFieldList, MasterFields());
    IndexDefs().Update();
    const TIndexDef* index = !IndexName().empty() ? IndexDefs().Find(IndexName())
                                                  : IndexDefs().GetIndexForFields(IndexFieldNames(), false);
    if (index != nullptr)
        GetFieldList(DetailFields, index->Fields());
}
