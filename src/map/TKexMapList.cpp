// The record operations of an object list: append, clone with an offset, delete, replace.
#include "map/TKexMapList.h"

#include <algorithm>

#include "map/MapStreamLayout.h"

TKexMapList::TKexMapList(const TKexMapList& other) : items_(other.items_) {}

TKexMapList& TKexMapList::operator=(const TKexMapList& other) {
    if (this != &other)
        *this = TKexMapList(other);
    return *this;
}

int TKexMapList::AddObjectCopy(TKEXMapObjectMem record) {
    items_.push_back(std::move(record));
    return Count() - 1;
}

// Moves a payload, held by a fresh deep copy, by (dx, dy).
struct TKexMapList::PayloadShift {
    float dx;
    float dy;

    void move(mapi::WorldPoint& p) const {
        p.x += dx;
        p.y += dy;
    }
    void operator()(std::monostate) const {}
    void operator()(std::vector<uint8_t>&) const {} // bitmap bytes have no coordinates
    void operator()(mapi::PointList& points) const {
        for (mapi::WorldPoint& p : points)
            move(p);
    }
    void operator()(mapi::Boxed<TKEXMapText>& text) const {
        if (text.get())
            move(text.get()->Anchor);
    }
    void operator()(mapi::Boxed<TKEXMapZametka>& note) const {
        if (note.get())
            move(note.get()->Anchor);
    }
    void operator()(mapi::Boxed<TKexMapList>& children) const {
        if (!children.get())
            return;
        for (auto& child : children.get()->items_)
            std::visit(*this, child.Data);
    }
};

TKEXMapObjectMem TKexMapList::CloneObjectRecord(const TKEXMapObjectMem& source, float dx,
                                                float dy) {
    TKEXMapObjectMem dest = source;
    std::visit(PayloadShift{dx, dy}, dest.Data);
    return dest;
}

void TKexMapList::DeleteObjectRecord(int index) { items_.erase(items_.begin() + index); }

void TKexMapList::PutObjectRecord(int index, TKEXMapObjectMem record) {
    if (index < Count()) {
        items_[index] = std::move(record);
        return;
    }
    AddObjectCopy(std::move(record));
}

void TKexMapList::MoveObjectRecord(int from, int to) {
    const auto first = items_.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
}

int64_t TKexMapList::GetPayloadSize(const TKEXMapObjectMem& record) {
    if (mapi::isPointKind(record.Kind))
        return int64_t{record.Count} * mapi::kPointSize;
    switch (record.Kind) {
    case mapi::kindText:
        return mapi::kTextSize;
    case mapi::kindBitmap:
    case mapi::kindGroup:
        return record.Count;
    case mapi::kindZametka:
        return mapi::kNoteSize;
    default:
        return 0;
    }
}

bool TKexMapList::operator==(const TKexMapList& other) const {
    return items_ == other.items_;
}
