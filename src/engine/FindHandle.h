// A table or dictionary-object enumeration in progress (CeFindFirstTable, CeDDFindFirstObject):
// the names found when it started and how many have been handed out.
#pragma once

#include "engine/HandleTable.h"

#include <string>
#include <vector>

namespace ce {

class FindHandle : public HandleObject {
public:
    FindHandle(uint32_t connection, std::vector<std::string> names)
        : HandleObject(HandleKind::Find, connection), names_(std::move(names)) {}

    // The next name, or nullptr at the end. It is handed out again until advance() is called,
    // so that a name that did not fit the caller's buffer is not lost.
    const std::string* peek() const { return next_ < names_.size() ? &names_[next_] : nullptr; }
    void advance() { next_ += next_ < names_.size(); }

private:
    std::vector<std::string> names_;
    size_t next_ = 0;
};

} // namespace ce
