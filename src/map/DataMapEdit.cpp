// The map control's edit buffer operations (new, load, post, delete) and the point, text and note
// accessors of object records. Every change of the map's objects goes through here.
#include "map/TDataMap.h"

#include <algorithm>

#include "map/CanvasTextMetrics.h"
#include "map/TKexMapList.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TApplication.h"

namespace {

// The kind a new object takes for the tool that starts it; other tools leave a polygon.
uint8_t kindForTool(TInstrument tool) {
    switch (tool) {
    case iLine:
        return mapi::kindPolyline;
    case iPixel:
        return mapi::kindPixels;
    case iBezier:
        return mapi::kindBezier;
    case iEllipse:
        return mapi::kindEllipse;
    case iText:
        return mapi::kindText;
    case iBitmap:
        return mapi::kindBitmap;
    case iZametka:
        return mapi::kindZametka;
    default:
        return mapi::kindPolygon;
    }
}

mapi::PointList* pointsOf(TKEXMapObjectMem& rec) {
    return mapi::isPointKind(rec.Kind) ? std::get_if<mapi::PointList>(&rec.Data) : nullptr;
}

// Removes the deleted index from a list of object indices and moves the later ones down.
void dropIndex(std::vector<int>& indices, int deleted) {
    std::erase(indices, deleted);
    for (int& i : indices)
        if (i > deleted)
            --i;
}

} // namespace

bool TDataMap::isEditRefused(const TKEXMapObjectMem& Rec) const { return Rec.Locked == 1 && options_.mpLocked(); }

void TDataMap::NewEditObject() {
    editBuffer_.New(model_, kindForTool(instrument_));
    changed_ = true;
    DoAfterAppendObject();
}

void TDataMap::LoadEditObject(int Index) {
    if (Index < 0 || Index >= model_.Objects().Count())
        return;
    editBuffer_.Load(model_, Index);
}

void TDataMap::PostEditObject() {
    if (!editBuffer_.Valid()) {
        Application->MessageBox(tk::fromUtf8("Ошибка ! Нет объекта в буфере редактирования !"), Application->Title(),
                                MB_OK | MB_ICONERROR);
        return;
    }
    DoBeforePostObject();
    mapi::CanvasTextMetrics metrics(*buffer().Canvas(), options_);
    // The linked maps are up to date when the event fires; a post that stored nothing has
    // nothing to give them.
    if (editBuffer_.Post(model_, metrics))
        SyncLinkedMaps(false, false);
    changed_ = true;
    DoAfterPostObject();
}

void TDataMap::DeleteObject(int Index, bool RecalcExtent) {
    const TKexMapList& objects = model_.Objects();
    if (Index < 0 || Index >= objects.Count() || isEditRefused(objects[Index]))
        return;
    model_.DeleteObject(Index);
    const int count = objects.Count();
    forEachMapOfGroup([Index, count](TDataMap& map) { map.objectDeleted(Index, count); });
    if (RecalcExtent)
        CalcMapBounds();
    changed_ = true;
    SyncLinkedMaps(false, false);
}

// Every map of the group drops its buffer, whichever object it held, as the map that deleted
// does: no buffer goes on naming a place another object has taken.
void TDataMap::objectDeleted(int index, int count) {
    mouse_.EndCreation();
    dropIndex(selectedObjects_, index);
    dropIndex(blinkObjects_, index);
    selectedObject_ = false;
    editBuffer_.ObjectDeleted(count);
}

// ---- record accessors ----

void TDataMap::GetObjectPoint(const TKEXMapObjectMem& Rec, int I, float& X, float& Y) const {
    const std::span<const mapi::WorldPoint> points = Rec.Points();
    if (I < 0 || I >= static_cast<int>(points.size()))
        return;
    X = points[static_cast<std::size_t>(I)].x;
    Y = points[static_cast<std::size_t>(I)].y;
}

void TDataMap::SetObjectPoint(TKEXMapObjectMem& Rec, int I, float X, float Y) const {
    if (isEditRefused(Rec) || !mapi::isPointKind(Rec.Kind))
        return;
    mapi::PointList* points = pointsOf(Rec);
    if (!points || points->empty()) {
        Rec.SetPoints({{X, Y}});
        return;
    }
    if (I < 0)
        return;
    if (I >= static_cast<int>(points->size()))
        points->push_back({X, Y});
    else
        (*points)[static_cast<std::size_t>(I)] = {X, Y};
    Rec.Count = static_cast<int32_t>(points->size());
}

void TDataMap::InsertObjectPoint(TKEXMapObjectMem& Rec, int I, float X, float Y) const {
    if (isEditRefused(Rec) || !mapi::isPointKind(Rec.Kind))
        return;
    mapi::PointList* points = pointsOf(Rec);
    const int count = points ? static_cast<int>(points->size()) : 0;
    if (I < 0 || I > count)
        return;
    if (!points) {
        Rec.SetPoints({{X, Y}});
        return;
    }
    points->insert(points->begin() + I, {X, Y});
    Rec.Count = static_cast<int32_t>(points->size());
}

void TDataMap::DeleteObjectPoint(TKEXMapObjectMem& Rec, int I) const {
    if (isEditRefused(Rec))
        return;
    mapi::PointList* points = pointsOf(Rec);
    if (!points || I < 0 || I >= static_cast<int>(points->size()))
        return;
    points->erase(points->begin() + I);
    Rec.Count = static_cast<int32_t>(points->size());
    if (points->empty())
        Rec.Data = std::monostate();
}

void TDataMap::GetObjectText(const TKEXMapObjectMem& Rec, TKEXMapText& Text) const {
    if (const TKEXMapText* text = Rec.Text())
        Text = *text;
}

void TDataMap::SetObjectText(TKEXMapObjectMem& Rec, const TKEXMapText& Text) const {
    if (!isEditRefused(Rec))
        Rec.SetText(Text);
}

void TDataMap::GetObjectNote(const TKEXMapObjectMem& Rec, TKEXMapZametka& Note) const {
    if (const TKEXMapZametka* note = Rec.Note())
        Note = *note;
}

void TDataMap::SetObjectNote(TKEXMapObjectMem& Rec, const TKEXMapZametka& Note) const {
    if (!isEditRefused(Rec))
        Rec.SetNote(Note);
}
