// The rich edit's messages and records: the event mask, character formats (with the link
// effect), text ranges and the link notification a rich edit sends to itself.
#pragma once

#include <cstdint>

#include "toolkit/Messages.h"
#include "toolkit/TColor.h"

constexpr unsigned WM_NOTIFY = 0x004E;
// A notification sent back to the control that caused it.
constexpr unsigned CN_BASE = 0xBC00;
constexpr unsigned CN_NOTIFY = CN_BASE + WM_NOTIFY;

constexpr unsigned EM_GETLINECOUNT = 0x00BA;
constexpr unsigned EM_SETCHARFORMAT = WM_USER + 68;
constexpr unsigned EM_GETEVENTMASK = WM_USER + 59;
constexpr unsigned EM_SETEVENTMASK = WM_USER + 69;
constexpr unsigned EM_GETTEXTRANGE = WM_USER + 75;

// Event mask bits.
constexpr std::uint32_t ENM_CHANGE = 0x00000001;
constexpr std::uint32_t ENM_SELCHANGE = 0x00080000;
constexpr std::uint32_t ENM_LINK = 0x04000000;

constexpr unsigned EN_LINK = 0x070B;

// Scope of EM_SETCHARFORMAT.
constexpr WPARAM SCF_SELECTION = 0x0001;
constexpr WPARAM SCF_ALL = 0x0004;

// Character format mask and effect bits.
constexpr std::uint32_t CFM_BOLD = 0x00000001;
constexpr std::uint32_t CFM_ITALIC = 0x00000002;
constexpr std::uint32_t CFM_UNDERLINE = 0x00000004;
constexpr std::uint32_t CFM_LINK = 0x00000020;
constexpr std::uint32_t CFM_COLOR = 0x40000000;
constexpr std::uint32_t CFE_BOLD = CFM_BOLD;
constexpr std::uint32_t CFE_ITALIC = CFM_ITALIC;
constexpr std::uint32_t CFE_UNDERLINE = CFM_UNDERLINE;
constexpr std::uint32_t CFE_LINK = CFM_LINK;

// The single-byte character format record (60 bytes).
struct CHARFORMATA {
    unsigned cbSize = sizeof(CHARFORMATA);
    std::uint32_t dwMask = 0;
    std::uint32_t dwEffects = 0;
    std::int32_t yHeight = 0;
    std::int32_t yOffset = 0;
    TColor crTextColor = 0;
    std::uint8_t bCharSet = 0;
    std::uint8_t bPitchAndFamily = 0;
    char szFaceName[32] = {};
};

// Character positions: cpMin inside, cpMax just after; paragraph breaks count one each.
struct CHARRANGE {
    std::int32_t cpMin = 0;
    std::int32_t cpMax = 0;
};

struct TEXTRANGEA {
    CHARRANGE chrg;
    // Receives the text and a terminating 0; room for cpMax - cpMin + 1 bytes at least.
    char* lpstrText = nullptr;
};

struct NMHDR {
    HWND hwndFrom = 0;
    std::uintptr_t idFrom = 0;
    unsigned code = 0;
};

// EN_LINK: the mouse message that met link text, and the link's range.
struct ENLINK {
    NMHDR nmhdr;
    unsigned msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    CHARRANGE chrg;
};
