// The dataset core of the database components: the toolkit's dataset carried onto one engine
// cursor. It opens the cursor (through OpenHandle of the table or the query), describes its
// fields, lays out the record buffers, fetches rows, keeps bookmarks, record numbers and the
// active index, reads and writes fields in the engine's raw records, edits rows, searches by key,
// range, filter, scope and Locate. The table and the query derive from it; its .cpp files are
// split by topic (TDbDataSet*.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "data/DbHandle.h"
#include "data/DbTypes.h"
#include "data/TEngineFieldDefs.h"
#include "toolkit/TDataSet.h"

class TDbBlobCache;
class TDbConnection;
class TDbIndexFiles;
class TDataSource;
class TDbTableOptions;
class TMasterDataLink;

class TDbDataSet : public TDataSet {
public:
    explicit TDbDataSet(TComponent* AOwner);
    ~TDbDataSet() override;

    // --- Where the data lives. ---
    const AnsiString& DatabaseName() const { return databaseName_; }
    // Binds a connection component of that name, else takes an alias of DBALIAS.INI, else a
    // directory path. Refused on an open dataset.
    virtual void SetDatabaseName(const AnsiString& Value);
    // The resolved database directory, without a trailing separator ("data" for a connection to
    // "data\mapdata.vdd"). May fix TableType from an alias.
    virtual AnsiString GetDatabasePath();
    TDbConnection* DbConnection() const { return dbConnection_; }
    // Refused on an open dataset with "Table must not be Active.", even for the connection it has.
    void SetDbConnection(TDbConnection* Value);
    TDbTableTypes TableType() const { return tableType_; }
    virtual void SetTableType(TDbTableTypes Value);
    const AnsiString& TableName() const { return tableName_; }
    bool Exclusive() const { return exclusive_; }
    bool ReadOnly() const { return readOnly_; }
    TDbTableOptions* DbTableOptions() const { return options_.get(); }
    TDbIndexFiles* IndexFiles() const { return indexFiles_.get(); }

    // --- Index choice. ---
    TIndexDefs& IndexDefs() { return indexDefs_; }
    void SetIndexDefs(const TIndexDefs& Value) { indexDefs_.Assign(Value); }
    const AnsiString& IndexName() const { return indexName_; }
    void SetIndexName(const AnsiString& Value);
    const AnsiString& IndexFieldNames() const { return indexFieldNames_; }
    void SetIndexFieldNames(const AnsiString& Value);
    // The dictionary's default index of the table, when it has one.
    const AnsiString& DefaultIndexName() const { return defaultIndexName_; }
    bool Sequenced() const { return sequenced_; }
    void SetSequenced(bool Value) { sequenced_ = Value; }
    bool Scoped() const { return scoped_; }
    // On an open dataset puts the scopes into force (or removes them) and keeps the current record
    // when the scope holds it, else goes First.
    void SetScoped(bool Value);
    const AnsiString& ScopeBegin() const { return scopeBegin_; }
    const AnsiString& ScopeEnd() const { return scopeEnd_; }
    // At most 256 characters; the text takes effect at the next ActivateScope.
    void SetScopeBegin(const AnsiString& Value);
    void SetScopeEnd(const AnsiString& Value);
    // Whether the active index has a top or a bottom scope.
    bool HasScope();
    // Tests of the active index (all false without one), and of any index for Locate.
    bool HasIndexCondition();
    bool IsIndexUnique();
    bool IsIndexCustom();
    bool IsIndexPlain(CEHANDLE Index);
    // Whether the ";"-separated KeyFields are the leading segments of Segments, in any order;
    // LastSegment is then the upper-cased name of the last of them.
    static bool FindLocateIndex(const AnsiString& Segments, const AnsiString& KeyFields, AnsiString& LastSegment);

    // --- Key searches and ranges on the active index. ---
    // Key editing: each enters dsSetKey on a cleared key; Post keeps it, Cancel restores it.
    void SetKey();
    void SetRangeStart();
    void SetRangeEnd();
    // Exact search for the lookup key; a miss keeps the current record.
    bool GotoKey();
    // The first record whose key is at or above the lookup key (string segments as prefixes).
    void GotoNearest();
    // Puts Values into the leading key fields, then GotoNearest.
    void FindNearest(std::initializer_list<Variant> Values);
    // Brings the edited range into force and goes First (nothing when it is already in force).
    void ApplyRange();
    void CancelRange();
    void Post() override;
    void Cancel() override;

    // --- Master-detail: a range on the detail's index that follows the master's record. ---
    TDataSource* MasterSource() const;
    void SetMasterSource(TDataSource* Value);
    const AnsiString& MasterFields() const;
    void SetMasterFields(const AnsiString& Value);

    // --- Filters. ---
    void SetFiltered(bool Value) override;
    void SetFilterText(const AnsiString& Value) override;
    // Put the Filter text into force on the cursor (plain or optimised), or remove it.
    virtual void ActivateFilter();
    virtual void DeactivateFilter();
    // Set or clear the engine scopes of the active index from ScopeBegin and ScopeEnd.
    virtual void ActivateScope();
    virtual void DeactivateScope();

    // Kept with the component; nothing reads them.
    bool StoreActive = true;
    AnsiString InfoStructure;
    AnsiString InfoExpression;

    // "6.11 (CE <engine version>)"; setting it changes nothing.
    AnsiString Version();
    void SetVersion(const AnsiString&) {}
    static AnsiString FormatVersion(uint32_t Major, uint32_t Minor, char Letter);

    // --- Handles. ---
    CEHANDLE TableHandle() const { return tableHandle_; }
    CEHANDLE OrderHandle() const { return orderHandle_; }
    // Closes the dataset and reopens it on a cursor the engine already gave (a query's result).
    void OpenOnHandle(CEHANDLE Handle);
    // The engine's number of the cursor's row (its relative place in a sequenced index order).
    virtual int GetCurrentRecNum();
    // Frees what survives a close (statements); the connection calls it when it disconnects.
    virtual void ReleaseHandles() {}
    virtual int GetLastAutoInc() = 0;
    // Refreshes the dictionary's default index of a table (after a dictionary connects).
    virtual void RefreshDefaultIndex() {}
    // Open and close index files on the open table; "Table must be Active." otherwise.
    void AddIndexFile(const AnsiString& FileName);
    void RemoveIndexFile(const AnsiString& FileName);

    // Not supported: each raises.
    void BatchMove(TDataSet* ASource, int AMode);
    void RenameTable(const AnsiString& NewTableName);
    TUpdateStatus UpdateStatus() override;

    // Prepares a filter text for the engine: a trailing "*" inside a quoted constant becomes a
    // prefix comparison, reported by Exact false.
    AnsiString TranslateExpression(const AnsiString& Text, bool& Exact);
    // The N-th item (from 1) of a ";"-separated list; empty beyond its end.
    static AnsiString GetListItem(int N, const AnsiString& List);
    // The 1-based place of Name in the list (ASCII case ignored), 0 when absent.
    static int GetListItemPos(const AnsiString& Name, const AnsiString& List);
    // Segments of the active index: their count, the dataset field of segment N (from 0), and
    // the engine field number of segment N.
    int GetSegmentCount();
    TField* GetSegmentField(int N);
    void AssignSegmentField(int N, const Variant& Value);
    int GetSegmentFieldNum(int Segment);

    // Compact dates: three bytes to and from the eight-digit text yyyymmdd.
    static AnsiString CompactDateToText(const unsigned char* Raw);
    static void TextToCompactDate(const AnsiString& Text, unsigned char* Raw);

    const TEngineFieldDefs& EngineFieldDefs() const { return engineFieldDefs_; }

    // --- Provider support: statements and transactions run through DbConnection. ---
    void PSEndTransaction(bool Commit) override;
    // Refused without DbConnection. A ResultSet receives a query without owner (the caller's to
    // delete) open on the statement's cursor.
    int PSExecuteStatement(const AnsiString& ASQL, TParams* AParams, TDataSet** ResultSet = nullptr) override;
    AnsiString PSGetQuoteChar() override { return ""; }
    bool PSInTransaction() override;
    bool PSIsSQLBased() override { return true; }
    bool PSIsSQLSupported() override { return true; }
    void PSReset() override;
    void PSStartTransaction() override;
    // Whether OnUpdateRecord applied the update; false without a handler.
    bool PSUpdateRecord(TUpdateKind UpdateKind, TDataSet* Delta) override;

    // --- Toolkit overrides. ---
    bool GetFieldData(TField* Field, void* Buffer) override;
    void SetFieldData(TField* Field, const void* Buffer) override;
    void DataEvent(TDataEvent Event, std::intptr_t Info) override;
    // Seek on a fitting index, else a temporary optimised filter; a miss leaves the cursor where
    // it was.
    bool Locate(const AnsiString& KeyFields, const Variant& KeyValues, TLocateOptions Options) override;
    // The values of ResultFields in the record Locate finds; the dataset does not move.
    Variant Lookup(const AnsiString& KeyFields, const Variant& KeyValues, const AnsiString& ResultFields) override;
    bool BookmarkValid(const TBookmark& Bookmark) override;
    int CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2) override;
    bool GetCurrentRecord(char* Buffer) override;
    bool IsSequenced() override { return sequenced_; }
    std::unique_ptr<TStream> CreateBlobStream(TField* Field, TBlobStreamMode Mode) override;
    bool GetIsIndexField(TField* Field) override;
    void InitFieldDefs() override;
    void UpdateIndexDefs() override;
    void SetRecNo(int Value) override;

protected:
    // Opens the table or runs the statement; answers the engine cursor.
    virtual CEHANDLE OpenHandle() = 0;

    char* AllocRecordBuffer() override;
    void FreeRecordBuffer(char*& Buffer) override;
    void GetBookmarkData(char* Buffer, void* Data) override;
    TBookmarkFlag GetBookmarkFlag(char* Buffer) override;
    void SetBookmarkData(char* Buffer, const void* Data) override;
    void SetBookmarkFlag(char* Buffer, TBookmarkFlag Value) override;
    TGetResult GetRecord(char* Buffer, TGetMode GetMode, bool DoCheck) override;
    int GetRecordSize() override { return int(rawSize_); }
    void InternalAddRecord(char* Buffer, bool Append) override;
    void InternalClose() override;
    void InternalDelete() override;
    void InternalFirst() override;
    void InternalLast() override;
    void InternalGotoBookmark(const void* Bookmark) override;
    void InternalInitFieldDefs() override;
    void InternalInitRecord(char* Buffer) override;
    void InternalOpen() override;
    void InternalPost() override;
    void InternalSetToRecord(char* Buffer) override;
    bool IsCursorOpen() override { return tableHandle_ != db::kNoHandle; }
    void InternalInsert() override;
    void InternalEdit() override;
    void InternalCancel() override;
    void InternalRefresh() override;
    void InitRecord(char* Buffer) override;
    bool FindRecord(bool Restart, bool GoForward) override;
    void DoAfterOpen() override;
    void DoOnNewRecord() override;
    TDataSource* GetDataSource() const override;
    void ClearCalcFields(char* Buffer) override;
    int GetRecordCount() override;
    int GetRecNo() override;
    bool GetCanModify() override;

    // The buffer the current state reads and writes; null when there is none.
    char* GetStateRecordBuffer();
    // The fetch loop: takes the cursor's row into Buffer (Length bytes of it), skipping rows the
    // cursor says are not visible and, while Filtered, rows OnFilterRecord refuses.
    TGetResult FetchRecord(char* Buffer, uint32_t Length, TGetMode Mode);
    // Runs OnFilterRecord on Buffer in dsFilter; a failing handler is reported through the
    // application's exception handler and leaves Accept as it set it.
    bool RecordFilter(char* Buffer);
    bool LocateRecord(const AnsiString& KeyFields, const Variant& KeyValues, TLocateOptions Options);

    // The six key buffers: header, a raw record image, one 16-bit assigned entry per field.
    enum TKeyIndex { kiLookup, kiRangeStart, kiRangeEnd, kiCurRangeStart, kiCurRangeEnd, kiSave };
    void AllocKeyBuffers();
    void FreeKeyBuffers();
    char* InitKeyBuffer(char* Buffer);
    void SetKeyBuffer(TKeyIndex KeyIndex, bool Clear);
    char* GetKeyBuffer(TKeyIndex KeyIndex) const { return keyBuffers_[KeyIndex].get(); }
    void SetKeyFields(TKeyIndex KeyIndex, std::initializer_list<Variant> Values);
    // The engine's raw key of a key buffer into Key (Length: its room in, the key's length out).
    void BuildRawKey(TKeyIndex KeyIndex, bool Partial, char* Key, uint32_t& Length);
    void PostKeyBuffer(bool Commit);
    bool ApplyRangeKeys();
    bool ResetRange();
    void MasterChanged();
    void MasterDisabled();
    // Refuses ("Circular Data Link") a master source that is linked back to this dataset: the
    // table's MasterSource and the query's DataSource alike.
    void CheckNotLinkedBack(TDataSource* Source);
    void SetLinkRanges(const std::vector<TField*>& MasterFields);
    // The active index's ";"-separated fields: its definition's in IndexName mode, IndexFieldNames
    // in that mode, else empty.
    AnsiString IndexFieldList();
    // The blob cache of blob field BlobIndex in Buffer.
    TDbBlobCache* BlobCache(char* Buffer, int BlobIndex) const;
    // The engine record number a buffer's bookmark holds.
    uint32_t BookmarkRecNo(const char* Buffer) const;
    // Rebuilds the buffers for the order of the chosen index.
    void SwitchToIndex();
    void FreeOldRecord();
    // Whether the cursor's table is a VDT table (asked from the engine).
    bool IsVdtTable();

    // The record-buffer layout of the open cursor.
    uint32_t RawSize() const { return rawSize_; }
    uint32_t RecordInfoOffset() const { return recordInfoOffset_; }
    uint32_t BookmarkOffset() const { return bookmarkOffset_; }
    uint32_t RecordBufferSize() const { return recordBufferSize_; }
    char* OldRecord() const { return oldRecord_.get(); }
    bool OpenedForModification() const { return openedForModification_; }
    TMasterDataLink* MasterLink() const { return masterLink_.get(); }

    // The way the active index was chosen.
    enum class IndexMode { None, ByName, ByFields, Default };
    IndexMode indexMode() const { return indexMode_; }

    // The table type the engine reports for a dictionary table.
    void SetTableTypeFromEngine(TDbTableTypes Value) { tableType_ = Value; }
    // The dictionary's default index of the table; chosen when no index is asked for.
    void SetDefaultIndex(const AnsiString& Name);

    // State the table sets through its own setters.
    AnsiString tableName_;
    bool exclusive_ = false;
    bool readOnly_ = false;
    uint16_t engineTableType_ = 3;

private:
    friend class TDbBlobStream;
    friend class TDbConnection;

    // Key buffer layout: Modified, Exclusive, two spare bytes, FieldCount, Size, then the record.
    static constexpr uint32_t kKeyHeaderSize = 12;
    bool isIndexSet() const { return orderHandle_ != tableHandle_; }
    // One pass of the fetch loop: the cursor's row, without the record filter.
    TGetResult fetchRow(char* buffer, uint32_t length, TGetMode mode);
    void computeLayout();
    // One field's description as the engine gives it, with the toolkit's type and size.
    struct ReadFieldDef {
        TEngineFieldDef engine;
        TFieldType type;
        int size;
    };
    // Adds the description of a field of a known type to read.
    void readFieldDef(CEHANDLE handle, uint16_t fieldNo, std::vector<ReadFieldDef>& read);
    void readFieldDefs(CEHANDLE handle);
    // Makes the definitions and the engine's descriptions those read.
    void storeFieldDefs(const std::vector<ReadFieldDef>& read);
    // A raw image to the field's buffer form; false when the image is empty.
    bool rawToField(const TEngineFieldDef& def, TField* field, const char* raw, void* target);
    bool isEmptyRaw(const TEngineFieldDef& def, const TField* field, char* record, bool vdt);
    void selectIndex();
    struct IndexChoice {
        AnsiString name;
        AnsiString fieldNames;
        IndexMode mode;
    };
    // Switches an open cursor to the index now chosen; a failure puts the previous choice back.
    // Seeks the lookup key (nearest: a partial key and a nearest seek); sets and answers Found.
    bool seekLookupKey(bool nearest);
    // With LeaveRange (the IndexName setter) a scope or a range in force is removed first, inside
    // the same restore.
    void applyIndexChoice(const IndexChoice& previous, bool LeaveRange);
    // Writes a data field's value into the record of the current state.
    void writeDataField(TField* field, const void* buffer, char* record);
    // InternalPost's writes of the raw record and the modified blob caches to the engine.
    void writeRecordFields(char* buffer);
    void applyDefaults(char* buffer);
    // The index Locate may seek on (0: none) and the last key segment it found.
    CEHANDLE locateIndex(const AnsiString& keyFields, TLocateOptions options, AnsiString& lastSegment);
    bool seekLocate(CEHANDLE index, const std::vector<TField*>& fields, TLocateOptions options,
                    const AnsiString& lastSegment);
    bool filterLocate(const std::vector<TField*>& fields, TLocateOptions options);
    AnsiString buildFilterString(const std::vector<TField*>& fields, bool caseInsensitive);
    // Whether a DatabaseName leaves the bound connection in charge (empty, its name, "Owner.Name").
    bool namesBoundConnection(const AnsiString& name) const;

    TEngineFieldDefs engineFieldDefs_;
    std::unique_ptr<char[]> oldRecord_;
    CEHANDLE orderHandle_ = db::kNoHandle;
    CEHANDLE tableHandle_ = db::kNoHandle;
    IndexMode indexMode_ = IndexMode::None;
    uint32_t blobCacheOffset_ = 0;
    uint32_t bookmarkOffset_ = 0;
    bool openedForModification_ = false;
    AnsiString databaseName_;
    AnsiString indexFieldNames_;
    TIndexDefs indexDefs_;
    AnsiString indexName_;
    std::unique_ptr<TMasterDataLink> masterLink_;
    uint32_t recordBufferSize_ = 0;
    uint32_t recordInfoOffset_ = 0;
    uint32_t rawSize_ = 0;
    bool scoped_ = false;
    AnsiString scopeEnd_;
    AnsiString scopeBegin_;
    bool sequenced_ = false;
    std::unique_ptr<TDbTableOptions> options_;
    TDbTableTypes tableType_ = ttDbVDT;
    std::unique_ptr<TDbIndexFiles> indexFiles_;
    std::array<std::unique_ptr<char[]>, 6> keyBuffers_;
    char* keyBuffer_ = nullptr; // the one being edited in dsSetKey
    uint32_t insertedBefore_ = 0; // the record a cancelled insert goes back to; 0: Last
    uint32_t keyBufferSize_ = 0;
    TDbConnection* dbConnection_ = nullptr;
    AnsiString aliasPath_;
    AnsiString defaultIndexName_;
};
