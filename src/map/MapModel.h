// The map without a window: its header (which holds its view), extent, index switch and hit list
// over content it owns or shares with a main map. The map control wraps it and adds what needs
// a view, events with a Sender and the linked maps.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "map/MapContent.h"
#include "map/TKEXMapHeader.h"
#include "map/ViewContext.h"
#include "map/WorldPoint.h"
#include "map/WorldRect.h"
#include "toolkit/AnsiString.h"
#include "toolkit/TStream.h"

namespace mapi {

class MapModel {
public:
    MapModel();

    // Another map's content (a main map's) in place of this map's own; nullptr returns to it.
    void ShareContent(MapContent* content);
    MapContent& Content() { return *content_; }
    const MapContent& Content() const { return *content_; }
    TKexMapList& Objects() { return content_->Objects; }
    const TKexMapList& Objects() const { return content_->Objects; }

    TKEXMapHeader Header;
    WorldRect MapExtent;

    // Load progress in percent, every 100 top-level records and once at the end.
    std::function<void(int position)> OnProgress;
    // After every HitTest and FindObjectById, with whether something was found.
    std::function<void(bool value)> OnAfterFind;

    // Replaces the content by the map read from the stream's position. Damage ends the reading
    // but not the load: complete records are kept and Damaged() says so.
    void LoadFromStream(TStream& stream);
    bool Damaged() const { return damaged_; }
    const AnsiString& DamageMessage() const { return damageMessage_; }
    // Empties objects, index, street names and hit list; a zero header with Scale 100.
    void ClearMap();

    // The id of the trimmed, upper-cased name, added with the next street-name id when new.
    // Raises Exception when that counter is past the last 16-bit id.
    uint16_t AddStreetName(std::string_view name);
    AnsiString GetStreetName(uint16_t id) const;
    // The id of the trimmed, upper-cased name, or -1.
    int FindStreetId(std::string_view name) const;

    void CalcMapBounds();
    void ExtendMapBounds(WorldPoint minPoint, WorldPoint maxPoint);
    int64_t GetObjectDataSize(const TKEXMapObjectMem& record) const;
    int GetObjectCount() const { return Header.ObjectCount; }

    // Changes of the object list that keep the grid index in step and the header's object count
    // equal to the list's. The control's own checks (locks, the edit buffer) come first; an
    // index out of range changes nothing.
    int AppendObject(TKEXMapObjectMem record);
    void ReplaceObject(int index, TKEXMapObjectMem record);
    void DeleteObject(int index);
    void BringObjectToFront(int index);
    void SendObjectToBack(int index);
    // Where the object at index is after the object at from moved to to, the objects between
    // closing the gap it left; an index outside the list stays as it is.
    static int IndexAfterMove(int index, int from, int to);

    bool UseIndex() const { return useIndex_; }
    void SetUseIndex(bool value);
    // The cell size of the index this map uses (a main map's, while linked).
    int IndexSize() const { return content_->Index.CellWidth(); }
    // Rounded down to a multiple of 100, at least 100.
    void SetIndexSize(int value);

    // Fills the hit list with the objects under the point, bottom to top (plane, then list order).
    bool HitTest(float x, float y, const ViewContext& context);
    const std::vector<int>& HitList() const { return hitList_; }
    // Ascending indices of the objects whose frame's least and greatest corners both lie inside
    // the polygon.
    std::vector<int> ObjectsInRegion(std::span<const WorldPoint> region);

    // The first object at the address, of the category (any when negative), or -1.
    int FindObjectByAddress(int category, std::string_view street, std::string_view house) const;
    int FindObjectById(uint32_t id);

private:
    bool isInList(int index) const { return index >= 0 && index < content_->Objects.Count(); }
    // The index answers only while this map asks for it and the shared index is on.
    bool isIndexed() const { return useIndex_ && content_->Index.Active(); }
    void fireAfterFind(bool value) const;
    void unindex(int index);
    // Visits every object that may lie in the area: all of them, or the index's answer.
    template <typename Visit>
    void forEachCandidate(const WorldRect& area, Visit visit);

    std::unique_ptr<MapContent> own_;
    MapContent* content_;
    bool useIndex_ = false;
    std::vector<int> hitList_;
    bool damaged_ = false;
    AnsiString damageMessage_;
};

} // namespace mapi
