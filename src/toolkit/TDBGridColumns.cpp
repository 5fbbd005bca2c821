// The data grid's column set: default columns from the fields, customised ones kept.
#include "toolkit/TDBGridColumns.h"

#include "toolkit/TADTField.h"
#include "toolkit/TColumn.h"
#include "toolkit/TDBGrid.h"
#include "toolkit/TDataSet.h"

TDBGridColumns::TDBGridColumns(TDBGrid* Grid) : TCollection(tk::itemClass<TColumn>(), Grid), grid_(Grid) {}

TColumn* TDBGridColumns::Items(int Index) const { return static_cast<TColumn*>(TCollection::Items(Index)); }

TColumn* TDBGridColumns::Add() {
    state_ = csCustomized;
    return static_cast<TColumn*>(TCollection::Add());
}

void TDBGridColumns::SetState(TDBGridColumnsState Value) {
    if (state_ == Value)
        return;
    state_ = Value;
    if (Value == csDefault)
        RebuildColumns();
}

void TDBGridColumns::RebuildColumns() {
    rebuilding_ = true;
    BeginUpdate();
    try {
        if (state_ == csDefault) {
            Clear();
            if (grid_->linkActive()) {
                const TDataSet* dataSet = grid_->dataSet();
                for (int i = 0; i < dataSet->FieldCount(); ++i) {
                    TField* field = dataSet->Fields()[i];
                    // Under ObjectView a part shows beneath its object field; otherwise the object
                    // field, which holds no value, stays out and its parts show flat.
                    const bool objectView = dataSet->ObjectView();
                    if (objectView ? field->ParentField() != nullptr : field->DataType() == ftADT)
                        continue;
                    addFieldColumns(field, nullptr);
                }
            }
        } else {
            for (int i = 0; i < Count(); ++i)
                Items(i)->field_ = nullptr;
        }
    } catch (...) {
        EndUpdate();
        rebuilding_ = false;
        throw;
    }
    EndUpdate();
    rebuilding_ = false;
}

void TDBGridColumns::addFieldColumns(TField* field, TColumn* parent) {
    if (!field->Visible())
        return;
    auto* column = static_cast<TColumn*>(TCollection::Add());
    column->fieldName_ = field->FieldName();
    column->parentColumn_ = parent;
    const auto* object = dynamic_cast<const TADTField*>(field);
    if (!object || !field->DataSet()->ObjectView())
        return;
    for (int i = 0; i < object->FieldCount(); ++i)
        addFieldColumns(object->Fields(i), column);
}

// A change of the columns themselves lays the grid out again; only a change of the dataset's
// fields rebuilds default columns.
void TDBGridColumns::Update(TCollectionItem*) {
    if (!rebuilding_)
        grid_->LayoutGrid();
}
