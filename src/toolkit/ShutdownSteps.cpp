// The list of clean-up steps that shutDownApplication runs before the windowing system goes.
#include "toolkit/ShutdownSteps.h"

#include <utility>
#include <vector>

namespace tk {

namespace {

std::vector<std::function<void()>>& steps() {
    static std::vector<std::function<void()>> list;
    return list;
}

} // namespace

void addShutdownStep(std::function<void()> step) { steps().push_back(std::move(step)); }

void runShutdownSteps() {
    // A step may register another (a freed object touching a lazily made one): run until empty.
    while (!steps().empty()) {
        std::function<void()> step = std::move(steps().back());
        steps().pop_back();
        step();
    }
}

} // namespace tk
