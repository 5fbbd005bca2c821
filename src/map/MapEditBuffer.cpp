// The edit buffer's life and its post into the model.
//
//   invalid --New--> new (source index = object count)
//   invalid --Load(i)--> loaded (source index = i)
//   new --Load(i)--> loaded;  loaded --Load(j)--> loaded;  loaded --New--> new
//   new --Post, nothing stored (no points, empty text)--> new
//   new --Post, stored--> loaded (source index = its new list index)
//   loaded --Post--> loaded (the stored object replaced)
//   new, loaded --ObjectDeleted--> invalid (source index kept below the count)
//   new, loaded --ObjectMoved--> the same (a loaded buffer's source index follows its object)
//   any --Clear--> invalid (source index -1)
#include "map/MapEditBuffer.h"

#include <cmath>

#include "map/ObjectBounds.h"
#include "map/TKexMapList.h"
#include "toolkit/AnsiStrings.h"

namespace mapi {
namespace {

// The drawing defaults of a new object: a white solid hairline, no fill.
constexpr TKEXMapPen kDefaultPen{0xFFFFFF, /*Style=*/0, /*Width=*/0, /*Caps=*/0};
constexpr TKEXMapBrush kDefaultBrush{0, /*Style=bsClear*/ 1};
constexpr std::size_t kHouseLength = 6;

bool isStorable(const TKEXMapObjectMem& record) {
    if (record.Count == 0)
        return false;
    if (record.Kind != kindText)
        return true;
    const TKEXMapText* text = record.Text();
    return text != nullptr && !text->Text.str().empty();
}

} // namespace

void MapEditBuffer::New(const MapModel& model, uint8_t kind) {
    record_ = TKEXMapObjectMem();
    record_.Id = model.Header.NextObjectId;
    record_.Pen = kDefaultPen;
    record_.Brush = kDefaultBrush;
    record_.Kind = kind;
    sourceIndex_ = model.Objects().Count();
    StreetName.clear();
    HouseNumber.clear();
    textCopy_ = TKEXMapText();
    valid_ = true;
}

void MapEditBuffer::Load(const MapModel& model, int index) {
    sourceIndex_ = index;
    record_ = model.Objects()[index];
    const TKEXMapText* text = record_.Kind == kindText ? record_.Text() : nullptr;
    textCopy_ = text ? *text : TKEXMapText();
    StreetName = record_.HasAddress() ? model.GetStreetName(record_.Address->StreetId) : AnsiString();
    HouseNumber = record_.HasAddress() ? record_.Address->House.str() : AnsiString();
    valid_ = true;
}

void MapEditBuffer::storeAddress(MapModel& model) {
    if (Trim(StreetName).empty()) {
        record_.Address.reset();
        return;
    }
    TKEXMapAddress address;
    address.StreetId = model.AddStreetName(StreetName);
    // Kept as the address search looks for it: trimmed and upper-cased.
    address.House.assign(AnsiUpperCase(Trim(HouseNumber)).substr(0, kHouseLength));
    record_.Address = address;
}

bool MapEditBuffer::Post(MapModel& model, const TextMetrics& metrics) {
    if (!isStorable(record_))
        return false;
    const TKexMapList& objects = model.Objects();
    CalcObjectBounds(record_, metrics);
    storeAddress(model);
    if (sourceIndex_ >= 0 && sourceIndex_ < objects.Count()) {
        model.ReplaceObject(sourceIndex_, record_);
    } else {
        const WorldPoint c1 = record_.Corners[0];
        const WorldPoint c3 = record_.Corners[2];
        record_.Center = record_.Kind == kindText || record_.Kind == kindZametka
                             ? c1
                             : WorldPoint{c1.x + std::abs(c1.x - c3.x) / 2, c1.y + std::abs(c1.y - c3.y) / 2};
        sourceIndex_ = model.AppendObject(record_);
        ++model.Header.NextObjectId;
    }
    // The extent of an empty map is no rectangle yet: the first object makes it.
    if (objects.Count() == 1)
        model.CalcMapBounds();
    else
        model.ExtendMapBounds(record_.Corners[0], record_.Corners[2]);
    return true;
}

void MapEditBuffer::ObjectDeleted(int count) {
    valid_ = false;
    if (sourceIndex_ >= count)
        sourceIndex_ = count - 1;
}

void MapEditBuffer::ObjectMoved(int from, int to) {
    sourceIndex_ = MapModel::IndexAfterMove(sourceIndex_, from, to);
}

} // namespace mapi
