// Resolution of engine file names against the file system.
#include "engine/PathResolver.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <filesystem>
#include <system_error>

namespace ce {
namespace fs = std::filesystem;

namespace {

std::string lowerUtf8(std::string_view utf8) {
    return base::cp1251ToUtf8(base::lowerCp1251(base::utf8ToCp1251(utf8)));
}

// The directory entry of dir whose name equals part ignoring case, or part itself.
std::string matchComponent(const fs::path& dir, const std::string& part) {
    std::error_code ec;
    if (fs::exists(dir / part, ec))
        return part;
    const std::string wanted = lowerUtf8(part);
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (lowerUtf8(name) == wanted)
            return name;
    }
    return part;
}

} // namespace

std::string resolvePath(std::string_view name) {
    std::string utf8 = base::cp1251ToUtf8(name);
    for (char& c : utf8)
        if (c == '\\')
            c = '/';
    fs::path path(utf8);
    fs::path result = path.is_absolute() ? fs::path("/") : fs::current_path();
    for (const fs::path& part : path.relative_path()) {
        const std::string text = part.string();
        if (text.empty() || text == ".")
            continue;
        if (text == "..") {
            result = result.parent_path();
            continue;
        }
        result /= matchComponent(result, text);
    }
    return result.string();
}

std::string baseName(std::string_view name) {
    const size_t slash = name.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? name : name.substr(slash + 1));
}

std::string extensionOf(std::string_view name) {
    const std::string base = baseName(name);
    const size_t dot = base.rfind('.');
    return dot == std::string::npos ? std::string() : base.substr(dot);
}

std::string tableFileName(std::string_view name, uint16_t tableType) {
    if (!extensionOf(name).empty())
        return std::string(name);
    return std::string(name) + (tableType == 1 || tableType == 2 ? ".dbf" : ".vdt");
}

} // namespace ce
