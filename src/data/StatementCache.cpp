// The statement cache and its text hash.
#include "data/StatementCache.h"

#include "data/EDbEngineError.h"

namespace db {

uint32_t sqlTextHash(std::string_view Text) {
    // Reads the text as bytes with its terminating zero at [n], starting from the second byte.
    const auto byteAt = [&](std::size_t i) -> uint32_t { return i < Text.size() ? uint8_t(Text[i]) : 0u; };
    const std::size_t n = Text.size();
    uint32_t h = 0;
    std::size_t i = 1;
    if (n < 16) {
        for (std::size_t k = 0; k < n; ++k, ++i)
            h = h * 37u + byteAt(i);
        return h;
    }
    const std::size_t step = n / 8;
    for (std::ptrdiff_t k = std::ptrdiff_t(n) - 1; k >= 0; k -= std::ptrdiff_t(step), i += step)
        h = h * 39u + byteAt(i);
    return h;
}

StatementCache::Entry& StatementCache::lookUp(const AnsiString& Text) {
    const uint32_t hash = sqlTextHash(Text);
    for (Entry& entry : entries_)
        if (entry.hash == hash && entry.text == Text)
            return entry;
    entries_.push_back(Entry{hash, 0, {}});
    return entries_.back();
}

void StatementCache::remove(const Entry& E) {
    entries_.remove_if([&](const Entry& entry) { return &entry == &E; });
}

void StatementCache::clear() {
    while (!entries_.empty()) {
        const CEHANDLE statement = entries_.front().statement;
        entries_.pop_front();
        if (statement != 0)
            EngineCheck(nullptr, CeCloseSQLStatement(statement));
    }
}

} // namespace db
