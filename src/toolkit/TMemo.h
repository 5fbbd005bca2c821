// The multi-line edit: its text as Lines or as one Text with CR LF between lines, a maximum
// length, scroll bars, word wrap and read-only state. Enter types a line break; OnChange fires
// on every change of the text, typed or set.
#pragma once

#include <memory>

#include "toolkit/TStrings.h"
#include "toolkit/TWinControl.h"

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    // Changes to the lines show at once, and typing shows in the lines.
    TStrings* Lines() const;
    AnsiString Text() const;
    void SetText(const AnsiString& Value);
    // 0: no limit; text typed or set beyond it is cut off.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    bool ReadOnly() const;
    void SetReadOnly(bool Value);

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    // Wants Enter and the arrows for itself.
    void WndProc(TMessage& Message) override;

private:
    class LineList;
    void textChanged();

    std::unique_ptr<LineList> lines_;
    int maxLength_ = 0;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    bool syncing_ = false;  // lines and widget are being brought into step
};
