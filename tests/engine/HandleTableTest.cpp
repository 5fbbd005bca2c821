// Handles are never reused, never 0, and looking one up as the wrong kind finds nothing; removing
// a handle removes what it owns.
#include "engine/HandleTable.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

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

TEST(HandleTableTest, RemovingAHandleRemovesWhatItOwnsAtEveryDepthAndNothingElse) {
    ce::HandleTable table;
    const uint32_t owner = table.add(std::make_unique<Owner>());
    const uint32_t other = table.add(std::make_unique<Owner>());
    const uint32_t child = table.add(std::make_unique<Child>(owner));
    const uint32_t grandChild = table.add(std::make_unique<Child>(child));
    const uint32_t otherChild = table.add(std::make_unique<Child>(other));
    const uint32_t secondChild = table.add(std::make_unique<Child>(owner));
    EXPECT_EQ(table.ownedBy(owner), (std::vector<uint32_t>{child, secondChild}));

    table.remove(secondChild);
    EXPECT_EQ(table.ownedBy(owner), (std::vector<uint32_t>{child}));
    table.remove(owner);
    for (uint32_t gone : {owner, child, grandChild, secondChild})
        EXPECT_EQ(table.find(gone), nullptr) << gone;
    EXPECT_NE(table.find(other), nullptr);
    EXPECT_EQ(table.ownedBy(other), (std::vector<uint32_t>{otherChild}));
    EXPECT_EQ(table.count(ce::HandleKind::Find), 1u);
    table.remove(owner); // already gone: nothing happens
    EXPECT_NE(table.find(otherChild), nullptr);
}

// Look-ups stay right while handles come and go in any order around many live ones.
TEST(HandleTableTest, LookUpsFindEveryLiveHandleAmongMany) {
    ce::HandleTable table;
    std::vector<uint32_t> live;
    for (int i = 0; i < 200; ++i)
        live.push_back(table.add(std::make_unique<Owner>()));
    ASSERT_NE(table.find(live[0]), nullptr); // found last, then removed: it must not be found again
    for (size_t i = 0; i < live.size(); i += 3)
        table.remove(live[i]);
    for (size_t i = 0; i < live.size(); ++i)
        EXPECT_EQ(table.find(live[i]) != nullptr, i % 3 != 0) << live[i];
    const uint32_t added = table.add(std::make_unique<Owner>());
    EXPECT_GT(added, live.back());
    EXPECT_NE(table.get<Owner>(added), nullptr);
    EXPECT_EQ(table.count(ce::HandleKind::Directory), 134u);
}

} // namespace
