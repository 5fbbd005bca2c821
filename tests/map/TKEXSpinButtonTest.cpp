#include "map/TKEXSpinButton.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "toolkit/Clock.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"

namespace {

// A 15 x 21 button on a shown form that writes "t" and "b" for its clicks.
struct ButtonForm {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TKEXSpinButton* button = new TKEXSpinButton(form.get());
    std::string clicks;

    ButtonForm() {
        form->SetBounds(0, 0, 100, 100);
        button->SetParent(form.get());
        button->SetBounds(10, 10, 15, 21);
        button->OnTopClick = [this](TPersistent*) { clicks += 't'; };
        button->OnBottomClick = [this](TPersistent*) { clicks += 'b'; };
        form->Show();
        Application->ProcessMessages();
    }
    void input(void (*send)(TControl&, TMouseButton, int, int, TShiftState), int x, int y) {
        send(*button, mbLeft, x, y, 0);
        Application->ProcessMessages();
    }
    void moveTo(int x, int y) {
        tk::input::move(*button, x, y, ssLeft);
        Application->ProcessMessages();
    }
};

struct ManualClock {
    ManualClock() { tk::useManualClock(true); }
    ~ManualClock() { tk::useManualClock(false); }
};

TEST(TKEXSpinButtonTest, TheDiagonalFromBottomLeftToTopRightSplitsPressesAndMoves) {
    ButtonForm f;
    // On the line y = 21 - 1.4 x a point belongs to the top half.
    const struct {
        int x, y;
        char half;
    } cases[] = {{5, 14, 't'}, {5, 15, 'b'}, {10, 7, 't'}, {10, 8, 'b'}, {0, 20, 't'}, {14, 2, 'b'}};
    for (const auto& c : cases) {
        f.clicks.clear();
        f.input(tk::input::press, c.x, c.y);
        EXPECT_EQ(f.clicks, std::string(1, c.half)) << c.x << "," << c.y;
        // Moving within the pressed half keeps it pressed, onto the other half shows none.
        const bool top = c.half == 't';
        f.moveTo(c.x, top ? c.y - 1 : c.y + 1);
        EXPECT_EQ(f.button->State(), top ? sbTop : sbBottom);
        f.moveTo(c.x, top ? c.y + 1 : c.y - 1);
        EXPECT_EQ(f.button->State(), sbNone);
        f.input(tk::input::release, c.x, c.y);
    }
}

TEST(TKEXSpinButtonTest, HoldingAHalfRepeatsAfter400ThenEvery100MillisecondsWhileOnIt) {
    ManualClock clock;
    ButtonForm f;
    f.input(tk::input::press, 2, 2);
    tk::advanceClock(399);
    EXPECT_EQ(f.clicks, "t");
    tk::advanceClock(1);
    EXPECT_EQ(f.clicks, "tt");
    tk::advanceClock(100);
    EXPECT_EQ(f.clicks, "ttt");
    f.moveTo(13, 19); // onto the bottom half: no repeats
    tk::advanceClock(300);
    EXPECT_EQ(f.clicks, "ttt");
    f.moveTo(2, 3);
    tk::advanceClock(100);
    EXPECT_EQ(f.clicks, "tttt");
    f.input(tk::input::release, 2, 3);
    tk::advanceClock(1000);
    EXPECT_EQ(f.clicks, "tttt");
    EXPECT_EQ(f.button->State(), sbNone);
}

TEST(TKEXSpinButtonTest, DrawingTheTopHalfPressedShadowsItsBevel) {
    TBitmap up;
    TBitmap down;
    up.LoadFromResourceName("KEXSPINUP");
    up.SetTransparent(true);
    down.LoadFromResourceName("KEXSPINDOWN");
    down.SetTransparent(true);
    for (TSpinButtonState state : {sbNone, sbTop}) {
        TBitmap bitmap;
        bitmap.SetSize(15, 21);
        DrawSpinButton(*bitmap.Canvas(), 15, 21, state, up, down);
        const TCanvas& canvas = *bitmap.Canvas();
        // The diagonal from (-1, 21) to (15, -1) passes (7, 10).
        EXPECT_EQ(canvas.Pixels(7, 10), ColorToRGB(clWindowFrame));
        EXPECT_EQ(canvas.Pixels(0, 0), ColorToRGB(clWindowFrame));
        EXPECT_EQ(canvas.Pixels(1, 5), ColorToRGB(state == sbTop ? clBtnShadow : clBtnHighlight));
        // The olive ground of the glyphs never shows.
        for (int y = 1; y < 20; ++y)
            for (int x = 1; x < 14; ++x)
                ASSERT_NE(canvas.Pixels(x, y), clOlive) << x << "," << y;
    }
}

} // namespace
