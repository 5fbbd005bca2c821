// The provider support of every dataset: statements and transactions through the dataset's
// connection component, the cursor reset, and the update hook. A dataset that names a directory
// has no connection and so runs no statements.
#include "data/TDbDataSet.h"

#include <memory>

#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "data/TDbConnection.h"
#include "data/TDbQuery.h"

void TDbDataSet::PSEndTransaction(bool Commit) {
    if (dbConnection_ == nullptr)
        return;
    if (Commit)
        dbConnection_->Commit();
    else
        dbConnection_->Rollback();
}

int TDbDataSet::PSExecuteStatement(const AnsiString& ASQL, TParams* AParams, TDataSet** ResultSet) {
    if (dbConnection_ == nullptr)
        DbMisuse(this, db::SProviderNeedsConnection);
    if (ResultSet == nullptr)
        return dbConnection_->Execute(ASQL, AParams, /*UseCache=*/true, nullptr);
    CEHANDLE cursor = db::kNoHandle;
    const int result = dbConnection_->Execute(ASQL, AParams, /*UseCache=*/true, &cursor);
    auto query = std::make_unique<TDbQuery>(nullptr);
    query->OpenOnHandle(cursor);
    *ResultSet = query.release();
    return result;
}

bool TDbDataSet::PSInTransaction() {
    return dbConnection_ != nullptr && dbConnection_->IsConnected() && dbConnection_->GetTransactionActive();
}

void TDbDataSet::PSReset() {
    TDataSet::PSReset();
    if (!Active())
        return;
    EngineCheck(this, CeGotoTop(tableHandle_));
    CursorPosChanged();
}

void TDbDataSet::PSStartTransaction() {
    if (dbConnection_ != nullptr)
        dbConnection_->BeginTransaction();
}

bool TDbDataSet::PSUpdateRecord(TUpdateKind UpdateKind, TDataSet* Delta) {
    if (!OnUpdateRecord)
        return false;
    TUpdateAction action = uaFail;
    OnUpdateRecord(Delta, UpdateKind, action);
    return action == uaApplied;
}
