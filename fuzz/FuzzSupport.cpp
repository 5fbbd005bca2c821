// Streams, files and the windowing system for the fuzz targets.
#include "FuzzSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "toolkit/TApplication.h"
#include "toolkit/TFont.h"

namespace fuzz {

TMemoryStream streamOf(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream;
    stream.WriteBuffer(data, static_cast<std::int64_t>(size));
    stream.SetPosition(0);
    return stream;
}

const std::string& scratchDirectory() {
    static const std::string directory = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "valdren-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a scratch directory");
        return pattern;
    }();
    return directory;
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void startOffscreenApplication() {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    tk::setTextAntialiasing(false);
    Application->Initialize();
}

} // namespace fuzz
