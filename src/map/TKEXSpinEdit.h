// The numeric spin edit: a one-line edit holding a number in integer, float or hexadecimal form,
// kept within MinValue .. MaxValue, with a spin button at its right edge (the diagonal button, or
// an up-down) and the arrow keys stepping the value by Increment. Typing is limited to the
// characters a number of the form can hold.
#pragma once

#include <cstdint>

#include "toolkit/TCustomEdit.h"
#include "toolkit/TCustomUpDown.h"

class TExUpDown;
class TKEXSpinButton;

enum TValueType { vtInteger, vtFloat, vtHex };
enum TSpinButtonKind { bkStandard, bkDiagonal };

// The width of a standard spin button: the vertical scroll bar's, at most 15.
int GetDefaultSpinButtonWidth();

class TKEXSpinEdit : public TCustomEdit {
public:
    explicit TKEXSpinEdit(TComponent* AOwner);
    ~TKEXSpinEdit() override;

    // Unparsable text reads as MinValue (its integer part for the integer forms).
    double Value() const;
    // Clamped, then written in the current form.
    void SetValue(double NewValue);
    // When both are equal nothing is clamped.
    double MinValue() const { return minValue_; }
    void SetMinValue(double Value) { minValue_ = Value; }
    double MaxValue() const { return maxValue_; }
    void SetMaxValue(double Value) { maxValue_ = Value; }
    double Increment() const { return increment_; }
    void SetIncrement(double Value) { increment_ = Value; }
    // Digits after the decimal separator in the float form.
    std::uint8_t Decimal() const { return decimal_; }
    void SetDecimal(std::uint8_t NewValue);
    // The integer forms round Increment to a whole number, at least 1.
    TValueType ValueType() const { return valueType_; }
    void SetValueType(TValueType NewValue);
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool Value) { editorEnabled_ = Value; }
    bool ArrowKeys() const { return arrowKeys_; }
    void SetArrowKeys(bool Value) { arrowKeys_ = Value; }
    TSpinButtonKind ButtonKind() const { return buttonKind_; }
    void SetButtonKind(TSpinButtonKind Value);
    // The button of the current kind; the other one is null.
    TKEXSpinButton* Button() const { return button_; }
    TExUpDown* UpDown() const { return upDown_; }
    void SetEnabled(bool Value) override;

    virtual bool IsValidChar(char Key);
    // A step up or down; a read-only edit only beeps.
    virtual void UpClick();
    virtual void DownClick();

    TNotifyEvent OnTopClick;
    TNotifyEvent OnBottomClick;

protected:
    void Change() override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void WndProc(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void FontChanged() override;

private:
    double clamp(double value) const;
    void step(double delta, const TNotifyEvent& event);
    int minHeight() const;
    void createButton();
    void freeButton();
    void placeButton();
    void setEditRect();
    void layOut();
    void upDownClick(TUDBtnType button);

    double minValue_ = 0;
    double maxValue_ = 0;
    double increment_ = 1;
    std::uint8_t decimal_ = 2;
    bool changing_ = false;
    bool editorEnabled_ = true;
    TValueType valueType_ = vtInteger;
    TWinControl* container_ = nullptr;
    TKEXSpinButton* button_ = nullptr;
    bool arrowKeys_ = true;
    TSpinButtonKind buttonKind_ = bkDiagonal;
    TExUpDown* upDown_ = nullptr;
};
