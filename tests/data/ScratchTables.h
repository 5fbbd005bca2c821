// The components over a test's scratch dictionary: the connection component "DbConnection1" to
// the dictionary file, and tables through it.
#pragma once

#include "data/TDbConnection.h"
#include "data/TDbTable.h"

namespace datatest {

inline TDbConnection* scratchConnection(TComponent& owner, const AnsiString& dictionaryPath) {
    auto* connection = new TDbConnection(&owner);
    connection->SetName("DbConnection1");
    connection->SetConnectPath(dictionaryPath);
    connection->LoginPrompt = false;
    return connection;
}

// A closed table of the dictionary behind "DbConnection1", in the order of Index.
inline TDbTable* scratchTable(TComponent& owner, const AnsiString& name, const AnsiString& index = "") {
    auto* t = new TDbTable(&owner);
    t->SetDatabaseName("DbConnection1");
    t->SetTableName(name);
    t->SetIndexName(index);
    return t;
}

} // namespace datatest
