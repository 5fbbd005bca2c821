// A stream over a growable block of memory.
#pragma once

#include <string>
#include <vector>

#include "toolkit/AnsiString.h"
#include "toolkit/TStream.h"

class TMemoryStream : public TStream {
public:
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t newSize) override;
    // Reads straight into the block, grown once (a failed read leaves the stream as it was).
    int64_t CopyFrom(TStream& source, int64_t count) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

    // The bytes; valid until the next write or resize.
    char* Memory() { return data_.data(); }
    const char* Memory() const { return data_.data(); }

    void Clear();
    void LoadFromStream(TStream& source);
    void SaveToStream(TStream& target);
    void LoadFromFile(const AnsiString& fileName);
    void SaveToFile(const AnsiString& fileName);

private:
    std::vector<char> data_;
    int64_t position_ = 0;
};
