// The map's tool enumeration and the types of its events, shared by the control, the renderer and
// the program. The five types that take an object record carry no Sender.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "map/TKEXMapBrush.h"
#include "map/TKEXMapObjectMem.h"
#include "map/TKEXMapPen.h"
#include "toolkit/TBrush.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TNotifyEvent.h"
#include "toolkit/TPen.h"

enum TInstrument : std::uint8_t {
    iNone,
    iMeasure,
    iPick,
    iPolygon,
    iRectangle,
    iLine,
    iPixel,
    iBezier,
    iEllipse,
    iText,
    iBitmap,
    iZametka,
    iLinza,
    iRegion,
    iRegionRect
};

using TProgressEvent = std::function<void(TPersistent* Sender, int Position)>;
using TChangeInstrumentEvent = std::function<void(TPersistent* Sender)>;
using TFindEvent = std::function<void(TPersistent* Sender, bool Value)>;
using TMeasureEvent = std::function<void(TPersistent* Sender, double Dlina)>;
using TDragObjectEvent = std::function<void(TPersistent* Sender, double Dlina)>;
using TRegionEvent = std::function<void(TPersistent* Sender, std::span<const int> SelectedObjects)>;
using TPaintObjectEvent =
    std::function<void(const TKEXMapObjectMem& MapObject, TPen* Pen, TBrush* Brush)>;
using TFilteredObjectEvent = std::function<void(const TKEXMapObjectMem& MapObject, bool& Visible)>;
using TBlinkObjectEvent =
    std::function<void(const TKEXMapObjectMem& MapObject, TKEXMapPen& Pen, TKEXMapBrush& Brush)>;
using TPixelLineEvent = std::function<void(const TKEXMapObjectMem& MapObject, int X, int Y,
                                           int NumberPixel, double Koef, TCanvas* Canvas)>;
using TPaintBackground = std::function<void(TCanvas* Canvas, float X, float Y, float X1, float Y1)>;
