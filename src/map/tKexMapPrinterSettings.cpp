// The printer settings' fonts and the custom scale setter.
#include "map/tKexMapPrinterSettings.h"

namespace {

void setUpFont(TFont& font, int size) {
    font.SetName("Arial Cyr");
    font.SetSize(size);
    font.SetColor(clBlack);
}

} // namespace

tKexMapPrinterSettings::tKexMapPrinterSettings() {
    setUpFont(titleFont_, 13);
    setUpFont(mashtabFont_, 11);
    SetCustomMashtab(0);
}

void tKexMapPrinterSettings::SetCustomMashtab(int value) {
    if (value == customMashtab_ || value < 0)
        return;
    customMashtab_ = value;
    mashtabPrint_ = S_Custom;
}
