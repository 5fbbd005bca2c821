#include "app/FirmCard.h"

#include "widgets/TRichEditWithLinks.h"

namespace app {

void setUpFirmCard(TRichEditWithLinks& Card) {
    Card.SetReadOnly(true);
    Card.SetScrollBars(ssVertical);
    Card.SetBorderStyle(bsNone);
    Card.SetHideSelection(true);
    Card.SetWordWrap(true);
    Card.SetTabStop(false);
    TRichEditWithLinks* card = &Card;
    Card.OnSelectionChange = [card](TPersistent*) { card->SetSelLength(0); };
}

} // namespace app
