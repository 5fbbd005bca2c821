// Combo boxes over Qt combo boxes; the item list is ours and is copied into the Qt list after
// every change of it (once per update bracket).
#include "toolkit/TComboBox.h"

#include <QComboBox>
#include <QLineEdit>

#include "toolkit/TControl_p.h"

namespace tk {
namespace {
QComboBox& comboBox(const TComboBox& box) { return static_cast<QComboBox&>(*box.peer().widget()); }

} // namespace
} // namespace tk

class TComboBox::ItemList : public TStringList {
public:
    explicit ItemList(TComboBox& box) : box_(box) {}

protected:
    void Changed() override {
        TStringList::Changed();
        box_.fillList();
    }

private:
    TComboBox& box_;
};

TComboBox::TComboBox(TComponent* AOwner)
    : TWinControl(AOwner, tk::makePeer<QComboBox, tk::NativePeer>(*this)), items_(std::make_unique<ItemList>(*this)) {
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
    SetStyle(csDropDown);
    QComboBox& box = tk::comboBox(*this);
    QObject::connect(&box, &QComboBox::currentTextChanged, [this] { tk::guarded(this, [this] { Change(); }); });
}

TComboBox::~TComboBox() {
    Destroying();
    tk::comboBox(*this).disconnect();
}

TStrings* TComboBox::Items() const { return items_.get(); }

void TComboBox::fillList() {
    QComboBox& box = tk::comboBox(*this);
    const QSignalBlocker quiet(box);
    const QString text = box.currentText();
    box.clear();
    for (int i = 0; i < items_->Count(); ++i)
        box.addItem(tk::qString(items_->Strings(i)));
    if (style_ == csDropDown)
        box.setEditText(text);
    else
        box.setCurrentIndex(-1);
}

void TComboBox::SetStyle(TComboBoxStyle Value) {
    style_ = Value;
    QComboBox& box = tk::comboBox(*this);
    box.setEditable(Value == csDropDown);
    if (Value == csDropDown)
        box.setInsertPolicy(QComboBox::NoInsert);
}

AnsiString TComboBox::Text() const { return tk::ansiString(tk::comboBox(*this).currentText()); }

void TComboBox::SetText(const AnsiString& Value) {
    QComboBox& box = tk::comboBox(*this);
    if (style_ == csDropDown) {
        box.setEditText(tk::qString(Value));
        return;
    }
    box.setCurrentIndex(box.findText(tk::qString(Value)));
}

int TComboBox::ItemIndex() const {
    const QComboBox& box = tk::comboBox(*this);
    const int index = box.currentIndex();
    // An edited text that is no entry picks none.
    if (index >= 0 && box.isEditable() && box.currentText() != box.itemText(index))
        return -1;
    return index;
}

void TComboBox::SetItemIndex(int Value) { tk::comboBox(*this).setCurrentIndex(Value); }

int TComboBox::DropDownCount() const { return tk::comboBox(*this).maxVisibleItems(); }

void TComboBox::SetDropDownCount(int Value) { tk::comboBox(*this).setMaxVisibleItems(Value); }

void TComboBox::Change() {
    if (OnChange)
        OnChange(this);
}
