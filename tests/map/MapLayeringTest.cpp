#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// The quoted and angled includes of one source file.
std::set<std::string> includesOf(const fs::path& file) {
    std::set<std::string> includes;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("#include ", 0) == 0)
            includes.insert(line.substr(9));
    }
    return includes;
}

bool isForbidden(const std::string& include) {
    return include.rfind("<Q", 0) == 0 || include.rfind("\"data/", 0) == 0 ||
           include.rfind("\"widgets/", 0) == 0 || include.rfind("\"app/", 0) == 0 ||
           include.rfind("\"engine/", 0) == 0;
}

// The model knows neither Qt nor the database side, not even through a toolkit header it uses.
TEST(MapLayeringTest, MapSourcesReachNeitherQtNorTheDatabaseSide) {
    const fs::path src(VALDREN_SOURCE_DIR);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(src / "map")) {
        ++files;
        for (const std::string& include : includesOf(entry.path())) {
            EXPECT_FALSE(isForbidden(include)) << entry.path() << ": " << include;
            if (include.rfind("\"toolkit/", 0) != 0)
                continue;
            const fs::path used = src / include.substr(1, include.size() - 2);
            for (const std::string& inner : includesOf(used))
                EXPECT_FALSE(isForbidden(inner))
                    << used << " (from " << entry.path() << "): " << inner;
        }
    }
    EXPECT_GT(files, 10);
}

} // namespace
