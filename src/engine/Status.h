// The outcome of an engine operation: a result code and the text that goes with it into the
// caller's last error. Every operation that can fail returns one; dropping it does not compile.
#pragma once

#include "engine/ResultCode.h"

#include <cstdint>
#include <string>
#include <utility>

namespace ce {

class [[nodiscard]] Status {
public:
    Status() = default;
    Status(ResultCode code, std::string text) : code_(code), text_(std::move(text)) {}
    explicit Status(ResultCode code) : code_(code), text_(resultText(code)) {}

    bool ok() const { return code_ == kOk; }
    ResultCode code() const { return code_; }
    const std::string& text() const { return text_; }

private:
    ResultCode code_ = kOk;
    std::string text_;
};

// Passes a failed status up to the caller.
#define CE_TRY(expr)                  \
    do {                              \
        ::ce::Status status_ = (expr); \
        if (!status_.ok())            \
            return status_;           \
    } while (false)

} // namespace ce
