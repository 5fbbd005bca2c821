// The map model's operations: loading and emptying, street names, extent, index switch, hit
// testing, region selection and the look-ups by address and id.
//
// Content: own (after construction, and after ShareContent(nullptr)) <-> shared (ShareContent
// with a main map's content); either way the header, extent, index switch and hit list stay this
// map's. Load state: intact <-> damaged, set by every LoadFromStream, cleared by ClearMap.
#include "map/MapModel.h"

#include <algorithm>

#include "map/HitTest.h"
#include "map/MapGeometry.h"
#include "map/MapStreamReader.h"
#include "map/QuickSort.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/Exception.h"

namespace mapi {
namespace {

TKEXMapHeader emptyHeader() {
    TKEXMapHeader header;
    header.Scale = 100;
    return header;
}

} // namespace

MapModel::MapModel()
    : Header(emptyHeader()), own_(std::make_unique<MapContent>()), content_(own_.get()) {}

void MapModel::ShareContent(MapContent* content) {
    content_ = content ? content : own_.get();
    hitList_.clear();
}

void MapModel::fireAfterFind(bool value) const {
    if (OnAfterFind)
        OnAfterFind(value);
}

void MapModel::LoadFromStream(TStream& stream) {
    MapContent& content = *content_;
    content.Objects.Clear();
    const bool wasIndexed = content.Index.Active();
    content.Index.SetActive(false);
    content.StreetNames.Clear();
    hitList_.clear();
    MapExtent = {};
    Header = emptyHeader();

    MapStreamReader reader(stream);
    reader.OnProgress = OnProgress;
    const MapReadResult result = reader.Read(Header, content.StreetNames, content.Objects);
    damaged_ = result.damaged;
    damageMessage_ = result.message;
    MapExtent = result.extent;
    content.Index.SetActive(wasIndexed);
}

void MapModel::ClearMap() {
    MapContent& content = *content_;
    content.Index.Clear();
    content.Objects.Clear();
    content.StreetNames.Clear();
    hitList_.clear();
    MapExtent = {};
    Header = emptyHeader();
    damaged_ = false;
    damageMessage_.clear();
}

uint16_t MapModel::AddStreetName(std::string_view name) {
    AnsiString key = AnsiUpperCase(Trim(name));
    if (const auto id = content_->StreetNames.Find(key))
        return *id;
    // Ids are 16-bit and never reused: past the last one a new name has no id to take.
    if (Header.NextStreetId < 0 || Header.NextStreetId > 0xFFFF)
        throw Exception("No street-name id is left for \"" + key + "\"");
    const auto id = static_cast<uint16_t>(Header.NextStreetId);
    content_->StreetNames.Add(std::move(key), id);
    ++Header.NextStreetId;
    return id;
}

AnsiString MapModel::GetStreetName(uint16_t id) const { return content_->StreetNames.NameOf(id); }

int MapModel::FindStreetId(std::string_view name) const {
    const auto id = content_->StreetNames.Find(AnsiUpperCase(Trim(name)));
    return id ? int{*id} : -1;
}

void MapModel::CalcMapBounds() {
    MapExtent = {};
    const TKexMapList& objects = content_->Objects;
    if (objects.IsEmpty())
        return;
    const TKEXMapObjectMem& first = objects[0];
    MapExtent = {first.Corners[0].x, first.Corners[0].y, first.Corners[2].x, first.Corners[2].y};
    for (int i = 0; i < objects.Count(); ++i)
        ExtendMapBounds(objects[i].Corners[0], objects[i].Corners[2]);
}

void MapModel::ExtendMapBounds(WorldPoint minPoint, WorldPoint maxPoint) {
    extendBounds(MapExtent, minPoint, maxPoint);
}

int64_t MapModel::GetObjectDataSize(const TKEXMapObjectMem& record) const {
    return TKexMapList::GetPayloadSize(record);
}

void MapModel::unindex(int index) {
    TKexMapIndex& grid = content_->Index;
    grid.UnindexObject(grid.GetCellRange(index), index);
}

int MapModel::AppendObject(TKEXMapObjectMem record) {
    const int index = content_->Objects.AddObjectCopy(std::move(record));
    content_->Index.IndexObject(index);
    Header.ObjectCount = content_->Objects.Count();
    return index;
}

void MapModel::ReplaceObject(int index, TKEXMapObjectMem record) {
    if (!isInList(index))
        return;
    TKexMapIndex& grid = content_->Index;
    unindex(index);
    content_->Objects.PutObjectRecord(index, std::move(record));
    grid.IndexObject(index);
}

void MapModel::DeleteObject(int index) {
    if (!isInList(index))
        return;
    TKexMapIndex& grid = content_->Index;
    unindex(index);
    grid.ShiftAfterDelete(index);
    content_->Objects.DeleteObjectRecord(index);
    Header.ObjectCount = content_->Objects.Count();
}

void MapModel::BringObjectToFront(int index) {
    if (!isInList(index))
        return;
    TKexMapIndex& grid = content_->Index;
    unindex(index);
    grid.ShiftAfterDelete(index);
    const int last = content_->Objects.Count() - 1;
    content_->Objects.MoveObjectRecord(index, last);
    grid.IndexObject(last);
}

int MapModel::IndexAfterMove(int index, int from, int to) {
    if (index == from)
        return to;
    if (from < to && index > from && index <= to)
        return index - 1;
    if (to < from && index >= to && index < from)
        return index + 1;
    return index;
}

void MapModel::SendObjectToBack(int index) {
    if (!isInList(index))
        return;
    TKexMapIndex& grid = content_->Index;
    unindex(index);
    // The objects before it move up one place; those after it keep theirs.
    grid.ShiftAfterDelete(index + 1);
    grid.ShiftAfterInsert(0);
    content_->Objects.MoveObjectRecord(index, 0);
    grid.IndexObject(0);
}

void MapModel::SetUseIndex(bool value) {
    useIndex_ = value;
    content_->Index.SetActive(value);
}

void MapModel::SetIndexSize(int value) {
    // Cells must keep a positive size; anything below one step of 100 takes that step.
    const int size = std::max(value / 100 * 100, 100);
    content_->Index.SetCellSize(size, size); // nothing when the size is the same
}

template <typename Visit>
void MapModel::forEachCandidate(const WorldRect& area, Visit visit) {
    if (!isIndexed()) {
        for (int i = 0; i < content_->Objects.Count(); ++i)
            visit(i);
        return;
    }
    for (const int i : content_->Index.QueryDistinct(area.x1, area.y1, area.x2, area.y2))
        visit(i);
}

bool MapModel::HitTest(float x, float y, const ViewContext& context) {
    hitList_.clear();
    const TKexMapList& objects = content_->Objects;
    const auto test = [&](int i) {
        if (HitTestObject(x, y, i, objects, context) >= 0)
            hitList_.push_back(i);
    };
    // Through the index only the objects the point can hit are tried: the same hits, ascending, as
    // walking every object of the point's cell and its neighbours.
    if (isIndexed()) {
        for (int i : content_->Index.PickCandidates(x, y))
            test(i);
    } else {
        forEachCandidate(WorldRect{x, y, x, y}, test);
    }
    const bool found = !hitList_.empty();
    if (hitList_.size() >= 2) {
        const int64_t stride = int64_t{objects.Count()} + 1;
        quickSortByKey(hitList_, 0, static_cast<int>(hitList_.size()) - 1,
                       [&](int i) { return int64_t{objects[i].Plane} * stride + i; });
    }
    fireAfterFind(found);
    return found;
}

std::vector<int> MapModel::ObjectsInRegion(std::span<const WorldPoint> region) {
    std::vector<int> selected;
    if (region.empty())
        return selected;
    const TKexMapList& objects = content_->Objects;
    forEachCandidate(boundsOf(region), [&](int i) {
        const WorldRect frame = boundsOf(objects[i].Corners);
        if (PointInPolygon(region, frame.x1, frame.y1) &&
            PointInPolygon(region, frame.x2, frame.y2))
            selected.push_back(i);
    });
    return selected;
}

int MapModel::FindObjectByAddress(int category, std::string_view street,
                                  std::string_view house) const {
    const int streetId = FindStreetId(street);
    if (streetId < 0)
        return -1;
    const AnsiString houseKey = Trim(AnsiUpperCase(house));
    const TKexMapList& objects = content_->Objects;
    for (int i = 0; i < objects.Count(); ++i) {
        const TKEXMapObjectMem& record = objects[i];
        if (record.HasAddress() && (category < 0 || category == record.Category) &&
            record.Address->StreetId == streetId && record.Address->House.str() == houseKey)
            return i;
    }
    return -1;
}

int MapModel::FindObjectById(uint32_t id) {
    const TKexMapList& objects = content_->Objects;
    for (int i = 0; i < objects.Count(); ++i) {
        if (objects[i].Id == id) {
            fireAfterFind(true);
            return i;
        }
    }
    fireAfterFind(false);
    return -1;
}

} // namespace mapi
