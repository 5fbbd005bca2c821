// The program brought up in process for one test: a folder laid out like the build (the sample
// database and the help books linked in), made current and set as the program's directory; the
// real start-up, with the splash dismissed by Enter; and the main window shown as the message
// loop shows it. Message boxes are noted and must each be looked at by the test; a halt fails it;
// links opened are recorded; help viewers left open are closed.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "support/TempDirectory.h"
#include "toolkit/AnsiString.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TApplication.h"

class TfmSplash;

namespace apptest {

inline AnsiString ru(const char* utf8) { return tk::fromUtf8(utf8); }

// Notes every message box and answers it with OK; answers the colour dialog with colourChosen or
// cancels it; cancels every other dialog.
struct TestPresenter : tk::DialogPresenter {
    struct Box {
        AnsiString text;
        AnsiString caption;
        unsigned flags;
    };
    std::vector<Box> boxes;
    std::vector<AnsiString> customColors; // as the last colour dialog was given them
    std::optional<TColor> colourChosen;

    int messageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) override;
    bool chooseColor(TColor& color, TStrings& colors) override;
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
    // Puts a copy of the sample database in place of the link, with the city map replaced by a
    // stream of no objects whose header holds Mashtab.
    void useCityWithMashtab(int Mashtab);
    // Puts a copy of the sample database in place of the link, with these bytes as its city map.
    void useCityMap(const std::string& Bytes);
    // Puts a copy of the sample database in place of the link, changed by the SQL statements (code
    // page 1251 texts) run through the engine.
    void useDatabaseWith(const std::vector<AnsiString>& Statements);
    // Expects exactly one message box since the last look, and forgets it.
    void expectOneBox(const char* text, const char* caption, unsigned flags);

    testsupport::TempDirectory dir_;
    TestPresenter presenter_;
    std::vector<AnsiString> opened_;

private:
    std::filesystem::path previousDirectory_;
};

// The program started with its main window shown, and what its tests read from it and from the
// program's database connection.
class MainWindowFixture : public ProgramFixture {
protected:
    void SetUp() override;

    // Runs Open, which shows Form modally; Answer runs as the form shows and queues its input.
    static void answerModal(TForm& Form, const std::function<void()>& Answer, const std::function<void()>& Open);

    AnsiString panel(int index) const;
    const TKEXMapObjectMem& object(int index) const;
    // Drawn in the highlight's colours.
    bool isRed(int index) const;
    // The first column of an SQL text run on the program's connection.
    static std::vector<AnsiString> column(const AnsiString& sql);
    static std::vector<AnsiString> firmsOfRubric(const AnsiString& rubric);
    // The names of the firm list's rows that have cards.
    std::vector<AnsiString> listed() const;

    TfmValdrenGIS* w = nullptr;
    TDataMap* map = nullptr;
};

} // namespace apptest
