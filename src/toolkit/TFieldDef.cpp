// Field definitions and the field class made for each field type.
#include "toolkit/TFieldDef.h"

#include "toolkit/DatabaseError.h"
#include "toolkit/TADTField.h"
#include "toolkit/TAutoIncField.h"
#include "toolkit/TBooleanField.h"
#include "toolkit/TBytesField.h"
#include "toolkit/TCurrencyField.h"
#include "toolkit/TDataSet.h"
#include "toolkit/TDateField.h"
#include "toolkit/TFieldDefs.h"
#include "toolkit/TFloatField.h"
#include "toolkit/TGraphicField.h"
#include "toolkit/TMemoField.h"
#include "toolkit/TSmallintField.h"
#include "toolkit/TStringField.h"
#include "toolkit/TTimeField.h"
#include "toolkit/TWordField.h"

namespace {

TField* newField(TFieldType type, TComponent* owner) {
    switch (type) {
    case ftString:
    case ftFixedChar:
        return new TStringField(owner);
    case ftSmallint:
        return new TSmallintField(owner);
    case ftInteger:
        return new TIntegerField(owner);
    case ftWord:
        return new TWordField(owner);
    case ftAutoInc:
        return new TAutoIncField(owner);
    case ftBoolean:
        return new TBooleanField(owner);
    case ftFloat:
        return new TFloatField(owner);
    case ftCurrency:
        return new TCurrencyField(owner);
    case ftDate:
        return new TDateField(owner);
    case ftTime:
        return new TTimeField(owner);
    case ftDateTime:
        return new TDateTimeField(owner);
    case ftBytes:
        return new TBytesField(owner);
    case ftBlob:
    case ftTypedBinary:
        return new TBlobField(owner);
    case ftMemo:
    case ftFmtMemo:
        return new TMemoField(owner);
    case ftGraphic:
        return new TGraphicField(owner);
    case ftADT:
        return new TADTField(owner);
    default:
        return nullptr;
    }
}

} // namespace

TFieldDef::TFieldDef(TCollection* Collection) : TNamedItem(Collection) {}

TField* TFieldDef::CreateField(TComponent* Owner) const {
    TField* field = newField(dataType_, Owner);
    if (!field)
        DatabaseErrorFmt("Field '%s' is of an unknown type", {Name()});
    try {
        if (field->IsBlob() || dataType_ == ftString || dataType_ == ftFixedChar || dataType_ == ftBytes)
            field->SetSize(size_);
        field->SetFieldName(Name());
        field->SetRequired(required_);
        if (auto* defs = dynamic_cast<TFieldDefs*>(Collection()))
            field->SetDataSet(defs->DataSet());
    } catch (...) {
        delete field;
        throw;
    }
    return field;
}

void TFieldDef::Assign(const TPersistent& Source) {
    const auto* def = dynamic_cast<const TFieldDef*>(&Source);
    if (!def) {
        TNamedItem::Assign(Source);
        return;
    }
    SetName(def->Name());
    dataType_ = def->dataType_;
    size_ = def->size_;
    fieldNo_ = def->fieldNo_;
    required_ = def->required_;
}
