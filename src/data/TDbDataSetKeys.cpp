// Keys on the active index: the six key buffers, key editing, GotoKey, GotoNearest and
// FindNearest, ranges carried out as the index's engine scopes, and the master-detail link, which
// is a range that follows the master's record.
//
// Key editing:
//   browse --SetKey / SetRangeStart / SetRangeEnd: the key buffer saved, cleared-->  dsSetKey
//   dsSetKey --Post, or CheckBrowseMode (every search and range operation): values kept-->  browse
//   dsSetKey --Cancel: the saved copy put back-->  browse
// Ranges:
//   no range --ApplyRange (or the master link): top and bottom scopes set, First-->  range in force
//   range in force --ApplyRange with other bounds-->  range in force (the same bounds: nothing)
//   range in force --CancelRange, an IndexName change, the master link disabled: scopes
//     cleared-->  no range
#include "data/TDbDataSet.h"

#include <cstring>

#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"
#include "toolkit/TIndexDefs.h"
#include "toolkit/TMasterDataLink.h"

namespace {

constexpr CERESULT kRecordNotFound = 5022;
constexpr uint32_t kSegmentNameRoom = 129;
// Room for one raw key built for a seek or a range bound. A key is at most 256 bytes; the byte
// past the longest one leaves room for a terminating zero, and the exact seek shares the buffer
// of the nearest seek rather than having one a byte shorter.
constexpr std::size_t kKeyRoom = 257;

struct KeyHeader {
    uint8_t modified;
    uint8_t exclusive;
    uint8_t spare[2];
    int32_t fieldCount;
    int32_t size;
};
static_assert(sizeof(KeyHeader) == 12);

KeyHeader* header(char* buffer) { return reinterpret_cast<KeyHeader*>(buffer); }

} // namespace

void TDbDataSet::AllocKeyBuffers() {
    uint16_t fields = 0;
    EngineCheck(this, CeGetNumFields(tableHandle_, &fields));
    keyBufferSize_ = kKeyHeaderSize + rawSize_ + 2u * fields;
    // Zeroed: the spare header bytes take part in ApplyRange's comparison.
    keyBuffers_[0] = std::make_unique<char[]>(keyBufferSize_);
    header(keyBuffers_[0].get())->size = int32_t(keyBufferSize_);
    InitKeyBuffer(keyBuffers_[0].get());
    // The engine clears a record of one handle alike every time: the others start as copies.
    for (size_t i = 1; i < keyBuffers_.size(); ++i) {
        keyBuffers_[i] = std::make_unique_for_overwrite<char[]>(keyBufferSize_);
        std::memcpy(keyBuffers_[i].get(), keyBuffers_[0].get(), keyBufferSize_);
    }
}

void TDbDataSet::FreeKeyBuffers() {
    for (auto& buffer : keyBuffers_)
        buffer.reset();
    keyBuffer_ = nullptr;
}

char* TDbDataSet::InitKeyBuffer(char* Buffer) {
    KeyHeader* h = header(Buffer);
    h->modified = 0;
    h->exclusive = 0;
    h->fieldCount = 0;
    std::memset(Buffer + kKeyHeaderSize + rawSize_, 0xFF, keyBufferSize_ - kKeyHeaderSize - rawSize_);
    EngineCheck(this, CeClearRecordBuffer(tableHandle_, Buffer + kKeyHeaderSize, rawSize_));
    return Buffer;
}

void TDbDataSet::SetKeyBuffer(TKeyIndex KeyIndex, bool Clear) {
    if (!isIndexSet())
        DbMisuse(this, db::SIndexNotSet);
    CheckBrowseMode();
    keyBuffer_ = GetKeyBuffer(KeyIndex);
    std::memcpy(GetKeyBuffer(kiSave), keyBuffer_, keyBufferSize_);
    if (Clear)
        InitKeyBuffer(keyBuffer_);
    SetState(dsSetKey);
    header(keyBuffer_)->modified = 1;
    SetModified(true);
    DataEvent(deDataSetChange, 0);
}

void TDbDataSet::SetKey() { SetKeyBuffer(kiLookup, /*Clear=*/true); }
void TDbDataSet::SetRangeStart() { SetKeyBuffer(kiRangeStart, /*Clear=*/true); }
void TDbDataSet::SetRangeEnd() { SetKeyBuffer(kiRangeEnd, /*Clear=*/true); }

void TDbDataSet::PostKeyBuffer(bool Commit) {
    DataEvent(deCheckBrowseMode, 0);
    if (Commit)
        header(keyBuffer_)->modified = Modified() ? 1 : 0;
    else
        std::memcpy(keyBuffer_, GetKeyBuffer(kiSave), keyBufferSize_);
    SetState(dsBrowse);
    DataEvent(deDataSetChange, 0);
}

void TDbDataSet::Post() {
    TDataSet::Post();
    if (State() == dsSetKey)
        PostKeyBuffer(/*Commit=*/true);
}

void TDbDataSet::Cancel() {
    TDataSet::Cancel();
    if (State() == dsSetKey)
        PostKeyBuffer(/*Commit=*/false);
}

AnsiString TDbDataSet::IndexFieldList() {
    switch (indexMode_) {
    case IndexMode::ByName: {
        const TIndexDef* def = indexDefs_.Find(indexName_);
        return def != nullptr ? def->Fields() : AnsiString();
    }
    case IndexMode::ByFields:
        return indexFieldNames_;
    default:
        return {};
    }
}

void TDbDataSet::SetKeyFields(TKeyIndex KeyIndex, std::initializer_list<Variant> Values) {
    UpdateIndexDefs();
    const AnsiString list = IndexFieldList();
    if (list.empty())
        DbMisuse(this, db::SNoKeyExpressions);
    int names = 0;
    while (!GetListItem(names + 1, list).empty())
        ++names;
    if (names < int(Values.size()))
        DbMisuse(this, db::STooManyKeyValues);
    const TDataSetState saved = SetTempState(dsSetKey);
    try {
        keyBuffer_ = InitKeyBuffer(GetKeyBuffer(KeyIndex));
        for (int i = int(Values.size()) - 1; i >= 0; --i)
            FieldByName(GetListItem(i + 1, list))->AssignValue(Values.begin()[i]);
        header(keyBuffer_)->fieldCount = int32_t(Values.size());
        header(keyBuffer_)->modified = Modified() ? 1 : 0;
    } catch (...) {
        RestoreState(saved);
        throw;
    }
    RestoreState(saved);
}

// Every assigned segment is passed; the engine's key ends at the first segment it was not given
// (and after a partial string), so a key of the second segment alone is an empty key.
void TDbDataSet::BuildRawKey(TKeyIndex KeyIndex, bool Partial, char* Key, uint32_t& Length) {
    EngineCheck(this, CeInitRawKey(orderHandle_));
    const char* record = GetKeyBuffer(KeyIndex) + kKeyHeaderSize;
    const char* assigned = record + rawSize_;
    for (uint16_t segment = 0;; ++segment) {
        char name[kSegmentNameRoom] = {};
        uint32_t nameLength = kSegmentNameRoom;
        if (CeGetSegmentFieldname(orderHandle_, segment, name, &nameLength) != 0)
            break;
        const int index = engineFieldDefs_.IndexOf(name);
        if (index < 0)
            continue;
        const TEngineFieldDef& def = engineFieldDefs_.Items(index);
        uint16_t entry = 0;
        std::memcpy(&entry, assigned + 2 * (def.FieldNo - 1), sizeof entry);
        if (entry == 0xFFFF)
            continue;
        const bool text = def.EngineType == db::ceString;
        const uint32_t length = text && Partial ? entry : def.Length;
        EngineCheck(this, text ? CeSetField(orderHandle_, name, record + def.Offset, length)
                               : CeSetFieldRaw(orderHandle_, name, record + def.Offset, length));
    }
    EngineCheck(this, CeBuildRawKey(orderHandle_, Key, &Length));
}

bool TDbDataSet::seekLookupKey(bool nearest) {
    char key[kKeyRoom];
    uint32_t length = sizeof key;
    BuildRawKey(kiLookup, /*Partial=*/nearest, key, length);
    uint16_t found = 0;
    EngineCheck(this, CeSeek(orderHandle_, key, length, 1, nearest ? 1 : 2, &found));
    SetFound(found != 0);
    return found != 0;
}

bool TDbDataSet::GotoKey() {
    CheckBrowseMode();
    DoBeforeScroll();
    CursorPosChanged();
    // The bookmark holds the physical record number; the record info may hold a sequenced place.
    const uint32_t recNo = BookmarkRecNo(ActiveBuffer());
    if (seekLookupKey(/*nearest=*/false)) {
        Resync(rmExact | rmCenter);
        DoAfterScroll();
        return true;
    }
    if (Eof()) {
        Last();
    } else if (Bof()) {
        First();
    } else {
        const CERESULT result = CeGotoRecord(tableHandle_, recNo);
        if (result == kRecordNotFound)
            Last();
        else
            EngineCheck(this, result);
    }
    return false;
}

void TDbDataSet::GotoNearest() {
    CheckBrowseMode();
    DoBeforeScroll();
    CursorPosChanged();
    seekLookupKey(/*nearest=*/true);
    SetState(dsBrowse);
    Resync(rmCenter);
    DoAfterScroll();
}

void TDbDataSet::FindNearest(std::initializer_list<Variant> Values) {
    CheckBrowseMode();
    SetKeyFields(kiLookup, Values);
    GotoNearest();
}

bool TDbDataSet::ApplyRangeKeys() {
    if (scoped_)
        DbMisuse(this, db::SRangeWithScope);
    const std::size_t compared = kKeyHeaderSize + rawSize_;
    if (std::memcmp(GetKeyBuffer(kiRangeStart), GetKeyBuffer(kiCurRangeStart), compared) == 0 &&
        std::memcmp(GetKeyBuffer(kiRangeEnd), GetKeyBuffer(kiCurRangeEnd), compared) == 0)
        return false;
    const struct {
        TKeyIndex edited;
        TKeyIndex current;
        uint16_t scope;
    } bounds[] = {{kiRangeStart, kiCurRangeStart, 1}, {kiRangeEnd, kiCurRangeEnd, 2}};
    for (const auto& bound : bounds) {
        if (!header(GetKeyBuffer(bound.edited))->modified)
            continue;
        char key[kKeyRoom];
        uint32_t length = sizeof key;
        BuildRawKey(bound.edited, /*Partial=*/false, key, length);
        EngineCheck(this, CeSetScope(orderHandle_, bound.scope, key, length, 1));
        std::memcpy(GetKeyBuffer(bound.current), GetKeyBuffer(bound.edited), keyBufferSize_);
    }
    SetState(dsBrowse);
    return true;
}

void TDbDataSet::ApplyRange() {
    CheckBrowseMode();
    if (ApplyRangeKeys())
        First();
}

bool TDbDataSet::ResetRange() {
    if (scoped_)
        return true;
    if (!header(GetKeyBuffer(kiCurRangeStart))->modified && !header(GetKeyBuffer(kiCurRangeEnd))->modified)
        return false;
    EngineCheck(this, CeClearAllScopes(tableHandle_));
    uint16_t atEof = 0;
    uint16_t atBof = 0;
    EngineCheck(this, CeAtEOF(tableHandle_, &atEof));
    EngineCheck(this, CeAtBOF(tableHandle_, &atBof));
    if (atEof && atBof)
        EngineCheck(this, CeGotoTop(orderHandle_));
    InitKeyBuffer(GetKeyBuffer(kiCurRangeStart));
    InitKeyBuffer(GetKeyBuffer(kiCurRangeEnd));
    return true;
}

void TDbDataSet::CancelRange() {
    CheckBrowseMode();
    UpdateCursorPos();
    if (ResetRange())
        Resync(0);
}

// --- Master-detail. ---

TDataSource* TDbDataSet::MasterSource() const { return masterLink_->DataSource(); }

TDataSource* TDbDataSet::GetDataSource() const { return MasterSource(); }

void TDbDataSet::CheckNotLinkedBack(TDataSource* Source) {
    if (IsLinkedTo(Source))
        DbMisuse(this, db::SCircularDataLink);
}

void TDbDataSet::SetMasterSource(TDataSource* Value) {
    CheckNotLinkedBack(Value);
    masterLink_->SetDataSource(Value);
    if (Value == nullptr)
        SetMasterFields("");
}

const AnsiString& TDbDataSet::MasterFields() const { return masterLink_->FieldNames(); }

void TDbDataSet::SetMasterFields(const AnsiString& Value) { masterLink_->SetFieldNames(Value); }

void TDbDataSet::MasterChanged() {
    CheckBrowseMode();
    SetLinkRanges(masterLink_->Fields());
    ApplyRange();
}

void TDbDataSet::MasterDisabled() { CancelRange(); }

void TDbDataSet::SetLinkRanges(const std::vector<TField*>& MasterFields) {
    const TDataSetState saved = SetTempState(dsSetKey);
    try {
        keyBuffer_ = InitKeyBuffer(GetKeyBuffer(kiRangeStart));
        header(keyBuffer_)->modified = 1;
        for (std::size_t i = 0; i < MasterFields.size(); ++i)
            GetSegmentField(int(i))->Assign(*MasterFields[i]);
        header(keyBuffer_)->fieldCount = int32_t(MasterFields.size());
    } catch (...) {
        RestoreState(saved);
        throw;
    }
    RestoreState(saved);
    std::memcpy(GetKeyBuffer(kiRangeEnd), GetKeyBuffer(kiRangeStart), keyBufferSize_);
}

void TDbDataSet::DoAfterOpen() {
    TDataSet::DoAfterOpen();
    TDataSource* master = MasterSource();
    // Without master fields the link has no key to restrict by: a range built from an empty key
    // would hide every row, so such a detail opens unrestricted.
    if (master != nullptr && master->DataSet() != nullptr && master->DataSet()->Active() &&
        !masterLink_->Fields().empty())
        MasterChanged();
}

void TDbDataSet::DoOnNewRecord() {
    if (masterLink_->Active() && !masterLink_->Fields().empty()) {
        const std::vector<TField*>& fields = masterLink_->Fields();
        for (std::size_t i = 0; i < fields.size(); ++i)
            GetSegmentField(int(i))->Assign(*fields[i]);
    }
    TDataSet::DoOnNewRecord();
}
