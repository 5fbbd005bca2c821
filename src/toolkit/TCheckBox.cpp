// Check boxes over Qt check boxes; Qt reports each change of the tick.
#include "toolkit/TCheckBox.h"

#include <QCheckBox>

#include "toolkit/TControl_p.h"

namespace tk {
namespace {
QCheckBox& checkBox(const TCheckBox& box) { return static_cast<QCheckBox&>(*box.peer().widget()); }

} // namespace
} // namespace tk

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner, tk::makePeer<QCheckBox, tk::NativePeer>(*this)) {
    // Qt reports the change; a press-and-release click of the toolkit would come as well.
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
    QObject::connect(&tk::checkBox(*this), &QCheckBox::toggled, [this] { tk::guarded(this, [this] { Click(); }); });
}

void TCheckBox::SetCaption(const AnsiString& Value) {
    caption_ = Value;
    tk::checkBox(*this).setText(tk::qString(Value));
}

bool TCheckBox::Checked() const { return tk::checkBox(*this).isChecked(); }

void TCheckBox::SetChecked(bool Value) { tk::checkBox(*this).setChecked(Value); }
