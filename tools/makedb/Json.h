// A small JSON reader for the city manifest: objects, arrays, strings (with \u escapes),
// numbers, true, false and null, read into a tree. Damaged text gives an error with its offset.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace makedb {

class JsonValue {
public:
    enum class Type { Null, Boolean, Number, String, Array, Object };

    // Parses a whole document; false with a message when the text is not JSON.
    static bool parse(std::string_view text, JsonValue& out, std::string& error);

    Type type() const { return type_; }
    double number() const { return number_; }
    const std::string& string() const { return string_; } // UTF-8
    const std::vector<JsonValue>& array() const { return array_; }
    // A member of an object, or a null value when it is absent.
    const JsonValue& operator[](const std::string& key) const;
    bool has(const std::string& key) const { return object_.count(key) != 0; }

private:
    friend class JsonParser;

    Type type_ = Type::Null;
    bool boolean_ = false;
    double number_ = 0;
    std::string string_;
    std::vector<JsonValue> array_;
    std::map<std::string, JsonValue> object_;
};

} // namespace makedb
