// Formatted text in a rectangle, as the platform's DrawText lays it out: alignment, line and word
// breaks, tab stops, "&" prefixes, and measuring without drawing.
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/TRect.h"

class TCanvas;

constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
// Accepted for the callers' sake; the text is always laid out left to right.
constexpr unsigned DT_RTLREADING = 0x20000;

// Draws Text in the canvas font and colour, clipped to Rect, a solid brush filling behind each
// line; returns the height of the text. DT_SINGLELINE keeps the text on one line, word breaks too. DT_CALCRECT draws nothing and sets Rect.Bottom, and
// Rect.Right to the widest line unless DT_WORDBREAK is given.
int DrawText(TCanvas& Canvas, const AnsiString& Text, TRect& Rect, unsigned Format);
