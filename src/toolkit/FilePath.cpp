// Turns the system's file names into this platform's paths.
#include "toolkit/FilePath.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

size_t afterLastSeparator(const AnsiString& fileName) {
    const size_t last = fileName.find_last_of("\\/:");
    return last == AnsiString::npos ? 0 : last + 1;
}

} // namespace

bool FileExists(const AnsiString& FileName) {
    std::error_code error;
    return std::filesystem::is_regular_file(tk::nativePath(FileName), error);
}

AnsiString ExtractFilePath(const AnsiString& FileName) { return FileName.substr(0, afterLastSeparator(FileName)); }

AnsiString ExtractFileName(const AnsiString& FileName) { return FileName.substr(afterLastSeparator(FileName)); }

AnsiString GetCurrentDir() {
    std::error_code error;
    return tk::fromUtf8(std::filesystem::current_path(error).string());
}

bool SetCurrentDir(const AnsiString& Dir) {
    std::error_code error;
    std::filesystem::current_path(tk::nativePath(Dir), error);
    return !error;
}

namespace tk {

std::string nativePath(const AnsiString& fileName) {
    std::string path = toUtf8(fileName);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

AnsiString executableDirectory() { return ExtractFilePath(executableFileName()); }

} // namespace tk
