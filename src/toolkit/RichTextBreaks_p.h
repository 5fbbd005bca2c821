// Where the text layout may break a paragraph's lines, found cheaply for the letters, digits and
// signs a firm card holds and by Qt's boundary finder for any other text.
#pragma once

#include <QString>
#include <vector>

namespace tk {

// A space the layout may break after: not a tab, not a no-break space.
bool isBreakableSpace(QChar c);

// Where the paragraph's words end, by each character: after the one before a breakable space,
// before a line break opportunity or at the end. Only the ends of characters that are neither
// breakable spaces nor tabs say anything.
std::vector<bool> wordEnds(const QString& paragraph);

} // namespace tk
