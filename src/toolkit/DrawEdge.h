// The platform's 3-D edges and scroll-arrow buttons, drawn in the system colours: the borders of
// grid cells, sunken fields and the small buttons drawn inside controls.
#pragma once

#include "toolkit/TRect.h"

class TCanvas;

constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;

constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_TOPLEFT = BF_LEFT | BF_TOP;
constexpr unsigned BF_BOTTOMRIGHT = BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_RECT = BF_TOPLEFT | BF_BOTTOMRIGHT;

// Draws the outer edge (if any) on Rect's border and the inner one a pixel inside it; an inner
// edge given alone takes the border. Top and left sides get an edge's first colour, bottom and
// right its second, which wins at the two corners where they meet. Rect is left as it is.
bool DrawEdge(TCanvas& Canvas, TRect& Rect, unsigned Edge, unsigned Flags);

constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFCS_SCROLLUP = 0x0;
constexpr unsigned DFCS_SCROLLDOWN = 0x1;
constexpr unsigned DFCS_SCROLLLEFT = 0x2;
constexpr unsigned DFCS_SCROLLRIGHT = 0x3;
constexpr unsigned DFCS_INACTIVE = 0x100;
constexpr unsigned DFCS_PUSHED = 0x200;
constexpr unsigned DFCS_FLAT = 0x4000;

// A scroll-arrow button filling Rect: a button-face square with a raised edge (with DFCS_FLAT or
// DFCS_PUSHED a one-pixel shadow frame) and an arrow centred on it, black, or in the shadow colour
// with DFCS_INACTIVE; pushed, the arrow sits a pixel lower and to the right. False for any type
// but DFC_SCROLL.
bool DrawFrameControl(TCanvas& Canvas, TRect& Rect, unsigned Type, unsigned State);
