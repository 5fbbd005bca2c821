// A small SQL tokenizer that skips literals and comments and tracks parenthesis depth, and the
// two readers built on it.
#include "toolkit/SqlClauses.h"

#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "toolkit/AnsiStrings.h"
#include "toolkit/TDataSet.h"

namespace {

struct Token {
    enum Kind { Name, Quoted, Literal, Number, Symbol } kind;
    AnsiString text; // names without quotes
    int depth;       // parentheses open before the token
};

bool isNameChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x80 || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '_' || b == '$' ||
           b == '#' || b == '.';
}

std::vector<Token> tokenize(const AnsiString& sql) {
    std::vector<Token> tokens;
    int depth = 0;
    std::size_t i = 0;
    auto until = [&sql](std::size_t from, const char* end) {
        const std::size_t at = sql.find(end, from);
        return at == AnsiString::npos ? sql.size() : at + std::char_traits<char>::length(end);
    };
    while (i < sql.size()) {
        const char c = sql[i];
        const char next = i + 1 < sql.size() ? sql[i + 1] : '\0';
        if (static_cast<unsigned char>(c) <= ' ') {
            ++i;
        } else if (c == '-' && next == '-') {
            i = until(i + 2, "\n");
        } else if (c == '/' && next == '*') {
            i = until(i + 2, "*/");
        } else if (c == '\'') {
            i = until(i + 1, "'");
            tokens.push_back({Token::Literal, "", depth});
        } else if (c == '"' || c == '[') {
            const std::size_t close = sql.find(c == '"' ? '"' : ']', i + 1);
            const std::size_t end = close == AnsiString::npos ? sql.size() : close;
            tokens.push_back({Token::Quoted, sql.substr(i + 1, end - i - 1), depth});
            i = end + 1;
        } else if (isNameChar(c)) {
            std::size_t end = i;
            while (end < sql.size() && isNameChar(sql[end]))
                ++end;
            const bool number = c >= '0' && c <= '9';
            tokens.push_back({number ? Token::Number : Token::Name, sql.substr(i, end - i), depth});
            i = end;
        } else {
            if (c == ')')
                --depth;
            tokens.push_back({Token::Symbol, AnsiString(1, c), depth});
            if (c == '(')
                ++depth;
            ++i;
        }
    }
    return tokens;
}

bool isWord(const Token& t, const char* word) { return t.kind == Token::Name && AnsiSameText(t.text, word); }

bool isAny(const Token& t, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (isWord(t, w))
            return true;
    return false;
}

// Index of the first top-level token that is `word`, or the token count.
std::size_t findTopLevel(const std::vector<Token>& tokens, const char* word, std::size_t from = 0) {
    for (std::size_t i = from; i < tokens.size(); ++i)
        if (tokens[i].depth == 0 && isWord(tokens[i], word))
            return i;
    return tokens.size();
}

AnsiString withoutPrefix(const AnsiString& name) {
    const auto dot = name.rfind('.');
    return dot == AnsiString::npos ? name : name.substr(dot + 1);
}

} // namespace

AnsiString GetTableNameFromSQL(const AnsiString& SQL) {
    const std::vector<Token> tokens = tokenize(SQL);
    std::size_t i = findTopLevel(tokens, "FROM");
    if (++i >= tokens.size() || (tokens[i].kind != Token::Name && tokens[i].kind != Token::Quoted))
        return "";
    const AnsiString table = tokens[i].text;
    ++i;
    if (i < tokens.size() && tokens[i].depth == 0 && isWord(tokens[i], "AS"))
        ++i;
    const bool clauseFollows = i < tokens.size() && isAny(tokens[i], {"WHERE", "GROUP", "ORDER", "HAVING", "UNION", "PLAN"});
    if (i < tokens.size() && !clauseFollows && (tokens[i].kind == Token::Name || tokens[i].kind == Token::Quoted) &&
        !isAny(tokens[i], {"JOIN", "INNER", "LEFT", "RIGHT", "FULL", "CROSS", "NATURAL", "OUTER"}))
        ++i; // an alias
    if (i < tokens.size() && (tokens[i].text == "," || isAny(tokens[i], {"JOIN", "INNER", "LEFT", "RIGHT", "FULL", "CROSS", "NATURAL", "OUTER"})))
        return "";
    return table;
}

std::unique_ptr<TIndexDef> GetIndexForOrderBy(const AnsiString& SQL, TDataSet* DataSet) {
    const std::vector<Token> tokens = tokenize(SQL);
    std::size_t i = findTopLevel(tokens, "ORDER");
    if (i + 1 >= tokens.size() || !isWord(tokens[i + 1], "BY"))
        return nullptr;
    AnsiString fields;
    bool allDescending = true;
    i += 2;
    while (i < tokens.size() && tokens[i].depth == 0) {
        const Token& t = tokens[i++];
        AnsiString name;
        if (t.kind == Token::Number && DataSet) {
            DataSet->FieldDefs().Update();
            const int n = std::atoi(t.text.c_str());
            if (n < 1 || n > DataSet->FieldDefs().Count())
                return nullptr;
            name = DataSet->FieldDefs()[n - 1]->Name();
        } else if (t.kind == Token::Name || t.kind == Token::Quoted) {
            name = t.kind == Token::Name ? withoutPrefix(t.text) : t.text;
        } else {
            break;
        }
        bool descending = false;
        if (i < tokens.size() && isAny(tokens[i], {"ASC", "DESC", "ASCENDING", "DESCENDING"}))
            descending = AnsiSameText(tokens[i++].text.substr(0, 4), "DESC");
        allDescending = allDescending && descending;
        fields += (fields.empty() ? "" : ";") + name;
        if (i >= tokens.size() || tokens[i].text != ",")
            break;
        ++i; // past the comma
    }
    if (fields.empty())
        return nullptr;
    return std::make_unique<TIndexDef>(nullptr, "", fields, allDescending ? TIndexOptions(ixDescending) : 0);
}
