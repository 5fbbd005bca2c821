// Paragraph widths bounded by the sums of the characters' advances, each advance read once per
// font and kept for the program's life as plain numbers.
#include "toolkit/RichTextLines_p.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QTextLayout>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "toolkit/RichTextBreaks_p.h"
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

// The advances of one font's characters, each read when first needed. A character the font lacks
// is drawn from a fallback font, which the layout chooses by the script of the text around it.
class Advances {
public:
    Advances() { own_.fill(kUnknown); }

    // The character's advance within text of the script, or a negative number where unknown.
    qreal of(char16_t c, QChar::Script script, const QFont& font) {
        qreal& own = c < own_.size() ? own_[c] : ownHigh_.try_emplace(c, kUnknown).first->second;
        if (own == kUnknown)
            own = metrics(font).inFont(QChar(c)) ? metrics(font).horizontalAdvance(QChar(c)) : kFallback;
        if (own != kFallback)
            return own;
        qreal& sign = fallback_.try_emplace(std::uint32_t(c) | std::uint32_t(script) << 16, kUnknown).first->second;
        if (sign == kUnknown)
            sign = inScript(c, script, metrics(font));
        return sign;
    }

    // The metrics hold the font's engine, which must not outlive the application.
    void release() { metrics_.reset(); }

private:
    static constexpr qreal kUnknown = -1;
    static constexpr qreal kFallback = -2;

    // Measured after a letter of the script, whose text it takes its script from; only scripts
    // with such a letter here are measured.
    static qreal inScript(char16_t c, QChar::Script script, const QFontMetricsF& metrics) {
        const QString sign(QChar{c});
        if (script == QChar::Script_Common)
            return metrics.horizontalAdvance(sign);
        const char16_t letter = script == QChar::Script_Latin ? u'n' : script == QChar::Script_Cyrillic ? u'\u043D' : 0;
        if (letter == 0)
            return kUnknown;
        const QString before(QChar{letter});
        return metrics.horizontalAdvance(before + sign) - metrics.horizontalAdvance(before);
    }

    const QFontMetricsF& metrics(const QFont& font) {
        if (!metrics_)
            metrics_ = std::make_unique<QFontMetricsF>(font);
        return *metrics_;
    }

    std::array<qreal, 0x500> own_{};
    std::unordered_map<char16_t, qreal> ownHigh_;
    std::unordered_map<std::uint32_t, qreal> fallback_;
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
    // The numbers first: they tell most keys apart before the faces are compared.
    int halfPoints;
    bool bold;
    bool italic;
    std::string face;

    bool operator==(const FontKey&) const = default;
};

// A font runs are measured in, by what it depends on, with its advances.
struct RunFont {
    FontKey key;
    QFont font;
    Advances* advances;
};

// The fonts of runs, kept from count to count while the base format and the default font stay
// the same; freed with the application, as fonts must be.
struct RunFonts {
    QTextCharFormat base;
    QFont defaultFont;
    std::vector<RunFont> fonts;
};

RunFonts& runFontsFor(const QTextCharFormat& base, const QFont& defaultFont) {
    static RunFonts* kept = nullptr;
    if (kept == nullptr) {
        kept = new RunFonts;
        qAddPostRoutine([] {
            delete kept;
            kept = nullptr;
        });
    }
    if (!(kept->base == base) || kept->defaultFont != defaultFont)
        *kept = RunFonts{base, defaultFont, {}};
    return *kept;
}

// Breaks a paragraph into lines as the text layout does: a line takes words while they fit, a
// word ending where the line may break; spaces between words count only inside the line, and a
// tab takes the text to its next stop.
class Wrap {
public:
    Wrap(qreal lineWidth, qreal tabStop) : fullWidth_(lineWidth), tabStop_(tabStop) {}

    // Whether the whole paragraph, at its widest, fits one line: then it needs no breaking.
    bool fitsOneLine(const QString& text, const std::vector<qreal>& advances) const {
        qreal x = 0;
        for (qsizetype i = 0; i < text.size(); ++i)
            x = text[i] == QLatin1Char('\t') ? (std::floor(x / tabStop_) + 1) * tabStop_ : x + advances[size_t(i)] * kWidest.factor;
        return x <= fullWidth_ - kWidest.reserve;
    }

    // The lines of a paragraph whose characters have those advances (tabs none), or none when a
    // word or tab alone is wider than a line, which the layout breaks otherwise.
    std::optional<int> lines(const QString& text, const std::vector<qreal>& advances, const std::vector<bool>& wordEnds,
                             const Bound& bound) {
        lineWidth_ = fullWidth_ - bound.reserve;
        lines_ = 1;
        used_ = spaces_ = word_ = 0;
        lineEmpty_ = true;
        breakPending_ = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            // A tab that ran past the end of the line ended it; a line follows only if text does.
            if (breakPending_)
                newLine();
            if (c == QLatin1Char('\t')) {
                if (!commit())
                    return std::nullopt;
                const qreal x = used_ + spaces_;
                spaces_ += (std::floor(x / tabStop_) + 1) * tabStop_ - x;
                lineEmpty_ = false;
                if (used_ + spaces_ > lineWidth_) {
                    if (used_ == 0)
                        return std::nullopt;
                    breakPending_ = true;
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
    // The word and the spaces before it join the line, or start the next one; a word wider than
    // a line of its own is broken by the layout where it must, which is not followed here.
    bool commit() {
        if (!lineEmpty_ && used_ + spaces_ + word_ > lineWidth_)
            newLine();
        if (lineEmpty_ && used_ + spaces_ + word_ > lineWidth_)
            return false;
        used_ += spaces_ + word_;
        lineEmpty_ = lineEmpty_ && spaces_ + word_ == 0;
        spaces_ = word_ = 0;
        return true;
    }

    void newLine() {
        ++lines_;
        used_ = spaces_ = 0;
        lineEmpty_ = true;
        breakPending_ = false;
    }

    qreal fullWidth_;
    qreal tabStop_;
    qreal lineWidth_ = 0;
    int lines_ = 1;
    qreal used_ = 0;
    qreal spaces_ = 0;
    qreal word_ = 0;
    bool lineEmpty_ = true;
    bool breakPending_ = false;
};

// Counts each paragraph's lines; once the text holds what is not followed here, the rest is only
// read.
class Measure : public RtfSink {
public:
    Measure(const QTextCharFormat& base, const QFont& defaultFont, qreal lineWidth, const QTextOption& option)
        : defaultFont_(defaultFont), lineWidth_(lineWidth), option_(option), wrap_(lineWidth, option.tabStopDistance()),
          fonts_(runFontsFor(base, defaultFont).fonts) {
        // Room of its own from the start, so that the first run is copied in, not shared.
        paragraph_.reserve(kParagraphRoom);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;
    ~Measure() {
        for (RunFont& font : fonts_)
            font.advances->release();
    }

    void text(const QString& run, const RtfStyle& style, const RtfFormats& formats) override {
        if (!followed_)
            return;
        for (const QChar c : run) {
            if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.isSurrogate() || c == QChar::LineSeparator) {
                followed_ = false;
                return;
            }
        }
        runs_.push_back(Run{paragraph_.size(), run.size(), style});
        charFonts_.insert(charFonts_.end(), size_t(run.size()), fontOf(style, formats));
        paragraph_ += run;
    }

    void paragraph(const RtfStyle&, const RtfFormats& formats) override { endParagraph(formats); }
    void end(const RtfFormats& formats) override { endParagraph(formats); }

    std::optional<int> lines() const { return followed_ ? std::optional<int>(lines_) : std::nullopt; }

private:
    struct Run {
        qsizetype start;
        qsizetype length;
        RtfStyle style;
    };

// The index of the style's font among those of the text.
    size_t fontOf(const RtfStyle& style, const RtfFormats& formats) {
        FontKey key{style.halfPoints, style.bold, style.italic, formats.face(style)};
        for (size_t i = 0; i < fonts_.size(); ++i)
            if (fonts_[i].key == key)
                return i;
        // As the document gives a run its font: its format's, resolved against the default.
        QFont font = formats.format(style).font().resolve(defaultFont_);
        Advances& advances = advancesOf(font);
        fonts_.push_back(RunFont{std::move(key), std::move(font), &advances});
        return fonts_.size() - 1;
    }

    // The script the layout gives each character: a common one (digits, signs, punctuation,
    // blanks) takes that of the text before it, or at the start that of the text after it.
    std::vector<QChar::Script> scripts() const {
        std::vector<QChar::Script> scripts(size_t(paragraph_.size()), QChar::Script_Common);
        QChar::Script script = QChar::Script_Common;
        size_t start = 0;
        for (size_t i = 0; i < scripts.size(); ++i) {
            const QChar::Script own = paragraph_[qsizetype(i)].script();
            if (own == script || own <= QChar::Script_Common)
                continue;
            if (script > QChar::Script_Common)
                std::fill(scripts.begin() + std::ptrdiff_t(start), scripts.begin() + std::ptrdiff_t(i), script);
            if (script > QChar::Script_Common)
                start = i;
            script = own;
        }
        std::fill(scripts.begin() + std::ptrdiff_t(start), scripts.end(), script);
        return scripts;
    }

    // Every character's advance, or false when one is unknown.
    bool measure() {
        const std::vector<QChar::Script> script = scripts();
        advances_.resize(size_t(paragraph_.size()));
        for (size_t i = 0; i < advances_.size(); ++i) {
            const QChar c = paragraph_[qsizetype(i)];
            const RunFont& font = fonts_[charFonts_[i]];
            advances_[i] = c == QLatin1Char('\t') ? 0 : font.advances->of(c.unicode(), script[i], font.font);
            if (advances_[i] < 0)
                return false;
        }
        return true;
    }

    void endParagraph(const RtfFormats& formats) {
        if (followed_)
            lines_ += paragraphLines(formats);
        // Emptied, not freed: the next paragraph is written into the same room.
        paragraph_.resize(0);
        charFonts_.clear();
        runs_.clear();
    }

    int paragraphLines(const RtfFormats& formats) {
        if (measure()) {
            if (wrap_.fitsOneLine(paragraph_, advances_))
                return 1;
            const std::vector<bool> ends = wordEnds(paragraph_);
            const std::optional<int> most = wrap_.lines(paragraph_, advances_, ends, kWidest);
            if (most && wrap_.lines(paragraph_, advances_, ends, kNarrowest) == most)
                return *most;
        }
        return laidOut(formats);
    }

    // The paragraph laid out as the document lays out its block: in its runs' formats, resolved
    // against the default font, with the document's text option.
    int laidOut(const RtfFormats& formats) const {
        QTextLayout layout(paragraph_, defaultFont_);
        layout.setTextOption(option_);
        QList<QTextLayout::FormatRange> ranges;
        ranges.reserve(qsizetype(runs_.size()));
        for (const Run& run : runs_)
            ranges.append(QTextLayout::FormatRange{int(run.start), int(run.length), formats.format(run.style)});
        layout.setFormats(ranges);
        layout.beginLayout();
        int lines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lineWidth_);
            ++lines;
        }
        layout.endLayout();
        return std::max(lines, 1);
    }

    static constexpr qsizetype kParagraphRoom = 256;
    QFont defaultFont_;
    qreal lineWidth_;
    QTextOption option_;
    Wrap wrap_;
    // The fonts of the runs of this count and of those before it.
    std::vector<RunFont>& fonts_;
    QString paragraph_;
    // The font of each character of the paragraph, and its advance.
    std::vector<size_t> charFonts_;
    std::vector<qreal> advances_;
    std::vector<Run> runs_;
    int lines_ = 0;
    bool followed_ = true;
};

} // namespace

std::optional<int> countLines(const AnsiString& rtf, const QTextCharFormat& base, const QFont& defaultFont,
                              qreal lineWidth, const QTextOption& option) {
    // Tab stops beyond the end of a line are left to the document.
    if (option.tabStopDistance() <= 0 || option.tabStopDistance() > lineWidth || !option.tabArray().isEmpty())
        return std::nullopt;
    Measure measure(base, defaultFont, lineWidth, option);
    readRtf(rtf, base, measure);
    return measure.lines();
}

} // namespace tk
