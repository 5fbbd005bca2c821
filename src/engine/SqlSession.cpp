// Sessions: the handle a connection's SQL runs on, free tables attached on demand, row tracking
// through SQLite's update hook, and transactions whose rollback reloads the images it touched.
#include "engine/SqlSession.h"

#include "engine/Connection.h"
#include "engine/PathResolver.h"
#include "engine/SqlFunctions.h"
#include "engine/SqlStatement.h"
#include "engine/TableImage.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace ce {
namespace {

bool isWordStart(unsigned char c) { return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80; }
bool isWordChar(unsigned char c) { return isWordStart(c) || (c >= '0' && c <= '9'); }

// The names an SQL text may use as tables: its words and its "..." and [...] names, outside
// '...' literals and comments.
std::vector<std::string> namesIn(std::string_view sql) {
    std::vector<std::string> names;
    size_t i = 0;
    while (i < sql.size()) {
        const auto c = static_cast<unsigned char>(sql[i]);
        const auto closeAt = [&](std::string_view close, size_t from) {
            const size_t end = sql.find(close, from);
            return end == std::string_view::npos ? sql.size() : end + close.size();
        };
        if (c == '\'') {
            i = closeAt("'", i + 1);
        } else if (c == '-' && sql.substr(i, 2) == "--") {
            i = closeAt("\n", i + 2);
        } else if (c == '/' && sql.substr(i, 2) == "/*") {
            i = closeAt("*/", i + 2);
        } else if (c == '"' || c == '[') {
            const size_t end = closeAt(c == '"' ? "\"" : "]", i + 1);
            names.emplace_back(sql.substr(i + 1, end - i - 2));
            i = end;
        } else if (isWordStart(c)) {
            size_t end = i;
            while (end < sql.size() && isWordChar(static_cast<unsigned char>(sql[end])))
                ++end;
            names.emplace_back(sql.substr(i, end - i));
            i = end;
        } else {
            ++i;
        }
    }
    return names;
}

void trackChange(void* context, int operation, const char* database, const char* table, sqlite3_int64 rowid) {
    auto* changes = static_cast<ChangeSet*>(context);
    if (rowid < 1 || rowid > 0x7FFFFFFF)
        return;
    const auto key = std::make_pair(std::string(database), std::string(table));
    changes->rows[key].push_back(static_cast<uint32_t>(rowid));
    if (operation == SQLITE_INSERT) {
        changes->lastInsert = static_cast<uint32_t>(rowid);
        changes->lastInsertTable = key;
    }
}

Status reloadAll(Database& file) {
    for (const auto& entry : file.images)
        if (const auto image = entry.second.lock())
            CE_TRY(image->reload());
    return {};
}

} // namespace

Status SqlSession::of(Connection& connection, SqlSession*& out) {
    std::shared_ptr<SqlSession>& slot = connection.sqlSession();
    if (!slot) {
        std::shared_ptr<SqlSession> session(new SqlSession);
        session->dictionary_ = connection.dictionary();
        session->directory_ = connection.directory();
        if (session->dictionary_) {
            session->handle_ = session->dictionary_->handle();
        } else {
            const int rc = sqlite3_open_v2(":memory:", &session->handle_,
                                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
            session->ownsHandle_ = true;
            if (rc != SQLITE_OK)
                return Status(kInternalFailure, "Cannot open an SQL session for " + session->directory_);
            sqlite3_busy_timeout(session->handle_, 2000);
            CE_TRY(registerSqlFunctions(session->handle_));
        }
        slot = std::move(session);
    }
    out = slot.get();
    return {};
}

SqlSession::~SqlSession() {
    if (inTransaction_)
        (void)rollback();
    if (ownsHandle_)
        sqlite3_close_v2(handle_);
}

Status SqlSession::exec(const char* sql) {
    const int rc = sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? Status() : sqliteFailure(handle_, rc);
}

Status SqlSession::attachTablesOf(std::string_view sql, uint16_t tableType) {
    if (dictionary_)
        return {};
    namespace fs = std::filesystem;
    for (const std::string& name : namesIn(sql)) {
        const std::string path = resolvePath(base::utf8ToCp1251(directory_) + "/" + tableFileName(name, tableType));
        std::error_code ec;
        if (!fs::is_regular_file(path, ec))
            continue;
        const bool known = std::any_of(attached_.begin(), attached_.end(),
                                       [&](const auto& entry) { return entry.second->path() == path; });
        if (known)
            continue;
        std::shared_ptr<Database> file;
        if (!Database::open(path, Database::Kind::FreeTable, file).ok())
            continue; // not a table of this engine: SQLite reports the name if the text uses it
        const std::string alias = "__ce_file" + std::to_string(attached_.size() + 1);
        SqlStatement attach;
        CE_TRY(attach.prepare(handle_, "ATTACH DATABASE ? AS " + alias));
        attach.bindText(1, path);
        CE_TRY(attach.run());
        attached_[alias] = std::move(file);
    }
    return {};
}

std::shared_ptr<Database> SqlSession::fileOf(std::string_view databaseName) const {
    if (databaseName == "main")
        return dictionary_;
    const auto it = attached_.find(std::string(databaseName));
    return it == attached_.end() ? nullptr : it->second;
}

SqlSession::Tracking::Tracking(SqlSession& session, ChangeSet& changes) : handle_(session.handle_) {
    sqlite3_update_hook(handle_, trackChange, &changes);
}

SqlSession::Tracking::~Tracking() { sqlite3_update_hook(handle_, nullptr, nullptr); }

Status SqlSession::syncImages(const ChangeSet& changes) {
    std::set<std::pair<std::string, std::string>> tables(changes.truncated);
    for (const auto& entry : changes.rows)
        tables.insert(entry.first);
    for (const auto& key : tables) {
        const std::shared_ptr<Database> file = fileOf(key.first);
        if (!file)
            continue;
        const auto it = file->images.find(base::upperCp1251(base::utf8ToCp1251(key.second)));
        const std::shared_ptr<TableImage> image = it == file->images.end() ? nullptr : it->second.lock();
        if (!image)
            continue;
        const auto rows = changes.rows.find(key);
        if (rows == changes.rows.end() || rows->second.size() > image->size() / 2 + 1000) {
            CE_TRY(image->reload());
            continue;
        }
        std::vector<uint32_t> recnos = rows->second;
        std::sort(recnos.begin(), recnos.end());
        recnos.erase(std::unique(recnos.begin(), recnos.end()), recnos.end());
        CE_TRY(image->refreshRecords(recnos));
    }
    return {};
}

std::vector<std::shared_ptr<Database>> SqlSession::files() const {
    std::vector<std::shared_ptr<Database>> all;
    if (dictionary_)
        all.push_back(dictionary_);
    for (const auto& entry : attached_)
        all.push_back(entry.second);
    return all;
}

Status SqlSession::reloadImages() {
    Status first;
    for (const auto& file : files()) {
        const Status status = reloadAll(*file);
        if (first.ok() && !status.ok())
            first = status;
    }
    return first;
}

Status SqlSession::begin() {
    if (inTransaction_)
        return Status(kTransactionActive);
    if (sqlite3_get_autocommit(handle_) == 0)
        return Status(kTransactionActive, "Transaction already active on another connection to this database");
    CE_TRY(exec("BEGIN"));
    inTransaction_ = true;
    return {};
}

Status SqlSession::commit() {
    if (!inTransaction_)
        return Status(kTransactionNotActive);
    if (sqlite3_get_autocommit(handle_) != 0) {
        // SQLite ended the transaction itself after a failure inside it.
        inTransaction_ = false;
        CE_TRY(reloadImages());
        return Status(kSqlError, "SQL error: the transaction was rolled back by an earlier failure");
    }
    CE_TRY(exec("COMMIT"));
    inTransaction_ = false;
    return {};
}

Status SqlSession::rollback() {
    if (!inTransaction_)
        return Status(kTransactionNotActive);
    if (sqlite3_get_autocommit(handle_) == 0)
        CE_TRY(exec("ROLLBACK"));
    inTransaction_ = false;
    return reloadImages();
}

} // namespace ce
