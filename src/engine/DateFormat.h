// The engine's date format (CeSetDateFormat): tokens d, dd, M, MM, yy, yyyy and ccyy, every other
// character a separator. It reads and writes date texts of expressions and string scope keys.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ce {

class DateFormat {
public:
    // Parses a format of at most 12 characters holding one day, one month and one year token.
    static std::optional<DateFormat> parse(std::string_view format);

    std::string format(int64_t julian) const;
    // Day, month and year numbers in the format's order, separated by anything but digits.
    std::optional<int64_t> read(std::string_view text) const;

    const std::string& text() const { return text_; }

private:
    enum class Part { Day, Month, Year };
    struct Token {
        Part part;
        int width;           // 1 or 2 for d and M (1: no leading zero), 2 or 4 for years
        std::string literal; // separator text that follows the token
    };

    std::string text_;
    std::string prefix_;
    std::vector<Token> tokens_;
};

} // namespace ce
