// What the application benchmarks share: the offscreen application, a program folder laid out like
// the build, and the abort when a benchmark and its baseline would do different work.
#pragma once

#include <filesystem>
#include <string>

namespace bench {

// The sample database of size factor 1, 10 or 100 in the build's data folder.
std::string databasePath(int size);
// Initialises the application once, on the offscreen platform unless another is asked for.
void ensureApplication();
[[noreturn]] void mismatch(const char* what);

// A folder laid out like the build, its database linked to the one of the size; made current and
// the program's directory while it lives.
class ProgramFolder {
public:
    explicit ProgramFolder(int size);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

} // namespace bench
