// The classic desktop scheme behind the system colours.
#include "toolkit/TColor.h"

#include <array>

namespace {

// Indexed by the low byte of a system colour.
constexpr std::array<TColor, 25> kClassicScheme = {
    clSilver,              // scroll bar
    RGB(0, 128, 128),      // desktop
    clNavy,                // active caption
    clGray,                // inactive caption
    clSilver,              // menu
    clWhite,               // window
    clBlack,               // window frame
    clBlack,               // menu text
    clBlack,               // window text
    clWhite,               // caption text
    clSilver,              // active border
    clSilver,              // inactive border
    clGray,                // application workspace
    clNavy,                // highlight
    clWhite,               // highlight text
    clSilver,              // button face
    clGray,                // button shadow
    clGray,                // grey text
    clBlack,               // button text
    clSilver,              // inactive caption text
    clWhite,               // button highlight
    clBlack,               // 3D dark shadow
    clSilver,              // 3D light
    clBlack,               // tooltip text
    RGB(255, 255, 225),    // tooltip background
};

} // namespace

TColor ColorToRGB(TColor color) {
    if ((static_cast<std::uint32_t>(color) & 0xFF000000u) != 0x80000000u) return color;
    const unsigned index = static_cast<std::uint32_t>(color) & 0xFFu;
    return index < kClassicScheme.size() ? kClassicScheme[index] : clBlack;
}
