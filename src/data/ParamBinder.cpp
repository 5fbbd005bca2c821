// The parameter binder: a null parameter binds empty; other values by their data type.
#include "data/ParamBinder.h"

#include <cmath>
#include <cstring>

#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "toolkit/Format.h"
#include "toolkit/TDateTime.h"
#include "toolkit/TParam.h"
#include "toolkit/TParams.h"

namespace db {
namespace {

// Julian day of the toolkit's day count 1 (1 January of year 1) less one.
constexpr int kJulianOfDayZero = 1721425;
// Julian day of TDateTime 0 (30 December 1899).
constexpr int kJulianOfDateTimeZero = 2415019;

bool isProviderType(TFieldType type) {
    return type == ftOraBlob || type == ftOraClob || type == ftVariant || type == ftInterface || type == ftIDispatch ||
           type == ftGuid;
}

void bindOne(TDbDataSet* dataSet, CEHANDLE statement, CEFIELD marker, const TParam& param) {
    if (param.IsNull()) {
        EngineCheck(dataSet, CeSetEmpty(statement, marker));
        return;
    }
    switch (param.DataType()) {
    case ftString:
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftBCD:
    case ftAutoInc:
    case ftMemo:
    case ftFmtMemo:
    case ftFixedChar:
    case ftLargeint: {
        const AnsiString text = param.AsString();
        EngineCheck(dataSet, CeSetString(statement, marker, text.c_str(), uint32_t(text.size())));
        return;
    }
    case ftBoolean:
        EngineCheck(dataSet, CeSetLogical(statement, marker, param.AsBoolean() ? 1 : 0));
        return;
    case ftFloat:
    case ftCurrency:
        EngineCheck(dataSet, CeSetDouble(statement, marker, param.AsFloat()));
        return;
    case ftDate:
        EngineCheck(dataSet, CeSetJulian(statement, marker, int32_t(std::trunc(param.AsDateTime())) + kJulianOfDateTimeZero));
        return;
    case ftTime:
        // The time stamp rounds to the millisecond; a truncated product would lose one now and then.
        EngineCheck(dataSet, CeSetMilliseconds(statement, marker, DateTimeToTimeStamp(param.AsDateTime()).Time));
        return;
    case ftDateTime: {
        const TTimeStamp stamp = DateTimeToTimeStamp(param.AsDateTime());
        const int32_t raw[2] = {stamp.Date + kJulianOfDayZero, stamp.Time};
        EngineCheck(dataSet, CeSetTimeStampRaw(statement, marker, raw, sizeof raw));
        return;
    }
    case ftBytes:
    case ftVarBytes:
    case ftBlob:
    case ftGraphic: {
        const std::string bytes = param.AsBlob();
        const auto length = uint32_t(bytes.size());
        EngineCheck(dataSet, CeSetBinary(statement, marker, 6, length, 0, bytes.data(), length));
        return;
    }
    case ftUnknown:
        DbMisuse(dataSet, Format(SParamUnknownType, param.Name()));
    default:
        DbMisuse(dataSet, Format(SParamUnsupportedType, param.Name()));
    }
}

} // namespace

void bindParams(TDbDataSet* DataSet, CEHANDLE Statement, const TParams& Params, ProviderTypes Policy) {
    for (int i = 0; i < Params.Count(); ++i) {
        const TParam& param = *Params[i];
        if (Policy == ProviderTypes::Skip && !param.IsNull() && isProviderType(param.DataType()))
            continue;
        bindOne(DataSet, Statement, CE_FIELDNO(i + 1), param);
    }
}

} // namespace db
