// The rows of the property frame's three owner-drawn style lists, each drawn into its rectangle
// of any canvas: a pen style as a dashed line, a brush style as a hatched box, a line end as a
// thick line with its caps. The canvas comes with the brush and font colour of the row's state.
#pragma once

#include "toolkit/TBrush.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TPen.h"
#include "toolkit/TRect.h"

namespace mapi {

// The pen and brush styles in the order of the lists' items.
constexpr TPenStyle kPenStyleItems[] = {psClear, psDash, psDashDot, psDashDotDot, psDot, psInsideFrame, psSolid};
constexpr TBrushStyle kBrushStyleItems[] = {bsSolid,     bsClear, bsBDiagonal,  bsFDiagonal,
                                            bsCross,     bsDiagCross, bsHorizontal, bsVertical};
// The caps of the line-end list's items: custom, standard (round), square.
constexpr int kPenCapsItems[] = {-1, 0, 1};

// A framed row with a line of Style across its middle, black or, when Selected, in the
// highlight text colour.
void DrawPenStyleItem(TCanvas& Canvas, const TRect& Rect, TPenStyle Style, bool Selected);
// A framed row filled with Style in Swatch, or in the highlight colour when Swatch is the list's
// own Color (it would not show); the clear style also writes its name.
void DrawBrushStyleItem(TCanvas& Canvas, const TRect& Rect, TBrushStyle Style, TColor Swatch, TColor ListColor);
// Item 0 writes "Custom line"; item 1 a 7-pixel line with round ends, item 2 with square ends.
void DrawPenCapsItem(TCanvas& Canvas, const TRect& Rect, int Index);

} // namespace mapi
