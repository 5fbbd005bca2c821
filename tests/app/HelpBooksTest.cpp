// The program's help book: every link between its pages leads to a page that is there, every
// page has a title and links back to the contents, and the menu paths and tool-bar buttons it
// names are the main window's own. (The titles the program finds the viewers by are checked
// where the main window opens them.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "ProgramFixture.h"
#include "support/FileBytes.h"
#include "toolkit/TMainMenu.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TSpeedButton.h"

namespace {

const std::filesystem::path kResources = VALDREN_RESOURCES_DIR;

using testsupport::readFile;

std::string title(const std::string& html) {
    std::smatch match;
    return std::regex_search(html, match, std::regex("<title>([^<]*)</title>")) ? match[1].str() : std::string();
}

// Every match of the pattern in the text.
std::vector<std::smatch> matches(const std::string& html, const std::regex& pattern) {
    return {std::sregex_iterator(html.begin(), html.end(), pattern), std::sregex_iterator()};
}

std::vector<std::string> relativeLinks(const std::string& html) {
    std::vector<std::string> links;
    for (const std::smatch& m : matches(html, std::regex("href=\"([^\"]*)\""))) {
        const std::string link = m[1].str();
        if (link.find(':') == std::string::npos)
            links.push_back(link);
    }
    return links;
}

// The first page, then the pages of the book's folder.
std::vector<std::filesystem::path> helpPages() {
    std::vector<std::filesystem::path> pages = {kResources / "help" / "valinfo.chm"};
    for (const auto& entry : std::filesystem::directory_iterator(kResources / "help" / "valinfo"))
        pages.push_back(entry.path());
    return pages;
}

// The item's name as the menu shows it: no accelerator marks, and without the key after the tab.
std::string shownCaption(const AnsiString& caption) {
    std::string text = tk::toUtf8(caption.substr(0, caption.find('\t')));
    std::erase(text, '&');
    return text;
}

bool hasMenuEntry(const TMenuItem& bar, const std::string& menu, const std::string& entry) {
    for (int i = 0; i < bar.Count(); ++i) {
        const TMenuItem& items = *bar.Items(i);
        if (shownCaption(items.Caption()) != menu)
            continue;
        for (int j = 0; j < items.Count(); ++j)
            if (shownCaption(items.Items(j)->Caption()) == entry)
                return true;
    }
    return false;
}

TEST(HelpBooksTest, EveryLinkLeadsToAPageAndEveryPageBackToTheContents) {
    // The first page's links resolve in the book's folder, as do those of the pages there.
    const std::filesystem::path folder = kResources / "help" / "valinfo";
    const std::vector<std::filesystem::path> pages = helpPages();
    ASSERT_GT(pages.size(), 1u);
    for (const std::filesystem::path& page : pages) {
        const std::string html = readFile(page);
        EXPECT_FALSE(title(html).empty()) << page;
        const std::vector<std::string> links = relativeLinks(html);
        for (const std::string& link : links)
            EXPECT_TRUE(std::filesystem::is_regular_file(folder / link)) << page << " links to " << link;
        const bool linksBack = std::find(links.begin(), links.end(), "../valinfo.chm") != links.end();
        EXPECT_EQ(linksBack, page.extension() == ".html") << page;
    }
}

// A book that sends the reader to a menu entry or a button the window lacks promises what the
// program does not do.
class HelpBookNamesTest : public apptest::MainWindowFixture {};

TEST_F(HelpBookNamesTest, MenuPathsAndButtonsItNamesAreTheMainWindows) {
    const std::regex menuPath("<i>([^<]+) &rarr; ([^<]+)</i>");
    // Alternatives, not bracket sets: a Cyrillic letter is two bytes to the pattern.
    const std::regex button("(?:Кнопка |кнопку |кнопкой |<tr><td>)<b>([^<]+)</b>");
    std::vector<std::string> buttons;
    for (TSpeedButton* b : {w->SpeedButton5, w->SpeedButton9, w->SpeedButton4, w->SpeedButton6, w->SpeedButton10,
                            w->SpeedButton3, w->SpeedButton1, w->SpeedButton8})
        if (b->Visible())
            buttons.push_back(tk::toUtf8(b->Hint()));
    int named = 0;
    for (const std::filesystem::path& page : helpPages()) {
        const std::string html = readFile(page);
        for (const std::smatch& m : matches(html, menuPath)) {
            ++named;
            EXPECT_TRUE(hasMenuEntry(*w->MainMenu1->Items(), m[1].str(), m[2].str())) << page << ": " << m[0].str();
        }
        for (const std::smatch& m : matches(html, button)) {
            ++named;
            EXPECT_NE(std::find(buttons.begin(), buttons.end(), m[1].str()), buttons.end()) << page << ": " << m[0].str();
        }
    }
    EXPECT_GT(named, 10) << "the patterns still find what the book names";
}

} // namespace
