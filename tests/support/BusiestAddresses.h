// The sample database's addresses with the most firms, read through the program's connection, for
// tests, scenes and benchmarks that pick buildings whose firm list is long.
#pragma once

#include <utility>
#include <vector>

#include "data/TDbQuery.h"
#include "toolkit/TField.h"
#include "toolkit/TStringList.h"

namespace testsupport {

struct Address {
    AnsiString street;
    AnsiString house;
};

// The Count addresses with the most firms, busiest first (street and house as the map keeps them).
inline std::vector<Address> busiestAddresses(const char* connectionName, int count) {
    TDbQuery query(nullptr);
    query.SetDatabaseName(connectionName);
    query.SQL()->SetText("select Upper(Street) S, Upper(House) H, count(distinct Office_Id) N from Branch "
                         "group by Upper(Street), Upper(House) order by N desc, S, H");
    query.Open();
    std::vector<Address> addresses;
    for (; !query.Eof() && int(addresses.size()) < count; query.Next())
        addresses.push_back({query.FieldByName("S")->AsString(), query.FieldByName("H")->AsString()});
    return addresses;
}

} // namespace testsupport
