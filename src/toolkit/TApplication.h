// The application object: owns the windows, runs the message loop and modal pumps, passes every
// queued message through the application's hook, and reports exceptions that escape handlers.
#pragma once

#include <exception>
#include <functional>
#include <new>

#include "toolkit/Messages.h"
#include "toolkit/TComponent.h"
#include "toolkit/TForm.h"

using TExceptionEvent = std::function<void(TPersistent* Sender, const std::exception& E)>;
using TMessageEvent = std::function<void(TMsg& Msg, bool& Handled)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // Brings up the windowing system (once); everything on screen needs it first.
    void Initialize();

    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& Value);

    // Creates a form owned by the application; the first one becomes the main form. Reference is
    // set before the form's constructor runs, so the form's creation handler may use it. A freed
    // main form is forgotten, and the next form created takes its place.
    template <class F>
    void CreateForm(F*& Reference);
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and handles messages until Terminate. The program then calls
    // tk::shutDownApplication before it returns from main.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every message waiting now (input, paint, timers, posted messages) and returns.
    // Safe inside any handler, a mouse handler included; the mouse capture stays.
    void ProcessMessages();
    // Waits for at least one message and handles what is there.
    void HandleMessage();

    // Reports the exception being handled (call it from a catch block): OnException when
    // assigned, else ShowException.
    void HandleException(TPersistent* Sender);
    // A message box with the exception's text, captioned with the title.
    void ShowException(const std::exception& E);
    // A message box captioned Caption (the title when empty); Flags as MB_OK, MB_ICONERROR ...;
    // returns the button pressed (IDOK ...).
    int MessageBox(const AnsiString& Text, const AnsiString& Caption, unsigned Flags);

    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool Value);
    // Whether one of our windows is the active window.
    bool Active() const;
    // The application's own window: SendMessage and PostMessage to it reach WndProc.
    HWND Handle() const { return 1; }
    // The application window's messages: WM_SYSCOMMAND with SC_MINIMIZE minimises every shown
    // form, leaving their WindowState as it is.
    void WndProc(TMessage& Message);

    TExceptionEvent OnException;
    // Sees every queued message (input and posted messages) before it is dispatched; setting
    // Handled stops it there.
    TMessageEvent OnMessage;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void formCreated(TForm* form);

    AnsiString title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool showHint_ = false;
};

extern TApplication* Application;

namespace tk {

// Frees the application's forms and takes the windowing system down, while Qt's own globals are
// still there (they may be gone when static objects are destroyed after main).
void shutDownApplication();

} // namespace tk

template <class F>
void TApplication::CreateForm(F*& Reference) {
    void* memory = ::operator new(sizeof(F));
    Reference = static_cast<F*>(memory);
    try {
        new (memory) F(this);
    } catch (...) {
        Reference = nullptr;
        ::operator delete(memory);
        throw;
    }
    formCreated(Reference);
}
