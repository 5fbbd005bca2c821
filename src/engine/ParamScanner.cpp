// The marker scan: one pass over the text, copying skipped parts whole and rewriting markers.
#include "engine/ParamScanner.h"

namespace ce {
namespace {

bool isNameChar(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c >= 0x80;
}

} // namespace

size_t skippedEnd(std::string_view sql, size_t i, bool& unterminated) {
    const char c = sql[i];
    const auto runTo = [&](size_t end, size_t closeLength) {
        if (end == std::string_view::npos) {
            unterminated = true;
            return sql.size();
        }
        return end + closeLength;
    };
    if (c == '\'' || c == '"') {
        // A doubled quote stays inside the literal.
        size_t at = i + 1;
        for (;;) {
            const size_t close = sql.find(c, at);
            if (close == std::string_view::npos)
                return runTo(close, 1);
            if (close + 1 < sql.size() && sql[close + 1] == c) {
                at = close + 2;
                continue;
            }
            return close + 1;
        }
    }
    if (c == '[')
        return runTo(sql.find(']', i + 1), 1);
    if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
        const size_t end = sql.find('\n', i + 2);
        return end == std::string_view::npos ? sql.size() : end;
    }
    if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*')
        return runTo(sql.find("*/", i + 2), 2);
    return i;
}

ScannedSql scanParams(std::string_view sql, MarkerStyle style) {
    ScannedSql out;
    out.text.reserve(sql.size());
    size_t i = 0;
    while (i < sql.size()) {
        const size_t skipped = skippedEnd(sql, i, out.unterminated);
        if (skipped != i) {
            out.text.append(sql.substr(i, skipped - i));
            i = skipped;
            continue;
        }
        if (sql[i] != ':') {
            out.text += sql[i++];
            continue;
        }
        if (i + 1 < sql.size() && sql[i + 1] == ':') {
            out.text += ':';
            i += 2;
            continue;
        }
        size_t end = i + 1;
        while (end < sql.size() && isNameChar(static_cast<unsigned char>(sql[end])))
            ++end;
        if (end == i + 1) {
            out.text += ':';
            ++i;
            continue;
        }
        out.names.emplace_back(sql.substr(i + 1, end - i - 1));
        out.text += '?';
        if (style == MarkerStyle::Numbered)
            out.text += std::to_string(out.names.size());
        i = end;
    }
    return out;
}

} // namespace ce
