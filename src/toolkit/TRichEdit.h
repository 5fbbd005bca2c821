// The rich edit: formatted text with paragraphs, fonts, colours and link text. It answers the
// rich edit messages (event mask, character format, text range, line count) and, while its
// event mask asks for links, sends itself EN_LINK (through CN_NOTIFY) when the mouse meets link
// text. It gets its peer only when it shows or a call needs one: until then it keeps its text
// and answers from a layout of it at its width, as its text edit would.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "toolkit/RichEditMessages.h"
#include "toolkit/TRichEditStrings.h"
#include "toolkit/TTextAttributes.h"
#include "toolkit/TWinControl.h"

namespace tk {
class RichText;
}

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

    // Positions in the text, a paragraph break counting one.
    int GetTextLen() const;

    // What the selection, or the caret, has and gives what is typed or added next.
    TTextAttributes* SelAttributes() const { return selAttributes_.get(); }
    // The control's font.
    TTextAttributes* DefAttributes() const { return defAttributes_.get(); }
    // While on (the default), the selection does not show when the control lacks the focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool Value);

    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);

    // The document and caret; toolkit code only.
    tk::RichText& richText() const { return *text_; }

    TNotifyEvent OnChange;
    // Once for each change of the selection range (a caret move is one); never for a selection
    // set to what it already is.
    TNotifyEvent OnSelectionChange;

protected:
    void WndProc(TMessage& Message) override;
    // A new window reports changes and selection changes, not links; a descendant sets its own
    // event mask bits in CreateWnd.
    void DestroyWnd() override;
    void FontChanged() override;
    void PeerCreated() override;

private:
    friend class TRichEditStrings;
    friend class tk::RichText;
    void textChanged();
    // The width the text is laid out at: the control's less its frame and vertical scroll bar.
    int viewportWidth() const;
    // The position brought within the text.
    int positionWithin(int position) const;
    void notifyLink(const TMessage& mouse);
    void setCharFormat(WPARAM scope, const CHARFORMATA& format);
    LRESULT textRange(TEXTRANGEA& range) const;
    int lineCount() const;
    void selectionMoved();
    void applyHideSelection();
    // Scrolls by the wheel's notches, three lines each.
    void wheelScroll(int delta);
    // Scrolls so that the line count lines below (above, when negative) the top one is at the top.
    void scrollLines(int count);

    std::unique_ptr<tk::RichText> text_;
    std::unique_ptr<TRichEditStrings> lines_;
    std::unique_ptr<TTextAttributes> selAttributes_;
    std::unique_ptr<TTextAttributes> defAttributes_;
    // Changes and selection changes are always reported; links only when asked for.
    static constexpr std::uint32_t defaultEventMask = ENM_CHANGE | ENM_SELCHANGE;
    std::uint32_t eventMask_ = defaultEventMask;
    // The selection range last reported, as (start, end).
    std::pair<int, int> reportedSelection_{0, 0};
    // The lines a wheel notch scrolls, and the delta of one notch.
    static constexpr int kWheelLines = 3;
    static constexpr int kWheelDelta = 120;
    int wheelRest_ = 0;
    bool hideSelection_ = true;
    bool plainText_ = false;
    bool readOnly_ = false;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    TFormBorderStyle borderStyle_ = bsSingle;
};
