// Parameter values and their field-buffer forms (the same forms the fields use, so that the
// engine binds a parameter exactly as it would store the field).
#include "toolkit/TParam.h"

#include <cstring>

#include "toolkit/TField.h"

namespace {

TFieldType typeOfValue(const Variant& v) {
    switch (v.VarType()) {
    case varBoolean:
        return ftBoolean;
    case varInteger:
        return ftInteger;
    case varInt64:
        return ftLargeint;
    case varDouble:
        return ftFloat;
    case varCurrency:
        return ftCurrency;
    case varDate:
        return ftDateTime;
    case varString:
        return ftString;
    case varBytes:
        return ftBlob;
    default:
        return ftUnknown;
    }
}

} // namespace

TParam::TParam(TCollection* Collection) : TCollectionItem(Collection) {}

TParam::TParam(TCollection* Collection, TParamType ParamType, const AnsiString& Name, TFieldType DataType)
    : TCollectionItem(Collection), name_(Name), dataType_(DataType), paramType_(ParamType) {}

void TParam::SetValue(const Variant& Value) {
    if (dataType_ == ftUnknown)
        dataType_ = typeOfValue(Value);
    value_ = Value;
    bound_ = !Value.IsEmpty();
}

void TParam::setTyped(TFieldType type, const Variant& value) {
    dataType_ = type;
    value_ = value;
    bound_ = true;
}

int TParam::GetDataSize() const {
    if (IsNull())
        return 0;
    switch (dataType_) {
    case ftString:
    case ftFixedChar:
    case ftMemo:
    case ftFmtMemo:
        return int(value_.AsString().size()) + 1;
    case ftBoolean:
    case ftSmallint:
    case ftWord:
        return 2;
    case ftInteger:
    case ftAutoInc:
    case ftDate:
    case ftTime:
        return 4;
    case ftFloat:
    case ftCurrency:
    case ftDateTime:
    case ftLargeint:
        return 8;
    case ftBytes:
    case ftVarBytes:
    case ftBlob:
    case ftGraphic:
    case ftTypedBinary:
        return int(value_.AsBytes().size());
    default:
        return 0;
    }
}

void TParam::GetData(void* Buffer) const {
    if (IsNull())
        return;
    auto put = [Buffer](const auto& v) { std::memcpy(Buffer, &v, sizeof v); };
    switch (dataType_) {
    case ftString:
    case ftFixedChar:
    case ftMemo:
    case ftFmtMemo: {
        const AnsiString s = value_.AsString();
        std::memcpy(Buffer, s.c_str(), s.size() + 1);
        return;
    }
    case ftBoolean:
        return put(std::int16_t(value_.AsBoolean() ? -1 : 0));
    case ftSmallint:
    case ftWord:
        return put(std::int16_t(value_.AsInteger()));
    case ftInteger:
    case ftAutoInc:
        return put(value_.AsInteger());
    case ftLargeint:
        return put(value_.AsInt64());
    case ftFloat:
    case ftCurrency:
        return put(value_.AsFloat());
    case ftDate:
        return put(DateTimeToTimeStamp(value_.AsDateTime()).Date);
    case ftTime:
        return put(DateTimeToTimeStamp(value_.AsDateTime()).Time);
    case ftDateTime:
        return put(TimeStampToMSecs(DateTimeToTimeStamp(value_.AsDateTime())));
    case ftBytes:
    case ftVarBytes:
    case ftBlob:
    case ftGraphic:
    case ftTypedBinary: {
        const std::string b = value_.AsBytes();
        std::memcpy(Buffer, b.data(), b.size());
        return;
    }
    default:
        return;
    }
}

void TParam::Assign(const TPersistent& Source) {
    if (const auto* field = dynamic_cast<const TField*>(&Source)) {
        AssignField(*field);
        return;
    }
    const auto* param = dynamic_cast<const TParam*>(&Source);
    if (!param) {
        TCollectionItem::Assign(Source);
        return;
    }
    name_ = param->name_;
    dataType_ = param->dataType_;
    paramType_ = param->paramType_;
    value_ = param->value_;
    bound_ = param->bound_;
}

void TParam::AssignField(const TField& Field) {
    name_ = Field.FieldName();
    dataType_ = ftUnknown;
    AssignFieldValue(Field, Field.Value());
}

void TParam::AssignFieldValue(const TField& Field, const Variant& Value) {
    if (dataType_ == ftUnknown)
        dataType_ = Field.DataType();
    value_ = Value;
    bound_ = true;
}
