// The process-wide in-memory image of one table: every record's raw image (blobs only as a "has
// data" mark) in record-number order, and the index orders built from it. Every handle on the table
// shares it; writes go to SQLite first and then to the image and its orders, so that a failed
// write leaves record, orders and image as they were.
#pragma once

#include "engine/Database.h"
#include "engine/IndexOrder.h"
#include "engine/RowKeeper.h"
#include "engine/Status.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3_value;

namespace ce {

// A stored SQLite value into a field's slot; values that do not fit show as empty (numbers too
// wide for their field as asterisks), so that rows written by SQL never stop a table from opening.
// A blob field's slot only marks whether the value is true (has data).
void readStoredValue(sqlite3_value* stored, const FieldDef& field, TableFamily family, unsigned char* slot);

// An open index file of a table: its name and its orders in definition order.
struct IndexFile {
    std::string name;       // base name with extension, CP1251
    std::string nativePath; // empty for the structural file
    std::vector<std::unique_ptr<IndexOrder>> orders;
};

// New blob contents of a write, by field index: bytes as stored for the handle (CP1251 text for
// memos); an empty value stores null.
using BlobChanges = std::map<int, std::string>;

// Blob contents of a static image by (record number, field index): bytes, and whether they are text.
using StaticBlobs = std::map<std::pair<uint32_t, int>, std::pair<std::string, bool>>;

class TableImage {
public:
    // The shared image of a table of db, loaded at the first open.
    static Status open(const std::shared_ptr<Database>& db, std::string_view table, std::shared_ptr<TableImage>& out);
    // A read-only image of rows held only in memory (an SQL result set), records numbered from 1,
    // with its blobs in memory too. It is never written, never shared and never reloaded; index
    // files named relative to directory can be opened on it.
    static std::shared_ptr<TableImage> makeStatic(TableSchema schema, std::string directory, std::vector<unsigned char> rows,
                                                  StaticBlobs blobs);
    ~TableImage();

    // The order with a bookmark's order id and the image it belongs to, or nullptr.
    static const IndexOrder* findOrder(uint32_t id, const TableImage*& image);

    bool isStatic() const { return db_ == nullptr; }
    // Native directory of the table's file, where its index files are looked for.
    const std::string& directory() const { return directory_; }
    const TableSchema& schema() const { return schema_; }
    const RecordLayout& layout() const { return schema_.layout; }
    Database& database() const { return *db_; }
    const std::shared_ptr<Database>& databasePtr() const { return db_; }
    bool isDbf() const { return schema_.layout.family() == TableFamily::Dbf; }

    size_t size() const { return recnos_.size(); }
    uint32_t recnoAt(size_t i) const { return recnos_[i]; }
    const unsigned char* rowAt(size_t i) const { return rows_.data() + i * rowLength(); }
    uint32_t rowLength() const { return schema_.layout.recordLength(); }
    // Slot of a record number: first slot not below it.
    size_t lowerBound(uint32_t recno) const;
    // The record image, or nullptr when the record does not exist.
    const unsigned char* find(uint32_t recno) const;
    bool isDeletedMark(const unsigned char* row) const { return isDbf() && row[0] == '*'; }

    // Whether every value of a string field is its slot's text exactly (cut blanks aside): true
    // unless a value read from the file did not fit, had characters without a CP1251 byte, ended
    // in blanks or was no text. Values the engine writes are stored from their slots, so they are.
    bool isExactText(int field) const {
        return static_cast<size_t>(field) >= inexactText_.size() || !inexactText_[static_cast<size_t>(field)];
    }

    // Bytes held by the image and its orders.
    size_t memoryUsage() const;

    // Counts every write, so that handles can tell whether their cached positions are still valid.
    uint64_t version() const { return version_; }

    // Index files: the structural one first, then files opened by name, each built once.
    const std::vector<std::unique_ptr<IndexFile>>& indexFiles() const { return files_; }
    Status openIndexFile(const std::string& nativePath, IndexFile*& out);

    // Re-reads every record from the file and rebuilds the orders (a rolled-back transaction);
    // handles keep their record numbers. On failure the image stays as it was.
    Status reload();
    // Re-reads the given records after SQL wrote them: changed ones are replaced, new ones added,
    // vanished ones removed, and the orders follow.
    Status refreshRecords(const std::vector<uint32_t>& recnos);

    uint32_t reserveRecordNumber();
    Status insert(uint32_t recno, const unsigned char* row, const BlobChanges& blobs);
    Status update(uint32_t recno, const unsigned char* row, const BlobChanges& blobs);
    Status remove(uint32_t recno);
    // The first record other than recno whose key equals key in a unique VDT order, or 5080.
    Status checkUnique(uint32_t recno, const unsigned char* row) const;

    // Blob content: text (CP1251) or bytes; isText tells TEXT from BLOB storage.
    Status readBlob(uint32_t recno, int field, std::string& content, bool& isText) const;

    // A handle starts using the table: 5036 when another holds it exclusively, or when exclusive
    // use is asked for while others have it open.
    Status claim(uint32_t handle, bool exclusive);
    void release(uint32_t handle);
    // Cursors told before records leave the image.
    void addKeeper(RowKeeper* keeper) { keepers_.push_back(keeper); }
    void removeKeeper(RowKeeper* keeper) { std::erase(keepers_, keeper); }

private:
    TableImage() = default;
    std::string loadQuery() const;
    void readRow(class SqlStatement& stmt, unsigned char* row);
    Status load();
    Status buildFile(IndexFile& file, std::vector<IndexDef> defs);
    std::string sqlName() const;
    Status bindRow(class SqlStatement& stmt, int first, const unsigned char* row) const;
    void unlinkRow(uint32_t recno, const unsigned char* row);
    void linkRow(uint32_t recno, const unsigned char* row);
    void keepCurrentRows() const;

    std::shared_ptr<Database> db_; // null for a static image
    std::string directory_;
    TableSchema schema_;
    StaticBlobs staticBlobs_;
    std::vector<uint32_t> recnos_;
    std::vector<unsigned char> rows_;
    std::vector<bool> inexactText_; // by field
    std::vector<std::unique_ptr<IndexFile>> files_;
    uint64_t version_ = 0;
    uint32_t nextRecno_ = 1;
    uint32_t exclusiveHolder_ = 0;
    int openHandles_ = 0;
    std::vector<RowKeeper*> keepers_;
};

// The column name a DBF-family table keeps its deletion mark in.
inline const char* deletedColumn() { return "__ce_deleted"; }

} // namespace ce
