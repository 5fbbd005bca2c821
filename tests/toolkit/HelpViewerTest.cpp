// The help viewer: help books opened through the shell call, found, shown, hidden and closed by
// window calls, and their links.
#include "toolkit/HelpViewer_p.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTextBrowser>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/TempDirectory.h"
#include "toolkit/FilePath.h"
#include "toolkit/Messages.h"
#include "toolkit/Shell.h"
#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TWinControl.h"
#include "toolkit/WinApi.h"
#include "toolkit/WindowRegistry_p.h"

namespace {

const char* const kTitle = "Справочная система ВалдренИнфо";

// A book "help/valinfo.chm" with a web link first and a page in its folder that links back to the
// contents; the current directory is the book's parent while the fixture lives, and any shell link
// is recorded.
class HelpViewerTest : public ::testing::Test {
protected:
    HelpViewerTest() : previousDir_(GetCurrentDir()) {
        std::filesystem::create_directories(dir_ / "help" / "valinfo");
        std::ofstream(dir_ / "help" / "valinfo.chm")
            << "<html><head><title>" << kTitle << "</title></head><body>"
            << "<a href=\"http://valdren.example/\">Сайт</a><p><a href=\"page2.html\">Дальше</a></body></html>";
        std::ofstream(dir_ / "help" / "valinfo" / "page2.html")
            << "<html><head><title>Вторая</title></head><body><p>Вторая страница</p>"
            << "<p><a href=\"../valinfo.chm\">Содержание</a></body></html>";
        SetCurrentDir(dir_.path().string());
        tk::setShellOpener([this](const AnsiString& target) {
            opened.push_back(target);
            return true;
        });
    }
    ~HelpViewerTest() override {
        tk::setShellOpener(nullptr);
        SetCurrentDir(previousDir_);
        closeAll();
    }

    static HWND findHelp() { return FindWindow("HH Parent", tk::fromUtf8(kTitle).c_str()); }

    static void closeAll() {
        while (const HWND window = FindWindow("HH Parent", nullptr))
            SendMessage(window, WM_CLOSE, 0, 0);
        Application->ProcessMessages();
    }

    // A left click on the link text at the document position, as the mouse gives it.
    static void clickAt(QTextBrowser& browser, int position) {
        QTextCursor cursor(browser.document());
        cursor.setPosition(position);
        const QPointF at = browser.cursorRect(cursor).center() + QPointF(3, 0);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, browser.viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(browser.viewport(), &event);
        }
    }

    std::vector<std::string> opened;

private:
    testsupport::TempDirectory dir_;
    AnsiString previousDir_;
};

TEST_F(HelpViewerTest, BookOpensAWindowFoundByTitleThatHidesAndShows) {
    EXPECT_GT(ShellExecute(0, "open", "help\\valinfo.chm", nullptr, nullptr, SW_SHOWNORMAL), 32);
    Application->ProcessMessages();
    const HWND help = findHelp();
    ASSERT_NE(help, 0u);
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_EQ(tk::windowFromHandle(help)->Owner(), Application);
    ShowWindow(help, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(help));
    EXPECT_EQ(findHelp(), help);
    ShowWindow(help, SW_SHOWNORMAL);
    EXPECT_TRUE(IsWindowVisible(help));
    // Each opening makes one more window.
    EXPECT_GT(ShellExecute(0, "open", "help/valinfo.chm", nullptr, nullptr, SW_SHOWNORMAL), 32);
    int windows = 0;
    EnumThreadWindows([&windows](HWND window) {
        windows += tk::windowFromHandle(window)->WindowClassName() == "HH Parent" ? 1 : 0;
        return true;
    });
    EXPECT_EQ(windows, 2);
    EXPECT_TRUE(opened.empty());
    // The close message frees the window at once.
    closeAll();
    EXPECT_EQ(findHelp(), 0u);
    EXPECT_EQ(tk::windowFromHandle(help), nullptr);
}

TEST_F(HelpViewerTest, MissingBookAnswersTwoAndShowsNothing) {
    EXPECT_EQ(ShellExecute(0, "open", "help\\missing.chm", nullptr, nullptr, SW_SHOWNORMAL), 2);
    EXPECT_EQ(ShellExecute(0, "open", "help\\VALINFO.CHM", nullptr, nullptr, SW_SHOWNORMAL), 2);
    EXPECT_GT(ShellExecute(0, "open", "help\\valinfo", nullptr, nullptr, SW_SHOWNORMAL), 32);
    EXPECT_EQ(FindWindow("HH Parent", nullptr), 0u);
    // Only the name without the book's extension went to the desktop.
    EXPECT_EQ(opened, std::vector<std::string>{"help\\valinfo"});
}

TEST_F(HelpViewerTest, WebLinkGoesToTheShellAndBookLinkStaysInTheViewer) {
    ShellExecute(0, "open", "help\\valinfo.chm", nullptr, nullptr, SW_SHOWNORMAL);
    const HWND help = findHelp();
    ASSERT_NE(help, 0u);
    auto& browser = *tk::windowFromHandle(help)->peer().widget()->findChild<QTextBrowser*>();
    Application->ProcessMessages();
    clickAt(browser, 1);
    EXPECT_EQ(opened, std::vector<std::string>{"http://valdren.example/"});
    clickAt(browser, 6);
    EXPECT_EQ(browser.toPlainText().toStdString(), "Вторая страница\nСодержание");
    EXPECT_EQ(opened.size(), 1u);
    // Back on the first page, its links lead into the book's folder again.
    clickAt(browser, 17);
    EXPECT_TRUE(browser.toPlainText().toStdString().starts_with("Сайт"));
    clickAt(browser, 6);
    EXPECT_EQ(browser.toPlainText().toStdString(), "Вторая страница\nСодержание");
}

} // namespace
