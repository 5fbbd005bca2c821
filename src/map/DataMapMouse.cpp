// The map control's mouse handlers and the behaviour of each tool: hit testing and picking,
// measuring, the lens, the region tools and drawing new objects. Moving, turning and resizing the picked object are in
// DataMapEditing.cpp, the modal loops in DataMapScrollLoops.cpp.
//
// Every message first stores the mouse position. A press in an edge zone scrolls (and never
// reaches the tool); the middle button pans. Tool states:
//   pick:     none --left press on an object--> selected (handles 0) --left press on it again-->
//             handles 1 --again--> handles 2 --again--> handles 0;  any --press on nothing--> none
//             selected --press on a handle--> rotating | resizing | point grabbed | centre moving
//             --release--> selected;  selected --press and move 4 pixels--> dragging --release-->
//             selected (OnEndDragObject)
//   measure:  empty --left press--> measuring (two points) --left press--> one more point
//             measuring --move--> last point follows;  any --right press | tool change--> empty
//   lens:     idle --left press--> frame --move--> frame follows --release--> idle (zoomed)
//             idle --right press--> idle (zoomed out)
//   region:   empty --left press--> polygon --release--> empty (OnAfterRegion)
//   regionrect: empty --press--> rectangle --move--> corner follows --release--> empty
//   drawing:  idle --press (mpEdit)--> creating --press (right for polygons and lines)--> idle
//             creating --tool change | load | empty | an object deleted, grouped, ungrouped, sent
//             to front or back (on any map of the group)--> idle (the object stays as drawn)
#include "map/TDataMap.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "map/ControlViewContext.h"
#include "map/EditHandles.h"
#include "map/HitTest.h"
#include "map/MapGeometry.h"
#include "map/TKexMapList.h"
#include "map/TKexTextForm.h"
#include "map/TKexZametForm.h"
#include "toolkit/TPopupMenu.h"

namespace {

constexpr TCursor kLinzaCursor = 1008;
constexpr TCursor kRotateCursor = 1009;
constexpr TCursor kMovePixelCursor = 1010;
// A lens frame smaller than this (world units) on either side is a click: one zoom step.
constexpr float kLensMinFrame = 3;

bool isNear(TPoint press, TPoint handle, int size) {
    return std::abs(press.X - handle.X) <= size && std::abs(press.Y - handle.Y) <= size;
}

// The topmost object at the world point when it is of the kind, else -1.
int topmostOfKind(TDataMap& map, mapi::WorldPoint p, uint8_t kind) {
    if (!map.HitTest(p.x, p.y))
        return -1;
    const int top = map.HitList().back();
    return map.Model().Objects()[top].Kind == kind ? top : -1;
}

} // namespace

void TDataMap::storeMouse(TShiftState shift, int x, int y) {
    mouse_.Mouse = Point(x, y);
    float wx = static_cast<float>(x);
    float wy = static_cast<float>(y);
    ScreenToMap(wx, wy);
    mouse_.MouseWorld = {wx, wy};
    mouse_.Shift = shift;
}

void TDataMap::refresh() {
    RefreshMap();
    Repaint();
}

// ---- the handlers ----

void TDataMap::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TMyImage::MouseDown(Button, Shift, X, Y);
    if (CanFocus())
        SetFocus();
    mouse_.MouseDown = true;
    storeMouse(Shift, X, Y);
    mouse_.LeftButtonLast = Button == mbLeft;
    if (Button == mbMiddle) {
        mouse_.Panning = true;
        mouse_.PanAnchor = Point(X, Y);
        HoldPan();
        return;
    }
    tk::LoopGuard guard(*this);
    if (AutoScroll() || guard.controlGone())
        return;
    switch (instrument_) {
    case iMeasure:
        measureClick(Button);
        break;
    case iPick:
        pickOnMouseDown(Button, X, Y);
        break;
    case iPolygon:
    case iLine:
        polyClick(Button);
        break;
    case iRectangle:
    case iEllipse:
        rectangleClick();
        break;
    case iText:
        textClick();
        break;
    case iZametka:
        noteClick();
        break;
    case iLinza:
        lensClick(Button);
        break;
    case iRegion:
        regionClick(Button);
        break;
    case iRegionRect:
        regionRectClick();
        break;
    default:
        break;
    }
}

void TDataMap::MouseMove(TShiftState Shift, int X, int Y) {
    TMyImage::MouseMove(Shift, X, Y);
    storeMouse(Shift, X, Y);
    if (CheckScrollZone(X, Y))
        return;
    if (selectedObject_)
        CheckHandleCursor(X, Y);
    // After a left click the drawing and measuring tools follow the mouse without a button held.
    if (!mouse_.LeftButtonLast)
        return;
    switch (instrument_) {
    case iMeasure:
        moveMeasurePoint();
        break;
    case iPick:
        dragEditObject();
        break;
    case iPolygon:
    case iLine:
        moveEditPoint();
        break;
    case iRectangle:
    case iEllipse:
        moveRectCorner();
        break;
    case iLinza:
        moveLensFrame();
        break;
    case iRegionRect:
        moveRegionRect();
        break;
    default:
        break;
    }
}

void TDataMap::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    mouse_.LockHorizontal = false;
    mouse_.LockVertical = false;
    storeMouse(Shift, X, Y);
    mouse_.LeftButtonLast = Button == mbLeft;
    mouse_.MouseDown = false;
    mouse_.CentreMoving = false;
    if (mouse_.LensActive) {
        mouse_.LensActive = false;
        mouse_.LensShown = false;
        const mapi::WorldPoint a = mouse_.LensCorner1;
        const mapi::WorldPoint b = mouse_.LensCorner2;
        if (std::abs(a.x - b.x) >= kLensMinFrame && std::abs(a.y - b.y) >= kLensMinFrame)
            ZoomToRect(a.x, a.y, b.x, b.y);
        else
            LinzaZoomIn(mouse_.MouseWorld.x, mouse_.MouseWorld.y);
    }
    if (mouse_.Panning) {
        mouse_.Panning = false;
        SetCursor(instrument_ == iLinza ? kLinzaCursor : crDefault);
        Repaint();
    }
    if (instrument_ == iRegion || instrument_ == iRegionRect) {
        DoAfterRegion();
        regionPoints_.clear();
        Repaint();
    }
    if (mouse_.Dragging) {
        DoEndDragObject();
        mouse_.Dragging = false;
    }
    mouse_.Rotating = false;
    if (!mouse_.AutoScrolling) {
        mouse_.LastDrag = mouse_.MouseWorld;
        mouse_.PointGrabbed = false;
        mouse_.Resizing = false;
    }
    mouse_.AutoScrolling = false;
    TMyImage::MouseUp(Button, Shift, X, Y);
}

void TDataMap::DoDragObject() {
    if (!OnDragObject)
        return;
    const double dx = double{mouse_.PressWorld.x} - mouse_.MouseWorld.x;
    const double dy = double{mouse_.PressWorld.y} - mouse_.MouseWorld.y;
    OnDragObject(this, static_cast<float>(std::sqrt(dx * dx + dy * dy)));
}

void TDataMap::DoEndDragObject() { fire(OnEndDragObject); }

// ---- hit testing and locating ----

bool TDataMap::HitTest(float X, float Y) {
    const mapi::ControlViewContext context(*this);
    return model_.HitTest(X, Y, context);
}

int TDataMap::HitTestObject(float X, float Y, int i, const TKexMapList& List) {
    return ::HitTestObject(X, Y, i, List, mapi::ControlViewContext(*this));
}

int TDataMap::LocateObjectAt(float X, float Y) {
    HitTest(X, Y);
    const std::vector<int>& hits = HitList();
    const TKexMapList& objects = model_.Objects();
    for (auto it = hits.rbegin(); it != hits.rend(); ++it) {
        const TKEXMapObjectMem& record = objects[*it];
        if (Filter()) {
            if (!GetCategoryVisible(record.Category))
                continue;
            bool visible = true;
            if (OnFilteredObject)
                OnFilteredObject(record, visible);
            if (!visible)
                continue;
        }
        LoadEditObject(*it);
        DoAfterLocate(true);
        reloadProperty();
        return *it;
    }
    DoAfterLocate(false);
    return -1;
}

// ---- handles ----

bool TDataMap::CheckHandleCursor(int X, int Y) {
    const TKEXMapObjectMem& rec = editBuffer_.Record();
    if (isEditRefused(rec))
        return false;
    const auto reset = [this] {
        if (!mouse_.Panning)
            SetCursor(instrument_ == iLinza ? kLinzaCursor : crDefault);
        return false;
    };
    if (!options_.mpEdit())
        return reset();
    const TPoint at = Point(X, Y);
    const int size = options_.SizeRect();
    const auto over = [&](mapi::WorldPoint p) { return isNear(at, pixelOf(p), size); };
    const bool textOrNote = rec.Kind == mapi::kindText || rec.Kind == mapi::kindZametka;
    if (mouse_.Handles == mapi::handlesRotate && over(rec.Center)) {
        SetCursor(crSizeAll);
        return true;
    }
    if (mouse_.Handles == mapi::handlesPoints && selectedObject_ && !textOrNote) {
        for (mapi::WorldPoint p : rec.Points()) {
            if (over(p)) {
                SetCursor(kMovePixelCursor);
                return true;
            }
        }
    }
    if (mouse_.Handles == mapi::handlesRotate && selectedObject_) {
        for (mapi::WorldPoint p : rec.Corners) {
            if (over(p)) {
                SetCursor(kRotateCursor);
                return true;
            }
        }
    }
    if (mouse_.Handles == mapi::handlesResize) {
        const auto& c = rec.Corners;
        const float midX = mapi::HandleMiddle(c[0], c[1]).x;
        const float midY = mapi::HandleMiddle(c[0], c[2]).y;
        const std::array<std::pair<std::array<mapi::WorldPoint, 2>, TCursor>, 4> tests = {{
            {{c[0], c[2]}, crSizeNWSE},
            {{c[1], c[3]}, crSizeNESW},
            {{mapi::WorldPoint{midX, c[1].y}, mapi::WorldPoint{midX, c[3].y}}, crSizeNS},
            {{mapi::WorldPoint{c[0].x, midY}, mapi::WorldPoint{c[1].x, midY}}, crSizeWE},
        }};
        for (const auto& [points, cursor] : tests) {
            if (over(points[0]) || over(points[1])) {
                SetCursor(cursor);
                return true;
            }
        }
    }
    return reset();
}

// The press of the pick tool on a handle of the selected object; true when it took the press.
bool TDataMap::pressOnHandle(TMouseButton button, int x, int y) {
    if (!options_.mpEdit() || !selectedObject_)
        return false;
    TKEXMapObjectMem& rec = editBuffer_.Record();
    const TPoint at = Point(x, y);
    const int size = options_.SizeRect();
    const auto over = [&](mapi::WorldPoint p) { return isNear(at, pixelOf(p), size); };
    if (mouse_.Handles == mapi::handlesRotate && over(rec.Center)) {
        if (button == mbLeft) {
            mouse_.CentreMoving = true;
            return true;
        }
        const TPoint screen = ClientToScreen(at);
        mouse_.CentreMenu->Popup(screen.X, screen.Y);
        return true;
    }
    if (!mouse_.Rotating && mouse_.Handles == mapi::handlesRotate) {
        for (mapi::WorldPoint p : rec.Corners) {
            if (!over(p))
                continue;
            mouse_.Rotating = true;
            mouse_.ReferenceAngle =
                VectorAngle(rec.Center.x, rec.Center.y, mouse_.MouseWorld.x, mouse_.MouseWorld.y);
            return true;
        }
    }
    const bool noPoints =
        rec.Kind == mapi::kindText || rec.Kind == mapi::kindZametka || rec.Kind == mapi::kindGroup;
    if (!mouse_.PointGrabbed && !noPoints && mouse_.Handles == mapi::handlesPoints) {
        const std::span<const mapi::WorldPoint> points = rec.Points();
        for (int i = static_cast<int>(points.size()) - 1; i >= 0; --i) {
            if (!over(points[static_cast<std::size_t>(i)]))
                continue;
            mouse_.GrabbedPoint = i;
            mouse_.PointGrabbed = true;
            if (button == mbLeft || rec.Kind == mapi::kindEllipse)
                return true;
            mouse_.PointGrabbed = false;
            const TPoint screen = ClientToScreen(at);
            mouse_.PointMenu->Popup(screen.X, screen.Y);
            return true;
        }
    }
    if (!mouse_.PointGrabbed && mouse_.Handles == mapi::handlesResize) {
        const std::array<mapi::WorldPoint, 8> handles = mapi::ResizeHandles(rec.Corners);
        const auto hit = std::find_if(handles.begin(), handles.end(), over);
        mouse_.Resizing = hit != handles.end();
        if (mouse_.Resizing) {
            mouse_.ResizeHandle = static_cast<int>(hit - handles.begin());
            return true;
        }
    }
    return false;
}

void TDataMap::pickOnMouseDown(TMouseButton button, int x, int y) {
    if (pressOnHandle(button, x, y))
        return;
    if (button == mbLeft && options_.mpEdit() && selectedObject_) {
        const uint8_t kind = editBuffer_.Record().Kind;
        if (kind == mapi::kindZametka)
            mouse_.Handles = mapi::handlesPoints;
        else if (kind == mapi::kindGroup)
            mouse_.Handles =
                mouse_.Handles == mapi::handlesResize ? mapi::handlesRotate : mapi::handlesResize;
        else
            mouse_.Handles = (mouse_.Handles + 1) % 3;
        if (kind == mapi::kindText && mouse_.Handles == mapi::handlesResize)
            mouse_.Handles = mapi::handlesPoints;
    }
    const int before = editBuffer_.Valid() ? editBuffer_.SourceIndex() : -1;
    const int index = LocateObjectAt(mouse_.MouseWorld.x, mouse_.MouseWorld.y);
    if (index < 0) {
        selectedObject_ = false;
        mouse_.Handles = mapi::handlesResize;
        selectedObjects_.clear();
        refresh();
        return;
    }
    if (button == mbLeft) {
        if (mouse_.Shift & ssShift) {
            ToggleSelected(index);
        } else {
            selectedObjects_.clear();
            AddSelected(index);
        }
        if (OnRegion)
            OnRegion(this, selectedObjects_);
    }
    const TKEXMapObjectMem& rec = editBuffer_.Record();
    if (index != before)
        mouse_.Handles = mapi::handlesResize;
    if (rec.Kind == mapi::kindText && mouse_.Handles == mapi::handlesResize)
        mouse_.Handles = mapi::handlesPoints;
    if (rec.Kind == mapi::kindZametka)
        mouse_.Handles = mapi::handlesPoints;
    selectedObject_ = true;
    mouse_.LastDrag = mouse_.MouseWorld;
    mouse_.PressWorld = mouse_.MouseWorld;
    mouse_.PressPixel = Point(x, y);
    if (button == mbLeft || !options_.mpEdit()) {
        refresh();
        return;
    }
    showObjectMenu(x, y);
}

// ---- measuring ----

double TDataMap::MeasureLength(std::span<const mapi::WorldPoint> Points) const {
    if (Points.size() < 2)
        return 0;
    float length = 0;
    for (std::size_t i = 1; i < Points.size(); ++i) {
        const float dx = Points[i - 1].x - Points[i].x;
        const float dy = Points[i - 1].y - Points[i].y;
        length += std::sqrt(dx * dx + dy * dy);
    }
    return double{length} * Mashtab() / 1000;
}

void TDataMap::UpdateMeasure() {
    const double length = MeasureLength(measurePoints_);
    if (OnMeasure)
        OnMeasure(this, length);
}

void TDataMap::measureClick(TMouseButton button) {
    if (button == mbRight) {
        measurePoints_.clear();
        refresh();
        return;
    }
    if (measurePoints_.empty())
        measurePoints_ = {mouse_.MouseWorld, mouse_.MouseWorld};
    else
        measurePoints_.push_back(mouse_.MouseWorld);
    refresh();
    UpdateMeasure();
}

void TDataMap::moveMeasurePoint() {
    if (measurePoints_.size() < 2)
        return;
    measurePoints_.back() = mouse_.MouseWorld;
    UpdateMeasure();
    Repaint();
}

// ---- lens ----

void TDataMap::lensClick(TMouseButton button) {
    if (button == mbRight) {
        LinzaZoomOut(mouse_.MouseWorld.x, mouse_.MouseWorld.y);
        return;
    }
    mouse_.LensActive = true;
    mouse_.LensCorner1 = mouse_.MouseWorld;
    mouse_.LensCorner2 = mouse_.MouseWorld;
    refresh();
}

void TDataMap::moveLensFrame() {
    if (!mouse_.LensActive)
        return;
    mouse_.LensCorner2 = mouse_.MouseWorld;
    paintLensFrame();
}

// A rubber band in xor: drawing the last rectangle again erases it. Every paint of the control
// draws the shown rectangle among the overlays, so the last one is on the screen when this runs.
void TDataMap::paintLensFrame() {
    TCanvas& canvas = *Canvas();
    if (mouse_.LensShown)
        drawLensRect(canvas, mouse_.LensRect);
    const TPoint a = pixelOf(mouse_.LensCorner1);
    const TPoint b = pixelOf(mouse_.LensCorner2);
    mouse_.LensRect = Rect(a.X, a.Y, b.X, b.Y);
    drawLensRect(canvas, mouse_.LensRect);
    mouse_.LensShown = true;
}

// ---- region tools ----

void TDataMap::regionClick(TMouseButton button) {
    if (button == mbRight) {
        regionPoints_.clear();
    } else if (regionPoints_.empty()) {
        regionPoints_.assign(3, mouse_.MouseWorld);
    } else {
        regionPoints_.push_back(mouse_.MouseWorld);
    }
    refresh();
    UpdateRegion();
}

void TDataMap::regionRectClick() {
    if (!regionPoints_.empty())
        return;
    regionPoints_.assign(4, mouse_.MouseWorld);
    refresh();
}

void TDataMap::moveRegionRect() {
    if (regionPoints_.size() != 4)
        return;
    const mapi::WorldPoint p0 = regionPoints_[0];
    const mapi::WorldPoint m = mouse_.MouseWorld;
    regionPoints_[1] = {m.x, p0.y};
    regionPoints_[2] = m;
    regionPoints_[3] = {p0.x, m.y};
    refresh();
    UpdateRegion();
}

// ---- drawing new objects ----

// Starts the object of the current tool at the press point.
void TDataMap::startObject() {
    mouse_.Creating = true;
    selectedObject_ = true;
    mouse_.Handles = mapi::handlesPoints;
    NewEditObject();
}

void TDataMap::polyClick(TMouseButton button) {
    if (!options_.mpEdit())
        return;
    const mapi::WorldPoint m = mouse_.MouseWorld;
    if (!mouse_.Creating) {
        startObject();
        SetEditPoint(0, m.x, m.y);
        SetEditPoint(1, m.x, m.y);
        mouse_.CreationPoint = 1;
        PostEditObject();
        mouse_.CreationIndex = editBuffer_.SourceIndex();
        refresh();
        return;
    }
    LoadEditObject(mouse_.CreationIndex);
    if (button == mbLeft) {
        mouse_.CreationPoint = editBuffer_.Record().Count;
        SetEditPoint(mouse_.CreationPoint, m.x, m.y);
        PostEditObject();
        refresh();
        return;
    }
    // Two points enclose nothing: such a polygon is kept as a line.
    if (editBuffer_.Record().Kind == mapi::kindPolygon && editBuffer_.Record().Count == 2) {
        editBuffer_.Record().Kind = mapi::kindPolyline;
        PostEditObject();
    }
    mouse_.Creating = false;
    refresh();
    selectedObject_ = false;
}

void TDataMap::moveEditPoint() {
    if (!mouse_.Creating)
        return;
    LoadEditObject(mouse_.CreationIndex);
    float x = 0;
    float y = 0;
    GetEditPoint(mouse_.CreationPoint, x, y);
    const mapi::WorldPoint m = mouse_.MouseWorld;
    if (x == m.x && y == m.y)
        return;
    SetEditPoint(mouse_.CreationPoint, m.x, m.y);
    PostEditObject();
    CalcObjectCenter(editBuffer_.Record());
    PostEditObject();
    refresh();
}

void TDataMap::rectangleClick() {
    if (!options_.mpEdit())
        return;
    if (mouse_.Creating) {
        mouse_.Creating = false;
        refresh();
        selectedObject_ = false;
        return;
    }
    startObject();
    const mapi::WorldPoint m = mouse_.MouseWorld;
    for (int i = 0; i < 4; ++i)
        SetEditPoint(i, m.x, m.y);
    PostEditObject();
    mouse_.CreationIndex = editBuffer_.SourceIndex();
}

void TDataMap::moveRectCorner() {
    if (!mouse_.Creating)
        return;
    LoadEditObject(mouse_.CreationIndex);
    float x0 = 0;
    float y0 = 0;
    GetEditPoint(0, x0, y0);
    const mapi::WorldPoint m = mouse_.MouseWorld;
    if (x0 == m.x && y0 == m.y)
        return;
    SetEditPoint(1, m.x, y0);
    SetEditPoint(2, m.x, m.y);
    SetEditPoint(3, x0, m.y);
    PostEditObject();
    CalcObjectCenter(editBuffer_.Record());
    PostEditObject();
    refresh();
}

void TDataMap::textClick() {
    if (!options_.mpEdit())
        return;
    const mapi::WorldPoint m = mouse_.MouseWorld;
    if (const int hit = topmostOfKind(*this, m, mapi::kindText); hit >= 0) {
        LoadEditObject(hit);
        selectedObject_ = true;
        textForm_->Execute(this);
        mouse_.MouseDown = false;
        return;
    }
    NewEditObject();
    selectedObject_ = true;
    TKEXMapText text;
    text.Size = 10;
    text.Anchor = m;
    SetEditText(text);
    PostEditObject();
    refresh();
    // A fresh dialog for a fresh text; nothing else holds the one it replaces.
    auto* dialog = new TKexTextForm(this);
    delete textForm_;
    textForm_ = dialog;
    textForm_->Execute(this);
    mouse_.MouseDown = false;
}

void TDataMap::noteClick() {
    if (!options_.mpEdit())
        return;
    const mapi::WorldPoint m = mouse_.MouseWorld;
    if (const int hit = topmostOfKind(*this, m, mapi::kindZametka); hit >= 0) {
        LoadEditObject(hit);
        selectedObject_ = true;
    } else {
        NewEditObject();
        TKEXMapZametka note;
        note.Anchor = m;
        TKexIcon& icons = icons_.Current();
        if (icons.LibCount() > 0) {
            const AnsiString lib = icons.GetLibName(0);
            note.LibName.assign(lib);
            note.PicName.assign(icons.GetPicName(lib, 0));
        }
        SetEditNote(note);
        PostEditObject();
    }
    zametForm_->Execute(this);
    changed_ = true;
    mouse_.MouseDown = false;
    refresh();
}
