// The main window's actions on its small windows: the find dialog and the address search behind
// it, the settings dialog and what confirming it stores, the about box and the mini-map toggle.
#include "app/TfmValdrenGIS.h"

#include <algorithm>
#include <memory>

#include "app/ProgramDirectory.h"
#include "app/ProgramSettings.h"
#include "app/TfmAbout.h"
#include "app/TfmFindObj.h"
#include "app/TfmParams.h"
#include "app/TfmSmall.h"
#include "map/TDataMap.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FilePath.h"
#include "toolkit/TApplication.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TShape.h"
#include "toolkit/TTimer.h"

namespace {

// The largest scale a found building is shown at.
constexpr int kFoundScale = 250;

// A search that found something is remembered in its box's list, once, unless it is blank.
void remember(TComboBox& box, const AnsiString& text) {
    if (box.Items()->IndexOf(text) < 0 && !Trim(text).empty())
        box.Items()->Add(text);
}

} // namespace

void TfmValdrenGIS::N6Click() {
    if (fmFindObj->ShowModal() != mrOk)
        return;
    const AnsiString street = fmFindObj->cbStreet->Text();
    const AnsiString house = fmFindObj->cbHouse->Text();
    const int index = DataMap1->Model().FindObjectByAddress(-1, AnsiUpperCase(street), house);
    if (index < 0 || index >= DataMap1->GetObjectCount()) {
        Application->MessageBox(tk::fromUtf8("Объект не найден!"), tk::fromUtf8("Информация"), MB_OK | MB_ICONINFORMATION);
        return;
    }
    remember(*fmFindObj->cbStreet, street);
    remember(*fmFindObj->cbHouse, house);
    if (Timer1->Enabled())
        Timer1->SetEnabled(false);
    const int found[] = {index};
    DataMap1->SetBlinkObjects(found);
    DataMap1->ZoomToObjects(found, -1);
    // Zooming out in about four visible steps shows where the building lies.
    if (DataMap1->Scale() <= kFoundScale)
        return;
    const int step = std::max(1, (DataMap1->Scale() - kFoundScale) / 4);
    while (DataMap1->Scale() > kFoundScale)
        DataMap1->SetScale(std::max(kFoundScale, DataMap1->Scale() - step));
}

void TfmValdrenGIS::N11Click() {
    if (fmParams->ShowModal() != mrOk)
        return;
    // The help and data paths are relative; from now on they resolve beside the program.
    SetCurrentDir(app::programDirectory());
    // Both settings take effect before they are stored: a file that cannot be written loses only
    // the saving, and the dialog keeps showing what is in force.
    const bool wheelDownZoomsIn = fmParams->CheckBox1->Checked();
    bindWheel(wheelDownZoomsIn);
    const TColor colour = fmParams->Shape1->Brush()->Color();
    DataMap1->SetBackgroundColor(colour);
    app::writeWheelSetting(wheelDownZoomsIn);
    app::writeBackgroundColor(colour);
}

void TfmValdrenGIS::N14Click() {
    const std::unique_ptr<TfmAbout> about(new TfmAbout(this));
    about->ShowModal();
}

void TfmValdrenGIS::N17Click() {
    const bool show = !fmSmall->Visible();
    fmSmall->SetVisible(show);
    N17->SetChecked(show);
}
