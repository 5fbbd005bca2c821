// The canvas font: face, height in pixels or size in points (at 96 pixels per inch whatever the
// screen), style, colour, character set and the rotation of the text line. Texts need the
// toolkit's application object (a Qt GUI application) to exist.
#pragma once

#include <initializer_list>

#include "toolkit/AnsiString.h"
#include "toolkit/TColor.h"
#include "toolkit/TPersistent.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of font styles: style << fsBold adds, style >> fsBold removes.
class TFontStyles {
public:
    TFontStyles() = default;
    TFontStyles(std::initializer_list<TFontStyle> styles) {
        for (TFontStyle s : styles) *this << s;
    }
    bool Contains(TFontStyle s) const { return (bits_ & bit(s)) != 0; }
    TFontStyles& operator<<(TFontStyle s) { bits_ |= bit(s); return *this; }
    TFontStyles& operator>>(TFontStyle s) { bits_ &= ~bit(s); return *this; }
    bool operator==(const TFontStyles&) const = default;

private:
    static unsigned bit(TFontStyle s) { return 1u << static_cast<unsigned>(s); }
    unsigned bits_ = 0;
};

constexpr int DEFAULT_CHARSET = 1;
constexpr int RUSSIAN_CHARSET = 204;

class TFont : public TPersistent {
public:
    void Assign(const TPersistent& source) override;

    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& value) { name_ = value; }
    // Negative: the em height in pixels; positive: the character cell height (em plus internal
    // leading); 0: the default height.
    int Height() const { return height_; }
    void SetHeight(int value) { height_ = value; }
    // Points at 96 pixels per inch, rounded as the platform does.
    int Size() const;
    void SetSize(int value);
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value) { style_ = value; }
    int Charset() const { return charset_; }
    void SetCharset(int value) { charset_ = value; }
    // Tenths of a degree, counter-clockwise, about the text's reference point. The line is drawn
    // along Escapement; Orientation is kept for the caller and equal to it in every use.
    int Escapement() const { return escapement_; }
    void SetEscapement(int value) { escapement_ = value; }
    int Orientation() const { return orientation_; }
    void SetOrientation(int value) { orientation_ = value; }

private:
    AnsiString name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    int charset_ = DEFAULT_CHARSET;
    int escapement_ = 0;
    int orientation_ = 0;
};

namespace tk {

// Smooth text edges (on by default); tests switch it off so that text pixels are certain.
void setTextAntialiasing(bool on);
bool textAntialiasing();

} // namespace tk
