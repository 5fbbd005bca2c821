// The description of one field of an open cursor, as the dataset reads it from its source: name,
// type, size and number. Default fields are made from these definitions.
#pragma once

#include "toolkit/DataSetTypes.h"
#include "toolkit/TNamedItem.h"

class TComponent;
class TField;

class TFieldDef : public TNamedItem {
public:
    explicit TFieldDef(TCollection* Collection);

    TFieldType DataType() const { return dataType_; }
    void SetDataType(TFieldType Value) { dataType_ = Value; }
    int Size() const { return size_; }
    void SetSize(int Value) { size_ = Value; }
    bool Required() const { return required_; }
    void SetRequired(bool Value) { required_ = Value; }
    // The source's field number from 1; by default the position in the definitions plus one.
    int FieldNo() const { return fieldNo_ > 0 ? fieldNo_ : Index() + 1; }
    void SetFieldNo(int Value) { fieldNo_ = Value; }

    // A field of the class for DataType, named, sized and attached to the definitions' dataset.
    // Raises EDatabaseError "Field '<name>' is of an unknown type" for a type without a class.
    TField* CreateField(TComponent* Owner) const;

    void Assign(const TPersistent& Source) override;

private:
    TFieldType dataType_ = ftUnknown;
    int size_ = 0;
    int fieldNo_ = 0;
    bool required_ = false;
};
