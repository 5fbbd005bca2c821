// What every Ce* entry point shares: the engine lock, the thread's last error, handle look-ups by
// kind and the caller-buffer rules (5005 with the required size).
#pragma once

#include "engine/Connection.h"
#include "engine/OrderHandle.h"
#include "engine/Status.h"
#include "engine/TableCursor.h"

#include <cstdint>
#include <mutex>
#include <new>
#include <string>
#include <string_view>

namespace ce {

struct LastError {
    uint32_t code = 0;
    std::string text;
};

std::mutex& engineMutex();
LastError& lastError(); // of the calling thread

// Runs one entry point under the engine lock; a failure becomes the thread's last error.
template <class Body>
uint32_t engineCall(Body&& body) {
    std::lock_guard<std::mutex> lock(engineMutex());
    Status status;
    try {
        status = body();
    } catch (const std::bad_alloc&) {
        status = Status(kInternalFailure);
    } catch (const std::exception& e) {
        status = Status(kInternalFailure, std::string("Internal engine failure: ") + e.what());
    }
    if (!status.ok())
        lastError() = LastError{status.code(), status.text()};
    return status.code();
}

Status invalidHandle(uint32_t handle);
Status nullArgument();

Status connectionOf(uint32_t handle, Connection*& connection);
Status tableOf(uint32_t handle, TableCursor*& table);
Status orderOf(uint32_t handle, OrderHandle*& order, TableCursor*& table);
// A table handle (order null) or an order handle with its table.
Status tableOrOrder(uint32_t handle, TableCursor*& table, OrderHandle*& order);
// A field argument of a table, or 5147.
Status fieldOf(const TableCursor& table, const char* field, int& index);

// A field of a table handle's pending record from text, as CeSetField and CeSetString give it
// (CP866 for an OEM handle's memos; a string ends at its first zero).
Status writeFieldText(TableCursor& table, int index, const FieldDef& field, const void* buffer, uint32_t length);

// Text into a caller buffer, zero-terminated; 5005 and the required capacity when it does not fit.
Status copyText(std::string_view text, char* buffer, uint32_t* length);
// Bytes into a caller buffer; 5005 and the required size when they do not fit.
Status copyBytes(std::string_view bytes, void* buffer, uint32_t* length);

// Entry points on one handle: the body gets the looked-up objects or never runs.
template <class Body>
uint32_t withTable(uint32_t handle, Body body) {
    return engineCall([&]() -> Status {
        TableCursor* cursor = nullptr;
        CE_TRY(tableOf(handle, cursor));
        return body(*cursor);
    });
}

template <class Body>
uint32_t withOrder(uint32_t handle, Body body) {
    return engineCall([&]() -> Status {
        TableCursor* cursor = nullptr;
        OrderHandle* order = nullptr;
        CE_TRY(orderOf(handle, order, cursor));
        return body(*cursor, *order);
    });
}

template <class Body>
uint32_t withTableOrOrder(uint32_t handle, Body body) {
    return engineCall([&]() -> Status {
        TableCursor* cursor = nullptr;
        OrderHandle* order = nullptr;
        CE_TRY(tableOrOrder(handle, cursor, order));
        return body(*cursor, order);
    });
}

} // namespace ce
