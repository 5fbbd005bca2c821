// The renderer: draws a map's objects on any canvas for a viewport. A pass runs in fixed steps:
// cull the visible objects (through the grid index when it is on) into 65 level lists by plane,
// then draw the levels in order. It knows the model and the options, never the control.
#pragma once

#include <array>
#include <bitset>
#include <vector>

#include "map/MapEvents.h"
#include "map/MapIconSource.h"
#include "map/MapModel.h"
#include "map/ViewTransform.h"
#include "map/WorldRect.h"
#include "map/tKexMapOptions.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"

namespace mapi {

// The control's handlers that the renderer fires, each only when assigned.
struct RenderEvents {
    const TPaintObjectEvent* OnPaintObject = nullptr;
    const TFilteredObjectEvent* OnFilteredObject = nullptr;
    const TPixelLineEvent* OnPixelLineEvent = nullptr;
};

// The view a pass draws: the world point at the top-left pixel, the scale in percent (at least
// 1) and the client size in pixels.
struct Viewport {
    float XWind = 0;
    float YWind = 0;
    int Scale = 100;
    int Width = 0;
    int Height = 0;
};

// Milliseconds of the last pass's steps, and what its drawing step drew.
struct RenderTimings {
    double CullMs = 0;
    double BackgroundMs = 0;
    double DrawMs = 0;
    // Shapes, texts, icons and house numbers handed to the canvas (a pixel set's points each).
    int Primitives = 0;
};

class MapRenderer {
public:
    static constexpr int kLevelCount = 65;
    static constexpr int kCategoryCount = 1025;
    // Point lists are converted into one reused pixel array of at least this many points.
    static constexpr std::size_t kPixelRoom = 30000;

    MapRenderer(MapModel& model, const tKexMapOptions& options, MapIconSource& icons,
                RenderEvents events);

    // The view of the following culling and drawing; the extra zoom factor returns to 1.
    void SetView(const Viewport& view);
    // The same at a zoom between whole percents (a whole map fitted into a small picture): pixels
    // per world unit in place of the viewport's Scale / 100.
    void SetView(const Viewport& view, double pixelsPerUnit);
    const Viewport& View() const { return view_; }
    void SetZoomFactor(float factor);
    float ZoomFactor() const { return factor_; }

    bool Filter() const { return filter_; }
    void SetFilter(bool value) { filter_ = value; }
    // Categories outside 0..1024 have no flag: they count as switched off.
    bool GetCategoryVisible(int category) const;
    void SetCategoryVisible(int category, bool value);
    int MinZametka() const { return minZametka_; }
    void SetMinZametka(int value) { minZametka_ = value; }
    // Off for the mini-map: notes are left out, also inside groups.
    bool NotesShown() const { return notesShown_; }
    void SetNotesShown(bool value) { notesShown_ = value; }

    // The culling pass over the world window: empties the level lists and fills them anew.
    void CollectVisibleObjects(const WorldRect& window);
    bool IsObjectVisible(int index) const;
    // 1 left of x1, 4 right of x2, 2 above y1, 8 below y2 of the last culled window.
    int ClipCode(float x, float y) const;
    const std::vector<int>& LevelList(int level) const {
        return levels_[static_cast<std::size_t>(level)];
    }
    int CollectedCount() const { return collected_; }

    // Draws the level lists 0 to 64 in order, each in list order.
    void DrawLevels(TCanvas& canvas);
    // Draws one object record in the current view.
    void DrawObject(const TKEXMapObjectMem& record, TCanvas& canvas);
    // Fills rect with the background colour, or with the Grass pattern when given.
    void FillBackground(TCanvas& canvas, const TRect& rect, TColor color, const TBitmap* grass);

    // Black or white, whichever reads on the colour: white when its largest channel is below 150.
    static TColor ContrastColor(TColor color);
    // The ellipse inscribed in the quadrilateral of four pixel corners, as four Bezier curves.
    static void DrawBezierEllipse(TCanvas& canvas, TPoint c0, TPoint c1, TPoint c2, TPoint c3);
    // Clips the segment to the client area and hands its pixels to OnPixelLineEvent, numbered from
    // 0 at the segment's start; only while a custom polyline is being drawn (the handler receives
    // that object).
    void DrawPixelLine(TCanvas& canvas, int x1, int y1, int x2, int y2);

    const RenderTimings& Timings() const { return timings_; }

private:
    bool isCandidate(const TKEXMapObjectMem& record);
    // Whether the record's frame meets the last culled window.
    bool meetsWindow(const TKEXMapObjectMem& record) const;
    bool isLargeEnough(const TKEXMapObjectMem& record) const;
    void take(int index, const TKEXMapObjectMem& record);
    void reservePixels(const TKEXMapObjectMem& record);
    void drawRecord(const TKEXMapObjectMem& record, TCanvas& canvas);
    std::span<TPoint> toPixels(std::span<const WorldPoint> points);
    WorldPoint toScreen(WorldPoint p) const;
    TPoint toPixel(WorldPoint p) const;
    void setUpPen(const TKEXMapObjectMem& record, TCanvas& canvas) const;
    void paintObject(const TKEXMapObjectMem& record, TCanvas& canvas) const;
    void drawPolyline(const TKEXMapObjectMem& record, TCanvas& canvas);
    bool drawText(const TKEXMapObjectMem& record, TCanvas& canvas);
    void drawNote(const TKEXMapObjectMem& record, TCanvas& canvas);
    void drawHouseNumber(const TKEXMapObjectMem& record, TCanvas& canvas);

    MapModel& model_;
    const tKexMapOptions& options_;
    MapIconSource& icons_;
    RenderEvents events_;

    Viewport view_;
    ViewTransform transform_{0, 0, 100};
    float zoom_ = 1.0f;     // pixels per world unit, as culling compares extents
    double sizeZoom_ = 1.0; // the same in double: sizes of Size 10 at Scale 70 are 7 pixels, not 6
    float factor_ = 1.0f;
    bool filter_ = false;
    std::bitset<kCategoryCount> categories_;
    int minZametka_ = 1;
    bool notesShown_ = true;

    bool culling_ = false;
    WorldRect window_;
    int collected_ = 0;
    std::size_t largestPointList_ = 0;
    std::array<std::vector<int>, kLevelCount> levels_;
    std::vector<TPoint> pixels_;
    const TKEXMapObjectMem* pixelLineObject_ = nullptr; // the custom polyline being walked
    RenderTimings timings_;
};

} // namespace mapi
