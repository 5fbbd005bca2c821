// A table handle: one position in a shared table image, walked through the natural order or any of
// the handle's index orders, with its filter, optimised filter, pending edit and record locks.
#pragma once

#include "engine/Expression.h"
#include "engine/HandleTable.h"
#include "engine/OrderHandle.h"
#include "engine/Status.h"
#include "engine/TableImage.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ce {

struct OpenOptions {
    static constexpr uint32_t kExclusive = 1;
    static constexpr uint32_t kReadOnly = 2;
};

class TableCursor : public HandleObject, private RowKeeper {
public:
    // kind SqlCursor makes the handle a static SQL result: writes and locks give 5064.
    TableCursor(uint32_t connection, std::shared_ptr<TableImage> image, uint16_t charType, uint32_t openOptions,
                HandleKind kind = HandleKind::Table);
    ~TableCursor() override;

    // Claims the table for this handle (exclusive use, open count); 5036 when it is in exclusive use.
    Status attach(uint32_t self);

    TableImage& image() const { return *image_; }
    const RecordLayout& layout() const { return image_->layout(); }
    uint16_t charType() const { return charType_; }
    uint32_t openOptions() const { return openOptions_; }
    bool readOnly() const { return openOptions_ & OpenOptions::kReadOnly; }
    std::vector<uint32_t>& orders() { return orders_; }

    // Navigation through an order handle of this table, or the natural order when order is null.
    void gotoTop(const OrderHandle* order);
    void gotoBottom(const OrderHandle* order);
    void skip(const OrderHandle* order, int32_t count);
    Status gotoRecord(uint32_t recno);
    // Nearest (exact false) or exact seek of a key prefix; found tells whether the prefix matched.
    void seek(const OrderHandle& order, std::string_view key, bool exact, bool& found);

    bool atBof() const { return bof_; }
    bool atEof() const { return eof_; }
    // Record number of the position (kept at a crack for reference; 0 when there is none).
    uint32_t recordNumber() const { return recno_; }
    bool onRecord() const { return !bof_ && !eof_ && recno_ != 0; }
    // The record image at the position: the pending one when the position is on the pending
    // record, else the image's, else nullptr.
    const unsigned char* currentRow() const;

    Status isVisible(const OrderHandle* order, bool& visible) const;
    uint32_t count(const OrderHandle* order, uint16_t option) const;
    uint32_t logicalRecordNumber() const;
    Status relativePosition(const OrderHandle& order, double& position) const;
    Status setRelativePosition(const OrderHandle& order, double position);

    // Filters.
    Status setFilter(std::string_view text, bool optimised);
    Status clearFilter(bool optimised);
    const Expression* aof() const { return aof_.get(); }
    // String "=" in the filter and the AOF compares whole values instead of prefixes.
    bool exactComparison() const { return exact_; }
    void setExactComparison(bool exact) { exact_ = exact; }

    // Editing.
    Status setFieldValue(int field, const Value& value);
    Status setFieldRaw(int field, const unsigned char* raw, uint32_t length);
    Status setBlob(int field, std::string content);
    Status appendRecord();
    Status writeRecord();
    Status deleteRecord();
    Status cancelUpdate();
    bool hasPending() const { return pending_ != Pending::None || deletePending_; }
    // Blob content of the current record (pending content first).
    Status readBlob(int field, std::string& content, bool& isText) const;

    uint32_t lastAutoinc() const { return lastAutoinc_; }

    // Record locks, shared by every handle of the process.
    Status lockRecord(uint32_t recno);
    Status unlockRecord(uint32_t recno);

private:
    void keepCurrentRow() override;
    // Whether a record image passes deletion hiding, the filter and the AOF.
    bool passesFilters(const unsigned char* row) const;

    enum class Pending { None, Edit, Append };
    struct View {
        const IndexOrder* order = nullptr; // null for the natural order
        size_t lo = 0;
        size_t hi = 0;
    };

    View viewOf(const OrderHandle* order) const;
    uint32_t recnoAt(const View& view, size_t i) const;
    bool visibleAt(const View& view, size_t i) const;
    // Where the position lies in a view: the first entry not below it; exact when it is that entry.
    size_t locate(const View& view, bool& exact) const;
    // Moves to the first visible entry from i in direction step (+1/-1) within the view.
    bool landFrom(const View& view, size_t i, int step);
    void setRecord(uint32_t recno);
    void setCrack(bool bof, bool eof);
    Status checkWritable(uint32_t recno) const;
    Status readOnlyTable() const;
    Status startEdit();
    bool onPendingRecord() const { return pending_ != Pending::None && onRecord() && recno_ == pendingRecno_; }
    void discardPending();

    std::shared_ptr<TableImage> image_;
    uint16_t charType_;
    uint32_t openOptions_;
    uint32_t self_ = 0;
    std::vector<uint32_t> orders_;

    bool bof_ = true;
    bool eof_ = false;
    uint32_t recno_ = 0;
    // The current record's last image once it has left the table image (kept when it leaves;
    // empty while the record is there), or the pending record's while appending.
    std::vector<unsigned char> snapshot_;
    // Where the position was last found in an order (null: the natural order), valid while the
    // image is unchanged; it spares the key search on every skip.
    struct Hint {
        const IndexOrder* order = nullptr;
        size_t index = 0;
        uint64_t version = ~0ull;
        uint32_t recno = 0;
    };
    mutable Hint hint_;

    std::unique_ptr<Expression> filter_;
    std::unique_ptr<Expression> aof_;
    bool exact_ = false;

    Pending pending_ = Pending::None;
    bool deletePending_ = false;
    uint32_t pendingRecno_ = 0; // the record the pending edit, append or delete is for
    std::vector<unsigned char> buffer_;
    BlobChanges blobs_;
    uint32_t savedRecno_ = 0; // position before a pending append
    bool savedBof_ = true;
    bool savedEof_ = false;
    uint32_t lastAutoinc_ = 0;
};

} // namespace ce
