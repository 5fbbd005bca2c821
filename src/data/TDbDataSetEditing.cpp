// The editing half of the dataset: field writes in every state that takes them, new-record
// defaults, and the life of an edited or inserted row on the engine (lock, post, cancel, delete),
// with the record search behind FindFirst and its kin.
//
// States of a row (the toolkit moves between them; these functions do the engine's part):
//
//   browse --Edit: CeLockRecord (unless Exclusive), re-read, old-record copy-->  edit
//   edit --Post: CeGotoRecord, field writes, blob flush, CeWriteRecord, CeUnlockRecord-->  browse
//   edit --Cancel: CeCancelUpdate, re-read, CeUnlockRecord-->  browse
//   browse --Insert/Append: InitRecord (cleared, defaults)-->  insert (bookmark record number 0)
//   insert --Post: CeAppendRecord once (the number goes into the bookmark), writes, CeWriteRecord-->  browse
//   insert --Cancel: CeCancelUpdate, back to the row that was current, else Last-->  browse
//   A failed post stays in edit or insert with the lock and the pending append kept: posting
//   again writes the row once, cancelling discards it.
#include "data/TDbDataSet.h"

#include <cstring>

#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "data/FieldToRaw.h"
#include "data/TDbBlobCache.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/TField.h"

namespace {

constexpr CERESULT kNoCurrentRecord = 5068;
constexpr CERESULT kNoPendingUpdate = 5085;
constexpr CERESULT kStaticView = 5064;

// A string slot holding no text: blanks, or the zero bytes of an empty VDT string.
bool isBlankText(const char* p, uint32_t length) {
    for (uint32_t i = 0; i < length; ++i)
        if (p[i] != ' ' && p[i] != '\0')
            return false;
    return true;
}

} // namespace

void TDbDataSet::SetFieldData(TField* Field, const void* Buffer) {
    const TDataSetState state = State();
    if (state != dsEdit && state != dsInsert && state != dsSetKey && state != dsCalcFields && state != dsFilter &&
        state != dsNewValue && state != dsInternalCalc)
        DbMisuse(this, db::SNotInEditMode);
    if (state == dsSetKey && Field->FieldNo() < 0 && !Field->IsIndexField())
        DatabaseErrorFmt(tk::SNotIndexField, {Field->DisplayName()}, this);
    char* record = GetStateRecordBuffer();
    if (record == nullptr)
        return;
    if (Field->FieldNo() >= 1) {
        writeDataField(Field, Buffer, record);
    } else {
        char* slot = record + rawSize_ + Field->Offset();
        slot[0] = Buffer != nullptr ? 1 : 0;
        if (Buffer != nullptr)
            std::memcpy(slot + 1, Buffer, std::size_t(Field->DataSize()));
    }
    if (state != dsCalcFields && state != dsFilter && state != dsNewValue)
        DataEvent(deFieldChange, reinterpret_cast<std::intptr_t>(Field));
}

void TDbDataSet::writeDataField(TField* field, const void* buffer, char* record) {
    const TDataSetState state = State();
    if (state == dsCalcFields)
        DbMisuse(this, db::SNotInEditMode);
    if (field->ReadOnly() && state != dsSetKey && state != dsFilter)
        DatabaseErrorFmt(tk::SFieldReadOnly, {field->DisplayName()}, this);
    if (state == dsEdit || state == dsInsert)
        field->Validate(buffer);
    const TEngineFieldDef* def = engineFieldDefs_.ByFieldNo(field->FieldNo());
    if (def == nullptr || field->FieldKind() == fkInternalCalc)
        return;
    if (const char* refusal = db::fieldToRaw(*def, IsVdtTable(), field->DataType(), buffer, record + def->Offset))
        DbMisuse(this, refusal);
    if (state != dsSetKey)
        return;
    // GotoNearest's partial key uses the assigned length of a string segment.
    uint16_t entry = 1;
    if (def->EngineType == db::ceString)
        entry = buffer == nullptr ? 0 : uint16_t(strnlen(static_cast<const char*>(buffer), def->Length));
    std::memcpy(record + rawSize_ + 2 * (def->FieldNo - 1), &entry, sizeof entry);
}

void TDbDataSet::applyDefaults(char* buffer) {
    const bool vdt = IsVdtTable();
    for (int i = 0; i < engineFieldDefs_.Count(); ++i) {
        const TEngineFieldDef& def = engineFieldDefs_.Items(i);
        if (def.EngineType == db::ceAutoInc || db::isBlobLike(def.EngineType))
            continue;
        TField* field = FindField(def.Name);
        if (field == nullptr || field->DefaultExpression().empty())
            continue;
        // The message is taken out of the handler first: an engine error still alive there
        // would silence the one raised here.
        AnsiString failure;
        try {
            db::defaultToRaw(def, vdt, field->DataType(), field->DefaultExpression(), buffer + def.Offset);
            continue;
        } catch (const Exception& e) {
            failure = e.Message;
        }
        throw EDbEngineError(this, db::SDefaultValueError + field->DisplayName() + ")\r\n" + failure, 0);
    }
}

void TDbDataSet::InternalEdit() {
    const uint32_t recNo = BookmarkRecNo(ActiveBuffer());
    if (!exclusive_) {
        const CERESULT result = CeLockRecord(tableHandle_, recNo);
        if (result == kStaticView)
            throw EDbEngineError(this, db::SStaticView, int(kStaticView));
        EngineCheck(this, result);
    }
    FetchRecord(ActiveBuffer(), rawSize_, gmCurrent);
    if (!oldRecord_)
        oldRecord_ = std::make_unique<char[]>(rawSize_ + 1);
    std::memmove(oldRecord_.get(), ActiveBuffer(), rawSize_);
}

void TDbDataSet::InternalPost() {
    char* buffer = ActiveBuffer();
    const bool editing = State() == dsEdit;
    const uint32_t recNo = BookmarkRecNo(buffer);
    if (editing) {
        EngineCheck(this, CeGotoRecord(tableHandle_, recNo));
    } else if (GetBookmarkFlag(buffer) != bfInserted) {
        // A post that failed after the append must not append again when retried.
        EngineCheck(this, CeAppendRecord(tableHandle_));
        SetBookmarkFlag(buffer, bfInserted);
        uint32_t appended = 0;
        EngineCheck(this, CeGetRecordNum(tableHandle_, 2, &appended));
        std::memcpy(buffer + bookmarkOffset_, &appended, sizeof appended);
    }
    writeRecordFields(buffer);
    EngineCheck(this, CeWriteRecord(tableHandle_));
    if (editing && !exclusive_)
        EngineCheck(this, CeUnlockRecord(tableHandle_, recNo));
}

void TDbDataSet::writeRecordFields(char* buffer) {
    for (int i = engineFieldDefs_.Count() - 1; i >= 0; --i) {
        const TEngineFieldDef& def = engineFieldDefs_.Items(i);
        if (db::isBlobLike(def.EngineType) || def.EngineType == db::ceAutoInc)
            continue;
        const char* slot = buffer + def.Offset;
        const CEFIELD field = CE_FIELDNO(def.FieldNo);
        if (def.EngineType != db::ceString)
            EngineCheck(this, CeSetFieldRaw(tableHandle_, field, slot, def.Length));
        else if (isBlankText(slot, def.Length))
            EngineCheck(this, CeSetEmpty(tableHandle_, field));
        else
            EngineCheck(this, CeSetField(tableHandle_, field, slot, def.Length));
    }
    for (int i = 0; i < FieldCount(); ++i) {
        TField* field = Fields()[i];
        if (!field->IsBlob() || field->FieldNo() < 1)
            continue;
        TDbBlobCache* cache = BlobCache(buffer, field->Offset());
        if (!cache->IsModified())
            continue;
        const TEngineFieldDef* def = engineFieldDefs_.ByFieldNo(field->FieldNo());
        const int32_t flag = cache->Size() == 0 ? 0 : -1;
        std::memcpy(buffer + def->Offset, &flag, sizeof flag);
        cache->Flush();
    }
}

void TDbDataSet::InternalCancel() {
    const CERESULT cancelled = CeCancelUpdate(tableHandle_);
    if (cancelled != kNoCurrentRecord && cancelled != kNoPendingUpdate)
        EngineCheck(this, cancelled);
    if (State() == dsInsert) {
        uint16_t atEof = 0;
        EngineCheck(this, CeAtEOF(tableHandle_, &atEof));
        if (atEof || insertedBefore_ == 0) {
            InternalLast();
            return;
        }
        EngineCheck(this, CeGotoBookmark(tableHandle_, insertedBefore_));
    }
    const uint32_t recNo = BookmarkRecNo(ActiveBuffer());
    FetchRecord(ActiveBuffer(), rawSize_, gmCurrent);
    if (State() == dsEdit && !exclusive_)
        EngineCheck(this, CeUnlockRecord(tableHandle_, recNo));
}

void TDbDataSet::InternalDelete() {
    try {
        EngineCheck(this, CeDeleteRecord(tableHandle_));
        EngineCheck(this, CeWriteRecord(tableHandle_));
    } catch (...) {
        (void)CeCancelUpdate(tableHandle_);
        throw;
    }
    uint16_t shown = 0;
    EngineCheck(this, CeGetDeleted(&shown));
    if (shown == 0)
        EngineCheck(this, CeSkip(orderHandle_, 1));
}

void TDbDataSet::InternalAddRecord(char* Buffer, bool) {
    if (Buffer != ActiveBuffer())
        DbMisuse(this, db::SInternalAddRecord);
    InternalPost();
}

bool TDbDataSet::FindRecord(bool Restart, bool GoForward) {
    CheckBrowseMode();
    DoBeforeScroll();
    SetFound(false);
    UpdateCursorPos();
    CursorPosChanged();
    const bool temporaryFilter = !Filtered();
    if (temporaryFilter)
        ActivateFilter();
    uint16_t atEnd = 0;
    try {
        if (GoForward) {
            EngineCheck(this, Restart ? CeGotoTop(orderHandle_) : CeSkip(orderHandle_, 1));
            EngineCheck(this, CeAtEOF(tableHandle_, &atEnd));
        } else {
            EngineCheck(this, Restart ? CeGotoBottom(orderHandle_) : CeSkip(orderHandle_, -1));
            EngineCheck(this, CeAtBOF(tableHandle_, &atEnd));
        }
    } catch (...) {
        // The filter must not stay in force on a dataset that says it is not filtered.
        if (temporaryFilter)
            DeactivateFilter();
        throw;
    }
    if (temporaryFilter)
        DeactivateFilter();
    if (atEnd)
        return false;
    Resync(rmExact | rmCenter);
    SetFound(true);
    DoAfterScroll();
    return true;
}

void TDbDataSet::DataEvent(TDataEvent Event, std::intptr_t Info) {
    if (Event == dePropertyChange)
        indexDefs_.SetUpdated(false);
    TDataSet::DataEvent(Event, Info);
}
