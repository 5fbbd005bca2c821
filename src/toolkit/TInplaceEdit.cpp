// The in-place editor passes the grid's keys on before the edit uses them.
#include "toolkit/TInplaceEdit.h"

#include "toolkit/TCustomGrid.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner) { Hide(); }

void TInplaceEdit::KeyDown(std::uint16_t& Key, TShiftState Shift) {
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_F2:
        if (grid_)
            grid_->KeyDown(Key, Shift);
        break;
    default:
        break;
    }
    if (Key != 0)
        TCustomEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char& Key) {
    if (grid_)
        grid_->KeyPress(Key);
    if (Key != 0)
        TCustomEdit::KeyPress(Key);
}

void TInplaceEdit::WndProc(TMessage& Message) {
    TCustomEdit::WndProc(Message);
    if (Message.Msg == WM_GETDLGCODE && grid_ && (grid_->Options() & goTabs))
        Message.Result |= DLGC_WANTTAB;
}
