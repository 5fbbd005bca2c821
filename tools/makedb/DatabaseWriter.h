// Writes the sample city's data dictionary with the engine's own functions: the dictionary and its
// log-ins, the tables and their index tags through SQL DDL, then every row through parameterised
// SQL inserts in one transaction.
#pragma once

#include "makedb/DirectoryPlan.h"

#include <cstdint>
#include <string>

namespace makedb {

class DatabaseWriter {
public:
    // The log-in the program connects with.
    static constexpr const char* kUser = "USER";
    static constexpr const char* kPassword = "valdren";
    // The administrator's password (the engine creates ADMIN without one).
    static constexpr const char* kAdminPassword = "valdren-admin";

    // Builds the dictionary at path: a file of that name is replaced only when the whole build
    // succeeded. False with a message on failure.
    static bool write(const std::string& path, const std::string& mapStream, const DirectoryPlan& plan,
                      std::string& error);
};

} // namespace makedb
