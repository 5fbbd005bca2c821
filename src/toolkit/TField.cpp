// The common part of every field: joining a dataset, reading and writing through it, validation,
// texts through the event handlers, and the events a field's changes send to the dataset.
#include "toolkit/TField.h"

#include <cstring>

#include "toolkit/AnsiStrings.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/TADTField.h"
#include "toolkit/TDataSet.h"

TField::TField(TComponent* AOwner, TFieldType DataType, int Size) : TComponent(AOwner), dataType_(DataType), size_(Size) {}

TField::~TField() {
    if (parentField_)
        parentField_->RemoveField(this);
    if (dataSet_)
        dataSet_->Fields().Remove(this);
}

void TField::SetDataSet(TDataSet* Value) {
    if (Value == dataSet_)
        return;
    if (dataSet_)
        dataSet_->CheckInactive();
    if (Value) {
        Value->CheckInactive();
        Value->CheckFieldName(fieldName_);
    }
    if (dataSet_)
        dataSet_->Fields().Remove(this);
    dataSet_ = Value;
    if (Value)
        Value->Fields().Add(this);
}

void TField::SetFieldName(const AnsiString& Value) {
    if (dataSet_ && !AnsiSameText(Value, fieldName_))
        dataSet_->CheckFieldName(Value);
    fieldName_ = Value;
    if (dataSet_)
        dataSet_->DataEvent(deFieldListChange, 0);
}

void TField::SetFieldKind(TFieldKind Value) {
    if (dataSet_)
        dataSet_->CheckInactive();
    fieldKind_ = Value;
}

void TField::SetSize(int Value) {
    if (dataSet_)
        dataSet_->CheckInactive();
    if (Value < 0)
        DatabaseError(tk::SInvalidFieldSize);
    size_ = Value;
}

int TField::Index() const { return dataSet_ ? dataSet_->Fields().IndexOf(this) : -1; }

void TField::SetIndex(int Value) {
    if (!dataSet_)
        return;
    dataSet_->Fields().SetFieldIndex(this, Value);
    PropertyChanged(true);
}

void TField::SetVisible(bool Value) {
    if (visible_ == Value)
        return;
    visible_ = Value;
    PropertyChanged(true);
}

void TField::SetDisplayWidth(int Value) {
    if (displayWidth_ == Value)
        return;
    displayWidth_ = Value;
    PropertyChanged(true);
}

void TField::PropertyChanged(bool LayoutAffected) {
    if (dataSet_ && dataSet_->Active())
        dataSet_->DataEvent(LayoutAffected ? deLayoutChange : deDataSetChange, 0);
}

bool TField::CanModify() const {
    if (fieldNo_ <= 0 || !dataSet_)
        return false;
    if (dataSet_->State() == dsSetKey)
        return IsIndexField();
    return !readOnly_ && dataSet_->CanModify();
}

bool TField::IsIndexField() const { return dataSet_ && dataSet_->GetIsIndexField(const_cast<TField*>(this)); }

bool TField::GetData(void* Buffer) const {
    if (!dataSet_)
        DatabaseErrorFmt(tk::SDataSetMissing, {DisplayName()});
    if (isValidating_) {
        if (validating_ && Buffer)
            std::memcpy(Buffer, validating_, std::size_t(DataSize()));
        return validating_ != nullptr;
    }
    return dataSet_->GetFieldData(const_cast<TField*>(this), Buffer);
}

void TField::SetData(const void* Buffer) {
    if (!dataSet_)
        DatabaseErrorFmt(tk::SDataSetMissing, {DisplayName()});
    dataSet_->SetFieldData(this, Buffer);
}

void TField::Validate(const void* Buffer) {
    if (!OnValidate)
        return;
    validating_ = Buffer;
    isValidating_ = true;
    try {
        OnValidate(this);
    } catch (...) {
        isValidating_ = false;
        throw;
    }
    isValidating_ = false;
}

AnsiString TField::AsString() const { AccessError("String"); }
void TField::SetAsString(const AnsiString&) { AccessError("String"); }
std::int32_t TField::AsInteger() const { AccessError("Integer"); }
void TField::SetAsInteger(std::int32_t) { AccessError("Integer"); }
double TField::AsFloat() const { AccessError("Float"); }
void TField::SetAsFloat(double) { AccessError("Float"); }
bool TField::AsBoolean() const { AccessError("Boolean"); }
void TField::SetAsBoolean(bool) { AccessError("Boolean"); }
TDateTime TField::AsDateTime() const { AccessError("DateTime"); }
void TField::SetAsDateTime(TDateTime) { AccessError("DateTime"); }

void TField::SetAsVariant(const Variant& Value) {
    if (Value.IsNull() || Value.IsEmpty())
        Clear();
    else
        SetVarValue(Value);
}

Variant TField::OldValue() const {
    if (!dataSet_)
        DatabaseErrorFmt(tk::SDataSetMissing, {DisplayName()});
    return dataSet_->GetStateFieldValue(dsOldValue, const_cast<TField*>(this));
}

void TField::GetText(AnsiString& Text, bool) const { Text = AsString(); }

AnsiString TField::textOf(bool display) const {
    AnsiString text;
    if (OnGetText)
        OnGetText(const_cast<TField*>(this), text, display);
    else
        GetText(text, display);
    return text;
}

void TField::SetText(const AnsiString& Value) {
    if (OnSetText)
        OnSetText(this, Value);
    else
        SetTextValue(Value);
}

void TField::Assign(const TPersistent& Source) {
    if (const auto* field = dynamic_cast<const TField*>(&Source)) {
        SetAsVariant(field->AsVariant());
        return;
    }
    TComponent::Assign(Source);
}

void TField::Change() {
    if (OnChange)
        OnChange(this);
}

void TField::FocusControl() {
    if (!dataSet_ || !dataSet_->Active())
        return;
    TField* field = this;
    dataSet_->DataEvent(deFocusControl, reinterpret_cast<std::intptr_t>(&field));
}

void TField::AccessError(const char* TypeName) const { DatabaseErrorFmt(tk::SFieldAccessError, {DisplayName(), TypeName}); }

void TField::RangeError(double Value, double Min, double Max) const {
    DatabaseErrorFmt("%g is not a valid value for field '%s'. The allowed range is %g to %g", {Value, DisplayName(), Min, Max});
}
