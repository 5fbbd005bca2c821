// The field: one column of a dataset as the program sees it. It keeps no value of its own: every
// read and write goes to the dataset's record buffer of the current state through GetFieldData
// and SetFieldData, in the field-buffer form of its type; the typed descendants convert.
#pragma once

#include <cstdint>
#include <functional>

#include "toolkit/DataSetTypes.h"
#include "toolkit/TComponent.h"
#include "toolkit/TDateTime.h"
#include "toolkit/Variant.h"

class TADTField;
class TDataSet;
class TField;

using TFieldNotifyEvent = std::function<void(TField* Sender)>;
using TFieldGetTextEvent = std::function<void(TField* Sender, AnsiString& Text, bool DisplayText)>;
using TFieldSetTextEvent = std::function<void(TField* Sender, const AnsiString& Text)>;

class TField : public TComponent {
public:
    ~TField() override;

    TDataSet* DataSet() const { return dataSet_; }
    // Leaves the old dataset's Fields and joins the new one's; both must be closed.
    void SetDataSet(TDataSet* Value);

    const AnsiString& FieldName() const { return fieldName_; }
    void SetFieldName(const AnsiString& Value);
    const AnsiString& DisplayLabel() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
    void SetDisplayLabel(const AnsiString& Value) { displayLabel_ = Value; }
    // DisplayLabel, or FieldName when no label is set: the name in messages.
    const AnsiString& DisplayName() const { return DisplayLabel(); }

    // Engine field number from 1 while bound; calculated fields have -1, unbound fields 0.
    int FieldNo() const { return fieldNo_; }
    TFieldKind FieldKind() const { return fieldKind_; }
    void SetFieldKind(TFieldKind Value);
    TFieldType DataType() const { return dataType_; }
    int Size() const { return size_; }
    void SetSize(int Value);
    // Bytes of the field-buffer form (string Size + 1, Boolean 2, Integer 4, Float 8, ...).
    virtual int DataSize() const = 0;
    // Calculated fields: offset of the not-null byte in the calculated-field area. Blob fields:
    // the blob index, 0 .. BlobFieldCount - 1.
    int Offset() const { return offset_; }
    // The object field this field is a part of, or null.
    TADTField* ParentField() const { return parentField_; }
    // Position in the dataset's Fields.
    int Index() const;
    void SetIndex(int Value);

    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    // Characters a grid column shows; the type's default until set.
    int DisplayWidth() const { return displayWidth_ > 0 ? displayWidth_ : GetDefaultWidth(); }
    void SetDisplayWidth(int Value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value) { readOnly_ = Value; }
    bool Required() const { return required_; }
    void SetRequired(bool Value) { required_ = Value; }
    const AnsiString& DefaultExpression() const { return defaultExpression_; }
    void SetDefaultExpression(const AnsiString& Value) { defaultExpression_ = Value; }
    TProviderFlags ProviderFlags() const { return providerFlags_; }
    void SetProviderFlags(TProviderFlags Value) { providerFlags_ = Value; }

    // Not read-only, a data field or a calculated one, and the dataset can be modified (in key
    // editing: the field belongs to the index).
    bool CanModify() const;
    bool IsIndexField() const;
    bool IsNull() const { return !GetData(nullptr); }
    virtual bool IsBlob() const { return false; }

    // Field-buffer access through the dataset; GetData answers whether there is a value, and
    // Buffer may be null to ask only that. SetData(nullptr) stores null.
    bool GetData(void* Buffer) const;
    void SetData(const void* Buffer);
    // Runs OnValidate with Buffer as the field's value for the handler's reads.
    void Validate(const void* Buffer);
    virtual void Clear() { SetData(nullptr); }

    virtual AnsiString AsString() const;
    virtual void SetAsString(const AnsiString& Value);
    virtual std::int32_t AsInteger() const;
    virtual void SetAsInteger(std::int32_t Value);
    virtual double AsFloat() const;
    virtual void SetAsFloat(double Value);
    virtual bool AsBoolean() const;
    virtual void SetAsBoolean(bool Value);
    virtual TDateTime AsDateTime() const;
    virtual void SetAsDateTime(TDateTime Value);
    double AsCurrency() const { return AsFloat(); }
    void SetAsCurrency(double Value) { SetAsFloat(Value); }
    // Null for a null field, else the value in its natural variant type.
    Variant AsVariant() const { return IsNull() ? Variant::Null() : GetAsVariant(); }
    // Null or unassigned clears the field.
    void SetAsVariant(const Variant& Value);
    Variant Value() const { return AsVariant(); }
    void SetValue(const Variant& Value) { SetAsVariant(Value); }
    // The value the record had when editing began.
    Variant OldValue() const;

    // Texts through OnGetText / OnSetText when assigned.
    AnsiString Text() const { return textOf(false); }
    void SetText(const AnsiString& Value);
    AnsiString DisplayText() const { return textOf(true); }

    // Copies another field's value (null included); other sources as TPersistent does.
    void Assign(const TPersistent& Source) override;
    void AssignValue(const Variant& Value) { SetAsVariant(Value); }

    // Fires OnChange (the dataset calls it after a change of this field's value).
    void Change();
    // Asks the controls linked to the dataset to focus this field.
    void FocusControl();

    TFieldNotifyEvent OnChange;
    TFieldNotifyEvent OnValidate;
    TFieldGetTextEvent OnGetText;
    TFieldSetTextEvent OnSetText;

protected:
    TField(TComponent* AOwner, TFieldType DataType, int Size = 0);

    virtual Variant GetAsVariant() const = 0;
    // Converts to the type of the field; the typed setters raise for a value of no meaning.
    virtual void SetVarValue(const Variant& Value) = 0;
    virtual void GetText(AnsiString& Text, bool DisplayText) const;
    virtual void SetTextValue(const AnsiString& Value) { SetAsString(Value); }
    virtual int GetDefaultWidth() const { return 10; }
    void SetDataType(TFieldType Value) { dataType_ = Value; }
    // Raises EDatabaseError "Cannot access field '<name>' as type <TypeName>".
    [[noreturn]] void AccessError(const char* TypeName) const;
    // Raises EDatabaseError for a value outside Min .. Max.
    [[noreturn]] void RangeError(double Value, double Min, double Max) const;
    // Tells the linked controls to redraw (deDataSetChange) or to lay out again (deLayoutChange).
    void PropertyChanged(bool LayoutAffected);

private:
    friend class TADTField;
    friend class TDataSet;
    friend class TFields;
    AnsiString textOf(bool display) const;

    TDataSet* dataSet_ = nullptr;
    TADTField* parentField_ = nullptr;
    AnsiString fieldName_;
    AnsiString displayLabel_;
    AnsiString defaultExpression_;
    TFieldType dataType_;
    TFieldKind fieldKind_ = fkData;
    TProviderFlags providerFlags_ = pfInWhere | pfInUpdate;
    int size_;
    int fieldNo_ = 0;
    int offset_ = 0;
    int displayWidth_ = 0;
    bool visible_ = true;
    bool readOnly_ = false;
    bool required_ = false;
    const void* validating_ = nullptr; // the value under OnValidate, read by GetData
    bool isValidating_ = false;
};
