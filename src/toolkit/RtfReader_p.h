// Reads the rich text the program writes (a font table, a colour table, paragraphs, tabs,
// fonts, sizes, colours, bold, italic, underline and the link mark \lnkd) into a sink: a Qt
// document, or anything else that wants the text's runs and paragraphs.
#pragma once

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <string>

#include "toolkit/AnsiString.h"

namespace tk {

// The character state of a run of text, as the text's control words set it.
struct RtfStyle {
    int font = 0;
    int halfPoints = 0;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool link = false;

    bool operator==(const RtfStyle&) const = default;
};

// The document format of a style, from the text's font and colour tables and the base format.
class RtfFormats {
public:
    virtual QTextCharFormat format(const RtfStyle& style) const = 0;
    // The face the style's font names, or empty where the base's face stays.
    virtual const std::string& face(const RtfStyle& style) const = 0;

protected:
    ~RtfFormats() = default;
};

// What a reading gives: runs of text, each in one style, and paragraph breaks, in order.
class RtfSink {
public:
    virtual void text(const QString& run, const RtfStyle& style, const RtfFormats& formats) = 0;
    // The break takes the style it is written in.
    virtual void paragraph(const RtfStyle& style, const RtfFormats& formats) = 0;
    // The text has ended.
    virtual void end(const RtfFormats&) {}

protected:
    ~RtfSink() = default;
};

// What the reader does not know is skipped, damaged text ends the reading where it stops making
// sense. Base is the format of plain text. A text that begins as the last one read did, up to
// where that one first gave the sink anything, goes on from the state it had there (the font
// and colour tables every card repeats are read once).
void readRtf(const AnsiString& rtf, const QTextCharFormat& base, RtfSink& sink);

// Inserts the text at the cursor, in one edit block.
void insertRtf(QTextCursor& cursor, const AnsiString& rtf, const QTextCharFormat& base);

// Link text carries this format property.
bool isLinkFormat(const QTextCharFormat& format);
void setLinkFormat(QTextCharFormat& format, bool link);

} // namespace tk
