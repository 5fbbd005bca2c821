// The conversions that bring the pieces of older map streams to the current form: the old object
// record and address, the old note, whole-degree text angles and two-point ellipses.
#pragma once

#include "map/TKEXMapAddress.h"
#include "map/TKEXMapAddressOld.h"
#include "map/TKEXMapObjectMem.h"
#include "map/TKEXMapObjectOld.h"
#include "map/TKEXMapZametka.h"
#include "map/TKEXMapZametkaOld.h"

namespace mapi {

// Fields copied; Reserved1 -1, Reserved2 0; Center the anchor corner of a text, else the middle
// of corners 0 and 2. The blocks are read separately.
TKEXMapObjectMem convertObjectOld(const TKEXMapObjectOld& old);
TKEXMapAddress convertAddressOld(const TKEXMapAddressOld& old);
// Library "DEFAULT", the icon number in decimal as the picture name, the text kept.
TKEXMapZametka convertNoteOld(const TKEXMapZametkaOld& old);
// Streams below version 6 hold whole degrees; the current unit is tenths.
int32_t convertTextAngle(int32_t degrees);
// An ellipse of two opposite corners gets all four, in order; any other record is left alone.
void widenTwoPointEllipse(TKEXMapObjectMem& record);

} // namespace mapi
