// The map control: construction and destruction, properties, loading and emptying, the view, and
// the rebuild of the back buffer and its copy to the screen (the overlays over it are in
// DataMapOverlays.cpp).
//
// Buffer states:  changed --RefreshMap--> drawn (cache holds a copy) --any change--> changed
//                 drawn --RefreshMap--> drawn (restored from the cache, nothing culled or drawn)
// While the ready flag is off, or a rebuild runs, RefreshMap does nothing.
#include "map/TDataMap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "map/FlagGuard.h"
#include "map/Rounding.h"
#include "map/TDataMapProperty.h"
#include "map/TKexTextForm.h"
#include "map/TKexZametForm.h"
#include "map/ViewTransform.h"
#include "map/TKexHugeBitmap.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TDateTime.h"
#include "toolkit/TRegion.h"
#include "toolkit/TResourceStream.h"
#include "toolkit/TScreen.h"

namespace {

// The cursors of the edge scroll, the lens, rotation, point moves, hold-to-pan and the colour
// picker, registered under 1000 + their position.
constexpr std::array<const char*, 20> kCursorNames = {
    "KEXLEFT",      "KEXUP",         "KEXRight",        "KEXDown",        "KEXLeftUp",
    "KEXRightUp",   "KEXRightDown",  "KEXLeftDown",     "Linza",          "Rotate",
    "MovePixel",    "KEXSCRLEFT",    "KEXSCRUP",        "KEXSCRRIGHT",    "KEXSCRDOWN",
    "KEXSCRLEFTUP", "KEXSCRRIGHTUP", "KEXSCRRIGHTDOWN", "KEXSCRLEFTDOWN", "EYEDROPPER"};
constexpr TCursor kFirstCursor = 1000;
constexpr TCursor kLinzaCursor = 1008;

// The debug switch of the render timings: set VALDREN_MAP_TIMING to report every full rebuild.
bool timingReportOn() {
    static const bool on = std::getenv("VALDREN_MAP_TIMING") != nullptr;
    return on;
}

} // namespace

TDataMap::TDataMap(TComponent* AOwner)
    : TMyImage(AOwner),
      renderer_(model_, options_, icons_, {&OnPaintObject, &OnFilteredObject, &OnPixelLineEvent}) {
    SetControlStyle(ControlStyle() | csOpaque);
    instrument_ = iPick;

    options_.SetChangeHandler([this] { OptionsChanged(); });
    options_.SetNotify(false);
    options_.SetFontSystem("Arial Cyr");
    options_.SetFontSystem1("Times New Roman Cyr");
    options_.SetNotify(true);
    options_.SetRefreshLink(false);
    options_.SetZoneScroll(30);
    options_.SetWidthRectLinza(3);
    options_.SetBorderSelectedObject(true);

    blinkTimer_ = new TTimer(this);
    blinkTimer_->SetInterval(750);
    blinkTimer_->OnTimer = [this](TPersistent*) { BlinkTimer(); };
    blinkTimer_->SetEnabled(true);

    model_.Header.CreateDate = std::floor(Now());
    model_.OnProgress = [this](int position) { DoProgress(position); };
    model_.OnAfterFind = [this](bool value) { DoAfterFind(value); };

    SetBackgroundColor(clGreen);
    selectedObject_ = false;
    guideColor_ = clSilver;
    guideStepX_ = 50;
    guideStepY_ = 50;

    for (std::size_t i = 0; i < kCursorNames.size(); ++i)
        Screen->SetCursors(kFirstCursor + static_cast<TCursor>(i),
                           LoadCursor(HInstance, kCursorNames[i]));

    createMenus();
    loadScrollMarker();
    buffer().SetSize(ClientWidth(), ClientHeight());
    measurePoints_.clear();
    regionPoints_.clear();

    options_.SetmpGuideLines(true);
    options_.SetmpEdit(true);

    cache_.SetSize(ClientWidth(), ClientHeight());
    changed_ = true;

    mapi::FillCategoryList(categoryList_);
    SetFilter(false);
    renderer_.SetMinZametka(1);
    scaleFind_ = 800;
    selectedObjects_.clear();
    CalcViewCenter();
    ownHeader_ = model_.Header;

    textForm_ = new TKexTextForm(this);
    zametForm_ = new TKexZametForm(this);
}

TDataMap::~TDataMap() {
    icons_.SetKexMapIcon(nullptr);
    ready_ = false; // nothing is drawn while the map goes
    SetDatamapProperty(nullptr);
    leaveLinks();
    model_.OnProgress = nullptr;
    model_.OnAfterFind = nullptr;
    model_.ClearMap();
    delete textForm_;
    delete zametForm_;
}

void TDataMap::SetDatamapProperty(TDataMapProperty* Value) {
    if (datamapProperty_ == Value)
        return;
    TDataMapProperty* old = datamapProperty_;
    // Stored first: the frame's BindMap may ask the map it leaves to let go of it.
    datamapProperty_ = Value;
    if (old != nullptr)
        old->UnbindMap();
    if (Value != nullptr)
        Value->BindMap(this);
}

void TDataMap::reloadProperty() {
    if (datamapProperty_ != nullptr)
        datamapProperty_->LoadObject();
}

// The hold-to-pan marker; a program without the picture pans without it.
void TDataMap::loadScrollMarker() {
    if (FindResource(RT_BITMAP, "ScrollM").empty())
        return;
    scrollMarker_.LoadFromResourceName("ScrollM");
    scrollMarker_.SetTransparent(true);
}

// ---- events ----

void TDataMap::fire(const TNotifyEvent& event) {
    if (event)
        event(this);
}

void TDataMap::DoProgress(int Position) {
    if (OnProgress)
        OnProgress(this, Position);
}
void TDataMap::DoBeforeLoad() {
    fire(OnBeforeLoad);
}
void TDataMap::DoAfterLoad() {
    fire(OnAfterLoad);
}
void TDataMap::DoAfterFind(bool Value) {
    if (OnAfterFind)
        OnAfterFind(this, Value);
}
void TDataMap::DoAfterLocate(bool Value) {
    if (OnAfterLocate)
        OnAfterLocate(this, Value);
}
void TDataMap::DoBeforePostObject() {
    fire(OnBeforePostObject);
}
void TDataMap::DoAfterPostObject() {
    fire(OnAfterPostObject);
}
void TDataMap::DoAfterAppendObject() {
    fire(OnAfterAppendObject);
}
void TDataMap::DoBeforeScroll() {
    fire(OnBeforeScroll);
}
void TDataMap::DoAfterScroll() {
    fire(OnAfterScroll);
}
void TDataMap::DoChangeScale() {
    fire(OnChangeScale);
}
void TDataMap::DoChangeInstrument() {
    if (OnChangeInstrument)
        OnChangeInstrument(this);
}

void TDataMap::CMMouseEnter(TMessage& Message) {
    TMyImage::CMMouseEnter(Message);
    fire(OnMouseEnter);
}

void TDataMap::CMMouseLeave(TMessage& Message) {
    TMyImage::CMMouseLeave(Message);
    fire(OnMouseLeave);
}

// ---- content ----

void TDataMap::LoadFromStream(TStream& Stream) {
    DoBeforeLoad();
    model_.LoadFromStream(Stream);
    forgetObjects();
    // A stored Scale below 1 (a zero header) must not divide the view.
    model_.Header.Scale = std::max(model_.Header.Scale, 1);
    if (options_.mpAllMapAfterLoad()) {
        const mapi::WorldRect& extent = model_.MapExtent;
        ZoomToRect(extent.x1, extent.y1, extent.x2, extent.y2);
    } else {
        SetScale(model_.Header.Scale);
    }
    changed_ = true;
    DoAfterLoad();
    printerSettings_.SetCustomMashtab(model_.Header.Mashtab);
    SyncLinkedMaps(false, false);
}

void TDataMap::ClearMap() {
    model_.ClearMap();
    blinkObjects_.clear();
    forgetObjects();
    renderer_.CollectVisibleObjects({});
    // Scale 99 first, so that the setter sees a change and recomputes the view.
    model_.Header.Scale = 99;
    SetScale(100);
    fileName_.clear();
    redraw();
    SyncLinkedMaps(false, false);
}

// The indices and the records the maps of the group held refer to objects that are gone.
void TDataMap::forgetObjects() {
    forEachMapOfGroup([](TDataMap& map) { map.forgetIndices(); });
}

void TDataMap::forgetIndices() {
    mouse_.EndCreation();
    editBuffer_.Clear();
    selectedObjects_.clear();
    selectedObject_ = false;
}

// ---- view ----

mapi::Viewport TDataMap::viewport() const {
    return {XWind(), YWind(), Scale(), ClientWidth(), ClientHeight()};
}

mapi::WorldPoint TDataMap::CalcViewCenter() {
    viewWidth_ = static_cast<float>(static_cast<double>(ClientWidth() * 100) / Scale());
    viewHeight_ = static_cast<float>(static_cast<double>(ClientHeight() * 100) / Scale());
    return {viewWidth_ / 2 + XWind(), viewHeight_ / 2 + YWind()};
}

void TDataMap::SetScale(int Value) {
    const mapi::WorldPoint centre = CalcViewCenter();
    model_.Header.Scale = std::max(Value, 1);
    CalcViewCenter();
    model_.Header.XWind = centre.x - viewWidth_ / 2;
    model_.Header.YWind = centre.y - viewHeight_ / 2;
    renderer_.SetView(viewport());
    DoChangeScale();
    DrawSmallViewFrame();
    redraw();
}

void TDataMap::SetXWind(float Value) {
    model_.Header.XWind = Value;
    DrawSmallViewFrame();
    redraw();
}

void TDataMap::SetYWind(float Value) {
    model_.Header.YWind = Value;
    DrawSmallViewFrame();
    redraw();
}

void TDataMap::ZoomToRect(float X1, float Y1, float X2, float Y2) {
    if (X1 > X2)
        std::swap(X1, X2);
    if (Y1 > Y2)
        std::swap(Y1, Y2);
    const double dx = std::abs(double{X2} - X1);
    const double dy = std::abs(double{Y2} - Y1);
    // A side without length fits at any scale: only the other side decides; with neither, the
    // scale stays and the view is centred on the point.
    int scale = Scale();
    if (dx > 0 && dy > 0)
        scale = std::min(mapi::roundToInt(100 / (dx / ClientWidth())),
                         mapi::roundToInt(100 / (dy / ClientHeight())));
    else if (dx > 0)
        scale = mapi::roundToInt(100 / (dx / ClientWidth()));
    else if (dy > 0)
        scale = mapi::roundToInt(100 / (dy / ClientHeight()));
    const double cx = X1 + dx / 2;
    const double cy = Y1 + dy / 2;
    model_.Header.XWind = static_cast<float>(cx - static_cast<double>(ClientWidth() * 100) / Scale() / 2);
    model_.Header.YWind =
        static_cast<float>(cy - static_cast<double>(ClientHeight() * 100) / Scale() / 2);
    SetScale(scale);
}

void TDataMap::ScreenToMap(float& X, float& Y) const {
    mapi::ViewTransform(XWind(), YWind(), Scale()).ScreenToMap(X, Y);
}

void TDataMap::MapToScreen(float& X, float& Y) const {
    mapi::ViewTransform(XWind(), YWind(), Scale(), renderer_.ZoomFactor()).MapToScreen(X, Y);
}

std::size_t TDataMap::MapToScreenPoints(std::span<const mapi::WorldPoint> Points,
                                        std::span<TPoint> Dest) const {
    const std::size_t count = std::min(Points.size(), Dest.size());
    for (std::size_t i = 0; i < count; ++i)
        Dest[i] = pixelOf(Points[i]);
    return count;
}

std::span<const TPoint> TDataMap::MapToScreenPoints(std::span<const mapi::WorldPoint> Points) {
    // Allocated at the first use: a map that never asks keeps no array.
    screenPixels_.resize(kScreenPointRoom);
    return {screenPixels_.data(), MapToScreenPoints(Points, screenPixels_)};
}

void TDataMap::SetInstrument(TInstrument Value) {
    if (instrument_ == iMeasure && !measurePoints_.empty()) {
        measurePoints_.clear();
        RefreshMap();
        Repaint();
    }
    if ((instrument_ == iRegion || instrument_ == iRegionRect) && !regionPoints_.empty()) {
        regionPoints_.clear();
        RefreshMap();
        Repaint();
    }
    // The object being drawn belongs to the tool that drew it.
    if (Value != instrument_)
        mouse_.EndCreation();
    instrument_ = Value;
    SetCursor(Value == iLinza ? kLinzaCursor : crDefault);
    if (mouse_.LensShown) {
        // The lens frame goes with the tool that drew it.
        mouse_.LensShown = false;
        Repaint();
    }
    DoChangeInstrument();
}

// ---- properties ----

void TDataMap::redraw() {
    changed_ = true;
    RefreshMap();
    Repaint();
}

void TDataMap::OptionsChanged() {
    redraw();
}

void TDataMap::SetBackgroundColor(TColor Value) {
    backgroundColor_ = Value;
    redraw();
}

void TDataMap::SetFileName(std::string_view Value) {
    fileName_ = Trim(Value).substr(0, 255);
}

void TDataMap::SetMashtab(int Value) {
    if (Value == model_.Header.Mashtab)
        return;
    model_.Header.Mashtab = Value;
    printerSettings_.SetCustomMashtab(Value);
}

void TDataMap::SetGuideColor(TColor Value) {
    guideColor_ = Value;
    RefreshMap();
    Repaint();
}

void TDataMap::SetGuideStepX(int Value) {
    guideStepX_ = Value;
    RefreshMap();
    Repaint();
}

void TDataMap::SetGuideStepY(int Value) {
    guideStepY_ = Value;
    RefreshMap();
    Repaint();
}

void TDataMap::SetFilter(bool Value) {
    renderer_.SetFilter(Value);
    selectedObject_ = false;
    redraw();
}

void TDataMap::SetMinZametka(int Value) {
    if (Value <= 0)
        return;
    renderer_.SetMinZametka(Value);
    redraw();
}

void TDataMap::SetGrass(const TPicture& Value) {
    grass_.Assign(Value);
    if (const TGraphic* graphic = grass_.Graphic())
        grassBitmap_.Assign(*graphic);
    else
        grassBitmap_.SetSize(0, 0);
    redraw();
}

const TBitmap* TDataMap::grassPattern() {
    return options_.Texture() && !grassBitmap_.Empty() ? &grassBitmap_ : nullptr;
}

int TDataMap::TimerInterval() const {
    return static_cast<int>(blinkTimer_->Interval());
}

void TDataMap::SetTimerInterval(int Value) {
    blinkTimer_->SetInterval(static_cast<unsigned>(std::max(Value, 0)));
}

void TDataMap::SetUseIndex(bool Value) {
    model_.SetUseIndex(Value);
    changed_ = true;
}

void TDataMap::SetIndexSize(int Value) {
    model_.SetIndexSize(Value);
    changed_ = true;
}

void TDataMap::SetKexMapIcon(TKexIcon* Value) {
    icons_.SetKexMapIcon(Value);
    changed_ = true;
}

void TDataMap::SetCategoryVisible(int Category, bool Value) {
    renderer_.SetCategoryVisible(Category, Value);
    changed_ = true;
}

const TBitmap& TDataMap::GetMapIcon(std::string_view LibName, std::string_view PicName) {
    return icons_.GetMapIcon(LibName, PicName);
}

// ---- drawing ----

void TDataMap::DrawObject(const TKEXMapObjectMem& Record, TCanvas& Canvas) {
    renderer_.SetView(viewport());
    renderer_.DrawObject(Record, Canvas);
}

void TDataMap::CollectVisibleObjects(float X1, float Y1, float X2, float Y2) {
    renderer_.SetView(viewport());
    renderer_.CollectVisibleObjects({X1, Y1, X2, Y2});
}

void TDataMap::RefreshMap() {
    if (!ready_ || rebuilding_)
        return;
    mapi::FlagGuard guard(rebuilding_);
    if (!changed_ && !cache_.Empty() && cache_.Width() == ClientWidth() && cache_.Height() == ClientHeight()) {
        buffer().Assign(cache_);
        return;
    }
    const mapi::Viewport view = viewport();
    const float x2 = XWind() + static_cast<float>(static_cast<double>(ClientWidth() * 100) / Scale());
    const float y2 = YWind() + static_cast<float>(static_cast<double>(ClientHeight() * 100) / Scale());
    renderer_.SetView(view);
    renderer_.CollectVisibleObjects({XWind(), YWind(), x2, y2});
    releaseCache();
    TBitmap& target = buffer();
    target.SetSize(ClientWidth(), ClientHeight());
    TCanvas& canvas = *target.Canvas();
    renderer_.FillBackground(canvas, Rect(0, 0, ClientWidth(), ClientHeight()), backgroundColor_,
                             grassPattern());
    if (OnPaintBackground)
        OnPaintBackground(&canvas, XWind(), YWind(), x2, y2);
    else if (scanMap_)
        scanMap_->Draw(target, Scale() * 0.01, XWind(), YWind(), x2, y2);
    renderer_.SetZoomFactor(1.0f);
    renderer_.DrawLevels(canvas);
    cache_.Assign(target);
    changed_ = false;
    if (timingReportOn())
        reportTimings();
}

// The cache shares its pixels with the buffer until one of them is drawn on; letting it go first
// spares the copy that drawing on a shared buffer would make. It takes the new picture at the end.
void TDataMap::releaseCache() {
    cache_.SetSize(0, 0);
}

void TDataMap::reportTimings() const {
    const mapi::RenderTimings& t = renderer_.Timings();
    std::fprintf(
        stderr,
        "RefreshMap %dx%d scale %d: %d objects, cull %.2f ms, background %.2f ms, draw %.2f ms\n",
        ClientWidth(), ClientHeight(), Scale(), renderer_.CollectedCount(), t.CullMs, t.BackgroundMs, t.DrawMs);
}

void TDataMap::RefreshMapRect(const TRect& Rect) {
    if (!ready_ || rebuilding_)
        return;
    mapi::FlagGuard guard(rebuilding_);
    releaseCache();
    TBitmap& target = buffer();
    target.SetSize(ClientWidth(), ClientHeight());
    TCanvas& canvas = *target.Canvas();
    const TRegion clip = CreateRectRgn(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
    SelectClipRgn(canvas, &clip);
    const double unitsPerPixel = 100.0 / Scale();
    renderer_.SetView(viewport());
    renderer_.CollectVisibleObjects(
        {static_cast<float>(Rect.Left * unitsPerPixel + XWind() - 50),
         static_cast<float>(Rect.Top * unitsPerPixel + YWind() - 50),
         static_cast<float>(Rect.Right * unitsPerPixel + XWind() + 50),
         static_cast<float>(Rect.Bottom * unitsPerPixel + YWind() + 50)});
    renderer_.FillBackground(canvas, Rect, backgroundColor_, grassPattern());
    const float x2 = static_cast<float>(XWind() + ClientWidth() * unitsPerPixel);
    const float y2 = static_cast<float>(YWind() + ClientHeight() * unitsPerPixel);
    if (OnPaintBackground)
        OnPaintBackground(&canvas, XWind(), YWind(), x2, y2);
    else if (scanMap_)
        scanMap_->Draw(target, Scale() * 0.01, XWind(), YWind(), x2, y2);
    renderer_.SetZoomFactor(1.0f);
    renderer_.DrawLevels(canvas);
    SelectClipRgn(canvas, nullptr);
    cache_.Assign(target);
    changed_ = false;
}

void TDataMap::Paint() {
    if (painting_)
        return;
    mapi::FlagGuard guard(painting_);
    const TBitmap& current = buffer();
    if (current.Width() != ClientWidth() || current.Height() != ClientHeight()) {
        RefreshMap();
        DrawSmallViewFrame();
    }
    TMyImage::Paint();
    paintOverlayLayers();
}
