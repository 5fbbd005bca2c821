// The buffered dataset.
//
// States (State):
//   dsInactive --Open--> dsBrowse --Close--> dsInactive
//   dsBrowse --Edit--> dsEdit --Post/Cancel--> dsBrowse
//   dsBrowse --Insert/Append--> dsInsert --Post/Cancel--> dsBrowse   (Edit on an empty dataset inserts)
//   dsBrowse --(descendant's key editing)--> dsSetKey --Post/Cancel--> dsBrowse
//   any --SetTempState(dsCalcFields, dsFilter, ...)--> temporary --RestoreState--> the state before
// Every SetState change tells the data sources (deUpdateState); a temporary state tells nobody.
//
// Record buffers: buffers_ holds BufferCount + 1 buffers. The first recordCount_ hold records in
// source order, activeRecord_ is the current one, and buffers_[recordCount_] (TempBuffer) is free
// for a fetch. currentRecord_ is the buffer the source cursor stands on, -1 when unknown.
// Moving past either end of the filled window fetches one more row and, when the ring is full,
// drops the row at the other end; the links hear how far the window slid (deDataSetScroll).
#include "toolkit/TDataSet.h"

#include <algorithm>
#include <cassert>

#include "toolkit/AnsiStrings.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/EAbort.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/TDataLink.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"
#include "toolkit/TIndexDefs.h"
#include "toolkit/TParams.h"

namespace {

// The grid asks for one buffer per visible row; nothing sensible needs more.
constexpr int maxBufferCount = 1024;

bool isWriteMode(TDataSetState state) {
    switch (state) {
    case dsEdit:
    case dsInsert:
    case dsSetKey:
    case dsCalcFields:
    case dsFilter:
    case dsNewValue:
    case dsInternalCalc:
        return true;
    default:
        return false;
    }
}

bool isTextField(const TField* field) {
    switch (field->DataType()) {
    case ftString:
    case ftFixedChar:
    case ftWideString:
    case ftMemo:
    case ftFmtMemo:
        return true;
    default:
        return false;
    }
}

// Whether a field's value equals a Locate key under the options.
bool keyMatches(const TField* field, const Variant& value, const Variant& key, TLocateOptions options) {
    if (key.IsNull() || key.IsEmpty())
        return value.IsNull();
    if (value.IsNull())
        return false;
    if (isTextField(field)) {
        AnsiString text = value.AsString();
        const AnsiString wanted = key.AsString();
        if (options & loPartialKey)
            text = text.substr(0, wanted.size());
        return (options & loCaseInsensitive) ? AnsiSameText(text, wanted) : text == wanted;
    }
    const TFieldType type = field->DataType();
    try {
        if (type == ftDate || type == ftTime || type == ftDateTime)
            return value.AsDateTime() == key.AsDateTime(); // a key may be a date text
        return value.AsFloat() == key.AsFloat();
    } catch (const EVariantError&) {
        return value == key;
    }
}

} // namespace

TDataSet::TDataSet(TComponent* AOwner) : TComponent(AOwner), fields_(this), fieldDefs_(this) {}

TDataSet::~TDataSet() {
    assert(buffers_.empty() && "a TDataSet descendant must Close() in its own destructor");
    Destroying();
    // The buffer count is not recomputed on the way out: the descendant is gone.
    while (!dataSources_.empty()) {
        TDataSource* source = dataSources_.back();
        dataSources_.pop_back();
        source->dataSet_ = nullptr;
        source->UpdateState();
    }
    DestroyFields();
}

void TDataSet::fire(const TDataSetNotifyEvent& event, TDataSet* dataSet) {
    if (event)
        event(dataSet);
}

void TDataSet::Loaded() {
    TComponent::Loaded();
    if (streamedActive_)
        SetActive(true);
}

// --- Opening and closing ---------------------------------------------------------------

void TDataSet::SetActive(bool Value) {
    if (ComponentState() & csReading) {
        streamedActive_ = Value;
        return;
    }
    if (Active() == Value)
        return;
    if (!Value) {
        const bool destroying = ComponentState() & csDestroying;
        if (!destroying)
            fire(BeforeClose, this);
        SetState(dsInactive);
        CloseCursor();
        if (!destroying)
            fire(AfterClose, this);
        return;
    }
    fire(BeforeOpen, this);
    try {
        OpenCursor(false);
    } catch (...) {
        SetState(dsInactive);
        CloseCursor();
        throw;
    }
    SetState(dsBrowse);
    DoAfterOpen();
    if (!IsEmpty())
        DoAfterScroll();
}

void TDataSet::OpenCursor(bool InfoQuery) {
    if (InfoQuery) {
        InternalInitFieldDefs();
        return;
    }
    defaultFields_ = FieldCount() == 0;
    InternalOpen();
    UpdateBufferCount();
    bof_ = true;
}

void TDataSet::CloseCursor() {
    ClearBuffers();
    SetBufListSize(0);
    InternalClose();
    bufferCount_ = 0;
    defaultFields_ = false;
}

void TDataSet::InitFieldDefs() {
    const TDefCollection::Reading reading(fieldDefs_);
    if (IsCursorOpen())
        InternalInitFieldDefs();
    else
        OpenCursor(/*InfoQuery=*/true);
}

void TDataSet::CheckActive() const {
    if (state_ == dsInactive)
        DatabaseError(tk::SDataSetClosed, this);
}

void TDataSet::CheckInactive() {
    if (!Active())
        return;
    if (ComponentState() & csDesigning) {
        Close();
        return;
    }
    DatabaseError(tk::SDataSetOpen, this);
}

void TDataSet::CheckCanModify() {
    if (!CanModify())
        DatabaseError(tk::SDataSetReadOnly, this);
}

// --- States and data events ----------------------------------------------------------------

void TDataSet::SetState(TDataSetState Value) {
    if (state_ == Value)
        return;
    state_ = Value;
    modified_ = false;
    DataEvent(deUpdateState, 0);
}

TDataSetState TDataSet::SetTempState(TDataSetState Value) {
    const TDataSetState previous = state_;
    state_ = Value;
    ++disableCount_;
    modified_ = false;
    return previous;
}

void TDataSet::RestoreState(TDataSetState Value) {
    state_ = Value;
    --disableCount_;
    modified_ = false;
}

void TDataSet::DataEvent(TDataEvent Event, std::intptr_t Info) {
    if (Event == deFieldChange && Info != 0) {
        auto* field = reinterpret_cast<TField*>(Info);
        if (field->FieldKind() == fkData || field->FieldKind() == fkInternalCalc)
            SetModified(true);
        if (state_ != dsSetKey) {
            if (calcFieldsSize_ != 0 && autoCalcFields_ && field->FieldKind() == fkData)
                CalculateFields(ActiveBuffer());
            field->Change();
        }
    } else if (Event == dePropertyChange) {
        fieldDefs_.SetUpdated(false);
    }
    if (ControlsDisabled() || state_ == dsBlockRead) {
        if ((Event == deUpdateState && state_ == dsInactive) || Event == deLayoutChange)
            enableEvent_ = deLayoutChange;
        return;
    }
    const std::vector<TDataSource*> sources = dataSources_; // a handler may detach a source
    for (TDataSource* source : sources)
        source->DataEvent(Event, Info);
}

void TDataSet::DisableControls() {
    if (disableCount_ == 0) {
        disableState_ = state_;
        enableEvent_ = deDataSetChange;
    }
    ++disableCount_;
}

void TDataSet::EnableControls() {
    if (disableCount_ == 0)
        return;
    if (--disableCount_ != 0)
        return;
    if (disableState_ != state_)
        DataEvent(deUpdateState, 0);
    if (disableState_ != dsInactive && state_ != dsInactive)
        DataEvent(enableEvent_, 0);
}

void TDataSet::UpdateRecord() {
    if (!isWriteMode(state_))
        DatabaseError(tk::SNotEditing, this);
    DataEvent(deUpdateRecord, 0);
}

// --- Record buffers ----------------------------------------------------------------------------

void TDataSet::SetBufListSize(int Value) {
    const int current = static_cast<int>(buffers_.size());
    if (Value == current)
        return;
    if (Value < current) {
        for (int i = Value; i < current; ++i)
            FreeRecordBuffer(buffers_[std::size_t(i)]);
        buffers_.resize(std::size_t(Value));
        return;
    }
    try {
        while (static_cast<int>(buffers_.size()) < Value)
            buffers_.push_back(AllocRecordBuffer());
    } catch (...) {
        while (static_cast<int>(buffers_.size()) > current) {
            FreeRecordBuffer(buffers_.back());
            buffers_.pop_back();
        }
        throw;
    }
}

void TDataSet::UpdateBufferCount() {
    if (!IsCursorOpen())
        return;
    int count = 1;
    for (const TDataSource* source : dataSources_)
        for (const TDataLink* link : source->dataLinks_)
            count = std::max(count, link->bufferCount_);
    setBufferCount(count);
}

void TDataSet::setBufferCount(int Value) {
    Value = std::min(Value, maxBufferCount);
    if (Value == bufferCount_)
        return;
    // A link that has not heard of recent moves (controls disabled) may see its window slide
    // off the buffers: each one is put back around the active record.
    auto adjustFirstRecord = [this](int delta) {
        for (TDataSource* source : dataSources_)
            for (TDataLink* link : source->dataLinks_)
                if (link->active_) {
                    link->firstRecord_ += delta;
                    link->updateRange();
                }
    };
    // A smaller ring keeps the active record: the rows in front of it that no longer fit go.
    if (const int drop = activeRecord_ + 1 - Value; drop > 0) {
        std::rotate(buffers_.begin(), buffers_.begin() + drop, buffers_.end());
        activeRecord_ -= drop;
        recordCount_ -= drop;
        adjustFirstRecord(-drop);
        CursorPosChanged();
    }
    if (recordCount_ > Value) {
        recordCount_ = Value;
        CursorPosChanged();
    }
    SetBufListSize(Value + 1);
    bufferCount_ = Value;
    GetNextRecords();
    adjustFirstRecord(GetPriorRecords());
}

void TDataSet::moveBuffer(int curIndex, int newIndex) {
    if (curIndex == newIndex)
        return;
    char* buffer = buffers_[std::size_t(curIndex)];
    buffers_.erase(buffers_.begin() + curIndex);
    buffers_.insert(buffers_.begin() + newIndex, buffer);
}

void TDataSet::ClearBuffers() {
    recordCount_ = 0;
    activeRecord_ = 0;
    currentRecord_ = -1;
    bof_ = true;
    eof_ = true;
}

void TDataSet::activateBuffers() {
    recordCount_ = 1;
    activeRecord_ = 0;
    currentRecord_ = 0;
    bof_ = false;
    eof_ = false;
}

void TDataSet::setCurrentRecord(int index) {
    if (currentRecord_ == index)
        return;
    char* buffer = buffers_[std::size_t(index)];
    switch (GetBookmarkFlag(buffer)) {
    case bfCurrent:
    case bfInserted:
        InternalSetToRecord(buffer);
        break;
    case bfBOF:
        InternalFirst();
        break;
    case bfEOF:
        InternalLast();
        break;
    }
    currentRecord_ = index;
}

void TDataSet::UpdateCursorPos() {
    if (recordCount_ > 0)
        setCurrentRecord(activeRecord_);
}

bool TDataSet::GetNextRecord() {
    TGetMode mode = gmNext;
    if (recordCount_ > 0) {
        setCurrentRecord(recordCount_ - 1);
        // A new row not yet stored: the cursor already stands on the row after it.
        if (state_ == dsInsert && currentRecord_ == activeRecord_ && GetBookmarkFlag(ActiveBuffer()) == bfCurrent)
            mode = gmCurrent;
    }
    if (GetRecord(buffers_[std::size_t(recordCount_)], mode, true) != grOK) {
        CursorPosChanged();
        return false;
    }
    if (recordCount_ == 0)
        activateBuffers();
    else if (recordCount_ < bufferCount_)
        ++recordCount_;
    else
        moveBuffer(0, recordCount_);
    currentRecord_ = recordCount_ - 1;
    return true;
}

bool TDataSet::GetPriorRecord() {
    if (recordCount_ > 0)
        setCurrentRecord(0);
    if (GetRecord(buffers_[std::size_t(recordCount_)], gmPrior, true) != grOK) {
        CursorPosChanged();
        return false;
    }
    if (recordCount_ == 0) {
        activateBuffers();
    } else {
        moveBuffer(recordCount_, 0);
        if (recordCount_ < bufferCount_) {
            ++recordCount_;
            ++activeRecord_;
        }
    }
    currentRecord_ = 0;
    return true;
}

int TDataSet::GetNextRecords() {
    int count = 0;
    while (recordCount_ < bufferCount_ && GetNextRecord())
        ++count;
    return count;
}

int TDataSet::GetPriorRecords() {
    int count = 0;
    while (recordCount_ < bufferCount_ && GetPriorRecord())
        ++count;
    return count;
}

// Exact: the source's current row must be readable, else "Record not found". Otherwise the
// current row, else the next, else the prior one; none of them empties the dataset.
void TDataSet::Resync(TResyncMode Mode) {
    char* spare = buffers_[std::size_t(recordCount_)];
    if (Mode & rmExact) {
        CursorPosChanged();
        if (GetRecord(spare, gmCurrent, true) != grOK)
            DatabaseError(tk::SRecordNotFound, this);
    } else if (GetRecord(spare, gmCurrent, false) != grOK && GetRecord(spare, gmNext, false) != grOK &&
               GetRecord(spare, gmPrior, false) != grOK) {
        ClearBuffers();
        DataEvent(deDataSetChange, 0);
        return;
    }
    int count = (Mode & rmCenter) ? (bufferCount_ - 1) / 2 : activeRecord_;
    moveBuffer(recordCount_, 0);
    activateBuffers();
    try {
        while (count > 0 && GetPriorRecord())
            --count;
        GetNextRecords();
        GetPriorRecords();
    } catch (...) {
        DataEvent(deDataSetChange, 0);
        throw;
    }
    DataEvent(deDataSetChange, 0);
}

// --- Navigation -------------------------------------------------------------------------------

void TDataSet::DoBeforeScroll() { fire(BeforeScroll, this); }
void TDataSet::DoAfterScroll() { fire(AfterScroll, this); }

void TDataSet::First() { moveToEnd(/*ToFirst=*/true); }

void TDataSet::Last() { moveToEnd(/*ToFirst=*/false); }

// Refills the buffers from one end: the first row and those after it, or the last and those
// before it.
void TDataSet::moveToEnd(bool toFirst) {
    CheckBrowseMode();
    DoBeforeScroll();
    ClearBuffers();
    auto finish = [this, toFirst] {
        (toFirst ? bof_ : eof_) = true;
        DataEvent(deDataSetChange, 0);
        DoAfterScroll();
    };
    try {
        if (toFirst) {
            InternalFirst();
            GetNextRecord();
            GetNextRecords();
        } else {
            InternalLast();
            GetPriorRecord();
            GetPriorRecords();
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

int TDataSet::MoveBy(int Distance) {
    CheckBrowseMode();
    int result = 0;
    DoBeforeScroll();
    if (!((Distance > 0 && !eof_) || (Distance < 0 && !bof_)))
        return result;
    bof_ = false;
    eof_ = false;
    int scrollCount = 0; // how far the records moved inside the buffer list, for the links
    auto finish = [this, &scrollCount] {
        DataEvent(deDataSetScroll, scrollCount);
        DoAfterScroll();
    };
    try {
        for (; Distance > 0; --Distance, ++result) {
            if (activeRecord_ < recordCount_ - 1) {
                ++activeRecord_;
                continue;
            }
            const int shift = recordCount_ < bufferCount_ ? 0 : 1;
            if (!GetNextRecord()) {
                eof_ = true;
                break;
            }
            scrollCount -= shift;
            activeRecord_ = recordCount_ - 1;
        }
        for (; Distance < 0; ++Distance, --result) {
            if (activeRecord_ > 0) {
                --activeRecord_;
                continue;
            }
            const int shift = recordCount_ < bufferCount_ ? 0 : 1;
            if (!GetPriorRecord()) {
                bof_ = true;
                break;
            }
            scrollCount += shift;
            activeRecord_ = 0;
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return result;
}

void TDataSet::Refresh() {
    CheckBrowseMode();
    UpdateCursorPos();
    InternalRefresh();
    Resync(0);
}

// --- Editing -------------------------------------------------------------------------------------

void TDataSet::checkOperation(void (TDataSet::*operation)(), const TDataSetErrorEvent& errorEvent) {
    while (true) {
        try {
            UpdateCursorPos();
            (this->*operation)();
            return;
        } catch (EDatabaseError& e) {
            TDataAction action = daFail;
            if (errorEvent)
                errorEvent(this, e, action);
            if (action == daFail)
                throw;
            if (action == daAbort)
                throw EAbort();
        }
    }
}

void TDataSet::InitRecord(char* Buffer) {
    InternalInitRecord(Buffer);
    ClearCalcFields(Buffer);
    SetBookmarkFlag(Buffer, bfInserted);
}

void TDataSet::beginInsertAppend() {
    CheckBrowseMode();
    CheckCanModify();
    fire(BeforeInsert, this);
}

void TDataSet::endInsertAppend() {
    SetState(dsInsert);
    try {
        DoOnNewRecord();
    } catch (...) {
        UpdateCursorPos();
        SetState(dsBrowse);
        Resync(0);
        throw;
    }
    modified_ = false;
    DataEvent(deDataSetChange, 0);
    DoAfterInsert();
}

void TDataSet::Insert() {
    beginInsertAppend();
    TBookmark oldCurrent = Bookmark();
    oldCurrent.resize(std::size_t(bookmarkSize_)); // none available: a zero bookmark, never a short read
    moveBuffer(recordCount_, activeRecord_);
    char* buffer = ActiveBuffer();
    try {
        InitRecord(buffer);
    } catch (...) {
        // The spare buffer goes back behind the filled ones, so the active record is intact.
        moveBuffer(activeRecord_, recordCount_);
        throw;
    }
    if (recordCount_ == 0)
        SetBookmarkFlag(buffer, bfBOF);
    else
        SetBookmarkData(buffer, oldCurrent.data());
    if (recordCount_ < bufferCount_)
        ++recordCount_;
    InternalInsert();
    endInsertAppend();
}

void TDataSet::Append() {
    beginInsertAppend();
    ClearBuffers();
    char* buffer = buffers_[0];
    InitRecord(buffer);
    SetBookmarkFlag(buffer, bfEOF);
    recordCount_ = 1;
    bof_ = false;
    GetPriorRecords();
    InternalInsert();
    endInsertAppend();
}

void TDataSet::Edit() {
    if (state_ == dsEdit || state_ == dsInsert)
        return;
    if (recordCount_ == 0) {
        Insert();
        return;
    }
    CheckBrowseMode();
    CheckCanModify();
    fire(BeforeEdit, this);
    checkOperation(&TDataSet::InternalEdit, OnEditError);
    GetCalcFields(ActiveBuffer());
    SetState(dsEdit);
    DataEvent(deRecordChange, 0);
    fire(AfterEdit, this);
}

void TDataSet::Post() {
    UpdateRecord();
    if (state_ != dsEdit && state_ != dsInsert)
        return;
    DataEvent(deCheckBrowseMode, 0);
    fire(BeforePost, this);
    checkOperation(&TDataSet::InternalPost, OnPostError);
    SetState(dsBrowse);
    Resync(0);
    fire(AfterPost, this);
}

void TDataSet::Cancel() {
    if (state_ != dsEdit && state_ != dsInsert)
        return;
    DataEvent(deCheckBrowseMode, 0);
    DoBeforeCancel();
    const bool scrolls = state_ == dsInsert;
    if (scrolls)
        DoBeforeScroll();
    UpdateCursorPos();
    InternalCancel();
    SetState(dsBrowse);
    Resync(0);
    fire(AfterCancel, this);
    if (scrolls)
        DoAfterScroll();
}

void TDataSet::Delete() {
    CheckActive();
    if (state_ == dsInsert || state_ == dsSetKey) {
        Cancel();
        return;
    }
    if (recordCount_ == 0)
        DatabaseError(tk::SDataSetEmpty, this);
    DataEvent(deCheckBrowseMode, 0);
    fire(BeforeDelete, this);
    DoBeforeScroll();
    checkOperation(&TDataSet::InternalDelete, OnDeleteError);
    SetState(dsBrowse);
    Resync(0);
    fire(AfterDelete, this);
    DoAfterScroll();
}

void TDataSet::CheckBrowseMode() {
    CheckActive();
    DataEvent(deCheckBrowseMode, 0);
    switch (state_) {
    case dsEdit:
    case dsInsert:
        UpdateRecord();
        if (Modified())
            Post();
        else
            Cancel();
        break;
    case dsSetKey:
        Post();
        break;
    default:
        break;
    }
}

void TDataSet::DoAfterOpen() { fire(AfterOpen, this); }
void TDataSet::DoAfterInsert() { fire(AfterInsert, this); }
void TDataSet::DoBeforeCancel() { fire(BeforeCancel, this); }
void TDataSet::DoOnNewRecord() { fire(OnNewRecord, this); }

void TDataSet::InternalHandleException() { tk::handleException(this); }

// --- Bookmarks ------------------------------------------------------------------------------------

bool TDataSet::isBookmarkAvailable() {
    return (state_ == dsBrowse || state_ == dsEdit || state_ == dsInsert) && !IsEmpty() &&
           GetBookmarkFlag(ActiveBuffer()) == bfCurrent;
}

TBookmark TDataSet::GetBookmark() {
    if (!isBookmarkAvailable())
        return {};
    TBookmark bookmark(std::size_t(bookmarkSize_), '\0');
    GetBookmarkData(ActiveBuffer(), bookmark.data());
    return bookmark;
}

void TDataSet::GotoBookmark(const TBookmark& Bookmark) {
    if (Bookmark.empty())
        return;
    // The descendant reads BookmarkSize bytes: a bookmark of another size (from another dataset
    // or damaged) must not reach it.
    if (int(Bookmark.size()) != bookmarkSize_)
        DatabaseError(tk::SInvalidBookmark, this);
    CheckBrowseMode();
    DoBeforeScroll();
    InternalGotoBookmark(Bookmark.data());
    Resync(rmExact | rmCenter);
    DoAfterScroll();
}

bool TDataSet::BookmarkValid(const TBookmark&) { return false; }

int TDataSet::CompareBookmarks(const TBookmark&, const TBookmark&) { return 0; }

bool TDataSet::GetCurrentRecord(char*) { return false; }

// --- Fields ----------------------------------------------------------------------------------------

void TDataSet::GetFieldList(std::vector<TField*>& List, const AnsiString& FieldNames) const {
    std::size_t pos = 0;
    while (pos <= FieldNames.size()) {
        std::size_t end = FieldNames.find(';', pos);
        if (end == AnsiString::npos)
            end = FieldNames.size();
        const AnsiString name = Trim(std::string_view(FieldNames).substr(pos, end - pos));
        if (!name.empty())
            List.push_back(FieldByName(name));
        pos = end + 1;
    }
}

Variant TDataSet::FieldValues(const AnsiString& FieldNames) const {
    std::vector<TField*> fields;
    GetFieldList(fields, FieldNames);
    if (fields.size() == 1)
        return fields[0]->AsVariant();
    std::vector<Variant> values;
    for (const TField* field : fields)
        values.push_back(field->AsVariant());
    return Variant::Array(std::move(values));
}

void TDataSet::CheckFieldName(const AnsiString& FieldName) const {
    if (FindField(FieldName))
        DatabaseErrorFmt(tk::SDuplicateFieldName, {FieldName}, this);
}

void TDataSet::BindFields(bool Binding) {
    calcFieldsSize_ = 0;
    blobFieldCount_ = 0;
    for (int i = 0; i < fields_.Count(); ++i) {
        TField* field = fields_[i];
        if (!Binding) {
            field->fieldNo_ = 0;
            continue;
        }
        if (field->FieldKind() == fkCalculated || field->FieldKind() == fkLookup) {
            field->fieldNo_ = -1;
            field->offset_ = calcFieldsSize_;
            calcFieldsSize_ += field->DataSize() + 1; // a not-null byte, then the value
            continue;
        }
        const int defIndex = fieldDefs_.IndexOf(field->FieldName());
        if (defIndex < 0)
            DatabaseErrorFmt(tk::SFieldNotFound, {field->DisplayName()}, this);
        const TFieldDef* def = fieldDefs_[defIndex];
        if (def->DataType() != field->DataType() && !(field->IsBlob() && def->DataType() >= ftBlob && def->DataType() <= ftTypedBinary))
            DatabaseErrorFmt(tk::SFieldTypeMismatch, {field->DisplayName()}, this);
        field->fieldNo_ = def->FieldNo();
        if (field->IsBlob()) {
            field->size_ = def->Size();
            field->offset_ = blobFieldCount_++;
        }
    }
}

void TDataSet::CreateFields() {
    for (int i = 0; i < fieldDefs_.Count(); ++i)
        if (fieldDefs_[i]->DataType() != ftUnknown)
            fieldDefs_[i]->CreateField(this);
}

void TDataSet::DestroyFields() { fields_.Clear(); }

bool TDataSet::GetFieldData(TField*, void*) { return false; }

void TDataSet::SetFieldData(TField*, const void*) {}

std::unique_ptr<TStream> TDataSet::CreateBlobStream(TField*, TBlobStreamMode) { return nullptr; }

Variant TDataSet::GetStateFieldValue(TDataSetState State, TField* Field) {
    if (Field->FieldKind() != fkData && Field->FieldKind() != fkInternalCalc)
        return Variant::Null();
    const TDataSetState saved = state_;
    state_ = State;
    try {
        Variant value = Field->AsVariant();
        state_ = saved;
        return value;
    } catch (...) {
        state_ = saved;
        throw;
    }
}

bool TDataSet::GetIsIndexField(TField*) { return false; }

void TDataSet::GetCalcFields(char* Buffer) {
    if (calcFieldsSize_ <= 0)
        return;
    const TDataSetState saved = state_;
    state_ = dsCalcFields;
    try {
        CalculateFields(Buffer);
    } catch (...) {
        state_ = saved;
        throw;
    }
    state_ = saved;
}

void TDataSet::CalculateFields(char* Buffer) {
    calcBuffer_ = Buffer;
    if (state_ != dsInternalCalc)
        ClearCalcFields(calcBuffer_);
    fire(OnCalcFields, this);
}

// --- Filters and searching --------------------------------------------------------------------------

void TDataSet::SetFiltered(bool Value) { filtered_ = Value; }
void TDataSet::SetFilterOptions(TFilterOptions Value) { filterOptions_ = Value; }
void TDataSet::SetFilterText(const AnsiString& Value) { filterText_ = Value; }
void TDataSet::SetOnFilterRecord(const TFilterRecordEvent& Value) { OnFilterRecord = Value; }

bool TDataSet::FindRecord(bool, bool) {
    SetFound(false);
    return false;
}

// The base search: every row from the first, read into TempBuffer in dsFilter, until the key
// fields hold the key values. On success the source cursor stands on the row found; either way
// the buffers are left alone and the cursor position is marked unknown.
bool TDataSet::locateRecord(const AnsiString& keyFields, const Variant& keyValues, TLocateOptions options) {
    CheckBrowseMode();
    std::vector<TField*> fields;
    GetFieldList(fields, keyFields);
    CursorPosChanged();
    const TDataSetState saved = SetTempState(dsFilter);
    SetFilterBuffer(TempBuffer());
    bool found = false;
    try {
        InternalFirst();
        while (!found && GetRecord(TempBuffer(), gmNext, true) == grOK) {
            found = true;
            for (std::size_t i = 0; found && i < fields.size(); ++i) {
                const bool single = fields.size() == 1 && !keyValues.IsArray();
                found = keyMatches(fields[i], fields[i]->AsVariant(), single ? keyValues : keyValues[int(i)], options);
            }
        }
    } catch (...) {
        RestoreState(saved);
        throw;
    }
    RestoreState(saved);
    return found;
}

bool TDataSet::Locate(const AnsiString& KeyFields, const Variant& KeyValues, TLocateOptions Options) {
    DoBeforeScroll();
    const bool found = locateRecord(KeyFields, KeyValues, Options);
    if (found) {
        Resync(rmExact | rmCenter);
        DoAfterScroll();
    }
    return found;
}

Variant TDataSet::Lookup(const AnsiString& KeyFields, const Variant& KeyValues, const AnsiString& ResultFields) {
    if (!locateRecord(KeyFields, KeyValues, 0))
        return Variant::Null();
    const TDataSetState saved = SetTempState(dsCalcFields);
    try {
        CalculateFields(TempBuffer());
        Variant result = FieldValues(ResultFields);
        RestoreState(saved);
        return result;
    } catch (...) {
        RestoreState(saved);
        throw;
    }
}

// --- Master-detail and data sources ----------------------------------------------------------------

bool TDataSet::IsLinkedTo(TDataSource* ADataSource) const {
    while (ADataSource) {
        const TDataSet* dataSet = ADataSource->DataSet();
        if (!dataSet)
            return false;
        if (dataSet == this)
            return true;
        ADataSource = dataSet->GetDataSource();
    }
    return false;
}

void TDataSet::GetDetailLinkFields(std::vector<TField*>& MasterFields, std::vector<TField*>& DetailFields) {
    MasterFields.clear();
    DetailFields.clear();
}

void TDataSet::addDataSource(TDataSource* source) {
    dataSources_.push_back(source);
    source->dataSet_ = this;
    UpdateBufferCount();
    source->UpdateState();
}

void TDataSet::removeDataSource(TDataSource* source) {
    source->dataSet_ = nullptr;
    dataSources_.erase(std::remove(dataSources_.begin(), dataSources_.end(), source), dataSources_.end());
    source->UpdateState();
    UpdateBufferCount();
}

// --- Provider support --------------------------------------------------------------------------------

void TDataSet::PSEndTransaction(bool) {}

int TDataSet::PSExecuteStatement(const AnsiString&, TParams*, TDataSet**) { DatabaseError("SQL not supported", this); }

bool TDataSet::PSUpdateRecord(TUpdateKind, TDataSet*) { return false; }

AnsiString TDataSet::PSGetKeyFields() {
    AnsiString keys;
    for (int i = 0; i < fields_.Count(); ++i) {
        if (!(fields_[i]->ProviderFlags() & pfInKey))
            continue;
        if (!keys.empty())
            keys += ';';
        keys += fields_[i]->FieldName();
    }
    return keys;
}

std::unique_ptr<TIndexDefs> TDataSet::PSGetIndexDefs(TIndexOptions) { return nullptr; }

void TDataSet::PSSetParams(TParams* AParams) {
    if (AParams && AParams->Count() > 0)
        DatabaseError("Parameters not supported", this);
}

void TDataSet::PSSetCommandText(const AnsiString& CommandText) {
    if (!CommandText.empty())
        DatabaseError("Command text not supported", this);
}

void TDataSet::PSExecute() { DatabaseError("Execute not supported", this); }
