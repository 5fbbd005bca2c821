// Cell text writing and the shared bitmap behind it.
#include "widgets/CellText.h"

#include <memory>

#include "toolkit/DeviceContext.h"
#include "toolkit/DrawText.h"
#include "toolkit/ShutdownSteps.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TCustomControl.h"
#include "widgets/WidgetHelpers.h"

AnsiString ShortenTextToWidth(const AnsiString& Text, TCanvas& Canvas, int MaxWidth) {
    AnsiString result = Text;
    const int length = static_cast<int>(Text.size());
    for (int cut = 1; cut <= length && Canvas.TextWidth(result) > MaxWidth;) {
        ++cut;
        result = Text.substr(0, static_cast<std::size_t>(IntMax(0, length - cut))) + "...";
    }
    return result;
}

namespace {

std::unique_ptr<TBitmap>& drawBitmap() {
    static std::unique_ptr<TBitmap> bitmap;
    return bitmap;
}

TAlignment mirrored(TAlignment alignment) {
    if (alignment == taLeftJustify)
        return taRightJustify;
    if (alignment == taRightJustify)
        return taLeftJustify;
    return alignment;
}

bool hasCarriageReturn(const AnsiString& text) { return text.find('\r') != AnsiString::npos; }

void writeDirect(TCanvas& canvas, const TRect& rect, int dx, int dy, const AnsiString& text, TAlignment alignment) {
    int left = rect.Left + dx;
    if (alignment == taRightJustify)
        left = rect.Right - canvas.TextWidth(text) - 3;
    else if (alignment == taCenter)
        left = rect.Left + (RectWidth(rect) >> 1) - (canvas.TextWidth(text) >> 1);
    canvas.TextRect(rect, left, rect.Top + dy, text);
}

void writeThroughBitmap(TCanvas& canvas, const TRect& rect, int dx, int dy, const AnsiString& text,
                        TAlignment alignment, bool wordWrap, bool rightToLeft) {
    TBitmap& bitmap = CreateDrawBitmap();
    const int width = rect.Width();
    const int height = rect.Height();
    if (width <= 0 || height <= 0)
        return;
    if (bitmap.Width() < width || bitmap.Height() < height)
        bitmap.SetSize(IntMax(bitmap.Width(), width), IntMax(bitmap.Height(), height));
    TCanvas& scratch = *bitmap.Canvas();
    scratch.Font()->Assign(*canvas.Font());
    scratch.Brush()->Assign(*canvas.Brush());
    scratch.Brush()->SetStyle(bsSolid);
    const TRect area = Rect(0, 0, width, height);
    scratch.FillRect(area);
    // DrawText fills behind its lines with the same solid brush, which is what a transparent
    // background over the fill just made shows.
    unsigned format = DT_EXPANDTABS | DT_NOPREFIX;
    if (alignment == taRightJustify)
        format |= DT_RIGHT;
    else if (alignment == taCenter)
        format |= DT_CENTER;
    if (wordWrap)
        format |= DT_WORDBREAK;
    if (rightToLeft)
        format |= DT_RTLREADING;
    TRect textRect = Rect(dx, dy, width - 1, height - 1);
    DrawText(scratch, text, textRect, format);
    canvas.CopyRect(rect, scratch, area);
}

int textTopOffset(TCanvas& canvas, const TRect& rect, TVertAlignment vertAlign) {
    if (vertAlign == vaTopJustify)
        return 2;
    const int lineHeight = canvas.TextHeight("W");
    if (vertAlign == vaCenterJustify)
        return IntMax(1, (rect.Height() - lineHeight) / 2);
    return IntMax(2, rect.Height() - lineHeight);
}

} // namespace

TBitmap& CreateDrawBitmap() {
    std::unique_ptr<TBitmap>& bitmap = drawBitmap();
    if (!bitmap) {
        bitmap = std::make_unique<TBitmap>();
        tk::addShutdownStep(FreeDrawBitmap);
    }
    return *bitmap;
}

void FreeDrawBitmap() { drawBitmap().reset(); }

void WriteCellText(TCanvas& ACanvas, const TRect& ARect, int DX, int DY, const AnsiString& Text,
                   TAlignment Alignment, bool WordWrap, bool ARightToLeft) {
    const TColor brush = ColorToRGB(ACanvas.Brush()->Color());
    const bool canvasRightToLeft = ACanvas.CanvasOrientation() == coRightToLeft;
    if (!WordWrap && GetNearestColor(ACanvas, brush) == brush && !hasCarriageReturn(Text)) {
        if (canvasRightToLeft && !ARightToLeft)
            Alignment = mirrored(Alignment);
        writeDirect(ACanvas, ARect, DX, DY, Text, Alignment);
        return;
    }
    if (canvasRightToLeft)
        Alignment = mirrored(Alignment);
    writeThroughBitmap(ACanvas, ARect, DX, DY, Text, Alignment, WordWrap, ARightToLeft);
}

void DrawCellTextExt(TCustomControl& Control, int /*ACol*/, int /*ARow*/, const AnsiString& S, const TRect& ARect,
                     TAlignment Align, TVertAlignment VertAlign, bool WordWrap, bool ARightToLeft) {
    TCanvas& canvas = *Control.Canvas();
    WriteCellText(canvas, ARect, 2, textTopOffset(canvas, ARect, VertAlign), S, Align, WordWrap, ARightToLeft);
}

void DrawCellTextAligned(TCustomControl& Control, int ACol, int ARow, const AnsiString& S, const TRect& ARect,
                         TAlignment Align, TVertAlignment VertAlign, bool ARightToLeft) {
    DrawCellTextExt(Control, ACol, ARow, S, ARect, Align, VertAlign, Align == taCenter, ARightToLeft);
}

void DrawCellTextExt2(TCustomControl& Control, int ACol, int ARow, const AnsiString& S, const TRect& ARect,
                      TAlignment Align, TVertAlignment VertAlign, bool WordWrap) {
    DrawCellTextExt(Control, ACol, ARow, S, ARect, Align, VertAlign, WordWrap, /*ARightToLeft=*/false);
}

void DrawCellTextAligned2(TCustomControl& Control, int ACol, int ARow, const AnsiString& S, const TRect& ARect,
                          TAlignment Align, TVertAlignment VertAlign) {
    DrawCellTextExt2(Control, ACol, ARow, S, ARect, Align, VertAlign, Align == taCenter);
}
