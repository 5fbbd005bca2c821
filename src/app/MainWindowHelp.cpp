// The main window's banners and help: the banner rotation every five seconds, the banner click
// that opens the advertiser's or the program's help, and the help menu, button and F1, which bring
// an open help window forward instead of opening a second one. Help never reports an error: a
// book that cannot be opened simply shows nothing.
#include "app/TfmValdrenGIS.h"

#include "app/HelpWindows.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/Process.h"
#include "toolkit/Shell.h"
#include "toolkit/TApplication.h"
#include "toolkit/WinApi.h"

namespace {

// The same window hidden and shown again comes to the front.
void bringForward(HWND window) {
    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOW);
}

// Runs an action whose failures nobody is told about.
template <class Action>
void ignoringErrors(Action action) {
    try {
        action();
    } catch (...) {
    }
}

} // namespace

void TfmValdrenGIS::NextBanner() {
    bannerIndex_ = bannerIndex_ % 3 + 1;
    ShowBanner(bannerIndex_);
}

void TfmValdrenGIS::BanTimerTimer() { NextBanner(); }

void TfmValdrenGIS::Image1Click() {
    if (bannerHelpFile_.empty())
        return;
    ignoringErrors([this] {
        // The advertiser's help always opens anew, on its first page.
        if (bannerHelpTitle_ == tk::fromUtf8(app::kAdvertHelpTitle)) {
            if (HWND open = FindWindow(app::kHelpViewerClass, bannerHelpTitle_.c_str())) {
                SendMessage(open, WM_CLOSE, 0, 0);
                Sleep(100);
            }
        }
        if (HWND open = FindWindow(app::kHelpViewerClass, bannerHelpTitle_.c_str()))
            bringForward(open);
        else
            ShellExecute(Application->Handle(), "open", bannerHelpFile_.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    });
}

void TfmValdrenGIS::N3Click() {
    ignoringErrors([] {
        if (HWND open = FindWindow(app::kHelpViewerClass, tk::fromUtf8(app::kProgramHelpTitle).c_str()))
            bringForward(open);
        else
            ShellExecute(0, "open", app::kProgramHelpBook, nullptr, nullptr, SW_SHOWNORMAL);
    });
}

void TfmValdrenGIS::SpeedButton8Click() { N3Click(); }
