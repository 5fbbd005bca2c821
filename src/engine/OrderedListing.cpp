// Recognising the listing shape and answering it from a table image. The answer walks the
// column's case-insensitive order, puts each run of equal keys into the exact CE_ANSI order (equal
// texts by record number, as SQLite walks the column's own index), and then checks every
// neighbouring pair in that exact order: one pair out of place and the statement runs as written.
#include "engine/OrderedListing.h"

#include "engine/FieldCodec.h"
#include "engine/SqlFunctions.h"

#include "base/CaseMap.h"
#include "base/SortWeight.h"

#include <algorithm>
#include <cstring>

namespace ce {
namespace {

bool isNameByte(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c >= 0x80;
}

// Words, "?N" markers and single punctuation characters; anything else (quotes, comments) ends
// the scan as not recognised.
bool tokenise(std::string_view text, std::vector<std::string>& tokens) {
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c <= ' ') {
            ++i;
            continue;
        }
        size_t end = i + 1;
        if (isNameByte(c) || c == '?') {
            while (end < text.size() && isNameByte(static_cast<unsigned char>(text[end])))
                ++end;
        } else if (c != ',' && c != '(' && c != ')' && c != ';') {
            return false;
        }
        tokens.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return true;
}

bool isName(const std::string& token) {
    return !token.empty() && isNameByte(static_cast<unsigned char>(token[0])) &&
           !(token[0] >= '0' && token[0] <= '9');
}

// The text a string slot holds: blanks and zeros at its end are not stored.
std::string_view slotText(const unsigned char* slot, uint32_t length) {
    while (length > 0 && (slot[length - 1] == ' ' || slot[length - 1] == 0))
        --length;
    return {reinterpret_cast<const char*>(slot), length};
}

// Whether two non-empty string slots have one key in a case-insensitive order: the same sort
// weight at every place (a zero byte keys as a blank). Neighbours in the order mostly part at once.
bool sameKey(const unsigned char* a, const unsigned char* b, uint32_t length) {
    for (uint32_t i = 0; i < length; ++i) {
        const unsigned char ca = a[i] == 0 ? ' ' : a[i];
        const unsigned char cb = b[i] == 0 ? ' ' : b[i];
        if (ca != cb && base::sortWeightCp1251(ca) != base::sortWeightCp1251(cb))
            return false;
    }
    return true;
}

struct Entry {
    uint32_t recno;
    const unsigned char* row;
};

} // namespace

OrderedListing OrderedListing::recognise(std::string_view cp1251Text) {
    std::vector<std::string> t;
    if (!tokenise(cp1251Text, t))
        return {};
    while (!t.empty() && t.back() == ";")
        t.pop_back();
    size_t i = 0;
    const auto keyword = [&](const char* word) {
        if (i >= t.size() || base::upperCp1251(t[i]) != word)
            return false;
        ++i;
        return true;
    };
    const auto punctuation = [&](const char* mark) {
        if (i >= t.size() || t[i] != mark)
            return false;
        ++i;
        return true;
    };
    const auto name = [&](std::string& out) {
        if (i >= t.size() || !isName(t[i]))
            return false;
        out = t[i++];
        return true;
    };
    OrderedListing listing;
    if (!keyword("SELECT"))
        return {};
    do {
        std::string column;
        if (!name(column))
            return {};
        listing.columns_.push_back(column);
    } while (punctuation(","));
    std::string filtered, ordered;
    if (!keyword("FROM") || !name(listing.table_) || !keyword("WHERE") || !keyword("UPPER") || !punctuation("(") ||
        !name(filtered) || !punctuation(")") || !keyword("LIKE"))
        return {};
    if (i >= t.size() || t[i].size() < 2 || t[i][0] != '?')
        return {};
    const size_t number = std::strtoul(t[i].c_str() + 1, nullptr, 10);
    ++i;
    if (number == 0 || !keyword("ORDER") || !keyword("BY") || !name(ordered))
        return {};
    (void)keyword("ASC");
    const std::string keywords[] = {"SELECT", "FROM", "WHERE", "UPPER", "LIKE", "ORDER", "BY", "ASC"};
    const auto isKeyword = [&](const std::string& word) {
        return std::find(std::begin(keywords), std::end(keywords), base::upperCp1251(word)) != std::end(keywords);
    };
    if (i != t.size() || base::upperCp1251(filtered) != base::upperCp1251(ordered) || isKeyword(listing.table_) ||
        isKeyword(filtered) || std::any_of(listing.columns_.begin(), listing.columns_.end(), isKeyword))
        return {};
    listing.column_ = filtered;
    listing.marker_ = number - 1;
    return listing;
}

bool OrderedListing::matchesEveryText(std::string_view pattern) {
    return !pattern.empty() && pattern.find_first_not_of('%') == std::string_view::npos;
}

std::shared_ptr<TableImage> OrderedListing::answer(const TableImage& image, const std::vector<ResultColumn>& columns,
                                                   const std::string& name, const std::string& directory) const {
    const RecordLayout& layout = image.layout();
    const int field = layout.findField(column_);
    if (image.isStatic() || layout.family() != TableFamily::Vdt || field < 0 || columns.size() != columns_.size())
        return nullptr;
    const FieldDef& text = layout.fields()[static_cast<size_t>(field)];
    if (text.type != kString || !image.isExactText(field))
        return nullptr;
    // Each result column is a table field with the slot the result would give it.
    std::vector<const FieldDef*> sources;
    for (size_t k = 0; k < columns.size(); ++k) {
        const int source = layout.findField(columns_[k]);
        if (source < 0)
            return nullptr;
        const FieldDef& def = layout.fields()[static_cast<size_t>(source)];
        if (isBlobType(def.type) || def.type != columns[k].field.type || def.length != columns[k].field.length)
            return nullptr;
        sources.push_back(&def);
    }
    const IndexOrder* order = nullptr;
    for (const auto& file : image.indexFiles())
        for (const auto& candidate : file->orders) {
            const IndexDef& def = candidate->def();
            if (def.segments.size() == 1 && def.segments[0].field == field && def.segments[0].upper &&
                def.condition.empty() && !def.descending())
                order = candidate.get();
        }
    if (!order)
        return nullptr;

    TableSchema schema;
    schema.name = name;
    std::vector<FieldDef> fields;
    for (const ResultColumn& column : columns)
        fields.push_back(column.field);
    schema.layout = RecordLayout(std::move(fields), TableFamily::Vdt);
    const uint32_t length = schema.layout.recordLength();

    // Most runs are one name written alike many times: equal bytes order by record number alone.
    const auto exactLess = [&](const Entry& a, const Entry& b) {
        const unsigned char* ta = a.row + text.offset;
        const unsigned char* tb = b.row + text.offset;
        if (std::memcmp(ta, tb, text.length) == 0)
            return a.recno < b.recno;
        const int c = compareAnsiCp1251(slotText(ta, text.length), slotText(tb, text.length));
        return c != 0 ? c < 0 : a.recno < b.recno;
    };
    // One pass in key order, null texts (which LIKE never matches) left out. Each run of equal keys
    // (texts that differ only in case, say) is put in exact order when it ends, checked against the
    // run before and written out while its rows are still at hand.
    std::vector<Entry> entries;
    entries.reserve(order->size());
    std::vector<unsigned char> rows(order->size() * length);
    size_t written = 0;
    const auto closeRun = [&](size_t first, size_t last) {
        const auto begin = entries.begin() + static_cast<ptrdiff_t>(first);
        const auto end = entries.begin() + static_cast<ptrdiff_t>(last);
        if (last - first > 1 && !std::is_sorted(begin, end, exactLess))
            std::sort(begin, end, exactLess);
        for (size_t i = std::max<size_t>(first, 1); i < last; ++i)
            if (!exactLess(entries[i - 1], entries[i]))
                return false;
        for (size_t i = first; i < last; ++i, ++written)
            for (size_t k = 0; k < sources.size(); ++k)
                std::memcpy(rows.data() + written * length + schema.layout.fields()[k].offset,
                            entries[i].row + sources[k]->offset, sources[k]->length);
        return true;
    };
    size_t runStart = 0;
    for (size_t i = 0; i < order->size(); ++i) {
        const unsigned char* row = image.find(order->recnoAt(i));
        if (!row)
            return nullptr;
        if (isEmptySlot(text, layout.family(), row + text.offset))
            continue;
        entries.push_back(Entry{order->recnoAt(i), row});
        const size_t last = entries.size() - 1;
        if (last > runStart && !sameKey(entries[last - 1].row + text.offset, row + text.offset, text.length)) {
            if (!closeRun(runStart, last))
                return nullptr;
            runStart = last;
        }
    }
    if (!closeRun(runStart, entries.size()))
        return nullptr;
    rows.resize(written * length);
    return TableImage::makeStatic(std::move(schema), directory, std::move(rows), {});
}

} // namespace ce
