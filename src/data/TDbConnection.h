// The connection component: owns one engine connection to a data dictionary (a path containing
// ".VDD") or to a directory of free tables, runs the login of a dictionary, closes its datasets
// when it disconnects, runs transactions, lists tables and caches prepared SQL statements.
// Datasets reach it by naming it in their DatabaseName.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "data/DbTypes.h"
#include "data/StatementCache.h"
#include "engine/CeEngine.h"
#include "toolkit/TComponent.h"
#include "toolkit/TNotifyEvent.h"

class TDbDataSet;
class TParams;
class TStrings;

// Fills in the user name and password of a login; Sender is the connecting component.
using TDbDatabaseLoginEvent = std::function<void(TComponent* Sender, AnsiString& Username, AnsiString& Password)>;

class TDbConnection : public TComponent {
public:
    explicit TDbConnection(TComponent* AOwner);
    // Closes the datasets and disconnects; an engine refusal is reported, never thrown.
    ~TDbConnection() override;

    const AnsiString& AliasName() const { return aliasName_; }
    virtual void SetAliasName(const AnsiString& Value);
    bool IsConnected() const { return connected_; }
    virtual void SetIsConnected(bool Value);
    // "Local", "Remote", "Internet", or empty.
    virtual AnsiString GetConnectionType();
    virtual AnsiString GetConnectPath() { return connectPath_; }
    virtual void SetConnectPath(const AnsiString& Value);
    virtual AnsiString GetServerName();
    virtual bool GetTransactionActive();
    virtual CEHANDLE GetConnectionHandle() { return handle_; }
    virtual TDbDataSet* GetDataSet(int Index) { return dataSets_.at(std::size_t(Index)); }
    virtual int GetDataSetCount() { return int(dataSets_.size()); }
    virtual void ClearStatementCache();
    virtual bool GetIsDictionaryConn() { return dictionary_; }
    virtual void Connect() { SetIsConnected(true); }
    virtual void Disconnect() { SetIsConnected(false); }
    virtual void AddDataSet(TDbDataSet* DataSet);
    virtual void RemoveDataSet(TDbDataSet* DataSet);
    // The directory of the connect string ("data" of "data\mapdata.vdd", ".\" of "mapdata.vdd").
    virtual AnsiString GetDatabasePath();
    // ConnectPath, else the alias's path.
    virtual AnsiString GetConnectString() { return connectPath_.empty() ? aliasPath_ : connectPath_; }
    // 0 none, 1 CDX, 2 NTX, 3 VDT, from the alias.
    virtual uint8_t GetAliasTableType() { return aliasTableType_; }
    virtual void BeginTransaction();
    virtual void Commit();
    virtual void Rollback();
    // Adds the free tables matching Mask (or the alias's type) to List.
    virtual void GetTableNames(TStrings* List, const AnsiString& Mask);
    // Adds the dictionary's table names to List; connects first.
    virtual void GetDictionaryTableNames(TStrings* List);
    // Runs SQL with Params (through the statement cache when UseCache). With Cursor the SELECT's
    // cursor comes back there and the result is 0; otherwise the result is the rows changed.
    virtual int Execute(const AnsiString& SQL, TParams* Params, bool UseCache, CEHANDLE* Cursor);

    void SetName(const AnsiString& NewName) override;

    TDbServerTypes DbServerTypes = 0;
    bool LoginPrompt = true;
    AnsiString Username;
    AnsiString Password;
    bool MiddleTierConnection = false;
    bool StoredProcedureConnection = false;
    bool StoreConnected = true;
    // Datasets opened through this connection open read-only.
    bool ReadOnly = false;

    TNotifyEvent BeforeConnect, AfterConnect, OnConnect;
    TNotifyEvent BeforeDisconnect, AfterDisconnect, OnDisconnect;
    TNotifyEvent BeforeCommit, AfterCommit, BeforeRollback, AfterRollback;
    TDbDatabaseLoginEvent OnLogin;

protected:
    virtual void OpenConnection(const AnsiString& Path);
    virtual void DoAfterCommit() { fire(AfterCommit); }
    virtual void DoBeforeCommit() { fire(BeforeCommit); }
    virtual void DoAfterRollback() { fire(AfterRollback); }
    virtual void DoBeforeRollback() { fire(BeforeRollback); }
    virtual void DoConnect() { fire(OnConnect); }
    virtual void DoDisconnect() { fire(OnDisconnect); }
    void Loaded() override;

private:
    void connect();
    void disconnect();
    void checkConnected();
    // Commit or Rollback: the before-event, the statement cache cleared, the engine, the after-event.
    void endTransaction(bool commit);
    // Closes every registered dataset and lets it free what survives a close.
    void closeDataSets();
    void fire(const TNotifyEvent& event);

    AnsiString aliasName_;
    AnsiString connectPath_;
    bool aliasValid_ = true;
    bool transactionActive_ = false;
    bool connected_ = false;
    CEHANDLE handle_ = 0;
    bool dictionary_ = false;
    std::vector<TDbDataSet*> dataSets_;
    bool streamedConnected_ = false;
    AnsiString aliasPath_;
    uint8_t aliasTableType_ = 0;
    db::StatementCache cache_;
};
