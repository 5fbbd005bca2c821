// Paragraph widths bounded from above by the sum of the characters' advances, each advance read
// once per font and kept for the program's life as plain numbers.
#include "toolkit/RichTextLines_p.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextBoundaryFinder>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "toolkit/RtfReader_p.h"

namespace tk {
namespace {

// Shaping (kerning, ligatures) makes a text up to a few percent narrower than the sum of its
// characters' advances, never wider, and a glyph may reach a little past its advance at the end
// of a line: a paragraph is broken twice, as widely and as narrowly as its text can come out,
// and its line count is certain when both agree.
struct Bound {
    qreal factor;
    // Room kept free at the end of a line.
    qreal reserve;
};
constexpr Bound kWidest{1.005, 1.5};
constexpr Bound kNarrowest{0.96, 0};

// The advances of one font's characters, each read when first needed.
class Advances {
public:
    Advances() { low_.fill(-1); }

    qreal of(char16_t c, const QFont& font) {
        qreal& advance = c < low_.size() ? low_[c] : high_.try_emplace(c, -1).first->second;
        if (advance < 0) {
            if (!metrics_)
                metrics_ = std::make_unique<QFontMetricsF>(font);
            advance = metrics_->horizontalAdvance(QChar(c));
        }
        return advance;
    }

    // The metrics hold the font's engine, which must not outlive the application.
    void release() { metrics_.reset(); }

private:
    std::array<qreal, 0x500> low_{};
    std::unordered_map<char16_t, qreal> high_;
    std::unique_ptr<QFontMetricsF> metrics_;
};

// Every font's advances, by the font's key.
Advances& advancesOf(const QFont& font) {
    static QHash<QString, std::shared_ptr<Advances>> fonts;
    std::shared_ptr<Advances>& advances = fonts[font.key()];
    if (!advances)
        advances = std::make_shared<Advances>();
    return *advances;
}

// What a run's advances depend on besides the base format and the default font.
struct FontKey {
    std::string face;
    int halfPoints;
    bool bold;
    bool italic;

    bool operator==(const FontKey&) const = default;
};

// Breaks a paragraph into lines as the text layout does: a line takes words while they fit, a
// word ending where the line may break; spaces between words count only inside the line, and a
// tab takes the text to its next stop.
class Wrap {
public:
    Wrap(qreal lineWidth, qreal tabStop) : fullWidth_(lineWidth), tabStop_(tabStop) {}

    // Where the paragraph's words end: after the character before a breakable space, before a
    // line break opportunity or at the end.
    static std::vector<bool> wordEnds(const QString& text) {
        std::vector<bool> ends(size_t(text.size()), false);
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
        for (qsizetype next = 1; next <= text.size(); ++next) {
            if (next == text.size() || isBreakableSpace(text[next])) {
                ends[size_t(next - 1)] = true;
                continue;
            }
            breaks.setPosition(next);
            ends[size_t(next - 1)] = breaks.isAtBoundary();
        }
        return ends;
    }

    // The lines of a paragraph whose characters have those advances (tabs none), or none when a
    // word or tab alone is wider than a line, which the layout breaks otherwise.
    std::optional<int> lines(const QString& text, const std::vector<qreal>& advances, const std::vector<bool>& wordEnds,
                             const Bound& bound) {
        lineWidth_ = fullWidth_ - bound.reserve;
        lines_ = 1;
        used_ = spaces_ = word_ = 0;
        lineEmpty_ = true;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == QLatin1Char('\t')) {
                if (!commit())
                    return std::nullopt;
                const qreal x = used_ + spaces_;
                spaces_ += (std::floor(x / tabStop_) + 1) * tabStop_ - x;
                lineEmpty_ = false;
                if (used_ + spaces_ > lineWidth_) {
                    if (used_ == 0)
                        return std::nullopt;
                    newLine();
                }
                continue;
            }
            const qreal advance = advances[size_t(i)] * bound.factor;
            if (isBreakableSpace(c)) {
                spaces_ += advance;
                continue;
            }
            word_ += advance;
            if (wordEnds[size_t(i)] && !commit())
                return std::nullopt;
        }
        return lines_;
    }

private:
    static bool isBreakableSpace(QChar c) {
        return c != QLatin1Char('\t') && c.isSpace() && c.decompositionTag() != QChar::NoBreak;
    }

    // The word and the spaces before it join the line, or start the next one.
    bool commit() {
        if (!lineEmpty_ && used_ + spaces_ + word_ > lineWidth_) {
            newLine();
            if (word_ > lineWidth_)
                return false;
        }
        used_ += spaces_ + word_;
        lineEmpty_ = lineEmpty_ && spaces_ + word_ == 0;
        spaces_ = word_ = 0;
        return true;
    }

    void newLine() {
        ++lines_;
        used_ = spaces_ = 0;
        lineEmpty_ = true;
    }

    qreal fullWidth_;
    qreal tabStop_;
    qreal lineWidth_ = 0;
    int lines_ = 1;
    qreal used_ = 0;
    qreal spaces_ = 0;
    qreal word_ = 0;
    bool lineEmpty_ = true;
};

// Measures each paragraph; once one's lines are uncertain, the rest is only read.
class Measure : public RtfSink {
public:
    Measure(const QFont& defaultFont, qreal lineWidth, qreal tabStop)
        : defaultFont_(defaultFont), wrap_(lineWidth, tabStop) {}
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;
    ~Measure() {
        for (Font& font : fonts_)
            font.advances->release();
    }

    void text(const QString& run, const RtfStyle& style, const RtfFormats& formats) override {
        if (!certain_)
            return;
        Font& font = fontOf(style, formats);
        for (const QChar c : run) {
            // Breaks within a paragraph and signs drawn from pairs are not measured here.
            if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.isSurrogate() || c == QChar::LineSeparator) {
                certain_ = false;
                return;
            }
            advances_.push_back(c == QLatin1Char('\t') ? 0 : font.advances->of(c.unicode(), font.font));
        }
        paragraph_ += run;
    }

    void paragraph(const RtfStyle&, const RtfFormats&) override { endParagraph(); }

    std::optional<int> lines() {
        endParagraph();
        return certain_ ? std::optional<int>(lines_) : std::nullopt;
    }

private:
    struct Font {
        FontKey key;
        QFont font;
        Advances* advances;
    };

    Font& fontOf(const RtfStyle& style, const RtfFormats& formats) {
        FontKey key{formats.face(style), style.halfPoints, style.bold, style.italic};
        for (Font& font : fonts_)
            if (font.key == key)
                return font;
        // As the document gives a run its font: its format's, resolved against the default.
        QFont font = formats.format(style).font().resolve(defaultFont_);
        Advances& advances = advancesOf(font);
        return fonts_.emplace_back(Font{std::move(key), std::move(font), &advances});
    }

    void endParagraph() {
        if (certain_) {
            const std::vector<bool> ends = Wrap::wordEnds(paragraph_);
            const std::optional<int> most = wrap_.lines(paragraph_, advances_, ends, kWidest);
            certain_ = most && wrap_.lines(paragraph_, advances_, ends, kNarrowest) == most;
            lines_ += certain_ ? *most : 0;
        }
        paragraph_.clear();
        advances_.clear();
    }

    QFont defaultFont_;
    Wrap wrap_;
    std::vector<Font> fonts_;
    QString paragraph_;
    std::vector<qreal> advances_;
    int lines_ = 0;
    bool certain_ = true;
};

} // namespace

std::optional<int> unwrappedLineCount(const AnsiString& rtf, const QTextCharFormat& base, const QFont& defaultFont,
                                      qreal lineWidth, qreal tabStop) {
    if (tabStop <= 0)
        return std::nullopt;
    Measure measure(defaultFont, lineWidth, tabStop);
    readRtf(rtf, base, measure);
    return measure.lines();
}

} // namespace tk
