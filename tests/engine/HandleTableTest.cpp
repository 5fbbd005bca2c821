// Handles are never reused, never 0, and looking one up as the wrong kind finds nothing; removing
// a handle removes what it owns.
#include "engine/HandleTable.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct Owner : ce::HandleObject {
    Owner() : HandleObject(ce::HandleKind::Directory) {}
};

struct Child : ce::HandleObject {
    explicit Child(uint32_t owner) : HandleObject(ce::HandleKind::Find, owner) {}
};

TEST(HandleTableTest, HandlesAreUniqueTypedAndOwned) {
    ce::HandleTable table;
    std::set<uint32_t> seen;
    const uint32_t owner = table.add(std::make_unique<Owner>());
    seen.insert(owner);
    for (int i = 0; i < 5; ++i)
        seen.insert(table.add(std::make_unique<Child>(owner)));
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen.count(0), 0u);
    EXPECT_NE(table.get<Owner>(owner), nullptr);
    EXPECT_EQ(table.get<Child>(owner), nullptr);
    EXPECT_EQ(table.count(ce::HandleKind::Find), 5u);
    table.remove(owner);
    EXPECT_EQ(table.count(ce::HandleKind::Find), 0u);
    for (uint32_t handle : seen)
        EXPECT_EQ(table.find(handle), nullptr);
    const uint32_t next = table.add(std::make_unique<Owner>());
    EXPECT_EQ(seen.count(next), 0u);
    EXPECT_EQ(table.find(0xFFFFFFFFu), nullptr);
}

} // namespace
