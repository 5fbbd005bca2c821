// Recursive-descent JSON parsing with a depth limit, so that no input can exhaust the stack.
#include "makedb/Json.h"

#include <cstdint>
#include <cstdlib>

#include "base/CodePage.h"

namespace makedb {

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    bool document(JsonValue& out, std::string& error) {
        const bool ok = value(out, 0) && (skipBlanks(), pos_ == text_.size());
        if (!ok)
            error = "JSON damaged at byte " + std::to_string(pos_);
        return ok;
    }

private:
    static constexpr int kMaxDepth = 64;

    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' || text_[pos_] == '\r' ||
                                       text_[pos_] == '\t'))
            ++pos_;
    }

    bool take(char c) {
        skipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }

    bool word(std::string_view w) {
        if (text_.substr(pos_, w.size()) != w)
            return false;
        pos_ += w.size();
        return true;
    }

    bool string(std::string& out) {
        if (!take('"'))
            return false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"')
                return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size())
                return false;
            const char e = text_[pos_++];
            if (e == 'u') {
                if (pos_ + 4 > text_.size())
                    return false;
                char* end = nullptr;
                const std::string hex(text_.substr(pos_, 4));
                const unsigned long code = std::strtoul(hex.c_str(), &end, 16);
                if (end != hex.c_str() + 4)
                    return false;
                base::appendUtf8(out, static_cast<char32_t>(code));
                pos_ += 4;
                continue;
            }
            const std::string_view from = "\"\\/bfnrt";
            const std::string_view to = "\"\\/\b\f\n\r\t";
            const size_t at = from.find(e);
            if (at == std::string_view::npos)
                return false;
            out += to[at];
        }
        return false;
    }

    bool value(JsonValue& out, int depth) {
        if (depth > kMaxDepth)
            return false;
        skipBlanks();
        if (pos_ >= text_.size())
            return false;
        const char c = text_[pos_];
        if (c == '{') {
            out.type_ = JsonValue::Type::Object;
            ++pos_;
            if (take('}'))
                return true;
            do {
                std::string key;
                if (!string(key) || !take(':') || !value(out.object_[key], depth + 1))
                    return false;
            } while (take(','));
            return take('}');
        }
        if (c == '[') {
            out.type_ = JsonValue::Type::Array;
            ++pos_;
            if (take(']'))
                return true;
            do {
                out.array_.emplace_back();
                if (!value(out.array_.back(), depth + 1))
                    return false;
            } while (take(','));
            return take(']');
        }
        if (c == '"') {
            out.type_ = JsonValue::Type::String;
            return string(out.string_);
        }
        const bool isTrue = word("true");
        if (isTrue || word("false")) {
            out.type_ = JsonValue::Type::Boolean;
            out.boolean_ = isTrue;
            return true;
        }
        if (word("null"))
            return true;
        const std::string rest(text_.substr(pos_, 40));
        char* end = nullptr;
        out.number_ = std::strtod(rest.c_str(), &end);
        if (end == rest.c_str())
            return false;
        out.type_ = JsonValue::Type::Number;
        pos_ += static_cast<size_t>(end - rest.c_str());
        return true;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

bool JsonValue::parse(std::string_view text, JsonValue& out, std::string& error) {
    out = JsonValue();
    return JsonParser(text).document(out, error);
}

const JsonValue& JsonValue::operator[](const std::string& key) const {
    static const JsonValue null;
    const auto it = object_.find(key);
    return it == object_.end() ? null : it->second;
}

} // namespace makedb
