// The map's one edit buffer: an object record loaded from the map (or started new), changed in
// place and posted back, replacing the object it came from or appending itself. The buffer owns
// its own copy of the record and its blocks, so nothing done to it reaches the stored object
// before a post, and a post gives the map a copy of its own.
#pragma once

#include <cstdint>

#include "map/MapModel.h"
#include "map/TKEXMapObjectMem.h"
#include "map/TKEXMapText.h"
#include "map/TextMetrics.h"
#include "toolkit/AnsiString.h"

namespace mapi {

class MapEditBuffer {
public:
    bool Valid() const { return valid_; }
    // The list index the buffer belongs to: an existing object, the object count for a new one,
    // -1 before the first new or load.
    int SourceIndex() const { return sourceIndex_; }
    TKEXMapObjectMem& Record() { return record_; }
    const TKEXMapObjectMem& Record() const { return record_; }
    // Editable copies of the address block; a post turns them back into it.
    AnsiString StreetName;
    AnsiString HouseNumber;
    // The text of a loaded text object (zeroed for other kinds), for the dialogs to edit.
    const TKEXMapText& TextCopy() const { return textCopy_; }

    // A fresh record of the kind, with the next object id of the model and the drawing defaults,
    // to be appended by its first post.
    void New(const MapModel& model, uint8_t kind);
    // A copy of object Index (in range) with its address turned into the editable copies.
    void Load(const MapModel& model, int index);
    // Stores the buffer in the model (the buffer must be valid): true when something was stored.
    // A record without points or payload, and a text with an empty string, are not.
    bool Post(MapModel& model, const TextMetrics& metrics);
    // Object Index is gone from the model: the buffer is no longer valid, and its source index
    // stays below the new count.
    void ObjectDeleted(int count);
    // An object moved from one place of the list to another: the buffer follows the object it
    // names to its new place; a new object still appends.
    void ObjectMoved(int from, int to);
    // The map was emptied or replaced: no object in the buffer, as after construction.
    void Clear() { *this = MapEditBuffer(); }

private:
    void storeAddress(MapModel& model);

    TKEXMapObjectMem record_;
    bool valid_ = false;
    int sourceIndex_ = -1;
    TKEXMapText textCopy_;
};

} // namespace mapi
