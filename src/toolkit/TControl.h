// The control: a component with a place on screen, backed by one widget. It owns bounds,
// alignment, visibility, colour, cursor and hint, turns the mouse messages that reach its
// message handler into MouseDown / MouseMove / MouseUp, clicks and wheel events, and repaints.
// A control whose state lives on the toolkit's side may get its widget only when it is needed,
// as the platform creates a window handle only then: when the control would show, or when a
// call needs the widget.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>

#include "toolkit/AnsiString.h"
#include "toolkit/Controls.h"
#include "toolkit/Messages.h"
#include "toolkit/TColor.h"
#include "toolkit/TComponent.h"
#include "toolkit/TDragObject.h"
#include "toolkit/TFont.h"
#include "toolkit/TNotifyEvent.h"
#include "toolkit/TPoint.h"
#include "toolkit/TRect.h"
#include "toolkit/TSizeConstraints.h"

class TControl;
class TWinControl;
class TPopupMenu;
class TForm;

namespace tk {
class ControlPeer;
}

using TMouseEvent = std::function<void(TPersistent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TPersistent* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TPersistent* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TPersistent* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
// MousePos in client coordinates; Handled keeps the popup menu shut.
using TContextPopupEvent = std::function<void(TPersistent* Sender, TPoint MousePos, bool& Handled)>;

namespace tk {
// Makes a control's peer when the control first needs one.
using PeerMaker = std::function<std::unique_ptr<ControlPeer>(TControl&)>;
} // namespace tk

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    // Leaves the parent; the widget goes with the control.
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    // Moves the control into Value's client area (none: off screen); the parent shows it.
    virtual void SetParent(TWinControl* Value);

    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    void SetLeft(int Value);
    void SetTop(int Value);
    void SetWidth(int Value);
    void SetHeight(int Value);
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return bounds_; }
    // The client area is the whole control, less a form's menu bar at the top and a windowed
    // control's BorderWidth on every side.
    int ClientWidth() const { return std::max(Width() - 2 * clientBorder_, 0); }
    int ClientHeight() const { return std::max(Height() - clientTop_ - 2 * clientBorder_, 0); }
    void SetClientWidth(int Value) { SetWidth(Value + 2 * clientBorder_); }
    void SetClientHeight(int Value) { SetHeight(Value + clientTop_ + 2 * clientBorder_); }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }

    // Bounds that SetBounds keeps; a window also keeps the user from resizing past them.
    TSizeConstraints* Constraints() const { return constraints_.get(); }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors Value);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent up to a shown window.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool Value);

    TColor Color() const { return color_; }
    // Turns ParentColor off.
    void SetColor(TColor Value);
    // While on, the control's Color is its parent's and follows it.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool Value);
    // The control's text font. Controls that draw themselves read it when they paint; widgets
    // that draw their own text take it through SetFont.
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont& Value);
    TCursor Cursor() const { return cursor_; }
    // Takes effect at once, also while a modal loop runs inside a mouse handler.
    void SetCursor(TCursor Value);
    const AnsiString& Hint() const { return hint_; }
    // "short|long": the tool tip shows the part before the bar.
    void SetHint(const AnsiString& Value);
    bool ShowHint() const;
    // Turns ParentShowHint off.
    void SetShowHint(bool Value);
    // While on (the default), the control's ShowHint is its parent's and follows it.
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool Value);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* Value);
    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle Value);

    // Holds the mouse: every mouse message goes to this control, wherever the mouse is, until
    // the capture is released (a press takes the capture by itself until its release).
    bool MouseCapture() const;
    void SetMouseCapture(bool Value);

    // dmAutomatic: a left press starts a drag at once, instead of reaching MouseDown.
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode Value) { dragMode_ = Value; }
    // dkDrag drags onto drop targets (OnDragOver, OnDragDrop); dkDock moves the control itself
    // onto a dock site (OnDockOver, OnDockDrop), or into a tool window of its own.
    TDragKind DragKind() const { return dragKind_; }
    void SetDragKind(TDragKind Value) { dragKind_ = Value; }
    // Shown while the drag is over a target that takes it; crNoDrop shows elsewhere.
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor Value) { dragCursor_ = Value; }
    // Starts a drag with the left button held: at once, or once the mouse has moved Threshold
    // pixels (5 when negative). The control holds the mouse until the release drops it; Escape or
    // a lost capture cancels it.
    void BeginDrag(bool Immediate, int Threshold = -1);
    // Drops the running drag where the mouse is, or cancels it.
    void EndDrag(bool Drop);
    bool Dragging() const;
    // Makes the control a child of the dock site, leaving the tool window it floated in.
    bool ManualDock(TWinControl* NewDockSite);
    // Puts the control, with ScreenPos's size, into a tool window of its own whose client area
    // is ScreenPos on the screen.
    void ManualFloat(const TRect& ScreenPos);
    // Whether the control sits in the tool window of ManualFloat.
    bool Floating() const;

    TPoint ClientToScreen(TPoint Point) const;
    TPoint ScreenToClient(TPoint Point) const;

    // Marks the control for painting at the next pass of the message loop.
    void Invalidate();
    // Paints at once, whether or not anything was invalidated.
    void Repaint();
    // Paints now what has been invalidated, if anything.
    void Update();
    void Refresh() { Repaint(); }
    void BringToFront();

    // Runs a message through WindowProc at once and returns its answer.
    LRESULT Perform(unsigned Msg, WPARAM WParam, LPARAM LParam);

    // Where every message for the control goes; it starts as the control's own message handler
    // (WndProc). A component that watches the control's messages keeps the old value, puts its
    // own in place and passes the messages on to the kept one.
    TWndMethod WindowProc;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    // Fires on a right release, before the control's popup menu shows.
    TContextPopupEvent OnContextPopup;
    // The drag events of the control as a drag's source (OnStartDrag, OnEndDrag; OnStartDock,
    // OnEndDock for dock drags) and as a drop target (OnDragOver, OnDragDrop).
    TStartDragEvent OnStartDrag;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;
    TStartDragEvent OnStartDock;
    TEndDragEvent OnEndDock;

    // The control's Qt side, made now if the control has none yet, the height of the band above
    // its client area (a form's menu bar), and where the client area starts in the widget (below
    // the band, inside the border); toolkit code only.
    tk::ControlPeer& peer() const;
    bool hasPeer() const { return peer_ != nullptr; }
    int clientTop() const { return clientTop_; }
    TPoint clientOrigin() const { return Point(clientBorder_, clientTop_ + clientBorder_); }

protected:
    // Descendants backed by a widget of their own kind pass its peer.
    TControl(TComponent* AOwner, std::unique_ptr<tk::ControlPeer> Peer);
    // Descendants that keep all their state themselves pass how to make their peer: it is made
    // when the control would show (visible, on a parent that shows) or when peer() is asked.
    TControl(TComponent* AOwner, tk::PeerMaker Maker);
    // The peer was just made: descendants give its widget the state they kept.
    virtual void PeerCreated() {}
    // SetFont was called.
    bool hasOwnFont() const { return ownFont_; }

    // The message handler every message for this control goes through; descendants that handle
    // messages of their own override it and call the inherited one for the rest.
    virtual void WndProc(TMessage& Message);

    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    // MousePos is in screen coordinates. Returns whether a handler took the wheel.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void CMMouseEnter(TMessage& Message);
    virtual void CMMouseLeave(TMessage& Message);
    virtual void Resize();
    // After SetFont: controls whose size follows their text resize here.
    virtual void FontChanged();
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // The form this control sits on, or null.
    TForm* parentForm() const;

    // Where the client area starts in the widget: below a form's menu bar.
    void setClientTop(int Value);
    // The client area moved or changed its size inside the widget: the children follow it.
    void clientAreaChanged();
    // Lets the user size the window within Constraints.
    virtual void applySizeLimits();

private:
    friend class TWinControl;
    void mouseMessage(TMessage& message);
    void wheelMessage(TMessage& message);
    void contextPopup(TPoint at);
    void applyVisible();
    // Shows the colour and hands it on to the children that follow their parent's.
    void applyColor(TColor color);
    void applyHint();
    void rememberAnchors();
    void followParent(int parentWidth, int parentHeight);
    void placeWidget();
    void applyConstraints();
    void createPeer();
    // Whether a control without a peer must get one now: it is visible on a parent that shows.
    bool wouldShow() const;

    std::unique_ptr<tk::ControlPeer> peer_;
    tk::PeerMaker peerMaker_;
    TWinControl* parent_ = nullptr;
    TRect bounds_;
    int clientTop_ = 0;
    // A windowed control's BorderWidth.
    int clientBorder_ = 0;
    // Distances to the parent's right and bottom edge, kept for right and bottom anchors.
    int anchorRight_ = 0;
    int anchorBottom_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_ = akLeft | akTop;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
    // SetFont was called: a peer made later takes the font too.
    bool ownFont_ = false;
    std::unique_ptr<TSizeConstraints> constraints_;
    TCursor cursor_ = crDefault;
    AnsiString hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TPopupMenu* popupMenu_ = nullptr;
    TControlStyle controlStyle_ = csClickEvents | csDoubleClicks;
    bool clicked_ = false;
    TDragMode dragMode_ = dmManual;
    TDragKind dragKind_ = dkDrag;
    TCursor dragCursor_ = crDrag;
    int wheelAccumulator_ = 0;
};

// The control that holds the mouse capture (a button went down on it and is still down, or it
// asked for it), or null.
TControl* GetCaptureControl();
// The control under the screen point, disabled ones included when AllowDisabled, or null.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);
// The shift state of a mouse message's key state: its keys and held buttons, with Alt taken from
// the latest input, as mouse messages carry no Alt bit.
TShiftState KeysToShiftState(WPARAM Keys);
