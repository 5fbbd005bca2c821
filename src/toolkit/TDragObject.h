// The drag in progress as its events see it: the control being dragged, where the mouse is, the
// control the drag is over, and, for a dock drag, the rectangle the control would take. One
// exists from the start of a drag to its end; events receive it and must not keep it.
#pragma once

#include <functional>

#include "toolkit/Controls.h"
#include "toolkit/TPersistent.h"
#include "toolkit/TPoint.h"
#include "toolkit/TRect.h"

class TControl;

namespace tk {
class DragSession;
}

class TDragObject : public TPersistent {
public:
    explicit TDragObject(TControl* Control) : control_(Control) {}

    // The control being dragged (the source).
    TControl* Control() const { return control_; }
    TDragKind Kind() const { return kind_; }
    // The mouse, on the screen.
    TPoint DragPos() const { return dragPos_; }
    // The control under the mouse that is asked about the drop (a drop target, or a dock site for
    // a dock drag), or null.
    TControl* DragTarget() const { return dragTarget_; }
    // Whether the target under the mouse takes the drop.
    bool Accepted() const { return accepted_; }
    // A dock drag: the control's place on the screen if it were dropped now, the point it was
    // grabbed at staying under the mouse.
    TRect DockRect() const { return dockRect_; }

private:
    friend class tk::DragSession;

    TControl* control_;
    TDragKind kind_ = dkDrag;
    TPoint dragPos_;
    TControl* dragTarget_ = nullptr;
    bool accepted_ = false;
    TRect dockRect_;
};

// The drag started (OnStartDrag) or a dock drag started (OnStartDock).
using TStartDragEvent = std::function<void(TPersistent* Sender, TDragObject* DragObject)>;
// The drag from Source is over the control at X, Y of its client area; Accept starts true.
using TDragOverEvent =
    std::function<void(TPersistent* Sender, TPersistent* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TPersistent* Sender, TPersistent* Source, int X, int Y)>;
// The drag ended on Target at X, Y of Target's client area; Target null and X, Y 0 when nothing
// took it (refused, cancelled, or for a dock drag floated).
using TEndDragEvent = std::function<void(TPersistent* Sender, TPersistent* Target, int X, int Y)>;
// A dock drag is over a dock site, at X, Y of the site's client area; Accept starts true.
using TDockOverEvent =
    std::function<void(TPersistent* Sender, TDragObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDockDropEvent = std::function<void(TPersistent* Sender, TDragObject* Source, int X, int Y)>;
