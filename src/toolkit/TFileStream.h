// A stream over a file on disk. The name is the system's (CP1251, "\" or "/" separators).
#pragma once

#include <cstdio>

#include "toolkit/AnsiString.h"
#include "toolkit/TStream.h"

// Open modes; sharing flags are accepted and ignored (one process, one thread).
constexpr unsigned fmOpenRead = 0x0000;
constexpr unsigned fmOpenWrite = 0x0001;
constexpr unsigned fmOpenReadWrite = 0x0002;
constexpr unsigned fmCreate = 0xFF00;

class TFileStream : public TStream {
public:
    // Raises EFOpenError (or EFCreateError for fmCreate) naming the file.
    TFileStream(const AnsiString& fileName, unsigned mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t newSize) override;

    const AnsiString& FileName() const { return fileName_; }

private:
    AnsiString fileName_;
    std::FILE* file_ = nullptr;
};
