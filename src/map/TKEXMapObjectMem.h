// One map object in memory: the fields of the stream record, and the blocks it owns (payload,
// address, extra). Copies are deep, so a copy never points into another record's blocks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "map/Boxed.h"
#include "map/PointList.h"
#include "map/TKEXMapAddress.h"
#include "map/TKEXMapBrush.h"
#include "map/TKEXMapExtra.h"
#include "map/TKEXMapPen.h"
#include "map/TKEXMapText.h"
#include "map/TKEXMapZametka.h"
#include "map/WorldPoint.h"

class TKexMapList;

namespace mapi {

// Object kinds, the Kind byte.
enum : uint8_t {
    kindPolygon = 0,
    kindPolyline = 1,
    kindPixels = 2,
    kindText = 3,
    kindBitmap = 4,
    kindBezier = 5,
    kindEllipse = 6,
    kindZametka = 7,
    kindGroup = 8,
};

// What a record carries besides its fields: points (kinds 0, 1, 2, 5, 6), raw bitmap bytes
// (kind 4), a text (3), a note (7), the children of a group (8), or nothing.
using MapPayload = std::variant<std::monostate, PointList, std::vector<uint8_t>,
                                Boxed<TKEXMapText>, Boxed<TKEXMapZametka>, Boxed<TKexMapList>>;

// True for the kinds whose payload is Count points.
bool isPointKind(uint8_t kind);

} // namespace mapi

// Each record starts a cache line, so that the fields every pass over the list reads (frame,
// kind, plane, category) lie in one line whatever the record's place.
struct alignas(64) TKEXMapObjectMem {
    TKEXMapObjectMem();
    TKEXMapObjectMem(const TKEXMapObjectMem& other);
    TKEXMapObjectMem(TKEXMapObjectMem&& other) noexcept;
    TKEXMapObjectMem& operator=(const TKEXMapObjectMem& other);
    TKEXMapObjectMem& operator=(TKEXMapObjectMem&& other) noexcept;
    ~TKEXMapObjectMem();

    uint32_t Id = 0;
    int32_t Reserved1 = 0;
    uint8_t Reserved2 = 0;
    // The (possibly rotated) frame; unrotated, corner 0 is the minimum and corner 2 the maximum.
    std::array<mapi::WorldPoint, 4> Corners = {};
    mapi::WorldPoint Center;
    int32_t Plane = 0; // drawn in level Plane + 32
    int32_t Category = 0;
    uint8_t Locked = 0;
    uint8_t Kind = 0;
    int32_t Count = 0; // points, bitmap bytes or children, by kind
    TKEXMapPen Pen;
    TKEXMapBrush Brush;
    std::optional<TKEXMapAddress> Address;
    std::optional<TKEXMapExtra> Extra;
    mapi::MapPayload Data;

    bool HasAddress() const { return Address.has_value(); }
    bool HasExtra() const { return Extra.has_value(); }

    // Views of the payload: empty or null when the record carries another one.
    std::span<const mapi::WorldPoint> Points() const;
    std::span<const uint8_t> Bitmap() const;
    const TKEXMapText* Text() const;
    const TKEXMapZametka* Note() const;
    const TKexMapList* Children() const;
    TKexMapList* Children();

    // Replace the payload; Count follows it (1 for a text or a note).
    void SetPoints(std::vector<mapi::WorldPoint> points);
    void SetBitmap(std::vector<uint8_t> bytes);
    void SetText(const TKEXMapText& text);
    void SetNote(const TKEXMapZametka& note);
    void SetChildren(TKexMapList children);

    bool operator==(const TKEXMapObjectMem& other) const;
};
