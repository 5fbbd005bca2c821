// UPPER, LOWER, LIKE and CE_ANSI over SQLite's UTF-8 text. Every code point that code page 1251
// holds gets the case partner and sort weight src/base gives its CP1251 byte; other code points
// keep their case and sort as "?" does (ties broken by bytes). The letters of code page 1251 all
// lie below U+0500 and keep their UTF-8 length when folded, so folding works in place.
#include "engine/SqlFunctions.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"
#include "base/SortWeight.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace ce {
namespace {

constexpr char32_t kDirectLimit = 0x500;

struct CodeTables {
    unsigned char weight[kDirectLimit];
    unsigned char ansi[kDirectLimit]; // the CP1251 byte of a code point, '?' for none
    char32_t upper[kDirectLimit];
    char32_t lower[kDirectLimit];
    std::vector<std::pair<char32_t, unsigned char>> farWeights; // sorted, code points from U+0500
    unsigned char unknownWeight;
    // The code point of every CP1251 byte and that code point's weight, for texts kept in CP1251.
    char32_t byteCodePoint[256];
    unsigned char byteWeight[256];

    CodeTables() {
        unknownWeight = base::sortWeightCp1251('?');
        for (char32_t cp = 0; cp < kDirectLimit; ++cp) {
            ansi[cp] = base::unicodeToCp1251(cp);
            weight[cp] = unknownWeight;
            upper[cp] = lower[cp] = cp;
        }
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            const char32_t cp = base::cp1251ToUnicode(byte);
            if (base::unicodeToCp1251(cp) != byte)
                continue; // a byte without a code point of its own
            if (cp >= kDirectLimit) {
                farWeights.emplace_back(cp, base::sortWeightCp1251(byte));
                continue;
            }
            weight[cp] = base::sortWeightCp1251(byte);
            const char32_t up = base::cp1251ToUnicode(base::upperCp1251(byte));
            const char32_t low = base::cp1251ToUnicode(base::lowerCp1251(byte));
            upper[cp] = up < kDirectLimit ? up : cp;
            lower[cp] = low < kDirectLimit ? low : cp;
        }
        std::sort(farWeights.begin(), farWeights.end());
        for (int b = 0; b < 256; ++b) {
            byteCodePoint[b] = base::cp1251ToUnicode(static_cast<unsigned char>(b));
            byteWeight[b] = weightOf(byteCodePoint[b]);
        }
    }

    unsigned char weightOf(char32_t cp) const {
        if (cp < kDirectLimit)
            return weight[cp];
        const auto it = std::lower_bound(farWeights.begin(), farWeights.end(), std::make_pair(cp, static_cast<unsigned char>(0)));
        return it != farWeights.end() && it->first == cp ? it->second : unknownWeight;
    }
};

// Built at start-up from src/base, before any statement runs.
const CodeTables kTables;

const CodeTables& tables() { return kTables; }

// One code point from p (advanced past it); a malformed sequence gives U+FFFD and one byte.
inline char32_t decode(const unsigned char*& p, const unsigned char* end) {
    const unsigned char lead = *p;
    if (lead < 0x80) {
        ++p;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0 && p + 1 < end && (p[1] & 0xC0) == 0x80) {
        const char32_t cp = static_cast<char32_t>(lead & 0x1F) << 6 | (p[1] & 0x3F);
        if (cp >= 0x80) {
            p += 2;
            return cp;
        }
    }
    const std::string_view rest(reinterpret_cast<const char*>(p), static_cast<size_t>(end - p));
    size_t pos = 0;
    const char32_t cp = base::decodeUtf8(rest, pos);
    p += pos;
    return cp;
}

// Folds two-byte sequences (the only ones whose code points a CP1251 letter has) and ASCII in
// place; other bytes stay as they are.
void foldInPlace(unsigned char* text, size_t n, const char32_t* table) {
    for (size_t i = 0; i < n;) {
        const unsigned char lead = text[i];
        if (lead < 0x80) {
            text[i] = static_cast<unsigned char>(table[lead]);
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0 && i + 1 < n && (text[i + 1] & 0xC0) == 0x80) {
            const char32_t cp = static_cast<char32_t>(lead & 0x1F) << 6 | (text[i + 1] & 0x3F);
            const char32_t folded = cp < kDirectLimit ? table[cp] : cp;
            if (folded >= 0x80 && folded < 0x800) {
                text[i] = static_cast<unsigned char>(0xC0 | folded >> 6);
                text[i + 1] = static_cast<unsigned char>(0x80 | (folded & 0x3F));
            }
            i += 2;
            continue;
        }
        ++i;
    }
}

std::string fold(std::string_view utf8, const char32_t* table) {
    std::string out(utf8);
    foldInPlace(reinterpret_cast<unsigned char*>(out.data()), out.size(), table);
    return out;
}

void sqlFold(sqlite3_context* context, sqlite3_value* value, const char32_t* table) {
    const auto* text = sqlite3_value_text(value);
    if (!text) {
        sqlite3_result_null(context);
        return;
    }
    const int n = sqlite3_value_bytes(value);
    auto* out = static_cast<unsigned char*>(sqlite3_malloc(n + 1));
    if (!out) {
        sqlite3_result_error_nomem(context);
        return;
    }
    std::memcpy(out, text, static_cast<size_t>(n) + 1);
    foldInPlace(out, static_cast<size_t>(n), table);
    sqlite3_result_text(context, reinterpret_cast<char*>(out), n, sqlite3_free);
}

void sqlUpper(sqlite3_context* context, int, sqlite3_value** args) { sqlFold(context, args[0], tables().upper); }
void sqlLower(sqlite3_context* context, int, sqlite3_value** args) { sqlFold(context, args[0], tables().lower); }

std::string_view textOf(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(value))) : std::string_view();
}

// like(pattern, text [, escape]), as SQLite calls it for "text LIKE pattern [ESCAPE escape]".
void sqlLike(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    char32_t escape = 0;
    if (argc == 3) {
        const std::string_view e = textOf(args[2]);
        const auto* p = reinterpret_cast<const unsigned char*>(e.data());
        const auto* end = p + e.size();
        if (e.empty() || (decode(p, end), p != end)) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        p = reinterpret_cast<const unsigned char*>(e.data());
        escape = decode(p, end);
    }
    const std::string_view pattern = textOf(args[0]);
    const std::string_view text = textOf(args[1]);
    sqlite3_result_int(context, likeUtf8(pattern, text, escape) ? 1 : 0);
}

int collateAnsi(void*, int n1, const void* s1, int n2, const void* s2) {
    return compareAnsiUtf8(std::string_view(static_cast<const char*>(s1), static_cast<size_t>(n1)),
                           std::string_view(static_cast<const char*>(s2), static_cast<size_t>(n2)));
}

} // namespace

std::string upperUtf8(std::string_view utf8) { return fold(utf8, tables().upper); }
std::string lowerUtf8(std::string_view utf8) { return fold(utf8, tables().lower); }

void utf8ToCp1251Slot(std::string_view utf8, unsigned char* slot, uint32_t length) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    uint32_t n = 0;
    while (p < end && n < length) {
        const char32_t cp = decode(p, end);
        slot[n++] = cp < kDirectLimit ? kTables.ansi[cp] : base::unicodeToCp1251(cp);
    }
    std::memset(slot + n, ' ', length - n);
}

int compareAnsiUtf8(std::string_view a, std::string_view b) {
    const CodeTables& t = tables();
    // Equal leading bytes weigh the same: start at the character where the texts part.
    size_t same = 0;
    const size_t common = std::min(a.size(), b.size());
    while (same < common && a[same] == b[same])
        ++same;
    while (same > 0 && same < common && (static_cast<unsigned char>(a[same]) & 0xC0) == 0x80)
        --same;
    if (same == common && a.size() == b.size())
        return 0;
    const auto* pa = reinterpret_cast<const unsigned char*>(a.data()) + same;
    const auto* pb = reinterpret_cast<const unsigned char*>(b.data()) + same;
    const auto* ea = reinterpret_cast<const unsigned char*>(a.data()) + a.size();
    const auto* eb = reinterpret_cast<const unsigned char*>(b.data()) + b.size();
    while (pa < ea && pb < eb) {
        if (*pa < 0x80 && *pb < 0x80) {
            if (*pa != *pb && t.weight[*pa] != t.weight[*pb])
                return t.weight[*pa] < t.weight[*pb] ? -1 : 1;
            ++pa;
            ++pb;
            continue;
        }
        const unsigned char wa = t.weightOf(decode(pa, ea));
        const unsigned char wb = t.weightOf(decode(pb, eb));
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (pa < ea || pb < eb)
        return pa < ea ? 1 : -1;
    const int bytes = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (bytes != 0)
        return bytes < 0 ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int compareAnsiCp1251(std::string_view a, std::string_view b) {
    const CodeTables& t = tables();
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const unsigned char wa = t.byteWeight[static_cast<unsigned char>(a[i])];
        const unsigned char wb = t.byteWeight[static_cast<unsigned char>(b[i])];
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    // UTF-8 bytes order as code points do.
    for (size_t i = 0; i < common; ++i) {
        const char32_t ca = t.byteCodePoint[static_cast<unsigned char>(a[i])];
        const char32_t cb = t.byteCodePoint[static_cast<unsigned char>(b[i])];
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return 0;
}

bool isExactSlotText(std::string_view utf8, const unsigned char* slot, uint32_t length) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    uint32_t n = 0;
    char32_t last = 0;
    while (p < end) {
        const unsigned char* start = p;
        last = decode(p, end);
        // A malformed sequence reads as U+FFFD from one byte; the slot cannot say which bytes.
        if (n == length || (last == 0xFFFD && p - start == 1) || tables().byteCodePoint[slot[n]] != last)
            return false;
        ++n;
    }
    // Trailing blanks and zeros are trimmed when the slot is written back, so the text must not end in one.
    return n == 0 || (last != ' ' && last != 0);
}

bool likeUtf8(std::string_view pattern, std::string_view text, char32_t escape) {
    const auto* p = reinterpret_cast<const unsigned char*>(pattern.data());
    const auto* pe = p + pattern.size();
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const auto* se = s + text.size();
    // The pattern position after the last "%" and the text position it is tried from: on a
    // mismatch the "%" takes one more character (the classic single-backtrack match).
    const unsigned char* starP = nullptr;
    const unsigned char* starS = nullptr;
    while (s < se) {
        if (p < pe) {
            const unsigned char* next = p;
            char32_t c = decode(next, pe);
            if (c == '%' && c != escape) {
                while (next < pe && *next == '%')
                    ++next;
                starP = p = next;
                starS = s;
                continue;
            }
            const unsigned char* afterText = s;
            const char32_t t = decode(afterText, se);
            bool literal = true;
            if (escape != 0 && c == escape && next < pe) {
                c = decode(next, pe);
            } else if (c == '_') {
                literal = false;
            }
            if (!literal || c == t) {
                p = next;
                s = afterText;
                continue;
            }
        }
        if (!starP)
            return false;
        decode(starS, se);
        s = starS;
        p = starP;
    }
    while (p < pe && *p == '%' && escape != '%')
        ++p;
    return p == pe;
}

Status registerSqlFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    const struct {
        const char* name;
        int args;
        void (*function)(sqlite3_context*, int, sqlite3_value**);
    } functions[] = {{"upper", 1, sqlUpper}, {"lower", 1, sqlLower}, {"like", 2, sqlLike}, {"like", 3, sqlLike}};
    for (const auto& f : functions)
        if (sqlite3_create_function_v2(db, f.name, f.args, flags, nullptr, f.function, nullptr, nullptr, nullptr) !=
            SQLITE_OK)
            return Status(kInternalFailure, std::string("Cannot register the SQL function ") + f.name);
    if (sqlite3_create_collation_v2(db, kAnsiCollation, SQLITE_UTF8, nullptr, collateAnsi, nullptr) != SQLITE_OK)
        return Status(kInternalFailure, "Cannot register the collation CE_ANSI");
    return {};
}

} // namespace ce
