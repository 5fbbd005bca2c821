// The card's rich text is assembled from fixed pieces: the header with its font and colour
// tables, then link pieces (rubrics dark red, addresses blue) and bold green telephones, all in
// font 3 at 8 points. The rich edit makes the "\lnkd" pieces clickable.
#include "app/FirmCardText.h"

#include <string_view>

#include "toolkit/AnsiStrings.h"

namespace app {

namespace {

constexpr std::string_view kHeader =
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}"
    "{\\f2\\fswiss\\fcharset1 MS Sans Serif;}{\\f3\\fswiss\\fcharset204{\\*\\fname MS Sans Serif;}MS Shell Dlg;}"
    "{\\f4\\fnil\\fprq2\\fcharset2 Wingdings;}{\\f5\\froman\\fprq2\\fcharset2 Webdings;}}"
    "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green128\\blue0;\\red140\\green0\\blue0;"
    "\\red150\\green63\\blue10;}\\deflang1033\\pard";
constexpr std::string_view kPlain = "\\plain\\f3\\fs16 ";
// The blank ends the last control word, so that a name beginning with a Latin letter or a digit
// is not read as part of "\ul".
constexpr std::string_view kRubricLink = "\\plain\\f3\\fs16\\cf3\\lnkd\\ul ";
constexpr std::string_view kMailLink = "\\plain\\f4+\\plain\\f3\\fs16\\cf1\\lnkd\\ul ";
constexpr std::string_view kWebLink = "\\plain\\f5\\'fe\\plain\\f3\\fs16\\cf1\\lnkd\\ul ";
constexpr std::string_view kAddressLink = "\\plain\\lang1049\\f3\\fs16\\cf1\\lnkd\\ul ";
constexpr std::string_view kTelephone = "\\plain\\f4(\\f3\\fs16\\cf2\\b\\~";
constexpr std::string_view kTab = "\\tab";
constexpr std::string_view kPar = "\\par";

// Data texts go into the card as literal characters: a brace would otherwise end or open a group
// and corrupt the rest of the card.
AnsiString escaped(std::string_view text) {
    AnsiString out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\' || c == '{' || c == '}')
            out += '\\';
        out += c;
    }
    return out;
}

// Calls Piece for each part of a comma-separated list: the text before the first comma (all of it
// without one), then the same on the rest, until the rest is blank. Parts are not trimmed.
template <typename PieceFn>
void forEachPiece(std::string_view list, PieceFn&& Piece) {
    do {
        const size_t comma = list.find(',');
        Piece(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    } while (!Trim(list).empty());
}

void appendRubrics(AnsiString& text, const std::vector<AnsiString>& rubrics, int width,
                   const TextWidthMeasure& measure) {
    if (rubrics.empty())
        return;
    int x = 0;
    for (size_t n = 0; n < rubrics.size(); ++n) {
        const int nameWidth = measure(rubrics[n]);
        if (n > 0)
            text += "; ";
        // The first rubric never moves to a line of its own.
        if (x + nameWidth > width && n >= 1) {
            text += kPar;
            x = 0;
        }
        text.append(kRubricLink).append(escaped(rubrics[n])).append(kPlain);
        x += nameWidth;
    }
    text += kPar;
}

void appendInetref(AnsiString& text, const AnsiString& inetref) {
    if (Trim(inetref).empty())
        return;
    forEachPiece(inetref, [&text](std::string_view piece) {
        const bool isMail = piece.find('@') != std::string_view::npos;
        text.append(isMail ? kMailLink : kWebLink).append(escaped(piece)).append(kPlain).append(kPar);
    });
}

void appendBranch(AnsiString& text, const FirmBranch& branch, int width, const TextWidthMeasure& measure) {
    text.append(kPar).append("\\~").append(kAddressLink);
    text.append(escaped(branch.Street)).append(", ").append(escaped(branch.House)).append(kPlain);
    if (!Trim(branch.Apartment).empty())
        text.append("\\cf1\\~-").append(escaped(branch.Apartment)).append(" ");
    int x = measure(branch.Apartment);
    if (branch.Contact.empty())
        return;
    forEachPiece(branch.Contact, [&](std::string_view piece) {
        const AnsiString phone = FormatPhone(AnsiString(piece));
        if (measure("\t" + phone) + x > width) {
            text.append(kPar).append(kTab);
            x = 0;
        }
        text.append(kTab).append(kTelephone).append(escaped(phone)).append(" ").append(kPlain);
        x += measure(phone);
    });
}

} // namespace

AnsiString firmCardText(const FirmCardData& Firm, int AvailableWidth, const TextWidthMeasure& Width) {
    AnsiString text(kHeader);
    text += kPlain;
    appendRubrics(text, Firm.Rubrics, AvailableWidth, Width);
    appendInetref(text, Firm.Inetref);
    for (const FirmBranch& branch : Firm.Branches)
        appendBranch(text, branch, AvailableWidth, Width);
    text += "}";
    return text;
}

} // namespace app

AnsiString FormatPhone(const AnsiString& S) {
    const size_t length = S.size();
    const auto pairs = [](std::string_view local) {
        return AnsiString(local.substr(0, 2)) + "-" + AnsiString(local.substr(2, 2)) + "-" + AnsiString(local.substr(4));
    };
    if (length == 6)
        return pairs(S);
    if (length < 6)
        return S;
    // A local number of six digits begins with 2, 3 or 4; otherwise it has five.
    const char sixthFromEnd = S[length - 6];
    const size_t localLength = (sixthFromEnd == '2' || sixthFromEnd == '3' || sixthFromEnd == '4') ? 6 : 5;
    const std::string_view prefix = std::string_view(S).substr(0, length - localLength);
    const AnsiString local = pairs(std::string_view(S).substr(length - localLength));
    if (!prefix.empty() && prefix.front() == '8')
        return "8-(" + AnsiString(prefix.substr(1)) + ")" + local;
    return AnsiString(prefix) + local;
}
