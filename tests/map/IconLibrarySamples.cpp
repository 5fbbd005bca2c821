// Builders of icon-library streams for the map suites.
#include "map/IconLibrarySamples.h"

#include <cstdint>

#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TMemoryStream.h"

namespace iconsamples {
namespace {

void putInt32(std::string& out, int32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>(static_cast<uint32_t>(v) >> shift));
}

void putShortString(std::string& out, const std::string& text, std::size_t room) {
    out.push_back(static_cast<char>(text.size()));
    out += text;
    out.append(room - text.size(), '\0');
}

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
    std::string out;
    putShortString(out, "Icon library", 70);
    putInt32(out, formatFlag);
    putShortString(out, libName, 30);
    out.append(71, '\0');
    putInt32(out, static_cast<int32_t>(icons.size()));
    for (const SampleIcon& icon : icons) {
        const std::string bmp = bmpOf(icon);
        putShortString(out, icon.name, 30);
        putInt32(out, icon.transparentColor);
        out.push_back(icon.transparent ? 1 : 0);
        putInt32(out, static_cast<int32_t>(bmp.size()));
        out += bmp;
    }
    return out;
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
