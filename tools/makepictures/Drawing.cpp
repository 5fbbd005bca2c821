// The shared drawing steps; the face is one the build's font packages always provide.
#include "makepictures/Drawing.h"

#include "toolkit/TFont.h"

namespace pictures {
namespace {

constexpr const char* kFace = "DejaVu Sans";

int channel(TColor color, int shift) { return (color >> shift) & 0xFF; }

void setFont(TCanvas& c, int height, bool bold, TColor color) {
    TFont& font = *c.Font();
    font.SetName(kFace);
    font.SetHeight(-height);
    font.SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
    font.SetColor(color);
}

} // namespace

SmoothText::SmoothText() : previous_(tk::textAntialiasing()) { tk::setTextAntialiasing(true); }

SmoothText::~SmoothText() { tk::setTextAntialiasing(previous_); }

void fillRect(TCanvas& c, const TRect& rect, TColor color) {
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(color);
    c.FillRect(rect);
}

void verticalGradient(TCanvas& c, const TRect& rect, TColor top, TColor bottom) {
    const int rows = rect.Bottom - rect.Top;
    for (int i = 0; i < rows; ++i) {
        const auto mix = [&](int shift) {
            const int a = channel(top, shift);
            const int b = channel(bottom, shift);
            return rows == 1 ? b : a + (b - a) * i / (rows - 1);
        };
        fillRect(c, TRect{rect.Left, rect.Top + i, rect.Right, rect.Top + i + 1}, RGB(mix(0), mix(8), mix(16)));
    }
}

void shape(TCanvas& c, std::span<const TPoint> points, TColor fill, TColor line) {
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(fill);
    c.Pen()->SetColor(line);
    c.Pen()->SetWidth(1);
    c.Polygon(points);
}

void line(TCanvas& c, TPoint from, TPoint to, TColor color, int width) {
    c.Pen()->SetColor(color);
    c.Pen()->SetWidth(width);
    c.MoveTo(from.X, from.Y);
    c.LineTo(to.X, to.Y);
}

int text(TCanvas& c, int x, int y, const char* utf8, int height, bool bold, TColor color, TColor shadow) {
    const AnsiString line = tk::fromUtf8(utf8);
    c.Brush()->SetStyle(bsClear);
    if (shadow != clNone) {
        setFont(c, height, bold, shadow);
        c.TextOut(x + 1, y + 1, line);
    }
    setFont(c, height, bold, color);
    c.TextOut(x, y, line);
    return c.TextWidth(line);
}

int textWidth(TCanvas& c, const char* utf8, int height, bool bold) {
    setFont(c, height, bold, clBlack);
    return c.TextWidth(tk::fromUtf8(utf8));
}

} // namespace pictures
