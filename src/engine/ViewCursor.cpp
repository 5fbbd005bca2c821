// A view is read through the SQLite view the dictionary keeps beside its metadata, so that its
// columns trace back to table fields and keep their engine types.
#include "engine/ViewCursor.h"

#include "engine/Connection.h"
#include "engine/Dictionary.h"
#include "engine/SqlSession.h"
#include "engine/StatementHandle.h"

namespace ce {

Status openViewCursor(uint32_t connectionHandle, Connection& connection, std::string_view name, uint16_t charType,
                      uint32_t& cursor) {
    if (!connection.isDictionary())
        return Status(kTableNotInDictionary, "Table not in the dictionary: " + std::string(name));
    ObjectRow view;
    const Status found = Dictionary(connection.dictionary()).find(ObjectKind::View, "", name, view);
    if (!found.ok())
        return found.code() == kObjectNotFound ? Status(kTableNotInDictionary, "Table not in the dictionary: " + std::string(name))
                                               : found;
    SqlSession* session = nullptr;
    CE_TRY(SqlSession::of(connection, session));
    StatementHandle query(connectionHandle);
    query.options().charType = charType == 2 ? 2 : 1;
    std::string quoted = "\"";
    for (char c : view.name)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    CE_TRY(query.prepare(*session, "SELECT * FROM " + quoted + "\""));
    return query.execute(*session, &cursor);
}

} // namespace ce
