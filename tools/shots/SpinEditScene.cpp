// The spin edit scene: spin edits in the integer, float and hexadecimal forms, one with the
// up-down button kind, and one whose diagonal button has its top half held down.
#include "Scene.h"
#include "map/TKEXSpinButton.h"
#include "map/TKEXSpinEdit.h"
#include "toolkit/Clock.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/TLabel.h"

#include <memory>

namespace {

using tk::fromUtf8;

TKEXSpinEdit* spinRow(TForm& form, int row, const char* caption, TValueType type, double value) {
    const int y = 12 + row * 40;
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(12, y + 8, 120, 15);
    label->SetCaption(fromUtf8(caption));
    auto* spin = new TKEXSpinEdit(&form);
    spin->SetParent(&form);
    spin->SetBounds(140, y, 120, 32);
    spin->SetValueType(type);
    spin->SetValue(value);
    return spin;
}

} // namespace

SHOTS_SCENE(spinedits) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetCaption(fromUtf8("Числовые поля"));
    form->SetBounds(80, 60, 290, 230);
    spinRow(*form, 0, "Целое", vtInteger, 42);
    spinRow(*form, 1, "Дробное", vtFloat, 3.25);
    spinRow(*form, 2, "Шестнадцатеричное", vtHex, 255);
    spinRow(*form, 3, "Стрелки", vtInteger, 7)->SetButtonKind(bkStandard);
    TKEXSpinEdit* held = spinRow(*form, 4, "Нажата верхняя", vtInteger, 10);
    form->Show();
    Application->ProcessMessages();
    // No repeats while the picture is taken.
    tk::useManualClock(true);
    tk::input::press(*held->Button(), mbLeft, 3, 3);
    Application->ProcessMessages();
    const bool written = tk::saveScreenshot(*form, pngPath);
    tk::input::release(*held->Button(), mbLeft, 3, 3);
    Application->ProcessMessages();
    tk::useManualClock(false);
    return written;
}
