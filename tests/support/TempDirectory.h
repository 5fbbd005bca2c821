// A folder of its own for the running test: named after the process and the test, made empty
// when the object is built and removed with its contents when it goes, so that two runs side by
// side (two checkouts, or ctest -j) never share a file.
#pragma once

#include <filesystem>

namespace testsupport {

class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

} // namespace testsupport
