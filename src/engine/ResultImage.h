// The rows of an SQL result read into a static table image, the form every cursor function works
// on: columns that come from a table column keep that field's engine type and length; computed
// columns take a type from their values (text the longest text, numbers INTEGER or DOUBLE, bytes
// BINARY).
#pragma once

#include "engine/RecordLayout.h"
#include "engine/Status.h"
#include "engine/TableImage.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace ce {

struct ResultColumn {
    int column = 0;  // SQLite result column
    FieldDef field;  // name as the result names it; type 0 when it comes from the values
};

// The record layout of columns when every column's field is known, else none (the values size
// the computed columns). Made once per description of the columns, not once per result.
std::optional<RecordLayout> typedLayout(const std::vector<ResultColumn>& columns);

// Steps stmt to its end. typed is typedLayout(columns). The image is named name and looks for
// index files in directory.
Status readResult(sqlite3_stmt* stmt, const std::vector<ResultColumn>& columns,
                  const std::optional<RecordLayout>& typed, const std::string& name, const std::string& directory,
                  std::shared_ptr<TableImage>& out);

} // namespace ce
