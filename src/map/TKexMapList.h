// A list of map object records: the map's top-level objects in drawing order, and the children
// of each group. The list owns its records; copying the list copies them.
#pragma once

#include <memory>
#include <vector>

#include "map/TKEXMapObjectMem.h"

namespace mapi {
class MapStreamReader;
}

class TKexMapList {
public:
    TKexMapList() = default;
    TKexMapList(const TKexMapList& other);
    TKexMapList(TKexMapList&&) noexcept = default;
    TKexMapList& operator=(const TKexMapList& other);
    TKexMapList& operator=(TKexMapList&&) noexcept = default;
    ~TKexMapList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    const TKEXMapObjectMem& operator[](int index) const { return items_[index]; }
    TKEXMapObjectMem& operator[](int index) { return items_[index]; }

    // Appends the record (moved in, with its blocks) and returns its index.
    int AddObjectCopy(TKEXMapObjectMem record);
    // A deep copy of Source moved by (DX, DY): the anchor of a text or a note, the points of the
    // point kinds, the children of a group likewise; bitmap bytes, Corners and Center unmoved.
    static TKEXMapObjectMem CloneObjectRecord(const TKEXMapObjectMem& source, float dx, float dy);
    // Releases record Index with its blocks and children; later records move down one place.
    void DeleteObjectRecord(int index);
    // Replaces record Index, or appends the record when Index is at or beyond the end.
    void PutObjectRecord(int index, TKEXMapObjectMem record);
    const TKEXMapObjectMem& GetObjectRecord(int index) const { return items_[index]; }
    // Moves record From to position To; the records between shift by one place.
    void MoveObjectRecord(int from, int to);
    // The payload's byte count on the stream, by kind and Count.
    static int64_t GetPayloadSize(const TKEXMapObjectMem& record);

    void Clear() { items_.clear(); }

    bool operator==(const TKexMapList& other) const;

private:
    struct PayloadShift;
    // The reader builds each record in its place in the list, not in a copy moved there.
    friend class mapi::MapStreamReader;

    // Records lie side by side: a loaded map costs one block for them, not one per record.
    std::vector<TKEXMapObjectMem> items_;
};
