// The link text of a rich edit as ranges of positions, read from its document whether or not it
// has a window yet; shared by the rich edit's and the firm card's tests.
#pragma once

#include <utility>
#include <vector>

#include "toolkit/RichEditFormat_p.h"
#include "toolkit/RichText_p.h"
#include "toolkit/RtfReader_p.h"
#include "toolkit/TRichEdit.h"

namespace testsupport {

// (first, after last) position of each run of link text, in order.
inline std::vector<std::pair<int, int>> linkRanges(const TRichEdit& edit) {
    const QTextDocument& document = edit.richText().document();
    std::vector<std::pair<int, int>> ranges;
    for (int position = 0; position < document.characterCount() - 1; ++position) {
        if (!tk::isLinkFormat(tk::formatAt(document, position)))
            continue;
        if (!ranges.empty() && ranges.back().second == position)
            ranges.back().second = position + 1;
        else
            ranges.emplace_back(position, position + 1);
    }
    return ranges;
}

} // namespace testsupport
