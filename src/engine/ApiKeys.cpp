// Ce* entry points of key building, seeks, scopes and filters.
#include "engine/CeEngine.h"

#include "engine/EngineCall.h"

using namespace ce;

namespace {

// The key bytes of a raw (1) or string (2) key argument.
Status keyArgument(const TableCursor& cursor, const OrderHandle& order, const void* key, uint32_t length,
                   uint16_t keyType, std::string& out) {
    if ((!key && length > 0) || length > kMaxKeyLength)
        return Status(kInvalidArgument, "Invalid key");
    const std::string_view bytes(static_cast<const char*>(key), length);
    if (keyType == 1) {
        out = std::string(bytes);
        return {};
    }
    if (keyType != 2)
        return Status(kInvalidArgument, "Invalid key type " + std::to_string(keyType));
    return textKey(order.order().def(), cursor.layout(), bytes, out);
}

Status scopeOf(uint16_t which, OrderHandle::Scope& scope) {
    if (which != 1 && which != 2)
        return Status(kInvalidArgument, "Invalid scope " + std::to_string(which));
    scope = which == 1 ? OrderHandle::kTop : OrderHandle::kBottom;
    return {};
}

Status noScope() { return Status(kNoScope); }

Status setFilter(TableCursor& cursor, const char* expression, bool optimised) {
    if (!expression)
        return nullArgument();
    return cursor.setFilter(expression, optimised);
}

Status copyExpression(const char* in, char* out, uint32_t* length) {
    if (!in)
        return nullArgument();
    return copyText(in, out, length);
}

} // namespace

CERESULT CeInitRawKey(CEHANDLE order) {
    return withOrder(order, [](TableCursor&, OrderHandle& o) {
        o.initRawKey();
        return Status();
    });
}

CERESULT CeBuildRawKey(CEHANDLE order, void* key, uint32_t* length) {
    return withOrder(order, [&](TableCursor&, OrderHandle& o) { return copyBytes(o.buildRawKey(), key, length); });
}

CERESULT CeSeek(CEHANDLE order, const void* key, uint32_t length, uint16_t keyType, uint16_t seekType, uint16_t* found) {
    return withOrder(order, [&](TableCursor& c, OrderHandle& o) -> Status {
        if (!found || (seekType != 1 && seekType != 2))
            return Status(kInvalidArgument, "Invalid seek type " + std::to_string(seekType));
        std::string bytes;
        CE_TRY(keyArgument(c, o, key, length, keyType, bytes));
        bool isFound = false;
        c.seek(o, bytes, seekType == 2, isFound);
        *found = isFound;
        return {};
    });
}

CERESULT CeStepIndexKey(CEHANDLE order, int32_t direction) {
    // Moves to the nearest record with a different key in the given direction.
    return withOrder(order, [&](TableCursor& c, OrderHandle& o) -> Status {
        if (direction != 1 && direction != -1)
            return Status(kInvalidArgument, "Invalid direction " + std::to_string(direction));
        const unsigned char* row = c.currentRow();
        if (!row)
            return Status(kNoCurrentRecord);
        const std::string key = o.order().def().recordKey(c.layout(), row);
        do
            c.skip(&o, direction);
        while (c.onRecord() && c.currentRow() && o.order().def().recordKey(c.layout(), c.currentRow()) == key);
        return {};
    });
}

CERESULT CeSetScope(CEHANDLE order, uint16_t which, const void* key, uint32_t length, uint16_t keyType) {
    return withOrder(order, [&](TableCursor& c, OrderHandle& o) -> Status {
        OrderHandle::Scope scope{};
        CE_TRY(scopeOf(which, scope));
        std::string bytes;
        CE_TRY(keyArgument(c, o, key, length, keyType, bytes));
        o.setScope(scope, std::move(bytes));
        return {};
    });
}

CERESULT CeGetScope(CEHANDLE order, uint16_t which, void* key, uint32_t* length) {
    return withOrder(order, [&](TableCursor&, OrderHandle& o) -> Status {
        OrderHandle::Scope scope{};
        CE_TRY(scopeOf(which, scope));
        if (!o.scope(scope))
            return noScope();
        return copyBytes(*o.scope(scope), key, length);
    });
}

CERESULT CeClearScope(CEHANDLE order, uint16_t which) {
    return withOrder(order, [&](TableCursor&, OrderHandle& o) -> Status {
        OrderHandle::Scope scope{};
        CE_TRY(scopeOf(which, scope));
        if (!o.scope(scope))
            return noScope();
        o.setScope(scope, std::nullopt);
        return {};
    });
}

CERESULT CeClearAllScopes(CEHANDLE table) {
    return withTable(table, [](TableCursor& c) {
        for (CEHANDLE h : c.orders()) {
            OrderHandle* o = handles().get<OrderHandle>(h);
            o->setScope(OrderHandle::kTop, std::nullopt);
            o->setScope(OrderHandle::kBottom, std::nullopt);
        }
        return Status();
    });
}

CERESULT CeSetFilter(CEHANDLE table, const char* expression) {
    return withTable(table, [&](TableCursor& c) { return setFilter(c, expression, /*optimised=*/false); });
}

CERESULT CeClearFilter(CEHANDLE table) {
    return withTable(table, [](TableCursor& c) { return c.clearFilter(/*optimised=*/false); });
}

CERESULT CeSetAOF(CEHANDLE table, const char* expression, uint16_t resolve) {
    return withTable(table, [&](TableCursor& c) {
        if (resolve != 1 && resolve != 2)
            return Status(kInvalidArgument, "Invalid resolve option " + std::to_string(resolve));
        return setFilter(c, expression, /*optimised=*/true);
    });
}

CERESULT CeGetAOF(CEHANDLE table, char* buffer, uint32_t* length) {
    return withTable(table, [&](TableCursor& c) {
        if (!c.aof())
            return Status(kNoFilter);
        return copyText(c.aof()->text(), buffer, length);
    });
}

CERESULT CeClearAOF(CEHANDLE table) {
    return withTable(table, [](TableCursor& c) { return c.clearFilter(/*optimised=*/true); });
}

CERESULT CeSetExact22(CEHANDLE table, uint16_t exact) {
    return withTable(table, [&](TableCursor& c) {
        c.setExactComparison(exact == 1);
        return Status();
    });
}

CERESULT CeGetExact22(CEHANDLE table, uint16_t* exact) {
    return withTable(table, [&](TableCursor& c) {
        if (!exact)
            return nullArgument();
        *exact = c.exactComparison() ? 1 : 0;
        return Status();
    });
}

// Our tables have no short field names, so both conversions copy the expression.
CERESULT CeExpressionLongToShort(CEHANDLE table, const char* in, char* out, uint32_t* length) {
    return withTable(table, [&](TableCursor&) { return copyExpression(in, out, length); });
}

CERESULT CeExpressionShortToLong(CEHANDLE table, const char* in, char* out, uint32_t* length) {
    return withTable(table, [&](TableCursor&) { return copyExpression(in, out, length); });
}
