// Every result code the engine returns, each with its one-line meaning, and the one function that
// turns a code into text. 0 is success; 5121 belongs to the database components and is never used.
#pragma once

#include <cstdint>

namespace ce {

// X(name, code, text): the table every other list of codes is generated from.
#define CE_RESULT_CODES(X)                                                                     \
    X(Ok, 0, "Success")                                                                        \
    X(InternalFailure, 5001, "Internal engine failure (out of memory)")                        \
    X(IndexTagNotFound, 5004, "Index tag not found")                                           \
    X(BufferTooSmall, 5005, "Buffer too small; the length holds the required size")            \
    X(InvalidHandle, 5012, "Invalid or unknown handle")                                        \
    X(NotApplicableToIndex, 5017, "Request not applicable to this index type")                 \
    X(InvalidArgument, 5018, "Invalid argument, option or segment number")                     \
    X(RecordNotFound, 5022, "Record not found")                                                \
    X(NotConnected, 5024, "Connection not connected or already closed")                        \
    X(TableReadOnly, 5034, "Table opened read-only")                                           \
    X(RecordLocked, 5035, "Record locked by another handle")                                   \
    X(TableInExclusiveUse, 5036, "Table in exclusive use")                                     \
    X(NoFilter, 5037, "No filter set")                                                         \
    X(NoScope, 5038, "No scope of that end set")                                               \
    X(NoRelativePosition, 5041, "Relative position not available")                             \
    X(NoMoreTables, 5059, "No more tables")                                                    \
    X(StaticView, 5064, "This table is based on a static VIEW. Static VIEWs can not be updated.") \
    X(NoCurrentRecord, 5068, "No current record")                                              \
    X(ExpressionSyntax, 5070, "Expression syntax error")                                       \
    X(ExpressionType, 5071, "Expression type mismatch")                                        \
    X(UniqueKeyViolation, 5080, "Unique key violation")                                        \
    X(NoPendingUpdate, 5085, "No pending update")                                              \
    X(InvalidDate, 5090, "Invalid date format or date text")                                   \
    X(TransactionActive, 5101, "Transaction already active")                                   \
    X(TransactionNotActive, 5102, "No transaction active")                                     \
    X(StatementInvalid, 5106, "Statement handle invalid or closed")                            \
    X(RecordCountUnavailable, 5117, "Record count unavailable")                                \
    X(LoginRefused, 5120, "User name or password refused")                                     \
    X(TableNotInDictionary, 5132, "Table not in the dictionary")                               \
    /* Dictionary administration. */                                                           \
    X(ObjectNotFound, 5133, "Dictionary object not found")                                     \
    X(ObjectExists, 5134, "Dictionary object already exists")                                  \
    X(AdministratorNeeded, 5135, "Dictionary changes need an administrator connection")        \
    X(NoMoreObjects, 5137, "No more dictionary objects")                                       \
    X(PropertyNotSet, 5138, "Dictionary property not set")                                     \
    X(UnknownColumn, 5147, "Unknown column")                                                   \
    X(InvalidColumnValue, 5148, "Value not valid for the column")                              \
    X(ReadOnlyColumn, 5149, "Column is read-only")                                             \
    X(FileDamaged, 7008, "File damaged or not a database of this engine")                      \
    X(FileNotFound, 7041, "File or path not found")                                            \
    X(SqlError, 7200, "SQL error")                                                             \
    X(StatementStale, 7209, "Error 7209: statement must be created anew")                      \
    X(UnterminatedLiteral, 7210, "Unterminated literal in SQL text")

enum ResultCode : uint32_t {
#define CE_RESULT_ENUM(name, code, text) k##name = code,
    CE_RESULT_CODES(CE_RESULT_ENUM)
#undef CE_RESULT_ENUM
};

// The meaning of a code, or nullptr for a code the engine does not know.
const char* resultText(uint32_t code);

} // namespace ce
