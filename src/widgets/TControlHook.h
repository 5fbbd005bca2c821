// The hooks of one windowed control: replaces the control's window procedure with its own, which
// offers each message to the listeners before and after the control's previous procedure.
#pragma once

#include <vector>

#include "toolkit/Messages.h"

class TWinControl;
class TExWindowHook;

class TControlHook {
public:
    explicit TControlHook(TWinControl* Control);
    // Uninstalls, and tells the listeners left that their control hook is gone.
    ~TControlHook();
    TControlHook(const TControlHook&) = delete;
    TControlHook& operator=(const TControlHook&) = delete;

    // Null once the control is freed.
    TWinControl* Control() const { return control_; }
    void AddListener(TExWindowHook* Hook);
    void RemoveListener(TExWindowHook* Hook);
    bool HasListeners() const { return !listeners_.empty(); }

    // Records the control's window procedure and puts the hook's in its place, unless it is
    // there already; creates the control's window first.
    void Install();
    // Gives the recorded procedure back, only while the hook's own is still in place.
    void Uninstall();

private:
    struct Procedure;
    void windowProcedure(TMessage& message);
    bool isInstalled() const;
    void askMinMaxInfo() const;
    bool isListening(const TExWindowHook* hook) const;
    // Runs each listener's handler, the last added first, until one sets Handled (when asked).
    void notify(TMessage& message, bool& handled, bool before);

    TWinControl* control_;
    TWndMethod previous_;
    std::vector<TExWindowHook*> listeners_;
    bool destroying_ = false;
};
