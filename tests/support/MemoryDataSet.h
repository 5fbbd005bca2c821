// A small dataset over rows held in memory, written against TDataSet's virtual operations alone,
// as a database descendant would be: the suites of the dataset model drive it. Each row has an id
// that serves as its bookmark; the cursor is an index into the rows (-1 before the first, the row
// count after the last). Calls to the cursor operations are logged for the order-of-calls tests.
// Memo, blob and graphic contents live beside the rows, by record number and field name.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/DatabaseError.h"
#include "toolkit/TDataSet.h"
#include "toolkit/TField.h"
#include "toolkit/TMemoryStream.h"

namespace tktest {

struct MemoryFieldDef {
    AnsiString name;
    TFieldType type;
    int size = 0;
};

class MemoryDataSet : public TDataSet {
public:
    // Field-buffer bytes of one row, one slot per field definition: a not-null byte, the value.
    struct Row {
        std::int32_t id;
        std::string data;
    };

    MemoryDataSet(TComponent* owner, std::vector<MemoryFieldDef> defs) : TDataSet(owner), defs_(std::move(defs)) {
        for (const MemoryFieldDef& def : defs_) {
            offsets_.push_back(dataSize_);
            dataSize_ += 1 + slotSize(def);
        }
    }
    ~MemoryDataSet() override {
        Destroying();
        Close();
    }

    // Adds a row of values (strings through the display conversions, in the definitions' order;
    // an empty Variant leaves the field null). Only while closed.
    void addRow(const std::vector<Variant>& values) {
        Row row{nextId_++, std::string(std::size_t(dataSize_), '\0')};
        for (std::size_t i = 0; i < values.size() && i < defs_.size(); ++i)
            if (!values[i].IsEmpty() && !values[i].IsNull())
                storeValue(row, i, values[i]);
        rows_.push_back(row);
    }
    const std::vector<Row>& rows() const { return rows_; }
    std::vector<std::string>& log() { return log_; }
    void setReadOnly(bool value) { readOnly_ = value; }
    // The next `count` posts fail with an EDatabaseError.
    void failPosts(int count) { failPosts_ = count; }
    // The next `count` record initialisations fail with an EDatabaseError.
    void failInitRecords(int count) { failInits_ = count; }
    // The field-buffer value of field `index` in row `row`, as the integer it holds.
    std::int32_t intAt(int row, int index) const {
        std::int32_t v = 0;
        std::memcpy(&v, rows_[std::size_t(row)].data.data() + offsets_[std::size_t(index)] + 1, sizeof v);
        return v;
    }
    TDataSetState setTempState(TDataSetState state) { return SetTempState(state); }
    void restoreState(TDataSetState state) { RestoreState(state); }
    // Exposed for the suites.
    using TDataSet::ActiveBuffer;
    using TDataSet::ActiveRecord;
    using TDataSet::BufferCount;
    using TDataSet::BufferRecordCount;

    bool GetFieldData(TField* field, void* buffer) override {
        char* record = stateBuffer();
        if (!record)
            return false;
        const char* slot = slotOf(record, field);
        if (!slot || slot[0] == 0)
            return false;
        if (buffer)
            std::memcpy(buffer, slot + 1, std::size_t(field->DataSize()));
        return true;
    }

    void SetFieldData(TField* field, const void* buffer) override {
        switch (State()) {
        case dsEdit:
        case dsInsert:
        case dsCalcFields:
        case dsFilter:
            break;
        default:
            DatabaseError(tk::SNotEditing, this);
        }
        if (field->FieldNo() > 0 && field->ReadOnly() && State() != dsFilter)
            DatabaseErrorFmt(tk::SFieldReadOnly, {field->DisplayName()});
        if (field->FieldNo() > 0 && (State() == dsEdit || State() == dsInsert))
            field->Validate(buffer);
        char* slot = slotOf(stateBuffer(), field);
        slot[0] = buffer ? 1 : 0;
        std::memset(slot + 1, 0, std::size_t(field->DataSize()));
        if (buffer)
            std::memcpy(slot + 1, buffer, std::size_t(field->DataSize()));
        if (State() != dsCalcFields && State() != dsFilter)
            DataEvent(deFieldChange, reinterpret_cast<std::intptr_t>(field));
    }

    int CompareBookmarks(const TBookmark& a, const TBookmark& b) override {
        if (a.empty() || b.empty())
            return a.empty() ? (b.empty() ? 0 : 1) : -1;
        const int x = indexOf(idOf(a.data())), y = indexOf(idOf(b.data()));
        return x < y ? -1 : x > y ? 1 : 0;
    }
    void SetRecNo(int value) override {
        CheckBrowseMode();
        DoBeforeScroll();
        pos_ = std::clamp(value - 1, 0, int(rows_.size()) - 1);
        Resync(rmCenter);
        DoAfterScroll();
    }
    bool BookmarkValid(const TBookmark& bookmark) override { return Active() && !bookmark.empty() && indexOf(idOf(bookmark.data())) >= 0; }

    // The current record's blob; a write stream stores its bytes when freed.
    std::unique_ptr<TStream> CreateBlobStream(TField* field, TBlobStreamMode mode) override {
        const BlobKey key{RecNo(), field->FieldName()};
        auto stream = std::make_unique<BlobStream>(*this, field, key, mode != bmRead);
        if (mode != bmWrite)
            stream->WriteBuffer(blobs_[key].data(), std::int64_t(blobs_[key].size()));
        stream->SetPosition(0);
        return stream;
    }

protected:
    char* AllocRecordBuffer() override { return new char[std::size_t(bufferSize())](); }
    void FreeRecordBuffer(char*& buffer) override {
        delete[] buffer;
        buffer = nullptr;
    }
    void GetBookmarkData(char* buffer, void* data) override { std::memcpy(data, info(buffer), 4); }
    void SetBookmarkData(char* buffer, const void* data) override { std::memcpy(info(buffer), data, 4); }
    TBookmarkFlag GetBookmarkFlag(char* buffer) override { return TBookmarkFlag(info(buffer)[4]); }
    void SetBookmarkFlag(char* buffer, TBookmarkFlag value) override { info(buffer)[4] = char(value); }

    TGetResult GetRecord(char* buffer, TGetMode mode, bool) override {
        log_.push_back(mode == gmCurrent ? "GetRecord current" : mode == gmNext ? "GetRecord next" : "GetRecord prior");
        if (mode == gmNext)
            pos_ = std::min(pos_ + 1, int(rows_.size()));
        else if (mode == gmPrior)
            pos_ = std::max(pos_ - 1, -1);
        while (true) {
            if (pos_ >= int(rows_.size()))
                return grEOF;
            if (pos_ < 0)
                return grBOF;
            const Row& row = rows_[std::size_t(pos_)];
            std::memcpy(buffer, row.data.data(), row.data.size());
            std::memcpy(info(buffer), &row.id, 4);
            SetBookmarkFlag(buffer, bfCurrent);
            GetCalcFields(buffer);
            if (!Filtered() || !OnFilterRecord || acceptRecord(buffer))
                return grOK;
            pos_ += mode == gmPrior ? -1 : 1;
        }
    }
    int GetRecordSize() override { return dataSize_; }
    void InternalAddRecord(char* buffer, bool append) override {
        Row row{nextId_++, std::string(buffer, std::size_t(dataSize_))};
        pos_ = append ? int(rows_.size()) : std::max(pos_, 0);
        rows_.insert(rows_.begin() + pos_, row);
    }
    void InternalClose() override {
        log_.push_back("InternalClose");
        BindFields(false);
        if (DefaultFields())
            DestroyFields();
        open_ = false;
    }
    void InternalDelete() override {
        log_.push_back("InternalDelete at " + std::to_string(pos_));
        rows_.erase(rows_.begin() + pos_);
    }
    void InternalFirst() override { pos_ = -1; }
    void InternalLast() override { pos_ = int(rows_.size()); }
    void InternalGotoBookmark(const void* bookmark) override { pos_ = indexOf(idOf(bookmark)); }
    void InternalInitFieldDefs() override {
        FieldDefs().Clear();
        for (const MemoryFieldDef& def : defs_)
            FieldDefs().Add(def.name, def.type, def.size);
    }
    void InternalInitRecord(char* buffer) override {
        if (failInits_ > 0) {
            --failInits_;
            DatabaseError("Init failed", this);
        }
        std::memset(buffer, 0, std::size_t(dataSize_));
    }
    void InternalOpen() override {
        log_.push_back("InternalOpen");
        open_ = true;
        FieldDefs().SetUpdated(false);
        FieldDefs().Update();
        if (DefaultFields())
            CreateFields();
        BindFields(true);
        SetBookmarkSize(4);
        InternalFirst();
    }
    void InternalPost() override {
        log_.push_back(State() == dsInsert ? "InternalPost insert" : "InternalPost edit");
        if (failPosts_ > 0) {
            --failPosts_;
            DatabaseError("Post failed", this);
        }
        const std::string data(ActiveBuffer(), std::size_t(dataSize_));
        if (State() == dsEdit) {
            rows_[std::size_t(pos_)].data = data;
            return;
        }
        // pos_ stands where UpdateCursorPos put it: on the row the new one goes before, or
        // after the last for an appended row.
        pos_ = GetBookmarkFlag(ActiveBuffer()) == bfEOF ? int(rows_.size()) : std::clamp(pos_, 0, int(rows_.size()));
        rows_.insert(rows_.begin() + pos_, Row{nextId_++, data});
    }
    void InternalEdit() override { log_.push_back("InternalEdit at " + std::to_string(pos_)); }
    void InternalSetToRecord(char* buffer) override {
        log_.push_back("InternalSetToRecord");
        pos_ = indexOf(idOf(info(buffer)));
    }
    bool IsCursorOpen() override { return open_; }
    bool GetCanModify() override { return !readOnly_; }
    int GetRecordCount() override { return int(rows_.size()); }
    int GetRecNo() override {
        if (IsEmpty())
            return -1;
        return indexOf(idOf(info(ActiveBuffer()))) + 1;
    }
    void ClearCalcFields(char* buffer) override { std::memset(buffer + dataSize_, 0, std::size_t(CalcFieldsSize())); }

private:
    using BlobKey = std::pair<int, AnsiString>;
    struct BlobStream : TMemoryStream {
        BlobStream(MemoryDataSet& owner, TField* field, BlobKey key, bool writes)
            : owner(owner), field(field), key(std::move(key)), writes(writes) {}
        ~BlobStream() override {
            if (!writes)
                return;
            owner.blobs_[key].assign(Memory(), std::size_t(Size()));
            const char notEmpty = Size() > 0;
            owner.SetFieldData(field, notEmpty ? &notEmpty : nullptr);
        }
        MemoryDataSet& owner;
        TField* field;
        BlobKey key;
        bool writes;
    };

    static bool isBlobType(TFieldType type) { return type == ftMemo || type == ftBlob || type == ftGraphic || type == ftFmtMemo; }
    static int slotSize(const MemoryFieldDef& def) {
        switch (def.type) {
        case ftString:
            return def.size + 1;
        case ftBytes:
            return def.size;
        case ftSmallint:
        case ftBoolean:
        case ftWord:
            return 2;
        case ftFloat:
        case ftCurrency:
        case ftDateTime:
            return 8;
        default:
            return 4;
        }
    }
    int bufferSize() const { return dataSize_ + CalcFieldsSize() + 5; }
    char* info(char* buffer) const { return buffer + dataSize_ + CalcFieldsSize(); }
    static std::int32_t idOf(const void* bookmark) {
        std::int32_t id = 0;
        std::memcpy(&id, bookmark, 4);
        return id;
    }
    int indexOf(std::int32_t id) const {
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].id == id)
                return int(i);
        return -1;
    }
    char* stateBuffer() {
        switch (State()) {
        case dsBrowse:
            return IsEmpty() ? nullptr : ActiveBuffer();
        case dsEdit:
        case dsInsert:
            return ActiveBuffer();
        case dsCalcFields:
            return CalcBuffer();
        case dsFilter:
            return FilterBuffer();
        default:
            return nullptr;
        }
    }
    char* slotOf(char* record, const TField* field) const {
        if (field->FieldNo() > 0)
            return record + offsets_[std::size_t(field->FieldNo() - 1)];
        return record + dataSize_ + field->Offset();
    }
    bool acceptRecord(char* buffer) {
        const TDataSetState saved = SetTempState(dsFilter);
        SetFilterBuffer(buffer);
        bool accept = true;
        try {
            OnFilterRecord(this, accept);
        } catch (...) {
            InternalHandleException();
        }
        RestoreState(saved);
        return accept;
    }
    void storeValue(Row& row, std::size_t index, const Variant& v) {
        char* slot = row.data.data() + offsets_[index];
        slot[0] = 1;
        if (isBlobType(defs_[index].type)) {
            blobs_[BlobKey{int(rows_.size()) + 1, defs_[index].name}] = v.AsString();
            return;
        }
        switch (defs_[index].type) {
        case ftString: {
            const AnsiString s = v.AsString().substr(0, std::size_t(defs_[index].size));
            std::memcpy(slot + 1, s.data(), s.size());
            break;
        }
        case ftSmallint:
        case ftWord: {
            const auto x = std::int16_t(v.AsInteger());
            std::memcpy(slot + 1, &x, 2);
            break;
        }
        case ftBoolean: {
            const std::int16_t x = v.AsBoolean() ? -1 : 0;
            std::memcpy(slot + 1, &x, 2);
            break;
        }
        case ftFloat:
        case ftCurrency:
        case ftDateTime: {
            const double x = v.AsFloat();
            std::memcpy(slot + 1, &x, 8);
            break;
        }
        default: {
            const std::int32_t x = v.AsInteger();
            std::memcpy(slot + 1, &x, 4);
        }
        }
    }

    std::vector<MemoryFieldDef> defs_;
    std::vector<int> offsets_;
    std::vector<Row> rows_;
    std::vector<std::string> log_;
    std::map<BlobKey, std::string> blobs_;
    int dataSize_ = 0;
    int pos_ = -1;
    int failPosts_ = 0;
    int failInits_ = 0;
    std::int32_t nextId_ = 1;
    bool open_ = false;
    bool readOnly_ = false;
};

} // namespace tktest
