// The form: a top-level window with a caption and border style, shown, hidden, closed, or run
// modally until its ModalResult is set. Its layout is built in code between BeginLayout and
// EndLayout, after which OnCreate fires.
#pragma once

#include "toolkit/TCanvas.h"
#include "toolkit/TWinControl.h"
#include "toolkit/WinApi.h"

class TMainMenu;

namespace tk {
class FormPeer;
}

enum TFormStyle { fsNormal, fsStayOnTop };
// poDefault leaves the place to the window system; poDesktopCenter centres like poScreenCenter
// (one screen here).
enum TPosition { poDesigned, poScreenCenter, poDefault, poDesktopCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

// The buttons of the window's title bar: the system menu stands for the close button too.
using TBorderIcons = unsigned;
constexpr TBorderIcons biSystemMenu = 0x01;
constexpr TBorderIcons biMinimize = 0x02;
constexpr TBorderIcons biMaximize = 0x04;

using TCloseEvent = std::function<void(TPersistent* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TPersistent* Sender, bool& CanClose)>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* AOwner);
    // Fires OnDestroy while the form's components are all still there.
    ~TForm() override;

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    // The user resizes only bsSizeable and bsSizeToolWin forms; code always may.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle Value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition Value) { position_ = Value; }
    TWindowState WindowState() const { return windowState_; }
    // Maximised is applied as the screen's free area, so it holds without a window manager too.
    void SetWindowState(TWindowState Value);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool Value) { keyPreview_ = Value; }
    // The menu bar above the client area; its entries are read again each time the form is shown
    // and each time one of its menus opens.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* Value);

    // A sizeable form stays within Constraints and its last answer to WM_GETMINMAXINFO, which it
    // asks again at the new size; a fixed one only within Constraints.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Asks WM_GETMINMAXINFO again and applies the answer, as the form does before it shows, at
    // each resize and after SetWindowPlacement: for a watcher of its messages that changed what
    // it answers.
    void askMinMaxInfo();
    // Showing fires OnShow first; a form positioned at the screen centre is centred then.
    void SetVisible(bool Value) override;
    // Asks OnCloseQuery, then OnClose decides: hide (the default), free, minimise or nothing.
    // Closing the main form ends the program; closing a modal form cancels it.
    void Close();
    virtual bool CloseQuery();
    // Shows the form modally, handling messages until ModalResult is set (or the program ends,
    // which gives mrCancel), hides it and returns the result.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    // Frees the form once the handler now running has returned.
    void Release();

    // The control that has, or at the next show takes, the focus on this form; it follows the
    // focus. Set while the form is shown, it takes the focus at once.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* Value);

    // Offers Enter or Esc to the form's default or cancel button; true when one took it.
    bool DialogKey(std::uint16_t Key);

    // The form's own drawing surface, for OnPaint and for drawing outside it.
    TCanvas* Canvas() const;

    // What SetWindowPlacement gave beyond the bounds, kept for GetWindowPlacement. Toolkit code only.
    struct RememberedPlacement {
        unsigned flags = 0;
        TPoint minPosition;
        TPoint maxPosition;
    };
    RememberedPlacement& rememberedPlacement() { return remembered_; }
    const RememberedPlacement& rememberedPlacement() const { return remembered_; }
    // The bounds of the form shown normal, kept while it is minimised or maximised; setting them
    // moves a form shown normal at once, and a minimised or maximised one when it is restored.
    TRect normalBounds() const { return normalBounds_; }
    void setNormalBounds(const TRect& bounds);
    // The state kept without applying it: the window stays as it is until the form is next
    // shown or given a state. For a placement that minimises the application in the form's stead.
    void storeWindowState(TWindowState state) { windowState_ = state; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnPaint;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    // Components created (owned by the form) between the two are read as a layout: they carry
    // csLoading until EndLayout, which calls Loaded on the form and on each of them in creation
    // order and then fires OnCreate; an exception from OnCreate goes to the application's
    // exception handling.
    void BeginLayout();
    void EndLayout();

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    virtual void Paint();
    virtual void DoShow();
    virtual void DoHide();
    virtual void Activate();
    virtual void DoClose(TCloseAction& Action);
    void Resize() override;

private:
    friend class tk::FormPeer;
    friend class TWinControl;
    // A control of the form took the focus: it becomes the active control, and every control
    // of the form, windowless ones included, receives CM_FOCUSCHANGED.
    void focusChanged(TWinControl* control);
    void controlGone(TWinControl* control);
    // Offers a typed character to the form's controls (CM_DIALOGCHAR); true when one took it.
    bool dialogChar(char Key);
    void applyWindowFlags();
    // A fixed form keeps its size; a sizeable one lets the user size it within Constraints and
    // the last answer to WM_GETMINMAXINFO.
    void applySizeLimits() override;
    bool userSizeable() const;
    bool shownNormal() const;
    MINMAXINFO defaultMinMaxInfo() const;
    void buildMenuBar();

    AnsiString caption_;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormStyle formStyle_ = fsNormal;
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    bool keyPreview_ = false;
    TMainMenu* menu_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool positioned_ = false;
    MINMAXINFO minMaxInfo_;
    RememberedPlacement remembered_;
    TRect normalBounds_;
};
