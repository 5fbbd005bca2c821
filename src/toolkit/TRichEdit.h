// The rich edit: formatted text with paragraphs, fonts, colours and link text. It answers the
// rich edit messages (event mask, character format, text range, line count) and, while its
// event mask asks for links, sends itself EN_LINK (through CN_NOTIFY) when the mouse meets link
// text.
#pragma once

#include <cstdint>
#include <memory>

#include "toolkit/RichEditMessages.h"
#include "toolkit/TRichEditStrings.h"
#include "toolkit/TWinControl.h"

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* AOwner);
    ~TRichEdit() override;

    TRichEditStrings* Lines() const { return lines_.get(); }
    // The text, paragraphs ending in CR LF.
    AnsiString Text() const;
    void SetText(const AnsiString& Value);
    void Clear();

    bool PlainText() const { return plainText_; }
    void SetPlainText(bool Value) { plainText_ = Value; }
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    bool WordWrap() const;
    void SetWordWrap(bool Value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle Value);

    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelectionChange;

protected:
    void WndProc(TMessage& Message) override;
    // A new window reports changes and selection changes, not links.
    void DestroyWnd() override;

private:
    friend class TRichEditStrings;
    void notifyLink(const TMessage& mouse);
    void setCharFormat(WPARAM scope, const CHARFORMATA& format);
    LRESULT textRange(TEXTRANGEA& range) const;
    int lineCount() const;

    std::unique_ptr<TRichEditStrings> lines_;
    // Changes and selection changes are always reported; links only when asked for.
    static constexpr std::uint32_t initialEventMask = ENM_CHANGE | ENM_SELCHANGE;
    std::uint32_t eventMask_ = initialEventMask;
    bool plainText_ = false;
    TScrollStyle scrollBars_ = ssNone;
    TFormBorderStyle borderStyle_ = bsSingle;
};
