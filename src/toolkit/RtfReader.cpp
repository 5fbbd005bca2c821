// A small rich-text reader: groups keep a stack of character states; the font and colour tables
// and starred destinations are read or skipped as groups; text is CP1251 with \'hh escapes, but
// the bytes of symbol fonts (\fcharset2) are signs.
#include "toolkit/RtfReader_p.h"

#include <algorithm>
#include <cctype>
#include <string>
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
    int font = 0;
    int halfPoints = 0;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool link = false;
    Destination destination = Destination::text;

    bool operator==(const CharState&) const = default;
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

class Reader {
public:
    Reader(QTextCursor& cursor, const AnsiString& rtf, const QTextCharFormat& base)
        : cursor_(cursor), text_(rtf), base_(base) {}

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
    }

private:
    void controlSymbol() {
        if (pos_ >= text_.size())
            return;
        const char c = text_[pos_];
        if (std::isalpha(static_cast<unsigned char>(c))) {
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
        std::string word;
        while (pos_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[pos_])))
            word += text_[pos_++];
        bool hasParam = false;
        int param = 0;
        bool negative = false;
        if (pos_ < text_.size() && text_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        // Parameters are small numbers; longer digit runs stop growing instead of overflowing.
        constexpr int largestParam = 1 << 20;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            hasParam = true;
            param = std::min(param * 10 + (text_[pos_++] - '0'), largestParam);
        }
        if (negative)
            param = -param;
        if (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
        apply(word, hasParam, param);
    }

    void apply(const std::string& word, bool hasParam, int param) {
        if (word == "fonttbl") {
            state_.destination = Destination::fontTable;
        } else if (word == "colortbl") {
            state_.destination = Destination::colorTable;
            colors_.clear();
            pendingColor_ = QColor(0, 0, 0);
        } else if (word == "red" || word == "green" || word == "blue") {
            if (word == "red")
                pendingColor_.setRed(param);
            else if (word == "green")
                pendingColor_.setGreen(param);
            else
                pendingColor_.setBlue(param);
            pendingColorSet_ = true;
        } else if (word == "f") {
            state_.font = param;
            if (state_.destination == Destination::fontTable)
                currentFont_ = param;
        } else if (word == "fcharset") {
            if (state_.destination == Destination::fontTable && currentFont_ >= 0 && currentFont_ < maxFonts)
                font(currentFont_).symbol = param == symbolCharset;
        } else if (word == "fs") {
            state_.halfPoints = std::clamp(param, smallestHalfPoints, largestHalfPoints);
        } else if (word == "cf") {
            state_.color = param;
        } else if (word == "b") {
            state_.bold = !hasParam || param != 0;
        } else if (word == "i") {
            state_.italic = !hasParam || param != 0;
        } else if (word == "ul") {
            state_.underline = !hasParam || param != 0;
        } else if (word == "ulnone") {
            state_.underline = false;
        } else if (word == "lnkd") {
            state_.link = true;
        } else if (word == "plain") {
            const Destination keep = state_.destination;
            state_ = CharState{};
            state_.destination = keep;
        } else if (word == "par") {
            paragraph();
        } else if (word == "line") {
            character('\x0B');
        } else if (word == "tab") {
            character('\t');
        }
    }

    void character(char c) {
        switch (state_.destination) {
        case Destination::text:
            if (!pending_.isEmpty() && !(pendingState_ == sameFormat(state_)))
                flush();
            pendingState_ = sameFormat(state_);
            pending_ += isSymbolFont(state_.font) ? symbolSign(static_cast<unsigned char>(c))
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
        // The break takes the state it is written in, not the format of the text before it.
        cursor_.insertBlock(cursor_.blockFormat(), format(sameFormat(state_)));
    }

    Font& font(int index) {
        if (index >= static_cast<int>(fonts_.size()))
            fonts_.resize(static_cast<size_t>(index) + 1);
        return fonts_[static_cast<size_t>(index)];
    }

    bool isSymbolFont(int index) const {
        return index >= 0 && index < static_cast<int>(fonts_.size()) && fonts_[static_cast<size_t>(index)].symbol;
    }

    static CharState sameFormat(CharState s) {
        s.destination = Destination::text;
        return s;
    }

    QTextCharFormat format(const CharState& s) const {
        QTextCharFormat f = base_;
        // A symbol font keeps the base face: its signs come from the fonts that carry them.
        if (s.font >= 0 && s.font < static_cast<int>(fonts_.size()) && !fonts_[static_cast<size_t>(s.font)].name.empty() &&
            !fonts_[static_cast<size_t>(s.font)].symbol)
            setFaceName(f, fonts_[static_cast<size_t>(s.font)].name);
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
        cursor_.insertText(pending_, format(pendingState_));
        pending_.clear();
    }

    QTextCursor& cursor_;
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
    CharState pendingState_;
};

} // namespace

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
    Reader(cursor, rtf, base).run();
}

bool isLinkFormat(const QTextCharFormat& format) { return format.isAnchor(); }

void setLinkFormat(QTextCharFormat& format, bool link) {
    format.setAnchor(link);
    format.setAnchorHref(link ? QStringLiteral("link") : QString());
}

} // namespace tk
