// The object record's special members and payload views, out of line because a group's payload
// is a TKexMapList, which holds records itself.
#include "map/TKEXMapObjectMem.h"

#include "map/TKexMapList.h"

namespace mapi {

bool isPointKind(uint8_t kind) {
    return kind == mapi::kindPolygon || kind == mapi::kindPolyline || kind == mapi::kindPixels ||
           kind == mapi::kindBezier || kind == mapi::kindEllipse;
}

} // namespace mapi

TKEXMapObjectMem::TKEXMapObjectMem() = default;
TKEXMapObjectMem::TKEXMapObjectMem(const TKEXMapObjectMem& other) = default;
TKEXMapObjectMem::TKEXMapObjectMem(TKEXMapObjectMem&& other) noexcept = default;
TKEXMapObjectMem& TKEXMapObjectMem::operator=(const TKEXMapObjectMem& other) = default;
TKEXMapObjectMem& TKEXMapObjectMem::operator=(TKEXMapObjectMem&& other) noexcept = default;
TKEXMapObjectMem::~TKEXMapObjectMem() = default;

std::span<const mapi::WorldPoint> TKEXMapObjectMem::Points() const {
    if (const auto* points = std::get_if<mapi::PointList>(&Data))
        return {points->data(), points->size()};
    return {};
}

std::span<const uint8_t> TKEXMapObjectMem::Bitmap() const {
    if (const auto* bytes = std::get_if<std::vector<uint8_t>>(&Data))
        return *bytes;
    return {};
}

const TKEXMapText* TKEXMapObjectMem::Text() const {
    const auto* box = std::get_if<mapi::Boxed<TKEXMapText>>(&Data);
    return box ? box->get() : nullptr;
}

const TKEXMapZametka* TKEXMapObjectMem::Note() const {
    const auto* box = std::get_if<mapi::Boxed<TKEXMapZametka>>(&Data);
    return box ? box->get() : nullptr;
}

const TKexMapList* TKEXMapObjectMem::Children() const {
    const auto* box = std::get_if<mapi::Boxed<TKexMapList>>(&Data);
    return box ? box->get() : nullptr;
}

TKexMapList* TKEXMapObjectMem::Children() {
    auto* box = std::get_if<mapi::Boxed<TKexMapList>>(&Data);
    return box ? box->get() : nullptr;
}

void TKEXMapObjectMem::SetPoints(std::vector<mapi::WorldPoint> points) {
    Count = static_cast<int32_t>(points.size());
    Data = mapi::PointList(points);
}

void TKEXMapObjectMem::SetBitmap(std::vector<uint8_t> bytes) {
    Count = static_cast<int32_t>(bytes.size());
    Data = std::move(bytes);
}

void TKEXMapObjectMem::SetText(const TKEXMapText& text) {
    Count = 1;
    Data = mapi::Boxed<TKEXMapText>(text);
}

void TKEXMapObjectMem::SetNote(const TKEXMapZametka& note) {
    Count = 1;
    Data = mapi::Boxed<TKEXMapZametka>(note);
}

void TKEXMapObjectMem::SetChildren(TKexMapList children) {
    Count = children.Count();
    Data = mapi::Boxed<TKexMapList>(std::move(children));
}

bool TKEXMapObjectMem::operator==(const TKEXMapObjectMem& other) const {
    return Id == other.Id && Reserved1 == other.Reserved1 && Reserved2 == other.Reserved2 &&
           Corners == other.Corners && Center == other.Center && Plane == other.Plane &&
           Category == other.Category && Locked == other.Locked && Kind == other.Kind &&
           Count == other.Count && Pen == other.Pen && Brush == other.Brush &&
           Address == other.Address && Extra == other.Extra && Data == other.Data;
}
