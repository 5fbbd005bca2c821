// The windowed control: a control with a window handle that other controls can sit on, that
// can take the keyboard focus and receives the key messages, with the form's key preview first.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/TControl.h"

using TKeyEvent = std::function<void(TPersistent* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TPersistent* Sender, char& Key)>;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    // Frees the controls still sitting on it, then leaves the window registry.
    ~TWinControl() override;

    // The window's number in the registry of our windows; FindWindow, SendMessage and
    // PostMessage take it.
    HWND Handle() const { return handle_; }
    // The window class FindWindow matches: the class's own name ("TfmSplash"), unless a window
    // says otherwise.
    virtual AnsiString WindowClassName() const;
    // The native window's life. CreateWnd runs once: at the first show on screen, or at
    // HandleNeeded, whichever comes first (a parent's window first). RecreateWnd sends WM_DESTROY
    // through WindowProc when there is a window, resets the window's state (DestroyWnd) and runs
    // CreateWnd again, creating the window if need be. Freeing sends WM_DESTROY too.
    bool HandleAllocated() const { return handleAllocated_; }
    void HandleNeeded();
    void RecreateWnd();

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int Index) const { return controls_.at(static_cast<size_t>(Index)); }

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool Value);
    // The place among the windowed siblings that Tab walks: creation order unless set; setting
    // it moves the control there and renumbers the siblings. -1 without a parent.
    int TabOrder() const;
    void SetTabOrder(int Value);
    // Focuses the control after (or before) CurControl among this control's windowed
    // descendants in tab order, depth-first, wrapping round; only ones that can take the focus,
    // and with TabStop when CheckTabStop. Null CurControl starts at the ends.
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
    // Shown, enabled, and on a shown, enabled parent.
    virtual bool CanFocus() const;
    void SetFocus();
    bool Focused() const;

    // Places the aligned controls and follows the anchored ones; runs by itself on resizes.
    void Realign();
    // Between the two, realigning waits; they nest, and the last EnableAlign realigns once.
    void DisableAlign();
    void EnableAlign();

    // The 3-D look, stored only (the desktop's look applies). A change sends CM_CTL3DCHANGED
    // and turns ParentCtl3D off; children with ParentCtl3D follow their parent.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool Value);

    // Insets the client area by that many pixels on every side, inside any frame: client
    // coordinates, painting and the children's places all start inside it.
    int BorderWidth() const { return clientBorder_; }
    void SetBorderWidth(int Value);

    // Dock drags may drop their control here (OnDockOver, OnDockDrop).
    bool DockSite() const { return dockSite_; }
    void SetDockSite(bool Value) { dockSite_ = Value; }

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    // A dock drag over this dock site (Accept starts true), and its drop here, after the control
    // has become this site's child.
    TDockOverEvent OnDockOver;
    TDockDropEvent OnDockDrop;

protected:
    TWinControl(TComponent* AOwner, std::unique_ptr<tk::ControlPeer> Peer);
    TWinControl(TComponent* AOwner, tk::PeerMaker Maker);
    void PeerCreated() override;

    void WndProc(TMessage& Message) override;
    // Descendants set up what lives with the window (message masks) after the inherited call.
    virtual void CreateWnd();
    // Puts back the state a new window starts with.
    virtual void DestroyWnd();
    // The part of the client area that aligned controls fill; a panel keeps its border free.
    virtual void AdjustClientRect(TRect& Rect) const;

    virtual void KeyDown(std::uint16_t& Key, TShiftState Shift);
    virtual void KeyUp(std::uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    virtual void DoEnter();
    virtual void DoExit();

    // Key handling with the form's key preview first; each returns true when the key was
    // swallowed (set to 0) on the way.
    bool DoKeyDown(std::uint16_t& Key, TShiftState Shift);
    bool DoKeyUp(std::uint16_t& Key, TShiftState Shift);
    bool DoKeyPress(char& Key);

private:
    friend class TControl;
    friend class tk::ControlPeer;
    void insertControl(TControl* control);
    void removeControl(TControl* control);
    // This control's widget was shown: the visible children still without a peer get one.
    void showChildren();
    void keyMessage(TMessage& message);
    LRESULT hitTest(LPARAM screenPoint) const;
    // Whether a typed character goes on to the form's controls as CM_DIALOGCHAR: with Alt
    // always, otherwise unless the control answers WM_GETDLGCODE with DLGC_WANTCHARS.
    bool offersDialogChar(TShiftState shift);
    void applyCtl3D(bool value);
    // Tab or Shift+Tab at the focused control: false when the control takes it as a key
    // (WM_GETDLGCODE), otherwise the focus moves on its form.
    bool tabKey(bool forward);
    // The focus came to this control: its form learns it, then OnEnter.
    void focusEntered();
    void collectTabOrder(std::vector<TWinControl*>& order);
    using KeyStep = bool (TWinControl::*)(std::uint16_t&, TShiftState);
    using KeyHandler = void (TWinControl::*)(std::uint16_t&, TShiftState);
    bool keyWithPreview(std::uint16_t& key, TShiftState shift, KeyStep preview, KeyHandler handler);

    HWND handle_ = 0;
    std::vector<TControl*> controls_;
    // The windowed children in tab order.
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool realigning_ = false;
    int alignDisabled_ = 0;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    bool handleAllocated_ = false;
    bool dockSite_ = false;
};

// Whether Key is the accelerator of Caption: the character after a single "&", without regard
// to case ("&&" shows an ampersand and marks nothing).
bool IsAccel(unsigned Key, const AnsiString& Caption);
