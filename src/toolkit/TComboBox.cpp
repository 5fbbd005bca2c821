// Combo boxes over Qt combo boxes; the item list is ours and is copied into the Qt list after
// every change of it (once per update bracket). Owner-drawn rows and the closed box are drawn
// by the program on the combo box's canvas over an image of the row, which is then painted.
#include "toolkit/TComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <algorithm>

#include "toolkit/TCanvas_p.h"
#include "toolkit/TControl_p.h"

namespace tk {

// The Qt combo box with the owner-drawn style's painting: the rows through a delegate, the
// closed box's field by the program, the frame and the arrow by the desktop style.
class ComboWidget : public QComboBox {
public:
    void setBox(TComboBox* box) { box_ = box; }
    bool isOwnerDrawn() const { return box_ != nullptr && box_->Style() == csOwnerDrawFixed; }
    // Puts the owner-drawing delegate in place of Qt's own, or Qt's back.
    void setOwnerDrawn(bool on);

    // Lets the program draw row index into target's rect on painter.
    void drawItem(QPainter& painter, const QRect& target, int index, TOwnerDrawState state) {
        if (target.isEmpty()) return;
        QImage row(target.size(), QImage::Format_RGB32);
        CanvasImpl& canvas = box_->canvas_.Impl();
        canvas.image = &row;
        canvas.font.Assign(*box_->Font());
        const bool selected = (state & odSelected) != 0;
        canvas.brush.SetStyle(bsSolid);
        canvas.brush.SetColor(selected ? clHighlight : box_->Color());
        canvas.font.SetColor(selected ? clHighlightText : box_->Font()->Color());
        const TRect rect = Rect(0, 0, target.width(), target.height());
        box_->canvas_.FillRect(rect);
        box_->DrawItem(index, rect, state);
        canvas.image = nullptr;
        painter.drawImage(target.topLeft(), row);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!isOwnerDrawn()) {
            QComboBox::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        const TOwnerDrawState state = hasFocus() ? odSelected | odFocused : 0;
        guarded(box_, [&] { drawItem(painter, field, currentIndex(), state); });
    }

private:
    TComboBox* box_ = nullptr;
    QAbstractItemDelegate* plainDelegate_ = nullptr;  // Qt's, while the owner's is in place
    QAbstractItemDelegate* ownerDelegate_ = nullptr;
};

namespace {

QComboBox& comboBox(const TComboBox& box) { return static_cast<QComboBox&>(*box.peer().widget()); }

class ComboPeer : public NativePeer {
public:
    using NativePeer::NativePeer;
    // A character a key handler put in place of the typed one goes into the edit part.
    void replaceTyped(char typed) override {
        if (QLineEdit* edit = static_cast<QComboBox*>(widget())->lineEdit()) edit->insert(qString(AnsiString(1, typed)));
    }
};

class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    OwnerDrawDelegate(ComboWidget& combo, TComboBox& box) : QStyledItemDelegate(&combo), combo_(combo), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        TOwnerDrawState state = 0;
        if ((option.state & QStyle::State_Selected) != 0) state |= odSelected;
        if ((option.state & QStyle::State_HasFocus) != 0) state |= odFocused;
        guarded(&box_, [&] { combo_.drawItem(*painter, option.rect, index.row(), state); });
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), box_.ItemHeight()};
    }

private:
    ComboWidget& combo_;
    TComboBox& box_;
};

} // namespace

void ComboWidget::setOwnerDrawn(bool on) {
    if (on == (plainDelegate_ != nullptr)) {
        update();
        return;
    }
    if (on) {
        if (ownerDelegate_ == nullptr) ownerDelegate_ = new OwnerDrawDelegate(*this, *box_);
        plainDelegate_ = itemDelegate();
        setItemDelegate(ownerDelegate_);
    } else {
        setItemDelegate(plainDelegate_);
        plainDelegate_ = nullptr;
    }
    update();
}

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
    : TWinControl(AOwner, tk::makePeer<tk::ComboWidget, tk::ComboPeer>(*this)), items_(std::make_unique<ItemList>(*this)) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
    SetStyle(csDropDown);
    auto& box = static_cast<tk::ComboWidget&>(tk::comboBox(*this));
    box.setBox(this);
    QObject::connect(&box, &QComboBox::currentTextChanged, [this] { tk::guarded(this, [this] { Change(); }); });
}

TComboBox::~TComboBox() {
    Destroying();
    auto& box = static_cast<tk::ComboWidget&>(tk::comboBox(*this));
    box.disconnect();
    box.setBox(nullptr);
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
    auto& box = static_cast<tk::ComboWidget&>(tk::comboBox(*this));
    box.setEditable(Value == csDropDown);
    if (Value == csDropDown)
        box.setInsertPolicy(QComboBox::NoInsert);
    box.setOwnerDrawn(Value == csOwnerDrawFixed);
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

bool TComboBox::Sorted() const { return items_->Sorted(); }

void TComboBox::SetSorted(bool Value) { items_->SetSorted(Value); }

int TComboBox::SelStart() const {
    const QLineEdit* edit = tk::comboBox(*this).lineEdit();
    if (edit == nullptr) return 0;
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TComboBox::SetSelStart(int Value) {
    if (QLineEdit* edit = tk::comboBox(*this).lineEdit()) edit->setCursorPosition(Value);
}

int TComboBox::SelLength() const {
    const QLineEdit* edit = tk::comboBox(*this).lineEdit();
    return edit == nullptr ? 0 : static_cast<int>(edit->selectedText().size());
}

void TComboBox::SetSelLength(int Value) {
    if (QLineEdit* edit = tk::comboBox(*this).lineEdit()) edit->setSelection(SelStart(), Value);
}

bool TComboBox::DroppedDown() const { return tk::comboBox(*this).view()->isVisible(); }

void TComboBox::SetDroppedDown(bool Value) {
    if (Value == DroppedDown()) return;
    QComboBox& box = tk::comboBox(*this);
    if (Value)
        box.showPopup();
    else
        box.hidePopup();
}

void TComboBox::SetItemHeight(int Value) {
    itemHeight_ = std::max(1, Value);
    tk::comboBox(*this).update();
}

void TComboBox::Change() {
    if (OnChange)
        OnChange(this);
}

void TComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    if (OnDrawItem)
        OnDrawItem(this, Index, Rect, State);
}
