// One object of the city as the builder plans it: what a map object record holds, in plain
// values (UTF-8 texts, owned children), before it is written in some map stream layout.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "makecity/Point.h"

namespace city {

// The object kinds of the map stream; values beyond Group are kinds the map does not know.
enum class Kind : uint8_t {
    Polygon = 0, Polyline = 1, PixelSet = 2, Text = 3, Bitmap = 4, Bezier = 5, Ellipse = 6,
    Note = 7, Group = 8
};

struct Feature {
    struct Style {
        uint32_t penColor = 0;
        uint8_t penStyle = 0;
        int32_t penWidth = 0;
        int32_t caps = 0; // polylines: -1 custom pixel line, 0 round ends, 1 square ends
        uint32_t brushColor = 0;
        uint8_t brushStyle = 1;
    };
    struct Address {
        uint16_t streetId = 0;
        std::string house; // UTF-8, upper case, at most 6 characters
    };
    struct Label {
        Point anchor;
        int32_t angle = 0; // tenths of a degree, counter-clockwise on the screen
        uint8_t fontIndex = 0;
        int32_t size = 0;  // text height in world units
        std::string text;  // UTF-8, at most 70 characters
    };
    struct Note {
        Point anchor;
        std::string library; // UTF-8, at most 30 characters
        std::string icon;    // icon name; the old layouts keep only its number
        std::string text;    // UTF-8, at most 255 characters
    };

    uint32_t id = 0;
    uint8_t kind = 0; // a Kind, or an unknown kind kept as it is
    int32_t plane = 0;
    int32_t category = 0;
    bool locked = true;
    Style style;
    std::array<Point, 4> corners{};
    Point center;
    std::vector<Point> points;      // polygons, polylines, pixel sets, Bezier curves, ellipses
    std::optional<Label> label;     // texts
    std::optional<Note> note;       // notes
    std::vector<uint8_t> bytes;     // bitmaps: raw payload
    std::vector<Feature> children;  // groups
    std::optional<Address> address;
    std::optional<std::array<uint8_t, 51>> extra;

    bool is(Kind k) const { return kind == static_cast<uint8_t>(k); }
};

} // namespace city
