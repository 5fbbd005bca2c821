// Each ring is two polylines: up the left side and along the top, then down the right side and
// back along the bottom.
#include "toolkit/Frame3D.h"

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    for (int i = 0; i < Width; ++i) {
        Canvas->Pen()->SetColor(TopColor);
        Canvas->MoveTo(Rect.Left, Rect.Bottom - 1);
        Canvas->LineTo(Rect.Left, Rect.Top);
        Canvas->LineTo(Rect.Right - 1, Rect.Top);
        Canvas->Pen()->SetColor(BottomColor);
        Canvas->LineTo(Rect.Right - 1, Rect.Bottom - 1);
        Canvas->LineTo(Rect.Left - 1, Rect.Bottom - 1);
        Rect = ::Rect(Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1);
    }
}
