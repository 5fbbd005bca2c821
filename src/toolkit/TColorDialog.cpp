// The colour dialog asks through the dialog presenter.
#include "toolkit/TColorDialog.h"

#include "toolkit/Dialogs.h"

TColorDialog::TColorDialog(TComponent* AOwner) : TComponent(AOwner) {}

bool TColorDialog::Execute() {
    TColor chosen = color_;
    if (!tk::dialogPresenter().chooseColor(chosen, *customColors_))
        return false;
    color_ = chosen;
    return true;
}
