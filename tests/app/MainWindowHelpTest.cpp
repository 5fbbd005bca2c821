// The banners and the help: the rotation on the banner timer, what a banner click opens, help
// brought forward instead of opened twice, and books that are missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "ProgramFixture.h"
#include "app/TfmValdrenGIS.h"
#include "app/HelpWindows.h"
#include "toolkit/Clock.h"
#include "toolkit/FilePath.h"
#include "toolkit/SyntheticInput.h"
#include "support/WindowShot.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TForm.h"
#include "toolkit/TImage.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TResourceStream.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TTimer.h"
#include "toolkit/WinApi.h"

namespace {

using apptest::ru;

// The help viewer windows titled Title (UTF-8).
std::vector<HWND> viewers(const char* title) {
    std::vector<HWND> found;
    EnumThreadWindows([&](HWND window) {
        const auto* form = dynamic_cast<const TForm*>(FindControl(window));
        if (form && form->WindowClassName() == app::kHelpViewerClass && form->Caption() == ru(title))
            found.push_back(window);
        return true;
    });
    return found;
}

// The centre pixel of banner Number's picture, and of the banner the window shows.
TColor bannerCentre(int number) {
    TResourceStream stream(number, RT_RCDATA);
    TBitmap banner;
    banner.LoadFromStream(stream);
    return banner.Canvas()->Pixels(banner.Width() / 2, banner.Height() / 2);
}
TColor shownBannerCentre(const TfmValdrenGIS& window) {
    const TPoint centre = window.Image1->ClientToScreen(Point(window.Image1->Width() / 2, window.Image1->Height() / 2));
    const TPoint origin = window.ClientToScreen(Point(0, 0));
    return testsupport::WindowShot(window).Pixel(centre.X - origin.X, centre.Y - origin.Y);
}

class MainWindowHelpTest : public apptest::MainWindowFixture {};

TEST_F(MainWindowHelpTest, BannersTurnEveryFiveSecondsAndOpenTheirHelp) {
    tk::useManualClock(true);
    w->BanTimer->SetEnabled(false);
    w->BanTimer->SetEnabled(true);
    const struct {
        const char* file;
        const char* title;
    } turns[] = {{app::kProgramHelpBook, app::kProgramHelpTitle}, {"", app::kAdvertHelpTitle},
                 {app::kAdvertHelpBook, app::kAdvertHelpTitle}};
    int number = 1;
    for (const auto& turn : turns) {
        tk::advanceClock(5000);
        Application->ProcessMessages();
        number = number % 3 + 1;
        EXPECT_EQ(w->BannerHelpFile(), turn.file);
        EXPECT_EQ(w->BannerHelpTitle(), ru(turn.title));
        EXPECT_EQ(shownBannerCentre(*w), bannerCentre(number)) << number;
    }
    tk::useManualClock(false);

    w->ShowBanner(3);
    tk::input::click(*w->Image1, 5, 5);
    Application->ProcessMessages();
    EXPECT_TRUE(viewers(app::kAdvertHelpTitle).empty()) << "banner 3 opens nothing";

    w->ShowBanner(1);
    tk::input::click(*w->Image1, 5, 5);
    Application->ProcessMessages();
    const std::vector<HWND> first = viewers(app::kAdvertHelpTitle);
    ASSERT_EQ(first.size(), 1u);
    tk::input::click(*w->Image1, 5, 5);
    Application->ProcessMessages();
    const std::vector<HWND> second = viewers(app::kAdvertHelpTitle);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NE(second[0], first[0]) << "the advertiser's help opens anew";

    tk::input::key(*w, VK_F1);
    Application->ProcessMessages();
    const std::vector<HWND> help = viewers(app::kProgramHelpTitle);
    ASSERT_EQ(help.size(), 1u);
    for (const auto& again : {std::function<void()>([&] { tk::input::key(*w, VK_F1); }),
                              std::function<void()>([&] { w->N3->Click(); }),
                              std::function<void()>([&] { tk::input::click(*w->SpeedButton8, 5, 5); })}) {
        again();
        Application->ProcessMessages();
        EXPECT_EQ(viewers(app::kProgramHelpTitle), help);
        EXPECT_TRUE(IsWindowVisible(help[0]));
    }
    EXPECT_TRUE(opened_.empty()) << "help books open in the program's own viewer";
}

TEST_F(MainWindowHelpTest, MissingBooksShowNothing) {
    std::filesystem::create_directory(dir_ / "elsewhere");
    ASSERT_TRUE(SetCurrentDir((dir_ / "elsewhere").string()));
    w->ShowBanner(1);
    tk::input::click(*w->Image1, 5, 5);
    tk::input::key(*w, VK_F1);
    w->ShowBanner(2);
    tk::input::click(*w->Image1, 5, 5);
    Application->ProcessMessages();
    EXPECT_TRUE(viewers(app::kAdvertHelpTitle).empty());
    EXPECT_TRUE(viewers(app::kProgramHelpTitle).empty());
}

} // namespace
