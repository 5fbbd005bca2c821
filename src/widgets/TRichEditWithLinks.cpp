// Link clicks arrive as EN_LINK notifications, which the rich edit sends to itself once its event
// mask asks for them; the cursor is chosen in WM_SETCURSOR before the rich edit's own I-beam.
#include "widgets/TRichEditWithLinks.h"

#include <vector>

#include "toolkit/TScreen.h"
#include "toolkit/WinApi.h"

void TRichEditWithLinks::CreateWnd() {
    TRichEdit::CreateWnd();
    const auto mask = static_cast<std::uint32_t>(Perform(EM_GETEVENTMASK, 0, 0));
    Perform(EM_SETEVENTMASK, 0, mask | ENM_LINK);
}

void TRichEditWithLinks::WndProc(TMessage& Message) {
    if (Message.Msg == CN_NOTIFY && Message.LParam != 0) {
        const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
        if (header->code != EN_LINK) {
            TRichEdit::WndProc(Message);
            return;
        }
        linkNotified(*reinterpret_cast<const ENLINK*>(Message.LParam));
        Message.Result = 0;
        return;
    }
    if (Message.Msg == WM_SETCURSOR) {
        setCursorMessage(Message);
        return;
    }
    TRichEdit::WndProc(Message);
}

void TRichEditWithLinks::linkNotified(const ENLINK& link) {
    if (link.msg != WM_LBUTTONDOWN || !OnHyperlinkClicked)
        return;
    // The range's text and its terminating zero, with a byte to spare.
    std::vector<char> text(static_cast<size_t>(link.chrg.cpMax - link.chrg.cpMin + 2));
    TEXTRANGEA range{link.chrg, text.data()};
    Perform(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    OnHyperlinkClicked(this, link.chrg.cpMin, link.chrg.cpMax, AnsiString(text.data()));
}

void TRichEditWithLinks::setCursorMessage(TMessage& message) {
    if (message.Result != 0)
        return;
    message.Result = 1;
    TPoint at;
    GetCursorPos(&at);
    const LRESULT hit = Perform(WM_NCHITTEST, 0, MAKELPARAM(at.X, at.Y));
    if (hit == HTCLIENT || hit == HTVSCROLL || hit == HTHSCROLL)
        ::SetCursor(Screen->Cursors(crArrow));
}

void TRichEditWithLinks::SetSelLinkFormat(bool Link, WPARAM Scope, TColor Color) {
    CHARFORMATA format;
    format.dwMask = CFM_LINK | CFM_UNDERLINE | CFM_COLOR;
    format.dwEffects = Link ? CFE_LINK | CFE_UNDERLINE : 0;
    format.crTextColor = Link ? Color : Font()->Color();
    Perform(EM_SETCHARFORMAT, Scope, reinterpret_cast<LPARAM>(&format));
}

void TRichEditWithLinks::SetSelLink(bool Link, TColor Color) { SetSelLinkFormat(Link, SCF_SELECTION, Color); }
