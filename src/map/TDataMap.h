// The map control: it owns the view (Scale, XWind, YWind), the back buffer and its cache, the
// options, the printer settings and the icon sets, loads and empties the map model, and asks the
// renderer to rebuild the picture whenever objects, view or options changed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "map/CategoryVocabulary.h"
#include "map/MapEditBuffer.h"
#include "map/MapInteraction.h"
#include "map/MapEvents.h"
#include "map/MapIconSource.h"
#include "map/MapModel.h"
#include "map/MapRenderer.h"
#include "map/TKexIcon.h"
#include "map/TMyImage.h"
#include "map/WorldPoint.h"
#include "map/tKexMapOptions.h"
#include "map/tKexMapPrinterSettings.h"
#include "toolkit/AnsiString.h"
#include "toolkit/LoopGuard.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TColor.h"
#include "toolkit/TNotifyEvent.h"
#include "toolkit/TPicture.h"
#include "toolkit/TStream.h"
#include "toolkit/TStringList.h"
#include "toolkit/TTimer.h"

class TDataMapProperty;
class TKexHugeBitmap;
class TKexTextForm;
class TKexZametForm;
class TSmallPreView;

class TDataMap : public TMyImage {
public:
    explicit TDataMap(TComponent* AOwner);
    ~TDataMap() override;

    // ---- content ----
    mapi::MapModel& Model() { return model_; }
    const mapi::MapModel& Model() const { return model_; }
    // Replaces the map by the one read from the stream's position. A damaged stream keeps what was
    // read before the damage; Model().Damaged() tells.
    void LoadFromStream(TStream& Stream);
    void ClearMap();
    int GetObjectCount() const { return model_.GetObjectCount(); }
    // The id of the trimmed, upper-cased name; a new name takes the next street-name id, and every
    // map of the group takes the grown counter (they share the names), none of them redrawn.
    uint16_t AddStreetName(std::string_view Name);
    // The name carrying the id, or the empty string.
    AnsiString GetStreetName(uint16_t Id) const { return model_.GetStreetName(Id); }
    // The extent anew from the top-level objects' frames.
    void CalcMapBounds() { model_.CalcMapBounds(); }
    // Widens the extent (never narrows it) to take in MinPoint..MaxPoint.
    void ExtendMapBounds(mapi::WorldPoint MinPoint, mapi::WorldPoint MaxPoint) {
        model_.ExtendMapBounds(MinPoint, MaxPoint);
    }
    // The payload's byte count by the record's kind.
    int64_t GetObjectDataSize(const TKEXMapObjectMem& Record) const {
        return model_.GetObjectDataSize(Record);
    }

    // ---- view ----
    int Scale() const { return model_.Header.Scale; }
    // Zooms about the view centre; values below 1 count as 1.
    void SetScale(int Value);
    float XWind() const { return model_.Header.XWind; }
    void SetXWind(float Value);
    float YWind() const { return model_.Header.YWind; }
    void SetYWind(float Value);
    float ViewWidth() const { return viewWidth_; }
    float ViewHeight() const { return viewHeight_; }
    // Recomputes ViewWidth and ViewHeight and returns the world point at the control's centre.
    mapi::WorldPoint CalcViewCenter();
    // Fits the world rectangle (corners in any order) into the view.
    void ZoomToRect(float X1, float Y1, float X2, float Y2);
    // The drawing scale factor of the renderer (1.0 in every rendering path).
    void SetZoomFactor(float Factor) { renderer_.SetZoomFactor(Factor); }
    void ScreenToMap(float& X, float& Y) const;
    void MapToScreen(float& X, float& Y) const;
    // The room of the map's one reused pixel array.
    static constexpr std::size_t kScreenPointRoom = 30000;
    // Dest[i] := the rounded pixel of Points[i], for as many points as Dest has room for (Count is
    // the size of Points, Capacity that of Dest); the number written.
    std::size_t MapToScreenPoints(std::span<const mapi::WorldPoint> Points,
                                  std::span<TPoint> Dest) const;
    // The same into the map's one reused array: the pixels of the first kScreenPointRoom points
    // at most, valid until the next call.
    std::span<const TPoint> MapToScreenPoints(std::span<const mapi::WorldPoint> Points);

    TInstrument Instrument() const { return instrument_; }
    void SetInstrument(TInstrument Value);

    // ---- properties ----
    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor Value);
    bool SelectedObject() const { return selectedObject_; }
    void SetSelectedObject(bool Value) { selectedObject_ = Value; }
    const AnsiString& FileName() const { return fileName_; }
    // Trimmed; at most 255 characters kept.
    void SetFileName(std::string_view Value);
    AnsiString NameMap() const { return model_.Header.NameMap.str(); }
    void SetNameMap(std::string_view Value) { model_.Header.NameMap.assign(Value); }
    AnsiString CreatedBy() const { return model_.Header.CreatedBy.str(); }
    void SetCreatedBy(std::string_view Value) { model_.Header.CreatedBy.assign(Value); }
    int Mashtab() const { return model_.Header.Mashtab; }
    // Also the printer settings' CustomMashtab; nothing is redrawn.
    void SetMashtab(int Value);
    TColor GuideColor() const { return guideColor_; }
    void SetGuideColor(TColor Value);
    int GuideStepX() const { return guideStepX_; }
    void SetGuideStepX(int Value);
    int GuideStepY() const { return guideStepY_; }
    void SetGuideStepY(int Value);
    bool Filter() const { return renderer_.Filter(); }
    void SetFilter(bool Value);
    int MinZametka() const { return renderer_.MinZametka(); }
    // Values of 0 or less are ignored.
    void SetMinZametka(int Value);
    int ScaleFind() const { return scaleFind_; }
    void SetScaleFind(int Value) { scaleFind_ = Value; }
    TPicture* Grass() { return &grass_; }
    void SetGrass(const TPicture& Value);
    int TimerInterval() const;
    void SetTimerInterval(int Value);
    tKexMapOptions* Options() { return &options_; }
    tKexMapPrinterSettings* PrinterSettings() { return &printerSettings_; }
    bool UseIndex() const { return model_.UseIndex(); }
    void SetUseIndex(bool Value);
    int IndexSize() const { return model_.IndexSize(); }
    void SetIndexSize(int Value);
    TKexIcon* KexMapIcon() const { return icons_.KexMapIcon(); }
    void SetKexMapIcon(TKexIcon* Value);
    // The set notes are drawn from: the external one when linked, else the internal one.
    TKexIcon& CurrentIconSet() { return icons_.Current(); }

    // ---- categories and icons ----
    // The category names with their ids as the items' objects (the built-in vocabulary).
    const TStringList& CategoryList() const { return categoryList_; }
    bool GetCategoryVisible(int Category) const { return renderer_.GetCategoryVisible(Category); }
    void SetCategoryVisible(int Category, bool Value);
    // The current icon set's picture, or the 32 x 32 missing-icon picture.
    const TBitmap& GetMapIcon(std::string_view LibName, std::string_view PicName);

    // ---- drawing ----
    // The changed flag: the next rebuild culls and draws anew instead of restoring the cache.
    bool Changed() const { return changed_; }
    void SetChanged() { changed_ = true; }
    // The redraw bracket: while not ready, rebuilds do nothing.
    bool Ready() const { return ready_; }
    void SetReadyFlag(bool Value) { ready_ = Value; }
    void RefreshMap();
    void RefreshMapRect(const TRect& Rect);
    // Copies Rect of the buffer to the screen and paints the overlays inside it; the screen
    // outside Rect keeps what it shows.
    void PaintOverlays(const TRect& Rect);
    // Draws one record on any canvas in the current view (the blink, the preview).
    void DrawObject(const TKEXMapObjectMem& Record, TCanvas& Canvas);
    void CollectVisibleObjects(float X1, float Y1, float X2, float Y2);
    bool IsObjectVisible(int Index) const { return renderer_.IsObjectVisible(Index); }
    int ClipCode(float X, float Y) const { return renderer_.ClipCode(X, Y); }
    const std::vector<int>& LevelLists(int Level) const { return renderer_.LevelList(Level); }
    static TColor ContrastColor(TColor Color) { return mapi::MapRenderer::ContrastColor(Color); }
    void DrawBezierEllipse(TCanvas& Canvas, TPoint C0, TPoint C1, TPoint C2, TPoint C3) {
        mapi::MapRenderer::DrawBezierEllipse(Canvas, C0, C1, C2, C3);
    }
    void DrawPixelLine(TCanvas& Canvas, int X1, int Y1, int X2, int Y2) {
        renderer_.DrawPixelLine(Canvas, X1, Y1, X2, Y2);
    }
    // A square handle (SizeRect pixels round the point) and a round one (2 pixels larger), at a
    // world point on the control's canvas, drawn with the given pen mode and the canvas's pen
    // and brush.
    void DrawPointHandle(TPenMode Mode, float X, float Y);
    void DrawRoundHandle(TPenMode Mode, float X, float Y);
    // Milliseconds of the last full rebuild's steps.
    const mapi::RenderTimings& Timings() const { return renderer_.Timings(); }

    // The picture centred on the press point while the middle button pans.
    const TBitmap& ScrollMarker() const { return scrollMarker_; }

    // What the overlays show: the measuring polyline, the region polygon and the selected objects;
    // the tools fill them.
    std::vector<mapi::WorldPoint>& MeasurePoints() { return measurePoints_; }
    std::vector<mapi::WorldPoint>& RegionPoints() { return regionPoints_; }
    std::vector<int>& SelectedObjects() { return selectedObjects_; }

    // ---- viewport, search, blinking and the edit buffer ----
    // (DataMapViewport.cpp, DataMapSearch.cpp, DataMapBlink.cpp, DataMapEdit.cpp)
    // The scale (at least 1) with the world point (X, Y) at the view centre.
    void ZoomAtPoint(int NewScale, float X, float Y);
    // The lens tool's steps about a world point: in by StepLinza (or to double the scale with
    // mpLinzaDouble), at most 10000; out by StepLinza (or to half), at least 1.
    void LinzaZoomIn(float X, float Y);
    void LinzaZoomOut(float X, float Y);
    // One step of Step pixels in Direction 0..7 (left, up, right, down, left-up, right-up,
    // right-down, left-down), redrawing only the uncovered strips; nothing beyond the map extent
    // widened by half the view's width.
    void ScrollStep(int Direction, int Step);
    // Sets the cursor and the scroll direction (1000..1007, or 0) for a pixel position; true in an
    // edge zone.
    bool CheckScrollZone(int X, int Y);
    int ScrollDirection() const { return scrollDirection_; }
    // Fits the view to the objects' frames; a negative Scale chooses one, at most ScaleFind.
    void ZoomToObjects(std::span<const int> Indices, int Scale);
    void SetBlinkObjects(std::span<const int> Indices);
    void ClearBlinkObjects() { blinkObjects_.clear(); }
    const std::vector<int>& BlinkObjects() const { return blinkObjects_; }
    void BlinkTimer();
    const mapi::MapEditBuffer& EditBuffer() const { return editBuffer_; }
    mapi::MapEditBuffer& EditBuffer() { return editBuffer_; }
    void NewEditObject();
    void LoadEditObject(int Index);
    void PostEditObject();
    void DeleteObject(int Index, bool RecalcExtent);
    void GetObjectPoint(const TKEXMapObjectMem& Rec, int I, float& X, float& Y) const;
    void SetObjectPoint(TKEXMapObjectMem& Rec, int I, float X, float Y) const;
    void InsertObjectPoint(TKEXMapObjectMem& Rec, int I, float X, float Y) const;
    void DeleteObjectPoint(TKEXMapObjectMem& Rec, int I) const;
    void GetObjectText(const TKEXMapObjectMem& Rec, TKEXMapText& Text) const;
    void SetObjectText(TKEXMapObjectMem& Rec, const TKEXMapText& Text) const;
    void GetObjectNote(const TKEXMapObjectMem& Rec, TKEXMapZametka& Note) const;
    void SetObjectNote(TKEXMapObjectMem& Rec, const TKEXMapZametka& Note) const;
    void GetEditPoint(int I, float& X, float& Y) const { GetObjectPoint(editBuffer_.Record(), I, X, Y); }
    void SetEditPoint(int I, float X, float Y) { SetObjectPoint(editBuffer_.Record(), I, X, Y); }
    void InsertEditPoint(int I, float X, float Y) { InsertObjectPoint(editBuffer_.Record(), I, X, Y); }
    void DeleteEditPoint(int I) { DeleteObjectPoint(editBuffer_.Record(), I); }
    void GetEditText(TKEXMapText& Text) const { GetObjectText(editBuffer_.Record(), Text); }
    void SetEditText(const TKEXMapText& Text) { SetObjectText(editBuffer_.Record(), Text); }
    void GetEditNote(TKEXMapZametka& Note) const { GetObjectNote(editBuffer_.Record(), Note); }
    void SetEditNote(const TKEXMapZametka& Note) { SetObjectNote(editBuffer_.Record(), Note); }

    // ---- mouse tools, scroll loops, selection and editing ----
    // (DataMapMouse.cpp, DataMapScrollLoops.cpp, DataMapSelection.cpp, DataMapEditing.cpp,
    // DataMapPopupMenu.cpp)
    // The tool state between mouse messages: handle mode, drag, lens frame, the loops' flags.
    const mapi::MapInteraction& Interaction() const { return mouse_; }
    // The dialogs the text and note tools open, owned by the map.
    TKexTextForm* TextForm() const { return textForm_; }
    TKexZametForm* ZametForm() const { return zametForm_; }
    // The property frame that shows the edit buffer's object; setting one lets go of the one
    // before, and a frame bound to another map leaves it.
    TDataMapProperty* DatamapProperty() const { return datamapProperty_; }
    void SetDatamapProperty(TDataMapProperty* Value);
    // The edit buffer's object on the screen, handles included.
    TRect EditObjectScreenRect();
    // Fills the hit list with the objects under the world point, bottom to top (plane, then list
    // order), and fires OnAfterFind with whether there was one.
    bool HitTest(float X, float Y);
    const std::vector<int>& HitList() const { return model_.HitList(); }
    // i when the world point hits record i of List (the objects or a group's children), else -1.
    int HitTestObject(float X, float Y, int i, const TKexMapList& List);
    // Loads the topmost object at the world point (among the visible categories and those
    // OnFilteredObject lets through, while Filter is on) and fires OnAfterLocate; its index or -1.
    int LocateObjectAt(float X, float Y);
    // Sets the cursor over the selected object's handles; true over one.
    bool CheckHandleCursor(int X, int Y);
    // The edge auto-scroll: steps while the pressed button stays down in an edge zone.
    bool AutoScroll();
    // The middle-button pan: steps toward the mouse until the button is released.
    void HoldPan();
    // The measuring polyline's length in metres (Mashtab per 1000 world units).
    double MeasureLength(std::span<const mapi::WorldPoint> Points) const;
    void UpdateMeasure();
    // Fills the selection list with the objects whose frames lie inside the world polygon.
    void SelectInRegion(std::span<const mapi::WorldPoint> Points);
    void UpdateRegion();
    void DoAfterRegion();
    void AddSelected(int Index);
    void ToggleSelected(int Index);
    void RemoveSelected(int Index);
    // Scales Target by the frame handle Handle (0..7) of Reference toward the mouse.
    void ResizeObject(const TKEXMapObjectMem& Reference, TKEXMapObjectMem& Target,
                      bool Proportional, int Handle);
    void MoveObject(TKEXMapObjectMem& Rec, float DX, float DY);
    // Turns the record by Angle degrees (counter-clockwise on the screen) about (CX, CY).
    void RotateObject(TKEXMapObjectMem& Rec, float Angle, float CX, float CY);
    void RotateEditObject(float Angle);
    void CalcObjectCenter(TKEXMapObjectMem& Rec) const;
    // Appends a copy of the buffer's object 20 pixels right and down.
    void CloneEditObject();
    void BringObjectToFront(int Index);
    void SendObjectToBack(int Index);
    void GroupObjects(std::span<const int> Indices);
    void UnGroupEditObject();
    void SetPopupItemVisible(std::string_view Name, bool Visible);
    void BuildPopupMenu();
    void MergeHostPopup();
    void PopupMenuClick(TPersistent* Sender);
    TPopupMenu* ObjectMenu() const { return mouse_.ObjectMenu; }
    const std::vector<mapi::tKexMapMenu>& HostMenuItems() const { return mouse_.HostItems; }

    // ---- events ----
    TProgressEvent OnProgress;
    TNotifyEvent OnBeforeLoad;
    TNotifyEvent OnAfterLoad;
    TNotifyEvent OnBeforeSave;
    TNotifyEvent OnAfterSave;
    TChangeInstrumentEvent OnChangeInstrument;
    TNotifyEvent OnChangeScale;
    TNotifyEvent OnBeforeScroll;
    TNotifyEvent OnAfterScroll;
    TFindEvent OnAfterFind;
    TFindEvent OnAfterLocate;
    TDragObjectEvent OnDragObject;
    TNotifyEvent OnEndDragObject;
    TMeasureEvent OnMeasure;
    TRegionEvent OnRegion;
    TRegionEvent OnAfterRegion;
    TNotifyEvent OnBeforePostObject;
    TNotifyEvent OnAfterPostObject;
    TNotifyEvent OnAfterAppendObject;
    TPaintObjectEvent OnPaintObject;
    TPaintBackground OnPaintBackground;
    TFilteredObjectEvent OnFilteredObject;
    TPixelLineEvent OnPixelLineEvent;
    TBlinkObjectEvent OnBlinkObject;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    void DoProgress(int Position);
    void DoBeforeLoad();
    void DoAfterLoad();
    void DoAfterFind(bool Value);
    void DoAfterLocate(bool Value);
    void DoBeforePostObject();
    void DoAfterPostObject();
    void DoAfterAppendObject();
    void DoBeforeScroll();
    void DoAfterScroll();
    void DoChangeScale();
    void DoChangeInstrument();
    void DoDragObject();
    void DoEndDragObject();

    // ---- preview, linked maps and the raster layer (DataMapPreview.cpp, DataMapLinks.cpp) ----
    TSmallPreView* SmallView() const { return smallView_; }
    // A preview that shows another map is refused with an error message; a preview this map
    // showed before is let go.
    void SetSmallView(TSmallPreView* Value);
    // The whole map, without notes and house numbers, at the preview's size, then the frame.
    void RenderSmallView();
    // Centres the map on the world point under the preview pixel (X, Y).
    void CenterFromSmallView(float X, float Y);
    // The preview's picture with the frame and crosshair of the map's view.
    void DrawSmallViewFrame();
    TDataMap* MainDataMap() const { return mainDataMap_; }
    // Shares Value's objects, index and street names, with a copy of its header; none returns to
    // this map's own. A main map that is this map, or linked to it, is refused.
    void SetMainDataMap(TDataMap* Value);
    const std::vector<TDataMap*>& LinkedMaps() const { return linkedMaps_; }
    // Pushes object count, street-name counter, extent and the edit buffer to the main map and
    // the linked maps, and redraws them; the two flags are handed on as they are to the maps it
    // reaches and change nothing.
    void SyncLinkedMaps(bool Flag1, bool Flag2);
    // The redraw bracket over this map and its linked maps.
    void ClearReady();
    void SetReady();
    TKexHugeBitmap* ScanMap() const { return scanMap_; }
    // Leaves the old layer's clients, joins the new one's; no redraw.
    void SetScanMap(TKexHugeBitmap* Value);

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    // The change handler of the options: redraw at once.
    void OptionsChanged();
    // Marks the map changed, rebuilds the buffer and repaints the control.
    void redraw();
    mapi::Viewport viewport() const;
    const TBitmap* grassPattern();
    TBitmap& buffer() { return *Picture()->Bitmap(); }
    void fire(const TNotifyEvent& event);
    // The overlays (DataMapOverlays.cpp) in their order, over the buffer just copied.
    void paintOverlayLayers();
    TPoint pixelOf(mapi::WorldPoint p) const;
    std::vector<TPoint> screenPoints(std::span<const mapi::WorldPoint> points,
                                     mapi::PixelShape shape) const;
    void paintMeasureLine(TCanvas& canvas);
    void paintRegionBand(TCanvas& canvas);
    void paintScrollMarker(TCanvas& canvas);
    void paintGuideLines(TCanvas& canvas);
    void setFramePen(TCanvas& canvas);
    void paintSelectionFrame(TCanvas& canvas);
    void paintEditObject(TCanvas& canvas);
    void paintCentreMark(TCanvas& canvas, TPoint centre);
    void drawLensRect(TCanvas& canvas, const TRect& rect);
    void loadScrollMarker();
    void releaseCache();
    // The shared object list was replaced or emptied: every map of the group forgets what it
    // held by index.
    void forgetObjects();
    // This map's indices name no object any more: no buffer, no selection, nothing being drawn.
    void forgetIndices();
    // Object index left the shared list, which holds count objects now, or an object moved from
    // one place of it to another: this map's indices (buffer, selection and blink lists, the
    // object being drawn) are brought in step, by the rule the map that changed the list follows.
    void objectDeleted(int index, int count);
    void objectMoved(int from, int to);
    std::vector<TPoint> screenPixels_; // the one reused array of MapToScreenPoints
    void reportTimings() const;

    // Preview, linked maps and the raster layer.
    mapi::MapRenderer& smallRenderer();
    // Only SetMainDataMap keeps the list, so that a map is in it exactly while it names this map
    // as its main map.
    void AddLinkedMap(TDataMap* Map);
    void RemoveLinkedMap(TDataMap* Map);
    void shareWithLinkedMaps();
    void pushStateTo(TDataMap& other, bool flag1, bool flag2);
    // Every map of this one's group once: the top main map and all maps linked below it.
    void forEachMapOfGroup(const std::function<void(TDataMap&)>& visit);
    void leaveLinks();
    TSmallPreView* smallView_ = nullptr;
    TBitmap smallBitmap_; // the last preview rendering, without the frame
    std::unique_ptr<mapi::MapRenderer> smallRenderer_;
    TDataMap* mainDataMap_ = nullptr;
    std::vector<TDataMap*> linkedMaps_;
    bool syncing_ = false;
    TKEXMapHeader ownHeader_; // taken at construction, given back when unlinked
    mapi::WorldRect ownExtent_;
    TKexHugeBitmap* scanMap_ = nullptr;

    mapi::MapModel model_;
    tKexMapOptions options_;
    tKexMapPrinterSettings printerSettings_;
    mapi::MapIconSource icons_;
    mapi::MapRenderer renderer_;
    TBitmap cache_;
    TPicture grass_;
    TBitmap grassBitmap_;
    TBitmap scrollMarker_;
    TTimer* blinkTimer_ = nullptr;
    TStringList categoryList_;

    TInstrument instrument_ = iPick;
    TColor backgroundColor_ = clGreen;
    bool selectedObject_ = false;
    AnsiString fileName_;
    TColor guideColor_ = clSilver;
    int guideStepX_ = 50;
    int guideStepY_ = 50;
    int scaleFind_ = 800;
    float viewWidth_ = 0;
    float viewHeight_ = 0;

    bool changed_ = true;
    bool ready_ = true;
    bool rebuilding_ = false;
    bool painting_ = false;

    std::vector<mapi::WorldPoint> measurePoints_;
    std::vector<mapi::WorldPoint> regionPoints_;
    std::vector<int> selectedObjects_;

    // Viewport, search, blinking and the edit buffer.
    bool isEditRefused(const TKEXMapObjectMem& Rec) const;
    int scrollDirection_ = 0;
    std::vector<int> blinkObjects_;
    bool blinkPhase_ = false; // true: the inverted phase
    mapi::MapEditBuffer editBuffer_;

    // Mouse tools, scroll loops, selection and editing.
    void storeMouse(TShiftState shift, int x, int y);
    void refresh();
    void createMenus();
    bool isLoopHeld(const tk::LoopGuard& guard, TMouseButton button) const;
    bool pauseLoop(const tk::LoopGuard& guard, TMouseButton button, const bool& running);
    void measureClick(TMouseButton button);
    void moveMeasurePoint();
    void pickOnMouseDown(TMouseButton button, int x, int y);
    bool pressOnHandle(TMouseButton button, int x, int y);
    void showObjectMenu(int x, int y);
    void polyClick(TMouseButton button);
    void moveEditPoint();
    void rectangleClick();
    void moveRectCorner();
    void textClick();
    void noteClick();
    void lensClick(TMouseButton button);
    void moveLensFrame();
    void paintLensFrame();
    void regionClick(TMouseButton button);
    void regionRectClick();
    void moveRegionRect();
    void dragEditObject();
    void postAndRedraw(const TRect& before);
    void startObject();
    // The bound frame shows the edit buffer again.
    void reloadProperty();
    mapi::MapInteraction mouse_;
    TKexTextForm* textForm_ = nullptr;
    TKexZametForm* zametForm_ = nullptr;
    TDataMapProperty* datamapProperty_ = nullptr;
};
