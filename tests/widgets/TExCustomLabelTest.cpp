// The shadowed label on a real form: its shadow and embossed look, its size, hot tracking with
// synthetic mouse input, and its accelerator and focus frame.
#include "widgets/TExLabel.h"

#include <memory>

#include <gtest/gtest.h>

#include "support/Placed.h"
#include "support/WindowShot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TEdit.h"

namespace {

using testsupport::WindowShot;

constexpr TColor kBackground = RGB(0, 0, 128);

// A navy 200 x 100 form with a label at (20, 20) in a large black font.
struct LabelForm {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TExLabel* label = tktest::placed<TExLabel>(form.get());

    LabelForm() {
        form->SetBounds(0, 0, 200, 100);
        form->SetColor(kBackground);
        label->SetLeft(20);
        label->SetTop(20);
        TFont font;
        font.SetSize(20);
        font.SetStyle(TFontStyles{fsBold});
        font.SetColor(clBlack);
        label->SetFont(font);
        label->SetCaption(tk::fromUtf8("Ш"));
        form->Show();
        form->SetFocus();
        Application->ProcessMessages();
    }

    // The pixel of that colour in the label farthest right and down, or (-1, -1).
    TPoint lastPixel(TColor color) {
        const WindowShot shot(*form);
        TPoint last = Point(-1, -1);
        const TRect r = label->BoundsRect();
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (shot.Pixel(x, y) == color && x + y >= last.X + last.Y)
                    last = Point(x, y);
        return last;
    }
    TColor pixel(TPoint at) { return WindowShot(*form).Pixel(at.X, at.Y); }
};

TEST(TExCustomLabelTest, ShadowLiesAtItsSizeAndPositionAndDisabledTextIsEmbossed) {
    LabelForm f;
    f.label->SetShadowColor(clRed);
    f.label->SetShadowPos(spRightBottom);
    f.label->SetShadowSize(2);
    Application->ProcessMessages();
    const TPoint text = f.lastPixel(clBlack);
    ASSERT_NE(text.X, -1);
    EXPECT_EQ(f.pixel(Point(text.X + 2, text.Y + 2)), clRed);
    EXPECT_EQ(f.pixel(Point(text.X + 3, text.Y + 3)), kBackground) << "offset by 2, not 3";

    f.label->SetShadowSize(0);
    Application->ProcessMessages();
    EXPECT_EQ(f.lastPixel(clRed).X, -1);

    f.label->SetEnabled(false);
    Application->ProcessMessages();
    const TPoint gray = f.lastPixel(ColorToRGB(clGrayText));
    ASSERT_NE(gray.X, -1);
    EXPECT_EQ(f.pixel(Point(gray.X + 1, gray.Y + 1)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(f.lastPixel(clBlack).X, -1);
}

TEST(TExCustomLabelTest, AutoSizeKeepsOneLineForAnEmptyCaptionAndTheRightEdgeWhenRightAligned) {
    LabelForm f;
    const int lineHeight = f.label->Height();
    f.label->SetCaption("");
    EXPECT_EQ(f.label->Height(), lineHeight);
    EXPECT_GT(f.label->Width(), 2);

    f.label->SetAlignment(taRightJustify);
    f.label->SetCaption("ab");
    const int right = f.label->Left() + f.label->Width();
    const int width = f.label->Width();
    f.label->SetCaption("abcdef");
    EXPECT_GT(f.label->Width(), width);
    EXPECT_EQ(f.label->Left() + f.label->Width(), right);
}

TEST(TExCustomLabelTest, EnterAndLeaveFireOnceEachAndLeaveWaitsForTheRelease) {
    LabelForm f;
    std::vector<std::string> seen;
    f.label->OnMouseEnter = [&](TPersistent*) { seen.push_back("enter"); };
    f.label->OnMouseLeave = [&](TPersistent*) { seen.push_back("leave"); };
    const auto moves = [&](std::initializer_list<TPoint> points) {
        for (const TPoint& p : points)
            tk::input::move(*f.form, p.X, p.Y);
        Application->ProcessMessages();
    };
    moves({Point(5, 5), Point(25, 25), Point(27, 27), Point(150, 80)});
    EXPECT_EQ(seen, (std::vector<std::string>{"enter", "leave"}));

    seen.clear();
    moves({Point(25, 25)});
    tk::input::press(*f.form, mbLeft, 25, 25);
    moves({Point(150, 80)});
    EXPECT_EQ(seen, std::vector<std::string>{"enter"}) << "no leave while the button is held";
    tk::input::release(*f.form, mbLeft, 150, 80);
    Application->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"enter", "leave"}));

    seen.clear();
    f.label->SetEnabled(false);
    moves({Point(25, 25), Point(150, 80)});
    EXPECT_TRUE(seen.empty());
}

TEST(TExCustomLabelTest, AcceleratorFocusesTheFocusControlAndTheFrameShowsItsFocus) {
    LabelForm f;
    auto* name = tktest::placed<TEdit>(f.form.get(), 100, 20, 80, 20);
    auto* other = tktest::placed<TEdit>(f.form.get(), 100, 60, 80, 20);
    f.label->SetShadowSize(0);
    f.label->SetCaption("&Name");
    f.label->SetFocusControl(name);
    f.label->SetShowFocus(true);
    other->SetFocus();
    Application->ProcessMessages();
    // The frame runs along the label's top row.
    const auto framed = [&f] {
        const WindowShot shot(*f.form);
        for (int x = f.label->Left(); x < f.label->Left() + f.label->Width(); ++x)
            if (shot.Pixel(x, f.label->Top()) != kBackground)
                return true;
        return false;
    };
    EXPECT_FALSE(framed());

    tk::input::key(*f.form, 'N', ssAlt, 'n');
    Application->ProcessMessages();
    EXPECT_TRUE(name->Focused());
    EXPECT_TRUE(framed());

    other->SetFocus();
    Application->ProcessMessages();
    EXPECT_FALSE(framed());
}

} // namespace
