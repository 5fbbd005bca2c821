// An index-order handle of one table handle: the order it walks, the scopes set through it and the
// scratch of segment keys that CeInitRawKey, CeSetField and CeBuildRawKey fill.
#pragma once

#include "engine/HandleTable.h"
#include "engine/Status.h"
#include "engine/TableImage.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ce {

class OrderHandle : public HandleObject {
public:
    enum Scope { kTop = 0, kBottom = 1 };

    OrderHandle(uint32_t table, IndexFile* file, const IndexOrder* order)
        : HandleObject(HandleKind::Order, table), file_(file), order_(order),
          segments_(order->def().segments.size()) {}

    uint32_t table() const { return owner(); }
    IndexFile* file() const { return file_; }
    const IndexOrder& order() const { return *order_; }

    const std::optional<std::string>& scope(Scope which) const { return scopes_[which]; }
    void setScope(Scope which, std::optional<std::string> key) { scopes_[which] = std::move(key); }
    bool hasScopes() const { return scopes_[kTop] || scopes_[kBottom]; }

    void initRawKey();
    // Assigns a segment from a field's raw image, or (text) a string segment that may be partial.
    Status assignRaw(const RecordLayout& layout, int field, const unsigned char* raw, uint32_t length);
    Status assignText(const RecordLayout& layout, int field, const char* text, uint32_t length);
    // The assigned segments up to the first unassigned one (a partial segment ends the key).
    std::string buildRawKey() const;

private:
    struct Segment {
        std::string key;
        bool partial = false;
    };
    int segmentOf(int field) const;

    IndexFile* file_;
    const IndexOrder* order_;
    std::optional<std::string> scopes_[2];
    std::vector<std::optional<Segment>> segments_;
};

// The key of a string key (scopes set with key type 2): the text fills the first segment (a string
// as a prefix, a number or a date read as text) and a longer text continues into the next ones.
Status textKey(const IndexDef& def, const RecordLayout& layout, std::string_view text, std::string& key);

} // namespace ce
