// Ce* entry points of transactions: one per connection, run by its SQL session.
#include "engine/CeEngine.h"

#include "engine/EngineCall.h"
#include "engine/SqlSession.h"

using namespace ce;

namespace {

template <class Body>
CERESULT withSession(CEHANDLE connection, Body body) {
    return engineCall([&]() -> Status {
        Connection* c = nullptr;
        CE_TRY(connectionOf(connection, c));
        SqlSession* session = nullptr;
        CE_TRY(SqlSession::of(*c, session));
        return body(*session);
    });
}

} // namespace

CERESULT CeBeginTransaction(CEHANDLE connection) {
    return withSession(connection, [](SqlSession& session) { return session.begin(); });
}

CERESULT CeCommitTransaction(CEHANDLE connection) {
    return withSession(connection, [](SqlSession& session) { return session.commit(); });
}

CERESULT CeRollbackTransaction(CEHANDLE connection) {
    return withSession(connection, [](SqlSession& session) { return session.rollback(); });
}
