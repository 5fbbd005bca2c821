// The owner-drawn rows of the property frame's style lists.
#include "map/StyleListItems.h"

namespace mapi {

namespace {

// The lists' small captions.
void useCaptionFont(TCanvas& canvas) {
    canvas.Font()->SetName("Arial");
    canvas.Font()->SetSize(8);
}

// Centred horizontally, one pixel below the row's top, without a background.
void writeCentred(TCanvas& canvas, const TRect& rect, const AnsiString& text) {
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(rect.Left + (rect.Width() - canvas.TextWidth(text)) / 2, rect.Top + 1, text);
}

// The line-end rows draw their lines this wide and this far from the row's ends.
constexpr int kCapsLineWidth = 7;

} // namespace

void DrawPenStyleItem(TCanvas& Canvas, const TRect& Rect, TPenStyle Style, bool Selected) {
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetWidth(1);
    Canvas.Pen()->SetColor(clBlack);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Rectangle(Rect);
    const int middle = Rect.Top + Rect.Height() / 2;
    Canvas.Pen()->SetStyle(Style);
    Canvas.Pen()->SetColor(Selected ? clHighlightText : clBlack);
    Canvas.MoveTo(0, middle);
    Canvas.LineTo(Rect.Right, middle);
}

void DrawBrushStyleItem(TCanvas& Canvas, const TRect& Rect, TBrushStyle Style, TColor Swatch, TColor ListColor) {
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetWidth(1);
    Canvas.Brush()->SetColor(Swatch == ListColor ? clHighlight : Swatch);
    Canvas.Brush()->SetStyle(Style);
    Canvas.Rectangle(Rect);
    if (Style != bsClear)
        return;
    useCaptionFont(Canvas);
    Canvas.Font()->SetColor(clHighlightText);
    writeCentred(Canvas, Rect, "bsClear");
}

void DrawPenCapsItem(TCanvas& Canvas, const TRect& Rect, int Index) {
    if (Index == 0) {
        useCaptionFont(Canvas);
        writeCentred(Canvas, Rect, "Custom line");
        return;
    }
    const int middle = Rect.Top + Rect.Height() / 2;
    if (Index == 1) {
        Canvas.Pen()->SetStyle(psSolid);
        Canvas.Pen()->SetColor(clBlack);
        Canvas.Pen()->SetWidth(kCapsLineWidth);
    } else {
        Canvas.Pen()->SetGeometric(psSolid, kCapsLineWidth, pecSquare, clBlack);
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(clBlack);
    }
    Canvas.MoveTo(Rect.Left + kCapsLineWidth, middle);
    Canvas.LineTo(Rect.Right - kCapsLineWidth, middle);
    // A cosmetic pen again for whatever draws next on this canvas.
    Canvas.Pen()->SetWidth(1);
}

} // namespace mapi
