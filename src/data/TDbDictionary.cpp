// The dictionary administration component: connecting (with the deferred connect of a layout,
// the login and the check that the path is a dictionary), the alias and path, the process-wide
// server type, and the one-call wrappers.
//
//   not connected --IsConnected := True while loading--> loading, connect deferred
//   loading --Loaded--> connected (or the connect's error is raised)
//   not connected --connect: hourglass, login, CeConnect60, handle type 6 or 7, OnConnect-->
//     connected; any failure leaves no engine connection and the cursor as it was
//   not connected --CreateDictionary--> connected to the new dictionary
//   connected --disconnect: CeDisconnect, OnDisconnect--> not connected (a refused CeDisconnect
//     stays connected)
//
// ConnectPath and AliasName change only while not connected.
#include "data/TDbDictionary.h"

#include <type_traits>

#include "data/BusyCursor.h"
#include "data/DbAlias.h"
#include "data/DbErrors.h"
#include "data/DbTexts.h"
#include "data/DictionaryObjects.h"
#include "data/EDbEngineError.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FilePath.h"
#include "toolkit/TStringList.h"

namespace {

constexpr uint16_t kDictionaryConnection = 6;
constexpr uint16_t kAdministratorConnection = 7;
constexpr uint16_t kIndexObjects = 5;
constexpr uint16_t kIndexFileProperty = 400;
constexpr uint32_t kPropertyRoom = 260;

// The engine's form of a wrapper argument: texts zero-terminated, everything else unchanged.
template <class T>
decltype(auto) engineArg(const T& value) {
    if constexpr (std::is_same_v<T, AnsiString>)
        return value.c_str();
    else
        return value;
}

// The login dialog's database name: the dictionary's file name without its extension.
AnsiString databaseNameOf(const AnsiString& path) {
    const AnsiString file = ExtractFileName(path);
    const std::size_t dot = file.rfind('.');
    return dot == AnsiString::npos ? file : file.substr(0, dot);
}

} // namespace

template <class Function, class... Args>
void TDbDictionary::call(Function function, const Args&... args) {
    EngineCheck(nullptr, function(handle_, engineArg(args)...));
}

TDbDictionary::TDbDictionary(TComponent* AOwner) : TComponent(AOwner) {}

TDbDictionary::~TDbDictionary() {
    Destroying();
    if (!connected_)
        return;
    try {
        ServerDisconnect();
    } catch (...) {
        tk::handleException(this);
    }
}

// --- Connecting. ---

void TDbDictionary::SetIsConnected(bool Value) {
    if (Value == connected_)
        return;
    if (Value && (ComponentState() & csLoading)) {
        streamedConnect_ = true;
        return;
    }
    if (Value)
        connect();
    else
        disconnect();
}

void TDbDictionary::Loaded() {
    TComponent::Loaded();
    if (streamedConnect_ && !connected_)
        connect();
}

void TDbDictionary::connect() {
    if (effectivePath_.empty())
        DbMisuse(nullptr, db::SDictNoConnectString);
    {
        const db::BusyCursor busy(crHourGlass);
        if (LoginPrompt) {
            if (OnLogin)
                OnLogin(this, UserName, Password);
            else if (!LoginDialog(databaseNameOf(effectivePath_), UserName, Password))
                DatabaseErrorFmt(tk::SLoginError, {Name()});
        }
        ServerConnect();
        uint16_t type = 0;
        const CERESULT result = CeGetHandleType(handle_, &type);
        if (result != 0 || (type != kDictionaryConnection && type != kAdministratorConnection)) {
            // A free-table directory connects too: that connection must not outlive the refusal.
            (void)CeDisconnect(handle_);
            handle_ = 0;
            EngineCheck(nullptr, result);
            DbMisuse(nullptr, db::SDictPathInvalid);
        }
    }
    if (OnConnect)
        OnConnect(this);
    connected_ = true;
}

void TDbDictionary::disconnect() {
    const CERESULT result = CeDisconnect(handle_);
    if (result != 0)
        throw dbcnnct::DbError(result, true);
    handle_ = 0;
    connected_ = false;
    if (OnDisconnect)
        OnDisconnect(this);
}

void TDbDictionary::ServerConnect() {
    CEHANDLE handle = 0;
    EngineCheck(nullptr, CeConnect60(effectivePath_.c_str(), db::serverTypeMask(serverTypes_), UserName.c_str(),
                                     Password.c_str(), 0, &handle));
    handle_ = handle;
}

void TDbDictionary::ServerDisconnect() {
    EngineCheck(nullptr, CeDisconnect(handle_));
    handle_ = 0;
    connected_ = false;
}

void TDbDictionary::SetConnectPath(const AnsiString& Value) {
    if (connected_)
        DbMisuse(nullptr, db::SDictConnectPathConnected);
    connectPath_ = Value;
    aliasName_.clear();
    effectivePath_ = Value;
}

void TDbDictionary::SetAliasName(const AnsiString& Value) {
    if (connected_)
        DbMisuse(nullptr, db::SDictAliasConnected);
    if (Value.empty()) {
        aliasName_.clear();
        effectivePath_.clear();
        return;
    }
    db::DbAlias alias;
    if (!db::findAlias(Value, alias))
        DbMisuse(nullptr, db::SDictAliasInvalid);
    connectPath_.clear();
    aliasName_ = Value;
    effectivePath_ = alias.path;
}

void TDbDictionary::SetDbServerTypes(TDbServerTypes Value) {
    if (Value == serverTypes_)
        return;
    const uint16_t mask = db::serverTypeMask(Value);
    // The set stays as it was.
    if (mask == 0)
        throw DbSettingsError(db::SNoServerType);
    serverTypes_ = Value;
    EngineCheck(nullptr, CeSetServerType(mask));
}

void TDbDictionary::CreateDictionary(const AnsiString& Path, bool Encrypt, const AnsiString& Description) {
    if (connected_)
        DbMisuse(nullptr, db::SDictConnectedOnCreate);
    CEHANDLE handle = 0;
    EngineCheck(nullptr, CeDDCreate(Path.c_str(), Encrypt ? 1 : 0, Description.c_str(), &handle));
    handle_ = handle;
    encrypt_ = Encrypt;
    description_ = Description;
    SetConnectPath(Path);
    connected_ = true;
}

// --- Object lists. ---

void TDbDictionary::GetDDObjectNames(uint16_t Kind, const AnsiString& Parent, TStrings* List) {
    db::listDictionaryObjects(handle_, Kind, Parent, List);
}

void TDbDictionary::GetIndexPropertyEx(const AnsiString& Table, const AnsiString& IndexFile, TStrings* List) {
    TStringList indexes;
    GetDDObjectNames(kIndexObjects, Table, &indexes);
    const AnsiString wanted = AnsiUpperCase(IndexFile);
    for (int i = 0; i < indexes.Count(); ++i) {
        char file[kPropertyRoom + 1] = {};
        uint32_t length = kPropertyRoom;
        GetIndexProperty(Table, indexes.Strings(i), kIndexFileProperty, file, &length);
        if (AnsiUpperCase(file) == wanted)
            List->Add(indexes.Strings(i));
    }
}

// --- The wrappers. ---

void TDbDictionary::SetDatabaseProperty(uint16_t Property, const void* Buffer, uint32_t Length) {
    call(CeDDSetDatabaseProperty, Property, Buffer, Length);
}

void TDbDictionary::GetDatabaseProperty(uint16_t Property, void* Buffer, uint32_t* Length) {
    call(CeDDGetDatabaseProperty, Property, Buffer, Length);
}

void TDbDictionary::GetIndexFileProperty(const AnsiString& Table, const AnsiString& IndexFile, uint16_t Property,
                                         void* Buffer, uint32_t* Length) {
    call(CeDDGetIndexFileProperty, Table, IndexFile, Property, Buffer, Length);
}

void TDbDictionary::GetIndexProperty(const AnsiString& Table, const AnsiString& Index, uint16_t Property, void* Buffer,
                                     uint32_t* Length) {
    call(CeDDGetIndexProperty, Table, Index, Property, Buffer, Length);
}

void TDbDictionary::GetProcedureProperty(const AnsiString& Procedure, uint16_t Property, void* Buffer,
                                         uint32_t* Length) {
    call(CeDDGetProcedureProperty, Procedure, Property, Buffer, Length);
}

void TDbDictionary::AddTable(const AnsiString& TableName, const AnsiString& TablePath, uint16_t TableType,
                             uint16_t CharType, const AnsiString& IndexFiles, const AnsiString& Comments) {
    call(CeDDAddTable, TableName, TablePath, TableType, CharType, IndexFiles, Comments);
}

void TDbDictionary::RemoveTable(const AnsiString& TableName, uint16_t DeleteFiles) {
    call(CeDDRemoveTable, TableName, DeleteFiles);
}

void TDbDictionary::SetTableProperty(const AnsiString& Table, uint16_t Property, const void* Buffer, uint32_t Length,
                                     uint16_t ValidationOption, const AnsiString& FailTable) {
    call(CeDDSetTableProperty, Table, Property, Buffer, Length, ValidationOption, FailTable);
}

void TDbDictionary::GetTableProperty(const AnsiString& Table, uint16_t Property, void* Buffer, uint32_t* Length) {
    call(CeDDGetTableProperty, Table, Property, Buffer, Length);
}

void TDbDictionary::SetFieldProperty(const AnsiString& Table, const AnsiString& Field, uint16_t Property,
                                     const void* Buffer, uint32_t Length, uint16_t ValidationOption,
                                     const AnsiString& FailTable) {
    call(CeDDSetFieldProperty, Table, Field, Property, Buffer, Length, ValidationOption, FailTable);
}

void TDbDictionary::GetFieldProperty(const AnsiString& Table, const AnsiString& Field, uint16_t Property,
                                     void* Buffer, uint32_t* Length) {
    call(CeDDGetFieldProperty, Table, Field, Property, Buffer, Length);
}

void TDbDictionary::DeleteIndex(const AnsiString& Table, const AnsiString& Index) {
    call(CeDDDeleteIndex, Table, Index);
}

void TDbDictionary::AddIndexFile(const AnsiString& Table, const AnsiString& IndexFile, const AnsiString& Comments) {
    call(CeDDAddIndexFile, Table, IndexFile, Comments);
}

void TDbDictionary::RemoveIndexFile(const AnsiString& Table, const AnsiString& IndexFile, uint16_t DeleteFile) {
    call(CeDDRemoveIndexFile, Table, IndexFile, DeleteFile);
}

void TDbDictionary::RemoveRefIntegrity(const AnsiString& RuleName) { call(CeDDRemoveRefIntegrity, RuleName); }

void TDbDictionary::FindFirstObject(uint16_t Kind, const AnsiString& Parent, char* Buffer, uint32_t* Length,
                                    CEHANDLE* Find) {
    call(CeDDFindFirstObject, Kind, Parent, Buffer, Length, Find);
}

void TDbDictionary::FindNextObject(CEHANDLE Find, char* Buffer, uint32_t* Length) {
    call(CeDDFindNextObject, Find, Buffer, Length);
}

void TDbDictionary::FindClose(CEHANDLE Find) { call(CeDDFindClose, Find); }

void TDbDictionary::CreateRefIntegrity(const AnsiString& RuleName, const AnsiString& FailTable,
                                       const AnsiString& ParentTable, const AnsiString& ParentIndex,
                                       const AnsiString& ChildTable, const AnsiString& ChildIndex,
                                       uint16_t UpdateRule, uint16_t DeleteRule) {
    call(CeDDCreateRefIntegrity, RuleName, FailTable, ParentTable, ParentIndex, ChildTable, ChildIndex, UpdateRule,
         DeleteRule);
}

void TDbDictionary::GetRefIntegrityProperty(const AnsiString& RuleName, uint16_t Property, void* Buffer,
                                            uint32_t* Length) {
    call(CeDDGetRefIntegrityProperty, RuleName, Property, Buffer, Length);
}

void TDbDictionary::AddView(const AnsiString& ViewName, const AnsiString& Comments, const AnsiString& SQL) {
    call(CeDDAddView, ViewName, Comments, SQL);
}

void TDbDictionary::RemoveView(const AnsiString& ViewName) { call(CeDDRemoveView, ViewName); }

void TDbDictionary::GetViewProperty(const AnsiString& ViewName, uint16_t Property, void* Buffer, uint32_t* Length) {
    call(CeDDGetViewProperty, ViewName, Property, Buffer, Length);
}

void TDbDictionary::CreateUser(const AnsiString& Group, const AnsiString& User, const AnsiString& Password,
                               const AnsiString& Description) {
    call(CeDDCreateUser, Group, User, Password, Description);
}

void TDbDictionary::DeleteUser(const AnsiString& User) { call(CeDDDeleteUser, User); }

void TDbDictionary::AddUserToGroup(const AnsiString& Group, const AnsiString& User) {
    call(CeDDAddUserToGroup, Group, User);
}

void TDbDictionary::RemoveUserFromGroup(const AnsiString& Group, const AnsiString& User) {
    call(CeDDRemoveUserFromGroup, Group, User);
}

void TDbDictionary::CreateUserGroup(const AnsiString& Group, const AnsiString& Description) {
    call(CeDDCreateUserGroup, Group, Description);
}

void TDbDictionary::DeleteUserGroup(const AnsiString& Group) { call(CeDDDeleteUserGroup, Group); }

void TDbDictionary::SetUserProperty(const AnsiString& User, uint16_t Property, const void* Buffer, uint32_t Length) {
    call(CeDDSetUserProperty, User, Property, Buffer, Length);
}

void TDbDictionary::GetUserProperty(const AnsiString& User, uint16_t Property, void* Buffer, uint32_t* Length) {
    call(CeDDGetUserProperty, User, Property, Buffer, Length);
}

void TDbDictionary::GetUserGroupProperty(const AnsiString& Group, uint16_t Property, void* Buffer, uint32_t* Length) {
    call(CeDDGetUserGroupProperty, Group, Property, Buffer, Length);
}

void TDbDictionary::SetUserGroupProperty(const AnsiString& Group, uint16_t Property, const void* Buffer,
                                         uint32_t Length) {
    call(CeDDSetUserGroupProperty, Group, Property, Buffer, Length);
}

void TDbDictionary::SetObjectAccessRights(const AnsiString& Object, const AnsiString& Accessor,
                                          const AnsiString& Rights) {
    call(CeDDSetObjectAccessRights, Object, Accessor, Rights);
}
