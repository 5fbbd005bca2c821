// The blob cache.
//
//   empty (nothing loaded) --Load--> loaded (blob of one row and field)
//   loaded --Write / SetSize / Truncate--> modified --Flush--> loaded
//   any --Clear (a new row fetched into the buffer)--> empty
#include "data/TDbBlobCache.h"

#include "data/DbHandle.h"
#include "data/EDbEngineError.h"

namespace {

constexpr int kNoCurrentRecord = 5068;
constexpr int kRecordNotFound = 5022;

} // namespace

int64_t TDbBlobCache::Write(const void* buffer, int64_t count) {
    modified_ = true;
    return TMemoryStream::Write(buffer, count);
}

void TDbBlobCache::SetSize(int64_t newSize) {
    modified_ = true;
    TMemoryStream::SetSize(newSize);
}

void TDbBlobCache::Load(CEHANDLE Table, int FieldNo, bool Force, uint32_t RecNo) {
    if (!Force && table_ == Table && recNo_ == RecNo && fieldNo_ == FieldNo) {
        Seek(0, TSeekOrigin::soBeginning);
        return;
    }
    TMemoryStream::Clear();
    table_ = Table;
    recNo_ = RecNo;
    fieldNo_ = FieldNo;
    modified_ = false;
    if (RecNo == 0)
        return;
    const CEFIELD field = CE_FIELDNO(FieldNo);
    try {
        uint32_t current = 0;
        EngineCheck(nullptr, CeGetRecordNum(Table, 2, &current));
        if (current != RecNo)
            EngineCheck(nullptr, CeGotoRecord(Table, RecNo));
        uint16_t type = 0;
        EngineCheck(nullptr, CeGetFieldType(Table, field, &type));
        bool binary = type == 6 || type == 7;
        if (type == 5) {
            uint16_t memoType = 5;
            EngineCheck(nullptr, CeGetMemoDataType(Table, field, &memoType));
            binary = memoType != 5;
        }
        uint32_t length = 0;
        if (binary) {
            const CERESULT result = CeGetBinaryLength(Table, field, &length);
            if (result == CERESULT(kNoCurrentRecord)) {
                recNo_ = 0;
                return;
            }
            EngineCheck(nullptr, result);
        } else {
            EngineCheck(nullptr, CeGetMemoLength(Table, field, &length));
            ++length; // room for the terminating zero the engine adds to a text
        }
        if (length == 0)
            return;
        TMemoryStream::SetSize(length);
        uint32_t delivered = length;
        EngineCheck(nullptr, CeGetField(Table, field, Memory(), &delivered, 0));
        if (delivered != length)
            TMemoryStream::SetSize(delivered);
        Seek(0, TSeekOrigin::soBeginning);
    } catch (const EDbEngineError& e) {
        recNo_ = 0;
        if (e.ErrorCode != kNoCurrentRecord && e.ErrorCode != kRecordNotFound)
            throw;
        TMemoryStream::Clear();
    }
}

void TDbBlobCache::Flush() {
    if (!modified_)
        return;
    EngineCheck(nullptr, CeSetField(table_, CE_FIELDNO(fieldNo_), Memory(), uint32_t(Size())));
    modified_ = false;
}

void TDbBlobCache::Truncate() {
    TMemoryStream::Clear();
    modified_ = true;
}

void TDbBlobCache::Clear() {
    TMemoryStream::Clear();
    table_ = db::kNoHandle;
    recNo_ = 0;
    fieldNo_ = 0;
    modified_ = false;
}
