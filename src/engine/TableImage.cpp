// Loading of table images from SQLite, their index files, and the write path: every change is
// prepared in full (keys computed, room reserved) before SQLite is touched, so that once SQLite has
// accepted it nothing can fail and image, orders and file agree.
#include "engine/TableImage.h"

#include "engine/FieldCodec.h"
#include "engine/SqlFunctions.h"
#include "engine/SqlStatement.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

namespace ce {
namespace {

uint32_t nextOrderId() {
    static uint32_t id = 0;
    return ++id;
}

std::string columnName(const FieldDef& field) { return quoteName(base::cp1251ToUtf8(field.name)); }

bool isTextBlob(uint16_t type) { return type == kMemo || type == kVarchar; }

std::map<uint32_t, std::pair<const TableImage*, const IndexOrder*>>& orderRegistry() {
    // Never destroyed: callers\' own static objects may still call the engine at process end.
    static auto& orders = *new std::map<uint32_t, std::pair<const TableImage*, const IndexOrder*>>;
    return orders;
}

} // namespace

void readStoredValue(sqlite3_value* stored, const FieldDef& field, TableFamily family, unsigned char* slot) {
    if (isBlobType(field.type)) {
        std::memset(slot, sqlite3_value_int(stored) ? 0xFF : 0, field.length);
        return;
    }
    const int storage = sqlite3_value_type(stored);
    Value value;
    if (storage != SQLITE_NULL) {
        switch (field.type) {
        case kString: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(stored));
            utf8ToCp1251Slot(std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(stored))), slot, field.length);
            return;
        }
        case kRaw: {
            const auto* bytes = static_cast<const char*>(sqlite3_value_blob(stored));
            value = Value::makeText(std::string(bytes ? bytes : "", static_cast<size_t>(sqlite3_value_bytes(stored))));
            break;
        }
        case kLogical:
            value = Value::makeLogical(sqlite3_value_int64(stored) != 0);
            break;
        case kDate:
        case kCompactDate:
            value = Value::makeDate(sqlite3_value_int64(stored));
            break;
        case kTimestamp:
            value = Value::makeTimestamp(sqlite3_value_int64(stored));
            break;
        default:
            value = Value::makeNumber(sqlite3_value_double(stored));
        }
    }
    if (!writeSlot(field, family, value, slot).ok()) {
        writeEmptySlot(field, family, slot);
        if (field.type == kNumeric)
            std::memset(slot, '*', field.length);
    }
}

TableImage::~TableImage() {
    for (const auto& file : files_)
        for (const auto& order : file->orders)
            orderRegistry().erase(order->id());
    if (!db_)
        return;
    auto it = db_->images.find(base::upperCp1251(schema_.name));
    if (it != db_->images.end() && it->second.expired())
        db_->images.erase(it);
}

const IndexOrder* TableImage::findOrder(uint32_t id, const TableImage*& image) {
    const auto it = orderRegistry().find(id);
    if (it == orderRegistry().end())
        return nullptr;
    image = it->second.first;
    return it->second.second;
}

Status TableImage::open(const std::shared_ptr<Database>& db, std::string_view table, std::shared_ptr<TableImage>& out) {
    const std::string key = base::upperCp1251(table);
    if (auto it = db->images.find(key); it != db->images.end())
        if ((out = it->second.lock()))
            return {};
    std::shared_ptr<TableImage> image(new TableImage);
    image->db_ = db;
    image->directory_ = db->path().substr(0, db->path().find_last_of('/'));
    CE_TRY(db->loadSchema(table, image->schema_));
    CE_TRY(image->load());
    auto structural = std::make_unique<IndexFile>();
    structural->name = image->schema_.name + (image->schema_.tableType == 3 ? ".vdi" : image->schema_.tableType == 2 ? ".cdx" : ".ntx");
    CE_TRY(image->buildFile(*structural, image->schema_.indexes));
    image->files_.push_back(std::move(structural));
    db->images[key] = image;
    out = std::move(image);
    return {};
}

std::string TableImage::sqlName() const { return quoteName(base::cp1251ToUtf8(schema_.name)); }

std::shared_ptr<TableImage> TableImage::makeStatic(TableSchema schema, std::string directory, std::vector<unsigned char> rows,
                                                   StaticBlobs blobs) {
    std::shared_ptr<TableImage> image(new TableImage);
    image->schema_ = std::move(schema);
    image->directory_ = std::move(directory);
    image->rows_ = std::move(rows);
    image->staticBlobs_ = std::move(blobs);
    const size_t count = image->rowLength() == 0 ? 0 : image->rows_.size() / image->rowLength();
    image->recnos_.resize(count);
    for (size_t i = 0; i < count; ++i)
        image->recnos_[i] = static_cast<uint32_t>(i + 1);
    image->nextRecno_ = static_cast<uint32_t>(count + 1);
    auto structural = std::make_unique<IndexFile>();
    structural->name = image->schema_.name + ".vdi";
    (void)image->buildFile(*structural, {});
    image->files_.push_back(std::move(structural));
    return image;
}

std::string TableImage::loadQuery() const {
    std::string sql = "SELECT rowid";
    for (const FieldDef& field : layout().fields()) {
        const std::string column = columnName(field);
        sql += isBlobType(field.type) ? ", (" + column + " IS NOT NULL AND length(" + column + ") > 0)" : ", " + column;
    }
    if (isDbf())
        sql += std::string(", ") + deletedColumn();
    return sql + " FROM " + sqlName();
}

void TableImage::readRow(SqlStatement& stmt, unsigned char* row) {
    const RecordLayout& l = layout();
    const auto& fields = l.fields();
    inexactText_.resize(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        sqlite3_value* stored = sqlite3_column_value(stmt.get(), static_cast<int>(i) + 1);
        unsigned char* slot = row + fields[i].offset;
        readStoredValue(stored, fields[i], l.family(), slot);
        if (fields[i].type != kString || inexactText_[i])
            continue;
        const int storage = sqlite3_value_type(stored);
        if (storage == SQLITE_NULL)
            continue;
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(stored));
        inexactText_[i] = storage != SQLITE_TEXT ||
                          !isExactSlotText(std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(stored))),
                                           slot, fields[i].length);
    }
    if (isDbf())
        row[0] = stmt.columnInt(static_cast<int>(fields.size()) + 1) ? '*' : ' ';
}

Status TableImage::load() {
    inexactText_.assign(layout().fields().size(), false);
    SqlStatement stmt;
    CE_TRY(stmt.prepare(db_->handle(), loadQuery() + " ORDER BY rowid"));
    const uint32_t length = rowLength();
    bool more = false;
    for (;;) {
        CE_TRY(stmt.step(more));
        if (!more)
            break;
        const int64_t rowid = stmt.columnInt(0);
        if (rowid < 1 || rowid > 0x7FFFFFFF)
            return Status(kFileDamaged, "Record number out of range in table " + schema_.name);
        // Each record is read straight into its place in the image.
        const size_t at = rows_.size();
        rows_.resize(at + length);
        readRow(stmt, rows_.data() + at);
        recnos_.push_back(static_cast<uint32_t>(rowid));
    }
    // Growth while loading leaves up to half the room unused; the image lives long.
    rows_.shrink_to_fit();
    recnos_.shrink_to_fit();
    nextRecno_ = std::max(nextRecno_, recnos_.empty() ? 1u : recnos_.back() + 1);
    if (layout().autoincField() >= 0) {
        SqlStatement seq;
        CE_TRY(seq.prepare(db_->handle(), "SELECT seq FROM sqlite_sequence WHERE name = ?"));
        seq.bindText(1, base::cp1251ToUtf8(schema_.name));
        CE_TRY(seq.step(more));
        if (more && seq.columnInt(0) >= nextRecno_ && seq.columnInt(0) < 0x7FFFFFFF)
            nextRecno_ = static_cast<uint32_t>(seq.columnInt(0)) + 1;
    }
    return {};
}

Status TableImage::reload() {
    if (isStatic())
        return {};
    std::vector<uint32_t> oldRecnos;
    std::vector<unsigned char> oldRows;
    std::vector<bool> oldInexact;
    keepCurrentRows();
    oldRecnos.swap(recnos_);
    oldRows.swap(rows_);
    oldInexact.swap(inexactText_);
    const Status status = load();
    if (!status.ok()) {
        recnos_.swap(oldRecnos);
        rows_.swap(oldRows);
        inexactText_.swap(oldInexact);
        return status;
    }
    for (const auto& file : files_)
        for (const auto& order : file->orders)
            order->build(layout(), recnos_, rows_.data(), rowLength());
    ++version_;
    return {};
}

Status TableImage::refreshRecords(const std::vector<uint32_t>& recnos) {
    if (isStatic())
        return {};
    SqlStatement stmt;
    CE_TRY(stmt.prepare(db_->handle(), loadQuery() + " WHERE rowid = ?"));
    std::vector<unsigned char> row(rowLength());
    for (uint32_t recno : recnos) {
        stmt.reset();
        stmt.bindInt(1, recno);
        bool found = false;
        CE_TRY(stmt.step(found));
        const size_t at = lowerBound(recno);
        const bool present = at < recnos_.size() && recnos_[at] == recno;
        if (present)
            unlinkRow(recno, rowAt(at));
        if (found) {
            readRow(stmt, row.data());
            if (present) {
                std::memcpy(rows_.data() + at * rowLength(), row.data(), rowLength());
            } else {
                recnos_.insert(recnos_.begin() + static_cast<ptrdiff_t>(at), recno);
                rows_.insert(rows_.begin() + static_cast<ptrdiff_t>(at * rowLength()), row.begin(), row.end());
            }
            linkRow(recno, row.data());
        } else if (present) {
            keepCurrentRows();
            recnos_.erase(recnos_.begin() + static_cast<ptrdiff_t>(at));
            rows_.erase(rows_.begin() + static_cast<ptrdiff_t>(at * rowLength()),
                        rows_.begin() + static_cast<ptrdiff_t>((at + 1) * rowLength()));
        }
    }
    return {};
}

Status TableImage::buildFile(IndexFile& file, std::vector<IndexDef> defs) {
    for (IndexDef& def : defs) {
        std::unique_ptr<Expression> condition;
        if (!def.condition.empty()) {
            const Status parsed = Expression::parse(def.condition, layout(), condition);
            if (!parsed.ok())
                return Status(kFileDamaged, "Condition of index " + def.tag + " not valid: " + parsed.text());
        }
        auto order = std::make_unique<IndexOrder>(std::move(def), std::move(condition), nextOrderId(), *this);
        order->build(layout(), recnos_, rows_.data(), rowLength());
        file.orders.push_back(std::move(order));
    }
    for (const auto& order : file.orders)
        orderRegistry()[order->id()] = {this, order.get()};
    return {};
}

Status TableImage::openIndexFile(const std::string& nativePath, IndexFile*& out) {
    for (const auto& file : files_)
        if (file->nativePath == nativePath) {
            out = file.get();
            return {};
        }
    std::shared_ptr<Database> db;
    CE_TRY(Database::open(nativePath, Database::Kind::IndexFile, db));
    std::vector<IndexDef> defs;
    const std::string name = base::utf8ToCp1251(nativePath.substr(nativePath.find_last_of('/') + 1));
    CE_TRY(db->loadIndexDefs(schema_.name, name, layout(), defs));
    // Definitions are keyed by the file name they were created under; a renamed file keeps them.
    if (defs.empty()) {
        SqlStatement any;
        CE_TRY(any.prepare(db->handle(), "SELECT DISTINCT file FROM __ce_indexes"));
        bool row = false;
        CE_TRY(any.step(row));
        if (row)
            CE_TRY(db->loadIndexDefs(schema_.name, base::utf8ToCp1251(any.columnText(0)), layout(), defs));
    }
    auto file = std::make_unique<IndexFile>();
    file->name = name;
    file->nativePath = nativePath;
    CE_TRY(buildFile(*file, std::move(defs)));
    files_.push_back(std::move(file));
    out = files_.back().get();
    return {};
}

size_t TableImage::lowerBound(uint32_t recno) const {
    return static_cast<size_t>(std::lower_bound(recnos_.begin(), recnos_.end(), recno) - recnos_.begin());
}

const unsigned char* TableImage::find(uint32_t recno) const {
    // Records numbered 1, 2, 3 ... without gaps up to recno sit at slot recno - 1: no search.
    if (recno - 1u < recnos_.size() && recnos_[recno - 1u] == recno)
        return rowAt(recno - 1u);
    const size_t i = lowerBound(recno);
    return i < recnos_.size() && recnos_[i] == recno ? rowAt(i) : nullptr;
}

Status TableImage::claim(uint32_t handle, bool exclusive) {
    if (exclusiveHolder_ != 0 || (exclusive && openHandles_ > 0))
        return Status(kTableInExclusiveUse, "Table in exclusive use: " + schema_.name);
    ++openHandles_;
    if (exclusive)
        exclusiveHolder_ = handle;
    return {};
}

void TableImage::keepCurrentRows() const {
    for (RowKeeper* keeper : keepers_)
        keeper->keepCurrentRow();
}

void TableImage::release(uint32_t handle) {
    --openHandles_;
    if (exclusiveHolder_ == handle)
        exclusiveHolder_ = 0;
}

size_t TableImage::memoryUsage() const {
    size_t bytes = rows_.capacity() + recnos_.capacity() * sizeof(uint32_t);
    for (const auto& file : files_)
        for (const auto& order : file->orders)
            bytes += order->memoryUsage();
    return bytes;
}

uint32_t TableImage::reserveRecordNumber() {
    if (!recnos_.empty() && recnos_.back() >= nextRecno_)
        nextRecno_ = recnos_.back() + 1;
    return nextRecno_++;
}

Status TableImage::checkUnique(uint32_t recno, const unsigned char* row) const {
    if (isDbf())
        return {};
    for (const auto& file : files_)
        for (const auto& order : file->orders) {
            if (!order->def().unique() || !order->includes(layout(), row))
                continue;
            const std::string key = order->def().recordKey(layout(), row);
            for (size_t i = order->lowerBoundPrefix(key); i < order->size() && order->keyAt(i) == key; ++i)
                if (order->recnoAt(i) != recno)
                    return Status(kUniqueKeyViolation, "Unique key violation in index \"" + order->def().tag + "\"");
        }
    return {};
}

Status TableImage::bindRow(SqlStatement& stmt, int first, const unsigned char* row) const {
    const RecordLayout& l = layout();
    int index = first;
    for (const FieldDef& field : l.fields()) {
        if (isBlobType(field.type) || field.type == kAutoinc)
            continue;
        const Value value = slotValue(field, l.family(), row + field.offset);
        const int at = index++;
        if (value.isNull() && !field.nullable)
            return Status(kInvalidColumnValue, "Null not allowed in column \"" + field.name + "\"");
        switch (value.kind) {
        case Value::Kind::Null:
            stmt.bindNull(at);
            break;
        case Value::Kind::Text: {
            if (field.type == kRaw) {
                sqlite3_bind_blob(stmt.get(), at, value.text.data(), static_cast<int>(value.text.size()), SQLITE_TRANSIENT);
                break;
            }
            size_t end = value.text.size();
            while (end > 0 && (value.text[end - 1] == ' ' || value.text[end - 1] == '\0'))
                --end;
            stmt.bindText(at, base::cp1251ToUtf8(std::string_view(value.text).substr(0, end)));
            break;
        }
        case Value::Kind::Logical:
            stmt.bindInt(at, value.logical);
            break;
        case Value::Kind::Date:
        case Value::Kind::Timestamp:
            stmt.bindInt(at, value.integer);
            break;
        case Value::Kind::Number:
            if (field.type == kNumeric || field.type == kDouble || field.type == kCurDouble)
                sqlite3_bind_double(stmt.get(), at, value.number);
            else
                stmt.bindInt(at, static_cast<int64_t>(value.number));
            break;
        }
    }
    if (isDbf())
        stmt.bindInt(index, row[0] == '*');
    return {};
}

namespace {

void bindBlobs(SqlStatement& stmt, int first, const RecordLayout& layout, const BlobChanges& blobs) {
    int index = first;
    for (const auto& [field, content] : blobs) {
        const int at = index++;
        if (content.empty()) {
            stmt.bindNull(at);
        } else if (isTextBlob(layout.fields()[static_cast<size_t>(field)].type)) {
            stmt.bindText(at, base::cp1251ToUtf8(content));
        } else {
            sqlite3_bind_blob(stmt.get(), at, content.data(), static_cast<int>(content.size()), SQLITE_TRANSIENT);
        }
    }
}

// Columns a write assigns, in binding order: plain fields, the deletion mark, changed blobs.
std::vector<std::string> assignedColumns(const RecordLayout& layout, bool dbf, const BlobChanges& blobs) {
    std::vector<std::string> columns;
    for (const FieldDef& field : layout.fields())
        if (!isBlobType(field.type) && field.type != kAutoinc)
            columns.push_back(columnName(field));
    if (dbf)
        columns.push_back(deletedColumn());
    for (const auto& blob : blobs)
        columns.push_back(columnName(layout.fields()[static_cast<size_t>(blob.first)]));
    return columns;
}

} // namespace

// Orders make their keys from the image's records, so a record leaves them while the image still
// holds it as they know it, and joins them once the image holds it anew.
void TableImage::unlinkRow(uint32_t recno, const unsigned char* row) {
    for (const auto& file : files_)
        for (const auto& order : file->orders)
            if (order->includes(layout(), row))
                order->erase(order->def().recordKey(layout(), row), recno);
    ++version_;
}

void TableImage::linkRow(uint32_t recno, const unsigned char* row) {
    for (const auto& file : files_)
        for (const auto& order : file->orders)
            if (order->includes(layout(), row))
                order->insert(order->def().recordKey(layout(), row), recno);
    ++version_;
}

Status TableImage::insert(uint32_t recno, const unsigned char* row, const BlobChanges& blobs) {
    if (isStatic())
        return Status(kStaticView);
    std::vector<unsigned char> image(row, row + rowLength());
    const RecordLayout& l = layout();
    if (l.autoincField() >= 0)
        CE_TRY(writeSlot(l.fields()[static_cast<size_t>(l.autoincField())], l.family(), Value::makeNumber(recno),
                         image.data() + l.fields()[static_cast<size_t>(l.autoincField())].offset));
    for (const FieldDef& field : l.fields())
        if (isBlobType(field.type))
            std::memset(image.data() + field.offset, 0, field.length);
    for (const auto& [field, content] : blobs)
        std::memset(image.data() + l.fields()[static_cast<size_t>(field)].offset, content.empty() ? 0 : 0xFF, 4);
    CE_TRY(checkUnique(recno, image.data()));

    const std::vector<std::string> columns = assignedColumns(l, isDbf(), blobs);
    std::string sql = "INSERT INTO " + sqlName() + "(rowid";
    for (const std::string& column : columns)
        sql += ", " + column;
    sql += ") VALUES(?";
    for (size_t i = 0; i < columns.size(); ++i)
        sql += ", ?";
    sql += ")";
    SqlStatement stmt;
    CE_TRY(stmt.prepare(db_->handle(), sql));
    stmt.bindInt(1, recno);
    CE_TRY(bindRow(stmt, 2, image.data()));
    bindBlobs(stmt, static_cast<int>(columns.size() - blobs.size()) + 2, l, blobs);

    recnos_.reserve(recnos_.size() + 1);
    rows_.reserve(rows_.size() + rowLength());
    CE_TRY(stmt.run());
    const size_t at = lowerBound(recno);
    recnos_.insert(recnos_.begin() + static_cast<ptrdiff_t>(at), recno);
    rows_.insert(rows_.begin() + static_cast<ptrdiff_t>(at * rowLength()), image.begin(), image.end());
    linkRow(recno, image.data());
    return {};
}

Status TableImage::update(uint32_t recno, const unsigned char* row, const BlobChanges& blobs) {
    if (isStatic())
        return Status(kStaticView);
    const size_t at = lowerBound(recno);
    if (at >= recnos_.size() || recnos_[at] != recno)
        return Status(kRecordNotFound, "Record not found: " + std::to_string(recno));
    std::vector<unsigned char> image(row, row + rowLength());
    const RecordLayout& l = layout();
    const unsigned char* old = rowAt(at);
    for (const FieldDef& field : l.fields())
        if (isBlobType(field.type) || field.type == kAutoinc)
            std::memcpy(image.data() + field.offset, old + field.offset, field.length);
    for (const auto& [field, content] : blobs)
        std::memset(image.data() + l.fields()[static_cast<size_t>(field)].offset, content.empty() ? 0 : 0xFF, 4);
    CE_TRY(checkUnique(recno, image.data()));

    const std::vector<std::string> columns = assignedColumns(l, isDbf(), blobs);
    if (columns.empty())
        return {};
    const size_t n = columns.size();
    std::string sql = "UPDATE " + sqlName() + " SET ";
    for (size_t i = 0; i < n; ++i)
        sql += (i ? ", " : "") + columns[i] + " = ?";
    sql += " WHERE rowid = ?";
    SqlStatement stmt;
    CE_TRY(stmt.prepare(db_->handle(), sql));
    CE_TRY(bindRow(stmt, 1, image.data()));
    bindBlobs(stmt, static_cast<int>(n - blobs.size()) + 1, l, blobs);
    stmt.bindInt(static_cast<int>(n) + 1, recno);
    CE_TRY(stmt.run());
    unlinkRow(recno, old);
    std::memcpy(rows_.data() + at * rowLength(), image.data(), rowLength());
    linkRow(recno, image.data());
    return {};
}

Status TableImage::remove(uint32_t recno) {
    if (isStatic())
        return Status(kStaticView);
    const size_t at = lowerBound(recno);
    if (at >= recnos_.size() || recnos_[at] != recno)
        return Status(kRecordNotFound, "Record not found: " + std::to_string(recno));
    SqlStatement stmt;
    CE_TRY(stmt.prepare(db_->handle(), "DELETE FROM " + sqlName() + " WHERE rowid = ?"));
    stmt.bindInt(1, recno);
    CE_TRY(stmt.run());
    unlinkRow(recno, rowAt(at));
    keepCurrentRows();
    recnos_.erase(recnos_.begin() + static_cast<ptrdiff_t>(at));
    rows_.erase(rows_.begin() + static_cast<ptrdiff_t>(at * rowLength()),
                rows_.begin() + static_cast<ptrdiff_t>((at + 1) * rowLength()));
    return {};
}

Status TableImage::readBlob(uint32_t recno, int field, std::string& content, bool& isText) const {
    const FieldDef& def = layout().fields()[static_cast<size_t>(field)];
    if (isStatic()) {
        if (!find(recno))
            return Status(kRecordNotFound, "Record not found: " + std::to_string(recno));
        const auto it = staticBlobs_.find({recno, field});
        content = it == staticBlobs_.end() ? std::string() : it->second.first;
        isText = it == staticBlobs_.end() ? isTextBlob(def.type) : it->second.second;
        return {};
    }
    SqlStatement stmt;
    CE_TRY(stmt.prepare(db_->handle(), "SELECT " + columnName(def) + " FROM " + sqlName() + " WHERE rowid = ?"));
    stmt.bindInt(1, recno);
    bool row = false;
    CE_TRY(stmt.step(row));
    if (!row)
        return Status(kRecordNotFound, "Record not found: " + std::to_string(recno));
    const int storage = sqlite3_column_type(stmt.get(), 0);
    isText = storage == SQLITE_TEXT || (storage == SQLITE_NULL && isTextBlob(def.type));
    if (storage == SQLITE_NULL) {
        content.clear();
    } else if (isText) {
        content = base::utf8ToCp1251(stmt.columnText(0));
    } else {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt.get(), 0));
        content.assign(bytes ? bytes : "", static_cast<size_t>(sqlite3_column_bytes(stmt.get(), 0)));
    }
    return {};
}

} // namespace ce
