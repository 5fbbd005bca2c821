// The one-line edit (TCustomEdit, and TEdit over it): text typed by the user, with OnChange on every change of the text (typed or
// set), a maximum length, read-only state and the selection. A KeyPress handler may swallow a
// character (set it to 0) or type another one instead. Paste and cut, by key or by the context
// menu, come through the message handler as WM_PASTE and WM_CUT before they act.
#pragma once

#include "toolkit/TWinControl.h"

namespace tk {
class EditWidget;
}

enum TEditCharCase { ecNormal, ecUpperCase };

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);

    AnsiString Text() const;
    void SetText(const AnsiString& Value);
    int MaxLength() const;
    // 0: no limit.
    void SetMaxLength(int Value);
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    // A character shown for each typed one (passwords); 0 shows the text.
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char Value);
    bool Modified() const { return modified_; }
    void SetModified(bool Value) { modified_ = Value; }
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    void SelectAll();
    void Clear() { SetText(AnsiString()); }
    // Where the text stands within the edit.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    // ecUpperCase turns typed, pasted and assigned text to upper case (Cyrillic included).
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase Value);
    // Taking the focus by Tab or SetFocus selects the whole text; a click does not.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool Value) { autoSelect_ = Value; }
    // bsSingle: the sunken frame; bsNone: the bare text.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle Value);

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    // EM_SETRECTNP (LParam: the TRect the text keeps to, in client coordinates) and EM_GETRECT
    // (LParam: the TRect to fill), so that controls placed on the edit are not written over.
    // WM_PASTE and WM_CUT paste and cut; a descendant that does not pass them on stops them.
    void WndProc(TMessage& Message) override;

private:
    friend class tk::EditWidget;
    char passwordChar_ = 0;
    TEditCharCase charCase_ = ecNormal;
    bool autoSelect_ = true;
    TFormBorderStyle borderStyle_ = bsSingle;
    TAlignment alignment_ = taLeftJustify;
    bool modified_ = false;
};
