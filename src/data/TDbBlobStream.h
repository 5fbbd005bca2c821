// The stream a dataset hands to a blob field: it reads and writes the blob cache of the current
// record buffer and owns nothing. Writing needs the dataset in edit or insert state.
#pragma once

#include "toolkit/DataSetTypes.h"
#include "toolkit/TStream.h"

class TDbBlobCache;
class TDbDataSet;
class TField;

class TDbBlobStream : public TStream {
public:
    // Loads the blob into the buffer's cache (a write stream empties it). Raises
    // "Invalid blob open on non-blob field." for a field that is not a blob.
    TDbBlobStream(TField* Field, TBlobStreamMode Mode);
    // Tells the dataset the field changed when something was written.
    ~TDbBlobStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    // Resizes the blob, with Write's refusals.
    void SetSize(int64_t newSize) override;

private:
    void checkWritable() const;

    TField* field_;
    TDbDataSet* dataSet_;
    TBlobStreamMode mode_;
    TDbBlobCache* cache_ = nullptr;
    bool modified_ = false;
};
