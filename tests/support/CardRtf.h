// The rich-text pieces of a firm card as the program writes them, a sample card made of them, the
// loading of rich text into a rich edit and finding a text on it, shared by the rich edits' tests,
// the card scenes and the card loading benchmark.
#pragma once

#include <string>

#include "toolkit/AnsiString.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TRichEdit.h"

namespace testsupport {

inline const std::string kCardHeader =
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}"
    "{\\f2\\fswiss\\fcharset1 MS Sans Serif;}{\\f3\\fswiss\\fcharset204{\\*\\fname MS Sans Serif;}MS Shell Dlg;}"
    "{\\f4\\fnil\\fprq2\\fcharset2 Wingdings;}{\\f5\\froman\\fprq2\\fcharset2 Webdings;}}"
    "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green128\\blue0;\\red140\\green0\\blue0;"
    "\\red150\\green63\\blue10;}\\deflang1033\\pard";
inline const std::string kCardPlain = "\\plain\\f3\\fs16 ";
// With the blank that ends its last control word before the rubric's name.
inline const std::string kCardRubric = "\\plain\\f3\\fs16\\cf3\\lnkd\\ul ";
inline const std::string kCardWeb = "\\plain\\f5\\'fe\\plain\\f3\\fs16\\cf1\\lnkd\\ul ";
inline const std::string kCardMail = "\\plain\\f4+\\plain\\f3\\fs16\\cf1\\lnkd\\ul ";
inline const std::string kCardAddress = "\\plain\\lang1049\\f3\\fs16\\cf1\\lnkd\\ul ";
inline const std::string kCardPhone = "\\plain\\f4(\\f3\\fs16\\cf2\\b\\~";

// Rubric, web, e-mail and address texts are CP1251.
inline std::string cardRubric(const std::string& name) { return kCardRubric + name + kCardPlain; }
inline std::string cardWeb(const std::string& address) { return kCardWeb + address + kCardPlain + "\\par"; }
inline std::string cardMail(const std::string& address) { return kCardMail + address + kCardPlain + "\\par"; }
inline std::string cardAddress(const std::string& street, const std::string& house) {
    return "\\par\\~" + kCardAddress + street + ", " + house + kCardPlain;
}
inline std::string cardPhone(const std::string& number) { return "\\tab" + kCardPhone + number + " " + kCardPlain; }

// A firm with two rubrics, a web and an e-mail address and two branches, one with an apartment
// and two telephones.
inline std::string sampleCard() {
    return kCardHeader + kCardPlain + cardRubric(tk::fromUtf8("Кафе")) + "; " +
           cardRubric(tk::fromUtf8("Рестораны и бары")) + "\\par" + cardWeb("www.valdren.example") +
           cardMail("info@valdren.example") + cardAddress(tk::fromUtf8("Мира"), "7") + "\\cf1\\~-12 " +
           cardPhone("22-33-44") + cardPhone("8-(8452)22-33-45") + cardAddress(tk::fromUtf8("Набережная"), "15") +
           cardPhone("24-56-78") + "}";
}

// Loads rich text into the edit through its lines' stream, as the program loads a card.
inline void loadCard(TRichEdit& edit, const std::string& rtf) {
    TMemoryStream stream;
    stream.WriteBuffer(rtf.data(), static_cast<int64_t>(rtf.size()));
    stream.SetPosition(0);
    edit.Lines()->LoadFromStream(stream);
}

// Where the text first shows in the edit (a paragraph break counted as one position), or -1.
inline int textPosition(const TRichEdit& edit, const AnsiString& text) {
    AnsiString shown = edit.Text();
    std::erase(shown, '\r');
    const std::size_t at = shown.find(text);
    return at == AnsiString::npos ? -1 : int(at);
}

} // namespace testsupport
