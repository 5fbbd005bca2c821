// The map's side of the mini-map: the link to its preview, the whole map rendered small, the
// recentring from a preview pixel and the frame of the view. The preview picture is drawn by a
// renderer of its own, without notes, so that the map's culled levels and view stay as they
// were.
#include "map/TDataMap.h"

#include <algorithm>
#include <cmath>

#include "map/Rounding.h"
#include "map/TSmallPreView.h"
#include "toolkit/AnsiString.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TApplication.h"

namespace {

// The whole extent fitted into the preview and centred in it: a preview pixel p is the world
// coordinate p * 100 / Scale + origin.
struct SmallFit {
    double Scale;   // percent
    double OriginX; // world point of the preview's top-left pixel
    double OriginY;
    int Width; // the preview in pixels, at least 1
    int Height;
};

SmallFit fitInto(const mapi::WorldRect& extent, int previewWidth, int previewHeight) {
    const int pw = std::max(previewWidth, 1);
    const int ph = std::max(previewHeight, 1);
    const double w = std::abs(double{extent.x2} - extent.x1);
    const double h = std::abs(double{extent.y2} - extent.y1);
    const double s = std::min(100 / (w / pw), 100 / (h / ph));
    const double originX = extent.x1 + w / 2 - (pw * 100 / s) / 2;
    const double originY = extent.y1 + h / 2 - (ph * 100 / s) / 2;
    return {s, originX, originY, pw, ph};
}

bool hasArea(const mapi::WorldRect& extent) {
    return extent.x2 - extent.x1 != 0 && extent.y2 - extent.y1 != 0;
}

// Preview pixels of a frame far outside the preview are held where lines can still be drawn and
// their halves computed without overflow.
int framePixel(double worldOffset, double pixelsPerUnit) {
    constexpr int kFar = 30000;
    return std::clamp(mapi::truncToInt(mapi::truncToInt(worldOffset) * pixelsPerUnit), -kFar, kFar);
}

// House numbers off, without the options' change handler redrawing the map, for one scope.
class NumbersOff {
public:
    explicit NumbersOff(tKexMapOptions& options)
        : options_(options), notify_(options.Notify()), numbers_(options.mpNumberDom()) {
        options_.SetNotify(false);
        options_.SetmpNumberDom(false);
    }
    ~NumbersOff() {
        options_.SetmpNumberDom(numbers_);
        options_.SetNotify(notify_);
    }
    NumbersOff(const NumbersOff&) = delete;
    NumbersOff& operator=(const NumbersOff&) = delete;

private:
    tKexMapOptions& options_;
    bool notify_;
    bool numbers_;
};

} // namespace

void TDataMap::SetSmallView(TSmallPreView* Value) {
    if (Value && Value->map_ && Value->map_ != this) {
        Application->MessageBox(tk::fromUtf8("Ошибка ! С компонентом ") + Value->Name() +
                                    tk::fromUtf8(" уже связан другой компонент DataMap"),
                                "", MB_OK | MB_ICONERROR);
        return;
    }
    // A preview keeps pointing only at the map that shows in it, so that freeing either side
    // leaves nothing dangling.
    if (smallView_ && smallView_ != Value)
        smallView_->map_ = nullptr;
    smallView_ = Value;
    if (!Value || Value->map_ == this)
        return;
    Value->map_ = this;
    // What the preview showed before is not this map: its next paint renders anew.
    Value->renderedWidth_ = 0;
    Value->renderedHeight_ = 0;
}

mapi::MapRenderer& TDataMap::smallRenderer() {
    if (!smallRenderer_) {
        smallRenderer_ = std::make_unique<mapi::MapRenderer>(
            model_, options_, icons_,
            mapi::RenderEvents{&OnPaintObject, &OnFilteredObject, &OnPixelLineEvent});
        smallRenderer_->SetNotesShown(false);
    }
    return *smallRenderer_;
}

void TDataMap::RenderSmallView() {
    const mapi::WorldRect extent = model_.MapExtent;
    if (!smallView_ || !hasArea(extent))
        return;
    const SmallFit fit = fitInto(extent, smallView_->Width(), smallView_->Height());
    mapi::MapRenderer& renderer = smallRenderer();
    // Its category filter stays off: the preview shows every object.
    renderer.SetView({static_cast<float>(fit.OriginX), static_cast<float>(fit.OriginY), Scale(),
                      fit.Width, fit.Height},
                     fit.Scale * 0.01);
    renderer.CollectVisibleObjects(extent);
    smallBitmap_.SetSize(fit.Width, fit.Height);
    TCanvas& canvas = *smallBitmap_.Canvas();
    renderer.FillBackground(canvas, Rect(0, 0, fit.Width, fit.Height), backgroundColor_,
                            grassPattern());
    {
        NumbersOff numbersOff(options_);
        renderer.DrawLevels(canvas);
    }
    // Only a rendering that took place counts: a preview painted before its map had anything to
    // show renders at its next paint.
    smallView_->renderedWidth_ = smallView_->Width();
    smallView_->renderedHeight_ = smallView_->Height();
    smallView_->Picture()->Bitmap()->Assign(smallBitmap_);
    smallView_->Invalidate();
    DrawSmallViewFrame();
}

void TDataMap::CenterFromSmallView(float X, float Y) {
    if (!smallView_ || model_.Header.ObjectCount == 0 || !hasArea(model_.MapExtent))
        return;
    const SmallFit fit = fitInto(model_.MapExtent, smallView_->Width(), smallView_->Height());
    const double halfWidth = static_cast<double>(ClientWidth() * 100) / Scale() / 2;
    const double halfHeight = static_cast<double>(ClientHeight() * 100) / Scale() / 2;
    model_.Header.XWind = static_cast<float>(X * 100 / fit.Scale + fit.OriginX - halfWidth);
    model_.Header.YWind = static_cast<float>(Y * 100 / fit.Scale + fit.OriginY - halfHeight);
    redraw();
}

void TDataMap::DrawSmallViewFrame() {
    if (!smallView_ || model_.Header.ObjectCount == 0 || !hasArea(model_.MapExtent))
        return;
    const SmallFit fit = fitInto(model_.MapExtent, smallView_->Width(), smallView_->Height());
    TBitmap& target = *smallView_->Picture()->Bitmap();
    target.Assign(smallBitmap_);
    const double f = 0.01 * fit.Scale;
    const double viewWidth = static_cast<double>(ClientWidth() * 100) / Scale();
    const double viewHeight = static_cast<double>(ClientHeight() * 100) / Scale();
    const int left = framePixel(XWind() - fit.OriginX, f);
    const int top = framePixel(YWind() - fit.OriginY, f);
    const int right = framePixel(viewWidth + XWind() - fit.OriginX, f);
    const int bottom = framePixel(viewHeight + YWind() - fit.OriginY, f);
    TCanvas& canvas = *target.Canvas();
    TPen& pen = *canvas.Pen();
    pen.SetWidth(1);
    pen.SetColor(clWhite);
    pen.SetMode(pmCopy);
    pen.SetStyle(psDot);
    const int crossX = left + std::abs(left - right) / 2;
    const int crossY = top + std::abs(top - bottom) / 2;
    canvas.MoveTo(crossX, 0);
    canvas.LineTo(crossX, smallView_->Height());
    canvas.MoveTo(0, crossY);
    canvas.LineTo(smallView_->Width(), crossY);
    // A white frame with a dark-blue and black border.
    canvas.Brush()->SetStyle(bsClear);
    pen.SetStyle(psSolid);
    const struct {
        int width;
        TColor color;
    } strokes[] = {{5, clBlack}, {4, static_cast<TColor>(0x800000)}, {3, clWhite}};
    for (const auto& stroke : strokes) {
        pen.SetWidth(stroke.width);
        pen.SetColor(stroke.color);
        canvas.Rectangle(left, top, right, bottom);
    }
    // Painted at the next pass: the map asks from inside its own paint too, and a window must not
    // paint again while it paints.
    smallView_->Invalidate();
}
