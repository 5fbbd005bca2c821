// Speed buttons: groups with one button down, the sunken look while pressed, and glyphs drawn
// without their background.
#include "toolkit/TSpeedButton.h"

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TForm.h"

namespace {

TEST(TSpeedButtonTest, GroupedButtonsHoldOneDown) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 60);
    TSpeedButton* buttons[3];
    int clicks = 0;
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new TSpeedButton(&form);
        buttons[i]->SetParent(&form);
        buttons[i]->SetBounds(i * 40, 0, 38, 38);
        buttons[i]->SetGroupIndex(1);
        buttons[i]->OnClick = [&](TPersistent*) { ++clicks; };
    }
    buttons[0]->SetDown(true);
    form.Show();
    tk::input::click(*buttons[2], 10, 10);
    Application->ProcessMessages();
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_TRUE(buttons[2]->Down());
    EXPECT_EQ(clicks, 1);
    tk::input::click(*buttons[2], 10, 10);
    Application->ProcessMessages();
    EXPECT_TRUE(buttons[2]->Down());
    EXPECT_EQ(clicks, 2);
}

TEST(TSpeedButtonTest, UngroupedButtonSpringsBackAndPaintsSunkenWhilePressed) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 60);
    auto* button = tktest::placed<TSpeedButton>(&form, 0, 0, 38, 38);
    button->SetDown(true);
    EXPECT_FALSE(button->Down());
    form.Show();
    TColor pressedCorner = clNone;
    button->OnMouseDown = [&](TPersistent*, TMouseButton, TShiftState, int, int) {
        pressedCorner = button->Canvas()->Pixels(0, 0);
    };
    tk::input::press(*button, mbLeft, 10, 10);
    tk::input::release(*button, mbLeft, 10, 10);
    Application->ProcessMessages();
    EXPECT_EQ(pressedCorner, ColorToRGB(clBtnShadow));
    button->Repaint();
    EXPECT_EQ(button->Canvas()->Pixels(0, 0), ColorToRGB(clBtnHighlight));
}

TEST(TSpeedButtonTest, GlyphLoadedInPlaceLeavesOutItsBackground) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 60);
    auto* button = new TSpeedButton(&form);
    button->SetParent(&form);
    button->SetBounds(0, 0, 38, 38);
    // All of it in the colour of its bottom-left pixel: nothing of it shows.
    button->Glyph()->SetSize(16, 16);
    button->Glyph()->Canvas()->Brush()->SetColor(clRed);
    button->Glyph()->Canvas()->FillRect(Rect(0, 0, 16, 16));
    form.Show();
    button->Repaint();
    EXPECT_EQ(button->Canvas()->Pixels(19, 19), ColorToRGB(clBtnFace));
}

} // namespace
