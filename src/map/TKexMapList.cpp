// The record operations of an object list: append, clone with an offset, delete, replace.
#include "map/TKexMapList.h"

#include <algorithm>

#include "map/MapStreamLayout.h"

TKexMapList::TKexMapList(const TKexMapList& other) {
    items_.reserve(other.items_.size());
    for (const auto& item : other.items_)
        items_.push_back(std::make_unique<TKEXMapObjectMem>(*item));
}

TKexMapList& TKexMapList::operator=(const TKexMapList& other) {
    if (this != &other)
        *this = TKexMapList(other);
    return *this;
}

int TKexMapList::AddObjectCopy(TKEXMapObjectMem record) {
    items_.push_back(std::make_unique<TKEXMapObjectMem>(std::move(record)));
    return Count() - 1;
}

TKEXMapObjectMem TKexMapList::CloneObjectRecord(const TKEXMapObjectMem& source, float dx, float dy) {
    TKEXMapObjectMem dest = source;
    if (TKexMapList* children = dest.Children()) {
        for (auto& child : children->items_)
            *child = CloneObjectRecord(*child, dx, dy);
        return dest;
    }
    if (const TKEXMapText* text = source.Text()) {
        TKEXMapText moved = *text;
        moved.Anchor.x += dx;
        moved.Anchor.y += dy;
        dest.Data = mapi::Boxed<TKEXMapText>(moved);
        return dest;
    }
    if (const TKEXMapZametka* note = source.Note()) {
        TKEXMapZametka moved = *note;
        moved.Anchor.x += dx;
        moved.Anchor.y += dy;
        dest.Data = mapi::Boxed<TKEXMapZametka>(moved);
        return dest;
    }
    if (auto* points = std::get_if<std::vector<mapi::WorldPoint>>(&dest.Data)) {
        for (mapi::WorldPoint& p : *points) {
            p.x += dx;
            p.y += dy;
        }
    }
    return dest;
}

void TKexMapList::DeleteObjectRecord(int index) {
    items_.erase(items_.begin() + index);
}

void TKexMapList::PutObjectRecord(int index, TKEXMapObjectMem record) {
    if (index < Count()) {
        *items_[index] = std::move(record);
        return;
    }
    AddObjectCopy(std::move(record));
}

int64_t TKexMapList::GetPayloadSize(const TKEXMapObjectMem& record) {
    if (mapi::isPointKind(record.Kind))
        return int64_t{record.Count} * mapi::kPointSize;
    switch (record.Kind) {
    case kindText:
        return mapi::kTextSize;
    case kindBitmap:
    case kindGroup:
        return record.Count;
    case kindZametka:
        return mapi::kNoteSize;
    default:
        return 0;
    }
}

bool TKexMapList::operator==(const TKexMapList& other) const {
    return std::equal(items_.begin(), items_.end(), other.items_.begin(), other.items_.end(),
                      [](const auto& a, const auto& b) { return *a == *b; });
}
