// Layout runs in three steps: the text is cut into paragraphs at line breaks, each paragraph
// loses its "&" prefixes (remembering the one underlined character), and word breaking cuts it
// into lines at blanks. Lines are then measured and drawn one by one with the canvas's painter.
#include "toolkit/DrawText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <vector>

#include "toolkit/TCanvas.h"
#include "toolkit/TCanvas_p.h"

namespace {

struct Line {
    QString text;
    int underlined = -1;  // index of the character a prefix marked, or -1
};

constexpr int kTabColumns = 8;

// Removes the prefixes: "&x" keeps x and marks it (the last such mark wins), "&&" is one "&".
Line stripPrefixes(const QString& paragraph) {
    Line line;
    line.text.reserve(paragraph.size());
    for (qsizetype i = 0; i < paragraph.size(); ++i) {
        if (paragraph[i] == u'&' && i + 1 < paragraph.size()) {
            ++i;
            if (paragraph[i] != u'&') line.underlined = static_cast<int>(line.text.size());
        }
        line.text += paragraph[i];
    }
    return line;
}

class LineMetrics {
public:
    LineMetrics(const QFont& font, bool expandTabs)
        : metrics_(font), tabWidth_(expandTabs ? kTabColumns * metrics_.averageCharWidth() : 0) {}

    // The advance of the first count characters of text; with tab stops, a tab moves to the next.
    int advance(const QString& text, qsizetype count) const {
        if (tabWidth_ <= 0) return metrics_.horizontalAdvance(text.left(count));
        int x = 0;
        qsizetype start = 0;
        while (start < count) {
            const qsizetype tab = text.indexOf(u'\t', start);
            const qsizetype end = tab < 0 || tab >= count ? count : tab;
            x += metrics_.horizontalAdvance(text.mid(start, end - start));
            if (end == count) break;
            x = (x / tabWidth_ + 1) * tabWidth_;
            start = end + 1;
        }
        return x;
    }
    int width(const QString& text) const { return advance(text, text.size()); }
    bool expandsTabs() const { return tabWidth_ > 0; }
    const QFontMetrics& metrics() const { return metrics_; }

private:
    QFontMetrics metrics_;
    int tabWidth_;
};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Cuts line at blanks so that each piece fits maxWidth; a word wider than that stays whole on a
// line of its own. The blanks at a break go.
void wrap(const Line& line, const LineMetrics& metrics, int maxWidth, std::vector<Line>& out) {
    const QString& text = line.text;
    const qsizetype n = text.size();
    qsizetype start = 0;
    do {
        qsizetype fit = -1;
        qsizetype pos = start;
        while (pos < n) {
            qsizetype wordEnd = pos;
            while (wordEnd < n && isBlank(text[wordEnd])) ++wordEnd;
            while (wordEnd < n && !isBlank(text[wordEnd])) ++wordEnd;
            if (fit >= 0 && metrics.width(text.mid(start, wordEnd - start)) > maxWidth) break;
            fit = wordEnd;
            pos = wordEnd;
        }
        if (fit < 0) fit = n;
        Line piece{text.mid(start, fit - start)};
        if (line.underlined >= start && line.underlined < fit) piece.underlined = static_cast<int>(line.underlined - start);
        out.push_back(std::move(piece));
        start = fit;
        while (start < n && isBlank(text[start])) ++start;
    } while (start < n);
}

std::vector<Line> layOut(const QString& text, unsigned format, const LineMetrics& metrics, int maxWidth) {
    QStringList paragraphs;
    if ((format & DT_SINGLELINE) != 0) {
        paragraphs.append(text);
    } else {
        QString normalised = text;
        normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        paragraphs = normalised.split(u'\n');
    }
    std::vector<Line> lines;
    for (const QString& paragraph : paragraphs) {
        Line line = (format & DT_NOPREFIX) != 0 ? Line{paragraph} : stripPrefixes(paragraph);
        if ((format & DT_WORDBREAK) == 0 || (format & DT_SINGLELINE) != 0 || line.text.isEmpty()) {
            lines.push_back(std::move(line));
            continue;
        }
        wrap(line, metrics, maxWidth, lines);
    }
    return lines;
}

int lineLeft(const TRect& rect, unsigned format, int width) {
    if ((format & DT_RIGHT) != 0) return rect.Right - width;
    if ((format & DT_CENTER) != 0) return rect.Left + (rect.Width() - width) / 2;
    return rect.Left;
}

int textTop(const TRect& rect, unsigned format, int height) {
    if ((format & DT_SINGLELINE) == 0) return rect.Top;
    if ((format & DT_BOTTOM) != 0) return rect.Bottom - height;
    if ((format & DT_VCENTER) != 0) return rect.Top + (rect.Height() - height) / 2;
    return rect.Top;
}

void drawLine(QPainter& painter, const Line& line, int x, int baseline, const LineMetrics& metrics) {
    if (!metrics.expandsTabs()) {
        painter.drawText(QPoint(x, baseline), line.text);
        return;
    }
    qsizetype start = 0;
    while (start <= line.text.size()) {
        const qsizetype tab = line.text.indexOf(u'\t', start);
        const qsizetype end = tab < 0 ? line.text.size() : tab;
        painter.drawText(QPoint(x + metrics.advance(line.text, start), baseline), line.text.mid(start, end - start));
        start = end + 1;
    }
}

} // namespace

int DrawText(TCanvas& Canvas, const AnsiString& Text, TRect& Rect, unsigned Format) {
    tk::CanvasImpl& canvas = Canvas.Impl();
    const tk::TextFonts::Font& font = canvas.fonts.of(canvas.font);
    const LineMetrics metrics(font.font, (Format & DT_EXPANDTABS) != 0);
    const std::vector<Line> lines = layOut(QString::fromStdString(tk::toUtf8(Text)), Format, metrics, Rect.Width());
    const int lineHeight = font.ascent + font.descent;
    const int height = lineHeight * static_cast<int>(lines.size());

    if ((Format & DT_CALCRECT) != 0) {
        if ((Format & DT_WORDBREAK) == 0) {
            int widest = 0;
            for (const Line& line : lines) widest = std::max(widest, metrics.width(line.text));
            Rect.Right = Rect.Left + widest;
        }
        Rect.Bottom = Rect.Top + height;
        return height;
    }

    const QRect clip(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    if (clip.isEmpty()) return height;
    QPainter* const painter = canvas.textPainter.open(canvas.image, canvas, &clip);
    if (painter == nullptr) return height;
    const bool opaque = canvas.brush.Style() == bsSolid;
    const QColor background = QColor::fromRgb(tk::pixelOfColor(canvas.brush.Color()));
    const QColor ink = QColor::fromRgb(tk::pixelOfColor(canvas.font.Color()));
    painter->setRenderHint(QPainter::TextAntialiasing, tk::textAntialiasing());
    painter->setFont(font.font);
    int top = textTop(Rect, Format, height);
    for (const Line& line : lines) {
        const int width = metrics.width(line.text);
        const int left = lineLeft(Rect, Format, width);
        if (opaque) painter->fillRect(QRect(left, top, width, lineHeight), background);
        painter->setPen(ink);
        drawLine(*painter, line, left, top + font.ascent, metrics);
        if (line.underlined >= 0) {
            const int from = left + metrics.advance(line.text, line.underlined);
            const int to = left + metrics.advance(line.text, line.underlined + 1);
            const int y = top + font.ascent + std::max(1, metrics.metrics().underlinePos());
            painter->setPen(Qt::NoPen);
            painter->fillRect(QRect(from, y, std::max(1, to - from), 1), ink);
        }
        painter->setPen(Qt::NoPen);
        top += lineHeight;
    }
    return height;
}
