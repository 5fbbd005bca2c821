// The field list of a dataset; every change of its membership or order is a field-list change.
#include "toolkit/TFields.h"

#include <algorithm>

#include "toolkit/AnsiStrings.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/TDataSet.h"
#include "toolkit/TField.h"

TField* TFields::Fields(int Index) const {
    if (Index < 0 || Index >= Count())
        DatabaseError(tk::SFieldIndexError, dataSet_);
    return fields_[std::size_t(Index)];
}

int TFields::IndexOf(const TField* Field) const {
    const auto it = std::find(fields_.begin(), fields_.end(), Field);
    return it == fields_.end() ? -1 : static_cast<int>(it - fields_.begin());
}

TField* TFields::FindField(const AnsiString& FieldName) const {
    for (TField* field : fields_)
        if (AnsiSameText(field->FieldName(), FieldName))
            return field;
    return nullptr;
}

TField* TFields::FieldByName(const AnsiString& FieldName) const {
    TField* field = FindField(FieldName);
    if (!field)
        DatabaseErrorFmt(tk::SFieldNotFound, {FieldName}, dataSet_);
    return field;
}

void TFields::Add(TField* Field) {
    fields_.push_back(Field);
    changed();
}

void TFields::Remove(TField* Field) {
    const auto it = std::find(fields_.begin(), fields_.end(), Field);
    if (it == fields_.end())
        return;
    fields_.erase(it);
    Field->dataSet_ = nullptr;
    changed();
}

void TFields::Clear() {
    while (!fields_.empty())
        delete fields_.back();
}

void TFields::SetFieldIndex(TField* Field, int Value) {
    const int current = IndexOf(Field);
    if (current < 0)
        return;
    Value = std::clamp(Value, 0, Count() - 1);
    if (Value == current)
        return;
    fields_.erase(fields_.begin() + current);
    fields_.insert(fields_.begin() + Value, Field);
    changed();
}

void TFields::changed() {
    if (dataSet_ && !(dataSet_->ComponentState() & csDestroying))
        dataSet_->DataEvent(deFieldListChange, 0);
}
