// The component model: ownership, notifications of freeing, names and loading.
#include "toolkit/TComponent.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/EListError.h"

namespace {

// Records every notification it receives and its own destruction in a shared journal.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, const char* name, std::vector<std::string>& journal)
        : TComponent(owner), journal_(journal) {
        SetName(name);
    }
    ~Probe() override { journal_.push_back("free " + Name()); }

    TComponent* partner = nullptr;
    int loadedCalls = 0;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        journal_.push_back(Name() + (Operation == opInsert ? " +" : " -") + AComponent->Name());
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == partner)
            partner = nullptr;
    }
    void Loaded() override {
        TComponent::Loaded();
        ++loadedCalls;
    }

private:
    std::vector<std::string>& journal_;
};

// Every test's probes write into one journal.
class TComponentTest : public testing::Test {
protected:
    std::vector<std::string> journal;
};

TEST_F(TComponentTest, OwnerFreesItsComponentsLastCreatedFirst) {
    auto* owner = new TComponent(/*AOwner=*/nullptr);
    new Probe(owner, "A", journal);
    new Probe(owner, "B", journal);
    new Probe(owner, "C", journal);
    journal.clear();
    delete owner;
    EXPECT_EQ(journal, (std::vector<std::string>{"free C", "free B", "free A"}));
}

TEST_F(TComponentTest, OwnerAndSiblingsHearOfInsertAndRemove) {
    Probe owner(/*owner=*/nullptr, "Form", journal);
    auto* a = new Probe(&owner, "A", journal);
    journal.clear();
    auto* b = new Probe(&owner, "", journal);
    b->SetName("B");
    // The newcomer is told too, but is not a Probe yet while its base is being built.
    EXPECT_EQ(journal, (std::vector<std::string>{"Form +", "A +"}));
    journal.clear();
    delete b;
    EXPECT_EQ(journal, (std::vector<std::string>{"free B", "Form -B", "A -B"}));
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), a);
    EXPECT_EQ(a->ComponentIndex(), 0);
}

TEST_F(TComponentTest, SiblingsThatDoNotHearAreToldNothingUntilTheyOwnOne) {
    Probe owner(/*owner=*/nullptr, "Form", journal);
    auto* deaf = new Probe(&owner, "Deaf", journal);
    deaf->SetHearsSiblings(false);
    auto* hearing = new Probe(&owner, "Hearing", journal);
    journal.clear();
    delete new Probe(&owner, "", journal);
    EXPECT_EQ(journal, (std::vector<std::string>{"Form +", "Hearing +", "free ", "Form -", "Hearing -"}));
    EXPECT_EQ(owner.ComponentCount(), 2);

    // Owning one, it must pass the news on, so it hears again; and it cannot be made deaf then.
    auto* child = new Probe(deaf, "Child", journal);
    deaf->SetHearsSiblings(false);
    EXPECT_TRUE(deaf->HearsSiblings());
    journal.clear();
    delete new Probe(&owner, "", journal);
    EXPECT_EQ(journal, (std::vector<std::string>{"Form +", "Deaf +", "Child +", "Hearing +", "free ", "Form -",
                                                 "Deaf -", "Child -", "Hearing -"}));
    // Freed in any order, deaf or not, each leaves its owner's list.
    delete child;
    deaf->SetHearsSiblings(false);
    delete hearing;
    delete deaf;
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(TComponentTest, FreeNotificationReachesComponentsOfOtherOwnersOnceUntilRemoved) {
    Probe form1(/*owner=*/nullptr, "Form1", journal);
    Probe form2(/*owner=*/nullptr, "Form2", journal);
    auto* grid = new Probe(&form1, "Grid", journal);
    auto* source = new Probe(&form2, "Source", journal);
    grid->partner = source;
    grid->FreeNotification(source);
    grid->FreeNotification(source);
    journal.clear();
    delete source;
    EXPECT_EQ(grid->partner, nullptr);
    const auto told = std::count(journal.begin(), journal.end(), "Grid -Source");
    EXPECT_EQ(told, 1);
    journal.clear();
    delete grid; // its partner list is empty again: only its owner's family is told
    EXPECT_EQ(journal, (std::vector<std::string>{"free Grid", "Form1 -Grid"}));

    auto* lonely = new Probe(/*owner=*/nullptr, "Lonely", journal);
    form1.FreeNotification(lonely);
    form1.RemoveFreeNotification(lonely);
    journal.clear();
    delete lonely;
    EXPECT_EQ(journal, (std::vector<std::string>{"free Lonely"})) << "a removed free notification is not told";
}

TEST_F(TComponentTest, DestroyingReachesOwnedComponentsBeforeAnyIsFreed) {
    auto* owner = new Probe(/*owner=*/nullptr, "Form", journal);
    auto* child = new Probe(owner, "Child", journal);
    auto* grandChild = new Probe(child, "GrandChild", journal);
    owner->Destroying();
    EXPECT_TRUE(child->ComponentState() & csDestroying);
    EXPECT_TRUE(grandChild->ComponentState() & csDestroying);
    delete owner;
}

TEST_F(TComponentTest, NamesAreIdentifiersUniqueWithinTheOwner) {
    Probe owner(/*owner=*/nullptr, "Form", journal);
    auto* table = new Probe(&owner, "Table1", journal);
    EXPECT_THROW(new Probe(&owner, "TABLE1", journal), EComponentError);
    EXPECT_EQ(owner.ComponentCount(), 1) << "the refused one was freed by the unwinding constructor";
    EXPECT_THROW(table->SetName("1Table"), EComponentError);
    EXPECT_THROW(table->SetName("Table 1"), EComponentError);
    EXPECT_EQ(table->Name(), "Table1");
    EXPECT_EQ(owner.FindComponent("table1"), table);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    EXPECT_THROW(owner.Components(1), EListError);
}

TEST_F(TComponentTest, LoadingFlagsLastUntilLoaded) {
    Probe probe(/*owner=*/nullptr, "Settings", journal);
    probe.BeginLoading();
    EXPECT_EQ(probe.ComponentState() & (csLoading | csReading), csLoading | csReading);
    probe.EndLoading();
    EXPECT_EQ(probe.ComponentState(), 0u);
    EXPECT_EQ(probe.loadedCalls, 1);
}

} // namespace
