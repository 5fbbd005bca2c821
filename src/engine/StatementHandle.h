// An SQL statement handle (kind 4): the text it was prepared with, its ":name" markers and the
// values bound to them, the options its cursors are made with, and what its last execution did.
// A SELECT yields a new static cursor handle (kind 5) owned by the connection, so that it outlives
// the statement and the statement's later executions. State of a statement:
//   created --Prepare--> prepared --Execute--> executed --Prepare--> prepared ...
//   prepared or executed --Prepare of the text it holds--> prepared, bindings empty, its SQLite
//     statement and column descriptions kept (SQLite's re-preparation count catches a new schema)
//   created --Execute--> 5018 (nothing prepared);  any --its connection closed--> gone
#pragma once

#include "engine/HandleTable.h"
#include "engine/OrderedListing.h"
#include "engine/ParamScanner.h"
#include "engine/PrefixLike.h"
#include "engine/ResultImage.h"
#include "engine/SqlStatement.h"
#include "engine/Status.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ce {

class SqlSession;

struct StatementOptions {
    uint16_t tableType = 0; // free tables named in the SQL: 1 NTX, 2 CDX, 3 (and 0) VDT
    uint16_t readOnly = 1;
    uint16_t lockType = 1;
    uint16_t charType = 1;  // 2: cursors hand out OEM images
    uint16_t rights = 1;
    uint16_t constrain = 2;
    uint16_t readAllColumns = 2;
};

// A value bound to a marker; a marker never bound is null.
struct BoundValue {
    enum class Kind { Null, Text, Integer, Real, Blob } kind = Kind::Null;
    std::string bytes; // UTF-8 text or blob bytes
    int64_t integer = 0;
    double real = 0;
};

class StatementHandle : public HandleObject {
public:
    explicit StatementHandle(uint32_t connection) : HandleObject(HandleKind::Statement, connection) {}

    StatementOptions& options() { return options_; }

    // Parses and prepares a CP1251 text; the bindings start empty.
    Status prepare(SqlSession& session, std::string_view sql);
    // The markers a field argument names: a 1-based marker number, or every marker of a name.
    Status markersOf(const char* field, std::vector<size_t>& markers) const;
    void bind(const std::vector<size_t>& markers, const BoundValue& value);
    BoundValue* markerValue(size_t marker) { return &values_[marker]; }

    // Runs the prepared text; a result set becomes a cursor handle when cursor is given (0 for a
    // statement without one).
    Status execute(SqlSession& session, uint32_t* cursor);

    // Rows the last execution changed (or, for a query, returned); 5117 before any.
    Status affectedRows(uint32_t& count) const;
    uint32_t lastAutoinc() const { return lastAutoinc_; }

private:
    Status prepareAgain(SqlSession& session);
    Status describeColumns(SqlSession& session, sqlite3_stmt* stmt);
    void preparePrefixForm(SqlSession& session, const std::string& utf8);
    // The range of each prefix comparison when every pattern bound to one is a plain beginning.
    bool prefixRanges(std::vector<std::pair<std::string, std::string>>& ranges) const;
    Status runDdl(SqlSession& session);
    Status runSql(SqlSession& session, uint32_t* cursor);
    // The result of a recognised listing from its table's image, or null (run it as written).
    std::shared_ptr<TableImage> answerListing(SqlSession& session);
    void forgetListing();
    Status openCursor(std::shared_ptr<TableImage> image, uint32_t* cursor);

    StatementOptions options_;
    bool prepared_ = false;
    bool ddl_ = false;
    std::string sql_;   // CP1251 as given
    ScannedSql scanned_; // markers numbered, CP1251
    std::string utf8_;  // the text SQLite prepared
    SqlStatement stmt_;
    std::vector<ResultColumn> columns_;
    std::optional<RecordLayout> typed_; // typedLayout(columns_), made with it
    int reprepared_ = 0; // SQLite's count of automatic re-preparations when columns_ was made
    SqlStatement prefixStmt_; // the text with index ranges for plain-beginning patterns, or none
    std::vector<PrefixLikeTerm> prefixTerms_;
    int prefixReprepared_ = 0;
    OrderedListing listing_;
    // The table image the last listing was answered from: held while the statement keeps its
    // text, so that the next listing does not read the table again.
    std::shared_ptr<TableImage> listingImage_;
    // The rows the last listing gave, kept while that image is not written: they are read-only,
    // so every cursor of the same listing shares them instead of walking the order again.
    std::shared_ptr<TableImage> listedRows_;
    uint64_t listedVersion_ = 0;
    std::string resultName_;
    std::set<std::pair<std::string, std::string>> deletes_; // tables the text may delete from
    std::vector<BoundValue> values_;
    bool executed_ = false;
    uint32_t affected_ = 0;
    uint32_t lastAutoinc_ = 0;
};

} // namespace ce
