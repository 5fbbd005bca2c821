// The second form of a statement with "UPPER(column) LIKE ?N" comparisons, and the byte range of a
// plain-beginning pattern. The text is read as a list of tokens: a comparison is rewritten only
// where the tokens around it show that nothing binds tighter to it than AND, so that putting it in
// brackets with its range keeps the meaning of the text.
#include "engine/PrefixLike.h"

#include "engine/ParamScanner.h"

#include "base/CaseMap.h"

#include <cctype>

namespace ce {
namespace {

struct Token {
    enum class Kind { Word, Quoted, Marker, Symbol } kind;
    size_t begin;
    size_t end;
};

bool isWordByte(unsigned char c) { return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80; }

// Blanks and comments are dropped; a literal or quoted name is one token.
std::vector<Token> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t begin = i;
        bool unterminated = false;
        if (const size_t skipped = skippedEnd(text, i, unterminated); skipped != i) {
            i = skipped;
            if (c != '-' && c != '/')
                tokens.push_back({Token::Kind::Quoted, begin, i});
        } else if (c <= ' ') {
            ++i;
        } else if (c == '?') {
            for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));)
                ++i;
            tokens.push_back({Token::Kind::Marker, begin, i});
        } else if (isWordByte(c)) {
            while (i < text.size() && isWordByte(static_cast<unsigned char>(text[i])))
                ++i;
            tokens.push_back({Token::Kind::Word, begin, i});
        } else {
            ++i;
            tokens.push_back({Token::Kind::Symbol, begin, i});
        }
    }
    return tokens;
}

class TokenList {
public:
    TokenList(std::string_view text) : text_(text), tokens_(tokenize(text)) {}

    size_t size() const { return tokens_.size(); }
    const Token& operator[](size_t i) const { return tokens_[i]; }
    std::string_view textOf(size_t i) const { return text_.substr(tokens_[i].begin, tokens_[i].end - tokens_[i].begin); }

    bool isWord(size_t i, std::string_view word) const {
        return i < size() && tokens_[i].kind == Token::Kind::Word && base::upperCp1251(textOf(i)) == word;
    }
    bool isSymbol(size_t i, char symbol) const {
        return i < size() && tokens_[i].kind == Token::Kind::Symbol && text_[tokens_[i].begin] == symbol;
    }
    bool isName(size_t i) const {
        return i < size() && (tokens_[i].kind == Token::Kind::Word || tokens_[i].kind == Token::Kind::Quoted);
    }
    bool hasWord(std::string_view word) const {
        for (size_t i = 0; i < size(); ++i)
            if (isWord(i, word))
                return true;
        return false;
    }

private:
    std::string_view text_;
    std::vector<Token> tokens_;
};

// Nothing before the comparison takes its left operand away from it.
bool opensTerm(const TokenList& t, size_t i) {
    if (i == 0)
        return false;
    const size_t before = i - 1;
    return t.isSymbol(before, '(') || t.isWord(before, "WHERE") || t.isWord(before, "ON") ||
           t.isWord(before, "HAVING") || t.isWord(before, "AND") || t.isWord(before, "OR");
}

// Nothing after the comparison takes its pattern away from it.
bool closesTerm(const TokenList& t, size_t i) {
    return i >= t.size() || t.isSymbol(i, ')') || t.isSymbol(i, ';') || t.isWord(i, "AND") || t.isWord(i, "OR") ||
           t.isWord(i, "ORDER") || t.isWord(i, "GROUP") || t.isWord(i, "LIMIT");
}

// The marker number of "UPPER ( name [. name] ) LIKE ?N" starting at token i, with the token
// after the closing bracket and after the marker; 0 when the tokens are something else.
size_t matchTerm(const TokenList& t, size_t i, size_t markers, size_t& closing, size_t& after) {
    if (!t.isWord(i, "UPPER") || !t.isSymbol(i + 1, '(') || !t.isName(i + 2))
        return 0;
    size_t at = i + 3;
    if (t.isSymbol(at, '.')) {
        if (!t.isName(at + 1))
            return 0;
        at += 2;
    }
    if (!t.isSymbol(at, ')') || !t.isWord(at + 1, "LIKE") || at + 2 >= t.size() ||
        t[at + 2].kind != Token::Kind::Marker)
        return 0;
    const std::string_view digits = t.textOf(at + 2).substr(1);
    if (digits.empty() || digits.size() > 6)
        return 0;
    const size_t number = std::stoul(std::string(digits));
    if (number < 1 || number > markers)
        return 0;
    closing = at;
    after = at + 3;
    return number;
}

// Well-formed UTF-8 in its one shortest form, without U+FFFD: then two texts match character by
// character exactly when they match byte by byte.
bool isPlainUtf8(std::string_view text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char lead = *p;
        size_t extra = 0;
        unsigned char low = 0x80, high = 0xBF; // the bounds of the second byte
        if (lead < 0x80) {
            extra = 0;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (static_cast<size_t>(end - p) <= extra)
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            const unsigned char next = p[k];
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return false;
        }
        if (extra == 2 && lead == 0xEF && p[1] == 0xBF && p[2] == 0xBD)
            return false; // U+FFFD, which a damaged text decodes to
        p += extra + 1;
    }
    return true;
}

} // namespace

PrefixLikeForm prefixLikeForm(std::string_view utf8, size_t markers) {
    PrefixLikeForm form;
    const TokenList t(utf8);
    // "x BETWEEN a AND UPPER(c) LIKE ?1" groups as "(x BETWEEN a AND UPPER(c)) LIKE ?1".
    if (t.hasWord("BETWEEN"))
        return form;
    size_t copied = 0;
    int next = static_cast<int>(markers);
    for (size_t i = 0; i < t.size(); ++i) {
        size_t closing = 0, after = 0;
        const size_t number = matchTerm(t, i, markers, closing, after);
        if (number == 0 || !opensTerm(t, i) || !closesTerm(t, after))
            continue;
        const std::string_view operand = utf8.substr(t[i].begin, t[closing].end - t[i].begin);
        const PrefixLikeTerm term{number - 1, next + 1, next + 2};
        next += 2;
        form.text += utf8.substr(copied, t[i].begin - copied);
        form.text += "(";
        form.text += utf8.substr(t[i].begin, t[after - 1].end - t[i].begin);
        form.text += " AND " + std::string(operand) + " >= ?" + std::to_string(term.low);
        form.text += " AND " + std::string(operand) + " < ?" + std::to_string(term.high) + ")";
        copied = t[after - 1].end;
        form.terms.push_back(term);
        i = after - 1;
    }
    if (form.terms.empty())
        return form;
    form.text += utf8.substr(copied);
    return form;
}

bool prefixLikeRange(std::string_view pattern, std::string& low, std::string& high) {
    size_t end = pattern.size();
    while (end > 0 && pattern[end - 1] == '%')
        --end;
    if (end == 0 || end == pattern.size())
        return false;
    const std::string_view prefix = pattern.substr(0, end);
    if (prefix.find_first_of("%_") != std::string_view::npos || !isPlainUtf8(prefix))
        return false;
    low = std::string(prefix);
    // The last byte of well-formed UTF-8 is at most 0xBF, so it has a successor.
    high = low;
    high.back() = static_cast<char>(static_cast<unsigned char>(high.back()) + 1);
    return true;
}

} // namespace ce
