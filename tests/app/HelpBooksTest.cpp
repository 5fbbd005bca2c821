// The program's help book: every link between its pages leads to a page that is there, and every
// page has a title and links back to the contents. (The titles the program finds the viewers by
// are checked where the main window opens them.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support/FileBytes.h"

namespace {

const std::filesystem::path kResources = VALDREN_RESOURCES_DIR;

using testsupport::readFile;

std::string title(const std::string& html) {
    std::smatch match;
    return std::regex_search(html, match, std::regex("<title>([^<]*)</title>")) ? match[1].str() : std::string();
}

std::vector<std::string> relativeLinks(const std::string& html) {
    std::vector<std::string> links;
    const std::regex href("href=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), href); it != std::sregex_iterator(); ++it) {
        const std::string link = (*it)[1].str();
        if (link.find(':') == std::string::npos)
            links.push_back(link);
    }
    return links;
}

TEST(HelpBooksTest, EveryLinkLeadsToAPageAndEveryPageBackToTheContents) {
    // The first page's links resolve in the book's folder, as do those of the pages there.
    const std::filesystem::path folder = kResources / "help" / "valinfo";
    std::vector<std::filesystem::path> pages = {kResources / "help" / "valinfo.chm"};
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        pages.push_back(entry.path());
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

} // namespace
