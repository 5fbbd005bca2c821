// Creating engine files and running the data-definition statements that shape them:
//   CREATE TABLE name (field TYPE [(length [, decimals])] [NOT NULL], ...)
//   CREATE [UNIQUE] INDEX tag ON table (field | UPPER(field), ...) [DESC] [IN FILE 'name.vdi'] [FOR condition]
//   DROP TABLE name        DROP INDEX table.tag
// Type names: LOGICAL, NUMERIC(p,s), DATE, CHAR(n), MEMO, BINARY, IMAGE, VARCHAR(n), COMPACTDATE,
// DOUBLE, INTEGER, SHORTINT, TIME, TIMESTAMP, AUTOINC, RAW(n), CURDOUBLE. Tables of the DBF family
// (table types 1 and 2) take LOGICAL, NUMERIC, DATE, CHAR, MEMO, BINARY and IMAGE only.
#pragma once

#include "engine/Status.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace ce {

class Database;

// Where a statement runs: a dictionary, or a directory of free tables of the given table type.
struct DdlTarget {
    std::shared_ptr<Database> dictionary;
    std::string directory; // native path, for free tables
    uint16_t tableType = 3;
};

// Creates a new, empty dictionary file (CP1251 name); fails when the file exists.
Status createDictionary(std::string_view path);

// Runs one statement; 7200 for text that is not one of the statements above, 5036 when the table
// it changes is open.
Status runDdl(const DdlTarget& target, std::string_view sql);

} // namespace ce
