// Forms.
//
//   hidden --Show / Visible := true (OnShow)--> shown --Hide / Close with caHide (OnHide)--> hidden
//   hidden --ShowModal--> modal --ModalResult set, OnCloseQuery agrees--> hidden, result returned
//   shown --Close of the main form--> program terminating
//   any --Release / Close with caFree--> freed once the running handler has returned
#include "toolkit/TForm.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "toolkit/MenuBuilder_p.h"
#include "toolkit/MessageQueue_p.h"
#include "toolkit/TApplication.h"
#include "toolkit/TMainMenu.h"
#include "toolkit/SurfacePeer_p.h"
#include "toolkit/WindowRegistry_p.h"

namespace tk {

class FormPeer : public SurfacePeer {
public:
    using SurfacePeer::SurfacePeer;

    bool isWindow() const override { return true; }
    // The window system's close button closes the form the toolkit's way; the widget itself is
    // hidden, or not, by that.
    bool closeRequested() override {
        form().Close();
        return false;
    }
    void activated() override { form().Activate(); }

    QMenuBar* menuBar = nullptr;

private:
    TForm& form() const { return static_cast<TForm&>(control()); }
};

} // namespace tk

namespace {

// Offers the message to the controls in order, depth-first, until one answers non-zero.
void offerToControls(TWinControl& parent, TMessage& message) {
    for (int i = 0; i < parent.ControlCount() && message.Result == 0; ++i) {
        TControl* child = parent.Controls(i);
        message.Result = child->Perform(message.Msg, message.WParam, message.LParam);
        if (auto* w = dynamic_cast<TWinControl*>(child); w != nullptr && message.Result == 0)
            offerToControls(*w, message);
    }
}

void broadcast(TControl& control, TMessage& message) {
    control.Perform(message.Msg, message.WParam, message.LParam);
    if (auto* w = dynamic_cast<TWinControl*>(&control))
        for (int i = 0; i < w->ControlCount(); ++i)
            broadcast(*w->Controls(i), message);
}

} // namespace

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner, tk::makePeer<QWidget, tk::FormPeer>(*this)) {
    static_cast<tk::FormPeer&>(peer()).onPaint = [this] { Paint(); };
    TControl::SetVisible(false);
    minMaxInfo_ = defaultMinMaxInfo();
    normalBounds_ = BoundsRect();
    applyWindowFlags();
}

TForm::~TForm() {
    Destroying();
    if (OnDestroy)
        tk::guarded(this, [this] { OnDestroy(this); });
}

void TForm::SetCaption(const AnsiString& Value) {
    caption_ = Value;
    peer().widget()->setWindowTitle(tk::qString(Value));
}

void TForm::SetBorderStyle(TFormBorderStyle Value) {
    borderStyle_ = Value;
    applyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle Value) {
    formStyle_ = Value;
    applyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons Value) {
    borderIcons_ = Value;
    applyWindowFlags();
}

void TForm::applyWindowFlags() {
    Qt::WindowFlags flags = Qt::Window;
    switch (borderStyle_) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        flags = Qt::Dialog;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool;
        break;
    default:
        break;
    }
    // The title bar shows only the buttons asked for; a window without a border has none.
    if (borderStyle_ != bsNone) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons_ & biSystemMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if ((borderIcons_ & biMinimize) && borderStyle_ != bsDialog)
            flags |= Qt::WindowMinimizeButtonHint;
        if ((borderIcons_ & biMaximize) && borderStyle_ != bsDialog)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (formStyle_ == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    QWidget* widget = peer().widget();
    const bool shown = widget->isVisible();
    widget->setWindowFlags(flags);
    applySizeLimits();
    // Changing the flags hides a window; it comes back as it was.
    if (shown)
        widget->show();
}

void TForm::SetWindowState(TWindowState Value) {
    const TWindowState previous = windowState_;
    windowState_ = Value;
    if (!Visible())
        return;
    QWidget* widget = peer().widget();
    if (Value == wsMaximized) {
        askMinMaxInfo();
        const MINMAXINFO& info = minMaxInfo_;
        SetBounds(info.ptMaxPosition.X, info.ptMaxPosition.Y, info.ptMaxSize.X, info.ptMaxSize.Y);
        widget->showMaximized();
    } else if (Value == wsMinimized) {
        widget->showMinimized();
    } else {
        widget->showNormal();
        if (previous != wsNormal)
            SetBounds(normalBounds_.Left, normalBounds_.Top, normalBounds_.Width(), normalBounds_.Height());
    }
}

bool TForm::shownNormal() const {
    return windowState_ == wsNormal && !(peer().widget()->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

void TForm::setNormalBounds(const TRect& bounds) {
    normalBounds_ = bounds;
    if (shownNormal())
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

// The toolkit's answer before the form's handlers change it: maximised over the screen's free
// area, sized by the user without limits of its own.
MINMAXINFO TForm::defaultMinMaxInfo() const {
    const QRect area = peer().widget()->screen()->availableGeometry();
    MINMAXINFO info;
    info.ptMaxSize = Point(area.width(), area.height());
    info.ptMaxPosition = Point(area.x(), area.y());
    info.ptMaxTrackSize = Point(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return info;
}

void TForm::askMinMaxInfo() {
    MINMAXINFO info = defaultMinMaxInfo();
    Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    minMaxInfo_ = info;
    applySizeLimits();
}

void TForm::SetMenu(TMainMenu* Value) {
    menu_ = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
    buildMenuBar();
}

void TForm::buildMenuBar() {
    auto& formPeer = static_cast<tk::FormPeer&>(peer());
    if (menu_ == nullptr) {
        delete formPeer.menuBar;
        formPeer.menuBar = nullptr;
        setClientTop(0);
        return;
    }
    if (formPeer.menuBar == nullptr)
        formPeer.menuBar = new QMenuBar(formPeer.widget());
    QMenuBar* bar = formPeer.menuBar;
    tk::fillMenuBar(*bar, *menu_->Items(), [this](QAction* action, TMenuItem* item) {
        QObject::connect(action, &QAction::triggered, [this, item, life = item->lifeToken()] {
            if (!life.expired())
                tk::guarded(this, [item] { item->Click(); });
        });
    });
    const int height = bar->sizeHint().height();
    bar->setGeometry(0, 0, Width(), height);
    bar->show();
    setClientTop(height);
}

bool TForm::userSizeable() const {
    return borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin || borderStyle_ == bsNone;
}

void TForm::applySizeLimits() {
    QWidget* widget = peer().widget();
    if (!userSizeable()) {
        widget->setFixedSize(Width(), Height());
        return;
    }
    const TSizeConstraints& c = *Constraints();
    const MINMAXINFO& info = minMaxInfo_;
    const int maxWidth = std::min(c.MaxWidth() > 0 ? c.MaxWidth() : QWIDGETSIZE_MAX, info.ptMaxTrackSize.X);
    const int maxHeight = std::min(c.MaxHeight() > 0 ? c.MaxHeight() : QWIDGETSIZE_MAX, info.ptMaxTrackSize.Y);
    widget->setMinimumSize(std::max(c.MinWidth(), info.ptMinTrackSize.X), std::max(c.MinHeight(), info.ptMinTrackSize.Y));
    widget->setMaximumSize(std::max(maxWidth, 0), std::max(maxHeight, 0));
}

void TForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // The window system keeps a sizeable window within its last answer to WM_GETMINMAXINFO, also
    // when code sizes it, and asks again at the new size.
    if (userSizeable()) {
        const MINMAXINFO& info = minMaxInfo_;
        AWidth = std::max(std::min(AWidth, info.ptMaxTrackSize.X), info.ptMinTrackSize.X);
        AHeight = std::max(std::min(AHeight, info.ptMaxTrackSize.Y), info.ptMinTrackSize.Y);
    }
    // The window takes a new size from code only once its limits allow it.
    const int width = std::max(Constraints()->ConstrainWidth(AWidth), 0);
    const int height = std::max(Constraints()->ConstrainHeight(AHeight), 0);
    QWidget* widget = peer().widget();
    widget->setMinimumSize(std::min(widget->minimumWidth(), width), std::min(widget->minimumHeight(), height));
    widget->setMaximumSize(std::max(widget->maximumWidth(), width), std::max(widget->maximumHeight(), height));
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (shownNormal())
        normalBounds_ = BoundsRect();
    askMinMaxInfo();
}

void TForm::Resize() {
    if (QMenuBar* bar = static_cast<tk::FormPeer&>(peer()).menuBar)
        bar->setGeometry(0, 0, Width(), clientTop());
    TWinControl::Resize();
}

void TForm::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == menu_) {
        menu_ = nullptr;
        buildMenuBar();
    }
    if (Operation == opInsert && (ComponentState() & csReading) && AComponent != this)
        AComponent->BeginLoading();
}

void TForm::BeginLayout() { BeginLoading(); }

void TForm::EndLayout() {
    EndLoading();
    for (int i = 0; i < ComponentCount(); ++i)
        if (Components(i)->ComponentState() & csLoading)
            Components(i)->EndLoading();
    try {
        if (OnCreate)
            OnCreate(this);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TForm::SetVisible(bool Value) {
    if (Value == Visible())
        return;
    if (!Value) {
        TControl::SetVisible(false);
        DoHide();
        return;
    }
    DoShow();
    if ((position_ == poScreenCenter || position_ == poDesktopCenter) && !positioned_) {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2, Width(), Height());
    }
    positioned_ = true;
    askMinMaxInfo();
    if (menu_ != nullptr)
        buildMenuBar();
    TControl::SetVisible(true);
    SetWindowState(windowState_);
    if (activeControl_ != nullptr && activeControl_->CanFocus())
        activeControl_->SetFocus();
}

void TForm::SetActiveControl(TWinControl* Value) {
    activeControl_ = Value;
    if (Value != nullptr && Visible() && Value->CanFocus())
        Value->SetFocus();
}

void TForm::focusChanged(TWinControl* control) {
    activeControl_ = control;
    TMessage message{CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control), 0};
    broadcast(*this, message);
}

void TForm::controlGone(TWinControl* control) {
    if (activeControl_ == control)
        activeControl_ = nullptr;
}

TCanvas* TForm::Canvas() const { return &static_cast<tk::FormPeer&>(peer()).canvas(); }

void TForm::Paint() {
    if (OnPaint)
        OnPaint(this);
}

void TForm::DoShow() {
    if (OnShow)
        OnShow(this);
}

void TForm::DoHide() {
    if (OnHide)
        OnHide(this);
}

void TForm::Activate() {
    if (OnActivate)
        OnActivate(this);
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::DoClose(TCloseAction& Action) {
    if (OnClose)
        OnClose(this, Action);
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    default:
        Release();
        break;
    }
}

TModalResult TForm::ShowModal() {
    if (Visible() || modal_)
        throw EInvalidOperation("Cannot make a visible window modal");
    tk::cancelMode();
    modal_ = true;
    modalResult_ = mrNone;
    QWidget* widget = peer().widget();
    widget->setWindowModality(Qt::ApplicationModal);
    Show();
    const HWND self = Handle();
    for (;;) {
        Application->HandleMessage();
        if (tk::windowFromHandle(self) != this)
            return mrCancel;
        if (Application->Terminated())
            modalResult_ = mrCancel;
        if (modalResult_ == mrNone)
            continue;
        // The result stands only when the form agrees to close.
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action == caNone && !Application->Terminated()) {
            modalResult_ = mrNone;
            continue;
        }
        if (action == caFree)
            Release();
        break;
    }
    modal_ = false;
    Hide();
    widget->setWindowModality(Qt::NonModal);
    return modalResult_;
}

void TForm::Release() {
    const HWND self = Handle();
    peer().widget()->hide();
    tk::markReleased(self);
    tk::postToLoop([self] { delete tk::windowFromHandle(self); });
}

bool TForm::DialogKey(std::uint16_t Key) {
    TMessage message{CM_DIALOGKEY, Key, 0, 0};
    offerToControls(*this, message);
    return message.Result != 0;
}

bool TForm::dialogChar(char Key) {
    TMessage message{CM_DIALOGCHAR, static_cast<unsigned char>(Key), 0, 0};
    offerToControls(*this, message);
    return message.Result != 0;
}

void TForm::WndProc(TMessage& Message) {
    if (Message.Msg == WM_CLOSE) {
        Close();
        return;
    }
    TWinControl::WndProc(Message);
}
