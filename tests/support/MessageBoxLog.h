// A dialog presenter for the suites that only need to see the message boxes shown: it is in place
// for its lifetime, notes every box and answers each with answer (OK unless set); the other
// dialogs are cancelled.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Dialogs.h"

namespace tktest {

struct MessageBoxLog : tk::DialogPresenter {
    std::vector<std::string> boxes; // "<caption>: <text>"
    int answer = IDOK;

    MessageBoxLog() { tk::setDialogPresenter(this); }
    ~MessageBoxLog() override { tk::setDialogPresenter(nullptr); }
    MessageBoxLog(const MessageBoxLog&) = delete;
    MessageBoxLog& operator=(const MessageBoxLog&) = delete;

    int messageBox(const AnsiString& text, const AnsiString& caption, unsigned) override {
        boxes.push_back(caption + ": " + text);
        return answer;
    }
    bool chooseColor(TColor&, TStrings&) override { return false; }
    bool login(const AnsiString&, AnsiString&, AnsiString&) override { return false; }
    TMenuItem* trackPopup(TPopupMenu&, int, int) override { return nullptr; }
};

} // namespace tktest
