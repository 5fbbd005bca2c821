// The engine lock, last errors, handle look-ups and caller buffers.
#include "engine/EngineCall.h"

#include "engine/ProcessWide.h"

#include <cstring>

namespace ce {

std::mutex& engineMutex() {
    return processWide<std::mutex>();
}

LastError& lastError() {
    thread_local LastError error;
    return error;
}

Status invalidHandle(uint32_t handle) {
    return Status(kInvalidHandle, "Invalid or unknown handle " + std::to_string(handle));
}

Status nullArgument() { return Status(kInvalidArgument, "Invalid argument: a required pointer is nil"); }

Status connectionOf(uint32_t handle, Connection*& connection) {
    connection = handles().get<Connection>(handle);
    return connection ? Status() : invalidHandle(handle);
}

Status tableOf(uint32_t handle, TableCursor*& table) {
    table = handles().get<TableCursor>(handle);
    return table ? Status() : invalidHandle(handle);
}

Status orderOf(uint32_t handle, OrderHandle*& order, TableCursor*& table) {
    order = handles().get<OrderHandle>(handle);
    if (!order)
        return invalidHandle(handle);
    return tableOf(order->table(), table);
}

Status tableOrOrder(uint32_t handle, TableCursor*& table, OrderHandle*& order) {
    order = nullptr;
    if (handles().get<OrderHandle>(handle))
        return orderOf(handle, order, table);
    return tableOf(handle, table);
}

Status fieldOf(const TableCursor& table, const char* field, int& index) {
    if (!field)
        return nullArgument();
    index = table.layout().resolve(field);
    if (index >= 0)
        return {};
    const auto value = reinterpret_cast<uintptr_t>(field);
    std::string name = value < 0x10000 ? std::to_string(value) : std::string(field);
    if (value < 0x10000)
        name.insert(name.begin(), '#');
    return Status(kUnknownColumn, "Unknown column \"" + name + "\"");
}

Status copyText(std::string_view text, char* buffer, uint32_t* length) {
    if (!length)
        return nullArgument();
    const uint64_t required = static_cast<uint64_t>(text.size()) + 1;
    if (!buffer || *length < required) {
        *length = static_cast<uint32_t>(required);
        return Status(kBufferTooSmall);
    }
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    *length = static_cast<uint32_t>(text.size());
    return {};
}

Status copyBytes(std::string_view bytes, void* buffer, uint32_t* length) {
    if (!length)
        return nullArgument();
    if ((!buffer && !bytes.empty()) || *length < bytes.size()) {
        *length = static_cast<uint32_t>(bytes.size());
        return Status(kBufferTooSmall);
    }
    if (!bytes.empty())
        std::memcpy(buffer, bytes.data(), bytes.size());
    *length = static_cast<uint32_t>(bytes.size());
    return {};
}

} // namespace ce
