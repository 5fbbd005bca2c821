// The Qt font behind a TFont, for the toolkit's drawing code only.
#pragma once

#include <QFont>
#include <QString>

#include "toolkit/TFont.h"

namespace tk {

// The installed family that stands in for one of the system's faces ("Arial Cyr" is drawn with a
// metric-compatible face); other names are passed on as they are.
QString fontFamily(const AnsiString& name);

// The font at its pixel size, without rotation (the canvas turns the painter instead).
QFont qtFont(const TFont& font);

} // namespace tk
