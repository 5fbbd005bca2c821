// EDbEngineError, its per-thread pending flag, and the engine result check.
#include "data/EDbEngineError.h"

#include "data/DbTexts.h"
#include "data/EngineText.h"
#include "data/TDbDataSet.h"

namespace db {
namespace {

thread_local bool pendingFlag = false;

constexpr std::size_t kColumnNameRoom = 900;

// The column an engine text names after `column "`, cut at the next quote.
AnsiString columnNameOf(const AnsiString& text) {
    static constexpr std::string_view marker = "column \"";
    const std::size_t at = text.find(marker);
    if (at == AnsiString::npos)
        return {};
    AnsiString rest = text.substr(at + marker.size(), kColumnNameRoom);
    const std::size_t quote = rest.find('"');
    if (quote != AnsiString::npos)
        rest.resize(quote);
    return rest;
}

} // namespace

// Clears the flag of the thread that set it when the last copy of the exception goes.
struct PendingToken {
    explicit PendingToken(bool* f) : flag(f) { *flag = true; }
    ~PendingToken() { *flag = false; }
    PendingToken(const PendingToken&) = delete;
    PendingToken& operator=(const PendingToken&) = delete;

    bool* flag;
};

bool errorPending() { return pendingFlag; }

} // namespace db

EDbEngineError::EDbEngineError(TDbDataSet* DataSet, const AnsiString& Text, int Code) : EDatabaseError("") {
    if (db::pendingFlag)
        return;
    pending_ = std::make_shared<db::PendingToken>(&db::pendingFlag);
    ErrorCode = Code;
    if (DataSet != nullptr) {
        try {
            DataSetName = DataSet->Name();
            if (DataSet->Owner() != nullptr)
                OwnerName = DataSet->Owner()->Name();
            DatabaseName = DataSet->DatabaseName();
            TableName = DataSet->TableName();
            DatabasePath = DataSet->GetDatabasePath();
        } catch (...) {
            // The context is a courtesy; the error itself must still be raised.
        }
        if (Code >= 5147 && Code <= 5149)
            ColumnName = db::columnNameOf(Text);
    }
    Message = DataSetName.empty() ? Text : DataSetName + ": " + Text;
}

void EngineCheck(TDbDataSet* DataSet, CERESULT ResultCode) {
    if (ResultCode == 0 || db::pendingFlag)
        return;
    uint32_t code = ResultCode;
    AnsiString text;
    db::lastEngineError(code, text);
    throw EDbEngineError(DataSet, text, int(code));
}

void DbMisuse(TDbDataSet* DataSet, const AnsiString& Text) {
    throw EDbEngineError(DataSet, Text, db::kMisuseCode);
}
