// Grid cell text: shortening a text with "..." to a width, and writing a cell's text aligned
// horizontally and vertically, on the canvas directly when it can and otherwise through one
// shared off-screen bitmap (word wrap, several lines).
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/Controls.h"
#include "toolkit/TRect.h"

class TBitmap;
class TCanvas;
class TCustomControl;

enum TVertAlignment { vaTopJustify, vaCenterJustify, vaBottomJustify };

// The text, or its head with "..." cut until it fits MaxWidth: the first cut drops two
// characters, each further one more; a text that never fits becomes "...".
AnsiString ShortenTextToWidth(const AnsiString& Text, TCanvas& Canvas, int MaxWidth);

// The shared bitmap of WriteCellText: made on first use, grown but never shrunk, freed when the
// application shuts down (or by FreeDrawBitmap).
TBitmap& CreateDrawBitmap();
void FreeDrawBitmap();

// Writes Text into ARect at DX from the aligned edge and DY from the top, in the canvas's font and
// brush, clipped to the rectangle.
void WriteCellText(TCanvas& ACanvas, const TRect& ARect, int DX, int DY, const AnsiString& Text,
                   TAlignment Alignment, bool WordWrap, bool ARightToLeft);

// WriteCellText on the control's canvas with DX 2 and DY from the vertical alignment. The column
// and row are accepted for the callers' sake and not used.
void DrawCellTextExt(TCustomControl& Control, int ACol, int ARow, const AnsiString& S, const TRect& ARect,
                     TAlignment Align, TVertAlignment VertAlign, bool WordWrap, bool ARightToLeft);
// Word wrap exactly for centred text.
void DrawCellTextAligned(TCustomControl& Control, int ACol, int ARow, const AnsiString& S, const TRect& ARect,
                         TAlignment Align, TVertAlignment VertAlign, bool ARightToLeft);
void DrawCellTextExt2(TCustomControl& Control, int ACol, int ARow, const AnsiString& S, const TRect& ARect,
                      TAlignment Align, TVertAlignment VertAlign, bool WordWrap);
void DrawCellTextAligned2(TCustomControl& Control, int ACol, int ARow, const AnsiString& S, const TRect& ARect,
                          TAlignment Align, TVertAlignment VertAlign);
