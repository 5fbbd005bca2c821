// The drag in progress: drag-and-drop onto targets and dock drags onto dock sites. Only one runs
// at a time, since it holds the mouse capture; TControl's drag members and mouse handling reach it
// through these functions.
#pragma once

#include <memory>

#include "toolkit/Messages.h"
#include "toolkit/TDragObject.h"

class TWinControl;

namespace tk {

class DragSession {
public:
    // Starts a drag of source with the mouse at the latest input point: at once, or once the
    // mouse has moved threshold pixels. Nothing happens while another drag is on.
    static void begin(TControl& source, bool immediate, int threshold);
    // A mouse message at the control holding the mouse: true when the drag took it. A pending
    // drag lets moves and its release pass; a running one takes them all.
    static bool mouseMessage(TControl& control, const TMessage& message);
    // Ends source's drag: dropped where the mouse is, or cancelled (Escape, lost capture).
    static void end(TControl& source, bool drop);
    // Cancels whatever drag is on (Escape).
    static void cancel();
    static bool isDragging(const TControl& control);
    // The control is being freed: its own drag ends without events; as a target it is forgotten.
    static void controlGone(const TControl& control);

    DragSession(TControl& source, int threshold);
    ~DragSession();
    DragSession(const DragSession&) = delete;
    DragSession& operator=(const DragSession&) = delete;

private:
    static std::shared_ptr<DragSession>& active();
    // The session whose drop or cancel is taking place, after it left active().
    static DragSession*& ending();

    // Whether this is still the drag in progress: an event handler may have ended it.
    bool isCurrent() const { return active().get() == this; }
    bool pastThreshold(TPoint screen) const;
    void start();
    void moveTo(TPoint screen);
    // Asks the control about the drag: whether it takes the drop.
    bool askTarget(TControl& target, TDragState state);
    TControl* targetAt(TPoint screen) const;
    void showCursor();
    // Ends the session: the capture, the cursor and the key watch go; then, when the drag had
    // started, the drop or the cancel takes place.
    static void finish(bool drop);
    void dropOrCancel(bool drop);
    void dock(TWinControl& site, TPoint at);

    TControl& source_;
    TDragObject object_;
    int threshold_;
    bool started_ = false;
    TPoint startPos_;
    // Where the source was grabbed, in its client area.
    TPoint grabOffset_;
};

} // namespace tk
