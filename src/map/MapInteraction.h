// What the map control remembers between mouse messages: the last mouse position, the tool in
// progress (a drag, a rotation, a resize, a grabbed point, an object being drawn, the lens frame),
// the two modal loops' flags and the popup menus' tables.
#pragma once

#include <vector>

#include "map/WorldPoint.h"
#include "toolkit/AnsiString.h"
#include "toolkit/Controls.h"
#include "toolkit/TNotifyEvent.h"
#include "toolkit/TPoint.h"
#include "toolkit/TRect.h"

class TPopupMenu;

namespace mapi {

// Handles drawn round the selected object and answered by a press on them.
enum HandleMode { handlesResize = 0, handlesPoints = 1, handlesRotate = 2 };

// One entry of the object menu's table: shown or not, its caption (CP1251) and its name.
struct MapMenuEntry {
    bool Visible;
    AnsiString Caption;
    AnsiString Name;
};

// An item taken over from the host's popup menu: the name it has in the object menu and the
// host item's own click handler.
struct tKexMapMenu {
    AnsiString Name;
    TNotifyEvent OnClick;
};

struct MapInteraction {
    // The latest mouse message (a move leaves the button as it was).
    TPoint Mouse;
    WorldPoint MouseWorld;
    TShiftState Shift = 0;
    bool LeftButtonLast = false;
    bool MouseDown = false;

    int Handles = handlesResize;
    bool Resizing = false;
    int ResizeHandle = 0;
    bool PointGrabbed = false;
    int GrabbedPoint = -1;
    bool Rotating = false;
    double ReferenceAngle = 0; // degrees
    bool CentreMoving = false;

    // Moving the selected object.
    bool Dragging = false;
    WorldPoint LastDrag;
    WorldPoint PressWorld;
    TPoint PressPixel;
    bool LockHorizontal = false;
    bool LockVertical = false;

    // Drawing a new object: the index of the object being drawn and of its current point.
    bool Creating = false;
    int CreationIndex = -1;
    int CreationPoint = 0;
    // The next press of a drawing tool starts a new object.
    void EndCreation() {
        Creating = false;
        CreationIndex = -1;
        CreationPoint = 0;
    }

    bool LensActive = false;
    WorldPoint LensCorner1;
    WorldPoint LensCorner2;
    bool LensShown = false;
    TRect LensRect;

    // The modal loops.
    bool Panning = false;
    TPoint PanAnchor;
    bool AutoScrolling = false;
    bool AutoScrollBusy = false;

    // The popup menus: their components belong to the map.
    TPopupMenu* CentreMenu = nullptr;
    TPopupMenu* PointMenu = nullptr;
    TPopupMenu* ObjectMenu = nullptr;
    std::vector<MapMenuEntry> MenuEntries;
    std::vector<tKexMapMenu> HostItems;
};

} // namespace mapi
