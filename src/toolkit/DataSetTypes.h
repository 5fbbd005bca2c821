// The small types of the dataset model: field types, dataset states, data events, fetch modes,
// bookmarks and the option sets that datasets, fields, links and parameters share.
#pragma once

#include "toolkit/AnsiString.h"

enum TFieldType {
    ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD, ftDate, ftTime, ftDateTime,
    ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo, ftParadoxOle, ftDBaseOle, ftTypedBinary, ftCursor,
    ftFixedChar, ftWideString, ftLargeint, ftADT, ftArray, ftReference, ftDataSet, ftOraBlob, ftOraClob, ftVariant,
    ftInterface, ftIDispatch, ftGuid
};

enum TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc };

enum TDataSetState {
    dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter, dsNewValue, dsOldValue, dsCurValue,
    dsBlockRead, dsInternalCalc, dsOpening
};

// What a dataset tells its data sources and links; the Info of an event is a field for
// deFieldChange and deFocusControl, the scroll distance for deDataSetScroll, else unused.
enum TDataEvent {
    deFieldChange, deRecordChange, deDataSetChange, deDataSetScroll, deLayoutChange, deUpdateRecord, deUpdateState,
    deCheckBrowseMode, dePropertyChange, deFieldListChange, deFocusControl
};

enum TGetMode { gmCurrent, gmNext, gmPrior };
enum TGetResult { grOK, grBOF, grEOF, grError };

// Resync's mode is a set of these.
enum TResyncModeFlag : unsigned { rmExact = 1u << 0, rmCenter = 1u << 1 };
using TResyncMode = unsigned;

// Where a record buffer stands: on a fetched row, before the first, after the last, or a new row.
enum TBookmarkFlag { bfCurrent, bfBOF, bfEOF, bfInserted };

// A bookmark is the bytes a dataset gives for its active record; the empty string stands for none.
using TBookmark = AnsiString;

enum TLocateOption : unsigned { loCaseInsensitive = 1u << 0, loPartialKey = 1u << 1 };
using TLocateOptions = unsigned;

enum TBlobStreamMode { bmRead, bmWrite, bmReadWrite };

enum TUpdateKind { ukModify, ukInsert, ukDelete };
enum TUpdateAction { uaFail, uaAbort, uaSkip, uaRetry, uaApplied };
enum TDataAction { daFail, daAbort, daRetry };

enum TParamType { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };

enum TProviderFlag : unsigned { pfInUpdate = 1u << 0, pfInWhere = 1u << 1, pfInKey = 1u << 2, pfHidden = 1u << 3 };
using TProviderFlags = unsigned;

enum TIndexOption : unsigned {
    ixPrimary = 1u << 0, ixUnique = 1u << 1, ixDescending = 1u << 2, ixCaseInsensitive = 1u << 3, ixExpression = 1u << 4
};
using TIndexOptions = unsigned;
