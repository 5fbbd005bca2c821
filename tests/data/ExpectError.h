// Checks that an action raises an error of a class, with a message and an engine code.
#pragma once

#include <functional>
#include <string>

#include <gmock/gmock.h>

#include "data/EDbEngineError.h"

namespace datatest {

template <class E = Exception>
void expectError(const std::function<void()>& action, const testing::Matcher<std::string>& message) {
    try {
        action();
        ADD_FAILURE() << "no error";
    } catch (const E& e) {
        EXPECT_THAT(std::string(e.what()), message);
    }
}

inline void expectEngineError(const std::function<void()>& action, int code,
                              const testing::Matcher<std::string>& message = testing::_) {
    try {
        action();
        ADD_FAILURE() << "no error, expected code " << code;
    } catch (const EDbEngineError& e) {
        EXPECT_EQ(e.ErrorCode, code);
        EXPECT_THAT(std::string(e.what()), message);
    }
}

} // namespace datatest
