// Code pages 1251 (the system's strings) and 866 (DOS Cyrillic) to and from Unicode, and UTF-8 helpers.
// Every byte of both code pages maps to one Unicode code point, so byte strings round-trip.
#include "base/CodePage.h"

#include <algorithm>
#include <array>

namespace base {
namespace {

// Both code pages are ASCII below 0x80; the tables hold the high halves, bytes 0x80 to 0xFF.
constexpr unsigned kAsciiEnd = 0x80;
using HighHalf = char16_t[256 - kAsciiEnd];

// Byte 0x98 has no character in code page 1251; it maps to U+0098 so that every byte round-trips.
const HighHalf kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

const HighHalf kCp866High = {
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
    0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0,
};

char32_t toUnicode(unsigned char byte, const HighHalf& high) {
    return byte < kAsciiEnd ? byte : high[byte - kAsciiEnd];
}

// Unicode to byte: the code page's pairs sorted by code point, searched by bisection. Built once.
class ReverseTable {
public:
    explicit ReverseTable(const HighHalf& high) {
        for (int byte = 0; byte < 256; ++byte)
            entries_[byte] = {toUnicode(static_cast<unsigned char>(byte), high), static_cast<unsigned char>(byte)};
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const Entry& a, const Entry& b) { return a.codePoint < b.codePoint; });
    }

    unsigned char find(char32_t codePoint) const {
        const auto it = std::lower_bound(entries_.begin(), entries_.end(), codePoint,
                                         [](const Entry& e, char32_t cp) { return e.codePoint < cp; });
        if (it == entries_.end() || it->codePoint != codePoint)
            return static_cast<unsigned char>('?');
        return it->byte;
    }

private:
    struct Entry {
        char32_t codePoint;
        unsigned char byte;
    };
    std::array<Entry, 256> entries_{};
};

const ReverseTable& cp1251Reverse() {
    static const ReverseTable table(kCp1251High);
    return table;
}

const ReverseTable& cp866Reverse() {
    static const ReverseTable table(kCp866High);
    return table;
}

std::string toUtf8(std::string_view bytes, const HighHalf& high) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        appendUtf8(out, toUnicode(static_cast<unsigned char>(c), high));
    return out;
}

std::string fromUtf8(std::string_view utf8, const ReverseTable& reverse) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size())
        out.push_back(static_cast<char>(reverse.find(decodeUtf8(utf8, pos))));
    return out;
}

} // namespace

char32_t cp1251ToUnicode(unsigned char byte) { return toUnicode(byte, kCp1251High); }
char32_t cp866ToUnicode(unsigned char byte) { return toUnicode(byte, kCp866High); }
unsigned char unicodeToCp1251(char32_t codePoint) { return cp1251Reverse().find(codePoint); }
unsigned char unicodeToCp866(char32_t codePoint) { return cp866Reverse().find(codePoint); }

char32_t decodeUtf8(std::string_view utf8, size_t& pos) {
    constexpr char32_t kReplacement = 0xFFFD;
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byteAt(pos++);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t codePoint = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        codePoint = lead & 0x07;
    } else {
        return kReplacement;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= utf8.size() || (byteAt(pos) & 0xC0) != 0x80)
            return kReplacement;
        codePoint = (codePoint << 6) | (byteAt(pos++) & 0x3F);
    }
    return codePoint;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

std::string cp1251ToUtf8(std::string_view bytes) { return toUtf8(bytes, kCp1251High); }
std::string cp866ToUtf8(std::string_view bytes) { return toUtf8(bytes, kCp866High); }
std::string utf8ToCp1251(std::string_view utf8) { return fromUtf8(utf8, cp1251Reverse()); }
std::string utf8ToCp866(std::string_view utf8) { return fromUtf8(utf8, cp866Reverse()); }

} // namespace base
