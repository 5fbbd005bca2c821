// A connection's cache of prepared SQL statements, one per distinct text, found by a hash of the
// text and then the text itself. It lives until the next disconnect, commit or rollback.
#pragma once

#include <cstdint>
#include <list>
#include <string_view>

#include "engine/CeEngine.h"
#include "toolkit/AnsiString.h"

namespace db {

// The cache's hash of a text (unsigned, wrapping); "abc" gives 137825, "" gives 0.
uint32_t sqlTextHash(std::string_view Text);

class StatementCache {
public:
    struct Entry {
        uint32_t hash = 0;
        CEHANDLE statement = 0; // 0 until a statement is made for the entry
        AnsiString text;
    };

    // The entry for Text; a new entry (without statement or text) is appended when none matches.
    Entry& lookUp(const AnsiString& Text);
    // Takes away an entry whose statement could not be made.
    void remove(const Entry& E);
    // Closes every statement (checked) and empties the cache.
    void clear();
    bool empty() const { return entries_.empty(); }

private:
    // A list, so that an entry handed out stays put while others are added.
    std::list<Entry> entries_;
};

} // namespace db
