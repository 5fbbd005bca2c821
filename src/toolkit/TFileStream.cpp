// The file stream over stdio; the name goes through the system's path rules first.
#include "toolkit/TFileStream.h"

#include <unistd.h>

#include "toolkit/Exception.h"
#include "toolkit/FilePath.h"

TFileStream::TFileStream(const AnsiString& fileName, unsigned mode) : fileName_(fileName) {
    const std::string path = tk::nativePath(fileName);
    const bool create = (mode & 0xFF00) == fmCreate;
    const char* how = "rb";
    if (create)
        how = "w+b";
    else if ((mode & 0x3) == fmOpenWrite || (mode & 0x3) == fmOpenReadWrite)
        how = "r+b";
    file_ = std::fopen(path.c_str(), how);
    if (file_ != nullptr)
        return;
    if (create)
        throw EFCreateError("Cannot create file \"" + fileName + "\"");
    throw EFOpenError("Cannot open file \"" + fileName + "\"");
}

TFileStream::~TFileStream() { std::fclose(file_); }

int64_t TFileStream::Read(void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    return static_cast<int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    return static_cast<int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    int whence = SEEK_SET;
    if (origin == TSeekOrigin::soCurrent)
        whence = SEEK_CUR;
    else if (origin == TSeekOrigin::soEnd)
        whence = SEEK_END;
    if (std::fseek(file_, static_cast<long>(offset), whence) != 0)
        throw EStreamError("Seek error in file \"" + fileName_ + "\"");
    return static_cast<int64_t>(std::ftell(file_));
}

void TFileStream::SetSize(int64_t newSize) {
    std::fflush(file_);
    if (ftruncate(fileno(file_), static_cast<off_t>(newSize)) != 0)
        throw EWriteError("Cannot resize file \"" + fileName_ + "\"");
}
