// Forms: creation and destruction, finding and closing windows, modal loops and menus.
#include "toolkit/TForm.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include "support/Placed.h"
#include "support/MessageBoxLog.h"
#include "toolkit/MessageQueue_p.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TMainMenu.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/TScreen.h"
#include "toolkit/TTimer.h"
#include "toolkit/WinApi.h"

namespace {

class TfmProbe : public TForm {
public:
    explicit TfmProbe(TComponent* owner, std::vector<std::string>* log = nullptr) : TForm(owner) {
        BeginLayout();
        SetCaption("fmProbe");
        SetBounds(50, 50, 200, 120);
        timer = new TTimer(this);
        timer->SetInterval(10);
        edit = new TWinControl(this);
        edit->SetParent(this);
        edit->SetBounds(5, 5, 50, 20);
        ok = new TButton(this);
        ok->SetParent(this);
        ok->SetBounds(10, 80, 60, 25);
        ok->SetModalResult(mrOk);
        ok->SetDefault(true);
        cancel = new TButton(this);
        cancel->SetParent(this);
        cancel->SetBounds(80, 80, 60, 25);
        cancel->SetModalResult(mrCancel);
        cancel->SetCancel(true);
        loadingDuringLayout = (timer->ComponentState() & csLoading) != 0;
        OnCreate = [this, log](TPersistent*) {
            if (log)
                log->push_back("create");
            timerLoadedAtCreate = (timer->ComponentState() & csLoading) == 0;
        };
        EndLayout();
    }

    TTimer* timer;
    TWinControl* edit;
    TButton* ok;
    TButton* cancel;
    bool loadingDuringLayout = false;
    bool timerLoadedAtCreate = false;
};

class TfmBroken : public TForm {
public:
    explicit TfmBroken(TComponent* owner) : TForm(owner) {
        BeginLayout();
        OnCreate = [](TPersistent*) { throw Exception("no data"); };
        EndLayout();
    }
};

TEST(TFormTest, LayoutLoadsComponentsThenFiresCreateAndDestroyComesWhileTheyAreThere) {
    std::vector<std::string> log;
    bool timerThere = false;
    {
        TfmProbe form(nullptr, &log);
        EXPECT_TRUE(form.loadingDuringLayout);
        EXPECT_TRUE(form.timerLoadedAtCreate);
        EXPECT_EQ(form.ComponentState() & csLoading, 0u);
        form.OnDestroy = [&](TPersistent* sender) { timerThere = static_cast<TForm*>(sender)->ComponentCount() > 0; };
    }
    EXPECT_EQ(log, std::vector<std::string>{"create"});
    EXPECT_TRUE(timerThere);
}

TEST(TFormTest, ExceptionInCreateGoesToTheApplicationsHandling) {
    tktest::MessageBoxLog answers;
    Application->SetTitle("Probe");
    { TfmBroken form(nullptr); }
    EXPECT_EQ(answers.boxes, std::vector<std::string>{"Probe: no data."});
}

TEST(TFormTest, FindWindowFindsShownAndHiddenFormsByClassAndTitle) {
    TfmProbe form(nullptr);
    const HWND found = FindWindow("TfmProbe", "fmProbe");
    EXPECT_EQ(found, form.Handle());
    EXPECT_FALSE(IsWindowVisible(found));
    form.Show();
    EXPECT_EQ(FindWindow("TfmProbe", nullptr), form.Handle());
    EXPECT_TRUE(IsWindowVisible(found));
    EXPECT_EQ(FindWindow("TForm", "fmProbe"), 0u);
    EXPECT_EQ(FindWindow("TfmProbe", "other"), 0u);
}

TEST(TFormTest, CloseMessageHidesAFormThatIsNotTheMain) {
    TfmProbe form(nullptr);
    std::vector<std::string> seen;
    form.OnCloseQuery = [&](TPersistent*, bool&) { seen.push_back("query"); };
    form.OnClose = [&](TPersistent*, TCloseAction& action) {
        seen.push_back(action == caHide ? "close hide" : "close");
    };
    form.Show();
    SendMessage(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"query", "close hide"}));
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(FindWindow("TfmProbe", "fmProbe"), form.Handle());
}

TEST(TFormTest, CloseWithFreeActionFreesTheFormAfterTheHandler) {
    auto* form = new TfmProbe(nullptr);
    const HWND handle = form->Handle();
    form->OnClose = [](TPersistent*, TCloseAction& action) { action = caFree; };
    form->Show();
    // A window that frees itself on the close message is gone for every search at once, so a
    // loop that closes windows until none is found ends.
    int closed = 0;
    while (HWND found = FindWindow("TfmProbe", nullptr)) {
        SendMessage(found, WM_CLOSE, 0, 0);
        ++closed;
    }
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(IsWindowVisible(handle));
    Application->ProcessMessages();
    EXPECT_EQ(SendMessage(handle, WM_CLOSE, 0, 0), 0);
}

// The buttons' modal results, by click or by Enter and Escape from another control.
TEST(TFormTest, ShowModalReturnsTheResultOfTheButtonClickedOrKeyPressed) {
    TfmProbe form(nullptr);
    const struct {
        const char* how;
        std::function<void()> end;
        TModalResult result;
    } endings[] = {
        {"click Cancel", [&] { tk::input::click(*form.cancel, 5, 5); }, mrCancel},
        {"click OK", [&] { tk::input::click(*form.ok, 5, 5); }, mrOk},
        {"Escape", [&] { tk::input::key(form, VK_ESCAPE, 0, '\x1b'); }, mrCancel},
        {"Enter", [&] { tk::input::key(form, VK_RETURN, 0, '\r'); }, mrOk},
    };
    for (const auto& e : endings) {
        form.OnShow = [&](TPersistent*) {
            form.edit->SetFocus();
            e.end();
        };
        EXPECT_EQ(form.ShowModal(), e.result) << e.how;
        EXPECT_FALSE(form.Visible()) << e.how;
    }
}

TEST(TFormTest, ModalFormOpenedFromAButtonClickRunsItsOwnLoop) {
    TfmProbe owner(nullptr);
    TModalResult inner = mrNone;
    owner.ok->SetModalResult(mrNone);
    owner.ok->OnClick = [&](TPersistent*) {
        TfmProbe dialog(nullptr);
        dialog.OnShow = [&](TPersistent*) { tk::input::click(*dialog.ok, 5, 5); };
        inner = dialog.ShowModal();
    };
    owner.Show();
    tk::input::click(*owner.ok, 5, 5);
    Application->ProcessMessages();
    EXPECT_EQ(inner, mrOk);
    EXPECT_TRUE(owner.Visible());
}

// A control that notes the cancel-mode message it receives.
class CaptureHolder : public TWinControl {
public:
    using TWinControl::TWinControl;
    int cancels = 0;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_CANCELMODE)
            ++cancels;
        TWinControl::WndProc(Message);
    }
};

TEST(TFormTest, ModalFormMessageBoxAndPopupMenuCancelTheCaptureFirst) {
    tktest::MessageBoxLog answers;
    TfmProbe owner(nullptr);
    auto* holder = tktest::placed<CaptureHolder>(&owner);
    TPopupMenu menu(nullptr);
    owner.Show();
    const std::vector<std::function<void()>> openers{
        [] {
            TfmProbe dialog(nullptr);
            dialog.OnShow = [&](TPersistent*) { dialog.SetModalResult(mrOk); };
            dialog.ShowModal();
        },
        [] { Application->MessageBox("?", "", MB_OK); },
        [&] { menu.Popup(0, 0); },
    };
    for (size_t i = 0; i < openers.size(); ++i) {
        holder->SetMouseCapture(true);
        openers[i]();
        EXPECT_EQ(holder->cancels, static_cast<int>(i + 1));
        EXPECT_EQ(GetCaptureControl(), nullptr);
    }
    openers[1]();
    EXPECT_EQ(holder->cancels, 3);
}

TEST(TFormTest, ShowModalKeepsRunningWhileCloseQueryRefuses) {
    TfmProbe form(nullptr);
    int asked = 0;
    form.OnCloseQuery = [&](TPersistent*, bool& canClose) {
        canClose = ++asked > 1;
        if (!canClose)
            tk::input::click(*form.cancel, 5, 5);
    };
    form.OnShow = [&](TPersistent*) { tk::input::click(*form.ok, 5, 5); };
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
}

TEST(TFormTest, KeyPreviewReachesTheFormFirstAndCanSwallowTheKey) {
    TfmProbe form(nullptr);
    std::vector<std::string> seen;
    form.SetKeyPreview(true);
    form.OnKeyDown = [&](TPersistent*, std::uint16_t& key, TShiftState shift) {
        seen.push_back("form " + std::to_string(key) + (shift & ssCtrl ? " ctrl" : ""));
        if (key == 'F')
            key = 0;
    };
    form.edit->OnKeyDown = [&](TPersistent*, std::uint16_t& key, TShiftState) {
        seen.push_back("edit " + std::to_string(key));
    };
    form.edit->OnKeyPress = [&](TPersistent*, char& key) { seen.push_back(std::string("press ") + key); };
    form.Show();
    form.edit->SetFocus();
    tk::input::key(form, 'F', ssCtrl);
    tk::input::key(form, VK_LEFT);
    tk::input::key(form, 'A', 0, 'a');
    Application->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"form 70 ctrl", "form 37", "edit 37", "form 65", "edit 65", "press a"}));
}

TEST(TFormTest, ClosingTheMainFormEndsTheProgram) {
    TfmProbe* main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(Application->MainForm(), main);
    TfmProbe* second = nullptr;
    Application->CreateForm(second);
    EXPECT_EQ(Application->MainForm(), main);
    tk::postToLoop([main] { main->Close(); });
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_TRUE(main->Visible());
}

TEST(TFormTest, BorderStylesDecideTheWindowKindAndWhetherTheUserResizes) {
    TfmProbe form(nullptr);
    QWidget& widget = *form.peer().widget();
    EXPECT_TRUE(widget.windowFlags() & Qt::WindowCloseButtonHint);
    form.SetBorderIcons(0);
    EXPECT_FALSE(widget.windowFlags() & Qt::WindowCloseButtonHint);
    const struct {
        TFormBorderStyle style;
        bool fixed;
        Qt::WindowType type;
    } styles[] = {{bsDialog, true, Qt::Dialog},       {bsSingle, true, Qt::Window},
                  {bsToolWindow, true, Qt::Tool},     {bsSizeToolWin, false, Qt::Tool},
                  {bsSizeable, false, Qt::Window}};
    for (const auto& c : styles) {
        form.SetBorderStyle(c.style);
        form.SetBounds(40, 40, 230, 140);
        EXPECT_EQ(widget.windowType(), c.type) << c.style;
        EXPECT_EQ(widget.size(), QSize(230, 140)) << c.style;
        EXPECT_EQ(widget.minimumSize() == widget.maximumSize(), c.fixed) << c.style;
        form.SetBounds(40, 40, 200, 120);
    }
    form.SetBorderStyle(bsNone);
    form.SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(widget.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(widget.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(TFormTest, FormAtTheScreenCentreIsCentredAndAMaximisedOneGrowsWhenFirstShown) {
    TfmProbe centred(nullptr);
    centred.SetPosition(poScreenCenter);
    centred.Show();
    EXPECT_EQ(centred.Left(), (Screen->Width() - 200) / 2);
    EXPECT_EQ(centred.Top(), (Screen->Height() - 120) / 2);
    TfmProbe maximised(nullptr);
    maximised.SetWindowState(wsMaximized);
    maximised.Show();
    EXPECT_GT(maximised.Width(), 200);
    EXPECT_GT(maximised.Height(), 120);
}

TEST(TFormTest, MainMenuSitsAboveTheClientAreaAndClicksItsEntries) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* panel = tktest::placed<TWinControl>(&form);
    panel->SetAlign(alClient);
    auto* menu = new TMainMenu(&form);
    auto* file = new TMenuItem(&form);
    file->SetCaption("&File");
    auto* quit = new TMenuItem(&form);
    quit->SetCaption("E&xit");
    std::vector<std::string> clicks;
    quit->OnClick = [&](TPersistent* sender) { clicks.push_back(static_cast<TMenuItem*>(sender)->Caption()); };
    file->Add(quit);
    menu->Items()->Add(file);
    form.SetMenu(menu);
    form.Show();

    auto* bar = form.peer().widget()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const int barHeight = bar->height();
    EXPECT_GT(barHeight, 0);
    EXPECT_EQ(form.ClientHeight(), 200 - barHeight);
    EXPECT_EQ(panel->BoundsRect(), Rect(0, 0, 300, 200 - barHeight));
    EXPECT_EQ(panel->peer().widget()->geometry().top(), barHeight);
    EXPECT_EQ(panel->ClientToScreen(Point(0, 0)), form.ClientToScreen(Point(0, 0)));

    QMenu* fileMenu = bar->actions().at(0)->menu();
    ASSERT_NE(fileMenu, nullptr);
    emit fileMenu->aboutToShow();
    ASSERT_EQ(fileMenu->actions().size(), 1);
    fileMenu->actions().at(0)->trigger();
    EXPECT_EQ(clicks, std::vector<std::string>{"E&xit"});

    delete menu;
    EXPECT_EQ(form.Menu(), nullptr);
    EXPECT_EQ(form.ClientHeight(), 200);
}

} // namespace
