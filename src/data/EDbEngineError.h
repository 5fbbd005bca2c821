// The main error of the database components, and EngineCheck, which turns a failed engine result
// into it. While one such error is alive on a thread, further failures on that thread are
// swallowed (a clean-up or an error handler that fails again does not bury the first error).
#pragma once

#include <memory>

#include "engine/CeEngine.h"
#include "toolkit/Exception.h"

class TDbDataSet;

namespace db {
struct PendingToken;
} // namespace db

class EDbEngineError : public EDatabaseError {
public:
    // With a dataset the message is "<its name>: Text"; a failure while gathering the context is
    // swallowed. Built while another error is pending, it is empty with code 0.
    EDbEngineError(TDbDataSet* DataSet, const AnsiString& Text, int Code);

    int ErrorCode = 0;
    AnsiString DataSetName;
    AnsiString OwnerName;
    AnsiString DatabaseName;
    AnsiString DatabasePath;
    AnsiString TableName;
    // For codes 5147 to 5149: the column the engine's text names.
    AnsiString ColumnName;

private:
    // Shared by the copies of this exception; the last copy clears the pending flag.
    std::shared_ptr<db::PendingToken> pending_;
};

// 0 passes; otherwise, unless an error is pending on this thread, raises EDbEngineError with the
// engine's last error code and text.
void EngineCheck(TDbDataSet* DataSet, CERESULT ResultCode);

// Raises a misuse error (code 5121) of the dataset.
[[noreturn]] void DbMisuse(TDbDataSet* DataSet, const AnsiString& Text);

namespace db {

// Whether an EDbEngineError is alive on the calling thread.
bool errorPending();

} // namespace db
