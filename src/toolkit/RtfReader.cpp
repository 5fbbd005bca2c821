// A small rich-text reader: groups keep a stack of character states; the font and colour tables
// and starred destinations are read or skipped as groups; text is CP1251 with \'hh escapes, but
// the bytes of symbol fonts (\fcharset2) are signs.
#include "toolkit/RtfReader_p.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/CodePage.h"
#include "toolkit/RichEditFormat_p.h"
#include "toolkit/TControl_p.h"

namespace tk {
namespace {

enum class Destination { text, fontTable, colorTable, skip };

// Font numbers beyond this are not kept (a damaged table would otherwise grow without end).
constexpr int maxFonts = 256;

struct CharState {
    RtfStyle style;
    Destination destination = Destination::text;
};

// Sizes outside this many half-points are damage; Qt would otherwise build a giant font.
constexpr int smallestHalfPoints = 2;
constexpr int largestHalfPoints = 2 * 1638;

// The character set of symbol fonts: their bytes are pictures, not letters.
constexpr int symbolCharset = 2;

struct Font {
    std::string name;
    bool symbol = false;
};

// The signs the program writes in symbol fonts, drawn with characters the installed fonts carry:
// the telephone, the envelope and the web sign; any other symbol byte shows as a bullet.
QChar symbolSign(unsigned char byte) {
    switch (byte) {
    case '(':
        return QChar(0x260E);
    case '+':
        return QChar(0x2709);
    case 0xFE:
        return QChar(0x2295);
    default:
        return QChar(0x2022);
    }
}

// The control words the reader knows.
enum class Word { fonttbl, colortbl, red, green, blue, f, fcharset, fs, cf, b, i, ul, ulnone, lnkd, plain, par, line, tab, other };

Word wordOf(std::string_view name) {
    // By length first: a card's text is mostly control words, and most of them short.
    constexpr std::array<std::pair<std::string_view, Word>, 18> words{{{"f", Word::f},
                                                                       {"b", Word::b},
                                                                       {"i", Word::i},
                                                                       {"fs", Word::fs},
                                                                       {"cf", Word::cf},
                                                                       {"ul", Word::ul},
                                                                       {"red", Word::red},
                                                                       {"par", Word::par},
                                                                       {"tab", Word::tab},
                                                                       {"blue", Word::blue},
                                                                       {"lnkd", Word::lnkd},
                                                                       {"line", Word::line},
                                                                       {"green", Word::green},
                                                                       {"plain", Word::plain},
                                                                       {"ulnone", Word::ulnone},
                                                                       {"fonttbl", Word::fonttbl},
                                                                       {"colortbl", Word::colortbl},
                                                                       {"fcharset", Word::fcharset}}};
    for (const auto& [known, word] : words) {
        if (known.size() > name.size())
            break;
        if (known == name)
            return word;
    }
    return Word::other;
}

// Control words are ASCII, whatever the locale says of other bytes.
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

class Reader : public RtfFormats {
public:
    Reader(RtfSink& sink, const AnsiString& rtf, const QTextCharFormat& base) : sink_(sink), text_(rtf), base_(base) {}
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    ~Reader() = default;

    void run() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '{') {
                stack_.push_back(state_);
            } else if (c == '}') {
                endGroup();
                if (stack_.empty())
                    break;
                state_ = stack_.back();
                stack_.pop_back();
            } else if (c == '\\') {
                controlSymbol();
            } else if (c != '\r' && c != '\n') {
                character(c);
            }
        }
        flush();
        sink_.end(*this);
    }

private:
    void controlSymbol() {
        if (pos_ >= text_.size())
            return;
        const char c = text_[pos_];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++pos_;
        switch (c) {
        case '\'':
            hexCharacter();
            break;
        case '~':
            character('\xA0');
            break;
        case '*':
            state_.destination = Destination::skip;
            break;
        case '\\':
        case '{':
        case '}':
            character(c);
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default:
            break;
        }
    }

    void hexCharacter() {
        if (pos_ + 2 > text_.size())
            return;
        const std::string hex = text_.substr(pos_, 2);
        pos_ += 2;
        char* end = nullptr;
        const long value = std::strtol(hex.c_str(), &end, 16);
        if (end == hex.c_str() + 2)
            character(static_cast<char>(value));
    }

    void controlWord() {
        const size_t start = pos_;
        while (pos_ < text_.size() && isLetter(text_[pos_]))
            ++pos_;
        const std::string_view word(text_.data() + start, pos_ - start);
        bool hasParam = false;
        int param = 0;
        bool negative = false;
        if (pos_ < text_.size() && text_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        // Parameters are small numbers; longer digit runs stop growing instead of overflowing.
        constexpr int largestParam = 1 << 20;
        while (pos_ < text_.size() && isDigit(text_[pos_])) {
            hasParam = true;
            param = std::min(param * 10 + (text_[pos_++] - '0'), largestParam);
        }
        if (negative)
            param = -param;
        if (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
        apply(word, hasParam, param);
    }

    void apply(std::string_view name, bool hasParam, int param) {
        switch (wordOf(name)) {
        case Word::fonttbl:
            state_.destination = Destination::fontTable;
            break;
        case Word::colortbl:
            state_.destination = Destination::colorTable;
            colors_.clear();
            pendingColor_ = QColor(0, 0, 0);
            break;
        case Word::red:
            pendingColor_.setRed(param);
            pendingColorSet_ = true;
            break;
        case Word::green:
            pendingColor_.setGreen(param);
            pendingColorSet_ = true;
            break;
        case Word::blue:
            pendingColor_.setBlue(param);
            pendingColorSet_ = true;
            break;
        case Word::f:
            state_.style.font = param;
            if (state_.destination == Destination::fontTable)
                currentFont_ = param;
            break;
        case Word::fcharset:
            if (state_.destination == Destination::fontTable && currentFont_ >= 0 && currentFont_ < maxFonts)
                font(currentFont_).symbol = param == symbolCharset;
            break;
        case Word::fs:
            state_.style.halfPoints = std::clamp(param, smallestHalfPoints, largestHalfPoints);
            break;
        case Word::cf:
            state_.style.color = param;
            break;
        case Word::b:
            state_.style.bold = !hasParam || param != 0;
            break;
        case Word::i:
            state_.style.italic = !hasParam || param != 0;
            break;
        case Word::ul:
            state_.style.underline = !hasParam || param != 0;
            break;
        case Word::ulnone:
            state_.style.underline = false;
            break;
        case Word::lnkd:
            state_.style.link = true;
            break;
        case Word::plain:
            state_.style = RtfStyle{};
            break;
        case Word::par:
            paragraph();
            break;
        case Word::line:
            character('\x0B');
            break;
        case Word::tab:
            character('\t');
            break;
        case Word::other:
            break;
        }
    }

    void character(char c) {
        switch (state_.destination) {
        case Destination::text:
            if (!pending_.isEmpty() && !(pendingStyle_ == state_.style))
                flush();
            pendingStyle_ = state_.style;
            pending_ += isSymbolFont(state_.style.font) ? symbolSign(static_cast<unsigned char>(c))
                                                  : QChar(static_cast<char16_t>(base::cp1251ToUnicode(static_cast<unsigned char>(c))));
            break;
        case Destination::fontTable:
            if (c == ';')
                currentFont_ = -1;
            else if (currentFont_ >= 0 && currentFont_ < maxFonts)
                font(currentFont_).name += c;
            break;
        case Destination::colorTable:
            if (c == ';') {
                colors_.push_back(pendingColorSet_ ? pendingColor_ : QColor());
                pendingColor_ = QColor(0, 0, 0);
                pendingColorSet_ = false;
            }
            break;
        case Destination::skip:
            break;
        }
    }

    void endGroup() {
        if (state_.destination == Destination::text)
            flush();
    }

    void paragraph() {
        if (state_.destination != Destination::text)
            return;
        flush();
        sink_.paragraph(state_.style, *this);
    }

    Font& font(int index) {
        if (index >= static_cast<int>(fonts_.size()))
            fonts_.resize(static_cast<size_t>(index) + 1);
        return fonts_[static_cast<size_t>(index)];
    }

    bool isSymbolFont(int index) const {
        return index >= 0 && index < static_cast<int>(fonts_.size()) && fonts_[static_cast<size_t>(index)].symbol;
    }

    const std::string& face(const RtfStyle& s) const override {
        static const std::string none;
        // A symbol font keeps the base face: its signs come from the fonts that carry them.
        if (s.font < 0 || s.font >= static_cast<int>(fonts_.size()) || fonts_[static_cast<size_t>(s.font)].symbol)
            return none;
        return fonts_[static_cast<size_t>(s.font)].name;
    }

    QTextCharFormat format(const RtfStyle& s) const override {
        QTextCharFormat f = base_;
        if (const std::string& name = face(s); !name.empty())
            setFaceName(f, name);
        if (s.halfPoints > 0)
            f.setFontPointSize(s.halfPoints / 2.0);
        if (s.color > 0 && s.color < static_cast<int>(colors_.size()) && colors_[static_cast<size_t>(s.color)].isValid())
            f.setForeground(colors_[static_cast<size_t>(s.color)]);
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        f.setFontUnderline(s.underline);
        setLinkFormat(f, s.link);
        return f;
    }

    void flush() {
        if (pending_.isEmpty())
            return;
        sink_.text(pending_, pendingStyle_, *this);
        pending_.clear();
    }

    RtfSink& sink_;
    const AnsiString& text_;
    QTextCharFormat base_;
    size_t pos_ = 0;
    CharState state_;
    std::vector<CharState> stack_;
    std::vector<Font> fonts_;
    int currentFont_ = -1;
    std::vector<QColor> colors_;
    QColor pendingColor_;
    bool pendingColorSet_ = false;
    QString pending_;
    RtfStyle pendingStyle_;
};

// Runs and breaks go into a document at a cursor.
class DocumentSink : public RtfSink {
public:
    explicit DocumentSink(QTextCursor& cursor) : cursor_(cursor) {}
    DocumentSink(const DocumentSink&) = delete;
    DocumentSink& operator=(const DocumentSink&) = delete;
    ~DocumentSink() = default;

    void text(const QString& run, const RtfStyle& style, const RtfFormats& formats) override {
        cursor_.insertText(run, formats.format(style));
    }
    void paragraph(const RtfStyle& style, const RtfFormats& formats) override {
        // The break takes the state it is written in, not the format of the text before it.
        cursor_.insertBlock(cursor_.blockFormat(), formats.format(style));
    }

private:
    QTextCursor& cursor_;
};

} // namespace

void readRtf(const AnsiString& rtf, const QTextCharFormat& base, RtfSink& sink) { Reader(sink, rtf, base).run(); }

void insertRtf(QTextCursor& cursor, const AnsiString& rtf, const QTextCharFormat& base) {
    // One edit block: the document is laid out and reports its change once, not after every run
    // of text and paragraph break.
    struct EditBlock {
        QTextCursor& cursor;
        explicit EditBlock(QTextCursor& c) : cursor(c) { cursor.beginEditBlock(); }
        ~EditBlock() { cursor.endEditBlock(); }
        EditBlock(const EditBlock&) = delete;
        EditBlock& operator=(const EditBlock&) = delete;
    } block(cursor);
    DocumentSink sink(cursor);
    readRtf(rtf, base, sink);
}

bool isLinkFormat(const QTextCharFormat& format) { return format.isAnchor(); }

void setLinkFormat(QTextCharFormat& format, bool link) {
    format.setAnchor(link);
    format.setAnchorHref(link ? QStringLiteral("link") : QString());
}

} // namespace tk
