// The drag session. BeginDrag starts it, holding the mouse; the source's mouse messages drive it:
//   none --BeginDrag(Immediate)--> dragging (OnStartDrag / OnStartDock)
//   none --BeginDrag(not Immediate)--> pending --moved Threshold pixels--> dragging
//   pending --release, Escape, lost capture, EndDrag--> none, without events (it was a click)
//   dragging --move--> dragging: the control under the mouse hears dsDragEnter, dsDragMove and,
//                      once the mouse has left it, dsDragLeave
//   dragging --release or EndDrag(true)--> none: dropped on an accepting target, or refused
//   dragging --Escape, lost capture (WM_CANCELMODE), EndDrag(false)--> none: cancelled
// A drag asks drop targets (OnDragOver; without a handler a control refuses); a dock drag asks
// dock sites, the nearest windowed control with DockSite under the mouse outside the source
// (OnDockOver; a site accepts unless its handler refuses). The capture, the cursor and the Escape
// watch are put away before the drop's events fire, so that a handler may start another drag.
#include "toolkit/DragSession_p.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "toolkit/TControl_p.h"
#include "toolkit/TScreen_p.h"
#include "toolkit/TWinControl.h"

namespace tk {
namespace {

// Escape, wherever the keyboard focus is, cancels the drag.
class EscapeWatch : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return QObject::eventFilter(watched, event);
        DragSession::cancel();
        return true;
    }
};

EscapeWatch& escapeWatch() {
    static EscapeWatch watch;
    return watch;
}

bool isWithin(const TControl& outer, const TControl* control) {
    for (const TControl* c = control; c != nullptr; c = c->Parent())
        if (c == &outer)
            return true;
    return false;
}

} // namespace

std::shared_ptr<DragSession>& DragSession::active() {
    static std::shared_ptr<DragSession> session;
    return session;
}

DragSession*& DragSession::ending() {
    static DragSession* session = nullptr;
    return session;
}

DragSession::DragSession(TControl& source, int threshold) : source_(source), object_(&source), threshold_(threshold) {
    const QPoint cursor = inputState().cursor;
    startPos_ = Point(cursor.x(), cursor.y());
    grabOffset_ = source.ScreenToClient(startPos_);
    object_.kind_ = source.DragKind();
    object_.dragPos_ = startPos_;
}

DragSession::~DragSession() = default;

void DragSession::begin(TControl& source, bool immediate, int threshold) {
    if (active())
        return;
    const auto session = std::make_shared<DragSession>(source, threshold);
    active() = session;
    QCoreApplication::instance()->installEventFilter(&escapeWatch());
    source.SetMouseCapture(true);
    if (!immediate)
        return;
    session->start();
    if (session->isCurrent())
        session->moveTo(session->startPos_);
}

bool DragSession::mouseMessage(TControl& control, const TMessage& message) {
    // Held here, the session outlives a handler that ends the drag.
    const std::shared_ptr<DragSession> session = active();
    if (!session || &session->source_ != &control)
        return false;
    const TPoint screen = control.ClientToScreen(Point(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)));
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        if (!session->started_) {
            if (!session->pastThreshold(screen))
                return false;
            session->start();
            if (!session->isCurrent())
                return true;
        }
        session->moveTo(screen);
        return true;
    case WM_LBUTTONUP: {
        const bool started = session->started_;
        if (started && screen != session->object_.dragPos_) {
            session->moveTo(screen);
            if (!session->isCurrent())
                return true;
        }
        finish(/*drop=*/true);
        return started;
    }
    default:
        return session->started_;
    }
}

void DragSession::end(TControl& source, bool drop) {
    if (active() && &active()->source_ == &source)
        finish(drop);
}

void DragSession::cancel() { finish(/*drop=*/false); }

bool DragSession::isDragging(const TControl& control) {
    return active() && &active()->source_ == &control && active()->started_;
}

void DragSession::controlGone(const TControl& control) {
    if (active() && &active()->source_ == &control) {
        QCoreApplication::instance()->removeEventFilter(&escapeWatch());
        active().reset();
        return;
    }
    for (DragSession* session : {active().get(), ending()}) {
        if (session == nullptr || session->object_.dragTarget_ != &control)
            continue;
        session->object_.dragTarget_ = nullptr;
        session->object_.accepted_ = false;
    }
}

bool DragSession::pastThreshold(TPoint screen) const {
    return std::abs(screen.X - startPos_.X) >= threshold_ || std::abs(screen.Y - startPos_.Y) >= threshold_;
}

void DragSession::start() {
    started_ = true;
    const TStartDragEvent& handler = object_.kind_ == dkDock ? source_.OnStartDock : source_.OnStartDrag;
    if (handler)
        handler(&source_, &object_);
}

void DragSession::moveTo(TPoint screen) {
    object_.dragPos_ = screen;
    object_.dockRect_ = Rect(screen.X - grabOffset_.X, screen.Y - grabOffset_.Y,
                             screen.X - grabOffset_.X + source_.Width(), screen.Y - grabOffset_.Y + source_.Height());
    TControl* target = targetAt(screen);
    TDragState state = dsDragMove;
    if (target != object_.dragTarget_) {
        if (TControl* left = std::exchange(object_.dragTarget_, nullptr)) {
            object_.accepted_ = false;
            askTarget(*left, dsDragLeave);
            if (!isCurrent())
                return;
        }
        object_.dragTarget_ = target;
        state = dsDragEnter;
    }
    const bool accept = target != nullptr && askTarget(*target, state);
    if (!isCurrent())
        return;
    // The handler may have freed the target.
    object_.accepted_ = accept && object_.dragTarget_ != nullptr;
    showCursor();
}

bool DragSession::askTarget(TControl& target, TDragState state) {
    const TPoint at = target.ScreenToClient(object_.dragPos_);
    bool accept = true;
    if (object_.kind_ == dkDock) {
        auto& site = static_cast<TWinControl&>(target);
        if (site.OnDockOver)
            site.OnDockOver(&site, &object_, at.X, at.Y, state, accept);
        return accept;
    }
    if (!target.OnDragOver)
        return false;
    target.OnDragOver(&target, &source_, at.X, at.Y, state, accept);
    return accept;
}

TControl* DragSession::targetAt(TPoint screen) const {
    if (object_.kind_ == dkDrag)
        return FindDragTarget(screen, /*AllowDisabled=*/false);
    for (TControl* c = controlAt(QPoint(screen.X, screen.Y)); c != nullptr; c = c->Parent()) {
        if (isWithin(source_, c))
            continue;
        if (auto* site = dynamic_cast<TWinControl*>(c); site != nullptr && site->DockSite() && site->Enabled())
            return site;
    }
    return nullptr;
}

void DragSession::showCursor() {
    ControlPeer& peer = source_.peer();
    if (object_.accepted_)
        peer.showCursor(qCursor(source_.DragCursor()));
    else if (object_.kind_ == dkDrag)
        peer.showCursor(qCursor(crNoDrop));
    else
        peer.cursorChanged(); // released here, the control floats
}

void DragSession::finish(bool drop) {
    const std::shared_ptr<DragSession> session = std::exchange(active(), nullptr);
    if (!session)
        return;
    QCoreApplication::instance()->removeEventFilter(&escapeWatch());
    TControl& source = session->source_;
    source.peer().cursorChanged();
    source.SetMouseCapture(false);
    if (!session->started_)
        return;
    DragSession* outer = std::exchange(ending(), session.get());
    session->dropOrCancel(drop);
    ending() = outer;
}

void DragSession::dropOrCancel(bool drop) {
    const bool dropped = drop && object_.accepted_ && object_.dragTarget_ != nullptr;
    if (!dropped && object_.dragTarget_ != nullptr)
        askTarget(*object_.dragTarget_, dsDragLeave);
    const TPoint at = dropped ? object_.dragTarget_->ScreenToClient(object_.dragPos_) : Point(0, 0);
    if (object_.kind_ == dkDock) {
        if (dropped)
            dock(static_cast<TWinControl&>(*object_.dragTarget_), at);
        else if (drop)
            source_.ManualFloat(object_.dockRect_);
        if (source_.OnEndDock)
            source_.OnEndDock(&source_, dropped ? object_.dragTarget_ : nullptr, at.X, at.Y);
        return;
    }
    if (dropped && object_.dragTarget_->OnDragDrop)
        object_.dragTarget_->OnDragDrop(object_.dragTarget_, &source_, at.X, at.Y);
    if (source_.OnEndDrag)
        source_.OnEndDrag(&source_, dropped ? object_.dragTarget_ : nullptr, at.X, at.Y);
}

// The control lands where its frame was when released, inside the site's client area.
void DragSession::dock(TWinControl& site, TPoint at) {
    source_.ManualDock(&site);
    const TPoint corner = site.ScreenToClient(Point(object_.dockRect_.Left, object_.dockRect_.Top));
    source_.SetBounds(std::max(corner.X, 0), std::max(corner.Y, 0), source_.Width(), source_.Height());
    if (site.OnDockDrop)
        site.OnDockDrop(&site, &object_, at.X, at.Y);
}

} // namespace tk
