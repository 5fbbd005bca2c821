// The card text builder with a fixed measure (ten pixels a character), byte for byte, and the
// telephone formatting; then a built card loaded into a real card, whose links report exactly
// their field texts.
#include "app/FirmCardText.h"

#include <set>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "support/CardRtf.h"
#include "support/Placed.h"
#include "toolkit/RichEditMessages.h"
#include "toolkit/TForm.h"
#include "toolkit/WinApi.h"
#include "widgets/TRichEditWithLinks.h"

namespace {

using app::FirmBranch;
using app::FirmCardData;
using namespace testsupport;

AnsiString ru(const char* utf8) { return tk::fromUtf8(utf8); }

int tenPerCharacter(const AnsiString& s) { return int(s.size()) * 10; }

AnsiString card(const FirmCardData& firm, int width = 100) { return app::firmCardText(firm, width, tenPerCharacter); }

const std::string kRubric = "\\plain\\f3\\fs16\\cf3\\lnkd\\ul ";
const std::string kPlain = "\\plain\\f3\\fs16 ";
const std::string kTel = "\\tab\\plain\\f4(\\f3\\fs16\\cf2\\b\\~";
const std::string kWeb = "\\plain\\f5\\'fe\\plain\\f3\\fs16\\cf1\\lnkd\\ul ";
const std::string kMail = "\\plain\\f4+\\plain\\f3\\fs16\\cf1\\lnkd\\ul ";
const std::string kAddress = "\\par\\~\\plain\\lang1049\\f3\\fs16\\cf1\\lnkd\\ul ";

struct CardCase {
    const char* name;
    FirmCardData firm;
    std::string body;
};

class FirmCardTextTest : public ::testing::TestWithParam<CardCase> {};

TEST_P(FirmCardTextTest, BuildsTheGoldenText) {
    EXPECT_EQ(card(GetParam().firm), kCardHeader + kPlain + GetParam().body + "}");
}

INSTANTIATE_TEST_SUITE_P(
    Cards, FirmCardTextTest,
    ::testing::Values(
        // 40 + 40 fit 100 pixels, the third wraps; a first rubric wider than the card stays first.
        CardCase{"RubricsWrap",
                 {{ru("Кафе"), ru("Бары"), ru("Рестораны")}, "", {}},
                 kRubric + ru("Кафе") + kPlain + "; " + kRubric + ru("Бары") + kPlain + "; \\par" + kRubric +
                     ru("Рестораны") + kPlain + "\\par"},
        CardCase{"FirstRubricNeverWraps",
                 {{ru("Стоматологические клиники")}, "", {}},
                 kRubric + ru("Стоматологические клиники") + kPlain + "\\par"},
        // Latin and digit initials stay apart from "\ul"; braces and backslashes are literal.
        CardCase{"RubricsEscaped",
                 {{"Auto", ru("1С"), "A{b}\\c"}, "", {}},
                 kRubric + "Auto" + kPlain + "; " + kRubric + ru("1С") + kPlain + "; \\par" + kRubric + "A\\{b\\}\\\\c" +
                     kPlain + "\\par"},
        CardCase{"WebThenMail",
                 {{}, "www.a.ru,info@a.ru", {}},
                 kWeb + "www.a.ru" + kPlain + "\\par" + kMail + "info@a.ru" + kPlain + "\\par"},
        CardCase{"PieceAfterCommaKeepsItsBlank",
                 {{}, "www.a.ru, http://b.ru", {}},
                 kWeb + "www.a.ru" + kPlain + "\\par" + kWeb + " http://b.ru" + kPlain + "\\par"},
        CardCase{"BranchWithApartmentAndEscapedStreet",
                 {{}, " ", {{ru("Мира {2}"), "7\\1", ru("оф. 12"), ""}}},
                 kAddress + ru("Мира \\{2\\}") + ", 7\\\\1" + kPlain +
                     "\\cf1\\~-" + ru("оф. 12") + " "},
        // "\t" + "23-45-67" is 90 pixels: the first fits beside nothing, the next two wrap.
        CardCase{"TelephonesWrapByWidth",
                 {{}, "", {{"A", "1", "", "234567,345678,88412234567"}}},
                 kAddress + "A, 1" + kPlain + kTel + "23-45-67 " + kPlain +
                     "\\par\\tab" + kTel + "34-56-78 " + kPlain + "\\par\\tab" + kTel + "8-(8412)23-45-67 " + kPlain}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatPhoneTest, GroupsDigitsInPairs) {
    const std::tuple<const char*, const char*> cases[] = {
        {"234567", "23-45-67"},           {"12345", "12345"},
        {"2345678", "234-56-78"},         {"88412234567", "8-(8412)23-45-67"},
        {"8841556789", "8-(8415)56-78-9"}, {" 234567", " 23-45-67"},
    };
    for (const auto& [input, result] : cases)
        EXPECT_EQ(FormatPhone(input), result) << input;
}

// Every link a left press anywhere on the card reports, by its text.
std::set<std::string> linkTextsOf(TRichEditWithLinks& edit) {
    std::set<std::string> texts;
    edit.OnHyperlinkClicked = [&texts](TPersistent*, std::int32_t, std::int32_t, const AnsiString& text) {
        texts.insert(text);
    };
    for (int y = 2; y < edit.ClientHeight(); y += 4) {
        for (int x = 2; x < edit.ClientWidth(); x += 3)
            edit.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    return texts;
}

TEST(FirmCardTextLinkTest, LinksReportTheirFieldTexts) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* edit = tktest::placed<TRichEditWithLinks>(&form, 0, 0, 400, 300);
    edit->SetReadOnly(true);
    form.Show();
    const FirmCardData firm{{"Auto{1}", ru("Аптеки")}, "www.a.ru,a\\b@a.ru", {{ru("Мира"), "7{a}", "", "234567"}}};
    loadCard(*edit, card(firm, 380));
    const std::set<std::string> expected{"Auto{1}", ru("Аптеки"), "www.a.ru", "a\\b@a.ru", ru("Мира, 7{a}")};
    EXPECT_EQ(linkTextsOf(*edit), expected);
}

} // namespace
