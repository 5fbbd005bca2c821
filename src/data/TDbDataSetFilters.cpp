// Restricting and searching the cursor without key searches: the dataset filter (an engine
// filter or an optimised filter, and OnFilterRecord per fetched record), scopes on the active
// index, Locate and Lookup (a seek on a fitting index, else a temporary optimised filter), and the
// bookmark questions of the toolkit.
//
// Scopes:
//   not scoped --Scoped True: ScopeBegin/ScopeEnd set on the active index (refused with a range
//     in force)-->  scoped
//   scoped --Scoped False, or an index change: scopes cleared-->  not scoped
// Locate's temporary filter:
//   the cursor's own filter and exact setting saved --temporary filter, seek to the top-->
//   the saved filter and exact setting put back, whatever happened in between.
#include "data/TDbDataSet.h"

#include <cstring>
#include <optional>
#include <vector>

#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "data/LocateExpression.h"
#include "data/TDbTableOptions.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/NumberText.h"
#include "toolkit/TField.h"

namespace {

constexpr CERESULT kBufferTooSmall = 5005;
constexpr CERESULT kIndexNotCustom = 5017;
constexpr CERESULT kRecordNotFound = 5022;
constexpr CERESULT kNothingToClear = 5037;
constexpr CERESULT kNoScope = 5038;
constexpr CERESULT kNoCurrentRecord = 5068;
constexpr std::size_t kMaxScopeText = 256;
constexpr uint16_t kMaxIndexes = 50;
constexpr int kMaxLocateSegment = 100;

bool scopeAt(TDbDataSet* dataSet, CEHANDLE index, uint16_t which) {
    char key[256];
    uint32_t length = sizeof key;
    const CERESULT result = CeGetScope(index, which, key, &length);
    if (result == kNoScope)
        return false;
    EngineCheck(dataSet, result);
    return length > 0;
}

bool hasCondition(TDbDataSet* dataSet, CEHANDLE index) {
    char condition[10];
    uint32_t length = sizeof condition;
    const CERESULT result = CeGetIndexCondition(index, condition, &length);
    if (result != kBufferTooSmall)
        EngineCheck(dataSet, result);
    return length != 0;
}

bool isCustom(TDbDataSet* dataSet, CEHANDLE index) {
    uint16_t custom = 0;
    const CERESULT result = CeIsIndexCustom(index, &custom);
    if (result != kIndexNotCustom)
        EngineCheck(dataSet, result);
    return custom == 1;
}

bool isUnique(TDbDataSet* dataSet, CEHANDLE index) {
    if (dataSet->TableType() == ttDbVDT)
        return false;
    uint16_t unique = 0;
    EngineCheck(dataSet, CeIsIndexUnique(index, &unique));
    return unique == 1;
}

AnsiString segmentList(TDbDataSet* dataSet, CEHANDLE index) {
    uint16_t segments = 0;
    EngineCheck(dataSet, CeGetNumSegments(index, &segments));
    AnsiString list;
    for (uint16_t s = 0; s < segments; ++s) {
        char name[510] = {};
        uint32_t length = sizeof name - 1;
        EngineCheck(dataSet, CeGetSegmentFieldname(index, s, name, &length));
        list += (s == 0 ? "" : ";") + AnsiString(name);
    }
    return list;
}

} // namespace

// --- Filters. ---

void TDbDataSet::ActivateFilter() {
    if (Filter().empty()) {
        DeactivateFilter();
        return;
    }
    bool exact = true;
    const AnsiString text = TranslateExpression(Filter(), exact);
    EngineCheck(this, CeSetExact22(tableHandle_, exact ? 1 : 0));
    if (options_->DbOptimizedFilters())
        EngineCheck(this, CeSetAOF(tableHandle_, text.c_str(), options_->DbAOFResolveImmediate ? 1 : 2));
    else
        EngineCheck(this, CeSetFilter(tableHandle_, text.c_str()));
}

void TDbDataSet::DeactivateFilter() {
    const CERESULT result = options_->DbOptimizedFilters() ? CeClearAOF(tableHandle_) : CeClearFilter(tableHandle_);
    if (result != kNothingToClear)
        EngineCheck(this, result);
}

void TDbDataSet::SetFiltered(bool Value) {
    TDataSet::SetFiltered(Value);
    if (IsCursorOpen()) {
        if (Value)
            ActivateFilter();
        else
            DeactivateFilter();
    }
    if (Active())
        First();
}

void TDbDataSet::SetFilterText(const AnsiString& Value) {
    TDataSet::SetFilterText(Value);
    if (Active() && Filtered())
        SetFiltered(true);
}

bool TDbDataSet::RecordFilter(char* Buffer) {
    const TDataSetState saved = SetTempState(dsFilter);
    char* previous = FilterBuffer();
    SetFilterBuffer(Buffer);
    bool accept = true;
    try {
        OnFilterRecord(this, accept);
    } catch (...) {
        tk::handleException(this);
    }
    SetFilterBuffer(previous);
    RestoreState(saved);
    return accept;
}

// --- Scopes. ---

void TDbDataSet::ActivateScope() {
    if (!isIndexSet())
        DbMisuse(this, db::SScopeNoIndex);
    for (uint16_t which : {uint16_t(1), uint16_t(2)}) {
        char key[256];
        uint32_t length = sizeof key;
        if (CeGetScope(orderHandle_, which, key, &length) == 0)
            DbMisuse(this, db::SScopeWithRange);
    }
    if (!scopeBegin_.empty())
        EngineCheck(this, CeSetScope(orderHandle_, 1, scopeBegin_.data(), uint32_t(scopeBegin_.size()), 2));
    if (!scopeEnd_.empty())
        EngineCheck(this, CeSetScope(orderHandle_, 2, scopeEnd_.data(), uint32_t(scopeEnd_.size()), 2));
}

void TDbDataSet::DeactivateScope() {
    if (!isIndexSet())
        return;
    for (uint16_t which : {uint16_t(1), uint16_t(2)}) {
        const CERESULT result = CeClearScope(orderHandle_, which);
        if (result != kNoScope)
            EngineCheck(this, result);
    }
}

void TDbDataSet::SetScoped(bool Value) {
    if (Value == scoped_)
        return;
    if (Active()) {
        // The bookmark holds the physical record number; the record info may hold a sequenced place.
        const uint32_t recNo = BookmarkRecNo(ActiveBuffer());
        if (Value) {
            UpdateCursorPos();
            ActivateScope();
            uint16_t visible = 0;
            const CERESULT result = CeIsRecordVisible(orderHandle_, &visible);
            if (result == kNoCurrentRecord)
                visible = 0;
            else
                EngineCheck(this, result);
            scoped_ = true;
            if (visible)
                Resync(0);
            else
                First();
            return;
        }
        DeactivateScope();
        scoped_ = false;
        if (Bof() && Eof()) {
            First();
            return;
        }
        const CERESULT result = CeGotoRecord(tableHandle_, recNo);
        if (result == kRecordNotFound)
            EngineCheck(this, CeSkip(orderHandle_, 1));
        CursorPosChanged();
        Resync(0);
        return;
    }
    scoped_ = Value;
}

void TDbDataSet::SetScopeBegin(const AnsiString& Value) {
    if (Value.size() > kMaxScopeText)
        DbMisuse(this, db::SScopeTooLong);
    scopeBegin_ = Value;
}

void TDbDataSet::SetScopeEnd(const AnsiString& Value) {
    if (Value.size() > kMaxScopeText)
        DbMisuse(this, db::SScopeTooLong);
    scopeEnd_ = Value;
}

// --- Index tests. ---

bool TDbDataSet::HasIndexCondition() { return isIndexSet() && hasCondition(this, orderHandle_); }

bool TDbDataSet::IsIndexUnique() { return isIndexSet() && isUnique(this, orderHandle_); }

bool TDbDataSet::IsIndexCustom() { return isIndexSet() && isCustom(this, orderHandle_); }

bool TDbDataSet::IsIndexPlain(CEHANDLE Index) {
    return !scopeAt(this, Index, 1) && !scopeAt(this, Index, 2) && !hasCondition(this, Index) &&
           !isUnique(this, Index) && !isCustom(this, Index);
}

bool TDbDataSet::FindLocateIndex(const AnsiString& Segments, const AnsiString& KeyFields, AnsiString& LastSegment) {
    std::vector<bool> covered(kMaxLocateSegment + 1, false);
    int highest = 0;
    for (int i = 1;; ++i) {
        const AnsiString name = Trim(GetListItem(i, KeyFields));
        if (name.empty())
            break;
        const int position = GetListItemPos(name, Segments);
        if (position < 1 || position > kMaxLocateSegment)
            return false;
        covered[std::size_t(position)] = true;
        highest = std::max(highest, position);
    }
    if (highest == 0)
        return false;
    for (int k = 1; k <= highest; ++k)
        if (!covered[std::size_t(k)])
            return false;
    LastSegment = UpperCase(GetListItem(highest, Segments));
    return true;
}

// --- Locate and Lookup. ---

CEHANDLE TDbDataSet::locateIndex(const AnsiString& keyFields, TLocateOptions options, AnsiString& lastSegment) {
    if (options & loCaseInsensitive)
        return 0;
    if (isIndexSet() && (HasScope() || HasIndexCondition() || IsIndexUnique() || IsIndexCustom()))
        return FindLocateIndex(IndexFieldList(), keyFields, lastSegment) ? orderHandle_ : 0;
    CEHANDLE orders[kMaxIndexes] = {};
    uint16_t count = kMaxIndexes;
    EngineCheck(this, CeGetAllIndexes(tableHandle_, orders, &count));
    for (uint16_t i = 0; i < count && i < kMaxIndexes; ++i)
        if (FindLocateIndex(segmentList(this, orders[i]), keyFields, lastSegment) && IsIndexPlain(orders[i]))
            return orders[i];
    return 0;
}

bool TDbDataSet::seekLocate(CEHANDLE index, const std::vector<TField*>& fields, TLocateOptions options,
                            const AnsiString& lastSegment) {
    EngineCheck(this, CeInitRawKey(index));
    const char* record = FilterBuffer();
    for (TField* field : fields) {
        const TEngineFieldDef* def = engineFieldDefs_.ByFieldNo(field->FieldNo());
        if (def == nullptr)
            return false;
        const char* value = record + def->Offset;
        uint32_t length = def->Length;
        const bool text = def->EngineType == db::ceString;
        // A partial key leaves out trailing blanks and the zero bytes of an empty VDT text, so that
        // the value is a prefix (an empty one matches the first entry).
        if (text && (options & loPartialKey) && UpperCase(def->Name) == lastSegment)
            while (length > 0 && (value[length - 1] == ' ' || value[length - 1] == '\0'))
                --length;
        EngineCheck(this, text ? CeSetField(index, def->Name.c_str(), value, length)
                               : CeSetFieldRaw(index, def->Name.c_str(), value, length));
    }
    char key[256];
    uint32_t keyLength = sizeof key;
    EngineCheck(this, CeBuildRawKey(index, key, &keyLength));
    uint16_t found = 0;
    EngineCheck(this, CeSeek(index, key, keyLength, 1, 1, &found));
    return found != 0;
}

AnsiString TDbDataSet::buildFilterString(const std::vector<TField*>& fields, bool caseInsensitive) {
    if (State() != dsFilter)
        DbMisuse(this, db::SBuildFilterString);
    AnsiString expression;
    for (TField* field : fields) {
        const TEngineFieldDef* def = engineFieldDefs_.ByFieldNo(field->FieldNo());
        const uint16_t type = def != nullptr ? def->EngineType : 0;
        std::optional<AnsiString> text;
        if (!field->IsNull()) {
            switch (type) {
            case db::ceLogical:
                text = field->AsBoolean() ? "T" : "F";
                break;
            case db::ceNumeric:
            case db::ceDouble:
            case db::ceCurDouble:
                // The expression language reads "." whatever the display separator is.
                text = FloatToStr(field->AsFloat(), tk::machineFormat());
                break;
            default:
                text = field->AsString();
                break;
            }
        }
        expression += (expression.empty() ? "" : " AND ") + db::locateTerm(field->FieldName(), type, text,
                                                                           caseInsensitive);
    }
    return expression;
}

bool TDbDataSet::filterLocate(const std::vector<TField*>& fields, TLocateOptions options) {
    AnsiString expression = buildFilterString(fields, options & loCaseInsensitive);
    // The exact setting is saved whether or not an optimised filter is: the temporary one
    // changes it either way.
    uint16_t savedExact = 1;
    (void)CeGetExact22(tableHandle_, &savedExact);
    std::optional<AnsiString> savedFilter;
    if (options_->DbOptimizedFilters()) {
        uint32_t length = 0;
        const CERESULT result = CeGetAOF(tableHandle_, nullptr, &length);
        if (result == kBufferTooSmall) {
            std::vector<char> text(length + 1, '\0');
            (void)CeGetAOF(tableHandle_, text.data(), &length);
            savedFilter = AnsiString(text.data());
            expression += " AND (" + *savedFilter + ")";
        } else if (result != kNothingToClear) {
            EngineCheck(this, result);
        }
    }
    const auto restore = [&] {
        if (savedFilter)
            (void)CeSetAOF(tableHandle_, savedFilter->c_str(), 2);
        else
            (void)CeClearAOF(tableHandle_);
        (void)CeSetExact22(tableHandle_, savedExact);
    };
    uint16_t atEof = 1;
    try {
        EngineCheck(this, CeSetExact22(tableHandle_, (options & loPartialKey) ? 0 : 1));
        EngineCheck(this, CeSetAOF(tableHandle_, expression.c_str(), 2));
        EngineCheck(this, CeGotoTop(orderHandle_));
        EngineCheck(this, CeAtEOF(tableHandle_, &atEof));
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return !atEof;
}

bool TDbDataSet::LocateRecord(const AnsiString& KeyFields, const Variant& KeyValues, TLocateOptions Options) {
    CheckBrowseMode();
    uint32_t bookmark = 0;
    EngineCheck(this, CeGetBookmark(tableHandle_, &bookmark));
    std::vector<TField*> fields;
    GetFieldList(fields, KeyFields);
    const TDataSetState saved = SetTempState(dsFilter);
    char* previousFilterBuffer = FilterBuffer();
    SetFilterBuffer(TempBuffer());
    bool found = false;
    try {
        InitRecord(TempBuffer());
        // One key field takes the whole KeyValues; given an array anyway, it takes the first
        // element, as a field cannot hold an array.
        const bool whole = fields.size() == 1 && !KeyValues.IsArray();
        for (std::size_t i = 0; i < fields.size(); ++i)
            fields[i]->SetAsVariant(whole ? KeyValues : KeyValues[int(i)]);
        AnsiString lastSegment;
        const CEHANDLE index = locateIndex(KeyFields, Options, lastSegment);
        found = index != 0 ? seekLocate(index, fields, Options, lastSegment) : filterLocate(fields, Options);
    } catch (...) {
        SetFilterBuffer(previousFilterBuffer);
        RestoreState(saved);
        (void)CeGotoBookmark(tableHandle_, bookmark);
        throw;
    }
    SetFilterBuffer(previousFilterBuffer);
    RestoreState(saved);
    if (!found)
        (void)CeGotoBookmark(tableHandle_, bookmark);
    return found;
}

bool TDbDataSet::Locate(const AnsiString& KeyFields, const Variant& KeyValues, TLocateOptions Options) {
    DoBeforeScroll();
    const bool found = LocateRecord(KeyFields, KeyValues, Options);
    if (!found)
        return false;
    Resync(rmExact | rmCenter);
    DoAfterScroll();
    return true;
}

Variant TDbDataSet::Lookup(const AnsiString& KeyFields, const Variant& KeyValues, const AnsiString& ResultFields) {
    if (KeyValues.IsNull())
        return Variant::Null();
    Variant result = Variant::Null();
    try {
        if (LocateRecord(KeyFields, KeyValues, 0)) {
            const TDataSetState saved = SetTempState(dsCalcFields);
            char* buffer = AllocRecordBuffer();
            try {
                if (FetchRecord(buffer, recordBufferSize_, gmCurrent) == grOK) {
                    // The fetch computes calculated fields only when there are some; the calc
                    // buffer, which dsCalcFields reads, is set either way.
                    if (CalcFieldsSize() == 0)
                        CalculateFields(buffer);
                    result = FieldValues(ResultFields);
                }
            } catch (...) {
                FreeRecordBuffer(buffer);
                RestoreState(saved);
                throw;
            }
            FreeRecordBuffer(buffer);
            RestoreState(saved);
        }
    } catch (...) {
        CursorPosChanged();
        throw;
    }
    CursorPosChanged();
    return result;
}

// --- Bookmarks and the current record. ---

bool TDbDataSet::BookmarkValid(const TBookmark& Bookmark) {
    if (!Active() || Bookmark.size() < sizeof(uint32_t))
        return false;
    CursorPosChanged();
    uint32_t recNo = 0;
    std::memcpy(&recNo, Bookmark.data(), sizeof recNo);
    uint16_t atEof = 1;
    if (CeGotoBookmark(tableHandle_, recNo) != 0 || CeAtEOF(tableHandle_, &atEof) != 0 || atEof)
        return false;
    if (tableType_ != ttDbCDX && tableType_ != ttDbNTX)
        return true;
    uint16_t shown = 1;
    uint16_t deleted = 0;
    EngineCheck(this, CeGetDeleted(&shown));
    if (shown != 0)
        return true;
    EngineCheck(this, CeIsRecordDeleted(tableHandle_, &deleted));
    return deleted != 1;
}

int TDbDataSet::CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2) {
    if (Bookmark1.empty() && Bookmark2.empty())
        return 0;
    if (Bookmark1.empty())
        return 1;
    if (Bookmark2.empty())
        return -1;
    // The engine reads a whole bookmark of each.
    if (int(Bookmark1.size()) != BookmarkSize() || int(Bookmark2.size()) != BookmarkSize())
        DatabaseError(tk::SInvalidBookmark, this);
    int32_t result = 0;
    EngineCheck(this, CeCompareBookmarks(Bookmark1.data(), Bookmark2.data(), &result));
    return result;
}

bool TDbDataSet::GetCurrentRecord(char* Buffer) {
    if (!Active() || IsEmpty() || GetBookmarkFlag(ActiveBuffer()) != bfCurrent)
        return false;
    UpdateCursorPos();
    std::memcpy(Buffer, ActiveBuffer(), rawSize_);
    return true;
}
