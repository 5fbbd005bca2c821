// The frame of an object by kind (its Corners), and the pixel rectangle to invalidate after the
// object changed.
#pragma once

#include "toolkit/TRect.h"
#include "toolkit/TSize.h"
#include "map/TKEXMapObjectMem.h"
#include "map/TextMetrics.h"
#include "map/ViewContext.h"
#include "map/ViewTransform.h"

// Recomputes Corners: point lists and groups get their axis-aligned box widened by half the pen
// width; a text its measured rectangle turned by its angle about the anchor; a note its anchor.
// Bitmaps, unknown kinds, empty point lists and empty groups keep their corners.
void CalcObjectBounds(TKEXMapObjectMem& record, const mapi::TextMetrics& metrics);

// The object's pixels, widened by the handles' room (SizeRect + 30) or, for a note, by its icon
// plus 30, clipped to the client area.
TRect GetObjectScreenRect(const TKEXMapObjectMem& record, const mapi::ViewTransform& view,
                          const mapi::ViewContext& context, int sizeRect, TSize client);
