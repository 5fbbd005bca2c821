// Icon-library streams for the map suites, written by the same writer as the built-in library.
#include "map/IconLibrarySamples.h"

#include "makepictures/IconLibraryStream.h"
#include "map/TKexIcon.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TMemoryStream.h"

namespace iconsamples {
namespace {

std::string bmpOf(const SampleIcon& icon) {
    TBitmap bitmap;
    bitmap.SetSize(icon.size, icon.size);
    bitmap.Canvas()->Brush()->SetColor(icon.fill);
    bitmap.Canvas()->FillRect(Rect(0, 0, icon.size, icon.size));
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return std::string(stream.Memory(), static_cast<std::size_t>(stream.Size()));
}

} // namespace

std::string libraryBytes(const std::string& libName, const std::vector<SampleIcon>& icons,
                         int formatFlag) {
    std::vector<pictures::LibraryIcon> stored;
    for (const SampleIcon& icon : icons)
        stored.push_back({icon.name, icon.transparentColor, icon.transparent, bmpOf(icon)});
    return pictures::iconLibraryStream(libName, stored, formatFlag);
}

void addLibrary(TKexIcon& set, const std::string& libName, const std::vector<SampleIcon>& icons) {
    const std::string bytes = libraryBytes(libName, icons);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    set.AddLib(libName).LoadFromStream(stream);
}

std::size_t recordOffset(const std::string& bytes, int i) {
    std::size_t offset = 181;
    for (int k = 0; k < i; ++k) {
        const auto* size = reinterpret_cast<const unsigned char*>(bytes.data() + offset + 36);
        offset +=
            40 + (size[0] | size[1] << 8 | size[2] << 16 | static_cast<std::size_t>(size[3]) << 24);
    }
    return offset;
}

} // namespace iconsamples
