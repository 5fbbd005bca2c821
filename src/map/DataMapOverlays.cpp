// The map control's overlays: what is drawn on the control's canvas over the copied back buffer
// (measuring line, region band, pan marker and guide grid, selection frame, edit handles, lens
// frame), in that order.
//
// Several overlays are drawn in xor, so a pixel must receive each of them exactly once after the
// buffer was copied onto it: a full paint copies everything and draws them everywhere; a partial
// one copies its rectangle and draws them clipped to it, leaving the pixels outside as they were.
// The lens tool's rubber band is also drawn between paints; since every paint draws the frame
// the tool last drew, drawing that frame again always erases it.
#include "map/TDataMap.h"

#include <algorithm>
#include <array>

#include "map/EditHandles.h"
#include "map/Rounding.h"
#include "map/TKexMapList.h"
#include "map/ViewTransform.h"
#include "toolkit/Format.h"
#include "toolkit/TRegion.h"

void TDataMap::PaintOverlays(const TRect& Rect) {
    PaintRect(Rect);
    TCanvas& canvas = *Canvas();
    const TRegion clip = CreateRectRgn(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
    SelectClipRgn(canvas, &clip);
    paintOverlayLayers();
    SelectClipRgn(canvas, nullptr);
}

void TDataMap::paintOverlayLayers() {
    TCanvas& canvas = *Canvas();
    paintMeasureLine(canvas);
    paintRegionBand(canvas);
    paintScrollMarker(canvas);
    paintGuideLines(canvas);
    paintSelectionFrame(canvas);
    paintEditObject(canvas);
    if (mouse_.LensShown)
        drawLensRect(canvas, mouse_.LensRect);
}

TPoint TDataMap::pixelOf(mapi::WorldPoint p) const {
    MapToScreen(p.x, p.y);
    return Point(mapi::roundToInt(p.x), mapi::roundToInt(p.y));
}

std::vector<TPoint> TDataMap::screenPoints(std::span<const mapi::WorldPoint> points,
                                           mapi::PixelShape shape) const {
    std::vector<TPoint> pixels;
    const std::size_t n = mapi::ViewTransform(XWind(), YWind(), Scale(), renderer_.ZoomFactor())
                              .MapToPixels(points, shape, pixels)
                              .size();
    pixels.resize(n);
    return pixels;
}

void TDataMap::paintMeasureLine(TCanvas& canvas) {
    if (instrument_ != iMeasure || measurePoints_.size() < 2)
        return;
    TPen& pen = *canvas.Pen();
    pen.SetMode(pmXor);
    pen.SetWidth(3);
    pen.SetColor(clWhite);
    pen.SetStyle(psSolid);
    canvas.Polyline(screenPoints(measurePoints_, mapi::PixelShape::Path));
    pen.SetMode(pmCopy);
}

void TDataMap::paintRegionBand(TCanvas& canvas) {
    if ((instrument_ != iRegion && instrument_ != iRegionRect) || regionPoints_.size() < 2)
        return;
    TPen& pen = *canvas.Pen();
    pen.SetMode(pmXor);
    pen.SetWidth(options_.WidthRectLinza());
    pen.SetColor(clWhite);
    pen.SetStyle(psSolid);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Polygon(screenPoints(regionPoints_, mapi::PixelShape::Outline));
    pen.SetMode(pmCopy);
}

// The marker is centred on the point where the middle button went down; its transparent colour
// lets the map show round the arrows.
void TDataMap::paintScrollMarker(TCanvas& canvas) {
    if (!mouse_.Panning || scrollMarker_.Empty())
        return;
    canvas.Draw(mouse_.PanAnchor.X - scrollMarker_.Width() / 2,
                mouse_.PanAnchor.Y - scrollMarker_.Height() / 2, scrollMarker_);
}

void TDataMap::paintGuideLines(TCanvas& canvas) {
    // A step of 0 or less has no lines to divide the control into.
    if (!options_.mpGuideLines() || guideStepX_ <= 0 || guideStepY_ <= 0)
        return;
    TPen& pen = *canvas.Pen();
    pen.SetWidth(1);
    pen.SetColor(guideColor_);
    pen.SetStyle(psDot);
    pen.SetMode(pmCopy);
    canvas.Brush()->SetStyle(bsClear);
    for (int i = 0; i <= ClientWidth() / guideStepX_; ++i) {
        canvas.MoveTo(i * guideStepX_, 0);
        canvas.LineTo(i * guideStepX_, ClientHeight());
    }
    for (int i = 1; i <= ClientHeight() / guideStepY_; ++i) {
        canvas.MoveTo(0, i * guideStepY_);
        canvas.LineTo(ClientWidth(), i * guideStepY_);
    }
    TFont& font = *canvas.Font();
    font.SetName(options_.FontSystem());
    font.SetSize(7);
    font.SetColor(guideColor_);
    font.SetEscapement(0);
    font.SetOrientation(0);
    const double unitsPerPixel = 100.0 / Scale();
    if (guideStepX_ > 20) {
        for (int i = 0; i <= ClientWidth() / guideStepX_; ++i)
            canvas.TextOut(i * guideStepX_ + 2, 1,
                           Format("%n", XWind() + i * guideStepX_ * unitsPerPixel));
    }
    if (guideStepY_ > 20) {
        for (int i = 1; i <= ClientHeight() / guideStepY_; ++i)
            canvas.TextOut(2, i * guideStepY_ + 2,
                           Format("%n", YWind() + i * guideStepY_ * unitsPerPixel));
    }
}

// The pen of the selection frame and of the selected object's border: dotted, xor, in the
// background colour, so that the frame shows black on the bare background.
void TDataMap::setFramePen(TCanvas& canvas) {
    TPen& pen = *canvas.Pen();
    pen.SetWidth(1);
    pen.SetStyle(psDot);
    pen.SetMode(pmXor);
    pen.SetColor(backgroundColor_);
    // The complement of the plain colour: the dots' gaps take it.
    canvas.Brush()->SetColor(static_cast<TColor>(~ColorToRGB(backgroundColor_) & 0xFFFFFF));
    canvas.Brush()->SetStyle(bsSolid);
}

void TDataMap::paintSelectionFrame(TCanvas& canvas) {
    const TKexMapList& objects = model_.Objects();
    if (selectedObjects_.size() < 2)
        return;
    bool any = false;
    mapi::WorldRect frame;
    for (int i : selectedObjects_) {
        if (i < 0 || i >= objects.Count())
            continue;
        for (mapi::WorldPoint c : objects[i].Corners) {
            if (!any) {
                frame = {c.x, c.y, c.x, c.y};
                any = true;
            }
            frame = {std::min(frame.x1, c.x), std::min(frame.y1, c.y), std::max(frame.x2, c.x),
                     std::max(frame.y2, c.y)};
        }
    }
    if (!any)
        return;
    const TPoint lt = pixelOf({frame.x1, frame.y1});
    const TPoint rb = pixelOf({frame.x2, frame.y2});
    const std::array<TPoint, 5> outline = {lt, Point(rb.X, lt.Y), rb, Point(lt.X, rb.Y), lt};
    setFramePen(canvas);
    canvas.Polyline(outline);
    canvas.Pen()->SetMode(pmCopy);
}

// The object in the edit buffer: its border, then the handles of its handle mode.
void TDataMap::paintEditObject(TCanvas& canvas) {
    if (!selectedObject_ || !editBuffer_.Valid())
        return;
    const TKEXMapObjectMem& rec = editBuffer_.Record();
    if (options_.BorderSelectedObject() && selectedObjects_.size() <= 1) {
        const std::span<const TPoint> c = MapToScreenPoints(rec.Corners);
        const std::array<TPoint, 5> border = {c[0], c[1], c[2], c[3], c[0]};
        setFramePen(canvas);
        canvas.Polyline(border);
        canvas.Pen()->SetMode(pmCopy);
    }
    if (!options_.mpEdit() || isEditRefused(rec))
        return;
    TPen& pen = *canvas.Pen();
    TBrush& brush = *canvas.Brush();
    pen.SetWidth(1);
    pen.SetStyle(psSolid);
    switch (mouse_.Handles) {
    case mapi::handlesResize:
        // In xor a black fill leaves the inside as it was: only the outline inverts.
        pen.SetColor(clWhite);
        brush.SetColor(clBlack);
        brush.SetStyle(bsSolid);
        for (mapi::WorldPoint p : mapi::ResizeHandles(rec.Corners))
            DrawPointHandle(pmXor, p.x, p.y);
        break;
    case mapi::handlesPoints:
        if (rec.Kind == mapi::kindGroup || rec.Kind == mapi::kindText ||
            rec.Kind == mapi::kindZametka)
            break;
        pen.SetColor(clWhite);
        brush.SetStyle(bsClear);
        for (mapi::WorldPoint p : rec.Points())
            DrawPointHandle(pmXor, p.x, p.y);
        break;
    case mapi::handlesRotate:
        pen.SetColor(clBlack);
        brush.SetColor(clWhite);
        brush.SetStyle(bsSolid);
        for (mapi::WorldPoint p : rec.Corners)
            DrawRoundHandle(pmCopy, p.x, p.y);
        if (rec.Kind != mapi::kindZametka)
            paintCentreMark(canvas, pixelOf(rec.Center));
        break;
    }
}

// A ring with a cross through it, in black and again in white one pixel right and down, so that
// it shows on any colour.
void TDataMap::paintCentreMark(TCanvas& canvas, TPoint centre) {
    const int s = options_.SizeRect();
    TPen& pen = *canvas.Pen();
    pen.SetMode(pmCopy);
    canvas.Brush()->SetStyle(bsClear);
    for (const auto& [colour, shift] : {std::pair{clBlack, 0}, std::pair{clWhite, 1}}) {
        const int x = centre.X + shift;
        const int y = centre.Y + shift;
        pen.SetColor(colour);
        canvas.Ellipse(x - s, y - s, x + s + 1, y + s + 1);
        canvas.MoveTo(x, y - s - 3);
        canvas.LineTo(x, y + s + 4);
        canvas.MoveTo(x - s - 3, y);
        canvas.LineTo(x + s + 4, y);
    }
}

// Both handles take the canvas's pen and brush as the caller set them. A square handle covers
// SizeRect pixels on each side of its point, the pixels a press on it is taken in.
void TDataMap::DrawPointHandle(TPenMode Mode, float X, float Y) {
    const TPoint p = pixelOf({X, Y});
    const int s = options_.SizeRect();
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetMode(Mode);
    canvas.Rectangle(p.X - s, p.Y - s, p.X + s + 1, p.Y + s + 1);
    canvas.Pen()->SetMode(pmCopy);
}

void TDataMap::DrawRoundHandle(TPenMode Mode, float X, float Y) {
    const TPoint p = pixelOf({X, Y});
    const int s = options_.SizeRect() + 2;
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetMode(Mode);
    canvas.Ellipse(p.X - s, p.Y - s, p.X + s + 1, p.Y + s + 1);
    canvas.Pen()->SetMode(pmCopy);
}

void TDataMap::drawLensRect(TCanvas& canvas, const TRect& rect) {
    TPen& pen = *canvas.Pen();
    pen.SetMode(pmXor);
    pen.SetStyle(psDot);
    pen.SetColor(clWhite);
    pen.SetWidth(options_.WidthRectLinza());
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(rect);
    pen.SetMode(pmCopy);
}
