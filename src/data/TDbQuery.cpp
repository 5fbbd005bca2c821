// The query dataset: the statement's life, its execution with options and parameters, the pooled
// connection, master-detail parameters and the provider answers of a query.
//
// States: the statement (none or created) x the prepared mark x the dataset (closed or open) x
// the pooled connection handle (none or held).
//
//   no statement --createStatement (first Execute): the pool's handle is taken when the query
//     names a directory--> statement created (pooled handle held, or the connection's)
//   created, closed --Prepare--> prepared mark set (refused while open, as UnPrepare is)
//   created, closed --Open: Execute (options, CePrepareSQL, parameters, CeExecuteSQL)--> open
//   open --Close: the cursor closed, the prepared mark cleared--> created, closed (in design
//     state: no statement, both handles forgotten)
//   created --FreeStatement (closed only), a failure with 7209, a new DatabaseName--> no
//     statement (pooled handle forgotten)
//   created --ReleaseHandles (the connection disconnected): both handles forgotten--> no statement
//   a statement the engine no longer knows --createStatement--> a new statement, on the pooled
//     handle when one is held
#include "data/TDbQuery.h"

#include "data/BusyCursor.h"
#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "data/ParamBinder.h"
#include "data/TDbConnection.h"
#include "data/TDbIndexFiles.h"
#include "data/TDbQueryDataLink.h"
#include "data/TDbTableOptions.h"
#include "data/TDynamicConnList.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/SqlClauses.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"
#include "toolkit/TStringList.h"

namespace {

constexpr uint16_t kStatementHandleType = 4;
constexpr CERESULT kStatementClosed = 5106;
constexpr uint32_t kReadOnlyOption = 2;
constexpr uint16_t kMaxIndexes = 50;
constexpr CERESULT kNoRelativePosition = 5041;

} // namespace

TDbQuery::TDbQuery(TComponent* AOwner)
    : TDbExtendedDataSet(AOwner), sql_(std::make_unique<TStringList>()), params_(this),
      dataLink_(std::make_unique<TDbQueryDataLink>(this)) {
    sql_->OnChange = [this](TPersistent*) { sqlChange(); };
}

TDbQuery::~TDbQuery() {
    Destroying();
    const bool connected = DbConnection() != nullptr && DbConnection()->IsConnected();
    try {
        Close();
        if (statement_ != db::kNoHandle && (db::isSet(pooled_) || connected))
            closeStatement();
    } catch (...) {
        tk::handleException(this);
    }
    dataLink_.reset();
}

// --- The statement text and the parameters. ---

void TDbQuery::SetSQL(const TStrings& Value) {
    if (sql_->Text() == Value.Text())
        return;
    queryChanged();
    sql_->BeginUpdate();
    try {
        sql_->Assign(Value);
    } catch (...) {
        sql_->EndUpdate();
        throw;
    }
    sql_->EndUpdate();
}

void TDbQuery::sqlChange() {
    const AnsiString text = sql_->Text();
    uint32_t length = 0;
    EngineCheck(this, CeGetSQLStmtParams(text.c_str(), nullptr, &length));
    if (ComponentState() & csReading)
        return;
    queryChanged();
    data_.clear();
    // A designer always sees the parameters of the text it edits.
    if (ParamCheck || (ComponentState() & csDesigning)) {
        TParams parsed(this);
        parsed.ParseSQL(text, /*DoCreate=*/true);
        parsed.AssignValues(params_);
        params_.Clear();
        params_.Assign(parsed);
    }
    DataEvent(dePropertyChange, 0);
}

void TDbQuery::queryChanged() {
    Close();
    UnPrepare();
}

void TDbQuery::Prepare() {
    if (Active())
        DbMisuse(this, db::SOpenDataSet);
    prepared_ = true;
}

void TDbQuery::UnPrepare() {
    if (Active())
        DbMisuse(this, db::SOpenDataSet);
    prepared_ = false;
}

// --- The statement. ---

void TDbQuery::createStatement() {
    uint16_t type = 0;
    if (statement_ != db::kNoHandle && CeGetHandleType(statement_, &type) == 0 && type == kStatementHandleType)
        return;
    statement_ = db::kNoHandle;
    if (DatabaseName().empty())
        DbMisuse(this, db::SNoDatabaseName);
    CEHANDLE connection = 0;
    if (db::isSet(pooled_)) {
        // The statement went (an error discarded it): the pool's connection for the directory is
        // still the query's.
        connection = pooled_;
    } else if (TDbConnection* component = DbConnection()) {
        if (!component->IsConnected())
            component->SetIsConnected(true);
        connection = component->GetConnectionHandle();
    } else {
        AnsiString path = GetDatabasePath();
        if (path.size() < 3)
            path += "\\";
        connection = TDynamicConnList::Instance().Find(path);
        if (connection == 0)
            connection = TDynamicConnList::Instance().Add(path);
        pooled_ = connection;
    }
    if (!db::isSet(connection))
        DbMisuse(this, db::SInvalidConnectionHandle);
    CEHANDLE statement = db::kNoHandle;
    EngineCheck(this, CeCreateSQLStatement(connection, &statement));
    statement_ = statement;
    // A new statement has the engine's default options, whatever its number.
    optionsStatement_ = db::kNoHandle;
}

void TDbQuery::closeStatement() {
    const CEHANDLE statement = statement_;
    statement_ = db::kNoHandle;
    pooled_ = db::kNoHandle;
    if (statement == db::kNoHandle)
        return;
    const CERESULT result = CeCloseSQLStatement(statement);
    if (result != kStatementClosed)
        EngineCheck(this, result);
}

void TDbQuery::FreeStatement() {
    if (Active())
        DbMisuse(this, db::SOpenDataSet);
    closeStatement();
}

void TDbQuery::ReleaseHandles() {
    prepared_ = false;
    statement_ = db::kNoHandle;
    pooled_ = db::kNoHandle;
}

void TDbQuery::setStatementOptions() {
    const TDbTableOptions& options = *DbTableOptions();
    // The engine keeps the last read-only value it is given: one call with the combined value
    // leaves what a call for RequestLive followed by one for a read-only connection would.
    const bool readOnly = !RequestLive || (DbConnection() != nullptr && DbConnection()->ReadOnly);
    const StatementOptions wanted{
        uint16_t(options.DbLockType() == TDbLockTypes::Proprietary ? 1 : 0),
        uint16_t(options.DbCharType() == TDbCharTypes::ANSI ? 1 : 2),
        uint16_t(options.DbRightsCheck() ? 1 : 2),
        uint16_t(readOnly ? 1 : 2),
        uint16_t(TableType() == ttDbVDT ? 3 : TableType() == ttDbCDX ? 2 : 1),
        uint16_t(Constrained ? 1 : 2),
        uint16_t(ReadAllColumns ? 1 : 2),
    };
    // The engine keeps a statement's options until they are set again, and only this query sets
    // them: the same options on the same statement need no engine call. Another statement handle
    // (a new statement after a closed or lost one) takes them all again.
    if (optionsStatement_ == statement_ && appliedOptions_ == wanted)
        return;
    optionsStatement_ = db::kNoHandle;
    EngineCheck(this, CeStmtSetTableLockType(statement_, wanted.lockType));
    EngineCheck(this, CeStmtSetTableCharType(statement_, wanted.charType));
    EngineCheck(this, CeStmtSetTableRights(statement_, wanted.rights));
    EngineCheck(this, CeStmtSetTableReadOnly(statement_, wanted.readOnly));
    EngineCheck(this, CeStmtSetTableType(statement_, wanted.tableType));
    EngineCheck(this, CeStmtConstrainUpdates(statement_, wanted.constrain));
    EngineCheck(this, CeStmtReadAllColumns(statement_, wanted.readAllColumns));
    appliedOptions_ = wanted;
    optionsStatement_ = statement_;
}

CEHANDLE TDbQuery::execute() {
    CheckInactive();
    createStatement();
    setStatementOptions();
    Prepare();
    EngineCheck(this, CePrepareSQL(statement_, sql_->Text().c_str()));
    if (dataLink_->DataSource() != nullptr)
        setParamsFromMaster();
    db::bindParams(this, statement_, params_, db::ProviderTypes::Skip);
    CEHANDLE cursor = 0;
    try {
        EngineCheck(this, CeExecuteSQL(statement_, &cursor));
    } catch (const Exception& e) {
        // The engine's sign that the statement can never run again: the next execution makes one.
        if (e.Message.find("7209") != AnsiString::npos)
            closeStatement();
        throw;
    }
    if (cursor == 0)
        return db::kNoHandle;
    uint32_t options = 0;
    const CERESULT result = CeGetTableOpenOptions(cursor, &options);
    if (result != 0) {
        (void)CeCloseTable(cursor);
        EngineCheck(this, result);
    }
    readOnly_ = (options & kReadOnlyOption) != 0;
    return cursor;
}

CEHANDLE TDbQuery::OpenHandle() {
    const db::BusyCursor busy(WaitCursor);
    const CEHANDLE cursor = execute();
    if (cursor == db::kNoHandle)
        DbMisuse(this, db::SNoCursorHandle);
    const AnsiString path = GetDatabasePath();
    for (int i = 0; i < IndexFiles()->Count(); ++i) {
        CEHANDLE orders[kMaxIndexes] = {};
        uint16_t count = kMaxIndexes;
        const CERESULT result = CeOpenIndex(cursor, (path + "\\" + IndexFiles()->Strings(i)).c_str(), orders, &count);
        if (result != 0) {
            (void)CeCloseTable(cursor);
            EngineCheck(this, result);
        }
    }
    return cursor;
}

void TDbQuery::ExecSQL() {
    CEHANDLE cursor = db::kNoHandle;
    {
        const db::BusyCursor busy(WaitCursor);
        cursor = execute();
    }
    if (cursor != db::kNoHandle)
        EngineCheck(this, CeCloseTable(cursor));
}

void TDbQuery::InternalClose() {
    TDbExtendedDataSet::InternalClose();
    prepared_ = false;
    // A designer may change the text or the database next: no statement outlives the close.
    if (ComponentState() & csDesigning)
        closeStatement();
}

// --- Where the statement runs. ---

void TDbQuery::SetDatabaseName(const AnsiString& Value) {
    const bool changed = Value != DatabaseName();
    SetDbConnection(nullptr);
    TDbExtendedDataSet::SetDatabaseName(Value);
    // A statement belongs to its connection: under a new name it would read the old database.
    if (changed)
        closeStatement();
}

void TDbQuery::SetTableType(TDbTableTypes Value) {
    if (Value == ttDbNTX && (DbConnection() == nullptr || !DbConnection()->GetIsDictionaryConn()))
        DbMisuse(this, db::SQueryNoNtx);
    TDbExtendedDataSet::SetTableType(Value);
}

int TDbQuery::GetLastAutoInc() {
    uint32_t value = 0;
    EngineCheck(this, CeGetLastAutoinc(statement_, &value));
    return int32_t(value);
}

int TDbQuery::GetCurrentRecNum() {
    // Asked for every fetched row: the index is looked up only when its position can matter.
    CEHANDLE index = 0;
    if (Sequenced())
        EngineCheck(this, CeGetIndexHandle(TableHandle(), IndexName().empty() ? nullptr : IndexName().c_str(), &index));
    if (index == 0) {
        uint32_t number = 0;
        EngineCheck(this, CeGetRecordNum(TableHandle(), 2, &number));
        return int(number);
    }
    uint32_t count = 0;
    EngineCheck(this, CeGetRecordCount(TableHandle(), 2, &count));
    double position = 0;
    const CERESULT result = CeGetRelKeyPos(index, &position);
    if (result != kNoRelativePosition)
        EngineCheck(this, result);
    return result == kNoRelativePosition ? 0 : int(double(count) * position);
}

// --- Master-detail. ---

TDataSource* TDbQuery::GetDataSource() const { return dataLink_->DataSource(); }

void TDbQuery::SetDataSource(TDataSource* Value) {
    CheckNotLinkedBack(Value);
    dataLink_->SetDataSource(Value);
}

void TDbQuery::setParamsFromMaster() {
    TDataSet* master = dataLink_->DataSet();
    if (master == nullptr)
        return;
    master->FieldDefs().Update();
    for (int i = 0; i < params_.Count(); ++i) {
        TParam* param = params_[i];
        if (param->Bound())
            continue;
        const TField* field = master->FieldByName(param->Name());
        param->AssignFieldValue(*field, field->Value());
        // Left unbound, so that the next master record fills it again.
        param->SetBound(false);
    }
}

void TDbQuery::RefreshParams() {
    DisableControls();
    try {
        TDataSet* master = dataLink_->DataSet();
        if (master != nullptr && master->Active() && master->State() != dsSetKey) {
            Close();
            Open();
        }
    } catch (...) {
        EnableControls();
        throw;
    }
    EnableControls();
}

bool TDbQuery::AddFieldToList(const AnsiString& Name, TDataSet* DataSet, std::vector<TField*>& List) {
    TField* field = DataSet->FindField(Name);
    if (field != nullptr)
        List.push_back(field);
    return field != nullptr;
}

void TDbQuery::GetDetailLinkFields(std::vector<TField*>& MasterFields, std::vector<TField*>& DetailFields) {
    MasterFields.clear();
    DetailFields.clear();
    TDataSet* master = dataLink_->DataSet();
    if (master == nullptr)
        return;
    for (int i = 0; i < params_.Count(); ++i)
        if (AddFieldToList(params_[i]->Name(), master, MasterFields))
            AddFieldToList(params_[i]->Name(), this, DetailFields);
}

// --- Provider answers. ---

std::unique_ptr<TIndexDef> TDbQuery::PSGetDefaultOrder() {
    std::unique_ptr<TIndexDef> order = TDbExtendedDataSet::PSGetDefaultOrder();
    if (order == nullptr)
        order = GetIndexForOrderBy(sql_->Text(), this);
    return order;
}

AnsiString TDbQuery::PSGetTableName() { return GetTableNameFromSQL(sql_->Text()); }

void TDbQuery::PSSetParams(TParams* AParams) {
    if (AParams != nullptr && AParams->Count() > 0)
        params_.Assign(*AParams);
    Close();
}

void TDbQuery::PSSetCommandText(const AnsiString& CommandText) {
    if (!CommandText.empty())
        sql_->SetText(CommandText);
}
