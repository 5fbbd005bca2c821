// The executable's name on Linux, from the kernel's link to the running image.
#include "toolkit/FilePath.h"

#include <filesystem>
#include <system_error>

namespace tk {

AnsiString executableFileName() {
    std::error_code error;
    return fromUtf8(std::filesystem::read_symlink("/proc/self/exe", error).string());
}

} // namespace tk
