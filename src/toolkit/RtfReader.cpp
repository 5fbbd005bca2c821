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
    static constexpr std::array<std::pair<std::string_view, Word>, 18> words{
        {{"f", Word::f},           {"b", Word::b},         {"i", Word::i},           {"fs", Word::fs},
         {"cf", Word::cf},         {"ul", Word::ul},       {"red", Word::red},       {"par", Word::par},
         {"tab", Word::tab},       {"blue", Word::blue},   {"lnkd", Word::lnkd},     {"line", Word::line},
         {"green", Word::green},   {"plain", Word::plain}, {"ulnone", Word::ulnone}, {"fonttbl", Word::fonttbl},
         {"colortbl", Word::colortbl}, {"fcharset", Word::fcharset}}};
    for (const auto& [known, word] : words) {
        if (known.size() > name.size())
            break;
        // The first letter tells most words apart without comparing the rest.
        if (known.size() == name.size() && known.front() == name.front() && known == name)
            return word;
    }
    return Word::other;
}

// Control words are ASCII, whatever the locale says of other bytes.
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Everything the reader knows at a point of the text, but the text gathered for the sink.
struct ReaderState {
    size_t pos = 0;
    CharState state;
    std::vector<CharState> stack;
    std::vector<Font> fonts;
    int currentFont = -1;
    std::vector<QColor> colors;
    QColor pendingColor;
    bool pendingColorSet = false;
};

// The state where the last text read first gave the sink anything (after its font and colour
// tables), and the bytes that state depends on: the text up to there and the byte that ended
// the control word before it. A text beginning with those bytes goes on from there.
struct Header {
    AnsiString bytes;
    ReaderState state;
};

Header& lastHeader() {
    static Header header;
    return header;
}

// Bytes that are text wherever they stand, the rest being groups, controls and line ends.
bool isPlain(char c) { return c != '{' && c != '}' && c != '\\' && c != '\r' && c != '\n'; }

QChar cp1251Character(unsigned char byte) {
    static const std::array<char16_t, 256> characters = [] {
        std::array<char16_t, 256> table{};
        for (size_t b = 0; b < table.size(); ++b)
            table[b] = static_cast<char16_t>(base::cp1251ToUnicode(static_cast<unsigned char>(b)));
        return table;
    }();
    return QChar(characters[byte]);
}

class Reader : public RtfFormats {
public:
    Reader(RtfSink& sink, const AnsiString& rtf, const QTextCharFormat& base) : sink_(sink), text_(rtf), base_(base) {}
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    ~Reader() = default;

    void run() {
        resumeAfterHeader();
        while (s_.pos < text_.size()) {
            tokenStart_ = s_.pos;
            const char c = text_[s_.pos++];
            if (c == '{') {
                s_.stack.push_back(s_.state);
            } else if (c == '}') {
                endGroup();
                if (s_.stack.empty())
                    break;
                s_.state = s_.stack.back();
                s_.stack.pop_back();
            } else if (c == '\\') {
                controlSymbol();
            } else if (c != '\r' && c != '\n') {
                plainRun();
            }
        }
        flush();
        sink_.end(*this);
    }

private:
    void resumeAfterHeader() {
        const Header& header = lastHeader();
        if (header.bytes.empty() || text_.compare(0, header.bytes.size(), header.bytes) != 0)
            return;
        s_ = header.state;
        headerTaken_ = true;
    }

    // Called before anything goes to the sink: the state is still that of the token's start,
    // as no token changes it before it gives text or a break.
    void takeHeader() {
        if (headerTaken_)
            return;
        headerTaken_ = true;
        Header& header = lastHeader();
        header.bytes.assign(text_, 0, tokenStart_ + 1);
        header.state = s_;
        header.state.pos = tokenStart_;
    }

    // The plain bytes from the token's start on, up to the next group, control or line end.
    void plainRun() {
        size_t end = s_.pos;
        while (end < text_.size() && isPlain(text_[end]))
            ++end;
        s_.pos = end;
        const std::string_view bytes(text_.data() + tokenStart_, end - tokenStart_);
        if (s_.state.destination == Destination::text) {
            addText(bytes);
            return;
        }
        for (const char c : bytes)
            character(c);
    }

    void controlSymbol() {
        if (s_.pos >= text_.size())
            return;
        const char c = text_[s_.pos];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++s_.pos;
        switch (c) {
        case '\'':
            hexCharacter();
            break;
        case '~':
            character('\xA0');
            break;
        case '*':
            s_.state.destination = Destination::skip;
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
        if (s_.pos + 2 > text_.size())
            return;
        const std::string hex = text_.substr(s_.pos, 2);
        s_.pos += 2;
        char* end = nullptr;
        const long value = std::strtol(hex.c_str(), &end, 16);
        if (end == hex.c_str() + 2)
            character(static_cast<char>(value));
    }

    void controlWord() {
        const size_t start = s_.pos;
        while (s_.pos < text_.size() && isLetter(text_[s_.pos]))
            ++s_.pos;
        const std::string_view word(text_.data() + start, s_.pos - start);
        bool hasParam = false;
        int param = 0;
        bool negative = false;
        if (s_.pos < text_.size() && text_[s_.pos] == '-') {
            negative = true;
            ++s_.pos;
        }
        // Parameters are small numbers; longer digit runs stop growing instead of overflowing.
        constexpr int largestParam = 1 << 20;
        while (s_.pos < text_.size() && isDigit(text_[s_.pos])) {
            hasParam = true;
            param = std::min(param * 10 + (text_[s_.pos++] - '0'), largestParam);
        }
        if (negative)
            param = -param;
        if (s_.pos < text_.size() && text_[s_.pos] == ' ')
            ++s_.pos;
        apply(word, hasParam, param);
    }

    void apply(std::string_view name, bool hasParam, int param) {
        CharState& state = s_.state;
        switch (wordOf(name)) {
        case Word::fonttbl:
            state.destination = Destination::fontTable;
            break;
        case Word::colortbl:
            state.destination = Destination::colorTable;
            s_.colors.clear();
            s_.pendingColor = QColor(0, 0, 0);
            break;
        case Word::red:
            s_.pendingColor.setRed(param);
            s_.pendingColorSet = true;
            break;
        case Word::green:
            s_.pendingColor.setGreen(param);
            s_.pendingColorSet = true;
            break;
        case Word::blue:
            s_.pendingColor.setBlue(param);
            s_.pendingColorSet = true;
            break;
        case Word::f:
            state.style.font = param;
            if (state.destination == Destination::fontTable)
                s_.currentFont = param;
            break;
        case Word::fcharset:
            if (state.destination == Destination::fontTable && s_.currentFont >= 0 && s_.currentFont < maxFonts)
                font(s_.currentFont).symbol = param == symbolCharset;
            break;
        case Word::fs:
            state.style.halfPoints = std::clamp(param, smallestHalfPoints, largestHalfPoints);
            break;
        case Word::cf:
            state.style.color = param;
            break;
        case Word::b:
            state.style.bold = !hasParam || param != 0;
            break;
        case Word::i:
            state.style.italic = !hasParam || param != 0;
            break;
        case Word::ul:
            state.style.underline = !hasParam || param != 0;
            break;
        case Word::ulnone:
            state.style.underline = false;
            break;
        case Word::lnkd:
            state.style.link = true;
            break;
        case Word::plain:
            state.style = RtfStyle{};
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
        switch (s_.state.destination) {
        case Destination::text:
            addText(std::string_view(&c, 1));
            break;
        case Destination::fontTable:
            if (c == ';')
                s_.currentFont = -1;
            else if (s_.currentFont >= 0 && s_.currentFont < maxFonts)
                font(s_.currentFont).name += c;
            break;
        case Destination::colorTable:
            if (c == ';') {
                s_.colors.push_back(s_.pendingColorSet ? s_.pendingColor : QColor());
                s_.pendingColor = QColor(0, 0, 0);
                s_.pendingColorSet = false;
            }
            break;
        case Destination::skip:
            break;
        }
    }

    // Text in the current style, joining the run gathered so far when its style is the same.
    void addText(std::string_view bytes) {
        takeHeader();
        if (!pending_.isEmpty() && !(pendingStyle_ == s_.state.style))
            flush();
        pendingStyle_ = s_.state.style;
        const bool symbol = isSymbolFont(s_.state.style.font);
        const qsizetype at = pending_.size();
        pending_.resize(at + qsizetype(bytes.size()));
        QChar* out = pending_.data() + at;
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            *out++ = symbol ? symbolSign(byte) : cp1251Character(byte);
        }
    }

    void endGroup() {
        if (s_.state.destination == Destination::text)
            flush();
    }

    void paragraph() {
        if (s_.state.destination != Destination::text)
            return;
        takeHeader();
        flush();
        sink_.paragraph(s_.state.style, *this);
    }

    Font& font(int index) {
        if (index >= static_cast<int>(s_.fonts.size()))
            s_.fonts.resize(static_cast<size_t>(index) + 1);
        return s_.fonts[static_cast<size_t>(index)];
    }

    bool isSymbolFont(int index) const {
        return index >= 0 && index < static_cast<int>(s_.fonts.size()) && s_.fonts[static_cast<size_t>(index)].symbol;
    }

    const std::string& face(const RtfStyle& s) const override {
        static const std::string none;
        // A symbol font keeps the base face: its signs come from the fonts that carry them.
        if (s.font < 0 || s.font >= static_cast<int>(s_.fonts.size()) || s_.fonts[static_cast<size_t>(s.font)].symbol)
            return none;
        return s_.fonts[static_cast<size_t>(s.font)].name;
    }

    QTextCharFormat format(const RtfStyle& s) const override {
        QTextCharFormat f = base_;
        if (const std::string& name = face(s); !name.empty())
            setFaceName(f, name);
        if (s.halfPoints > 0)
            f.setFontPointSize(s.halfPoints / 2.0);
        if (s.color > 0 && s.color < static_cast<int>(s_.colors.size()) && s_.colors[static_cast<size_t>(s.color)].isValid())
            f.setForeground(s_.colors[static_cast<size_t>(s.color)]);
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
        pending_.resize(0);
    }

    RtfSink& sink_;
    const AnsiString& text_;
    QTextCharFormat base_;
    ReaderState s_;
    // Where the token being read began, and whether the header has been taken or resumed.
    size_t tokenStart_ = 0;
    bool headerTaken_ = false;
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
