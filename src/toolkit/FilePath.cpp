// Turns the system's file names into this platform's paths.
#include "toolkit/FilePath.h"

#include <algorithm>

namespace tk {

std::string nativePath(const AnsiString& fileName) {
    std::string path = toUtf8(fileName);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

} // namespace tk
