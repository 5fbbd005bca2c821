// Drawing over a window's child controls: an XOR line drawn twice leaves the window as it was.
#include "toolkit/WinApi.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/TApplication.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"

namespace {

QImage shot(const TForm& form) { return form.peer().widget()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

void xorLine(TCanvas& canvas) {
    canvas.Pen()->SetMode(pmXor);
    canvas.Pen()->SetColor(clWhite);
    canvas.Pen()->SetWidth(3);
    canvas.MoveTo(50, 0);
    canvas.LineTo(50, 100);
}

TEST(WindowDCTest, XorLineShowsOverChildrenAndDrawnTwiceLeavesThePixelsAsBefore) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* child = tktest::placed<TWinControl>(&form, 40, 10, 40, 60);
    child->SetColor(clRed);
    form.Show();
    Application->ProcessMessages();
    const QImage before = shot(form);

    TCanvas* canvas = GetDCEx(form.Handle(), nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
    ASSERT_NE(canvas, nullptr);
    xorLine(*canvas);
    Application->ProcessMessages();
    const QImage drawn = shot(form);
    // Red under white XOR is cyan, over the child control.
    EXPECT_EQ(drawn.pixel(50, 30) & 0xFFFFFF, 0x00FFFFu);
    child->Invalidate();
    Application->ProcessMessages();
    xorLine(*canvas);
    Application->ProcessMessages();
    EXPECT_EQ(shot(form), before);
    EXPECT_EQ(ReleaseDC(form.Handle(), canvas), 1);
    EXPECT_EQ(ReleaseDC(form.Handle(), canvas), 0);
    Application->ProcessMessages();
    EXPECT_EQ(shot(form), before);
}

} // namespace
