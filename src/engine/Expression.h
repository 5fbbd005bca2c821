// The engine's xBase-style expression language, shared by filters, optimised filters, index
// conditions and Locate: a text parsed once against a record layout into a tree, then evaluated on
// record images.
#pragma once

#include "engine/RecordLayout.h"
#include "engine/Status.h"
#include "engine/Value.h"

#include <memory>
#include <string>
#include <string_view>

namespace ce {

struct EvalContext {
    const RecordLayout* layout = nullptr;
    const unsigned char* record = nullptr;
    // String "=" compares exactly (after trimming trailing blanks) instead of as a prefix.
    bool exact = false;
};

class Expression {
public:
    struct Node;

    // 5070 for a syntax error or an unknown name, 5071 when the expression cannot be logical.
    static Status parse(std::string_view text, const RecordLayout& layout, std::unique_ptr<Expression>& out);

    ~Expression();

    Value evaluate(const EvalContext& context) const;
    // True only for a logical true value.
    bool test(const EvalContext& context) const;

    const std::string& text() const { return text_; }

private:
    Expression() = default;
    std::string text_;
    std::unique_ptr<Node> root_;
};

} // namespace ce
