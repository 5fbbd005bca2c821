// The query dataset: runs one SQL statement through the engine and shows its result set as a
// dataset. Every Open executes the statement anew; the engine statement lives from one execution
// to the next, on a connection component or on the pool's connection for the database directory.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/TDbExtendedDataSet.h"
#include "toolkit/Controls.h"
#include "toolkit/TParams.h"

class TDbQueryDataLink;
class TStringList;
class TStrings;

class TDbQuery : public TDbExtendedDataSet {
public:
    explicit TDbQuery(TComponent* AOwner);
    // Closes the query and closes its statement; an engine refusal is reported, never thrown.
    ~TDbQuery() override;

    // The statement text; its change runs SQLChange.
    TStringList* SQL() const { return sql_.get(); }
    // Only a different text closes the query and takes the lines (one change notification).
    void SetSQL(const TStrings& Value);
    TParams& Params() { return params_; }
    // Copies values by parameter name into the existing parameters.
    void SetParams(const TParams& Value) { params_.AssignValues(Value); }
    TParam* ParamByName(const AnsiString& Value) { return params_.ParamByName(Value); }
    // Layout only: the parameters as stored with the layout (DataType, Name, ParamType).
    void SetParamData(const TParams& Value) { params_.Assign(Value); }
    // Layout only: a block the query keeps and hands back without reading it.
    const std::string& Data() const { return data_; }
    void SetData(const std::string& Value) { data_ = Value; }

    // The master whose current record fills the parameters the program left unset.
    void SetDataSource(TDataSource* Value);
    TDbTableTypes SourceTableType() const { return TableType(); }
    void SetSourceTableType(TDbTableTypes Value) { SetTableType(Value); }

    bool RequestLive = false;
    bool Constrained = false;
    // A new text rebuilds Params from its markers (in design state always).
    bool ParamCheck = true;
    bool ReadAllColumns = false;
    TCursor WaitCursor = crDefault;

    // Refused on an open query; the statement is prepared by the engine at each execution.
    void Prepare();
    void UnPrepare();
    bool Prepared() const { return prepared_; }
    // Runs a statement that gives no rows; a cursor it gives anyway is closed.
    void ExecSQL();
    // Refused on an open query; closes the statement, so that the next execution makes one.
    void FreeStatement();
    // Re-runs an open query on the master's current record.
    void RefreshParams();

    void SetDatabaseName(const AnsiString& Value) override;
    void SetTableType(TDbTableTypes Value) override;
    void ReleaseHandles() override;
    int GetLastAutoInc() override;
    int GetCurrentRecNum() override;
    void GetDetailLinkFields(std::vector<TField*>& MasterFields, std::vector<TField*>& DetailFields) override;

    void PSExecute() override { ExecSQL(); }
    std::unique_ptr<TIndexDef> PSGetDefaultOrder() override;
    TParams* PSGetParams() override { return &params_; }
    AnsiString PSGetTableName() override;
    void PSSetParams(TParams* AParams) override;
    void PSSetCommandText(const AnsiString& CommandText) override;

protected:
    CEHANDLE OpenHandle() override;
    void InternalClose() override;
    TDataSource* GetDataSource() const override;

private:
    void sqlChange();
    void queryChanged();
    // Keeps a live statement, else makes one on the query's connection.
    void createStatement();
    // Closes the statement (an already closed one is no error) and forgets both handles.
    void closeStatement();
    // The cursor of the result set, or none.
    CEHANDLE execute();
    void setStatementOptions();
    void setParamsFromMaster();
    // Adds DataSet's field Name to List; false when it has none.
    static bool AddFieldToList(const AnsiString& Name, TDataSet* DataSet, std::vector<TField*>& List);

    std::unique_ptr<TStringList> sql_;
    bool prepared_ = false;
    TParams params_;
    std::unique_ptr<TDbQueryDataLink> dataLink_;
    // The engine options of a statement, in the order they are set.
    struct StatementOptions {
        uint16_t lockType, charType, rights, readOnly, tableType, constrain, readAllColumns;
        bool operator==(const StatementOptions&) const = default;
    };
    CEHANDLE statement_ = db::kNoHandle;
    CEHANDLE pooled_ = db::kNoHandle;
    // The options last set and the statement they were set on (none: set them before the next run).
    StatementOptions appliedOptions_{};
    CEHANDLE optionsStatement_ = db::kNoHandle;
    std::string data_;
};
