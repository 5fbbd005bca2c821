// The application object: exception reporting, message box, colour and login dialogs, Qt's own
// dialogs in Russian and off the disk, and the main form it keeps.
#include "toolkit/TApplication.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "support/TempDirectory.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/Dialogs.h"
#include "toolkit/TColorDialog.h"

namespace {

// Answers every question from a script and keeps what was asked.
struct ScriptedAnswers : tk::DialogPresenter {
    std::vector<std::string> asked;
    int boxAnswer = IDOK;
    TColor colorAnswer = clNone;
    bool loginAnswer = true;

    ScriptedAnswers() { tk::setDialogPresenter(this); }
    ~ScriptedAnswers() override { tk::setDialogPresenter(nullptr); }

    int messageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) override {
        asked.push_back(caption + "|" + text + "|" + std::to_string(flags));
        return boxAnswer;
    }
    bool chooseColor(TColor& color, TStrings& customColors) override {
        asked.push_back("colour " + std::to_string(color) + " " + customColors.Strings(0));
        if (colorAnswer == clNone)
            return false;
        color = colorAnswer;
        return true;
    }
    bool login(const AnsiString& database, AnsiString& user, AnsiString& password) override {
        asked.push_back("login " + database + " " + user);
        user = "USER";
        password = "secret";
        return loginAnswer;
    }
    TMenuItem* trackPopup(TPopupMenu&, int, int) override { return nullptr; }
};

template <typename E>
void handle(const E& exception) {
    try {
        throw exception;
    } catch (...) {
        Application->HandleException(Application);
    }
}

// The text goes under the title with one full stop, unless OnException takes it.
TEST(TApplicationTest, UnhandledExceptionShowsItsTextUnderTheTitleUnlessOnExceptionTakesIt) {
    ScriptedAnswers answers;
    Application->SetTitle(tk::fromUtf8("ВалдренИнфо"));
    handle(std::runtime_error("Table not found"));
    handle(Exception("Already said."));
    const std::string title = tk::fromUtf8("ВалдренИнфо");
    EXPECT_EQ(answers.asked, (std::vector<std::string>{title + "|Table not found.|16", title + "|Already said.|16"}));
    std::string caught;
    Application->OnException = [&](TPersistent* sender, const std::exception& e) {
        caught = std::string(e.what()) + (sender == Application ? " from application" : "");
    };
    handle(Exception("Cannot connect"));
    Application->OnException = nullptr;
    EXPECT_EQ(caught, "Cannot connect from application");
    EXPECT_EQ(answers.asked.size(), 2u);
}

TEST(TApplicationTest, MessageBoxReturnsThePresentersAnswer) {
    ScriptedAnswers answers;
    answers.boxAnswer = IDNO;
    Application->SetTitle("Title");
    EXPECT_EQ(Application->MessageBox("Delete record?", "", MB_YESNO | MB_ICONQUESTION), IDNO);
    ShowMessage("Done");
    EXPECT_EQ(answers.asked, (std::vector<std::string>{"Title|Delete record?|36", "Title|Done|0"}));
}

TEST(TApplicationTest, ColourDialogTakesTheColourOnlyWhenConfirmed) {
    ScriptedAnswers answers;
    TColorDialog dialog(nullptr);
    dialog.SetColor(clGreen);
    dialog.CustomColors()->Add("ColorA=00008000");
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), clGreen);
    answers.colorAnswer = clRed;
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), clRed);
    EXPECT_EQ(answers.asked.front(), "colour 32768 ColorA=00008000");
}

TEST(TApplicationTest, LoginDialogEditsUserAndPasswordInPlace) {
    ScriptedAnswers answers;
    AnsiString user = "guest";
    AnsiString password;
    EXPECT_TRUE(LoginDialog("mapdata", user, password));
    EXPECT_EQ(user, "USER");
    EXPECT_EQ(password, "secret");
    answers.loginAnswer = false;
    EXPECT_FALSE(LoginDialog("mapdata", user, password));
    EXPECT_EQ(answers.asked.front(), "login mapdata guest");
    answers.loginAnswer = true;
    EXPECT_TRUE(LoginDialogEx("dictionary", user, password, false)) << "the dataset layer's login is the same dialog";
    EXPECT_EQ(answers.asked.back(), "login dictionary USER");
}

TEST(TApplicationTest, DatasetExceptionsReachOnException) {
    ScriptedAnswers answers;
    TComponent owner(nullptr);
    tktest::MemoryDataSet data(&owner, {{"Id", ftInteger}});
    data.addRow({Variant(1)});
    data.addRow({Variant(2)});
    std::string caught;
    TPersistent* sender = nullptr;
    Application->OnException = [&](TPersistent* s, const std::exception& e) {
        sender = s;
        caught = e.what();
    };
    data.OnFilterRecord = [](TDataSet*, bool&) { throw Exception("filter broke"); };
    data.SetFiltered(true);
    data.Open();
    Application->OnException = nullptr;
    EXPECT_EQ(caught, "filter broke");
    EXPECT_EQ(sender, &data);
    EXPECT_TRUE(answers.asked.empty());
}


TEST(TApplicationTest, WithoutAScreenQuestionsGetTheAnswerThatChangesNothing) {
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    EXPECT_EQ(Application->MessageBox("Delete record?", "", MB_YESNO), IDNO);
    EXPECT_EQ(Application->MessageBox("Go on?", "", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(Application->MessageBox("Done", "", MB_OK), IDOK);
    AnsiString user = "USER";
    AnsiString password;
    EXPECT_FALSE(LoginDialog("mapdata", user, password));
    TColorDialog dialog(nullptr);
    EXPECT_FALSE(dialog.Execute());
}

TEST(TApplicationTest, QtDialogsAndButtonsSpeakRussian) {
    EXPECT_EQ(QColorDialog::tr("Select Color").toStdString(), "Выбор цвета");
    EXPECT_EQ(QColorDialog::tr("&Basic colors").toStdString(), "&Основные цвета");
    const QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().toStdString(), "Отмена");
}

// Qt's dialogs keep their state in Qt's settings (the colour dialog its custom colours, when it
// goes); none of it may reach the user's configuration folder, wherever that is.
TEST(TApplicationTest, QtSettingsReachNoFile) {
    testsupport::TempDirectory config;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().string().c_str());
    {
        QSettings qtSettings(QSettings::UserScope, "QtProject");
        qtSettings.setValue("Qt/customColors/0", 0xFF0000u);
        qtSettings.sync();
        EXPECT_NE(qtSettings.status(), QSettings::NoError);
        EXPECT_FALSE(QFileInfo::exists(qtSettings.fileName())) << qtSettings.fileName().toStdString();
    }
    EXPECT_TRUE(std::filesystem::is_empty(config.path()));
    if (previous.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previous);
}

TEST(TApplicationTest, FreedMainFormIsForgottenAndTheNextFormTakesItsPlace) {
    Application->DestroyComponents(); // forms other tests of this process left behind
    TForm* first = nullptr;
    Application->CreateForm(first);
    ASSERT_EQ(Application->MainForm(), first);
    delete first;
    EXPECT_EQ(Application->MainForm(), nullptr);

    TForm* second = nullptr;
    Application->CreateForm(second);
    EXPECT_EQ(Application->MainForm(), second);
    Application->DestroyComponents();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

} // namespace
