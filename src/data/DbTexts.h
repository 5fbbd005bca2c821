// Every fixed text the database components raise, in one place: the misuse checks (code 5121),
// the connection and settings errors, and the few texts with other codes.
#pragma once

namespace db {

// The components' own code for misuse.
inline constexpr int kMisuseCode = 5121;

inline constexpr const char* SOpenDataSet = "Cannot perform this operation on an open dataset";
inline constexpr const char* SCircularDataLink = "Circular Data Link";
inline constexpr const char* SNoDatabaseName = "The DatabaseName property has not been assigned a value.";
inline constexpr const char* SInvalidConnectionHandle = "Internal Error: invalid connection handle.";
inline constexpr const char* SParamUnknownType = "The field named: '%s' has the DataType of ftUnknown, which is invalid.";
inline constexpr const char* SParamUnsupportedType = "The field named: '%s' has a DataType that is not supported.";
inline constexpr const char* SNoCursorHandle =
    "The SQL statement did not generate a cursor handle.  Use TDbQuery.ExecSQL to execute SQL statements that are "
    "not SELECT statements";
inline constexpr const char* SQueryNoNtx = "The TDbQuery component does not support the NTX table type";
inline constexpr const char* SMissingTableName = "Missing TableName property";
inline constexpr const char* SNoDatabaseOrConnection =
    "One of the DatabaseName property or the DbConnection property must have a value.";
inline constexpr const char* STableMustBeActive = "Table must be Active.";
inline constexpr const char* STableTypeFixedByAlias =
    "The table type must remain identical to the table type associated with the alias.";
inline constexpr const char* SDictConnectPathConnected =
    "The TDbDictionary.ConnectPath may not be changed when IsConnected is TRUE";
inline constexpr const char* SDictAliasConnected = "The TDbDictionary.AliasName may not be changed when IsConnected is TRUE";
inline constexpr const char* SDictAliasInvalid = "TDbDictionary.AliasName is not valid";
inline constexpr const char* SDictPathInvalid = "The Data Dictionary path was invalid.";
inline constexpr const char* SDictNoConnectString = "A connection string must be specified prior to connecting.";
inline constexpr const char* SDictConnectedOnCreate = "IsConnected cannot be true when calling CreateDictionary";
inline constexpr const char* SScopeNoIndex = "Cannot activate scope when there is no active index.";
inline constexpr const char* SScopeWithRange = "Cannot activate scope when there is an active range.";
inline constexpr const char* SScopeTooLong = "Scope text length exceeded 256";
inline constexpr const char* SInvalidIndexFieldName = "Not a valid index field name:";
inline constexpr const char* SIndexNotSet = "Index is not set.";
inline constexpr const char* SNoKeyExpressions = "No parseable expressions in setting key fields";
inline constexpr const char* STooManyKeyValues = "Too many values given for current index";
inline constexpr const char* SRangeWithScope = "Cannot set range on table when there is an active scope.";
inline constexpr const char* STableAlreadyOpen = "Table is already open.";
inline constexpr const char* SInternalAddRecord = "Unexpected error in InternalAddRecord.";
inline constexpr const char* SBatchMoveNotSupported = "The method BatchMove in TDbDataSet is not supported.";
inline constexpr const char* SRenameTableNotSupported = "The method RenameTable in TDbDataSet is not supported.";
inline constexpr const char* SUpdateStatusNotSupported = "The method UpdateStatus in TDbDataSet is not supported.";
inline constexpr const char* SNotInEditMode = "Dataset not in edit mode";
inline constexpr const char* SDateFunctions = "Something's wrong with DB date functions";
inline constexpr const char* SNumericOutOfRange = "Numeric out of range.";
// Code 0, followed directly by the value.
inline constexpr const char* SNumericOutOfRangeValue = "Numeric out of range:";
// Code 0: the field's display name, then a line break and the inner message.
inline constexpr const char* SDefaultValueError = "Error setting default field value. (";
inline constexpr const char* STableMustNotBeActive = "Table must not be Active.";
inline constexpr const char* SNoActiveIndexSegment = "Internal Error: GetSegmentFieldNum : No Active Index";
inline constexpr const char* SBuildFilterString = "Internal Error, << BuildFilterString >>";
inline constexpr const char* SBlobWriteState = "Table must be in Edit or Insert state to open blob stream in Write Mode.";
inline constexpr const char* SBlobNotBlobField = "Invalid blob open on non-blob field.";
inline constexpr const char* SBlobReadOnly = "Error modifying read only blob.";
inline constexpr const char* SBlobWriteNotAllowed = "Cannot write to blob in current state.";
inline constexpr const char* SProviderNeedsConnection =
    "A TDbConnection component is required for TClientDataSet/IProvider support. Use either the DbConnection  "
    "property or the Database property to specify a TDbConnection instance.";
// Code 5064.
inline constexpr const char* SStaticView = "This table is based on a static VIEW. Static VIEWs can not be updated.";

// DbConnectionError.
inline constexpr const char* SConnAliasInvalid = "TDbConnection.AliasName is not valid";
inline constexpr const char* SConnNoConnectString = "Must specify connection string before getting a server connection.";
inline constexpr const char* SConnConnectPathConnected =
    "The TDbConnection.ConnectPath may not be changed when IsConnected is TRUE";
inline constexpr const char* SConnAliasConnected = "The TDbConnection.AliasName may not be changed when IsConnected is TRUE";
inline constexpr const char* SConnServerNameNotConnected = "Must be connected to get database server name.";
inline constexpr const char* SConnNotConnected = "No connection to database server.";

// DbSettingsError and the settings component's plain exceptions.
inline constexpr const char* SNoServerType = "At least one server type must be selected.";
inline constexpr const char* SOneSettingsInstance = "Only one DbSettings component is allowed per application";
inline constexpr const char* SNumCachedTablesNegative = "NumCachedTables value must be greater than zero.";
inline constexpr const char* SNumCachedCursorsNegative = "NumCachedCursors value must be greater than zero.";

// The engine's error box title when it cannot give a text.
inline constexpr const char* SDbExceptionError = "Db Exception Error";

} // namespace db
