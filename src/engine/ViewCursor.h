// Opening a dictionary view as a table: its SQL runs and the result is a static, read-only cursor
// handle (kind 5), as a SELECT statement gives.
#pragma once

#include "engine/Status.h"

#include <cstdint>
#include <string_view>

namespace ce {

class Connection;

// 5132 when the dictionary has no view of that name.
Status openViewCursor(uint32_t connectionHandle, Connection& connection, std::string_view name, uint16_t charType,
                      uint32_t& cursor);

} // namespace ce
