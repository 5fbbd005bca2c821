// Painting of custom and graphic controls: when, where and over what background.
#include "toolkit/TCustomControl.h"

#include <memory>

#include <QEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include "support/Placed.h"
#include "support/WindowShot.h"

#include "toolkit/SyntheticInput.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/TGraphicControl.h"

namespace {

// Paints a red square in the top-left corner and counts its paints.
class TProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(Rect(0, 0, 10, 10));
    }
};

class TMark : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(clBlue);
        Canvas()->FillRect(ClientRect());
    }
};

struct Fixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TProbe* probe = new TProbe(form.get());

    Fixture() {
        form->SetBounds(0, 0, 200, 200);
        probe->SetParent(form.get());
        probe->SetBounds(10, 10, 100, 80);
        probe->SetColor(clWhite);
        form->Show();
        Application->ProcessMessages();
    }
};

TEST(TCustomControlTest, PaintDrawsOverTheErasedBackgroundAndDrawingOutsideStaysUntilTheNextInvalidation) {
    Fixture f;
    const int paints = f.probe->paints;
    EXPECT_GE(paints, 1);
    EXPECT_EQ(f.probe->Canvas()->Pixels(5, 5), clRed);
    EXPECT_EQ(f.probe->Canvas()->Pixels(50, 50), clWhite);
    f.probe->Canvas()->Brush()->SetColor(clLime);
    f.probe->Canvas()->FillRect(Rect(40, 40, 60, 60));
    Application->ProcessMessages();
    EXPECT_EQ(f.probe->paints, paints);
    EXPECT_EQ(f.probe->Canvas()->Pixels(50, 50), clLime);
    f.probe->Invalidate();
    f.probe->Update();
    EXPECT_EQ(f.probe->paints, paints + 1);
    EXPECT_EQ(f.probe->Canvas()->Pixels(50, 50), clWhite);
}

// Counts the window system's paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST(TCustomControlTest, ACanvasMeasuredWithShowsNothingAgainButOneDrawnOnShowsAtTheNextPass) {
    Fixture f;
    PaintCounter form(*f.form->peer().widget());
    PaintCounter probe(*f.probe->peer().widget());
    f.form->Canvas()->TextWidth("measured");
    f.probe->Canvas()->TextHeight("measured");
    Application->ProcessMessages();
    EXPECT_EQ(form.paints, 0);
    EXPECT_EQ(probe.paints, 0);
    f.probe->Canvas()->Brush()->SetColor(clLime);
    f.probe->Canvas()->FillRect(Rect(40, 40, 60, 60));
    Application->ProcessMessages();
    EXPECT_EQ(probe.paints, 1);
    // Drawn on once more after the pass, it is shown once more.
    f.probe->Canvas()->SetPixels(1, 1, clBlue);
    Application->ProcessMessages();
    EXPECT_EQ(probe.paints, 2);
}

TEST(TCustomControlTest, OpaqueControlKeepsWhatItDidNotPaint) {
    Fixture f;
    const int paints = f.probe->paints;
    f.probe->SetControlStyle(f.probe->ControlStyle() | csOpaque);
    f.probe->Canvas()->Brush()->SetColor(clLime);
    f.probe->Canvas()->FillRect(Rect(40, 40, 60, 60));
    f.probe->Repaint();
    EXPECT_EQ(f.probe->paints, paints + 1);
    EXPECT_EQ(f.probe->Canvas()->Pixels(50, 50), clLime);
}

TEST(TCustomControlTest, ResizeRepaintsAtTheNewSize) {
    Fixture f;
    const int paints = f.probe->paints;
    f.probe->SetBounds(10, 10, 150, 120);
    Application->ProcessMessages();
    EXPECT_GT(f.probe->paints, paints);
    EXPECT_EQ(f.probe->Canvas()->Pixels(140, 110), clWhite);
    EXPECT_EQ(f.probe->Canvas()->Pixels(150, 110), -1);
}

TEST(TCustomControlTest, RepaintPaintsAtOnceRightAfterShowing) {
    TForm form(nullptr);
    auto* probe = tktest::placed<TProbe>(&form, 0, 0, 40, 40);
    form.Show();
    probe->Repaint();
    EXPECT_EQ(probe->paints, 1);
    EXPECT_EQ(probe->Canvas()->Pixels(5, 5), clRed);
}

TEST(TCustomControlTest, GraphicControlPaintsItsCanvasToo) {
    Fixture f;
    auto* mark = tktest::placed<TMark>(f.form.get(), 120, 10, 20, 20);
    mark->Repaint();
    EXPECT_EQ(mark->Canvas()->Pixels(10, 10), clBlue);
}

// Invalidates itself and pumps messages inside its press handling until a paint has come.
class TPumpingProbe : public TProbe {
public:
    using TProbe::TProbe;
    bool paintedInLoop = false;

protected:
    void MouseDown(TMouseButton, TShiftState, int, int) override {
        const int before = paints;
        Invalidate();
        for (int pass = 0; pass < 100000 && paints == before; ++pass)
            Application->ProcessMessages();
        paintedInLoop = paints > before;
    }
};

TEST(TCustomControlTest, PaintComesThroughAPumpInsideAMouseHandler) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 100);
    auto* probe = tktest::placed<TPumpingProbe>(&form, 0, 0, 50, 50);
    form.Show();
    Application->ProcessMessages();
    tk::input::press(*probe, mbLeft, 5, 5);
    tk::input::release(*probe, mbLeft, 5, 5);
    Application->ProcessMessages();
    EXPECT_TRUE(probe->paintedInLoop);
}

} // namespace

TEST(TCustomControlTest, BorderWidthFramesTheCanvasInTheControlsColour) {
    Fixture f;
    f.probe->SetBorderWidth(4);
    Application->ProcessMessages();
    const testsupport::WindowShot shot(*f.form);
    // The probe's red square starts at its client origin, 4 pixels inside the control.
    EXPECT_EQ(shot.Pixel(13, 13), clWhite);
    EXPECT_EQ(shot.Pixel(14, 14), clRed);
    EXPECT_EQ(shot.Pixel(23, 23), clRed);
    EXPECT_EQ(shot.Pixel(24, 24), clWhite);
    EXPECT_EQ(shot.Pixel(107, 87), clWhite);
}
