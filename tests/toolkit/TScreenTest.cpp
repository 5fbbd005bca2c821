// The screen object's cursors: standard, registered and from resources.
#include "toolkit/TScreen.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"

namespace {

TEST(TScreenTest, ScreenCursorOverridesEveryWindowUntilDefaultReachesTheLoop) {
    Screen->SetCursor(crHourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen->SetCursor(crSizeAll);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
    // Back to crDefault and busy again before the loop runs: the busy cursor never left.
    Screen->SetCursor(crDefault);
    EXPECT_EQ(Screen->Cursor(), crDefault);
    Screen->SetCursor(crHourGlass);
    Application->ProcessMessages();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen->SetCursor(crDefault);
    Application->ProcessMessages();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST(TScreenTest, ControlCursorTakesEffectAtOnce) {
    TForm form(nullptr);
    form.SetCursor(crSizeNWSE);
    EXPECT_EQ(form.peer().widget()->cursor().shape(), Qt::SizeFDiagCursor);
    form.SetCursor(crDefault);
    EXPECT_EQ(form.peer().widget()->cursor().shape(), Qt::ArrowCursor);
}

TEST(TScreenTest, StandardCursorsAlwaysAnswerApplicationIdsOnlyWhenRegistered) {
    EXPECT_NE(Screen->Cursors(crHandPoint), 0u);
    EXPECT_EQ(Screen->Cursors(1000), 0u);
    EXPECT_EQ(LoadCursor(HInstance, "NoSuchCursor"), 0u);
    Screen->SetCursors(1000, Screen->Cursors(crCross));
    EXPECT_EQ(Screen->Cursors(1000), Screen->Cursors(crCross));
    TForm form(nullptr);
    form.SetCursor(1000);
    EXPECT_EQ(form.peer().widget()->cursor().shape(), Qt::CrossCursor);
    Screen->SetCursors(1000, 0);
    EXPECT_EQ(Screen->Cursors(1000), 0u);
}

TEST(TScreenTest, CursorResourceKeepsItsImageAndHotspot) {
    const HCURSOR cursor = LoadCursor(HInstance, "TESTCROSS");
    ASSERT_NE(cursor, 0u);
    Screen->SetCursors(1008, cursor);
    TForm form(nullptr);
    form.SetCursor(1008);
    const QCursor shown = form.peer().widget()->cursor();
    EXPECT_EQ(shown.shape(), Qt::BitmapCursor);
    EXPECT_EQ(shown.hotSpot(), QPoint(3, 5));
    EXPECT_EQ(shown.pixmap().size(), QSize(16, 16));
    Screen->SetCursors(1008, 0);
}

} // namespace
