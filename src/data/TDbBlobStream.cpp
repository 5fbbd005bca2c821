// The blob stream, and the dataset's CreateBlobStream that makes it.
#include "data/TDbBlobStream.h"

#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "data/TDbBlobCache.h"
#include "data/TDbDataSet.h"
#include "data/TEngineFieldDef.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/TBlobField.h"

TDbBlobStream::TDbBlobStream(TField* Field, TBlobStreamMode Mode)
    : field_(Field), dataSet_(static_cast<TDbDataSet*>(Field->DataSet())), mode_(Mode) {
    const TDataSetState state = dataSet_->State();
    if (state != dsBrowse && state != dsEdit && state != dsInsert && state != dsCalcFields && state != dsNewValue)
        return;
    char* buffer = dataSet_->GetStateRecordBuffer();
    if (buffer == nullptr)
        return;
    uint16_t type = 0;
    EngineCheck(dataSet_, CeGetFieldType(dataSet_->TableHandle(), CE_FIELDNO(Field->FieldNo()), &type));
    if (!db::isBlobLike(type))
        DbMisuse(dataSet_, db::SBlobNotBlobField);
    cache_ = dataSet_->BlobCache(buffer, Field->Offset());
    const bool editing = state == dsEdit || state == dsInsert;
    // An edit already made to this blob survives a new stream, unless the stream asks afresh.
    const bool force = editing && Mode == bmReadWrite && !cache_->IsModified();
    cache_->Load(dataSet_->TableHandle(), Field->FieldNo(), force, dataSet_->BookmarkRecNo(buffer));
    if (Mode == bmWrite) {
        cache_->Truncate();
        modified_ = true;
    }
    dataSet_->CursorPosChanged();
}

TDbBlobStream::~TDbBlobStream() {
    if (!modified_)
        return;
    try {
        dataSet_->DataEvent(deFieldChange, reinterpret_cast<std::intptr_t>(field_));
    } catch (...) {
        tk::handleException(dataSet_);
    }
}

int64_t TDbBlobStream::Read(void* buffer, int64_t count) { return cache_ != nullptr ? cache_->Read(buffer, count) : 0; }

int64_t TDbBlobStream::Seek(int64_t offset, TSeekOrigin origin) {
    return cache_ != nullptr ? cache_->Seek(offset, origin) : 0;
}

void TDbBlobStream::checkWritable() const {
    if (mode_ == bmRead)
        DbMisuse(dataSet_, db::SBlobReadOnly);
    if (cache_ == nullptr)
        DbMisuse(dataSet_, db::SBlobWriteNotAllowed);
}

int64_t TDbBlobStream::Write(const void* buffer, int64_t count) {
    checkWritable();
    modified_ = true;
    return cache_->Write(buffer, count);
}

void TDbBlobStream::SetSize(int64_t newSize) {
    checkWritable();
    modified_ = true;
    cache_->SetSize(newSize);
}

std::unique_ptr<TStream> TDbDataSet::CreateBlobStream(TField* Field, TBlobStreamMode Mode) {
    if (Field->DataType() == ftBlob)
        static_cast<TBlobField*>(Field)->SetBlobType(ftBlob);
    if (Mode != bmRead && State() != dsEdit && State() != dsInsert)
        DbMisuse(this, db::SBlobWriteState);
    return std::make_unique<TDbBlobStream>(Field, Mode);
}
