// Linked maps: a map that names a main map shows the main map's objects (shared object list,
// grid index and street names) with its own view, and every map of a group pushes its changes to
// the others; a new street name's counter reaches them all. Also the redraw bracket over a map
// and its linked maps, the raster layer link, and the leaving of every link when the map goes.
//
// Link: own content --SetMainDataMap(M)--> sharing M's content (a copy of M's header)
//       sharing --SetMainDataMap(none), or M freed--> own content, construction header, own extent
// A map's own linked maps always share the content the map itself uses, and whatever renumbers
// that content on one map brings the indices of every map of the group in step: an edit buffer
// follows its object to the front or the back, and is dropped by a delete, a load or emptying.
#include "map/TDataMap.h"

#include <algorithm>

#include "map/FlagGuard.h"
#include "map/TKexHugeBitmap.h"
#include "toolkit/Exception.h"

void TDataMap::SetMainDataMap(TDataMap* Value) {
    if (!mainDataMap_ && !Value)
        return; // a map that is not linked has nothing to give back
    // A group is a tree under one main map: a ring would share content that nobody owns.
    for (const TDataMap* map = Value; map; map = map->mainDataMap_) {
        if (map == this)
            throw Exception("A map cannot be linked to itself");
    }
    if (!mainDataMap_)
        ownExtent_ = model_.MapExtent;
    if (mainDataMap_)
        mainDataMap_->RemoveLinkedMap(this);
    mainDataMap_ = Value;
    // Its indices belong to the list the map leaves: a post must not replace an object of the
    // other list.
    forgetIndices();
    if (Value) {
        Value->AddLinkedMap(this);
        model_.ShareContent(&Value->model_.Content());
        model_.Header = Value->model_.Header;
        editBuffer_.StreetName = Value->editBuffer_.StreetName;
        model_.MapExtent = Value->model_.MapExtent;
        shareWithLinkedMaps();
        SyncLinkedMaps(true, true);
    } else {
        model_.ShareContent(nullptr);
        model_.Header = ownHeader_;
        model_.MapExtent = ownExtent_;
        shareWithLinkedMaps();
    }
    renderer_.SetView(viewport());
    redraw();
}

void TDataMap::shareWithLinkedMaps() {
    for (TDataMap* map : linkedMaps_) {
        map->model_.ShareContent(&model_.Content());
        map->forgetIndices(); // its indices were those of the list it left
        map->shareWithLinkedMaps();
    }
}

void TDataMap::AddLinkedMap(TDataMap* Map) {
    if (std::find(linkedMaps_.begin(), linkedMaps_.end(), Map) == linkedMaps_.end())
        linkedMaps_.push_back(Map);
}

void TDataMap::RemoveLinkedMap(TDataMap* Map) {
    const auto it = std::find(linkedMaps_.begin(), linkedMaps_.end(), Map);
    if (it != linkedMaps_.end())
        linkedMaps_.erase(it);
}

void TDataMap::SyncLinkedMaps(bool Flag1, bool Flag2) {
    // Every map of a group reaches the others through its main map and its linked maps; the
    // guard ends the wave at a map it has passed.
    if (syncing_)
        return;
    mapi::FlagGuard guard(syncing_);
    if (mainDataMap_)
        pushStateTo(*mainDataMap_, Flag1, Flag2);
    // By position: a handler run by a redraw may link or unlink maps.
    for (std::size_t i = 0; i < linkedMaps_.size(); ++i)
        pushStateTo(*linkedMaps_[i], Flag1, Flag2);
}

void TDataMap::pushStateTo(TDataMap& other, bool flag1, bool flag2) {
    other.model_.Header.ObjectCount = model_.Header.ObjectCount;
    other.model_.Header.NextStreetId = model_.Header.NextStreetId;
    // The maps share one object list: a new object's id must be new on every one of them.
    other.model_.Header.NextObjectId =
        std::max(other.model_.Header.NextObjectId, model_.Header.NextObjectId);
    other.model_.MapExtent = model_.MapExtent;
    if (other.editBuffer_.SourceIndex() == editBuffer_.SourceIndex())
        other.editBuffer_ = editBuffer_;
    other.changed_ = true;
    other.RefreshMap();
    other.Repaint();
    other.SyncLinkedMaps(flag1, flag2);
}

void TDataMap::forEachMapOfGroup(const std::function<void(TDataMap&)>& visit) {
    TDataMap* top = this;
    while (top->mainDataMap_)
        top = top->mainDataMap_;
    // A group is a tree under its top (a ring is refused), so every map is met once.
    std::vector<TDataMap*> pending{top};
    while (!pending.empty()) {
        TDataMap* map = pending.back();
        pending.pop_back();
        visit(*map);
        pending.insert(pending.end(), map->linkedMaps_.begin(), map->linkedMaps_.end());
    }
}

uint16_t TDataMap::AddStreetName(std::string_view Name) {
    const int32_t before = model_.Header.NextStreetId;
    const uint16_t id = model_.AddStreetName(Name);
    if (model_.Header.NextStreetId == before)
        return id; // a name the dictionary had
    // The maps of a group share one dictionary, so each must hand out the ids after this one; what
    // they show has not changed, so none is redrawn.
    const int32_t next = model_.Header.NextStreetId;
    forEachMapOfGroup([next](TDataMap& map) { map.model_.Header.NextStreetId = next; });
    return id;
}

void TDataMap::ClearReady() {
    ready_ = false;
    for (TDataMap* map : linkedMaps_)
        map->ready_ = false;
}

void TDataMap::SetReady() {
    ready_ = true;
    for (TDataMap* map : linkedMaps_)
        map->ready_ = true;
    RefreshMap();
    Repaint();
    SyncLinkedMaps(true, false);
}

void TDataMap::SetScanMap(TKexHugeBitmap* Value) {
    if (scanMap_)
        scanMap_->RemoveClient(this);
    if (Value)
        Value->AddClient(this);
    scanMap_ = Value;
}

void TDataMap::leaveLinks() {
    SetSmallView(nullptr);
    while (!linkedMaps_.empty())
        linkedMaps_.front()->SetMainDataMap(nullptr);
    SetMainDataMap(nullptr);
    SetScanMap(nullptr);
}
