// The dictionary administration component: its own administrative connection to a data
// dictionary, and one method per administration function of the engine (tables, views, index
// files, referential integrity, users and groups, properties, rights, object lists). Apart from
// connecting, each method is a thin wrapper around one engine call.
#pragma once

#include <cstdint>

#include "data/DbTypes.h"
#include "data/TDbConnection.h"
#include "engine/CeEngine.h"
#include "toolkit/TComponent.h"
#include "toolkit/TNotifyEvent.h"

class TStrings;

class TDbDictionary : public TComponent {
public:
    explicit TDbDictionary(TComponent* AOwner);
    // Disconnects a connected component; an engine refusal is reported, never thrown.
    ~TDbDictionary() override;

    // --- The connection. ---
    AnsiString GetConnectPath() const { return connectPath_; }
    // Refused while connected; clears AliasName.
    void SetConnectPath(const AnsiString& Value);
    const AnsiString& AliasName() const { return aliasName_; }
    // Refused while connected; an alias DBALIAS.INI lacks is refused at once.
    void SetAliasName(const AnsiString& Value);
    bool IsConnected() const { return connected_; }
    void SetIsConnected(bool Value);
    TDbServerTypes DbServerTypes() const { return serverTypes_; }
    // Also sets the engine's server type for the whole process; an empty set is refused.
    void SetDbServerTypes(TDbServerTypes Value);
    CEHANDLE Handle() const { return handle_; }

    bool LoginPrompt = true;
    AnsiString UserName;
    AnsiString Password;
    TDbDatabaseLoginEvent OnLogin;
    // Not kept with the layout: fired after connecting and after disconnecting.
    TNotifyEvent OnConnect;
    TNotifyEvent OnDisconnect;

    void ServerConnect();
    void ServerDisconnect();
    // Makes a dictionary at Path (refused while connected) and stays connected to it.
    void CreateDictionary(const AnsiString& Path, bool Encrypt, const AnsiString& Description);

    // --- Object lists: the names are added to List. ---
    void GetDDObjectNames(uint16_t Kind, const AnsiString& Parent, TStrings* List);
    void ListDDObjectsKind1(TStrings* List) { GetDDObjectNames(1, "", List); }
    void ListDDObjectsKind2(TStrings* List) { GetDDObjectNames(2, "", List); }
    void ListDDObjectsKind3(const AnsiString& Parent, TStrings* List) { GetDDObjectNames(3, Parent, List); }
    void ListDDObjectsKind4(const AnsiString& Parent, TStrings* List) { GetDDObjectNames(4, Parent, List); }
    void ListDDObjectsKind5(const AnsiString& Parent, TStrings* List) { GetDDObjectNames(5, Parent, List); }
    void ListDDObjectsKind6(TStrings* List) { GetDDObjectNames(6, "", List); }
    void ListDDObjectsKind8(TStrings* List) { GetDDObjectNames(8, "", List); }
    void ListDDObjectsKind8Of(const AnsiString& Parent, TStrings* List) { GetDDObjectNames(8, Parent, List); }
    void ListDDObjectsKind9(TStrings* List) { GetDDObjectNames(9, "", List); }
    void ListDDObjectsKind10(TStrings* List) { GetDDObjectNames(10, "", List); }
    // The indexes of Table that live in IndexFile (compared without case).
    void GetIndexPropertyEx(const AnsiString& Table, const AnsiString& IndexFile, TStrings* List);

    // --- One engine call each, on this component's connection. ---
    void SetDatabaseProperty(uint16_t Property, const void* Buffer, uint32_t Length);
    void GetDatabaseProperty(uint16_t Property, void* Buffer, uint32_t* Length);
    void GetIndexFileProperty(const AnsiString& Table, const AnsiString& IndexFile, uint16_t Property, void* Buffer,
                              uint32_t* Length);
    void GetIndexProperty(const AnsiString& Table, const AnsiString& Index, uint16_t Property, void* Buffer,
                          uint32_t* Length);
    void GetProcedureProperty(const AnsiString& Procedure, uint16_t Property, void* Buffer, uint32_t* Length);
    void AddTable(const AnsiString& TableName, const AnsiString& TablePath, uint16_t TableType, uint16_t CharType,
                  const AnsiString& IndexFiles, const AnsiString& Comments);
    void RemoveTable(const AnsiString& TableName, uint16_t DeleteFiles);
    void SetTableProperty(const AnsiString& Table, uint16_t Property, const void* Buffer, uint32_t Length,
                          uint16_t ValidationOption, const AnsiString& FailTable);
    void GetTableProperty(const AnsiString& Table, uint16_t Property, void* Buffer, uint32_t* Length);
    void SetFieldProperty(const AnsiString& Table, const AnsiString& Field, uint16_t Property, const void* Buffer,
                          uint32_t Length, uint16_t ValidationOption, const AnsiString& FailTable);
    void GetFieldProperty(const AnsiString& Table, const AnsiString& Field, uint16_t Property, void* Buffer,
                          uint32_t* Length);
    void DeleteIndex(const AnsiString& Table, const AnsiString& Index);
    void AddIndexFile(const AnsiString& Table, const AnsiString& IndexFile, const AnsiString& Comments);
    void RemoveIndexFile(const AnsiString& Table, const AnsiString& IndexFile, uint16_t DeleteFile);
    void RemoveRefIntegrity(const AnsiString& RuleName);
    void FindFirstObject(uint16_t Kind, const AnsiString& Parent, char* Buffer, uint32_t* Length, CEHANDLE* Find);
    void FindNextObject(CEHANDLE Find, char* Buffer, uint32_t* Length);
    void FindClose(CEHANDLE Find);
    void CreateRefIntegrity(const AnsiString& RuleName, const AnsiString& FailTable, const AnsiString& ParentTable,
                            const AnsiString& ParentIndex, const AnsiString& ChildTable, const AnsiString& ChildIndex,
                            uint16_t UpdateRule, uint16_t DeleteRule);
    void GetRefIntegrityProperty(const AnsiString& RuleName, uint16_t Property, void* Buffer, uint32_t* Length);
    void AddView(const AnsiString& ViewName, const AnsiString& Comments, const AnsiString& SQL);
    void RemoveView(const AnsiString& ViewName);
    void GetViewProperty(const AnsiString& ViewName, uint16_t Property, void* Buffer, uint32_t* Length);
    void CreateUser(const AnsiString& Group, const AnsiString& User, const AnsiString& Password,
                    const AnsiString& Description);
    void DeleteUser(const AnsiString& User);
    void AddUserToGroup(const AnsiString& Group, const AnsiString& User);
    void RemoveUserFromGroup(const AnsiString& Group, const AnsiString& User);
    void CreateUserGroup(const AnsiString& Group, const AnsiString& Description);
    void DeleteUserGroup(const AnsiString& Group);
    void SetUserProperty(const AnsiString& User, uint16_t Property, const void* Buffer, uint32_t Length);
    void GetUserProperty(const AnsiString& User, uint16_t Property, void* Buffer, uint32_t* Length);
    void GetUserGroupProperty(const AnsiString& Group, uint16_t Property, void* Buffer, uint32_t* Length);
    void SetUserGroupProperty(const AnsiString& Group, uint16_t Property, const void* Buffer, uint32_t Length);
    void SetObjectAccessRights(const AnsiString& Object, const AnsiString& Accessor, const AnsiString& Rights);

protected:
    void Loaded() override;

private:
    void connect();
    void disconnect();
    // Calls an engine function with this connection first and texts as zero-terminated strings.
    template <class Function, class... Args>
    void call(Function function, const Args&... args);

    CEHANDLE handle_ = 0;
    AnsiString connectPath_;
    AnsiString aliasName_;
    AnsiString effectivePath_;
    bool connected_ = false;
    bool streamedConnect_ = false;
    TDbServerTypes serverTypes_ = 0;
    bool encrypt_ = false;
    AnsiString description_;
};
