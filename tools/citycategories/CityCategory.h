// The categories of the sample city's objects: id, Russian name and drawing style. The map
// stores the id in each object; the database builder writes the same table into Category.
#pragma once

#include <cstdint>
#include <span>

#include "toolkit/TBrush.h"
#include "toolkit/TPen.h"

namespace city {

struct CityCategory {
    int32_t id;
    const char* name; // UTF-8, at most 40 characters (Category.Name)
    uint32_t penColor; // 0x00BBGGRR
    TPenStyle penStyle;
    int32_t penWidth; // world units
    uint32_t brushColor;
    TBrushStyle brushStyle;
    int16_t layer; // the plane the city draws the category in
};

// Every category in id order: the map's vocabulary of city features (0 to 21) and kinds of
// business (100 to 116).
std::span<const CityCategory> cityCategories();

// The category with that id; the "undetermined" category 0 for an unknown id.
const CityCategory& cityCategory(int32_t id);

// Category ids the city builder refers to by name.
namespace cat {
constexpr int32_t Undetermined = 0, Street = 1, District = 2, Transport = 7, Commerce = 8,
                  Industry = 9,
                  Park = 10, Authority = 11, Medicine = 12, StoneHouse = 13, WoodenHouse = 14,
                  Quarter = 15, Water = 16, Event = 17, Rocks = 18, Ravine = 19, Ditch = 20,
                  Hill = 21, FirstBusiness = 100, LastBusiness = 116;
} // namespace cat

} // namespace city
