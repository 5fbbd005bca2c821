// Encodes the icon library stream, packed and little-endian.
#include "makepictures/IconLibraryStream.h"

#include <algorithm>

namespace pictures {
namespace {

constexpr std::string_view kSignature = "ValdrenInfo icon library";

// A length byte and room bytes, the text cut to the room and the rest zero.
void putShortString(std::string& out, std::string_view text, size_t room) {
    const size_t n = std::min(text.size(), room);
    out += static_cast<char>(n);
    out.append(text.substr(0, n));
    out.append(room - n, '\0');
}

void put32(std::string& out, int32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); }

} // namespace

std::string iconLibraryStream(std::string_view libraryName, const std::vector<LibraryIcon>& icons,
                              int32_t formatFlag) {
    std::string out;
    putShortString(out, kSignature, 70);
    put32(out, formatFlag);
    putShortString(out, libraryName, 30);
    out.append(71, '\0');
    put32(out, static_cast<int32_t>(icons.size()));
    for (const LibraryIcon& icon : icons) {
        putShortString(out, icon.name, 30);
        put32(out, icon.transparentColor);
        out += static_cast<char>(icon.transparent ? 1 : 0);
        put32(out, static_cast<int32_t>(icon.bmp.size()));
        out += icon.bmp;
    }
    return out;
}

} // namespace pictures
