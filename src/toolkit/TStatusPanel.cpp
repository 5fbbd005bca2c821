// Status panels tell their collection of every change.
#include "toolkit/TStatusPanel.h"

void TStatusPanel::SetText(const AnsiString& Value) {
    text_ = Value;
    Changed(false);
}

void TStatusPanel::SetWidth(int Value) {
    width_ = Value;
    Changed(true);
}
