// The connection component.
//
//   not connected --IsConnected := True while loading--> loading, connect deferred
//   loading --Loaded--> connected (or the connect's error is raised)
//   not connected --connect: BeforeConnect, login, CeConnect60, AfterConnect, OnConnect--> connected
//   connected --disconnect: BeforeDisconnect, datasets closed, statements closed, CeDisconnect,
//     AfterDisconnect, OnDisconnect--> not connected (a refused CeDisconnect stays connected)
//
// ConnectPath and AliasName change only while not connected. The statement cache lives from the
// first cached Execute to the next disconnect, commit or rollback.
#include "data/TDbConnection.h"

#include <algorithm>

#include "data/BusyCursor.h"
#include "data/DbAlias.h"
#include "data/DbErrors.h"
#include "data/DbRegistry.h"
#include "data/DbTexts.h"
#include "data/DictionaryObjects.h"
#include "data/EDbEngineError.h"
#include "data/ParamBinder.h"
#include "data/TDbDataSet.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/Controls.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TList.h"
#include "toolkit/TParams.h"
#include "toolkit/TScreen.h"
#include "toolkit/TStrings.h"
#include "toolkit/TThreadList.h"

namespace {

constexpr CERESULT kNotConnected = 5024;
constexpr CERESULT kNoMoreTables = 5059;
constexpr uint16_t kTableObjects = 10;

void checkDb(CERESULT result) {
    if (result != 0)
        throw dbcnnct::DbError(result, true);
}

bool namesDictionary(const AnsiString& path) { return AnsiUpperCase(path).find(".VDD") != AnsiString::npos; }

AnsiString withoutTrailingSeparator(AnsiString path) {
    if (!path.empty() && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

} // namespace

TDbConnection::TDbConnection(TComponent* AOwner) : TComponent(AOwner) { db::connectionList().Add(this); }

TDbConnection::~TDbConnection() {
    Destroying();
    const std::vector<TDbDataSet*> dataSets = dataSets_;
    try {
        if (connected_) {
            for (TDbDataSet* dataSet : dataSets) {
                dataSet->Close();
                dataSet->ReleaseHandles();
            }
            ClearStatementCache();
        }
    } catch (...) {
        tk::handleException(this);
    }
    // Even a dataset that failed to close must not keep a pointer to this component.
    for (TDbDataSet* dataSet : dataSets)
        dataSet->dbConnection_ = nullptr;
    dataSets_.clear();
    if (connected_) {
        const CERESULT result = CeDisconnect(handle_);
        try {
            if (result != 0 && result != kNotConnected)
                throw dbcnnct::DbError(result, true);
            DoDisconnect();
        } catch (...) {
            tk::handleException(this);
        }
        handle_ = 0;
        connected_ = false;
    }
    db::connectionList().Remove(this);
}

void TDbConnection::fire(const TNotifyEvent& event) {
    if (event)
        event(this);
}

void TDbConnection::SetIsConnected(bool Value) {
    if (Value == connected_)
        return;
    if (ComponentState() & csLoading) {
        streamedConnected_ = Value;
        return;
    }
    if (Value)
        connect();
    else
        disconnect();
}

void TDbConnection::Loaded() {
    TComponent::Loaded();
    if (streamedConnected_ && !connected_)
        connect();
}

void TDbConnection::connect() {
    if (!aliasValid_)
        SetAliasName(aliasName_);
    if (!aliasValid_)
        throw DbConnectionError(db::SConnAliasInvalid);
    const AnsiString path = GetConnectString();
    if (path.empty())
        throw DbConnectionError(db::SConnNoConnectString);
    {
        const db::BusyCursor busy(crHourGlass);
        fire(BeforeConnect);
        OpenConnection(path);
    }
    connected_ = true;
    if (dictionary_)
        for (TDbDataSet* dataSet : std::vector<TDbDataSet*>(dataSets_))
            dataSet->RefreshDefaultIndex();
    fire(AfterConnect);
    DoConnect();
}

void TDbConnection::OpenConnection(const AnsiString& Path) {
    AnsiString user = Username;
    AnsiString password = Password;
    if (LoginPrompt && dictionary_) {
        password.clear();
        if (OnLogin) {
            user.clear();
            OnLogin(this, user, password);
        } else if (!LoginDialog(Name(), user, password)) {
            DatabaseErrorFmt(tk::SLoginError, {Name()});
        }
        Username = user;
    }
    if (!dictionary_) {
        user.clear();
        password.clear();
    }
    const uint32_t options = (MiddleTierConnection ? 1u : 0u) | (StoredProcedureConnection ? 2u : 0u);
    CEHANDLE handle = 0;
    EngineCheck(nullptr, CeConnect60(Path.c_str(), db::serverTypeMask(DbServerTypes), user.c_str(), password.c_str(),
                                     options, &handle));
    handle_ = handle;
}

void TDbConnection::closeDataSets() {
    for (TDbDataSet* dataSet : std::vector<TDbDataSet*>(dataSets_)) {
        dataSet->Close();
        dataSet->ReleaseHandles();
    }
}

void TDbConnection::disconnect() {
    fire(BeforeDisconnect);
    closeDataSets();
    ClearStatementCache();
    checkDb(CeDisconnect(handle_));
    handle_ = 0;
    transactionActive_ = false;
    fire(AfterDisconnect);
    DoDisconnect();
    connected_ = false;
}

void TDbConnection::SetConnectPath(const AnsiString& Value) {
    if (connected_)
        throw DbConnectionError(db::SConnConnectPathConnected);
    connectPath_ = Value;
    dictionary_ = namesDictionary(Value);
    aliasName_.clear();
    aliasPath_.clear();
    aliasTableType_ = 0;
    aliasValid_ = true;
}

void TDbConnection::SetAliasName(const AnsiString& Value) {
    if (connected_)
        throw DbConnectionError(db::SConnAliasConnected);
    aliasValid_ = true;
    aliasName_ = Value;
    aliasPath_.clear();
    aliasTableType_ = 0;
    if (Value.empty())
        return;
    db::DbAlias alias;
    if (!db::findAlias(Value, alias)) {
        aliasValid_ = false;
        return;
    }
    connectPath_.clear();
    aliasPath_ = alias.path;
    aliasTableType_ = db::connectionAliasType(alias);
    dictionary_ = namesDictionary(alias.path);
    TDbTableTypes type = ttDbVDT;
    if (Owner() == nullptr || !db::tableTypeOfAliasType(aliasTableType_, type))
        return;
    for (int i = 0; i < Owner()->ComponentCount(); ++i) {
        auto* dataSet = dynamic_cast<TDbDataSet*>(Owner()->Components(i));
        if (dataSet != nullptr && dataSet->DbConnection() == this &&
            (dataSet->DatabaseName().empty() || dataSet->DatabaseName() == Name()))
            dataSet->SetTableType(type);
    }
}

void TDbConnection::SetName(const AnsiString& NewName) {
    TComponent::SetName(NewName);
    if (Owner() == nullptr)
        return;
    const AnsiString qualified = AnsiUpperCase(Owner()->Name() + "." + NewName);
    std::vector<TDbDataSet*> named;
    TList* list = GetDataSetList().LockList();
    for (int i = 0; i < list->Count(); ++i) {
        auto* dataSet = static_cast<TDbDataSet*>(list->Items(i));
        if (dataSet->Owner() != nullptr &&
            AnsiUpperCase(dataSet->Owner()->Name() + "." + dataSet->DatabaseName()) == qualified)
            named.push_back(dataSet);
    }
    GetDataSetList().UnlockList();
    for (TDbDataSet* dataSet : named)
        dataSet->SetDatabaseName(NewName);
}

AnsiString TDbConnection::GetConnectionType() {
    if (!connected_)
        return {};
    uint16_t type = 0;
    checkDb(CeGetConnectionType(handle_, &type));
    switch (type) {
    case 1:
        return "Local";
    case 2:
        return "Remote";
    case 4:
        return "Internet";
    default:
        return {};
    }
}

AnsiString TDbConnection::GetServerName() {
    if (!connected_)
        throw DbConnectionError(db::SConnServerNameNotConnected);
    char name[256] = {};
    uint32_t length = 255;
    checkDb(CeGetServerName(handle_, name, &length));
    return name;
}

void TDbConnection::checkConnected() {
    if (!connected_)
        throw DbConnectionError(db::SConnNotConnected);
}

bool TDbConnection::GetTransactionActive() {
    checkConnected();
    return transactionActive_;
}

AnsiString TDbConnection::GetDatabasePath() {
    const AnsiString path = GetConnectString();
    if (path.size() <= 4 || path[path.size() - 4] != '.')
        return path;
    const std::size_t separator = path.find_last_of("\\/");
    return separator == AnsiString::npos ? AnsiString(".\\") : path.substr(0, separator);
}

void TDbConnection::AddDataSet(TDbDataSet* DataSet) {
    if (std::find(dataSets_.begin(), dataSets_.end(), DataSet) == dataSets_.end())
        dataSets_.push_back(DataSet);
}

void TDbConnection::RemoveDataSet(TDbDataSet* DataSet) {
    dataSets_.erase(std::remove(dataSets_.begin(), dataSets_.end(), DataSet), dataSets_.end());
}

void TDbConnection::BeginTransaction() {
    checkConnected();
    checkDb(CeBeginTransaction(handle_));
    transactionActive_ = true;
}

void TDbConnection::Commit() { endTransaction(/*Commit=*/true); }

void TDbConnection::Rollback() { endTransaction(/*Commit=*/false); }

void TDbConnection::endTransaction(bool commit) {
    checkConnected();
    commit ? DoBeforeCommit() : DoBeforeRollback();
    ClearStatementCache();
    checkDb(commit ? CeCommitTransaction(handle_) : CeRollbackTransaction(handle_));
    transactionActive_ = false;
    commit ? DoAfterCommit() : DoAfterRollback();
}

void TDbConnection::ClearStatementCache() { cache_.clear(); }

void TDbConnection::GetTableNames(TStrings* List, const AnsiString& Mask) {
    checkConnected();
    if (List == nullptr)
        return;
    AnsiString pattern;
    if (!dictionary_) {
        const char* mask = aliasTableType_ == 3 ? "*.vdt" : aliasTableType_ == 0 ? Mask.c_str() : "*.dbf";
        pattern = withoutTrailingSeparator(connectPath_.empty() ? aliasPath_ : connectPath_) + "\\" + mask;
    }
    char name[261] = {};
    uint32_t length = 260;
    CEHANDLE find = 0;
    CERESULT result = CeFindFirstTable(handle_, pattern.c_str(), name, &length, &find);
    try {
        while (result == 0) {
            List->Add(name);
            length = 260;
            result = CeFindNextTable(handle_, find, name, &length);
        }
        if (result != kNoMoreTables)
            throw dbcnnct::DbError(result, true);
    } catch (...) {
        if (find != 0)
            (void)CeFindClose(handle_, find);
        throw;
    }
    if (find != 0)
        checkDb(CeFindClose(handle_, find));
}

void TDbConnection::GetDictionaryTableNames(TStrings* List) {
    if (!connected_)
        Connect();
    if (List == nullptr || !dictionary_)
        return;
    db::listDictionaryObjects(handle_, kTableObjects, "", List);
}

int TDbConnection::Execute(const AnsiString& SQL, TParams* Params, bool UseCache, CEHANDLE* Cursor) {
    if (!connected_)
        Connect();
    db::StatementCache::Entry* entry = UseCache ? &cache_.lookUp(SQL) : nullptr;
    CEHANDLE statement = entry != nullptr ? entry->statement : 0;
    if (statement == 0) {
        // A statement that cannot be prepared leaves neither an entry nor a handle behind.
        try {
            EngineCheck(nullptr, CeCreateSQLStatement(handle_, &statement));
            if (Cursor != nullptr)
                EngineCheck(nullptr, CeStmtSetTableReadOnly(statement, 1));
            if (aliasTableType_ == 1 || aliasTableType_ == 2)
                EngineCheck(nullptr, CeStmtSetTableType(statement, aliasTableType_ == 2 ? 1 : 2));
            EngineCheck(nullptr, CePrepareSQL(statement, SQL.c_str()));
        } catch (...) {
            if (statement != 0)
                (void)CeCloseSQLStatement(statement);
            if (entry != nullptr)
                cache_.remove(*entry);
            throw;
        }
        if (entry != nullptr) {
            entry->text = SQL;
            entry->statement = statement;
        }
    }
    try {
        if (Params != nullptr && Params->Count() > 0) {
            db::bindParams(nullptr, statement, *Params, db::ProviderTypes::Refuse);
            EngineCheck(nullptr, CeExecuteSQL(statement, Cursor));
        } else {
            EngineCheck(nullptr, CeExecuteSQLDirect(statement, SQL.c_str(), Cursor));
        }
        uint32_t count = 0;
        if (Cursor == nullptr)
            EngineCheck(nullptr, CeGetRecordCount(statement, 2, &count));
        if (!UseCache)
            EngineCheck(nullptr, CeCloseSQLStatement(statement));
        return int(count);
    } catch (...) {
        if (!UseCache)
            (void)CeCloseSQLStatement(statement);
        throw;
    }
}
