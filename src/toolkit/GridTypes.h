// The small types the grids share: cell coordinates and ranges, options, draw states, the
// grid's mouse states and the grid events.
#pragma once

#include <functional>

#include "toolkit/TPersistent.h"
#include "toolkit/TRect.h"

struct TGridCoord {
    int X = 0;
    int Y = 0;
    bool operator==(const TGridCoord&) const = default;
};

// A block of cells, both corners inside.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TGridRect&) const = default;
    bool contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
};

using TGridOptions = unsigned;
constexpr TGridOptions goFixedVertLine = 1u << 0;
constexpr TGridOptions goFixedHorzLine = 1u << 1;
constexpr TGridOptions goVertLine = 1u << 2;
constexpr TGridOptions goHorzLine = 1u << 3;
constexpr TGridOptions goRangeSelect = 1u << 4;
constexpr TGridOptions goDrawFocusSelected = 1u << 5;
constexpr TGridOptions goRowSizing = 1u << 6;
constexpr TGridOptions goColSizing = 1u << 7;
constexpr TGridOptions goRowMoving = 1u << 8;
constexpr TGridOptions goColMoving = 1u << 9;
constexpr TGridOptions goEditing = 1u << 10;
constexpr TGridOptions goTabs = 1u << 11;
constexpr TGridOptions goRowSelect = 1u << 12;
constexpr TGridOptions goAlwaysShowEditor = 1u << 13;
constexpr TGridOptions goThumbTracking = 1u << 14;

using TGridDrawState = unsigned;
constexpr TGridDrawState gdSelected = 1u << 0;
constexpr TGridDrawState gdFocused = 1u << 1;
constexpr TGridDrawState gdFixed = 1u << 2;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

using TSelectCellEvent = std::function<void(TPersistent* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TPersistent* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
