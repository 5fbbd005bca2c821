// Shows a scene's form and waits until the window server has made it the active window (a second
// at most), so that focus frames and hot tracking can show.
#pragma once

#include <chrono>
#include <thread>

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace shots {

inline void showActive(TForm& form, TWinControl& focus) {
    form.Show();
    for (int pass = 0; pass < 50 && !focus.Focused(); ++pass) {
        Application->ProcessMessages();
        focus.SetFocus();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    Application->ProcessMessages();
}

} // namespace shots
