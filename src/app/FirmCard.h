// How a firm card behaves: a read-only, borderless, word-wrapping rich edit with links and a
// vertical scroll bar, whose selection is never shown or kept.
#pragma once

class TRichEditWithLinks;

namespace app {

void setUpFirmCard(TRichEditWithLinks& Card);

} // namespace app
