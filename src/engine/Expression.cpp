// Parser and evaluator of the expression language. Names are case-insensitive; "AND", ".AND."
// and friends are the same operator; comparisons with null are false; string "=" is a prefix
// comparison unless the cursor asks for exact comparison.
#include "engine/Expression.h"

#include "engine/DateFormat.h"
#include "engine/FieldCodec.h"
#include "engine/JulianDate.h"
#include "engine/Settings.h"

#include "base/CaseMap.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace ce {

enum class Op {
    Literal, Field, Not, And, Or, Neg, Add, Sub, Mul, Div,
    Eq, ExactEq, Ne, Lt, Le, Gt, Ge, Contains, Call
};

enum class Function {
    Upper, Lower, Empty, Ctod, Ctot, Ctots, Chr, Trim, Ltrim, Alltrim, Left, Right, Substr, Len, At,
    Str, Val, Dtos, Dtoc, Year, Month, Day, Iif, IsNull
};

struct Expression::Node {
    Op op = Op::Literal;
    Value literal;
    int field = -1;
    Function function = Function::Upper;
    std::vector<std::unique_ptr<Node>> args;
};

namespace {

using Node = Expression::Node;

struct FunctionInfo {
    const char* name;
    Function function;
    size_t minArgs;
    size_t maxArgs;
};

const FunctionInfo kFunctions[] = {
    {"UPPER", Function::Upper, 1, 1},   {"LOWER", Function::Lower, 1, 1},   {"EMPTY", Function::Empty, 1, 1},
    {"CTOD", Function::Ctod, 1, 1},     {"CTOT", Function::Ctot, 1, 1},     {"CTOTS", Function::Ctots, 1, 1},
    {"CHR", Function::Chr, 1, 1},       {"TRIM", Function::Trim, 1, 1},     {"RTRIM", Function::Trim, 1, 1},
    {"LTRIM", Function::Ltrim, 1, 1},   {"ALLTRIM", Function::Alltrim, 1, 1}, {"LEFT", Function::Left, 2, 2},
    {"RIGHT", Function::Right, 2, 2},   {"SUBSTR", Function::Substr, 2, 3}, {"LEN", Function::Len, 1, 1},
    {"AT", Function::At, 2, 2},         {"STR", Function::Str, 1, 3},       {"VAL", Function::Val, 1, 1},
    {"DTOS", Function::Dtos, 1, 1},     {"DTOC", Function::Dtoc, 1, 1},     {"YEAR", Function::Year, 1, 1},
    {"MONTH", Function::Month, 1, 1},   {"DAY", Function::Day, 1, 1},       {"IIF", Function::Iif, 3, 3},
    {"ISNULL", Function::IsNull, 1, 1},
};

enum class TokenKind { End, Name, Number, Text, Symbol, Dotted };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text; // upper-cased for names and dotted words
    double number = 0;
};

bool isNameStart(unsigned char c) { return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0; }
bool isNameChar(unsigned char c) { return isNameStart(c) || (c >= '0' && c <= '9'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

Status syntaxError(std::string_view text, const std::string& what) {
    return Status(kExpressionSyntax, "Expression syntax error: " + what + " in \"" + std::string(text) + "\"");
}

Status tokenize(std::string_view text, std::vector<Token>& tokens) {
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        Token token;
        if (c == '"' || c == '\'') {
            const size_t end = text.find(c, i + 1);
            if (end == std::string_view::npos)
                return syntaxError(text, "unterminated string");
            token.kind = TokenKind::Text;
            token.text = std::string(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else if (isDigit(c) || (c == '.' && i + 1 < text.size() && isDigit(text[i + 1]))) {
            size_t end = i;
            while (end < text.size() && (isDigit(text[end]) || text[end] == '.'))
                ++end;
            token.kind = TokenKind::Number;
            token.number = std::strtod(std::string(text.substr(i, end - i)).c_str(), nullptr);
            i = end;
        } else if (c == '.' && i + 1 < text.size() && isNameStart(static_cast<unsigned char>(text[i + 1]))) {
            size_t end = i + 1;
            while (end < text.size() && isNameChar(static_cast<unsigned char>(text[end])))
                ++end;
            if (end >= text.size() || text[end] != '.')
                return syntaxError(text, "bad dotted word");
            token.kind = TokenKind::Dotted;
            token.text = base::upperCp1251(text.substr(i + 1, end - i - 1));
            i = end + 1;
        } else if (isNameStart(static_cast<unsigned char>(c))) {
            size_t end = i;
            while (end < text.size() && isNameChar(static_cast<unsigned char>(text[end])))
                ++end;
            token.kind = TokenKind::Name;
            token.text = base::upperCp1251(text.substr(i, end - i));
            i = end;
        } else {
            static const char* const kTwo[] = {"==", "<>", "<=", ">=", "!="};
            token.kind = TokenKind::Symbol;
            for (const char* two : kTwo)
                if (text.substr(i, 2) == two)
                    token.text = two;
            if (token.text.empty()) {
                if (!std::strchr("=<>#!$+-*/(),", c))
                    return syntaxError(text, std::string("unexpected character '") + c + "'");
                token.text = std::string(1, c);
            }
            i += token.text.size();
        }
        tokens.push_back(std::move(token));
    }
    tokens.push_back(Token{});
    return {};
}

class Parser {
public:
    Parser(std::string_view text, const std::vector<Token>& tokens, const RecordLayout& layout)
        : text_(text), tokens_(tokens), layout_(layout) {}

    Status parse(std::unique_ptr<Node>& out) {
        CE_TRY(parseOr(out));
        if (peek().kind != TokenKind::End)
            return syntaxError(text_, "unexpected \"" + peek().text + "\"");
        return {};
    }

private:
    // Parentheses, NOT and unary minus nest by recursion here, in the evaluator and in the tree's
    // destructor: a depth no real filter reaches is refused, so a hostile text cannot exhaust the
    // stack.
    static constexpr int kMaxDepth = 256;

    class Nesting {
    public:
        explicit Nesting(int& depth) : depth_(depth) { ++depth_; }
        ~Nesting() { --depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;
        bool isTooDeep() const { return depth_ > kMaxDepth; }

    private:
        int& depth_;
    };

    const Token& peek() const { return tokens_[pos_]; }
    bool isWord(const char* word) const {
        const Token& t = peek();
        return (t.kind == TokenKind::Name || t.kind == TokenKind::Dotted) && t.text == word;
    }
    bool isSymbol(const char* symbol) const { return peek().kind == TokenKind::Symbol && peek().text == symbol; }

    static std::unique_ptr<Node> binary(Op op, std::unique_ptr<Node> a, std::unique_ptr<Node> b) {
        auto node = std::make_unique<Node>();
        node->op = op;
        node->args.push_back(std::move(a));
        node->args.push_back(std::move(b));
        return node;
    }

    Status parseOr(std::unique_ptr<Node>& out) {
        const Nesting nesting(depth_);
        if (nesting.isTooDeep())
            return syntaxError(text_, "expression nested too deeply");
        CE_TRY(parseAnd(out));
        while (isWord("OR")) {
            ++pos_;
            std::unique_ptr<Node> right;
            CE_TRY(parseAnd(right));
            out = binary(Op::Or, std::move(out), std::move(right));
        }
        return {};
    }

    Status parseAnd(std::unique_ptr<Node>& out) {
        CE_TRY(parseNot(out));
        while (isWord("AND")) {
            ++pos_;
            std::unique_ptr<Node> right;
            CE_TRY(parseNot(right));
            out = binary(Op::And, std::move(out), std::move(right));
        }
        return {};
    }

    Status parseNot(std::unique_ptr<Node>& out) {
        if (!isWord("NOT") && !isSymbol("!"))
            return parseComparison(out);
        const Nesting nesting(depth_);
        if (nesting.isTooDeep())
            return syntaxError(text_, "expression nested too deeply");
        ++pos_;
        out = std::make_unique<Node>();
        out->op = Op::Not;
        out->args.emplace_back();
        return parseNot(out->args.back());
    }

    Status parseComparison(std::unique_ptr<Node>& out) {
        CE_TRY(parseAdditive(out));
        static const std::pair<const char*, Op> kOps[] = {
            {"=", Op::Eq},  {"==", Op::ExactEq}, {"<>", Op::Ne}, {"#", Op::Ne}, {"!=", Op::Ne},
            {"<", Op::Lt},  {"<=", Op::Le},      {">", Op::Gt},  {">=", Op::Ge}, {"$", Op::Contains},
        };
        for (const auto& [symbol, op] : kOps) {
            if (!isSymbol(symbol))
                continue;
            ++pos_;
            std::unique_ptr<Node> right;
            CE_TRY(parseAdditive(right));
            out = binary(op, std::move(out), std::move(right));
            return {};
        }
        return {};
    }

    Status parseAdditive(std::unique_ptr<Node>& out) {
        CE_TRY(parseMultiplicative(out));
        while (isSymbol("+") || isSymbol("-")) {
            const Op op = isSymbol("+") ? Op::Add : Op::Sub;
            ++pos_;
            std::unique_ptr<Node> right;
            CE_TRY(parseMultiplicative(right));
            out = binary(op, std::move(out), std::move(right));
        }
        return {};
    }

    Status parseMultiplicative(std::unique_ptr<Node>& out) {
        CE_TRY(parseUnary(out));
        while (isSymbol("*") || isSymbol("/")) {
            const Op op = isSymbol("*") ? Op::Mul : Op::Div;
            ++pos_;
            std::unique_ptr<Node> right;
            CE_TRY(parseUnary(right));
            out = binary(op, std::move(out), std::move(right));
        }
        return {};
    }

    Status parseUnary(std::unique_ptr<Node>& out) {
        if (!isSymbol("-"))
            return parsePrimary(out);
        const Nesting nesting(depth_);
        if (nesting.isTooDeep())
            return syntaxError(text_, "expression nested too deeply");
        ++pos_;
        out = std::make_unique<Node>();
        out->op = Op::Neg;
        out->args.emplace_back();
        return parseUnary(out->args.back());
    }

    Status parsePrimary(std::unique_ptr<Node>& out) {
        const Token& t = peek();
        out = std::make_unique<Node>();
        switch (t.kind) {
        case TokenKind::Number:
            out->literal = Value::makeNumber(t.number);
            ++pos_;
            return {};
        case TokenKind::Text:
            out->literal = Value::makeText(t.text);
            ++pos_;
            return {};
        case TokenKind::Dotted:
            if (t.text != "T" && t.text != "F" && t.text != "TRUE" && t.text != "FALSE")
                return syntaxError(text_, "unexpected ." + t.text + ".");
            out->literal = Value::makeLogical(t.text[0] == 'T');
            ++pos_;
            return {};
        case TokenKind::Symbol:
            if (t.text != "(")
                return syntaxError(text_, "unexpected \"" + t.text + "\"");
            ++pos_;
            CE_TRY(parseOr(out));
            if (!isSymbol(")"))
                return syntaxError(text_, "missing \")\"");
            ++pos_;
            return {};
        case TokenKind::Name:
            return parseName(out);
        case TokenKind::End:
            break;
        }
        return syntaxError(text_, "unexpected end");
    }

    Status parseName(std::unique_ptr<Node>& out) {
        const std::string name = peek().text;
        ++pos_;
        if (!isSymbol("(")) {
            out->op = Op::Field;
            out->field = layout_.findField(name);
            if (out->field < 0)
                return syntaxError(text_, "unknown field " + name);
            return {};
        }
        ++pos_;
        const FunctionInfo* info = nullptr;
        for (const FunctionInfo& candidate : kFunctions)
            if (name == candidate.name)
                info = &candidate;
        if (!info)
            return syntaxError(text_, "unknown function " + name);
        out->op = Op::Call;
        out->function = info->function;
        while (!isSymbol(")")) {
            if (!out->args.empty()) {
                if (!isSymbol(","))
                    return syntaxError(text_, "missing \",\"");
                ++pos_;
            }
            out->args.emplace_back();
            CE_TRY(parseOr(out->args.back()));
        }
        ++pos_;
        if (out->args.size() < info->minArgs || out->args.size() > info->maxArgs)
            return syntaxError(text_, "wrong number of arguments to " + name);
        return {};
    }

    std::string_view text_;
    const std::vector<Token>& tokens_;
    const RecordLayout& layout_;
    size_t pos_ = 0;
    int depth_ = 0;
};

std::string rtrim(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\0'))
        s.pop_back();
    return s;
}

std::string ltrim(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    return s.substr(i);
}

std::string numberText(double n, int length, int decimals) {
    char buffer[64];
    const int width = std::snprintf(buffer, sizeof buffer, "%*.*f", length, decimals, n);
    if (width < 0)
        return {};
    if (length > 0 && width > length)
        return std::string(static_cast<size_t>(length), '*');
    return buffer;
}

std::string defaultNumberText(double n) {
    return ltrim(numberText(n, 0, std::nearbyint(n) == n ? 0 : settings().decimals));
}

// Milliseconds since midnight of "hh:mm[:ss[.zzz]]".
bool readTime(std::string_view text, int64_t& ms) {
    int parts[4] = {0, 0, 0, 0};
    size_t i = 0;
    int part = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    for (; part < 4 && i < text.size() && isDigit(text[i]); ++part) {
        for (int digits = 0; i < text.size() && isDigit(text[i]); ++digits) {
            if (digits == 3)
                return false;
            parts[part] = parts[part] * 10 + (text[i++] - '0');
        }
        if (i < text.size() && (text[i] == ':' || text[i] == '.'))
            ++i;
    }
    if (part < 2 || parts[0] > 23 || parts[1] > 59 || parts[2] > 59 || parts[3] > 999)
        return false;
    ms = ((parts[0] * 60 + parts[1]) * 60 + parts[2]) * 1000 + parts[3];
    return true;
}

int compareValues(const Value& a, const Value& b, bool& comparable) {
    comparable = true;
    auto ordered = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    if (a.kind == Value::Kind::Text && b.kind == Value::Kind::Text)
        return ordered(rtrim(a.text), rtrim(b.text));
    if (a.kind == Value::Kind::Number && b.kind == Value::Kind::Number)
        return ordered(a.number, b.number);
    if (a.kind == Value::Kind::Logical && b.kind == Value::Kind::Logical)
        return ordered(a.logical, b.logical);
    const bool aTime = a.kind == Value::Kind::Date || a.kind == Value::Kind::Timestamp;
    const bool bTime = b.kind == Value::Kind::Date || b.kind == Value::Kind::Timestamp;
    if (aTime && bTime) {
        const int64_t x = a.kind == Value::Kind::Date ? a.integer * kMillisecondsPerDay : a.integer;
        const int64_t y = b.kind == Value::Kind::Date ? b.integer * kMillisecondsPerDay : b.integer;
        return ordered(x, y);
    }
    comparable = false;
    return 0;
}

bool isEmptyValue(const Value& v) {
    switch (v.kind) {
    case Value::Kind::Null:
        return true;
    case Value::Kind::Text:
        return rtrim(v.text).empty();
    case Value::Kind::Number:
        return v.number == 0;
    case Value::Kind::Logical:
        return !v.logical;
    default:
        return false;
    }
}

Value evaluateNode(const Node& node, const EvalContext& context);

Value callFunction(const Node& node, const EvalContext& context) {
    std::vector<Value> args;
    args.reserve(node.args.size());
    // IIF evaluates only the branch it takes.
    if (node.function == Function::Iif) {
        const Value condition = evaluateNode(*node.args[0], context);
        const bool taken = condition.kind == Value::Kind::Logical && condition.logical;
        return evaluateNode(*node.args[taken ? 1 : 2], context);
    }
    for (const auto& arg : node.args)
        args.push_back(evaluateNode(*arg, context));
    const Value& a = args[0];
    const bool text = a.kind == Value::Kind::Text;
    const bool number = a.kind == Value::Kind::Number;
    const bool date = a.kind == Value::Kind::Date;
    auto intArg = [&](size_t i) -> long long {
        return i < args.size() && args[i].kind == Value::Kind::Number ? std::llround(args[i].number) : -1;
    };
    switch (node.function) {
    case Function::Upper:
        return text ? Value::makeText(base::upperCp1251(a.text)) : Value{};
    case Function::Lower:
        return text ? Value::makeText(base::lowerCp1251(a.text)) : Value{};
    case Function::Empty:
        return Value::makeLogical(isEmptyValue(a));
    case Function::IsNull:
        return Value::makeLogical(a.isNull());
    case Function::Ctod: {
        if (!text)
            return {};
        const auto julian = settings().dateFormat.read(a.text);
        return julian ? Value::makeDate(*julian) : Value{};
    }
    case Function::Ctot: {
        int64_t ms = 0;
        return text && readTime(a.text, ms) ? Value::makeNumber(static_cast<double>(ms)) : Value{};
    }
    case Function::Ctots: {
        if (!text)
            return {};
        const std::string trimmed = ltrim(a.text);
        const size_t blank = trimmed.find(' ');
        const auto julian = settings().dateFormat.read(trimmed.substr(0, blank));
        int64_t ms = 0;
        if (!julian || (blank != std::string::npos && !readTime(trimmed.substr(blank + 1), ms)))
            return {};
        return Value::makeTimestamp(*julian * kMillisecondsPerDay + ms);
    }
    case Function::Chr: {
        const long long code = intArg(0);
        return code >= 0 && code <= 255 ? Value::makeText(std::string(1, static_cast<char>(code))) : Value{};
    }
    case Function::Trim:
        return text ? Value::makeText(rtrim(a.text)) : Value{};
    case Function::Ltrim:
        return text ? Value::makeText(ltrim(a.text)) : Value{};
    case Function::Alltrim:
        return text ? Value::makeText(ltrim(rtrim(a.text))) : Value{};
    case Function::Left: {
        const long long n = intArg(1);
        return text && n >= 0 ? Value::makeText(a.text.substr(0, static_cast<size_t>(n))) : Value{};
    }
    case Function::Right: {
        const long long n = intArg(1);
        if (!text || n < 0)
            return {};
        const size_t keep = std::min(a.text.size(), static_cast<size_t>(n));
        return Value::makeText(a.text.substr(a.text.size() - keep));
    }
    case Function::Substr: {
        const long long start = intArg(1);
        const long long count = args.size() > 2 ? intArg(2) : static_cast<long long>(a.text.size());
        if (!text || start < 1 || count < 0 || static_cast<size_t>(start) > a.text.size() + 1)
            return {};
        return Value::makeText(a.text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count)));
    }
    case Function::Len:
        return text ? Value::makeNumber(static_cast<double>(a.text.size())) : Value{};
    case Function::At: {
        if (!text || args[1].kind != Value::Kind::Text)
            return {};
        const size_t at = args[1].text.find(a.text);
        return Value::makeNumber(at == std::string::npos ? 0 : static_cast<double>(at + 1));
    }
    case Function::Str: {
        if (!number)
            return {};
        const long long length = args.size() > 1 ? intArg(1) : 10;
        const long long decimals = args.size() > 2 ? intArg(2) : (args.size() > 1 ? 0 : settings().decimals);
        if (length < 1 || length > 64 || decimals < 0 || decimals > 30)
            return {};
        return Value::makeText(numberText(a.number, static_cast<int>(length), static_cast<int>(decimals)));
    }
    case Function::Val:
        return text ? Value::makeNumber(std::strtod(a.text.c_str(), nullptr)) : Value{};
    case Function::Dtos:
        return date ? Value::makeText(julianToStorageText(a.integer)) : Value{};
    case Function::Dtoc:
        return date ? Value::makeText(settings().dateFormat.format(a.integer)) : Value{};
    case Function::Year:
        return date ? Value::makeNumber(dateFromJulian(a.integer).year) : Value{};
    case Function::Month:
        return date ? Value::makeNumber(dateFromJulian(a.integer).month) : Value{};
    case Function::Day:
        return date ? Value::makeNumber(dateFromJulian(a.integer).day) : Value{};
    case Function::Iif:
        break;
    }
    return {};
}

Value arithmetic(Op op, const Value& a, const Value& b) {
    using K = Value::Kind;
    if (a.isNull() || b.isNull())
        return {};
    if (op == Op::Add && (a.kind == K::Text || b.kind == K::Text)) {
        auto asText = [](const Value& v) {
            return v.kind == K::Number ? defaultNumberText(v.number) : v.kind == K::Text ? v.text : std::string();
        };
        return Value::makeText(asText(a) + asText(b));
    }
    if (op == Op::Sub && a.kind == K::Text && b.kind == K::Text) {
        // xBase "-" moves the left operand's trailing blanks to the end.
        const std::string left = rtrim(a.text);
        return Value::makeText(left + b.text + std::string(a.text.size() - left.size(), ' '));
    }
    if (a.kind == K::Date && b.kind == K::Number && (op == Op::Add || op == Op::Sub)) {
        // Beyond about 27,000 years a date means nothing; the bound keeps the sum in range.
        if (!(std::fabs(b.number) < 1e7))
            return {};
        return Value::makeDate(a.integer + (op == Op::Add ? 1 : -1) * std::llround(b.number));
    }
    if (a.kind == K::Date && b.kind == K::Date && op == Op::Sub)
        return Value::makeNumber(static_cast<double>(a.integer - b.integer));
    if (a.kind != K::Number || b.kind != K::Number)
        return {};
    switch (op) {
    case Op::Add:
        return Value::makeNumber(a.number + b.number);
    case Op::Sub:
        return Value::makeNumber(a.number - b.number);
    case Op::Mul:
        return Value::makeNumber(a.number * b.number);
    default:
        return b.number == 0 ? Value{} : Value::makeNumber(a.number / b.number);
    }
}

Value comparison(Op op, const Value& a, const Value& b, bool exact) {
    if (a.isNull() || b.isNull())
        return Value::makeLogical(false);
    using K = Value::Kind;
    if (op == Op::Contains) {
        if (a.kind != K::Text || b.kind != K::Text)
            return Value::makeLogical(false);
        return Value::makeLogical(b.text.find(rtrim(a.text)) != std::string::npos);
    }
    if (op == Op::Eq && a.kind == K::Text && b.kind == K::Text && !exact) {
        // Prefix comparison: over the right operand's length.
        const std::string& right = b.text;
        return Value::makeLogical(a.text.compare(0, right.size(), right) == 0 && a.text.size() >= right.size());
    }
    bool comparable = false;
    const int c = compareValues(a, b, comparable);
    if (!comparable)
        return Value::makeLogical(false);
    switch (op) {
    case Op::Eq:
    case Op::ExactEq:
        return Value::makeLogical(c == 0);
    case Op::Ne:
        return Value::makeLogical(c != 0);
    case Op::Lt:
        return Value::makeLogical(c < 0);
    case Op::Le:
        return Value::makeLogical(c <= 0);
    case Op::Gt:
        return Value::makeLogical(c > 0);
    default:
        return Value::makeLogical(c >= 0);
    }
}

bool isTrue(const Value& v) { return v.kind == Value::Kind::Logical && v.logical; }

Value evaluateNode(const Node& node, const EvalContext& context) {
    switch (node.op) {
    case Op::Literal:
        return node.literal;
    case Op::Field: {
        const FieldDef& field = context.layout->fields()[static_cast<size_t>(node.field)];
        return slotValue(field, context.layout->family(), context.record + field.offset);
    }
    case Op::Not: {
        const Value v = evaluateNode(*node.args[0], context);
        return v.kind == Value::Kind::Logical ? Value::makeLogical(!v.logical) : Value{};
    }
    case Op::And:
        return Value::makeLogical(isTrue(evaluateNode(*node.args[0], context)) &&
                                  isTrue(evaluateNode(*node.args[1], context)));
    case Op::Or:
        return Value::makeLogical(isTrue(evaluateNode(*node.args[0], context)) ||
                                  isTrue(evaluateNode(*node.args[1], context)));
    case Op::Neg: {
        const Value v = evaluateNode(*node.args[0], context);
        return v.kind == Value::Kind::Number ? Value::makeNumber(-v.number) : Value{};
    }
    case Op::Add:
    case Op::Sub:
    case Op::Mul:
    case Op::Div:
        return arithmetic(node.op, evaluateNode(*node.args[0], context), evaluateNode(*node.args[1], context));
    case Op::Call:
        return callFunction(node, context);
    default:
        return comparison(node.op, evaluateNode(*node.args[0], context), evaluateNode(*node.args[1], context),
                          context.exact || node.op == Op::ExactEq);
    }
}

// Whether a tree can give a logical value; literals, arithmetic and text functions cannot.
bool canBeLogical(const Node& node, const RecordLayout& layout) {
    switch (node.op) {
    case Op::Literal:
        return node.literal.kind == Value::Kind::Logical;
    case Op::Field:
        return layout.fields()[static_cast<size_t>(node.field)].type == kLogical;
    case Op::Neg:
    case Op::Add:
    case Op::Sub:
    case Op::Mul:
    case Op::Div:
        return false;
    case Op::Call:
        return node.function == Function::Empty || node.function == Function::IsNull || node.function == Function::Iif;
    default:
        return true;
    }
}

} // namespace

Expression::~Expression() = default;

Status Expression::parse(std::string_view text, const RecordLayout& layout, std::unique_ptr<Expression>& out) {
    std::vector<Token> tokens;
    CE_TRY(tokenize(text, tokens));
    std::unique_ptr<Node> root;
    CE_TRY(Parser(text, tokens, layout).parse(root));
    if (!canBeLogical(*root, layout))
        return Status(kExpressionType, "Expression type mismatch: \"" + std::string(text) + "\" is not logical");
    out.reset(new Expression);
    out->text_ = std::string(text);
    out->root_ = std::move(root);
    return {};
}

Value Expression::evaluate(const EvalContext& context) const { return evaluateNode(*root_, context); }

bool Expression::test(const EvalContext& context) const { return isTrue(evaluate(context)); }

} // namespace ce
