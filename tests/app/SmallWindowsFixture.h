// The program started on the sample database with its main window shown, for the suites of its
// banners, help and small windows: message boxes are noted, the colour dialog is answered with a
// chosen colour (or cancelled), and modal windows are answered with input queued as they show.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "ProgramFixture.h"
#include "app/TfmValdrenGIS.h"
#include "map/TDataMap.h"
#include "toolkit/TApplication.h"
#include "toolkit/TStringList.h"
#include "toolkit/WinApi.h"

namespace apptest {

struct AnsweringPresenter : RecordingPresenter {
    struct Box {
        AnsiString text;
        AnsiString caption;
        unsigned flags;
    };
    std::vector<Box> boxes;
    std::vector<AnsiString> customColors; // as the last colour dialog was given them
    std::optional<TColor> colourChosen;   // none: the colour dialog is cancelled

    int messageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) override {
        boxes.push_back({text, caption, flags});
        return IDOK;
    }
    bool chooseColor(TColor& color, TStrings& colors) override {
        customColors.clear();
        for (int i = 0; i < colors.Count(); ++i)
            customColors.push_back(colors.Strings(i));
        if (colourChosen)
            color = *colourChosen;
        return colourChosen.has_value();
    }
};

class SmallWindowsFixture : public ProgramFixture {
protected:
    void SetUp() override {
        startProgram();
        showMainWindow();
        w = fmValdrenGIS;
        map = w->DataMap1;
        tk::setDialogPresenter(&answers_);
    }
    // Help viewers outlive the windows; none is left for the next test.
    void TearDown() override {
        for (HWND viewer; (viewer = FindWindow("HH Parent", nullptr)) != 0;)
            SendMessage(viewer, WM_CLOSE, 0, 0);
        tk::setDialogPresenter(&presenter_);
    }

    // Runs open, which shows form modally; answer runs as the form shows and queues its input.
    static void answerModal(TForm& form, const std::function<void()>& answer, const std::function<void()>& open) {
        form.OnShow = [&answer](TPersistent*) { answer(); };
        open();
        form.OnShow = nullptr;
    }

    AnsweringPresenter answers_;
    TfmValdrenGIS* w = nullptr;
    TDataMap* map = nullptr;
};

} // namespace apptest
