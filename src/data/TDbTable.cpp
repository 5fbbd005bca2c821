// The table dataset: what opening a table takes (open mode, lock, character and rights values,
// the table name the engine wants, the connection handle, the retry with the full path, the index
// files), and the table's own properties.
#include "data/TDbTable.h"

#include "data/DbTexts.h"
#include "data/EDbEngineError.h"
#include "data/TDbConnection.h"
#include "data/TDbIndexFiles.h"
#include "data/TDbTableOptions.h"
#include "data/TDynamicConnList.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/FilePath.h"

namespace {

constexpr CERESULT kTableNotInDictionary = 5132;
constexpr CERESULT kPropertyNotSet = 5138;
constexpr uint16_t kTableTypeProperty = 202;
constexpr uint16_t kDefaultIndexProperty = 213;
constexpr uint16_t kMaxIndexes = 50;

bool hasExtension(const AnsiString& name) {
    const AnsiString file = ExtractFileName(name);
    return file.find('.') != AnsiString::npos;
}

// The connection's engine handle, connecting it first when it is not.
CEHANDLE connectedHandle(TDbConnection& connection) {
    if (!connection.IsConnected())
        connection.Connect();
    return connection.GetConnectionHandle();
}

} // namespace

TDbTable::TDbTable(TComponent* AOwner) : TDbExtendedTable(AOwner) {}

TDbTable::~TDbTable() {
    Destroying();
    try {
        Close();
    } catch (...) {
        tk::handleException(this);
    }
}

void TDbTable::SetTableName(const AnsiString& Value) {
    if (Active())
        DbMisuse(this, db::SOpenDataSet);
    if (!(ComponentState() & csLoading) && Value != tableName_)
        IndexFiles()->Clear();
    tableName_ = Value;
    RefreshDefaultIndex();
    DataEvent(dePropertyChange, 0);
}

void TDbTable::SetExclusive(bool Value) {
    CheckInactive();
    exclusive_ = Value;
}

void TDbTable::SetReadOnly(bool Value) {
    CheckInactive();
    readOnly_ = Value;
}

int TDbTable::GetLastAutoInc() {
    uint32_t value = 0;
    EngineCheck(this, CeGetLastAutoinc(TableHandle(), &value));
    return int32_t(value);
}

CEHANDLE TDbTable::OpenHandle() {
    if (tableName_.empty())
        DbMisuse(this, db::SMissingTableName);
    uint32_t options = (exclusive_ ? 1u : 0u) | (readOnly_ ? 2u : 0u);
    TDbConnection* connection = DbConnection();
    if (connection != nullptr && connection->ReadOnly) {
        options |= 2u;
        readOnly_ = true;
    }
    const TDbTableOptions& tableOptions = *DbTableOptions();
    const uint16_t lockType = tableOptions.DbLockType() == TDbLockTypes::Proprietary ? 1 : 0;
    const uint16_t charType = tableOptions.DbCharType() == TDbCharTypes::ANSI ? 1 : 2;
    const uint16_t rights = tableOptions.DbRightsCheck() ? 1 : 2;
    const AnsiString path = GetDatabasePath();
    if (path.empty())
        DbMisuse(this, db::SNoDatabaseOrConnection);
    const AnsiString fullName = path + "\\" + tableName_;
    CEHANDLE handle = 0;
    bool dictionary = false;
    if (connection != nullptr) {
        handle = connectedHandle(*connection);
        dictionary = connection->GetIsDictionaryConn();
    } else {
        handle = TDynamicConnList::Instance().Find(path);
        if (handle == 0)
            handle = TDynamicConnList::Instance().Add(path);
    }
    if (handle == 0)
        DbMisuse(this, db::SInvalidConnectionHandle);
    CEHANDLE table = 0;
    CERESULT result = CeOpenTable(handle, (dictionary ? tableName_ : fullName).c_str(), nullptr,
                                  dictionary ? 0 : engineTableType_, charType, lockType, rights, options, &table);
    if (result == kTableNotInDictionary && dictionary)
        result = CeOpenTable(handle, fullName.c_str(), nullptr, engineTableType_, charType, lockType, rights, options,
                             &table);
    EngineCheck(this, result);
    // From here on a failure must not leave the engine's table open behind the error.
    try {
        if (dictionary) {
            uint16_t type = 3;
            EngineCheck(this, CeGetTableType(table, &type));
            engineTableType_ = type;
            SetTableTypeFromEngine(db::tableTypeOfEngine(type));
        }
        for (int i = 0; i < IndexFiles()->Count(); ++i) {
            CEHANDLE orders[kMaxIndexes] = {};
            uint16_t count = kMaxIndexes;
            EngineCheck(this, CeOpenIndex(table, (path + "\\" + IndexFiles()->Strings(i)).c_str(), orders, &count));
        }
    } catch (...) {
        (void)CeCloseTable(table);
        throw;
    }
    return table;
}

AnsiString TDbTable::GetTableFileName() {
    AnsiString name = GetDatabasePath() + "\\" + tableName_;
    if (!hasExtension(tableName_))
        name += TableType() == ttDbVDT ? ".vdt" : ".dbf";
    return name;
}

bool TDbTable::Exists() {
    if (Active())
        return true;
    if (tableName_.empty())
        return false;
    // A dictionary's tables live inside its one file, so only the dictionary can tell; a name it
    // does not hold still opens as the free table beside it, so its file counts as well.
    TDbConnection* connection = DbConnection();
    if (connection != nullptr && connection->GetIsDictionaryConn() && dictionaryHoldsTable(*connection))
        return true;
    return FileExists(GetTableFileName());
}

bool TDbTable::dictionaryHoldsTable(TDbConnection& Connection) {
    uint32_t type = 0;
    uint32_t length = sizeof type;
    const CERESULT result =
        CeDDGetTableProperty(connectedHandle(Connection), tableName_.c_str(), kTableTypeProperty, &type, &length);
    if (result == kTableNotInDictionary)
        return false;
    if (result != kPropertyNotSet)
        EngineCheck(this, result);
    return true;
}

void TDbTable::RefreshDefaultIndex() {
    TDbConnection* connection = DbConnection();
    if (connection == nullptr || !connection->GetIsDictionaryConn() || !connection->IsConnected())
        return;
    char name[201] = {};
    uint32_t length = 200;
    const CERESULT result = CeDDGetTableProperty(connection->GetConnectionHandle(), tableName_.c_str(),
                                                 kDefaultIndexProperty, name, &length);
    if (result == kPropertyNotSet) {
        if (UpperCase(IndexName()) == "CE_DEFAULT")
            SetIndexName("");
        return;
    }
    if (result != 0)
        return;
    SetDefaultIndex(name);
}
