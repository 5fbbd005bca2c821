// Ce* entry points that open, close and describe index orders.
#include "engine/CeEngine.h"

#include "engine/EngineCall.h"
#include "engine/PathResolver.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

using namespace ce;

namespace {

// An index file's path: as given, else beside the table's file.
std::string indexPath(const TableCursor& cursor, const char* path) {
    const std::string direct = resolvePath(path);
    std::error_code ec;
    if (std::filesystem::is_regular_file(direct, ec) || path[0] == '/' || path[0] == '\\')
        return direct;
    return resolvePath(base::utf8ToCp1251(cursor.image().directory()) + "/" + path);
}

Status fillHandles(const std::vector<CEHANDLE>& all, CEHANDLE* out, uint16_t* count) {
    if (!count || (!out && *count > 0))
        return nullArgument();
    const size_t n = std::min<size_t>(*count, all.size());
    std::copy(all.begin(), all.begin() + static_cast<ptrdiff_t>(n), out);
    *count = static_cast<uint16_t>(n);
    return {};
}

template <class Out, class Get>
CERESULT describeOrder(CEHANDLE order, Out* out, Get get) {
    return engineCall([&]() -> Status {
        OrderHandle* o = nullptr;
        TableCursor* cursor = nullptr;
        CE_TRY(orderOf(order, o, cursor));
        if (!out)
            return nullArgument();
        *out = static_cast<Out>(get(o->order().def()));
        return {};
    });
}

} // namespace

CERESULT CeOpenIndex(CEHANDLE table, const char* path, CEHANDLE* orders, uint16_t* count) {
    return engineCall([&]() -> Status {
        TableCursor* cursor = nullptr;
        CE_TRY(tableOf(table, cursor));
        if (!path || !*path)
            return nullArgument();
        IndexFile* file = nullptr;
        CE_TRY(cursor->image().openIndexFile(indexPath(*cursor, path), file));
        std::vector<CEHANDLE> opened;
        for (CEHANDLE h : cursor->orders())
            if (handles().get<OrderHandle>(h)->file() == file)
                opened.push_back(h);
        if (opened.empty())
            for (const auto& order : file->orders) {
                opened.push_back(handles().add(std::make_unique<OrderHandle>(table, file, order.get())));
                cursor->orders().push_back(opened.back());
            }
        return fillHandles(opened, orders, count);
    });
}

CERESULT CeCloseIndex(CEHANDLE order) {
    return engineCall([&]() -> Status {
        OrderHandle* o = nullptr;
        TableCursor* cursor = nullptr;
        CE_TRY(orderOf(order, o, cursor));
        const IndexFile* file = o->file();
        auto& orders = cursor->orders();
        for (auto it = orders.begin(); it != orders.end();) {
            if (handles().get<OrderHandle>(*it)->file() != file) {
                ++it;
                continue;
            }
            handles().remove(*it);
            it = orders.erase(it);
        }
        return {};
    });
}

CERESULT CeGetAllIndexes(CEHANDLE table, CEHANDLE* orders, uint16_t* count) {
    return engineCall([&]() -> Status {
        TableCursor* cursor = nullptr;
        CE_TRY(tableOf(table, cursor));
        return fillHandles(cursor->orders(), orders, count);
    });
}

CERESULT CeGetIndexHandle(CEHANDLE table, const char* name, CEHANDLE* order) {
    return engineCall([&]() -> Status {
        TableCursor* cursor = nullptr;
        CE_TRY(tableOf(table, cursor));
        if (!order)
            return nullArgument();
        *order = 0;
        if (!name || !*name)
            return {};
        const std::string wanted = base::upperCp1251(name);
        for (CEHANDLE h : cursor->orders())
            if (base::upperCp1251(handles().get<OrderHandle>(h)->order().def().tag) == wanted) {
                *order = h;
                return {};
            }
        return Status(kIndexTagNotFound, "Index tag not found: " + std::string(name));
    });
}

CERESULT CeGetIndexName(CEHANDLE order, char* buffer, uint32_t* length) {
    return engineCall([&]() -> Status {
        OrderHandle* o = nullptr;
        TableCursor* cursor = nullptr;
        CE_TRY(orderOf(order, o, cursor));
        return copyText(o->order().def().tag, buffer, length);
    });
}

CERESULT CeGetIndexFilename(CEHANDLE order, uint16_t, char* buffer, uint32_t* length) {
    return engineCall([&]() -> Status {
        OrderHandle* o = nullptr;
        TableCursor* cursor = nullptr;
        CE_TRY(orderOf(order, o, cursor));
        return copyText(o->file()->name, buffer, length);
    });
}

CERESULT CeGetIndexCondition(CEHANDLE order, char* buffer, uint32_t* length) {
    return engineCall([&]() -> Status {
        OrderHandle* o = nullptr;
        TableCursor* cursor = nullptr;
        CE_TRY(orderOf(order, o, cursor));
        return copyText(o->order().def().condition, buffer, length);
    });
}

CERESULT CeGetIndexFlags(CEHANDLE order, uint32_t* flags) {
    return describeOrder(order, flags, [](const IndexDef& d) { return d.flags; });
}

CERESULT CeGetIndexPageSize(CEHANDLE order, uint32_t* size) {
    return describeOrder(order, size, [](const IndexDef&) { return 512; });
}

CERESULT CeGetKeyLength(CEHANDLE order, uint16_t* length) {
    return describeOrder(order, length, [](const IndexDef& d) { return d.keyLength; });
}

CERESULT CeGetNumSegments(CEHANDLE order, uint16_t* count) {
    return describeOrder(order, count, [](const IndexDef& d) { return d.segments.size(); });
}

CERESULT CeGetSegmentFieldname(CEHANDLE order, uint16_t segment, char* buffer, uint32_t* length) {
    return engineCall([&]() -> Status {
        OrderHandle* o = nullptr;
        TableCursor* cursor = nullptr;
        CE_TRY(orderOf(order, o, cursor));
        const auto& segments = o->order().def().segments;
        if (segment >= segments.size())
            return Status(kInvalidArgument, "No segment " + std::to_string(segment));
        return copyText(cursor->layout().fields()[static_cast<size_t>(segments[segment].field)].name, buffer, length);
    });
}

CERESULT CeIsIndexCustom(CEHANDLE order, uint16_t* custom) {
    return describeOrder(order, custom, [](const IndexDef& d) { return (d.flags & kIndexCustom) ? 1 : 0; });
}

CERESULT CeIsIndexDescending(CEHANDLE order, uint16_t* descending) {
    return describeOrder(order, descending, [](const IndexDef& d) { return d.descending() ? 1 : 0; });
}

CERESULT CeIsIndexUnique(CEHANDLE order, uint16_t* unique) {
    return describeOrder(order, unique, [](const IndexDef& d) { return d.unique() ? 1 : 0; });
}
