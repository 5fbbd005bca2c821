// The card scene: firm cards as the program writes them (rubric links, web and e-mail links,
// addresses and telephones) in rich edits on a white card panel.
#include <string>

#include "Scene.h"
#include "toolkit/Screenshot.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TPanel.h"
#include "toolkit/TRichEdit.h"

namespace {

const std::string kHeader =
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil MS Sans Serif;}{\\f1\\froman\\fcharset2 Symbol;}"
    "{\\f2\\fswiss\\fcharset1 MS Sans Serif;}{\\f3\\fswiss\\fcharset204{\\*\\fname MS Sans Serif;}MS Shell Dlg;}"
    "{\\f4\\fnil\\fprq2\\fcharset2 Wingdings;}{\\f5\\froman\\fprq2\\fcharset2 Webdings;}}"
    "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green128\\blue0;\\red140\\green0\\blue0;"
    "\\red150\\green63\\blue10;}\\deflang1033\\pard";
const std::string kPlain = "\\plain\\f3\\fs16 ";
const std::string kRubric = "\\plain\\f3\\fs16\\cf3\\lnkd\\ul ";
const std::string kWeb = "\\plain\\f5\\'fe\\plain\\f3\\fs16\\cf1\\lnkd\\ul ";
const std::string kMail = "\\plain\\f4+\\plain\\f3\\fs16\\cf1\\lnkd\\ul ";
const std::string kAddress = "\\plain\\lang1049\\f3\\fs16\\cf1\\lnkd\\ul ";
const std::string kPhone = "\\plain\\f4(\\f3\\fs16\\cf2\\b\\~";

// The card text of a firm with two rubrics, a web and an e-mail address and two branches.
std::string cardText() {
    const auto rubric = [](const char* name) { return kRubric + tk::fromUtf8(name) + kPlain; };
    const auto address = [](const char* street, const char* house) {
        return "\\par\\~" + kAddress + tk::fromUtf8(street) + ", " + house + kPlain;
    };
    const auto phone = [](const char* number) { return "\\tab" + kPhone + number + " " + kPlain; };
    return kHeader + kPlain + rubric("Кафе") + "; " + rubric("Рестораны и бары") + "\\par" + kWeb +
           "www.valdren.example" + kPlain + "\\par" + kMail + "info@valdren.example" + kPlain + "\\par" +
           address("Мира", "7") + "\\cf1\\~-12 " + phone("22-33-44") + phone("8-(8452)22-33-45") +
           address("Набережная", "15") + phone("24-56-78") + "}";
}

} // namespace

SHOTS_SCENE(card) {
    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("Карточка"));
    form.SetBounds(100, 100, 340, 170);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alClient);
    panel->SetBevelOuter(bvLowered);
    panel->SetColor(clWhite);
    auto* card = new TRichEdit(&form);
    card->SetParent(panel);
    card->SetAlign(alClient);
    card->SetReadOnly(true);
    card->SetScrollBars(ssVertical);
    card->SetBorderStyle(bsNone);
    card->SetHideSelection(true);
    card->SetWordWrap(true);
    card->SetTabStop(false);
    card->OnSelectionChange = [card](TPersistent*) { card->SetSelLength(0); };
    TMemoryStream stream;
    const std::string text = cardText();
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
    stream.SetPosition(0);
    card->Lines()->LoadFromStream(stream);
    form.Show();
    Application->ProcessMessages();
    return tk::saveScreenshot(form, pngPath);
}
