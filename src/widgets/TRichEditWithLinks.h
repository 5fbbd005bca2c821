// The rich edit of a firm card: it reports a left press on link text through one event and keeps
// the plain arrow cursor over its text and scroll bars.
#pragma once

#include <cstdint>
#include <functional>

#include "toolkit/TRichEdit.h"

// cpMin is the link's first character, cpMax the position after its last; lpstrText its text.
using TLinkClicked =
    std::function<void(TPersistent* Sender, std::int32_t cpMin, std::int32_t cpMax, const AnsiString& lpstrText)>;

class TRichEditWithLinks : public TRichEdit {
public:
    using TRichEdit::TRichEdit;

    // Makes the selection link text with the link colour (and underlined), or plain text in the
    // control's font colour; Scope is SCF_SELECTION or SCF_ALL.
    void SetSelLinkFormat(bool Link, WPARAM Scope, TColor Color);
    void SetSelLink(bool Link, TColor Color = clBlue);

    TLinkClicked OnHyperlinkClicked;

protected:
    // Every new window asks for link notifications.
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;

private:
    void linkNotified(const ENLINK& link);
    void setCursorMessage(TMessage& message);
};
