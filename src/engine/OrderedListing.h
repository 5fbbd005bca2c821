// A query that lists a table's rows in the order of one of its text columns, filtered only by a
// LIKE on that column's upper case ("select A, B from T where Upper(B) LIKE :P order by B"),
// answered from the table's image when the pattern matches every text: the image already holds
// the rows in the column's case-insensitive index order, so SQLite need neither sort nor copy them.
// The answer is given only where it is provably the rows SQLite would give, in its order.
#pragma once

#include "engine/ResultImage.h"
#include "engine/Status.h"
#include "engine/TableImage.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ce {

class OrderedListing {
public:
    // The shape of a text with its markers numbered ("?N"); an empty listing when it has another.
    static OrderedListing recognise(std::string_view cp1251Text);

    bool recognised() const { return !table_.empty(); }
    const std::string& table() const { return table_; }
    // The marker the pattern is bound to (0-based).
    size_t marker() const { return marker_; }
    // Whether a bound pattern (UTF-8) matches every text: one or more "%" and nothing else.
    static bool matchesEveryText(std::string_view pattern);

    // The result rows from image, with the result's columns as the statement describes them;
    // out stays empty when the image cannot prove the answer (the statement then runs as written).
    std::shared_ptr<TableImage> answer(const TableImage& image, const std::vector<ResultColumn>& columns,
                                       const std::string& name, const std::string& directory) const;

private:
    std::string table_;                // CP1251, as written
    std::vector<std::string> columns_; // selected columns, as written
    std::string column_;               // the column filtered and ordered by
    size_t marker_ = 0;
};

} // namespace ce
