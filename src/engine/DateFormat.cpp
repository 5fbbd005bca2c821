// Date format tokens and their reading and writing.
#include "engine/DateFormat.h"

#include "engine/JulianDate.h"

namespace ce {
namespace {

size_t countRun(std::string_view text, size_t pos) {
    size_t n = 1;
    while (pos + n < text.size() && text[pos + n] == text[pos])
        ++n;
    return n;
}

void appendNumber(std::string& out, int value, int width) {
    std::string digits = std::to_string(value);
    while (static_cast<int>(digits.size()) < width)
        digits.insert(digits.begin(), '0');
    out += digits;
}

} // namespace

std::optional<DateFormat> DateFormat::parse(std::string_view format) {
    if (format.empty() || format.size() > 12)
        return std::nullopt;
    DateFormat result;
    result.text_ = std::string(format);
    bool seen[3] = {false, false, false};
    size_t pos = 0;
    while (pos < format.size()) {
        const char c = format[pos];
        const size_t run = countRun(format, pos);
        std::optional<Token> token;
        if (c == 'd' && run <= 2)
            token = Token{Part::Day, static_cast<int>(run), {}};
        else if (c == 'M' && run <= 2)
            token = Token{Part::Month, static_cast<int>(run), {}};
        else if (c == 'y' && (run == 2 || run == 4))
            token = Token{Part::Year, static_cast<int>(run), {}};
        else if (c == 'c' && run == 2 && format.substr(pos + 2, 2) == "yy")
            token = Token{Part::Year, 4, {}};
        if (!token) {
            if (c == 'd' || c == 'M' || c == 'y' || c == 'c')
                return std::nullopt;
            (result.tokens_.empty() ? result.prefix_ : result.tokens_.back().literal) += c;
            ++pos;
            continue;
        }
        bool& partSeen = seen[static_cast<int>(token->part)];
        if (partSeen)
            return std::nullopt;
        partSeen = true;
        result.tokens_.push_back(*token);
        pos += c == 'c' ? 4 : run;
    }
    if (!seen[0] || !seen[1] || !seen[2])
        return std::nullopt;
    return result;
}

std::string DateFormat::format(int64_t julian) const {
    const CalendarDate date = dateFromJulian(julian);
    std::string out = prefix_;
    for (const Token& token : tokens_) {
        switch (token.part) {
        case Part::Day:
            appendNumber(out, date.day, token.width);
            break;
        case Part::Month:
            appendNumber(out, date.month, token.width);
            break;
        case Part::Year:
            appendNumber(out, token.width == 2 ? date.year % 100 : date.year, token.width);
            break;
        }
        out += token.literal;
    }
    return out;
}

std::optional<int64_t> DateFormat::read(std::string_view text) const {
    CalendarDate date;
    size_t pos = 0;
    for (const Token& token : tokens_) {
        while (pos < text.size() && (text[pos] < '0' || text[pos] > '9'))
            ++pos;
        const size_t maxDigits = token.part == Part::Year ? 4 : 2;
        int value = 0;
        size_t digits = 0;
        while (pos < text.size() && digits < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
            value = value * 10 + (text[pos++] - '0');
            ++digits;
        }
        if (digits == 0)
            return std::nullopt;
        switch (token.part) {
        case Part::Day:
            date.day = value;
            break;
        case Part::Month:
            date.month = value;
            break;
        case Part::Year:
            // Two-digit years fall in 1950..2049.
            date.year = digits <= 2 ? (value < 50 ? 2000 + value : 1900 + value) : value;
            break;
        }
    }
    if (!isValidDate(date))
        return std::nullopt;
    return julianFromDate(date);
}

} // namespace ce
