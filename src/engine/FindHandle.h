// A table enumeration in progress (CeFindFirstTable / CeFindNextTable): the names found when it
// started and how many have been handed out.
#pragma once

#include "engine/HandleTable.h"

#include <string>
#include <vector>

namespace ce {

class FindHandle : public HandleObject {
public:
    FindHandle(uint32_t connection, std::vector<std::string> names)
        : HandleObject(HandleKind::Find, connection), names_(std::move(names)) {}

    // The next name, or nullptr at the end.
    const std::string* next() { return next_ < names_.size() ? &names_[next_++] : nullptr; }

private:
    std::vector<std::string> names_;
    size_t next_ = 0;
};

} // namespace ce
