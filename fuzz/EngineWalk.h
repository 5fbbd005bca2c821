// Reading an engine cursor the way the database components do, for the engine targets.
#pragma once

#include <cstdint>

namespace fuzz {

// Reads the record and every field of each record the handle (a table, a cursor or one of their
// index orders) shows, top to bottom and a few from the bottom up, at most limit records; table
// is the handle whose fields are read.
void walkRecords(std::uint32_t table, std::uint32_t handle, int limit);

// Walks the table in natural order and in each of its index orders.
void walkTable(std::uint32_t table, int limit);

} // namespace fuzz
