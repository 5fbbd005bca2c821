// The drawing surface of bitmaps and controls, with the platform's pixel rules: right and bottom
// edges exclusive, the last pixel of a line left out, pens, brushes and fonts as the system sets
// them, raster operations on pens and copies, paths, clipping regions and text.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "toolkit/AnsiString.h"
#include "toolkit/TBrush.h"
#include "toolkit/TColor.h"
#include "toolkit/TFont.h"
#include "toolkit/TPen.h"
#include "toolkit/TPoint.h"
#include "toolkit/TRect.h"
#include "toolkit/TSize.h"

class TGraphic;

namespace tk {
struct CanvasImpl;
}

// Raster operations of copies between canvases, with the platform's codes.
enum TCopyMode : std::uint32_t {
    cmBlackness = 0x00000042,
    cmDstInvert = 0x00550009,
    cmMergePaint = 0x00BB0226,
    cmNotSrcCopy = 0x00330008,
    cmNotSrcErase = 0x001100A6,
    cmSrcAnd = 0x008800C6,
    cmSrcCopy = 0x00CC0020,
    cmSrcErase = 0x00440328,
    cmSrcInvert = 0x00660046,
    cmSrcPaint = 0x00EE0086,
    cmWhiteness = 0x00FF0062,
};

enum TCanvasOrientation { coLeftToRight, coRightToLeft };

struct TTextMetric {
    int tmHeight = 0;  // ascent plus descent: the height of a text line
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;  // tmHeight minus the em height
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
};

class TCanvas {
public:
    TCanvas();
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen* Pen();
    TBrush* Brush();
    TFont* Font();

    TCopyMode CopyMode() const;
    void SetCopyMode(TCopyMode value);
    // ALTERNATE or WINDING, for Polygon and FillPath.
    int PolyFillMode() const;
    void SetPolyFillMode(int value);
    TPoint PenPos() const;
    void SetPenPos(TPoint value);
    // The part of the surface that drawing can change: the surface, cut by the clip region.
    TRect ClipRect() const;
    // Text and drawing always run left to right here.
    TCanvasOrientation CanvasOrientation() const { return coLeftToRight; }

    // Lines: the pen from the current position; LineTo leaves out the end pixel and moves there.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);
    // Cubic Bezier curves through 1 + 3n points: in a path they become part of the path,
    // otherwise they are drawn with the pen.
    void PolyBezier(std::span<const TPoint> points);

    // Shapes: filled with the brush and outlined with the pen, both through the pen's mode.
    void Polygon(std::span<const TPoint> points);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    // The brush alone, copied whatever the pen's mode: the rectangle, or its one-pixel border.
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    // A dotted frame just inside rect that inverts every other pixel: drawn again, it is gone.
    void DrawFocusRect(const TRect& rect);

    // Outside the surface or the clip region a pixel reads as -1 and cannot be set.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    // Path bracket: PolyBezier, Polyline and LineTo between BeginPath and EndPath build figures;
    // FillPath closes them, fills them with the brush and the fill mode and forgets the path.
    void BeginPath();
    void EndPath();
    void FillPath();

    // Text in the font, its top-left corner at (x, y), the line turned by the font's escapement
    // about that point; a solid brush paints the text's box first.
    void TextOut(int x, int y, const AnsiString& text);
    // The text clipped to rect; a solid brush fills rect first.
    void TextRect(const TRect& rect, int x, int y, const AnsiString& text);
    TSize TextExtent(const AnsiString& text);
    int TextWidth(const AnsiString& text) { return TextExtent(text).cx; }
    int TextHeight(const AnsiString& text) { return TextExtent(text).cy; }
    TTextMetric TextMetric();

    // Graphics at their own size or stretched, honouring their transparency; CopyRect stretches
    // a part of another canvas (or of this one) through CopyMode.
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& rect, const TGraphic& graphic);
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    // The toolkit's view of the canvas (its surface and state); opaque outside the toolkit.
    tk::CanvasImpl& Impl() { return *impl_; }
    const tk::CanvasImpl& Impl() const { return *impl_; }

private:
    std::unique_ptr<tk::CanvasImpl> impl_;
};
