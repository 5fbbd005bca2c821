// One parameter of a statement: its name, data type, direction and value. Every assignment binds
// it (Bound); the typed setters also fix its DataType, which decides how the engine receives it.
#pragma once

#include <cstdint>

#include "toolkit/DataSetTypes.h"
#include "toolkit/TDateTime.h"
#include "toolkit/TCollectionItem.h"
#include "toolkit/Variant.h"

class TField;

class TParam : public TCollectionItem {
public:
    explicit TParam(TCollection* Collection);
    TParam(TCollection* Collection, TParamType ParamType, const AnsiString& Name, TFieldType DataType = ftUnknown);

    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& Value) { name_ = Value; }
    TFieldType DataType() const { return dataType_; }
    void SetDataType(TFieldType Value) { dataType_ = Value; }
    TParamType ParamType() const { return paramType_; }
    void SetParamType(TParamType Value) { paramType_ = Value; }

    // Set by every assignment of a value; the query clears it to let a master fill it again.
    bool Bound() const { return bound_; }
    void SetBound(bool Value) { bound_ = Value; }

    // Null when cleared or never assigned.
    bool IsNull() const { return value_.IsNull() || value_.IsEmpty(); }
    // Empties the value; DataType and Bound stay.
    void Clear() { value_ = Variant(); }

    const Variant& Value() const { return value_; }
    // A parameter of unknown type takes the type of the value.
    void SetValue(const Variant& Value);

    AnsiString AsString() const { return value_.AsString(); }
    void SetAsString(const AnsiString& Value) { setTyped(ftString, Variant(Value)); }
    std::int32_t AsInteger() const { return IsNull() ? 0 : value_.AsInteger(); }
    void SetAsInteger(std::int32_t Value) { setTyped(ftInteger, Variant(Value)); }
    void SetAsSmallInt(std::int32_t Value) { setTyped(ftSmallint, Variant(Value)); }
    double AsFloat() const { return IsNull() ? 0 : value_.AsFloat(); }
    void SetAsFloat(double Value) { setTyped(ftFloat, Variant(Value)); }
    void SetAsCurrency(double Value) { setTyped(ftCurrency, Variant::Currency(Value)); }
    bool AsBoolean() const { return !IsNull() && value_.AsBoolean(); }
    void SetAsBoolean(bool Value) { setTyped(ftBoolean, Variant(Value)); }
    TDateTime AsDateTime() const { return IsNull() ? 0 : value_.AsDateTime(); }
    TDateTime AsDate() const { return AsDateTime(); }
    void SetAsDate(TDateTime Value) { setTyped(ftDate, Variant::Date(Value)); }
    void SetAsTime(TDateTime Value) { setTyped(ftTime, Variant::Date(Value)); }
    void SetAsDateTime(TDateTime Value) { setTyped(ftDateTime, Variant::Date(Value)); }
    AnsiString AsMemo() const { return AsString(); }
    void SetAsMemo(const AnsiString& Value) { setTyped(ftMemo, Variant(Value)); }
    std::string AsBlob() const { return value_.AsBytes(); }
    void SetAsBlob(const std::string& Value) { setTyped(ftBlob, Variant::Bytes(Value)); }

    // Bytes the value takes in the field-buffer form of DataType (text with its terminating zero,
    // Boolean 2, dates 4, date-times 8, blobs their length); 0 for a null value.
    int GetDataSize() const;
    // Writes the value in that form; the buffer must hold GetDataSize() bytes.
    void GetData(void* Buffer) const;

    // Copies name, types, value and Bound from another parameter, or takes a field's value.
    void Assign(const TPersistent& Source) override;
    // Name, DataType and value of the field.
    void AssignField(const TField& Field);
    // DataType (when still unknown) and value of the field, keeping the name.
    void AssignFieldValue(const TField& Field, const Variant& Value);

private:
    void setTyped(TFieldType type, const Variant& value);

    AnsiString name_;
    TFieldType dataType_ = ftUnknown;
    TParamType paramType_ = ptUnknown;
    Variant value_;
    bool bound_ = false;
};
