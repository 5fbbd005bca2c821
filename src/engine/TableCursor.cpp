// The table cursor and its position. State diagram of the position:
//
//   BOF crack --Skip(+n)/GotoTop--> on record r --Skip past the last--> EOF crack
//   EOF crack --Skip(-n)/GotoBottom--> on record r --Skip before the first--> BOF crack
//   any --GotoRecord/GotoBookmark/Seek found--> on record r;  Seek not found --> EOF crack
//   any --GotoTop/GotoBottom on an empty view--> BOF and EOF both set
//   BOF crack --Skip(-n)--> BOF crack;  EOF crack --Skip(+n)--> EOF crack (result 0)
//
// "On record r" survives r's deletion or key change: the position keeps r's number and its last
// image, and a later skip continues from where r's key puts it in the order being walked.
// A pending edit belongs to its record, not to the position: moving away and back finds it again,
// and WriteRecord writes it wherever the position is.
// The pending edit: none --SetField--> edit --WriteRecord/CancelUpdate--> none;
// none --AppendRecord--> append --WriteRecord (success)/CancelUpdate--> none (a failed write keeps
// it, so a retried post appends once); DeleteRecord marks a delete that WriteRecord carries out.
#include "engine/TableCursor.h"

#include "engine/FieldCodec.h"
#include "engine/Settings.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <utility>

namespace ce {
namespace {

using LockKey = std::pair<const TableImage*, uint32_t>;

std::map<LockKey, uint32_t>& recordLocks() {
    // Never destroyed: callers\' own static objects may still call the engine at process end.
    static auto& locks = *new std::map<LockKey, uint32_t>;
    return locks;
}

Status readOnlyColumn(const FieldDef& field) {
    return Status(kReadOnlyColumn, "Cannot write read-only column \"" + field.name + "\"");
}

} // namespace

TableCursor::TableCursor(uint32_t connection, std::shared_ptr<TableImage> image, uint16_t charType,
                         uint32_t openOptions, HandleKind kind)
    : HandleObject(kind, connection), image_(std::move(image)), charType_(charType), openOptions_(openOptions) {}

Status TableCursor::readOnlyTable() const {
    if (kind() == HandleKind::SqlCursor)
        return Status(kStaticView);
    return Status(kTableReadOnly, "Table opened read-only");
}

TableCursor::~TableCursor() {
    if (self_ == 0)
        return;
    auto& locks = recordLocks();
    for (auto it = locks.begin(); it != locks.end();)
        it = it->second == self_ ? locks.erase(it) : std::next(it);
    image_->removeKeeper(this);
    image_->release(self_);
}

void TableCursor::keepCurrentRow() {
    if (const unsigned char* row = recno_ != 0 ? image_->find(recno_) : nullptr)
        snapshot_.assign(row, row + image_->rowLength());
}

Status TableCursor::attach(uint32_t self) {
    CE_TRY(image_->claim(self, openOptions_ & OpenOptions::kExclusive));
    self_ = self;
    image_->addKeeper(this);
    return {};
}

// ---- views and positions ----

TableCursor::View TableCursor::viewOf(const OrderHandle* order) const {
    if (!order)
        return View{nullptr, 0, image_->size()};
    const IndexOrder& o = order->order();
    View view{&o, 0, o.size()};
    if (const auto& top = order->scope(OrderHandle::kTop))
        view.lo = o.lowerBoundPrefix(*top);
    if (const auto& bottom = order->scope(OrderHandle::kBottom))
        view.hi = o.upperBoundPrefix(*bottom);
    view.hi = std::max(view.hi, view.lo);
    return view;
}

uint32_t TableCursor::recnoAt(const View& view, size_t i) const {
    return view.order ? view.order->recnoAt(i) : image_->recnoAt(i);
}

bool TableCursor::passesFilters(const unsigned char* row) const {
    if (image_->isDeletedMark(row) && !settings().showDeleted)
        return false;
    const EvalContext context{&image_->layout(), row, exact_};
    return (!filter_ || filter_->test(context)) && (!aof_ || aof_->test(context));
}

bool TableCursor::visibleAt(const View& view, size_t i) const {
    if (!view.order)
        return passesFilters(image_->rowAt(i));
    // A unique order of the DBF family shows only the first record of each key.
    if (image_->isDbf() && view.order->def().unique() && i > 0 && view.order->sameKeys(i - 1, i))
        return false;
    const unsigned char* row = image_->find(view.order->recnoAt(i));
    return row && passesFilters(row);
}

size_t TableCursor::locate(const View& view, bool& exact) const {
    exact = false;
    if (hint_.order == view.order && hint_.version == image_->version() && hint_.recno == recno_) {
        exact = true;
        return hint_.index;
    }
    if (!view.order) {
        const size_t i = image_->lowerBound(recno_);
        exact = i < image_->size() && image_->recnoAt(i) == recno_;
        return i;
    }
    const unsigned char* row = image_->find(recno_);
    if (!row && snapshot_.empty())
        return view.lo;
    const std::string key = view.order->def().recordKey(layout(), row ? row : snapshot_.data());
    const size_t i = view.order->lowerBound(key, recno_);
    exact = view.order->isEntry(i, key, recno_);
    return i;
}

bool TableCursor::landFrom(const View& view, size_t i, int step) {
    for (auto at = static_cast<int64_t>(i); at >= static_cast<int64_t>(view.lo) && at < static_cast<int64_t>(view.hi);
         at += step) {
        if (visibleAt(view, static_cast<size_t>(at))) {
            setRecord(recnoAt(view, static_cast<size_t>(at)));
            hint_ = Hint{view.order, static_cast<size_t>(at), image_->version(), recno_};
            return true;
        }
    }
    return false;
}

void TableCursor::setRecord(uint32_t recno) {
    recno_ = recno;
    bof_ = eof_ = false;
    // A record in the image needs no copy: keepCurrentRow makes one when it leaves.
    if (image_->find(recno))
        snapshot_.clear();
}

void TableCursor::setCrack(bool bof, bool eof) {
    bof_ = bof;
    eof_ = eof;
}

const unsigned char* TableCursor::currentRow() const {
    if (onPendingRecord())
        return buffer_.data();
    return onRecord() ? image_->find(recno_) : nullptr;
}

// ---- navigation ----

void TableCursor::gotoTop(const OrderHandle* order) {
    const View view = viewOf(order);
    if (!landFrom(view, view.lo, +1))
        setCrack(true, true);
}

void TableCursor::gotoBottom(const OrderHandle* order) {
    const View view = viewOf(order);
    if (view.hi == view.lo || !landFrom(view, view.hi - 1, -1))
        setCrack(true, true);
}

void TableCursor::skip(const OrderHandle* order, int32_t count) {
    const View view = viewOf(order);
    if (count > 0) {
        if (eof_ && !bof_)
            return;
        size_t start = view.lo;
        if (!bof_) {
            bool exact = false;
            const size_t i = locate(view, exact);
            start = std::max(exact ? i + 1 : i, view.lo);
        }
        for (int32_t n = 0; n < count; ++n) {
            if (!landFrom(view, start, +1)) {
                setCrack(false, true);
                return;
            }
            bool exact = false;
            start = locate(view, exact) + 1;
        }
        return;
    }
    if (count < 0) {
        if (bof_ && !eof_)
            return;
        int64_t start = static_cast<int64_t>(view.hi) - 1;
        if (!eof_) {
            bool exact = false;
            start = std::min(static_cast<int64_t>(locate(view, exact)) - 1, start);
        }
        for (int32_t n = 0; n > count; --n) {
            if (start < static_cast<int64_t>(view.lo) || !landFrom(view, static_cast<size_t>(start), -1)) {
                setCrack(true, false);
                return;
            }
            bool exact = false;
            start = static_cast<int64_t>(locate(view, exact)) - 1;
        }
    }
}

Status TableCursor::gotoRecord(uint32_t recno) {
    if (recno == 0 || !image_->find(recno))
        return Status(kRecordNotFound, "Record not found: " + std::to_string(recno));
    setRecord(recno);
    return {};
}

void TableCursor::seek(const OrderHandle& order, std::string_view key, bool exactSeek, bool& found) {
    const View view = viewOf(&order);
    found = false;
    const size_t start = std::max(view.order->lowerBoundPrefix(key), view.lo);
    for (size_t i = start; i < view.hi; ++i) {
        if (!visibleAt(view, i))
            continue;
        const bool matches = view.order->keyAt(i).substr(0, key.size()) == key;
        if (exactSeek && !matches)
            break;
        setRecord(view.order->recnoAt(i));
        found = matches;
        return;
    }
    setCrack(false, true);
}

Status TableCursor::isVisible(const OrderHandle* order, bool& visible) const {
    visible = false;
    if (!onRecord())
        return Status(kNoCurrentRecord);
    const unsigned char* row = image_->find(recno_);
    if (!row)
        return {};
    if (!order) {
        visible = passesFilters(row);
        return {};
    }
    const View view = viewOf(order);
    bool exact = false;
    const size_t i = locate(view, exact);
    visible = exact && i >= view.lo && i < view.hi && visibleAt(view, i);
    return {};
}

uint32_t TableCursor::count(const OrderHandle* order, uint16_t option) const {
    const uint16_t mode = option & 3;
    const View view = viewOf(order);
    size_t n = 0;
    if (!order && mode != 1) {
        if (!image_->isDbf() || settings().showDeleted)
            return static_cast<uint32_t>(image_->size());
        for (size_t i = 0; i < image_->size(); ++i)
            n += !image_->isDeletedMark(image_->rowAt(i));
        return static_cast<uint32_t>(n);
    }
    if (order && mode == 2)
        return static_cast<uint32_t>(order->order().size());
    if (order && mode == 3)
        return static_cast<uint32_t>(view.hi - view.lo);
    for (size_t i = view.lo; i < view.hi; ++i)
        n += visibleAt(view, i);
    return static_cast<uint32_t>(n);
}

uint32_t TableCursor::logicalRecordNumber() const {
    if (!onRecord())
        return 0;
    const View view = viewOf(nullptr);
    bool exact = false;
    const size_t end = locate(view, exact);
    uint32_t n = 0;
    for (size_t i = 0; i < end; ++i)
        n += visibleAt(view, i);
    return n + 1;
}

Status TableCursor::relativePosition(const OrderHandle& order, double& position) const {
    const IndexOrder& o = order.order();
    if (o.size() == 0 || !onRecord())
        return Status(kNoRelativePosition);
    bool exact = false;
    const size_t i = locate(View{&o, 0, o.size()}, exact);
    if (!exact)
        return Status(kNoRelativePosition);
    // (k + 0.25) / n: int(n * position) gives k back without floating-point loss.
    position = std::min(1.0, (static_cast<double>(i + 1) + 0.25) / static_cast<double>(o.size()));
    return {};
}

Status TableCursor::setRelativePosition(const OrderHandle& order, double position) {
    const IndexOrder& o = order.order();
    const size_t n = o.size();
    if (!std::isfinite(position))
        return Status(kNoRelativePosition);
    // An empty order has no row to land on: the cursor sits at both ends, as a skip leaves it.
    if (n == 0) {
        setCrack(true, true);
        return {};
    }
    const double k = std::round(position * static_cast<double>(n) - 0.25);
    const size_t entry = static_cast<size_t>(std::clamp(k, 1.0, static_cast<double>(n))) - 1;
    const View view = viewOf(&order);
    const size_t from = std::clamp(entry, view.lo, view.hi > view.lo ? view.hi - 1 : view.lo);
    if (!landFrom(view, from, +1) && !(from > view.lo && landFrom(view, from - 1, -1)))
        setCrack(true, true);
    return {};
}

// ---- filters ----

Status TableCursor::setFilter(std::string_view text, bool optimised) {
    std::unique_ptr<Expression>& slot = optimised ? aof_ : filter_;
    if (text.empty()) {
        slot.reset();
        return {};
    }
    std::unique_ptr<Expression> parsed;
    CE_TRY(Expression::parse(text, layout(), parsed));
    slot = std::move(parsed);
    return {};
}

Status TableCursor::clearFilter(bool optimised) {
    std::unique_ptr<Expression>& slot = optimised ? aof_ : filter_;
    if (!slot)
        return Status(kNoFilter);
    slot.reset();
    return {};
}

// ---- editing ----

Status TableCursor::checkWritable(uint32_t recno) const {
    if (readOnly())
        return readOnlyTable();
    const auto it = recordLocks().find({image_.get(), recno});
    if (it != recordLocks().end() && it->second != self_)
        return Status(kRecordLocked, "Record " + std::to_string(recno) + " locked by another handle");
    return {};
}

Status TableCursor::startEdit() {
    if (readOnly())
        return readOnlyTable();
    if (onPendingRecord())
        return {};
    const unsigned char* row = onRecord() ? image_->find(recno_) : nullptr;
    if (!row)
        return Status(kNoCurrentRecord);
    // Editing another record replaces a pending edit left behind on an earlier one.
    discardPending();
    buffer_.assign(row, row + image_->rowLength());
    pending_ = Pending::Edit;
    pendingRecno_ = recno_;
    return {};
}

void TableCursor::discardPending() {
    pending_ = Pending::None;
    deletePending_ = false;
    blobs_.clear();
    buffer_.clear();
}

Status TableCursor::setFieldValue(int field, const Value& value) {
    const FieldDef& def = layout().fields()[static_cast<size_t>(field)];
    if (def.type == kAutoinc)
        return readOnlyColumn(def);
    CE_TRY(startEdit());
    return writeSlot(def, layout().family(), value, buffer_.data() + def.offset);
}

Status TableCursor::setFieldRaw(int field, const unsigned char* raw, uint32_t length) {
    const FieldDef& def = layout().fields()[static_cast<size_t>(field)];
    if (def.type == kAutoinc)
        return readOnlyColumn(def);
    CE_TRY(startEdit());
    // Blob slots only mirror whether data exists; their content comes through CeSetField.
    if (isBlobType(def.type))
        return {};
    unsigned char* slot = buffer_.data() + def.offset;
    const uint32_t n = std::min(length, def.length);
    std::memcpy(slot, raw, n);
    std::memset(slot + n, def.type == kString ? ' ' : 0, def.length - n);
    return {};
}

Status TableCursor::setBlob(int field, std::string content) {
    CE_TRY(startEdit());
    const FieldDef& def = layout().fields()[static_cast<size_t>(field)];
    std::memset(buffer_.data() + def.offset, content.empty() ? 0 : 0xFF, def.length);
    blobs_[field] = std::move(content);
    return {};
}

Status TableCursor::appendRecord() {
    if (readOnly())
        return readOnlyTable();
    if (!(onPendingRecord() && pending_ == Pending::Append)) {
        savedRecno_ = recno_;
        savedBof_ = bof_;
        savedEof_ = eof_;
    }
    discardPending();
    buffer_.assign(image_->rowLength(), 0);
    layout().writeEmptyRecord(buffer_.data());
    pending_ = Pending::Append;
    recno_ = pendingRecno_ = image_->reserveRecordNumber();
    bof_ = eof_ = false;
    snapshot_ = buffer_;
    return {};
}

Status TableCursor::writeRecord() {
    if (!hasPending())
        return {};
    CE_TRY(checkWritable(pendingRecno_));
    if (deletePending_) {
        const unsigned char* row = image_->find(pendingRecno_);
        if (!row)
            return Status(kRecordNotFound, "Record not found: " + std::to_string(pendingRecno_));
        if (image_->isDbf()) {
            std::vector<unsigned char> marked(row, row + image_->rowLength());
            marked[0] = '*';
            CE_TRY(image_->update(pendingRecno_, marked.data(), {}));
        } else {
            CE_TRY(image_->remove(pendingRecno_));
        }
    } else if (pending_ == Pending::Append) {
        CE_TRY(image_->insert(pendingRecno_, buffer_.data(), blobs_));
        if (layout().autoincField() >= 0)
            lastAutoinc_ = pendingRecno_;
    } else {
        CE_TRY(image_->update(pendingRecno_, buffer_.data(), blobs_));
    }
    discardPending();
    if (onRecord() && recno_ == pendingRecno_)
        setRecord(recno_);
    return {};
}

Status TableCursor::deleteRecord() {
    if (readOnly())
        return readOnlyTable();
    if (onPendingRecord() && pending_ == Pending::Append)
        return cancelUpdate();
    if (!onRecord() || !image_->find(recno_))
        return Status(kNoCurrentRecord);
    // A delete replaces the record's pending changes.
    discardPending();
    deletePending_ = true;
    pendingRecno_ = recno_;
    return {};
}

Status TableCursor::cancelUpdate() {
    if (!hasPending())
        return onRecord() ? Status(kNoPendingUpdate) : Status(kNoCurrentRecord);
    if (onPendingRecord() && pending_ == Pending::Append) {
        recno_ = savedRecno_;
        bof_ = savedBof_;
        eof_ = savedEof_;
        if (image_->find(recno_))
            snapshot_.clear();
    }
    discardPending();
    return {};
}

Status TableCursor::readBlob(int field, std::string& content, bool& isText) const {
    const uint16_t type = layout().fields()[static_cast<size_t>(field)].type;
    const auto changed = blobs_.find(field);
    if (onPendingRecord() && (changed != blobs_.end() || pending_ == Pending::Append)) {
        content = changed != blobs_.end() ? changed->second : std::string();
        isText = type == kMemo || type == kVarchar;
        return {};
    }
    if (!onRecord() || !image_->find(recno_))
        return Status(kNoCurrentRecord);
    return image_->readBlob(recno_, field, content, isText);
}

// ---- locks ----

Status TableCursor::lockRecord(uint32_t recno) {
    if (kind() == HandleKind::SqlCursor)
        return Status(kStaticView);
    if (!image_->find(recno))
        return Status(kRecordNotFound, "Record not found: " + std::to_string(recno));
    auto [it, inserted] = recordLocks().try_emplace(LockKey{image_.get(), recno}, self_);
    if (!inserted && it->second != self_)
        return Status(kRecordLocked, "Record " + std::to_string(recno) + " locked by another handle");
    return {};
}

Status TableCursor::unlockRecord(uint32_t recno) {
    const auto it = recordLocks().find({image_.get(), recno});
    if (it != recordLocks().end() && it->second == self_)
        recordLocks().erase(it);
    return {};
}

} // namespace ce
