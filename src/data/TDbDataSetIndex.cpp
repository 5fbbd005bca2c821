// The dataset core's index choice: IndexName and IndexFieldNames, switching the cursor's order,
// the segments of the active index, its scopes, and index files opened beside the table.
#include "data/TDbDataSet.h"

#include <cstring>

#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/FilePath.h"
#include "toolkit/TField.h"

namespace {

constexpr uint32_t kSegmentNameRoom = 129;
constexpr uint16_t kMaxIndexes = 50;
constexpr CERESULT kNoScope = 5038;

// Index field lists lose blanks (code 32 only) at both ends.
AnsiString trimBlanks(const AnsiString& value) {
    const std::size_t first = value.find_first_not_of(' ');
    if (first == AnsiString::npos)
        return {};
    return value.substr(first, value.find_last_not_of(' ') - first + 1);
}

} // namespace

void TDbDataSet::SetIndexFieldNames(const AnsiString& Value) {
    if (scoped_)
        SetScoped(false);
    const IndexChoice previous{indexName_, indexFieldNames_, indexMode_};
    indexFieldNames_ = trimBlanks(Value);
    indexName_.clear();
    indexMode_ = indexFieldNames_.empty() ? IndexMode::None : IndexMode::ByFields;
    applyIndexChoice(previous, /*LeaveRange=*/false);
}

void TDbDataSet::SetIndexName(const AnsiString& Value) {
    const IndexChoice previous{indexName_, indexFieldNames_, indexMode_};
    indexName_ = Value;
    indexFieldNames_.clear();
    if (Value.empty())
        indexMode_ = IndexMode::None;
    else
        indexMode_ = UpperCase(Value) == "CE_DEFAULT" ? IndexMode::Default : IndexMode::ByName;
    applyIndexChoice(previous, /*LeaveRange=*/true);
}

void TDbDataSet::applyIndexChoice(const IndexChoice& previous, bool LeaveRange) {
    if (IsCursorOpen()) {
        try {
            if (LeaveRange && scoped_)
                SetScoped(false);
            else if (LeaveRange)
                ResetRange();
            SwitchToIndex();
        } catch (...) {
            indexName_ = previous.name;
            indexFieldNames_ = previous.fieldNames;
            indexMode_ = previous.mode;
            throw;
        }
    }
    if (!Active())
        return;
    Resync(0);
    if (LeaveRange && !MasterFields().empty())
        MasterChanged();
}

void TDbDataSet::SetDefaultIndex(const AnsiString& Name) {
    defaultIndexName_ = Name;
    if (!indexName_.empty() || (ComponentState() & csLoading))
        return;
    indexMode_ = IndexMode::Default;
    indexName_ = "CE_DEFAULT";
}

void TDbDataSet::selectIndex() {
    CEHANDLE order = tableHandle_;
    switch (indexMode_) {
    case IndexMode::None:
        break;
    case IndexMode::ByName:
        EngineCheck(this, CeGetIndexHandle(tableHandle_, indexName_.c_str(), &order));
        break;
    case IndexMode::Default:
        EngineCheck(this, CeGetIndexHandle(tableHandle_, defaultIndexName_.c_str(), &order));
        break;
    case IndexMode::ByFields: {
        indexDefs_.Update();
        const TIndexDef* def = indexDefs_.GetIndexForFields(indexFieldNames_, /*CaseInsensitive=*/false);
        if (def == nullptr)
            DbMisuse(this, db::SInvalidIndexFieldName + indexFieldNames_);
        EngineCheck(this, CeGetIndexHandle(tableHandle_, def->Name().c_str(), &order));
        break;
    }
    }
    // The engine answers handle 0 for the empty name of a table without a default index (a free
    // table, or one the dictionary gives none). 0 is no order: such a table reads in natural
    // order and lets "CE_DEFAULT" go, as a dictionary without a default index makes it.
    if (order == 0) {
        order = tableHandle_;
        indexName_.clear();
        indexMode_ = IndexMode::None;
    }
    orderHandle_ = order;
}

void TDbDataSet::SwitchToIndex() {
    UpdateCursorPos();
    selectIndex();
    ClearBuffers();
    SetBufListSize(0);
    computeLayout();
    try {
        SetBufListSize(BufferCount() + 1);
    } catch (...) {
        SetState(dsInactive);
        CloseCursor();
        throw;
    }
}

int TDbDataSet::GetSegmentCount() {
    if (orderHandle_ == tableHandle_)
        return 0;
    uint16_t count = 0;
    EngineCheck(this, CeGetNumSegments(orderHandle_, &count));
    return count;
}

TField* TDbDataSet::GetSegmentField(int N) {
    char name[kSegmentNameRoom] = {};
    uint32_t length = kSegmentNameRoom;
    EngineCheck(this, CeGetSegmentFieldname(orderHandle_, uint16_t(N), name, &length));
    return FieldByName(name);
}

void TDbDataSet::AssignSegmentField(int N, const Variant& Value) { GetSegmentField(N)->AssignValue(Value); }

int TDbDataSet::GetSegmentFieldNum(int Segment) {
    if (orderHandle_ == tableHandle_)
        DbMisuse(this, db::SNoActiveIndexSegment);
    char name[kSegmentNameRoom] = {};
    uint32_t length = kSegmentNameRoom - 1;
    EngineCheck(this, CeGetSegmentFieldname(orderHandle_, uint16_t(Segment), name, &length));
    const int index = engineFieldDefs_.IndexOf(name);
    return index < 0 ? 0 : engineFieldDefs_.Items(index).FieldNo;
}

bool TDbDataSet::GetIsIndexField(TField* Field) {
    const int segments = GetSegmentCount();
    if (State() == dsSetKey && segments == 0)
        return true;
    if (Field->FieldNo() < 1)
        return false;
    for (int i = 0; i < segments; ++i)
        if (GetSegmentFieldNum(i) == Field->FieldNo())
            return true;
    return false;
}

bool TDbDataSet::HasScope() {
    // In natural order the order handle is the table's: no index, so no scope to ask about.
    if (!isIndexSet())
        return false;
    char key[256];
    for (uint16_t which : {uint16_t(1), uint16_t(2)}) {
        uint32_t length = sizeof key;
        const CERESULT result = CeGetScope(orderHandle_, which, key, &length);
        if (result == kNoScope)
            continue;
        EngineCheck(this, result);
        return true;
    }
    return false;
}

void TDbDataSet::AddIndexFile(const AnsiString& FileName) {
    if (!Active())
        DbMisuse(this, db::STableMustBeActive);
    const AnsiString path = FileName.find_first_of("\\/") == AnsiString::npos ? GetDatabasePath() + "\\" + FileName
                                                                              : FileName;
    CEHANDLE orders[kMaxIndexes] = {};
    uint16_t count = kMaxIndexes;
    EngineCheck(this, CeOpenIndex(tableHandle_, path.c_str(), orders, &count));
    indexDefs_.SetUpdated(false);
}

void TDbDataSet::RemoveIndexFile(const AnsiString& FileName) {
    if (!Active())
        DbMisuse(this, db::STableMustBeActive);
    const AnsiString removed = AnsiUpperCase(ExtractFileName(FileName));
    const auto fileOf = [&](CEHANDLE order) {
        char name[260] = {};
        uint32_t length = sizeof name - 1;
        EngineCheck(this, CeGetIndexFilename(order, 1, name, &length));
        return AnsiUpperCase(ExtractFileName(name));
    };
    const bool activeInFile = orderHandle_ != tableHandle_ && fileOf(orderHandle_) == removed;
    CEHANDLE orders[kMaxIndexes] = {};
    uint16_t count = kMaxIndexes;
    EngineCheck(this, CeGetAllIndexes(tableHandle_, orders, &count));
    for (uint16_t i = 0; i < count && i < kMaxIndexes; ++i) {
        if (fileOf(orders[i]) != removed)
            continue;
        EngineCheck(this, CeCloseIndex(orders[i]));
        if (activeInFile)
            SetIndexName("");
        return;
    }
}
