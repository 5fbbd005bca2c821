// The program coming up: the real executable failing without its database and finding its files
// from another folder, and the splash at its wait, dismissed each way the user can.
#include "app/StartUp.h"

#include <gtest/gtest.h>


#include "ProgramFixture.h"
#include "app/TfmSplash.h"
#include "app/TfmValdrenGIS.h"
#include "support/ProcessRun.h"
#include "support/TempDirectory.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TPanel.h"
#include "toolkit/TProgressBar.h"

namespace {

namespace fs = std::filesystem;

TEST(StartUpTest, MissingDatabaseEndsTheProgramWithCodeOneAndNoFiles) {
    testsupport::TempDirectory dir;
    const fs::path program = dir / "ValInfo";
    fs::copy_file(VALINFO_PATH, program);
    const testsupport::ProcessRun run = testsupport::runProcess(
        "sh", {"-c", "cd " + testsupport::shellQuoted(dir.path().string()) + " && QT_QPA_PLATFORM=offscreen ./ValInfo"},
        /*errors=*/true);
    EXPECT_EQ(run.exitCode, 1);
    const std::string& text = run.output;
    EXPECT_NE(text.find("ValInfo: start-up failed"), std::string::npos) << text;
    EXPECT_NE(text.find("mapdata.vdd"), std::string::npos) << text;
    // Message boxes on a platform without a screen write their question to standard error.
    EXPECT_EQ(text.find("ВалдренИнфо"), std::string::npos) << text;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        files += entry.path() != program;
    EXPECT_EQ(files, 0);
}

// The program copied into a folder laid out like the build and started from a folder inside it,
// as a desktop launcher may start it: every start-up step is done and it waits at its splash,
// where it is ended.
TEST(StartUpTest, ProgramStartedFromAnotherFolderFindsItsFilesBesideItself) {
    testsupport::TempDirectory dir;
    fs::copy_file(VALINFO_PATH, dir / "ValInfo");
    const fs::path build(BUILD_DIR);
    for (const char* folder : {"data", "help", "adv"})
        fs::create_directory_symlink(build / folder, dir / folder);
    fs::create_directory(dir / "elsewhere");
    const std::string script = R"(
cd elsewhere || exit 9
VALDREN_STARTUP_TIMING=1 QT_QPA_PLATFORM=offscreen ../ValInfo 2>../errors &
program=$!
rounds=0
while [ $rounds -lt 600 ] && kill -0 $program 2>/dev/null && ! grep -q "find and mini-map" ../errors; do
  sleep 0.1
  rounds=$((rounds + 1))
done
kill $program 2>/dev/null
wait $program
cat ../errors >&2
)";
    const testsupport::ProcessRun run =
        testsupport::runProcess("sh", {"-c", "cd " + testsupport::shellQuoted(dir.path().string()) + script},
                                /*errors=*/true);
    const std::string& text = run.output;
    EXPECT_EQ(text.find("start-up failed"), std::string::npos) << text;
    EXPECT_NE(text.find("start-up: main window"), std::string::npos) << text;
    EXPECT_NE(text.find("start-up: find and mini-map"), std::string::npos) << text;
    EXPECT_TRUE(fs::is_empty(dir / "elsewhere")) << "nothing is written in the folder it was started from";
}

enum class Dismissal { enter, button, picture, contactPanel, caption };

class SplashTest : public apptest::ProgramFixture, public ::testing::WithParamInterface<Dismissal> {};

TEST_P(SplashTest, WaitsAtFullProgressUntilDismissed) {
    bool reachedWait = false;
    startProgram([&reachedWait](TfmSplash& splash) {
        reachedWait = true;
        EXPECT_EQ(splash.ProgressBar1->Position(), 100);
        EXPECT_TRUE(splash.Button1->Visible());
        EXPECT_TRUE(splash.Panel4->Visible());
        EXPECT_TRUE(splash.Showing());
        switch (GetParam()) {
        case Dismissal::enter: tk::input::key(splash, VK_RETURN); break;
        case Dismissal::button: tk::input::click(*splash.Button1, 5, 5); break;
        case Dismissal::picture: tk::input::click(*splash.Image1, 100, 100); break;
        case Dismissal::contactPanel: tk::input::click(*splash.Panel4, 170, 2); break;
        case Dismissal::caption: tk::input::click(*splash.Label3, 5, 5); break;
        }
    });
    EXPECT_TRUE(reachedWait);
    EXPECT_EQ(fmSplash, nullptr);
    ASSERT_NE(fmValdrenGIS, nullptr);
    EXPECT_EQ(Application->MainForm(), fmValdrenGIS);
}

INSTANTIATE_TEST_SUITE_P(Ways, SplashTest,
                         ::testing::Values(Dismissal::enter, Dismissal::button, Dismissal::picture,
                                           Dismissal::contactPanel, Dismissal::caption));

} // namespace
