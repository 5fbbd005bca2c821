// The small databases the engine targets start from, made through the engine's own functions:
// a dictionary of four directory tables and a free table, each with a few rows and indexes.
#pragma once

#include <string>

namespace fuzz {

// The dictionary file at path (replaced): Topic, Office, OfficeTopics and Branch, as the program
// reads them, with the user ADMIN and no password.
void makeSmallDictionary(const std::string& path);

// The free table T in the directory, with an index on its name.
void makeFreeTable(const std::string& directory);

// Runs one statement through the connection; throws with the engine's text on failure.
void runSql(unsigned connection, const char* sql);

} // namespace fuzz
