// The dataset core: creation and destruction, opening and closing the engine cursor, field
// definitions, the record-buffer layout, and the small services the other dataset files share.
//
// States (the toolkit's, as far as the cursor goes):
//
//   closed (table and order handle none)
//     --InternalOpen: OpenHandle (or the handle OpenOnHandle gave), key buffers, field
//       definitions, layout, index choice, stored scope and filter, first row-->  open (table
//       handle set, order handle set, fields bound)
//   open --InternalClose: (in design state the engine's table and cursor caches emptied first)
//     fields unbound, key buffers and old-record copy freed, CeCloseTable-->  closed
//   open --SwitchToIndex: new order handle, buffers rebuilt-->  open
//
// A failure inside InternalOpen leaves the toolkit closing the cursor again, so no handle stays.
#include "data/TDbDataSet.h"

#include <cstring>
#include <vector>

#include "data/DbRegistry.h"
#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "data/TDbBlobCache.h"
#include "data/TDbConnection.h"
#include "data/TDbIndexFiles.h"
#include "data/TDbTableOptions.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/TMasterDataLink.h"
#include "toolkit/TThreadList.h"

namespace {

constexpr uint32_t kFieldNameRoom = 129;
constexpr uint16_t kMaxIndexes = 50;

// Offsets inside the 8-byte record info.
constexpr uint32_t kInfoFlagByte = 5;

} // namespace

TDbDataSet::TDbDataSet(TComponent* AOwner)
    : TDataSet(AOwner), indexDefs_(this), masterLink_(std::make_unique<TMasterDataLink>(this)),
      options_(std::make_unique<TDbTableOptions>(this)), indexFiles_(std::make_unique<TDbIndexFiles>(this)) {
    masterLink_->OnMasterChange = [this](TPersistent*) { MasterChanged(); };
    masterLink_->OnMasterDisable = [this](TPersistent*) { MasterDisabled(); };
    GetDataSetList().Add(this);
}

TDbDataSet::~TDbDataSet() {
    Destroying();
    try {
        Close();
    } catch (...) {
        tk::handleException(this);
    }
    masterLink_.reset();
    indexFiles_.reset();
    options_.reset();
    if (dbConnection_ != nullptr) {
        dbConnection_->RemoveDataSet(this);
        dbConnection_ = nullptr;
    }
    FreeOldRecord();
    GetDataSetList().Remove(this);
}

void TDbDataSet::InternalOpen() {
    if (tableHandle_ != db::kNoHandle)
        DbMisuse(this, db::STableAlreadyOpen);
    tableHandle_ = orderHandle_ != db::kNoHandle ? orderHandle_ : OpenHandle();
    EngineCheck(this, CeGetRecordLength(tableHandle_, &rawSize_));
    recordBufferSize_ = rawSize_;
    CEHANDLE firstIndex = 0;
    uint16_t indexCount = 1;
    uint32_t pageSize = 0;
    const bool hasPageSize = CeGetAllIndexes(tableHandle_, &firstIndex, &indexCount) == 0 && indexCount > 0 &&
                             CeGetIndexPageSize(firstIndex, &pageSize) == 0;
    options_->DbIndexPageSize = hasPageSize ? TDbIndexPageSizes(pageSize) : TDbIndexPageSizes(512);
    openedForModification_ = true;
    AllocKeyBuffers();
    FieldDefs().SetUpdated(false);
    FieldDefs().Update();
    if (DefaultFields())
        CreateFields();
    BindFields(true);
    computeLayout();
    indexDefs_.SetUpdated(false);
    UpdateIndexDefs();
    if (tableHandle_ != 0)
        selectIndex();
    if (scoped_)
        ActivateScope();
    if (Filtered())
        ActivateFilter();
    if (tableHandle_ != 0)
        InternalFirst();
}

void TDbDataSet::OpenOnHandle(CEHANDLE Handle) {
    Close();
    orderHandle_ = Handle;
    if (db::isSet(Handle))
        Open();
}

void TDbDataSet::InternalClose() {
    if (ComponentState() & csDesigning) {
        // A designer closes a dataset to change its table: the engine's cache would keep the
        // closed table and cursor open behind it.
        EngineCheck(this, CeCacheOpenTables(0));
        EngineCheck(this, CeCacheOpenCursors(0));
    }
    BindFields(false);
    if (DefaultFields())
        DestroyFields();
    FreeKeyBuffers();
    FreeOldRecord();
    const CEHANDLE table = tableHandle_;
    tableHandle_ = db::kNoHandle;
    orderHandle_ = db::kNoHandle;
    openedForModification_ = false;
    if (table != db::kNoHandle)
        EngineCheck(this, CeCloseTable(table));
}

void TDbDataSet::FreeOldRecord() { oldRecord_.reset(); }

void TDbDataSet::computeLayout() {
    blobCacheOffset_ = rawSize_ + uint32_t(CalcFieldsSize());
    recordInfoOffset_ = blobCacheOffset_ + uint32_t(sizeof(void*)) * uint32_t(BlobFieldCount());
    bookmarkOffset_ = recordInfoOffset_ + 8;
    uint32_t bookmarkSize = 0;
    EngineCheck(this, CeGetBookmarkLength(db::isSet(orderHandle_) ? orderHandle_ : tableHandle_, &bookmarkSize));
    SetBookmarkSize(int(bookmarkSize));
    recordBufferSize_ = bookmarkOffset_ + bookmarkSize;
}

char* TDbDataSet::AllocRecordBuffer() {
    char* buffer = new char[recordBufferSize_]();
    for (int i = 0; i < BlobFieldCount(); ++i) {
        TDbBlobCache* cache = new TDbBlobCache();
        std::memcpy(buffer + blobCacheOffset_ + sizeof(void*) * std::size_t(i), &cache, sizeof cache);
    }
    return buffer;
}

void TDbDataSet::FreeRecordBuffer(char*& Buffer) {
    if (Buffer == nullptr)
        return;
    for (int i = 0; i < BlobFieldCount(); ++i)
        delete BlobCache(Buffer, i);
    delete[] Buffer;
    Buffer = nullptr;
}

TDbBlobCache* TDbDataSet::BlobCache(char* Buffer, int BlobIndex) const {
    TDbBlobCache* cache = nullptr;
    std::memcpy(&cache, Buffer + blobCacheOffset_ + sizeof(void*) * std::size_t(BlobIndex), sizeof cache);
    return cache;
}

uint32_t TDbDataSet::BookmarkRecNo(const char* Buffer) const {
    uint32_t recNo = 0;
    std::memcpy(&recNo, Buffer + bookmarkOffset_, sizeof recNo);
    return recNo;
}

void TDbDataSet::GetBookmarkData(char* Buffer, void* Data) {
    std::memcpy(Data, Buffer + bookmarkOffset_, std::size_t(BookmarkSize()));
}

void TDbDataSet::SetBookmarkData(char* Buffer, const void* Data) {
    std::memcpy(Buffer + bookmarkOffset_, Data, std::size_t(BookmarkSize()));
}

TBookmarkFlag TDbDataSet::GetBookmarkFlag(char* Buffer) {
    return TBookmarkFlag(uint8_t(Buffer[recordInfoOffset_ + kInfoFlagByte]));
}

void TDbDataSet::SetBookmarkFlag(char* Buffer, TBookmarkFlag Value) {
    Buffer[recordInfoOffset_ + kInfoFlagByte] = char(Value);
}

void TDbDataSet::InitRecord(char* Buffer) {
    TDataSet::InitRecord(Buffer);
    const int32_t noRecord = -1;
    std::memcpy(Buffer + recordInfoOffset_, &noRecord, sizeof noRecord);
    std::memset(Buffer + recordInfoOffset_ + 4, 0, 4);
    std::memset(Buffer + bookmarkOffset_, 0, 4);
}

void TDbDataSet::InternalInitRecord(char* Buffer) {
    EngineCheck(this, CeClearRecordBuffer(tableHandle_, Buffer, rawSize_));
    for (int i = 0; i < engineFieldDefs_.Count(); ++i) {
        const TEngineFieldDef& def = engineFieldDefs_.Items(i);
        if (def.EngineType == db::ceAutoInc)
            std::memset(Buffer + def.Offset, 0xFF, 4);
    }
    applyDefaults(Buffer);
    const TDataSetState state = State();
    if (BlobFieldCount() > 0 && (state == dsBrowse || state == dsEdit || state == dsInsert || state == dsCalcFields ||
                                 state == dsNewValue))
        for (int i = 0; i < BlobFieldCount(); ++i)
            BlobCache(Buffer, i)->Clear();
}

void TDbDataSet::ClearCalcFields(char* Buffer) { std::memset(Buffer + rawSize_, 0, std::size_t(CalcFieldsSize())); }

void TDbDataSet::InternalInsert() {
    // Insert keeps the row that was current right after the new one; Append (bfEOF) and an
    // insert into an empty dataset (bfBOF) have none, and the buffer there is not a fetched row.
    char* following = Buffers(ActiveRecord() + 1);
    insertedBefore_ = GetBookmarkFlag(ActiveBuffer()) == bfCurrent && GetBookmarkFlag(following) == bfCurrent
                          ? BookmarkRecNo(following)
                          : 0;
    std::memset(ActiveBuffer() + bookmarkOffset_, 0, 4);
}

bool TDbDataSet::GetCanModify() { return openedForModification_ && !readOnly_; }

TUpdateStatus TDbDataSet::UpdateStatus() { DbMisuse(this, db::SUpdateStatusNotSupported); }

void TDbDataSet::BatchMove(TDataSet*, int) { DbMisuse(this, db::SBatchMoveNotSupported); }

void TDbDataSet::RenameTable(const AnsiString&) { DbMisuse(this, db::SRenameTableNotSupported); }

bool TDbDataSet::IsVdtTable() {
    uint16_t type = 0;
    EngineCheck(this, CeGetTableType(tableHandle_, &type));
    return type == 3;
}

// --- Field definitions. ---

void TDbDataSet::InitFieldDefs() {
    if (Active() || tableHandle_ != db::kNoHandle) {
        readFieldDefs(tableHandle_);
        return;
    }
    const CEHANDLE handle = OpenHandle();
    try {
        readFieldDefs(handle);
    } catch (...) {
        (void)CeCloseTable(handle);
        throw;
    }
    EngineCheck(this, CeCloseTable(handle));
}

void TDbDataSet::InternalInitFieldDefs() { readFieldDefs(tableHandle_); }

void TDbDataSet::readFieldDefs(CEHANDLE handle) {
    const TDefCollection::Reading reading(FieldDefs());
    uint16_t count = 0;
    EngineCheck(this, CeGetNumFields(handle, &count));
    std::vector<ReadFieldDef> read;
    read.reserve(count);
    try {
        for (uint16_t n = 1; n <= count; ++n)
            readFieldDef(handle, n, read);
    } catch (...) {
        // The definitions read before the failure stand, as they would had each been added at once.
        storeFieldDefs(read);
        throw;
    }
    storeFieldDefs(read);
}

void TDbDataSet::storeFieldDefs(const std::vector<ReadFieldDef>& read) {
    engineFieldDefs_.Clear();
    for (const ReadFieldDef& field : read)
        engineFieldDefs_.Add(field.engine);
    // Every open of the same cursor reads the same definitions: the existing ones are given the
    // values again rather than freed and made anew. No one hears of it either way (Reading).
    if (FieldDefs().Count() != int(read.size())) {
        FieldDefs().Clear();
        for (const ReadFieldDef& field : read)
            FieldDefs().Add(field.engine.Name, field.type, field.size, /*Required=*/false)->SetFieldNo(field.engine.FieldNo);
        return;
    }
    for (int i = 0; i < FieldDefs().Count(); ++i) {
        TFieldDef* def = FieldDefs()[i];
        const ReadFieldDef& field = read[std::size_t(i)];
        def->SetName(field.engine.Name);
        def->SetDataType(field.type);
        def->SetSize(field.size);
        def->SetRequired(false);
        def->SetFieldNo(field.engine.FieldNo);
    }
}

void TDbDataSet::readFieldDef(CEHANDLE handle, uint16_t fieldNo, std::vector<ReadFieldDef>& read) {
    const CEFIELD field = CE_FIELDNO(fieldNo);
    TEngineFieldDef def;
    def.FieldNo = fieldNo;
    EngineCheck(this, CeGetFieldType(handle, field, &def.EngineType));
    EngineCheck(this, CeGetFieldLength(handle, field, &def.Length));
    if (def.EngineType == db::ceNumeric)
        EngineCheck(this, CeGetFieldDecimals(handle, field, &def.Decimals));
    char name[kFieldNameRoom] = {};
    uint32_t length = kFieldNameRoom;
    EngineCheck(this, CeGetFieldName(handle, fieldNo, name, &length));
    def.Name = name;
    TFieldType type = ftUnknown;
    int size = 0;
    switch (def.EngineType) {
    case db::ceLogical:
        type = ftBoolean;
        break;
    case db::ceNumeric:
        type = def.Decimals == 0 && def.Length < 5 ? ftSmallint : ftFloat;
        break;
    case db::ceDate:
    case db::ceCompactDate:
        type = ftDate;
        break;
    case db::ceString:
        type = ftString;
        size = int(def.Length);
        break;
    case db::ceMemo:
    case db::ceVarchar:
        type = ftMemo;
        size = 1;
        break;
    case db::ceBinary:
    case db::ceImage:
        type = ftBlob;
        size = 1;
        break;
    case db::ceDouble:
        type = ftFloat;
        break;
    case db::ceInteger:
        type = ftInteger;
        break;
    case db::ceShortInt:
        type = ftSmallint;
        break;
    case db::ceTime:
        type = ftTime;
        break;
    case db::ceTimestamp:
        type = ftDateTime;
        break;
    case db::ceAutoInc:
        type = ftAutoInc;
        break;
    case db::ceRaw:
        type = ftBytes;
        size = int(def.Length);
        break;
    case db::ceCurDouble:
        type = ftCurrency;
        break;
    default:
        return;
    }
    EngineCheck(this, CeGetFieldOffset(handle, field, &def.Offset));
    // Fields of unknown type are skipped, so the definition carries the engine's own number.
    read.push_back({def, type, size});
}

// --- Index definitions. ---

void TDbDataSet::UpdateIndexDefs() {
    if (indexDefs_.Updated())
        return;
    const bool temporary = tableHandle_ == db::kNoHandle;
    const CEHANDLE handle = temporary ? OpenHandle() : tableHandle_;
    try {
        const TDefCollection::Reading reading(indexDefs_);
        indexDefs_.Clear();
        CEHANDLE orders[kMaxIndexes] = {};
        uint16_t count = kMaxIndexes;
        EngineCheck(this, CeGetAllIndexes(handle, orders, &count));
        for (uint16_t i = 0; i < count && i < kMaxIndexes; ++i) {
            char name[260] = {};
            uint32_t length = sizeof name - 1;
            EngineCheck(this, CeGetIndexName(orders[i], name, &length));
            uint16_t segments = 0;
            EngineCheck(this, CeGetNumSegments(orders[i], &segments));
            AnsiString fields;
            for (uint16_t s = 0; s < segments; ++s) {
                char segment[510] = {};
                uint32_t segmentLength = sizeof segment - 1;
                EngineCheck(this, CeGetSegmentFieldname(orders[i], s, segment, &segmentLength));
                fields += (s == 0 ? "" : ";") + AnsiString(segment);
            }
            uint16_t descending = 0;
            uint16_t unique = 0;
            EngineCheck(this, CeIsIndexDescending(orders[i], &descending));
            EngineCheck(this, CeIsIndexUnique(orders[i], &unique));
            TIndexOptions options = 0;
            if (descending == 1)
                options |= ixDescending;
            if (unique == 1)
                options |= ixUnique;
            indexDefs_.Add(name, AnsiUpperCase(fields), options);
        }
        indexDefs_.SetUpdated(true);
    } catch (...) {
        if (temporary)
            (void)CeCloseTable(handle);
        throw;
    }
    if (temporary)
        EngineCheck(this, CeCloseTable(handle));
}

// --- Small shared routines. ---

AnsiString TDbDataSet::FormatVersion(uint32_t Major, uint32_t Minor, char Letter) {
    AnsiString text = "6.11 (CE " + std::to_string(Major) + "." + (Minor < 10 ? "0" : "") + std::to_string(Minor);
    if (Letter != ' ' && Letter != '\0')
        text += Letter;
    return text + ")";
}

AnsiString TDbDataSet::Version() {
    uint32_t major = 0;
    uint32_t minor = 0;
    char letter = ' ';
    EngineCheck(this, CeGetVersion(&major, &minor, &letter, nullptr, nullptr));
    return FormatVersion(major, minor, letter);
}

AnsiString TDbDataSet::GetListItem(int N, const AnsiString& List) {
    std::size_t start = 0;
    for (int i = 1; i < N; ++i) {
        start = List.find(';', start);
        if (start == AnsiString::npos)
            return {};
        ++start;
    }
    if (N < 1 || start > List.size())
        return {};
    return List.substr(start, List.find(';', start) - start);
}

int TDbDataSet::GetListItemPos(const AnsiString& Name, const AnsiString& List) {
    if (List.empty())
        return 0;
    const AnsiString wanted = UpperCase(Name);
    std::size_t start = 0;
    for (int i = 1;; ++i) {
        const std::size_t end = List.find(';', start);
        if (UpperCase(List.substr(start, end - start)) == wanted)
            return i;
        if (end == AnsiString::npos)
            return 0;
        start = end + 1;
    }
}

AnsiString TDbDataSet::TranslateExpression(const AnsiString& Text, bool& Exact) {
    const bool vdt = engineTableType_ == 3;
    std::vector<char> work(Text.size() + 51, '\0');
    if (vdt) {
        uint32_t length = uint32_t(work.size());
        EngineCheck(this, CeExpressionLongToShort(tableHandle_, Text.c_str(), work.data(), &length));
    } else {
        std::memcpy(work.data(), Text.data(), Text.size());
    }
    Exact = true;
    std::size_t n = std::strlen(work.data());
    char quote = 0;
    std::size_t opened = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = work[i];
        if (quote == 0) {
            if (c == '"' || c == '\'') {
                quote = c;
                opened = i;
            }
            continue;
        }
        if (c == quote) {
            quote = 0;
            continue;
        }
        if (c != '*' || i + 1 >= n || work[i + 1] != quote)
            continue;
        bool onlyStars = true;
        for (std::size_t k = opened + 1; k < i; ++k)
            onlyStars = onlyStars && work[k] == '*';
        if (onlyStars)
            continue;
        // A trailing "*" asks for a prefix comparison: drop it and close the literal.
        std::memmove(&work[i], &work[i + 1], n - i);
        --n;
        Exact = false;
        quote = 0;
    }
    if (!vdt)
        return AnsiString(work.data());
    std::vector<char> longForm(Text.size() + 1 + 1, '\0');
    uint32_t length = uint32_t(Text.size() + 1);
    const CERESULT result = CeExpressionShortToLong(tableHandle_, work.data(), longForm.data(), &length);
    AnsiString prepared = result == 0 ? AnsiString(longForm.data()) : AnsiString(work.data());
    EngineCheck(this, result);
    return prepared;
}
