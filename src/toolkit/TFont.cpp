// Font sizes in the platform's units and the faces that stand in for the system's fonts.
#include "toolkit/TFont.h"
#include "toolkit/TFont_p.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "base/CaseMap.h"

namespace {

bool gTextAntialiasing = true;

constexpr int kPixelsPerInch = 96;

// The platform's MulDiv: a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c) { return static_cast<int>(std::lround(static_cast<double>(a) * b / c)); }

// The em height used for a font whose height is 0.
constexpr int kDefaultEmPixels = 13;

} // namespace

void TFont::Assign(const TPersistent& source) {
    if (const auto* font = dynamic_cast<const TFont*>(&source)) {
        *this = *font;
        return;
    }
    TPersistent::Assign(source);
}

int TFont::Size() const { return -mulDiv(height_, 72, kPixelsPerInch); }

void TFont::SetSize(int value) { height_ = -mulDiv(value, kPixelsPerInch, 72); }

namespace tk {

void setTextAntialiasing(bool on) { gTextAntialiasing = on; }

bool textAntialiasing() { return gTextAntialiasing; }

QString fontFamily(const AnsiString& name) {
    static const std::pair<const char*, const char*> kAliases[] = {
        {"ARIAL CYR", "Liberation Sans"},
        {"ARIAL", "Liberation Sans"},
        {"TIMES NEW ROMAN CYR", "Liberation Serif"},
        {"TIMES NEW ROMAN", "Liberation Serif"},
        {"MS SANS SERIF", "Liberation Sans"},
        {"MS SHELL DLG", "Liberation Sans"},
        {"TAHOMA", "Liberation Sans"},
        {"COURIER NEW", "Liberation Mono"},
        {"COURIER NEW CYR", "Liberation Mono"},
    };
    const AnsiString key = base::upperCp1251(name);
    for (const auto& [system, installed] : kAliases) {
        if (key == system) return QString::fromLatin1(installed);
    }
    return QString::fromStdString(toUtf8(name));
}

QFont qtFont(const TFont& font) {
    QFont result(fontFamily(font.Name()));
    result.setBold(font.Style().Contains(fsBold));
    result.setItalic(font.Style().Contains(fsItalic));
    result.setUnderline(font.Style().Contains(fsUnderline));
    result.setStrikeOut(font.Style().Contains(fsStrikeOut));
    result.setStyleStrategy(gTextAntialiasing ? QFont::PreferDefault : QFont::NoAntialias);
    result.setHintingPreference(QFont::PreferFullHinting);
    int em = kDefaultEmPixels;
    if (font.Height() < 0) {
        // The most negative height has no positive counterpart in int.
        em = static_cast<int>(std::min<std::int64_t>(-std::int64_t{font.Height()}, std::numeric_limits<int>::max()));
    }
    if (font.Height() > 0) {
        // A cell height: scale the em so that ascent plus descent comes to the height asked.
        QFont probe(result);
        constexpr int kProbePixels = 1000;
        probe.setPixelSize(kProbePixels);
        const QFontMetricsF metrics(probe);
        const double cell = metrics.ascent() + metrics.descent();
        em = cell > 0 ? static_cast<int>(std::lround(font.Height() * kProbePixels / cell)) : font.Height();
    }
    result.setPixelSize(em > 0 ? em : 1);
    return result;
}

} // namespace tk
