// The numeric spin edit. The text is the value: Value parses it in the current form and SetValue
// writes it back clamped and formatted. A spin click rewrites the text under the changing flag,
// so that OnChange fires once per click, and only when the text really changed.
#include "map/TKEXSpinEdit.h"

#include <algorithm>
#include <cmath>

#include "map/FlagGuard.h"
#include "map/Rounding.h"
#include "map/TExUpDown.h"
#include "map/TKEXSpinButton.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/NumberText.h"
#include "toolkit/Shell.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TForm.h"
#include "toolkit/WinApi.h"

namespace {

// The float form's precision: as many digits as a double carries.
constexpr int kFloatPrecision = 15;

bool contains(const AnsiString& text, char c) { return text.find(c) != AnsiString::npos; }

} // namespace

int GetDefaultSpinButtonWidth() { return std::min(GetSystemMetrics(SM_CXVSCROLL), 15); }

TKEXSpinEdit::TKEXSpinEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
    SetText("0");
    createButton();
    layOut();
}

TKEXSpinEdit::~TKEXSpinEdit() {
    changing_ = true;
    freeButton();
}

double TKEXSpinEdit::Value() const {
    const AnsiString text = Text();
    if (valueType_ == vtFloat) {
        double value = 0;
        return TryStrToFloat(text, value) ? value : minValue_;
    }
    int value = 0;
    const bool parsed = valueType_ == vtHex ? TryStrToInt("$" + text, value) : TryStrToInt(text, value);
    return parsed ? value : std::trunc(minValue_);
}

double TKEXSpinEdit::clamp(double value) const {
    if (minValue_ == maxValue_)
        return value;
    // Two separate rules rather than std::clamp, which a minimum above the maximum would break.
    if (value < minValue_)
        return minValue_;
    return value > maxValue_ ? maxValue_ : value;
}

void TKEXSpinEdit::SetValue(double NewValue) {
    const double value = clamp(NewValue);
    switch (valueType_) {
    case vtFloat:
        SetText(FloatToStrF(value, ffFixed, kFloatPrecision, decimal_));
        break;
    case vtHex:
        SetText(IntToHex(mapi::roundToInt(value), 1));
        break;
    case vtInteger:
        SetText(IntToStr(mapi::roundToInt(value)));
        break;
    }
}

void TKEXSpinEdit::SetDecimal(std::uint8_t NewValue) {
    if (decimal_ == NewValue)
        return;
    const double value = Value();
    decimal_ = NewValue;
    SetValue(value);
}

void TKEXSpinEdit::SetValueType(TValueType NewValue) {
    if (valueType_ == NewValue)
        return;
    const double value = Value();
    valueType_ = NewValue;
    SetValue(value);
    if (valueType_ == vtFloat)
        return;
    increment_ = std::nearbyint(increment_);
    if (increment_ == 0)
        increment_ = 1;
}

void TKEXSpinEdit::SetButtonKind(TSpinButtonKind Value) {
    if (buttonKind_ == Value)
        return;
    buttonKind_ = Value;
    createButton();
    layOut();
}

void TKEXSpinEdit::SetEnabled(bool Value) {
    TCustomEdit::SetEnabled(Value);
    if (upDown_ != nullptr) {
        upDown_->SetEnabled(Value);
        placeButton();
    }
    if (button_ != nullptr)
        button_->SetEnabled(Value);
}

bool TKEXSpinEdit::IsValidChar(char Key) {
    if (!editorEnabled_)
        return static_cast<unsigned char>(Key) < 32 && Key != '\b';
    if (static_cast<unsigned char>(Key) < 32)
        return true;
    if (Key == '+' || Key == '-' || (Key >= '0' && Key <= '9'))
        return true;
    const AnsiString text = Text();
    if (valueType_ == vtFloat) {
        if (Key == FormatSettings.DecimalSeparator && !contains(text, Key))
            return true;
        if ((Key == 'E' || Key == 'e') && !contains(AnsiUpperCase(text), 'E'))
            return true;
    }
    return valueType_ == vtHex && ((Key >= 'A' && Key <= 'F') || (Key >= 'a' && Key <= 'f'));
}

void TKEXSpinEdit::step(double delta, const TNotifyEvent& event) {
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    const AnsiString before = Text();
    {
        mapi::FlagGuard guard(changing_);
        SetValue(Value() + delta);
    }
    if (!AnsiSameText(Text(), before)) {
        SetModified(true);
        Change();
    }
    if (event)
        event(this);
}

void TKEXSpinEdit::UpClick() { step(increment_, OnTopClick); }

void TKEXSpinEdit::DownClick() { step(-increment_, OnBottomClick); }

void TKEXSpinEdit::Change() {
    if (!changing_)
        TCustomEdit::Change();
}

void TKEXSpinEdit::KeyDown(std::uint16_t& Key, TShiftState Shift) {
    TCustomEdit::KeyDown(Key, Shift);
    if (!arrowKeys_ || (Key != VK_UP && Key != VK_DOWN))
        return;
    if (Key == VK_UP)
        UpClick();
    else
        DownClick();
    Key = 0;
}

void TKEXSpinEdit::KeyPress(char& Key) {
    if (!IsValidChar(Key)) {
        Key = 0;
        MessageBeep(0);
    }
    if (Key == 0)
        return;
    TCustomEdit::KeyPress(Key);
    if (Key != '\r' && Key != '\x1b')
        return;
    if (TForm* form = parentForm())
        form->DialogKey(Key == '\r' ? VK_RETURN : VK_ESCAPE);
    if (Key == '\r')
        Key = 0;
}

void TKEXSpinEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PASTE:
    case WM_CUT:
        if (!editorEnabled_ || ReadOnly())
            return;
        break;
    case CM_CTL3DCHANGED:
        TCustomEdit::WndProc(Message);
        layOut();
        return;
    default:
        break;
    }
    TCustomEdit::WndProc(Message);
}

void TKEXSpinEdit::DoEnter() {
    if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0)
        SelectAll();
    TCustomEdit::DoEnter();
}

void TKEXSpinEdit::DoExit() {
    TCustomEdit::DoExit();
    const double value = Value();
    if (clamp(value) != value)
        SetValue(value);
}

int TKEXSpinEdit::minHeight() const {
    TBitmap probe;
    probe.Canvas()->Font()->Assign(*Font());
    return 4 * GetSystemMetrics(SM_CYBORDER) + probe.Canvas()->TextMetric().tmHeight + 1;
}

void TKEXSpinEdit::Resize() {
    TCustomEdit::Resize();
    if (Height() < minHeight()) {
        SetHeight(minHeight());
        return;
    }
    layOut();
}

void TKEXSpinEdit::FontChanged() {
    TCustomEdit::FontChanged();
    layOut();
}

void TKEXSpinEdit::layOut() {
    placeButton();
    setEditRect();
}

void TKEXSpinEdit::freeButton() {
    delete upDown_;
    upDown_ = nullptr;
    delete button_;
    button_ = nullptr;
    delete container_;
    container_ = nullptr;
}

void TKEXSpinEdit::createButton() {
    if (ComponentState() & csDestroying)
        return;
    freeButton();
    const TSpinButtonKind kind = NewStyleControls ? buttonKind_ : bkDiagonal;
    if (kind == bkStandard) {
        upDown_ = new TExUpDown(this);
        upDown_->SetBounds(0, 0, GetDefaultSpinButtonWidth(), Height());
        upDown_->SetAlign(alRight);
        upDown_->SetParent(this);
        upDown_->OnClick = [this](TPersistent*, TUDBtnType button) { upDownClick(button); };
        return;
    }
    container_ = new TWinControl(this);
    container_->SetBounds(0, 0, Height(), Height());
    container_->SetParent(this);
    button_ = new TKEXSpinButton(this);
    button_->SetFocusControl(this);
    button_->OnTopClick = [this](TPersistent*) { UpClick(); };
    button_->OnBottomClick = [this](TPersistent*) { DownClick(); };
    button_->SetParent(container_);
    button_->SetAlign(alClient);
}

void TKEXSpinEdit::placeButton() {
    if (upDown_ != nullptr) {
        upDown_->SetWidth(GetDefaultSpinButtonWidth());
        upDown_->SetAlign(alRight);
        return;
    }
    if (container_ == nullptr)
        return;
    const int w = Width();
    const int h = Height();
    if (NewStyleControls && Ctl3D() && BorderStyle() == bsSingle)
        container_->SetBounds(w - h - 1, -1, h - 3, h - 3);
    else
        container_->SetBounds(w - h, 0, h, h);
}

void TKEXSpinEdit::setEditRect() {
    const int buttonWidth = upDown_ != nullptr   ? upDown_->Width()
                            : button_ != nullptr ? button_->Width()
                                                 : GetDefaultSpinButtonWidth();
    TRect rect = Rect(0, 0, ClientWidth() - buttonWidth - 2, ClientHeight() + 1);
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
}

void TKEXSpinEdit::upDownClick(TUDBtnType button) {
    if (TabStop() && CanFocus())
        SetFocus();
    if (button == btNext)
        UpClick();
    else
        DownClick();
}
