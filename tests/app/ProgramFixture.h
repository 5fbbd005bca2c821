// The program brought up in process for one test: a folder laid out like the build (the sample
// database and the help books linked in), made current and set as the program's directory; the
// real start-up, with the splash dismissed by Enter; and the main window shown as the message
// loop shows it. A message box or a halt fails the test; links opened are recorded.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/TempDirectory.h"
#include "toolkit/Dialogs.h"

class TfmSplash;

namespace apptest {

// Fails the test on any message box; cancels every other dialog.
class RecordingPresenter : public tk::DialogPresenter {
public:
    int messageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) override;
    bool chooseColor(TColor& color, TStrings& customColors) override;
    bool login(const AnsiString& databaseName, AnsiString& userName, AnsiString& password) override;
    TMenuItem* trackPopup(TPopupMenu& menu, int x, int y) override;
};

class ProgramFixture : public ::testing::Test {
protected:
    ProgramFixture();
    ~ProgramFixture() override;

    // The start-up; Dismiss gets the splash at its wait (Enter by default).
    void startProgram(const std::function<void(TfmSplash&)>& Dismiss = {});
    // Shows the main window as the message loop does and handles messages until its first
    // activation is done.
    void showMainWindow();
    // Frees the windows start-up made, as the end of the process would.
    void freeWindows();
    // Puts a copy of the sample database in place of the link, with the city map replaced by a
    // stream of no objects whose header holds Mashtab.
    void useCityWithMashtab(int Mashtab);
    // Puts a copy of the sample database in place of the link, changed by the SQL statements (code
    // page 1251 texts) run through the engine.
    void useDatabaseWith(const std::vector<AnsiString>& Statements);
    // Writes the settings file before start-up.
    void writeSettings(const std::string& text);

    testsupport::TempDirectory dir_;
    RecordingPresenter presenter_;
    std::vector<AnsiString> opened_;

private:
    std::filesystem::path previousDirectory_;
};

} // namespace apptest
