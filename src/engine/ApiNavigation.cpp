// Ce* entry points that move and report the position of a table handle, through its natural order
// or one of its index orders, and its bookmarks.
#include "engine/CeEngine.h"

#include "engine/EngineCall.h"
#include "engine/StatementHandle.h"

#include <cstring>

using namespace ce;

namespace {

constexpr uint32_t kBookmarkLength = 8;

uint32_t readU32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

// Orders two record numbers by their place in an order (key, then record number); records no
// longer in the image compare by number.
int comparePositions(uint32_t a, uint32_t b, uint32_t orderId) {
    const auto byNumber = [&] { return a < b ? -1 : (a > b ? 1 : 0); };
    const TableImage* image = nullptr;
    const IndexOrder* order = orderId ? TableImage::findOrder(orderId, image) : nullptr;
    if (!order)
        return byNumber();
    const unsigned char* rowA = image->find(a);
    const unsigned char* rowB = image->find(b);
    if (!rowA || !rowB)
        return byNumber();
    const int c = order->def().recordKey(image->layout(), rowA).compare(order->def().recordKey(image->layout(), rowB));
    return c != 0 ? (c < 0 ? -1 : 1) : byNumber();
}

} // namespace

CERESULT CeGotoTop(CEHANDLE handle) {
    return withTableOrOrder(handle, [](TableCursor& c, const OrderHandle* o) {
        c.gotoTop(o);
        return Status();
    });
}

CERESULT CeGotoBottom(CEHANDLE handle) {
    return withTableOrOrder(handle, [](TableCursor& c, const OrderHandle* o) {
        c.gotoBottom(o);
        return Status();
    });
}

CERESULT CeSkip(CEHANDLE handle, int32_t count) {
    return withTableOrOrder(handle, [&](TableCursor& c, const OrderHandle* o) {
        c.skip(o, count);
        return Status();
    });
}

CERESULT CeGotoRecord(CEHANDLE table, uint32_t recordNumber) {
    return withTable(table, [&](TableCursor& c) { return c.gotoRecord(recordNumber); });
}

CERESULT CeAtBOF(CEHANDLE handle, uint16_t* atBof) {
    return withTableOrOrder(handle, [&](TableCursor& c, const OrderHandle*) {
        if (!atBof)
            return nullArgument();
        *atBof = c.atBof();
        return Status();
    });
}

CERESULT CeAtEOF(CEHANDLE handle, uint16_t* atEof) {
    return withTableOrOrder(handle, [&](TableCursor& c, const OrderHandle*) {
        if (!atEof)
            return nullArgument();
        *atEof = c.atEof();
        return Status();
    });
}

CERESULT CeGetRecordNum(CEHANDLE table, uint16_t option, uint32_t* recordNumber) {
    return withTable(table, [&](TableCursor& c) {
        if (!recordNumber)
            return nullArgument();
        if (option == 1)
            *recordNumber = c.logicalRecordNumber();
        else
            *recordNumber = c.onRecord() ? c.recordNumber() : 0;
        return Status();
    });
}

CERESULT CeGetRecordCount(CEHANDLE handle, uint16_t option, uint32_t* count) {
    return engineCall([&]() -> Status {
        if (!count)
            return nullArgument();
        if (const StatementHandle* statement = handles().get<StatementHandle>(handle))
            return statement->affectedRows(*count);
        TableCursor* c = nullptr;
        OrderHandle* o = nullptr;
        CE_TRY(tableOrOrder(handle, c, o));
        if ((option & 3) == 0)
            return Status(kInvalidArgument, "Invalid record count option " + std::to_string(option));
        *count = c->count(o, option);
        return Status();
    });
}

CERESULT CeGetRelKeyPos(CEHANDLE order, double* position) {
    return withOrder(order, [&](TableCursor& c, const OrderHandle& o) {
        if (!position)
            return nullArgument();
        return c.relativePosition(o, *position);
    });
}

CERESULT CeSetRelKeyPos(CEHANDLE order, double position) {
    return withOrder(order, [&](TableCursor& c, const OrderHandle& o) { return c.setRelativePosition(o, position); });
}

CERESULT CeIsRecordVisible(CEHANDLE handle, uint16_t* visible) {
    return withTableOrOrder(handle, [&](TableCursor& c, const OrderHandle* o) {
        if (!visible)
            return nullArgument();
        bool isVisible = false;
        const Status status = c.isVisible(o, isVisible);
        *visible = isVisible;
        return status;
    });
}

CERESULT CeRefreshRecord(CEHANDLE table) {
    // Images are kept in step with every write, so there is nothing to re-read; only the position
    // is checked.
    return withTable(table, [](TableCursor& c) {
        return c.onRecord() && c.image().find(c.recordNumber()) ? Status() : Status(kNoCurrentRecord);
    });
}

CERESULT CeGetBookmark(CEHANDLE table, uint32_t* bookmark) {
    return withTable(table, [&](TableCursor& c) {
        if (!bookmark)
            return nullArgument();
        *bookmark = c.recordNumber();
        return Status();
    });
}

CERESULT CeGetBookmark60(CEHANDLE handle, void* bookmark, uint32_t* length) {
    return withTableOrOrder(handle, [&](TableCursor& c, const OrderHandle* o) {
        if (!length)
            return nullArgument();
        if (!bookmark || *length < kBookmarkLength) {
            *length = kBookmarkLength;
            return Status(kBufferTooSmall);
        }
        auto* out = static_cast<unsigned char*>(bookmark);
        const uint32_t words[2] = {c.recordNumber(), o ? o->order().id() : 0};
        for (int w = 0; w < 2; ++w)
            for (int i = 0; i < 4; ++i)
                out[w * 4 + i] = static_cast<unsigned char>(words[w] >> (8 * i));
        *length = kBookmarkLength;
        return Status();
    });
}

CERESULT CeGetBookmarkLength(CEHANDLE handle, uint32_t* length) {
    return withTableOrOrder(handle, [&](TableCursor&, const OrderHandle*) {
        if (!length)
            return nullArgument();
        *length = kBookmarkLength;
        return Status();
    });
}

CERESULT CeGotoBookmark(CEHANDLE table, uint32_t bookmark) {
    return withTable(table, [&](TableCursor& c) { return c.gotoRecord(bookmark); });
}

CERESULT CeCompareBookmarks(const void* first, const void* second, int32_t* result) {
    return engineCall([&]() -> Status {
        if (!first || !second || !result)
            return nullArgument();
        const auto* a = static_cast<const unsigned char*>(first);
        const auto* b = static_cast<const unsigned char*>(second);
        const uint32_t orderA = readU32(a + 4);
        const uint32_t orderB = readU32(b + 4);
        *result = comparePositions(readU32(a), readU32(b), orderA == orderB ? orderA : 0);
        return {};
    });
}
