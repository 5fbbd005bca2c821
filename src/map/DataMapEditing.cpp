// The map control's changes to whole objects: dragging the picked object by its body or its
// handles (move, resize, rotate, move a point or the centre), cloning, the drawing order, and
// grouping. Each change goes through the edit buffer and is posted at once.
#include "map/TDataMap.h"

#include <algorithm>
#include <cmath>

#include "map/CanvasTextMetrics.h"
#include "map/ControlViewContext.h"
#include "map/MapGeometry.h"
#include "map/ObjectBounds.h"
#include "map/Rounding.h"
#include "map/TKexMapList.h"

namespace {

// A press moves the object only once the mouse has left this many pixels round the press point.
constexpr int kDragDeadZone = 4;
// The overlays round the centre mark are repainted this many pixels each way.
constexpr int kCentreMarkReach = 20;
// Texts turned by less than this (degrees) keep their angle: rounding would make it drift.
constexpr float kLeastTextTurn = 0.1f;

bool isTextOrNote(uint8_t kind) { return kind == mapi::kindText || kind == mapi::kindZametka; }

// How one resize handle scales: about an anchor on the opposite side, by k on the axes it moves,
// toward the right or bottom (+1) or the left or top (-1).
struct Scaling {
    mapi::WorldPoint anchor;
    float kx = 1;
    float ky = 1;
    int sx = 0; // 0: the axis stays
    int sy = 0;

    void apply(mapi::WorldPoint& p) const {
        if (sx != 0)
            p.x = anchor.x + static_cast<float>(sx) * std::abs(anchor.x - p.x) * kx;
        if (sy != 0)
            p.y = anchor.y + static_cast<float>(sy) * std::abs(anchor.y - p.y) * ky;
    }
};

// The factor that takes the handle's coordinate to the mouse's, seen from the anchor; a frame
// without extent on that axis is not scaled.
float factor(float anchor, float handle, float mouse) {
    const float span = std::abs(anchor - handle);
    return span > 0 ? std::abs(anchor - mouse) / span : 1.0f;
}

Scaling scalingFor(const std::array<mapi::WorldPoint, 4>& c, int handle, mapi::WorldPoint m,
                   bool proportional) {
    // Per handle: the corner whose opposite anchors it, and the side it pulls on each axis.
    struct HandleSide {
        int corner;
        int anchor;
        int sx;
        int sy;
    };
    static constexpr HandleSide kSides[8] = {{0, 2, -1, -1}, {0, 2, 0, -1}, {1, 3, 1, -1},
                                             {1, 0, 1, 0},   {2, 0, 1, 1},  {2, 0, 0, 1},
                                             {3, 1, -1, 1},  {3, 1, -1, 0}};
    const HandleSide side = kSides[std::clamp(handle, 0, 7)];
    const mapi::WorldPoint corner = c[static_cast<std::size_t>(side.corner)];
    Scaling s;
    s.anchor = c[static_cast<std::size_t>(side.anchor)];
    s.sx = side.sx;
    s.sy = side.sy;
    s.kx = factor(s.anchor.x, corner.x, m.x);
    s.ky = factor(s.anchor.y, corner.y, m.y);
    if (proportional && side.sx != 0 && side.sy != 0)
        s.kx = s.ky = std::min(s.kx, s.ky);
    return s;
}

// Every point of the record moves: its points, a text's or a note's anchor, its centre, and
// those of a group's members.
void scaleRecord(TKEXMapObjectMem& rec, const Scaling& s) {
    if (TKexMapList* children = rec.Children()) {
        for (int i = 0; i < children->Count(); ++i)
            scaleRecord((*children)[i], s);
    }
    if (auto* points = std::get_if<mapi::PointList>(&rec.Data)) {
        for (mapi::WorldPoint& p : *points)
            s.apply(p);
    }
    if (auto* text = std::get_if<mapi::Boxed<TKEXMapText>>(&rec.Data))
        s.apply(text->get()->Anchor);
    if (auto* note = std::get_if<mapi::Boxed<TKEXMapZametka>>(&rec.Data))
        s.apply(note->get()->Anchor);
    s.apply(rec.Center);
}

// Changes the anchor of a text or a note through the map's accessors, which refuse locked records.
template <typename Change> void changeAnchor(TDataMap& map, TKEXMapObjectMem& rec, Change change) {
    if (rec.Kind == mapi::kindText) {
        TKEXMapText text;
        map.GetObjectText(rec, text);
        change(text.Anchor);
        map.SetObjectText(rec, text);
        return;
    }
    TKEXMapZametka note;
    map.GetObjectNote(rec, note);
    change(note.Anchor);
    map.SetObjectNote(rec, note);
}

// The stored positions of the objects after one moved from one place of the list to another.
void moveIndex(std::vector<int>& indices, int from, int to) {
    for (int& i : indices)
        i = mapi::MapModel::IndexAfterMove(i, from, to);
}

} // namespace

TRect TDataMap::EditObjectScreenRect() {
    mapi::ControlViewContext context(*this);
    return GetObjectScreenRect(editBuffer_.Record(), mapi::ViewTransform(XWind(), YWind(), Scale()),
                               context, options_.SizeRect(), {ClientWidth(), ClientHeight()});
}

// Posts the buffer and redraws the map where the object was and where it is now. The frame
// round a selection of several objects changes with the object wherever its sides run, so then
// the overlays are painted over the whole control.
void TDataMap::postAndRedraw(const TRect& before) {
    PostEditObject();
    const TRect after = EditObjectScreenRect();
    RefreshMapRect(before);
    RefreshMapRect(after);
    if (selectedObjects_.size() >= 2) {
        PaintOverlays(Rect(0, 0, ClientWidth(), ClientHeight()));
        return;
    }
    PaintOverlays(before);
    PaintOverlays(after);
}

void TDataMap::dragEditObject() {
    TKEXMapObjectMem& rec = editBuffer_.Record();
    if (!options_.mpEdit() || !selectedObject_ || !editBuffer_.Valid() || isEditRefused(rec))
        return;
    // MoveCell snaps what moves by the grid (the object, a point); the centre, a turn and a
    // resize follow the mouse itself.
    mapi::WorldPoint snapped = mouse_.MouseWorld;
    if (options_.MoveCell()) {
        float x = static_cast<float>(mouse_.Mouse.X - mouse_.Mouse.X % 3);
        float y = static_cast<float>(mouse_.Mouse.Y - mouse_.Mouse.Y % 3);
        ScreenToMap(x, y);
        snapped = {x, y};
    }
    const mapi::WorldPoint m = mouse_.MouseWorld;
    const bool wholeObject =
        !mouse_.PointGrabbed || isTextOrNote(rec.Kind) || rec.Kind == mapi::kindGroup;
    const TRect before = EditObjectScreenRect();
    if (mouse_.CentreMoving) {
        float cx = rec.Center.x;
        float cy = rec.Center.y;
        MapToScreen(cx, cy);
        const int r = kCentreMarkReach;
        const TPoint old = Point(mapi::roundToInt(cx), mapi::roundToInt(cy));
        rec.Center = m;
        PaintOverlays(Rect(old.X - r, old.Y - r, old.X + r, old.Y + r));
        PaintOverlays(
            Rect(mouse_.Mouse.X - r, mouse_.Mouse.Y - r, mouse_.Mouse.X + r, mouse_.Mouse.Y + r));
        PostEditObject();
        PaintOverlays(EditObjectScreenRect());
        return;
    }
    if (mouse_.Rotating && wholeObject) {
        const double angle = VectorAngle(rec.Center.x, rec.Center.y, m.x, m.y);
        // A bearing grows clockwise while a positive turn is counter-clockwise: turning by the
        // reference minus the bearing makes the object follow the mouse.
        RotateEditObject(static_cast<float>(mouse_.ReferenceAngle - angle));
        postAndRedraw(before);
        mouse_.ReferenceAngle = VectorAngle(rec.Center.x, rec.Center.y, m.x, m.y);
        reloadProperty();
        return;
    }
    if (!mouse_.Resizing && !mouse_.PointGrabbed && mouse_.MouseDown) {
        if (std::abs(mouse_.Mouse.X - mouse_.PressPixel.X) < kDragDeadZone &&
            std::abs(mouse_.Mouse.Y - mouse_.PressPixel.Y) < kDragDeadZone)
            return;
        float dx = snapped.x - mouse_.LastDrag.x;
        float dy = snapped.y - mouse_.LastDrag.y;
        mouse_.Dragging = true;
        // Past the dead zone once, the rest of the drag follows every move.
        mouse_.PressPixel.X -= 1000;
        DoDragObject();
        if (!(mouse_.Shift & ssShift)) {
            mouse_.LockHorizontal = mouse_.LockVertical = false;
        } else if (!mouse_.LockHorizontal && !mouse_.LockVertical) {
            mouse_.LockHorizontal = std::abs(dx) > std::abs(dy);
            mouse_.LockVertical = !mouse_.LockHorizontal;
        }
        if (mouse_.LockHorizontal)
            dy = 0;
        if (mouse_.LockVertical)
            dx = 0;
        MoveObject(rec, dx, dy);
        mouse_.Handles = isTextOrNote(rec.Kind) ? mapi::handlesPoints : mapi::handlesResize;
        mouse_.LastDrag = snapped;
        postAndRedraw(before);
        return;
    }
    if (mouse_.Resizing && wholeObject) {
        ResizeObject(rec, rec, (mouse_.Shift & ssShift) != 0, mouse_.ResizeHandle);
        postAndRedraw(before);
        return;
    }
    if (wholeObject)
        return;
    float ox = 0;
    float oy = 0;
    GetEditPoint(mouse_.GrabbedPoint, ox, oy);
    mapi::WorldPoint target = snapped;
    if (mouse_.Shift & ssShift) {
        if (!mouse_.LockHorizontal && !mouse_.LockVertical) {
            mouse_.LockHorizontal = std::abs(target.x - ox) > std::abs(target.y - oy);
            mouse_.LockVertical = !mouse_.LockHorizontal;
        }
        if (mouse_.LockHorizontal)
            target.y = oy;
        if (mouse_.LockVertical)
            target.x = ox;
    }
    SetEditPoint(mouse_.GrabbedPoint, target.x, target.y);
    postAndRedraw(before);
}

void TDataMap::ResizeObject(const TKEXMapObjectMem& Reference, TKEXMapObjectMem& Target,
                            bool Proportional, int Handle) {
    // Reference may be Target itself: the scaling is fixed before anything moves.
    const Scaling s = scalingFor(Reference.Corners, Handle, mouse_.MouseWorld, Proportional);
    scaleRecord(Target, s);
}

void TDataMap::MoveObject(TKEXMapObjectMem& Rec, float DX, float DY) {
    switch (Rec.Kind) {
    case mapi::kindText:
    case mapi::kindZametka:
        changeAnchor(*this, Rec, [&](mapi::WorldPoint& p) { p = {p.x + DX, p.y + DY}; });
        break;
    case mapi::kindGroup:
        if (TKexMapList* children = Rec.Children()) {
            for (int i = 0; i < children->Count(); ++i)
                MoveObject((*children)[i], DX, DY);
        }
        break;
    default:
        for (int i = 0; i < static_cast<int>(Rec.Points().size()); ++i) {
            const mapi::WorldPoint p = Rec.Points()[static_cast<std::size_t>(i)];
            SetObjectPoint(Rec, i, p.x + DX, p.y + DY);
        }
        break;
    }
    Rec.Center = {Rec.Center.x + DX, Rec.Center.y + DY};
    CalcObjectBounds(Rec, mapi::CanvasTextMetrics(*buffer().Canvas(), options_));
}

void TDataMap::RotateObject(TKEXMapObjectMem& Rec, float Angle, float CX, float CY) {
    const mapi::WorldPoint centre{CX, CY};
    switch (Rec.Kind) {
    case mapi::kindText: {
        if (std::abs(Angle) < kLeastTextTurn)
            return;
        TKEXMapText text;
        GetObjectText(Rec, text);
        RotatePoint(text.Anchor.x, text.Anchor.y, Angle, centre);
        mapi::WorldPoint corner = Rec.Corners[1];
        RotatePoint(corner.x, corner.y, Angle, centre);
        // The text's base line runs from its anchor to its second corner; its angle is counted
        // counter-clockwise from the x axis, the bearing clockwise from up.
        const int tenths = mapi::roundToInt(
            10 * (90 - VectorAngle(text.Anchor.x, text.Anchor.y, corner.x, corner.y)));
        text.Angle = ((tenths % 3600) + 3600) % 3600;
        Rec.Corners[1] = corner;
        SetObjectText(Rec, text);
        break;
    }
    case mapi::kindZametka:
        changeAnchor(*this, Rec,
                     [&](mapi::WorldPoint& p) { RotatePoint(p.x, p.y, Angle, centre); });
        break;
    case mapi::kindGroup:
        if (TKexMapList* children = Rec.Children()) {
            for (int i = 0; i < children->Count(); ++i)
                RotateObject((*children)[i], Angle, CX, CY);
        }
        break;
    default:
        for (int i = 0; i < static_cast<int>(Rec.Points().size()); ++i) {
            mapi::WorldPoint p = Rec.Points()[static_cast<std::size_t>(i)];
            RotatePoint(p.x, p.y, Angle, centre);
            SetObjectPoint(Rec, i, p.x, p.y);
        }
        break;
    }
    RotatePoint(Rec.Center.x, Rec.Center.y, Angle, centre);
    changed_ = true;
}

void TDataMap::RotateEditObject(float Angle) {
    TKEXMapObjectMem& rec = editBuffer_.Record();
    RotateObject(rec, Angle, rec.Center.x, rec.Center.y);
}

void TDataMap::CalcObjectCenter(TKEXMapObjectMem& Rec) const {
    const mapi::WorldPoint c1 = Rec.Corners[0];
    const mapi::WorldPoint c3 = Rec.Corners[2];
    Rec.Center = isTextOrNote(Rec.Kind) ? c1
                                        : mapi::WorldPoint{c1.x + std::abs(c1.x - c3.x) / 2,
                                                           c1.y + std::abs(c1.y - c3.y) / 2};
}

void TDataMap::CloneEditObject() {
    if (!editBuffer_.Valid()) {
        PostEditObject(); // says that the buffer is empty
        return;
    }
    const TKEXMapObjectMem kept = editBuffer_.Record();
    // 20 pixels at any scale.
    const float d = 2000.0f / static_cast<float>(Scale());
    NewEditObject();
    TKEXMapObjectMem copy = TKexMapList::CloneObjectRecord(kept, d, d);
    copy.Id = editBuffer_.Record().Id;
    editBuffer_.StreetName =
        copy.HasAddress() ? GetStreetName(copy.Address->StreetId) : AnsiString();
    editBuffer_.HouseNumber = copy.HasAddress() ? copy.Address->House.str() : AnsiString();
    editBuffer_.Record() = std::move(copy);
    PostEditObject();
    changed_ = true;
}

void TDataMap::BringObjectToFront(int Index) {
    const TKexMapList& objects = model_.Objects();
    if (!editBuffer_.Valid() || Index < 0 || Index >= objects.Count() ||
        isEditRefused(objects[Index]))
        return;
    const int last = objects.Count() - 1;
    model_.BringObjectToFront(Index);
    forEachMapOfGroup([Index, last](TDataMap& map) { map.objectMoved(Index, last); });
    changed_ = true;
}

void TDataMap::SendObjectToBack(int Index) {
    const TKexMapList& objects = model_.Objects();
    if (!editBuffer_.Valid() || Index < 0 || Index >= objects.Count() ||
        isEditRefused(objects[Index]))
        return;
    model_.SendObjectToBack(Index);
    forEachMapOfGroup([Index](TDataMap& map) { map.objectMoved(Index, 0); });
    changed_ = true;
}

void TDataMap::objectMoved(int from, int to) {
    mouse_.EndCreation();
    moveIndex(selectedObjects_, from, to);
    moveIndex(blinkObjects_, from, to);
    editBuffer_.ObjectMoved(from, to);
}

void TDataMap::GroupObjects(std::span<const int> Indices) {
    const TKexMapList& objects = model_.Objects();
    std::vector<int> members;
    for (int i : Indices)
        if (i >= 0 && i < objects.Count() && objects[i].Locked != 1)
            members.push_back(i);
    std::sort(members.begin(), members.end());
    members.erase(std::unique(members.begin(), members.end()), members.end());
    if (members.size() < 2)
        return;
    TKexMapList children;
    for (int i : members)
        children.AddObjectCopy(objects[i]);
    NewEditObject();
    editBuffer_.Record().Kind = mapi::kindGroup;
    editBuffer_.Record().SetChildren(std::move(children));
    PostEditObject();
    // One rebuild of the grid index instead of one update per member.
    const bool indexed = model_.UseIndex();
    model_.SetUseIndex(false);
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        RemoveSelected(*it);
        DeleteObject(*it, false);
    }
    model_.SetUseIndex(indexed);
    changed_ = true;
}

void TDataMap::UnGroupEditObject() {
    const TKEXMapObjectMem& rec = editBuffer_.Record();
    const int source = editBuffer_.SourceIndex();
    // A group that may not be deleted may not be taken apart either: its members would be doubled.
    if (!editBuffer_.Valid() || rec.Kind != mapi::kindGroup || !rec.Children() ||
        isEditRefused(rec) || source < 0 || source >= model_.Objects().Count())
        return;
    const TKexMapList children = *rec.Children();
    const bool indexed = model_.UseIndex();
    model_.SetUseIndex(false);
    for (int i = 0; i < children.Count(); ++i)
        model_.AppendObject(children[i]);
    DeleteObject(source, true);
    selectedObject_ = false;
    model_.SetUseIndex(indexed);
    changed_ = true;
}
