// The dataset side of connections: resolving DatabaseName to a connection component, an alias or
// a directory; the database path; the table type an alias or connection fixes; the binding.
#include "data/TDbDataSet.h"

#include "data/DbAlias.h"
#include "data/DbRegistry.h"
#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "data/TDbConnection.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TList.h"
#include "toolkit/TThreadList.h"

namespace {

AnsiString qualifiedName(const TComponent& component) {
    return component.Owner() != nullptr ? component.Owner()->Name() + "." + component.Name() : component.Name();
}

// The connection DatabaseName names: first one of the dataset's own owner, then any by its name
// or by "Owner.Name".
TDbConnection* connectionNamed(const AnsiString& name, const TComponent* owner) {
    const AnsiString wanted = AnsiUpperCase(name);
    TList* list = db::connectionList().LockList();
    TDbConnection* found = nullptr;
    for (int i = 0; i < list->Count() && found == nullptr; ++i) {
        auto* connection = static_cast<TDbConnection*>(list->Items(i));
        if (connection->Owner() == owner && AnsiUpperCase(connection->Name()) == wanted)
            found = connection;
    }
    for (int i = 0; i < list->Count() && found == nullptr; ++i) {
        auto* connection = static_cast<TDbConnection*>(list->Items(i));
        if (AnsiUpperCase(connection->Name()) == wanted ||
            (connection->Owner() != nullptr && AnsiUpperCase(qualifiedName(*connection)) == wanted))
            found = connection;
    }
    db::connectionList().UnlockList();
    return found;
}

} // namespace

void TDbDataSet::SetDatabaseName(const AnsiString& Value) {
    if (Active())
        DbMisuse(this, db::SOpenDataSet);
    aliasPath_.clear();
    databaseName_ = Value;
    if (Value.empty())
        return;
    if (TDbConnection* connection = connectionNamed(Value, Owner())) {
        SetDbConnection(connection);
        return;
    }
    // A name that resolves elsewhere must not leave the dataset opening through an old binding.
    SetDbConnection(nullptr);
    db::DbAlias alias;
    if (db::hasPathSeparator(Value) || !db::findAlias(Value, alias))
        return;
    aliasPath_ = alias.path;
    tableType_ = db::datasetAliasType(alias);
    engineTableType_ = db::engineTableType(tableType_);
}

bool TDbDataSet::namesBoundConnection(const AnsiString& name) const {
    const AnsiString upper = AnsiUpperCase(name);
    return name.empty() || upper == AnsiUpperCase(dbConnection_->Name()) ||
           upper == AnsiUpperCase(qualifiedName(*dbConnection_));
}

AnsiString TDbDataSet::GetDatabasePath() {
    AnsiString path;
    TDbTableTypes forced = tableType_;
    if (!aliasPath_.empty()) {
        path = aliasPath_;
    } else if (dbConnection_ != nullptr && namesBoundConnection(databaseName_)) {
        path = dbConnection_->GetDatabasePath();
        db::tableTypeOfAliasType(dbConnection_->GetAliasTableType(), forced);
    } else if (databaseName_.empty()) {
        return {};
    } else {
        db::DbAlias alias;
        if (!db::hasPathSeparator(databaseName_) && db::findAlias(databaseName_, alias)) {
            aliasPath_ = alias.path;
            path = alias.path;
            forced = db::datasetAliasType(alias);
        } else {
            path = databaseName_;
        }
    }
    if (forced != tableType_) {
        tableType_ = forced;
        engineTableType_ = db::engineTableType(forced);
    }
    if (!path.empty() && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

void TDbDataSet::SetTableType(TDbTableTypes Value) {
    if (Active())
        DbMisuse(this, db::SOpenDataSet);
    db::DbAlias alias;
    if (!databaseName_.empty() && !db::hasPathSeparator(databaseName_) && db::findAlias(databaseName_, alias) &&
        db::datasetAliasType(alias) != Value)
        DbMisuse(this, db::STableTypeFixedByAlias);
    if (databaseName_.empty() && dbConnection_ != nullptr) {
        TDbTableTypes fixed = Value;
        if (db::tableTypeOfAliasType(dbConnection_->GetAliasTableType(), fixed) && fixed != Value)
            DbMisuse(this, db::STableTypeFixedByAlias);
    }
    tableType_ = Value;
    engineTableType_ = db::engineTableType(Value);
}

void TDbDataSet::SetDbConnection(TDbConnection* Value) {
    if (Active())
        DbMisuse(this, db::STableMustNotBeActive);
    if (Value == dbConnection_)
        return;
    if (dbConnection_ != nullptr)
        dbConnection_->RemoveDataSet(this);
    dbConnection_ = Value;
    if (Value != nullptr)
        Value->AddDataSet(this);
}
