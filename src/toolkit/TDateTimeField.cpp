// Date, time and date-time fields: conversion between the record-buffer forms and TDateTime.
#include "toolkit/TDateTimeField.h"

#include <cstdint>

#include "toolkit/DateTimeText.h"

TDateTimeField::TDateTimeField(TComponent* AOwner) : TDateTimeField(AOwner, ftDateTime) {}

TDateTimeField::TDateTimeField(TComponent* AOwner, TFieldType DataType) : TField(AOwner, DataType) {}

int TDateTimeField::DataSize() const { return DataType() == ftDateTime ? 8 : 4; }

TDateTime TDateTimeField::AsDateTime() const {
    switch (DataType()) {
    case ftDate: {
        std::int32_t days = 0;
        return GetData(&days) ? TimeStampToDateTime(TTimeStamp{0, days}) : 0;
    }
    case ftTime: {
        std::int32_t msecs = 0;
        return GetData(&msecs) ? TimeStampToDateTime(TTimeStamp{msecs, DateDelta}) : 0;
    }
    default: {
        double msecs = 0;
        return GetData(&msecs) ? TimeStampToDateTime(MSecsToTimeStamp(msecs)) : 0;
    }
    }
}

void TDateTimeField::SetAsDateTime(TDateTime Value) {
    const TTimeStamp stamp = DateTimeToTimeStamp(Value);
    switch (DataType()) {
    case ftDate:
        SetData(&stamp.Date);
        return;
    case ftTime:
        SetData(&stamp.Time);
        return;
    default: {
        const double msecs = TimeStampToMSecs(stamp);
        SetData(&msecs);
    }
    }
}

AnsiString TDateTimeField::AsString() const {
    if (IsNull())
        return "";
    switch (DataType()) {
    case ftDate:
        return DateToStr(AsDateTime());
    case ftTime:
        return TimeToStr(AsDateTime());
    default:
        return DateTimeToStr(AsDateTime());
    }
}

void TDateTimeField::SetAsString(const AnsiString& Value) {
    if (Value.empty()) {
        Clear();
        return;
    }
    switch (DataType()) {
    case ftDate:
        SetAsDateTime(StrToDate(Value));
        return;
    case ftTime:
        SetAsDateTime(StrToTime(Value));
        return;
    default:
        SetAsDateTime(StrToDateTime(Value));
    }
}

int TDateTimeField::GetDefaultWidth() const { return DataType() == ftDateTime ? 18 : 10; }
