// Reading the sample database through the program's connection for tests, scenes and benchmarks:
// any statement's rows as texts, and the addresses with the most firms, for picks whose firm list
// is long.
#pragma once

#include <vector>

#include "data/TDbQuery.h"
#include "toolkit/TField.h"
#include "toolkit/TStringList.h"

namespace testsupport {

using Row = std::vector<AnsiString>;

// Every row of the statement, each field as text.
inline std::vector<Row> queryRows(const char* connectionName, const AnsiString& sql) {
    TDbQuery query(nullptr);
    query.SetDatabaseName(connectionName);
    query.SQL()->SetText(sql);
    std::vector<Row> rows;
    for (query.Open(); !query.Eof(); query.Next()) {
        Row& row = rows.emplace_back();
        for (int i = 0; i < query.Fields().Count(); ++i)
            row.push_back(query.Fields().Fields(i)->AsString());
    }
    return rows;
}

struct Address {
    AnsiString street;
    AnsiString house;
};

// The Count addresses with the most firms, busiest first (street and house as the map keeps them).
inline std::vector<Address> busiestAddresses(const char* connectionName, int count) {
    std::vector<Address> addresses;
    for (const Row& row : queryRows(connectionName, "select Upper(Street), Upper(House), count(distinct Office_Id) N "
                                                    "from Branch group by Upper(Street), Upper(House) order by N desc, 1, 2"))
        if (int(addresses.size()) < count)
            addresses.push_back({row[0], row[1]});
    return addresses;
}

} // namespace testsupport
