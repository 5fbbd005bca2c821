// The text of the exception a call throws, so that a refusal and its message are checked in one
// line, or a table of refusals in one loop.
#pragma once

#include <string>

namespace tktest {

// What the exception of type E thrown by call() says; another type of exception passes through.
template <typename E, typename Call>
std::string thrownText(Call&& call) {
    try {
        call();
    } catch (const E& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

} // namespace tktest
