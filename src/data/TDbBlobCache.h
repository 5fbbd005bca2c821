// The blob cache of one record buffer and blob field: a memory stream that loads the whole blob
// from the engine on first use and keeps edits until the row is posted.
#pragma once

#include <cstdint>

#include "data/DbHandle.h"
#include "toolkit/TMemoryStream.h"

class TDbBlobCache : public TMemoryStream {
public:
    TDbBlobCache() = default;

    // Writing and resizing mark the cache modified.
    int64_t Write(const void* buffer, int64_t count) override;
    void SetSize(int64_t newSize) override;

    // Loads the blob of the record's field unless it is already here (then only rewinds). A
    // record number 0 (a row not stored yet) loads an empty blob; so does a row the engine has
    // no blob for. Moves the table's cursor to the record.
    void Load(CEHANDLE Table, int FieldNo, bool Force, uint32_t RecNo);
    // Writes a modified cache into the current record of the table.
    void Flush();
    // Empties the blob, as an edit.
    void Truncate();
    // Forgets everything: nothing loaded.
    void Clear();
    bool IsModified() const { return modified_; }

private:
    CEHANDLE table_ = db::kNoHandle;
    uint32_t recNo_ = 0;
    bool modified_ = false;
    int fieldNo_ = 0;
};
