// Names and clears the per-test folders of the temporary directory.
#include "support/TempDirectory.h"

#include <unistd.h>

#include <cctype>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

namespace testsupport {

namespace {

// The test's full name as a file-name part: parameterised tests carry '/' in their names.
std::string currentTestName() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "outside_a_test";
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-')
            c = '_';
    return name;
}

} // namespace

TempDirectory::TempDirectory() {
    // The sequence number keeps two folders of one test apart.
    static int sequence = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("valdren_" + std::to_string(::getpid()) + "_" + currentTestName() + "_" + std::to_string(++sequence));
    // A folder left by an earlier process with the same id is stale.
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDirectory::~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace testsupport
