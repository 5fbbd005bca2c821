// Loading the word lists: plain UTF-8 text files, one entry per line.
#include "makedb/WordLists.h"

#include <fstream>
#include <iterator>

namespace makedb {

std::vector<std::string> WordLists::lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (!line.empty() && line[0] != '#')
            out.push_back(std::move(line));
    }
    return out;
}

bool WordLists::load(const std::string& folder, WordLists& out, std::string& error) {
    const std::pair<const char*, std::vector<std::string>*> files[] = {
        {"rubrics.txt", &out.rubrics},     {"firmwords.txt", &out.firmWords},       {"surnames.txt", &out.surnames},
        {"firmpatterns.txt", &out.patterns}, {"streetstems.txt", &out.extraStreets},
    };
    for (const auto& [name, list] : files) {
        const std::string path = folder + "/" + name;
        std::ifstream file(path, std::ios::binary);
        *list = lines(std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()));
        if (list->empty()) {
            error = "missing or empty word list " + path;
            return false;
        }
    }
    return true;
}

} // namespace makedb
