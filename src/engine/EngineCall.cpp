// The engine lock, last errors, handle look-ups and caller buffers.
#include "engine/EngineCall.h"

#include <cstring>

namespace ce {

std::mutex& engineMutex() {
    // Never destroyed: callers\' own static objects may still call the engine at process end.
    static auto& mutex = *new std::mutex;
    return mutex;
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

namespace {

// Table and order handles by their kind, which only those classes are made with: navigation calls
// come one per row, and the kind spares them a dynamic_cast.
TableCursor* asTable(HandleObject* object) {
    const bool table = object && (object->kind() == HandleKind::Table || object->kind() == HandleKind::SqlCursor);
    return table ? static_cast<TableCursor*>(object) : nullptr;
}

OrderHandle* asOrder(HandleObject* object) {
    return object && object->kind() == HandleKind::Order ? static_cast<OrderHandle*>(object) : nullptr;
}

} // namespace

Status tableOf(uint32_t handle, TableCursor*& table) {
    table = asTable(handles().find(handle));
    return table ? Status() : invalidHandle(handle);
}

Status orderOf(uint32_t handle, OrderHandle*& order, TableCursor*& table) {
    order = asOrder(handles().find(handle));
    if (!order)
        return invalidHandle(handle);
    return tableOf(order->table(), table);
}

Status tableOrOrder(uint32_t handle, TableCursor*& table, OrderHandle*& order) {
    // One look-up of the handle itself.
    HandleObject* object = handles().find(handle);
    order = asOrder(object);
    if (order)
        return tableOf(order->table(), table);
    table = asTable(object);
    return table ? Status() : invalidHandle(handle);
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
