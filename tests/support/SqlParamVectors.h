// Reads SqlParamVectors.txt, the shared cases of ":name" marker numbering, as UTF-8 texts: each
// suite turns them into the code page its parser reads.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace sqlvectors {

struct MarkerCase {
    int line = 0;                   // of the "sql:" line in the file
    std::string sql;
    std::string out;
    std::vector<std::string> names;
};

inline std::string unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[i + 1] == 'n' ? '\n' : '\\';
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

inline std::string after(const std::string& line, const std::string& tag) {
    if (line.compare(0, tag.size(), tag) != 0)
        throw std::runtime_error("expected \"" + tag + "\" in: " + line);
    return line.size() > tag.size() ? line.substr(tag.size() + 1) : "";
}

inline std::vector<MarkerCase> load() {
    const auto path = std::filesystem::path(VALDREN_TEST_SUPPORT_DIR) / "SqlParamVectors.txt";
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::vector<std::string> lines;
    std::vector<int> numbers;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n)
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
            numbers.push_back(n);
        }
    std::vector<MarkerCase> cases;
    for (size_t i = 0; i + 2 < lines.size(); i += 3) {
        MarkerCase c;
        c.line = numbers[i];
        c.sql = unescape(after(lines[i], "sql:"));
        c.out = unescape(after(lines[i + 1], "out:"));
        const std::string names = after(lines[i + 2], "names:");
        for (size_t p = 0; p < names.size();) {
            const size_t blank = std::min(names.find(' ', p), names.size());
            c.names.push_back(names.substr(p, blank - p));
            p = blank + 1;
        }
        cases.push_back(c);
    }
    return cases;
}

} // namespace sqlvectors
