// Preparing and running statements: data-definition texts go to the engine's DDL, everything
// else to SQLite with the markers numbered; writes are tracked row by row so that open table
// images follow them, and a result set is read into a static cursor.
#include "engine/StatementHandle.h"

#include "engine/Ddl.h"
#include "engine/SqlSession.h"
#include "engine/TableCursor.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <map>

namespace ce {
namespace {

// The first words of a text, upper-cased, past blanks and comments.
std::vector<std::string> leadingWords(std::string_view text, size_t count) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size() && words.size() < count) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c <= ' ' || c == ';') {
            ++i;
        } else if (text.substr(i, 2) == "--") {
            const size_t end = text.find('\n', i);
            i = end == std::string_view::npos ? text.size() : end;
        } else if (text.substr(i, 2) == "/*") {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string_view::npos ? text.size() : end + 2;
        } else if (std::isalpha(c)) {
            size_t end = i;
            while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end])))
                ++end;
            words.push_back(base::upperCp1251(text.substr(i, end - i)));
            i = end;
        } else {
            break;
        }
    }
    return words;
}

// CREATE TABLE, CREATE [UNIQUE] INDEX, DROP TABLE and DROP INDEX belong to the engine, which
// keeps its metadata in step with them.
bool isEngineDdl(std::string_view text) {
    const std::vector<std::string> w = leadingWords(text, 3);
    if (w.size() < 2)
        return false;
    if (w[0] == "CREATE")
        return w[1] == "TABLE" || w[1] == "INDEX" || (w[1] == "UNIQUE" && w.size() > 2 && w[2] == "INDEX");
    return w[0] == "DROP" && (w[1] == "TABLE" || w[1] == "INDEX");
}

int collectDeletes(void* context, int action, const char* table, const char*, const char* database, const char*) {
    if (action == SQLITE_DELETE && table && database)
        static_cast<std::set<std::pair<std::string, std::string>>*>(context)->insert({database, table});
    return SQLITE_OK;
}

std::string uniqueName(std::string name, const std::vector<ResultColumn>& columns) {
    const auto taken = [&](const std::string& candidate) {
        for (const ResultColumn& column : columns)
            if (base::upperCp1251(column.field.name) == base::upperCp1251(candidate))
                return true;
        return false;
    };
    if (!taken(name))
        return name;
    for (int n = 1;; ++n)
        if (!taken(name + "_" + std::to_string(n)))
            return name + "_" + std::to_string(n);
}

Status staleStatement(sqlite3* db) {
    return Status(kStatementStale, std::string("Error 7209: the statement must be created anew: ") + sqlite3_errmsg(db));
}

} // namespace

Status StatementHandle::prepare(SqlSession& session, std::string_view sql) {
    if (prepared_ && !ddl_ && sql == sql_ && stmt_.get())
        return prepareAgain(session);
    prepared_ = false;
    sql_ = std::string(sql);
    scanned_ = scanParams(sql, MarkerStyle::Numbered);
    if (scanned_.unterminated)
        return Status(kUnterminatedLiteral, "Unterminated literal, name or comment in SQL text");
    values_.assign(scanned_.names.size(), BoundValue{});
    ddl_ = isEngineDdl(scanned_.text);
    if (ddl_) {
        forgetListing();
        prepared_ = true;
        return {};
    }
    CE_TRY(session.attachTablesOf(sql, options_.tableType));
    const std::string utf8 = base::cp1251ToUtf8(scanned_.text);
    if (utf8 == utf8_ && stmt_.get()) {
        stmt_.reset();
        if (prefixStmt_.get())
            prefixStmt_.reset();
        prepared_ = true;
        return {};
    }
    utf8_.clear();
    deletes_.clear();
    forgetListing();
    sqlite3_set_authorizer(session.handle(), collectDeletes, &deletes_);
    const Status status = stmt_.prepare(session.handle(), utf8);
    sqlite3_set_authorizer(session.handle(), nullptr, nullptr);
    CE_TRY(status);
    if (!stmt_.get())
        return Status(kSqlError, "SQL error: the text holds no statement");
    // One statement at a time: what follows the first may only be blanks, ";" and comments.
    const std::string rest = utf8.substr(std::string_view(sqlite3_sql(stmt_.get())).size());
    SqlStatement next;
    CE_TRY(next.prepare(session.handle(), rest));
    if (next.get())
        return Status(kSqlError, "SQL error: more than one statement in the text");
    CE_TRY(describeColumns(session, stmt_.get()));
    reprepared_ = sqlite3_stmt_status(stmt_.get(), SQLITE_STMTSTATUS_REPREPARE, 0);
    preparePrefixForm(session, utf8);
    listing_ = OrderedListing::recognise(scanned_.text);
    utf8_ = utf8;
    prepared_ = true;
    return {};
}

// The text of the last successful preparation again: its markers, its SQLite statements, its
// column descriptions and its recognised listing all still hold, so the text is neither scanned
// nor converted again. A schema changed since is caught at execution, by SQLite's count of
// re-preparations, as it is for a text prepared anew with the same SQLite text.
Status StatementHandle::prepareAgain(SqlSession& session) {
    prepared_ = false;
    std::fill(values_.begin(), values_.end(), BoundValue{});
    CE_TRY(session.attachTablesOf(sql_, options_.tableType));
    stmt_.reset();
    if (prefixStmt_.get())
        prefixStmt_.reset();
    prepared_ = true;
    return {};
}

void StatementHandle::preparePrefixForm(SqlSession& session, const std::string& utf8) {
    prefixStmt_ = SqlStatement();
    prefixTerms_.clear();
    sqlite3_stmt* stmt = stmt_.get();
    // Only a query whose parameters are all markers, so that the range parameters come after them.
    if (!sqlite3_stmt_readonly(stmt) || sqlite3_column_count(stmt) == 0 ||
        static_cast<size_t>(sqlite3_bind_parameter_count(stmt)) != values_.size())
        return;
    // The ranges are byte ranges of UTF-8 text; a file in another encoding compares otherwise.
    SqlStatement encoding;
    bool row = false;
    if (!encoding.prepare(session.handle(), "PRAGMA encoding").ok() || !encoding.step(row).ok() || !row ||
        encoding.columnText(0) != "UTF-8")
        return;
    PrefixLikeForm form = prefixLikeForm(utf8, values_.size());
    if (form.terms.empty())
        return;
    SqlStatement variant;
    // Without the second form the statement runs as written.
    if (!variant.prepare(session.handle(), form.text).ok() || !variant.get())
        return;
    prefixStmt_ = std::move(variant);
    prefixTerms_ = std::move(form.terms);
    prefixReprepared_ = sqlite3_stmt_status(prefixStmt_.get(), SQLITE_STMTSTATUS_REPREPARE, 0);
}

bool StatementHandle::prefixRanges(std::vector<std::pair<std::string, std::string>>& ranges) const {
    ranges.clear();
    if (!prefixStmt_.get())
        return false;
    for (const PrefixLikeTerm& term : prefixTerms_) {
        const BoundValue& value = values_[term.marker];
        std::string low, high;
        if (value.kind != BoundValue::Kind::Text || !prefixLikeRange(value.bytes, low, high))
            return false;
        ranges.emplace_back(std::move(low), std::move(high));
    }
    return true;
}

Status StatementHandle::describeColumns(SqlSession& session, sqlite3_stmt* stmt) {
    columns_.clear();
    resultName_.clear();
    std::map<std::pair<std::string, std::string>, TableSchema> schemas;
    for (int i = 0, n = sqlite3_column_count(stmt); i < n; ++i) {
        const char* database = sqlite3_column_database_name(stmt, i);
        const char* table = sqlite3_column_table_name(stmt, i);
        const char* origin = sqlite3_column_origin_name(stmt, i);
        if (origin && std::string_view(origin) == deletedColumn())
            continue;
        ResultColumn column;
        column.column = i;
        if (database && table && origin) {
            const auto key = std::make_pair(std::string(database), std::string(table));
            auto it = schemas.find(key);
            if (it == schemas.end()) {
                TableSchema schema;
                const std::shared_ptr<Database> file = session.fileOf(database);
                // Tables the engine does not describe (its metadata, SQLite's own) give computed columns.
                if (!file || !file->loadSchema(base::utf8ToCp1251(table), schema).ok())
                    schema = TableSchema{};
                it = schemas.emplace(key, std::move(schema)).first;
            }
            const int field = it->second.layout.findField(base::utf8ToCp1251(origin));
            if (field >= 0) {
                column.field = it->second.layout.fields()[static_cast<size_t>(field)];
                column.field.length = slotLength(column.field.type, column.field.length, TableFamily::Vdt);
                if (resultName_.empty())
                    resultName_ = it->second.name;
            }
        }
        const char* name = sqlite3_column_name(stmt, i);
        column.field.name = uniqueName(base::utf8ToCp1251(name ? name : ""), columns_);
        columns_.push_back(std::move(column));
    }
    if (resultName_.empty())
        resultName_ = "QUERY";
    typed_ = typedLayout(columns_);
    return {};
}

Status StatementHandle::markersOf(const char* field, std::vector<size_t>& markers) const {
    markers.clear();
    if (!field)
        return Status(kInvalidArgument, "Invalid argument: no parameter named");
    const auto number = reinterpret_cast<uintptr_t>(field);
    if (number < 0x10000) {
        if (number < 1 || number > values_.size())
            return Status(kInvalidArgument, "No parameter number " + std::to_string(number) + " in the statement");
        markers.push_back(number - 1);
        return {};
    }
    const std::string wanted = base::upperCp1251(field);
    for (size_t i = 0; i < scanned_.names.size(); ++i)
        if (base::upperCp1251(scanned_.names[i]) == wanted)
            markers.push_back(i);
    if (markers.empty())
        return Status(kInvalidArgument, "No parameter \"" + std::string(field) + "\" in the statement");
    return {};
}

void StatementHandle::bind(const std::vector<size_t>& markers, const BoundValue& value) {
    for (size_t marker : markers)
        values_[marker] = value;
}

Status StatementHandle::execute(SqlSession& session, uint32_t* cursor) {
    if (cursor)
        *cursor = 0;
    if (!prepared_)
        return Status(kInvalidArgument, "No SQL text prepared on the statement");
    return ddl_ ? runDdl(session) : runSql(session, cursor);
}

Status StatementHandle::runDdl(SqlSession& session) {
    const DdlTarget target{session.dictionary(), session.directory(), options_.tableType};
    CE_TRY(ce::runDdl(target, sql_));
    executed_ = true;
    affected_ = 0;
    return {};
}

std::shared_ptr<TableImage> StatementHandle::answerListing(SqlSession& session) {
    if (!listing_.recognised() || !session.dictionary() || session.inTransaction())
        return nullptr;
    const BoundValue& pattern = values_[listing_.marker()];
    if (pattern.kind != BoundValue::Kind::Text || !OrderedListing::matchesEveryText(pattern.bytes))
        return nullptr;
    if (!listingImage_ && !TableImage::open(session.dictionary(), listing_.table(), listingImage_).ok())
        listingImage_.reset();
    if (!listingImage_)
        return nullptr;
    if (!listedRows_ || listedVersion_ != listingImage_->version()) {
        listedRows_ = listing_.answer(*listingImage_, columns_, resultName_, session.directory());
        listedVersion_ = listingImage_->version();
    }
    return listedRows_;
}

void StatementHandle::forgetListing() {
    listing_ = OrderedListing();
    listingImage_.reset();
    listedRows_.reset();
}

Status StatementHandle::openCursor(std::shared_ptr<TableImage> image, uint32_t* cursor) {
    const uint32_t handle = handles().add(std::make_unique<TableCursor>(owner(), std::move(image), options_.charType,
                                                                        OpenOptions::kReadOnly, HandleKind::SqlCursor));
    TableCursor* result = handles().get<TableCursor>(handle);
    const Status attached = result->attach(handle);
    if (!attached.ok()) {
        handles().remove(handle);
        return attached;
    }
    result->gotoTop(nullptr);
    *cursor = handle;
    return {};
}

Status StatementHandle::runSql(SqlSession& session, uint32_t* cursor) {
    if (cursor) {
        if (std::shared_ptr<TableImage> listed = answerListing(session)) {
            executed_ = true;
            affected_ = static_cast<uint32_t>(listed->size());
            return openCursor(std::move(listed), cursor);
        }
    }
    std::vector<std::pair<std::string, std::string>> ranges;
    const bool prefix = cursor && prefixRanges(ranges);
    SqlStatement& chosen = prefix ? prefixStmt_ : stmt_;
    int& reprepared = prefix ? prefixReprepared_ : reprepared_;
    sqlite3_stmt* stmt = chosen.get();
    chosen.reset();
    for (size_t i = 0; i < ranges.size(); ++i) {
        chosen.bindText(prefixTerms_[i].low, ranges[i].first);
        chosen.bindText(prefixTerms_[i].high, ranges[i].second);
    }
    for (size_t i = 0; i < values_.size(); ++i) {
        const BoundValue& v = values_[i];
        const int at = static_cast<int>(i) + 1;
        switch (v.kind) {
        case BoundValue::Kind::Null:
            break;
        case BoundValue::Kind::Text:
            sqlite3_bind_text(stmt, at, v.bytes.data(), static_cast<int>(v.bytes.size()), SQLITE_TRANSIENT);
            break;
        case BoundValue::Kind::Integer:
            sqlite3_bind_int64(stmt, at, v.integer);
            break;
        case BoundValue::Kind::Real:
            sqlite3_bind_double(stmt, at, v.real);
            break;
        case BoundValue::Kind::Blob:
            sqlite3_bind_blob(stmt, at, v.bytes.data(), static_cast<int>(v.bytes.size()), SQLITE_TRANSIENT);
            break;
        }
    }
    sqlite3* db = session.handle();
    const int64_t changesBefore = sqlite3_total_changes64(db);
    ChangeSet changes;
    std::shared_ptr<TableImage> image;
    Status status;
    uint32_t rows = 0;
    bool schemaChanged = false;
    {
        const SqlSession::Tracking tracking(session, changes);
        if (sqlite3_column_count(stmt) > 0 && cursor) {
            status = readResult(stmt, columns_, typed_, resultName_, session.directory(), image);
            // SQLite prepares the text again when the schema changed since; the fields are
            // described again and a query that changes nothing is read again with them.
            const int count = sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
            if (status.ok() && count != reprepared && sqlite3_stmt_readonly(stmt)) {
                reprepared = count;
                sqlite3_reset(stmt);
                CE_TRY(describeColumns(session, stmt));
                status = readResult(stmt, columns_, typed_, resultName_, session.directory(), image);
            }
            rows = image ? static_cast<uint32_t>(image->size()) : 0;
        } else {
            int rc = SQLITE_ROW;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
                ++rows;
            if (rc != SQLITE_DONE)
                status = sqliteFailure(db, rc);
        }
        schemaChanged = sqlite3_errcode(db) == SQLITE_SCHEMA;
        sqlite3_reset(stmt);
    }
    const int64_t changed = sqlite3_total_changes64(db) - changesBefore;
    if (changed > 0)
        changes.truncated = deletes_;
    // Rows a failed statement touched are read again too: SQLite has undone them.
    CE_TRY(session.syncImages(changes));
    if (!status.ok())
        return schemaChanged ? staleStatement(db) : status;

    if (changes.lastInsert != 0) {
        const std::shared_ptr<Database> file = session.fileOf(changes.lastInsertTable.first);
        TableSchema schema;
        if (file && file->loadSchema(base::utf8ToCp1251(changes.lastInsertTable.second), schema).ok() &&
            schema.layout.autoincField() >= 0)
            lastAutoinc_ = changes.lastInsert;
    }
    executed_ = true;
    affected_ = sqlite3_column_count(stmt) > 0 ? rows : static_cast<uint32_t>(changed);
    if (!image)
        return {};
    return openCursor(std::move(image), cursor);
}

Status StatementHandle::affectedRows(uint32_t& count) const {
    if (!executed_)
        return Status(kRecordCountUnavailable);
    count = affected_;
    return {};
}

} // namespace ce
