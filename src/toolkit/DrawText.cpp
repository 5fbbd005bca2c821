// Layout runs in three steps on the CP1251 text, where a byte is a character: the text is cut
// into paragraphs at line breaks, each paragraph loses its "&" prefixes (remembering the one
// underlined character), and word breaking cuts it into lines at blanks. Widths come from the
// canvas's width cache, so a list drawing the same names again measures nothing again; each
// line is then drawn with the canvas's painter.
#include "toolkit/DrawText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <string_view>
#include <vector>

#include "toolkit/TCanvas.h"
#include "toolkit/TCanvas_p.h"

namespace {

struct Line {
    AnsiString text;
    int underlined = -1;  // index of the character a prefix marked, or -1
    int width = 0;
};

constexpr int kTabColumns = 8;

// Removes the prefixes: "&x" keeps x and marks it (the last such mark wins), "&&" is one "&".
Line stripPrefixes(std::string_view paragraph) {
    Line line;
    line.text.reserve(paragraph.size());
    for (std::size_t i = 0; i < paragraph.size(); ++i) {
        if (paragraph[i] == '&' && i + 1 < paragraph.size()) {
            ++i;
            if (paragraph[i] != '&') line.underlined = static_cast<int>(line.text.size());
        }
        line.text += paragraph[i];
    }
    return line;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

class Measure {
public:
    Measure(tk::CanvasImpl& canvas, bool expandTabs) : canvas_(canvas) {
        if (!expandTabs) return;
        QFontMetrics metrics(canvas.fonts.of(canvas.font).font);
        tabWidth_ = kTabColumns * metrics.averageCharWidth();
    }

    // The advance of the first count characters of text; with tab stops, a tab moves to the next.
    int advance(const AnsiString& text, std::size_t count) const {
        if (tabWidth_ <= 0) return width(text.substr(0, count));
        int x = 0;
        std::size_t start = 0;
        while (start < count) {
            const std::size_t tab = text.find('\t', start);
            const std::size_t end = std::min(tab, count);
            x += width(text.substr(start, end - start));
            if (end == count) break;
            x = (x / tabWidth_ + 1) * tabWidth_;
            start = end + 1;
        }
        return x;
    }
    int lineWidth(const AnsiString& text) const { return advance(text, text.size()); }
    bool expandsTabs() const { return tabWidth_ > 0; }

private:
    int width(const AnsiString& text) const { return canvas_.fonts.width(canvas_.font, text); }

    tk::CanvasImpl& canvas_;
    int tabWidth_ = 0;
};

// Cuts line at blanks so that each piece fits maxWidth; a word wider than that stays whole on a
// line of its own. The blanks at a break go.
void wrap(const Line& line, const Measure& measure, int maxWidth, std::vector<Line>& out) {
    const AnsiString& text = line.text;
    const std::size_t n = text.size();
    std::size_t start = 0;
    do {
        std::size_t fit = 0;
        int fitWidth = 0;
        bool fitted = false;
        std::size_t pos = start;
        while (pos < n) {
            std::size_t wordEnd = pos;
            while (wordEnd < n && isBlank(text[wordEnd])) ++wordEnd;
            while (wordEnd < n && !isBlank(text[wordEnd])) ++wordEnd;
            const int width = measure.lineWidth(text.substr(start, wordEnd - start));
            if (fitted && width > maxWidth) break;
            fit = wordEnd;
            fitWidth = width;
            fitted = true;
            pos = wordEnd;
        }
        Line piece{text.substr(start, fit - start), -1, fitWidth};
        const auto underlined = static_cast<std::size_t>(line.underlined);
        if (line.underlined >= 0 && underlined >= start && underlined < fit) {
            piece.underlined = static_cast<int>(underlined - start);
        }
        out.push_back(std::move(piece));
        start = fit;
        while (start < n && isBlank(text[start])) ++start;
    } while (start < n);
}

std::vector<Line> layOut(const AnsiString& text, unsigned format, const Measure& measure, int maxWidth) {
    std::vector<std::string_view> paragraphs;
    const std::string_view all(text);
    if ((format & DT_SINGLELINE) != 0) {
        paragraphs.push_back(all);
    } else {
        std::size_t start = 0;
        for (std::size_t lf = all.find('\n'); lf != std::string_view::npos; lf = all.find('\n', start)) {
            const std::size_t end = lf > start && all[lf - 1] == '\r' ? lf - 1 : lf;
            paragraphs.push_back(all.substr(start, end - start));
            start = lf + 1;
        }
        paragraphs.push_back(all.substr(start));
    }
    const bool wraps = (format & DT_WORDBREAK) != 0 && (format & DT_SINGLELINE) == 0;
    std::vector<Line> lines;
    for (const std::string_view paragraph : paragraphs) {
        Line line = (format & DT_NOPREFIX) != 0 ? Line{AnsiString(paragraph)} : stripPrefixes(paragraph);
        if (!wraps || line.text.empty()) {
            line.width = measure.lineWidth(line.text);
            lines.push_back(std::move(line));
            continue;
        }
        wrap(line, measure, maxWidth, lines);
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

QString qString(std::string_view text) { return QString::fromStdString(tk::toUtf8(text)); }

void drawLine(QPainter& painter, const Line& line, int x, int baseline, const Measure& measure) {
    if (!measure.expandsTabs()) {
        painter.drawText(QPoint(x, baseline), qString(line.text));
        return;
    }
    std::size_t start = 0;
    while (start <= line.text.size()) {
        const std::size_t tab = std::min(line.text.find('\t', start), line.text.size());
        const std::string_view piece = std::string_view(line.text).substr(start, tab - start);
        painter.drawText(QPoint(x + measure.advance(line.text, start), baseline), qString(piece));
        start = tab + 1;
    }
}

} // namespace

int DrawText(TCanvas& Canvas, const AnsiString& Text, TRect& Rect, unsigned Format) {
    tk::CanvasImpl& canvas = Canvas.Impl();
    const Measure measure(canvas, (Format & DT_EXPANDTABS) != 0);
    const std::vector<Line> lines = layOut(Text, Format, measure, Rect.Width());
    const tk::TextFonts::Font& font = canvas.fonts.of(canvas.font);
    const int lineHeight = font.ascent + font.descent;
    const int height = lineHeight * static_cast<int>(lines.size());

    if ((Format & DT_CALCRECT) != 0) {
        if ((Format & DT_WORDBREAK) == 0) {
            int widest = 0;
            for (const Line& line : lines) widest = std::max(widest, line.width);
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
    painter->setPen(ink);
    int top = textTop(Rect, Format, height);
    for (const Line& line : lines) {
        const int left = lineLeft(Rect, Format, line.width);
        if (opaque) painter->fillRect(QRect(left, top, line.width, lineHeight), background);
        drawLine(*painter, line, left, top + font.ascent, measure);
        if (line.underlined >= 0) {
            const auto index = static_cast<std::size_t>(line.underlined);
            const int from = left + measure.advance(line.text, index);
            const int to = left + measure.advance(line.text, index + 1);
            painter->fillRect(QRect(from, top + font.ascent + 1, std::max(1, to - from), 1), ink);
        }
        top += lineHeight;
    }
    painter->setPen(Qt::NoPen);
    return height;
}
