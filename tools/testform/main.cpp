// A small form hosting a custom control that paints, takes mouse, wheel and key input, runs a
// timer and a modal dialog. "testform --screenshot FILE" drives it with synthetic input, saves a
// picture of the form and exits; without arguments it runs until the form is closed.
#include <cstdio>
#include <cstring>
#include <string>

#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TCustomControl.h"
#include "toolkit/TForm.h"
#include "toolkit/TTimer.h"

namespace {

// Draws a grid, a marker where the mouse last went down and the counts of what it received.
class TTestPanel : public TCustomControl {
public:
    explicit TTestPanel(TComponent* owner) : TCustomControl(owner) {
        SetColor(clWhite);
        SetTabStop(true);
    }

    int clicks = 0, wheelNotches = 0, keys = 0, ticks = 0;
    AnsiString modalAnswer = "none";
    TPoint mark = Point(-100, -100);

protected:
    void Paint() override {
        TCanvas& canvas = *Canvas();
        canvas.Pen()->SetColor(clSilver);
        for (int x = 0; x < Width(); x += 20) {
            canvas.MoveTo(x, 0);
            canvas.LineTo(x, Height());
        }
        for (int y = 0; y < Height(); y += 20) {
            canvas.MoveTo(0, y);
            canvas.LineTo(Width(), y);
        }
        canvas.Pen()->SetColor(clNavy);
        canvas.Brush()->SetColor(clYellow);
        canvas.Ellipse(mark.X - 15, mark.Y - 15, mark.X + 15, mark.Y + 15);
        canvas.Brush()->SetStyle(bsClear);
        canvas.Font()->SetColor(clBlack);
        canvas.TextOut(10, 10, "clicks " + std::to_string(clicks) + ", wheel notches " + std::to_string(wheelNotches));
        canvas.TextOut(10, 30, "keys " + std::to_string(keys) + ", timer ticks " + std::to_string(ticks));
        canvas.TextOut(10, 50, "modal dialog answered " + modalAnswer);
        canvas.Brush()->SetStyle(bsSolid);
    }

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        SetFocus();
        ++clicks;
        mark = Point(X, Y);
        Invalidate();
    }

    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override {
        wheelNotches += WheelDelta / 120;
        Invalidate();
        return TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos);
    }

    void KeyDown(std::uint16_t& Key, TShiftState Shift) override {
        ++keys;
        Invalidate();
        TCustomControl::KeyDown(Key, Shift);
    }
};

class TfmQuestion : public TForm {
public:
    explicit TfmQuestion(TComponent* owner) : TForm(owner) {
        BeginLayout();
        SetCaption("Question");
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetBounds(0, 0, 220, 80);
        ok = new TButton(this);
        ok->SetParent(this);
        ok->SetCaption("OK");
        ok->SetBounds(20, 30, 80, 26);
        ok->SetModalResult(mrOk);
        ok->SetDefault(true);
        auto* cancel = new TButton(this);
        cancel->SetParent(this);
        cancel->SetCaption("Cancel");
        cancel->SetBounds(120, 30, 80, 26);
        cancel->SetModalResult(mrCancel);
        cancel->SetCancel(true);
        EndLayout();
    }

    TButton* ok;
};

class TfmTest : public TForm {
public:
    explicit TfmTest(TComponent* owner) : TForm(owner) {
        BeginLayout();
        SetCaption("Test form");
        SetBounds(100, 100, 420, 300);
        auto* ask = new TButton(this);
        ask->SetParent(this);
        ask->SetCaption("Ask...");
        ask->SetHeight(30);
        ask->SetAlign(alBottom);
        ask->OnClick = [this](TPersistent*) { askQuestion(); };
        panel = new TTestPanel(this);
        panel->SetParent(this);
        panel->SetAlign(alClient);
        timer = new TTimer(this);
        timer->SetInterval(50);
        timer->OnTimer = [this](TPersistent*) {
            ++panel->ticks;
            panel->Invalidate();
        };
        EndLayout();
    }

    void askQuestion(bool answerAtOnce = false) {
        TfmQuestion question(nullptr);
        if (answerAtOnce)
            question.OnShow = [&question](TPersistent*) { tk::input::click(*question.ok, 5, 5); };
        panel->modalAnswer = question.ShowModal() == mrOk ? "OK" : "Cancel";
        panel->Invalidate();
    }

    TTestPanel* panel;
    TTimer* timer;
};

TfmTest* fmTest = nullptr;

// Feeds the form a click, wheel notches, keys and a modal dialog, waits for a few timer ticks
// and saves the picture.
int takeScreenshot(const char* fileName) {
    fmTest->Show();
    Application->ProcessMessages();
    TTestPanel& panel = *fmTest->panel;
    tk::input::click(panel, 150, 120);
    tk::input::wheel(panel, 240, 150, 120);
    tk::input::key(*fmTest, VK_LEFT);
    tk::input::key(*fmTest, 'A', 0, 'a');
    Application->ProcessMessages();
    fmTest->askQuestion(/*answerAtOnce=*/true);
    while (panel.ticks < 3)
        Application->HandleMessage();
    panel.Repaint();
    const bool saved = tk::saveScreenshot(*fmTest, fileName);
    std::printf("clicks %d, wheel notches %d, keys %d, ticks %d, modal %s: %s\n", panel.clicks,
                panel.wheelNotches, panel.keys, panel.ticks, panel.modalAnswer.c_str(),
                saved ? "saved" : "not saved");
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    Application->Initialize();
    Application->SetTitle("testform");
    Application->CreateForm(fmTest);
    int result = 0;
    if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0)
        result = takeScreenshot(argv[2]);
    else
        Application->Run();
    tk::shutDownApplication();
    return result;
}
