// The buffered dataset: the base of every dataset of the system. It keeps a ring of record
// buffers that its descendant fills through GetRecord, the dataset state, the fields, bookmarks,
// resynchronisation after a change, and the data events that keep data sources and their links
// (grids, master-detail) in step.
//
// Writing a descendant: override the pure virtual operations below, and
//  - lay out its own record buffer (AllocRecordBuffer): the source's row, then CalcFieldsSize
//    bytes for the calculated fields (a not-null byte and the value at each field's Offset), then
//    a bookmark and the bookmark flag; GetRecordSize answers the row's size;
//  - InternalOpen: open the source, read FieldDefs (FieldDefs().Update()), CreateFields() when
//    DefaultFields(), BindFields(true), SetBookmarkSize, then InternalFirst. InternalClose:
//    BindFields(false), DestroyFields() when DefaultFields(), close the source;
//  - GetRecord: move as the mode says, copy the row with its bookmark and bfCurrent, compute the
//    calculated fields (GetCalcFields), and skip the rows OnFilterRecord refuses while Filtered;
//  - GetFieldData / SetFieldData: read and write the buffer of the current state (ActiveBuffer,
//    CalcBuffer in dsCalcFields, FilterBuffer in dsFilter) in the fields' buffer forms; a write
//    outside the editing states raises, and a stored value is announced with
//    DataEvent(deFieldChange, field);
//  - InternalPost leaves the source cursor on the posted row, InternalDelete on the row after the
//    deleted one: the dataset resynchronises on the cursor's row afterwards;
//  - call Destroying() and Close() in its own destructor: the buffers and the cursor can only be
//    released while the descendant still exists.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "toolkit/DataSetTypes.h"
#include "toolkit/Exception.h"
#include "toolkit/TComponent.h"
#include "toolkit/TFieldDefs.h"
#include "toolkit/TFields.h"
#include "toolkit/TIndexDef.h"
#include "toolkit/TIndexDefs.h"
#include "toolkit/TStream.h"
#include "toolkit/Variant.h"

class TDataLink;
class TDataSet;
class TDataSource;
class TField;
class TParams;

enum TUpdateStatus { usUnmodified, usModified, usInserted, usDeleted };

enum TFilterOption : unsigned { foCaseInsensitive = 1u << 0, foNoPartialCompare = 1u << 1 };
using TFilterOptions = unsigned;

using TDataSetNotifyEvent = std::function<void(TDataSet* DataSet)>;
using TDataSetErrorEvent = std::function<void(TDataSet* DataSet, EDatabaseError& E, TDataAction& Action)>;
using TFilterRecordEvent = std::function<void(TDataSet* DataSet, bool& Accept)>;
using TUpdateRecordEvent = std::function<void(TDataSet* DataSet, TUpdateKind UpdateKind, TUpdateAction& UpdateAction)>;

class TDataSet : public TComponent {
public:
    explicit TDataSet(TComponent* AOwner);
    // Detaches the data sources and frees the fields. The descendant must have closed the
    // dataset already (see the file comment).
    ~TDataSet() override;

    // Opening and closing.
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    bool Active() const { return state_ != dsInactive && state_ != dsOpening; }
    void SetActive(bool Value);
    TDataSetState State() const { return state_; }

    // Navigation. Each moves from the active record and fires the scroll events.
    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Moves up to Distance records and answers how many it moved (negative backwards).
    int MoveBy(int Distance);
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    bool IsEmpty() const { return activeRecord_ >= recordCount_; }
    int RecordCount() { CheckActive(); return GetRecordCount(); }
    int RecNo() { return GetRecNo(); }
    // Goes to the record of that number; the base does nothing.
    virtual void SetRecNo(int) {}
    // Re-reads the active record and its neighbours.
    void Refresh();
    // Refills the buffers around the source's current row (see the .cpp for the fallbacks).
    void Resync(TResyncMode Mode);

    // Editing.
    void Insert();
    void Append();
    void Edit();
    virtual void Post();
    virtual void Cancel();
    void Delete();
    // Posts or cancels a pending edit (and, in descendants, ends key editing).
    void CheckBrowseMode();
    // Raise EDatabaseError "Cannot perform this operation on a closed dataset" / "... on an
    // open dataset" (at design time the open one is closed instead).
    void CheckActive() const;
    void CheckInactive();
    // Tells the controls to write their pending values into the fields.
    void UpdateRecord();
    bool Modified() const { return modified_; }
    bool Found() const { return found_; }
    bool CanModify() { return GetCanModify(); }

    // Bookmarks: the bytes of the active record's bookmark, empty when there is none.
    TBookmark GetBookmark();
    // Raises EDatabaseError "Invalid bookmark" for one that is not BookmarkSize bytes long and
    // "Record not found" when its row is gone.
    void GotoBookmark(const TBookmark& Bookmark);
    void FreeBookmark(TBookmark& Bookmark) { Bookmark.clear(); }
    TBookmark Bookmark() { return GetBookmark(); }
    void SetBookmark(const TBookmark& Value) { GotoBookmark(Value); }
    virtual bool BookmarkValid(const TBookmark& Bookmark);
    // Negative, 0 or positive; the base compares nothing and answers 0.
    virtual int CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2);

    // Controls: while disabled, no data event reaches the data sources; the last
    // EnableControls reports a state change and then the data-set change.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ != 0; }

    // Fields.
    TFields& Fields() { return fields_; }
    const TFields& Fields() const { return fields_; }
    int FieldCount() const { return fields_.Count(); }
    TFieldDefs& FieldDefs() { return fieldDefs_; }
    TField* FindField(const AnsiString& FieldName) const { return fields_.FindField(FieldName); }
    // Raises EDatabaseError "<dataset>: Field '<name>' not found".
    TField* FieldByName(const AnsiString& FieldName) const { return fields_.FieldByName(FieldName); }
    // The fields named in the ";"-separated list, in its order; raises for an unknown one.
    void GetFieldList(std::vector<TField*>& List, const AnsiString& FieldNames) const;
    // The value of one field, or an array of the values of several (";"-separated).
    Variant FieldValues(const AnsiString& FieldNames) const;
    // True while the fields were made from FieldDefs at open (and are freed at close).
    bool DefaultFields() const { return defaultFields_; }
    int CalcFieldsSize() const { return calcFieldsSize_; }
    int BlobFieldCount() const { return blobFieldCount_; }
    int BookmarkSize() const { return bookmarkSize_; }
    bool AutoCalcFields() const { return autoCalcFields_; }
    void SetAutoCalcFields(bool Value) { autoCalcFields_ = Value; }
    bool ObjectView() const { return objectView_; }
    void SetObjectView(bool Value) { objectView_ = Value; }

    // Filtering: the text is the descendant's; OnFilterRecord runs per fetched record when
    // Filtered is on (the descendant's GetRecord calls it).
    const AnsiString& Filter() const { return filterText_; }
    void SetFilter(const AnsiString& Value) { SetFilterText(Value); }
    bool Filtered() const { return filtered_; }
    virtual void SetFiltered(bool Value);
    TFilterOptions FilterOptions() const { return filterOptions_; }
    virtual void SetFilterOptions(TFilterOptions Value);
    virtual void SetFilterText(const AnsiString& Value);
    virtual void SetOnFilterRecord(const TFilterRecordEvent& Value);

    // Searching. The base Locate and Lookup scan the rows from the first through GetRecord.
    virtual bool Locate(const AnsiString& KeyFields, const Variant& KeyValues, TLocateOptions Options);
    virtual Variant Lookup(const AnsiString& KeyFields, const Variant& KeyValues, const AnsiString& ResultFields);
    bool FindFirst() { return FindRecord(true, true); }
    bool FindNext() { return FindRecord(false, true); }
    bool FindPrior() { return FindRecord(false, false); }
    bool FindLast() { return FindRecord(true, false); }

    // Master-detail.
    TDataSource* DataSource() const { return GetDataSource(); }
    // Whether following DataSource's dataset and its master sources leads back to this dataset.
    bool IsLinkedTo(TDataSource* ADataSource) const;
    virtual void GetDetailLinkFields(std::vector<TField*>& MasterFields, std::vector<TField*>& DetailFields);

    // Field data in the buffer of the current state; the base answers false and stores nothing.
    virtual bool GetFieldData(TField* Field, void* Buffer);
    virtual void SetFieldData(TField* Field, const void* Buffer);
    // A stream on a blob field of the current record; null when the dataset has no blobs.
    virtual std::unique_ptr<TStream> CreateBlobStream(TField* Field, TBlobStreamMode Mode);
    // Copies the active record's source data into Buffer; false when there is none.
    virtual bool GetCurrentRecord(char* Buffer);
    virtual bool IsSequenced() { return true; }
    virtual TUpdateStatus UpdateStatus() { return usUnmodified; }
    // Fires a data event: updates the dataset's own state for it, then (unless the controls are
    // disabled) passes it to every data source.
    virtual void DataEvent(TDataEvent Event, std::intptr_t Info);
    // The field's value in another state (dsOldValue, dsCurValue, dsNewValue).
    virtual Variant GetStateFieldValue(TDataSetState State, TField* Field);
    virtual bool GetIsIndexField(TField* Field);
    // Reads the field definitions (from the open cursor, or through a short-lived one).
    virtual void InitFieldDefs();
    virtual void UpdateIndexDefs() {}
    // Told by the field or index definitions when they change (not when the dataset reads them
    // from its source); the base does nothing.
    virtual void DefChanged() {}
    // Makes the buffer list hold Value buffers (the descendant calls it with the buffer count
    // plus one after its record layout changed).
    void SetBufListSize(int Value);
    // Recomputes the buffer count from the links of every data source.
    void UpdateBufferCount();
    // Marks the source cursor position unknown (a blob read moved it), so that the next
    // operation re-positions it on the active record.
    void CursorPosChanged() { currentRecord_ = -1; }

    // Provider support: the defaults of a dataset that knows no SQL.
    virtual void PSEndTransaction(bool Commit);
    // Raises EDatabaseError "SQL not supported"; descendants run SQL and may hand out a result.
    virtual int PSExecuteStatement(const AnsiString& ASQL, TParams* AParams, TDataSet** ResultSet = nullptr);
    virtual AnsiString PSGetQuoteChar() { return "\""; }
    virtual bool PSInTransaction() { return false; }
    virtual bool PSIsSQLBased() { return false; }
    virtual bool PSIsSQLSupported() { return false; }
    virtual void PSReset() {}
    virtual void PSStartTransaction() {}
    virtual bool PSUpdateRecord(TUpdateKind UpdateKind, TDataSet* Delta);
    // A new index definition the caller owns, or null.
    virtual std::unique_ptr<TIndexDef> PSGetDefaultOrder() { return nullptr; }
    // The ";"-separated names of the fields marked pfInKey.
    virtual AnsiString PSGetKeyFields();
    virtual AnsiString PSGetTableName() { return ""; }
    virtual std::unique_ptr<TIndexDefs> PSGetIndexDefs(TIndexOptions IndexTypes);
    virtual void PSSetParams(TParams* AParams);
    virtual void PSSetCommandText(const AnsiString& CommandText);
    virtual void PSExecute();
    virtual TParams* PSGetParams() { return nullptr; }

    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent OnCalcFields, OnNewRecord;
    TFilterRecordEvent OnFilterRecord;
    TDataSetErrorEvent OnEditError, OnPostError, OnDeleteError;
    TUpdateRecordEvent OnUpdateRecord;

protected:
    // --- The descendant's part: the source cursor and the record buffers. ---
    virtual char* AllocRecordBuffer() = 0;
    virtual void FreeRecordBuffer(char*& Buffer) = 0;
    virtual void GetBookmarkData(char* Buffer, void* Data) = 0;
    virtual TBookmarkFlag GetBookmarkFlag(char* Buffer) = 0;
    virtual void SetBookmarkData(char* Buffer, const void* Data) = 0;
    virtual void SetBookmarkFlag(char* Buffer, TBookmarkFlag Value) = 0;
    // Fetches the current (gmCurrent), next or prior row into Buffer, computing its calculated
    // fields and skipping rows OnFilterRecord refuses. With DoCheck a failure may raise.
    virtual TGetResult GetRecord(char* Buffer, TGetMode GetMode, bool DoCheck) = 0;
    virtual int GetRecordSize() = 0;
    virtual void InternalAddRecord(char* Buffer, bool Append) = 0;
    virtual void InternalClose() = 0;
    virtual void InternalDelete() = 0;
    // Before the first row (a gmNext fetch then reads the first) / after the last.
    virtual void InternalFirst() = 0;
    virtual void InternalLast() = 0;
    virtual void InternalGotoBookmark(const void* Bookmark) = 0;
    virtual void InternalInitFieldDefs() = 0;
    virtual void InternalInitRecord(char* Buffer) = 0;
    virtual void InternalOpen() = 0;
    virtual void InternalPost() = 0;
    // Puts the source cursor on the row whose bookmark Buffer holds.
    virtual void InternalSetToRecord(char* Buffer) = 0;
    virtual bool IsCursorOpen() = 0;

    virtual void InternalCancel() {}
    virtual void InternalEdit() {}
    virtual void InternalInsert() {}
    virtual void InternalRefresh() {}
    // Reports the exception being handled through the application's exception handler.
    virtual void InternalHandleException();
    // InternalInitRecord, then ClearCalcFields, then the flag bfInserted.
    virtual void InitRecord(char* Buffer);
    virtual void ClearCalcFields(char*) {}
    virtual void CloseBlob(TField*) {}
    // -1 when unknown.
    virtual int GetRecordCount() { return -1; }
    virtual int GetRecNo() { return -1; }
    virtual bool GetCanModify() { return true; }
    virtual TDataSource* GetDataSource() const { return nullptr; }
    // With InfoQuery only the field definitions are read; else the cursor opens.
    virtual void OpenCursor(bool InfoQuery);
    virtual void CloseCursor();
    // FindFirst/FindNext/FindPrior/FindLast; the base finds nothing.
    virtual bool FindRecord(bool Restart, bool GoForward);

    virtual void DoAfterOpen();
    virtual void DoAfterInsert();
    virtual void DoBeforeCancel();
    virtual void DoOnNewRecord();
    void DoBeforeScroll();
    void DoAfterScroll();

    // Opens the dataset when its layout asked for Active.
    void Loaded() override;

    // --- Services for the descendant. ---
    char* ActiveBuffer() const { return buffers_[std::size_t(activeRecord_)]; }
    // The buffer after the filled ones: free for a fetch that must not touch the others.
    char* TempBuffer() const { return buffers_[std::size_t(recordCount_)]; }
    // The buffer whose calculated fields are being computed (dsCalcFields).
    char* CalcBuffer() const { return calcBuffer_; }
    // The buffer under test in dsFilter (Locate's scan, or a descendant's record filter).
    char* FilterBuffer() const { return filterBuffer_; }
    void SetFilterBuffer(char* Buffer) { filterBuffer_ = Buffer; }
    char* Buffers(int Index) const { return buffers_[std::size_t(Index)]; }
    int BufferCount() const { return bufferCount_; }
    // Number of buffers that hold records, and the index of the active one among them.
    int BufferRecordCount() const { return recordCount_; }
    int ActiveRecord() const { return activeRecord_; }
    void SetBookmarkSize(int Value) { bookmarkSize_ = Value; }

    void ClearBuffers();
    bool GetNextRecord();
    int GetNextRecords();
    bool GetPriorRecord();
    int GetPriorRecords();
    // Puts the source cursor on the active record if it was moved elsewhere.
    void UpdateCursorPos();
    void SetState(TDataSetState Value);
    // Switches the state without telling anyone (and without data events until RestoreState).
    TDataSetState SetTempState(TDataSetState Value);
    void RestoreState(TDataSetState Value);
    void SetModified(bool Value) { modified_ = Value; }
    void SetFound(bool Value) { found_ = Value; }
    void CheckCanModify();
    // Computes the calculated fields of Buffer in dsCalcFields (OnCalcFields).
    void GetCalcFields(char* Buffer);
    virtual void CalculateFields(char* Buffer);

    // Field binding: BindFields(true) numbers the fields from FieldDefs, lays out the calculated
    // area and numbers the blob fields; CreateFields makes default fields from FieldDefs.
    void BindFields(bool Binding);
    void CreateFields();
    void DestroyFields();
    // Raises EDatabaseError "Duplicate field name '<name>'" when a field already has the name.
    void CheckFieldName(const AnsiString& FieldName) const;

private:
    friend class TDataLink;
    friend class TDataSource;
    friend class TField;

    void setBufferCount(int Value);
    void moveToEnd(bool toFirst);
    void moveBuffer(int curIndex, int newIndex);
    void setCurrentRecord(int index);
    void activateBuffers();
    void beginInsertAppend();
    void endInsertAppend();
    bool isBookmarkAvailable();
    void checkOperation(void (TDataSet::*operation)(), const TDataSetErrorEvent& errorEvent);
    void addDataSource(TDataSource* source);
    void removeDataSource(TDataSource* source);
    bool locateRecord(const AnsiString& keyFields, const Variant& keyValues, TLocateOptions options);
    static void fire(const TDataSetNotifyEvent& event, TDataSet* dataSet);

    TDataSetState state_ = dsInactive;
    TFields fields_;
    TFieldDefs fieldDefs_;
    std::vector<char*> buffers_;
    std::vector<TDataSource*> dataSources_;
    char* calcBuffer_ = nullptr;
    char* filterBuffer_ = nullptr;
    int bufferCount_ = 0;
    int recordCount_ = 0;
    int activeRecord_ = 0;
    int currentRecord_ = -1;
    int bookmarkSize_ = 0;
    int calcFieldsSize_ = 0;
    int blobFieldCount_ = 0;
    int disableCount_ = 0;
    TDataSetState disableState_ = dsInactive;
    TDataEvent enableEvent_ = deDataSetChange;
    AnsiString filterText_;
    TFilterOptions filterOptions_ = 0;
    bool filtered_ = false;
    bool bof_ = true;
    bool eof_ = true;
    bool modified_ = false;
    bool found_ = false;
    bool defaultFields_ = false;
    bool autoCalcFields_ = true;
    bool objectView_ = false;
    bool streamedActive_ = false; // Active as read from a layout, applied by Loaded
};
