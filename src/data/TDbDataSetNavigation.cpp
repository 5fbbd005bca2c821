// The dataset core's cursor work: the fetch loop, first and last, bookmarks, record count and
// record number.
#include "data/TDbDataSet.h"

#include <algorithm>
#include <cstring>

#include "data/EDbEngineError.h"
#include "data/TDbBlobCache.h"
#include "data/TDbTableOptions.h"

namespace {

// The engine's codes the cursor work accepts.
constexpr CERESULT kRecordNotFound = 5022;
constexpr CERESULT kNoRelativePosition = 5041;
constexpr CERESULT kNoCurrentRecord = 5068;

bool clearsBlobCaches(TDataSetState state) {
    return state == dsBrowse || state == dsEdit || state == dsInsert || state == dsCalcFields || state == dsNewValue;
}

} // namespace

TGetResult TDbDataSet::GetRecord(char* Buffer, TGetMode GetMode, bool) {
    if (tableHandle_ == db::kNoHandle || State() == dsInsert)
        return grError;
    switch (GetMode) {
    case gmNext:
        EngineCheck(this, CeSkip(orderHandle_, 1));
        break;
    case gmPrior:
        EngineCheck(this, CeSkip(orderHandle_, -1));
        break;
    case gmCurrent:
        break;
    default:
        return grError;
    }
    const TGetResult result = FetchRecord(Buffer, recordBufferSize_, GetMode);
    if (result == grOK) {
        const int32_t recNo = GetCurrentRecNum();
        std::memcpy(Buffer + recordInfoOffset_, &recNo, sizeof recNo);
        Buffer[recordInfoOffset_ + 4] = 0;
        SetBookmarkFlag(Buffer, bfCurrent);
    }
    return result;
}

TGetResult TDbDataSet::FetchRecord(char* Buffer, uint32_t Length, TGetMode Mode) {
    for (;;) {
        const TGetResult result = fetchRow(Buffer, Length, Mode);
        if (result != grOK || !OnFilterRecord || !Filtered() || RecordFilter(Buffer))
            return result;
        EngineCheck(this, CeSkip(orderHandle_, Mode == gmPrior ? -1 : 1));
    }
}

TGetResult TDbDataSet::fetchRow(char* Buffer, uint32_t Length, TGetMode Mode) {
    uint16_t atEof = 0;
    EngineCheck(this, CeAtEOF(tableHandle_, &atEof));
    if (atEof && (Mode == gmCurrent || Mode == gmNext))
        return grEOF;
    uint16_t atBof = 0;
    EngineCheck(this, CeAtBOF(tableHandle_, &atBof));
    if (atBof && (Mode == gmCurrent || Mode == gmPrior))
        return grBOF;
    uint16_t visible = 0;
    const CERESULT visibility = CeIsRecordVisible(orderHandle_, &visible);
    if (visibility != kNoCurrentRecord)
        EngineCheck(this, visibility);
    // An engine that cannot tell has no row here to give.
    if (visibility == kNoCurrentRecord || !visible)
        return grError;
    uint32_t length = Length;
    EngineCheck(this, CeGetRecord(tableHandle_, Buffer, &length));
    uint32_t bookmarkLength = uint32_t(BookmarkSize());
    EngineCheck(this, CeGetBookmark60(db::isSet(orderHandle_) ? orderHandle_ : tableHandle_, Buffer + bookmarkOffset_,
                                      &bookmarkLength));
    if (BlobFieldCount() > 0) {
        for (int i = 0; i < engineFieldDefs_.Count(); ++i) {
            const TEngineFieldDef& def = engineFieldDefs_.Items(i);
            if (!db::isBlobLike(def.EngineType))
                continue;
            uint16_t empty = 0;
            EngineCheck(this, CeIsEmpty(tableHandle_, CE_FIELDNO(def.FieldNo), &empty));
            const int32_t flag = empty ? 0 : -1;
            std::memcpy(Buffer + def.Offset, &flag, sizeof flag);
        }
        if (clearsBlobCaches(State()))
            for (int i = 0; i < BlobFieldCount(); ++i)
                BlobCache(Buffer, i)->Clear();
    }
    if (DbTableOptions()->DbCharType() == TDbCharTypes::OEM) {
        for (int i = 0; i < engineFieldDefs_.Count(); ++i) {
            const TEngineFieldDef& def = engineFieldDefs_.Items(i);
            if (def.EngineType != db::ceString)
                continue;
            // The engine writes a terminating zero after the text: keep the byte it lands on.
            char* slot = Buffer + def.Offset;
            const char following = slot[def.Length];
            uint32_t room = def.Length + 1;
            const CERESULT result = CeGetField(tableHandle_, CE_FIELDNO(def.FieldNo), slot, &room, 0);
            slot[def.Length] = following;
            EngineCheck(this, result);
        }
    }
    GetCalcFields(Buffer);
    return grOK;
}

void TDbDataSet::InternalFirst() {
    EngineCheck(this, CeGotoTop(orderHandle_));
    EngineCheck(this, CeSkip(orderHandle_, -1));
}

void TDbDataSet::InternalLast() {
    EngineCheck(this, CeGotoBottom(orderHandle_));
    EngineCheck(this, CeSkip(orderHandle_, 1));
}

void TDbDataSet::InternalGotoBookmark(const void* Bookmark) {
    if (State() == dsInsert)
        return;
    uint32_t recNo = 0;
    std::memcpy(&recNo, Bookmark, sizeof recNo);
    const CERESULT result = CeGotoBookmark(tableHandle_, recNo);
    if (result != kRecordNotFound)
        EngineCheck(this, result);
}

void TDbDataSet::InternalSetToRecord(char* Buffer) { InternalGotoBookmark(Buffer + bookmarkOffset_); }

void TDbDataSet::InternalRefresh() {
    const CERESULT result = CeRefreshRecord(tableHandle_);
    if (result != kNoCurrentRecord)
        EngineCheck(this, result);
}

int TDbDataSet::GetRecordCount() {
    CheckActive();
    uint16_t option = 2;
    if (options_->DbFilterOptions == RESPECT_WHEN_COUNTING)
        option = 1;
    else if (options_->DbScopeOptions == RESPECT_SCOPES_WHEN_COUNTING)
        option = 3;
    if (options_->DbFreshRecordCount)
        option += 4;
    CEHANDLE handle = orderHandle_;
    if ((option & 3) == 1 && orderHandle_ != tableHandle_) {
        uint32_t flags = 0;
        if (tableType_ != ttDbVDT)
            EngineCheck(this, CeGetIndexFlags(orderHandle_, &flags));
        char condition[510] = {};
        uint32_t length = sizeof condition - 1;
        EngineCheck(this, CeGetIndexCondition(orderHandle_, condition, &length));
        // A plain index holds every row the filter may pass: count them on the table.
        if ((tableType_ == ttDbVDT || (flags & 1) == 0) && condition[0] == '\0' && !HasScope())
            handle = tableHandle_;
    }
    uint32_t count = 0;
    EngineCheck(this, CeGetRecordCount(handle, option, &count));
    return int(count);
}

int TDbDataSet::GetCurrentRecNum() {
    if ((!indexName_.empty() || !indexFieldNames_.empty()) && sequenced_) {
        uint32_t count = 0;
        EngineCheck(this, CeGetRecordCount(tableHandle_, 2, &count));
        double position = 0;
        const CERESULT result = CeGetRelKeyPos(orderHandle_, &position);
        if (result == kNoRelativePosition)
            position = 0;
        else
            EngineCheck(this, result);
        return int(double(count) * position);
    }
    uint32_t recNo = 0;
    EngineCheck(this, CeGetRecordNum(tableHandle_, 2, &recNo));
    return int(recNo);
}

int TDbDataSet::GetRecNo() {
    CheckActive();
    if (State() == dsCalcFields)
        return int(BookmarkRecNo(CalcBuffer()));
    int32_t recNo = 0;
    std::memcpy(&recNo, ActiveBuffer() + recordInfoOffset_, sizeof recNo);
    return recNo;
}

void TDbDataSet::SetRecNo(int Value) {
    CheckBrowseMode();
    DoBeforeScroll();
    if (indexMode_ != IndexMode::None) {
        uint32_t count = 0;
        EngineCheck(this, CeGetRecordCount(tableHandle_, 2, &count));
        const double position = count == 0 ? 0.0 : std::min(1.0, double(Value) / double(count));
        EngineCheck(this, CeSetRelKeyPos(orderHandle_, position));
    } else if (Filtered()) {
        EngineCheck(this, CeGotoTop(tableHandle_));
        EngineCheck(this, CeSkip(tableHandle_, Value - 1));
    } else {
        // Record numbers need not be dense (deleted rows leave gaps): a number that names no
        // record is an error, and the engine's cursor stays where it was. Below 1 names none.
        EngineCheck(this, CeGotoRecord(tableHandle_, Value < 1 ? 0u : uint32_t(Value)));
    }
    Resync(rmCenter);
    DoAfterScroll();
}
