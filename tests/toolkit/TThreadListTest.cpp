// The thread-safe list: duplicates and concurrent use.
#include "toolkit/TThreadList.h"

#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/EListError.h"

namespace {

TEST(TThreadListTest, RepeatsAreIgnoredOrRefusedAsDuplicatesSays) {
    int x = 0;
    TThreadList list;
    list.Add(&x);
    list.Add(&x);
    EXPECT_EQ(list.LockList()->Count(), 1);
    list.UnlockList();
    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add(&x), EListError);
    list.SetDuplicates(dupAccept);
    list.Add(&x);
    EXPECT_EQ(list.LockList()->Count(), 2);
    list.UnlockList();
}

TEST(TThreadListTest, ConcurrentAddsAndRemovesLoseNothing) {
    constexpr int kThreads = 4;
    constexpr int kPerThread = 500;
    std::vector<int> cells(kThreads * kPerThread);
    TThreadList list;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kPerThread; ++i) {
                int* cell = &cells[static_cast<size_t>(t * kPerThread + i)];
                list.Add(cell);
                if (i % 2 == 1)
                    list.Remove(cell);
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    TList* locked = list.LockList();
    EXPECT_EQ(locked->Count(), kThreads * kPerThread / 2);
    EXPECT_EQ(list.LockList(), locked) << "the owning thread may lock again";
    list.UnlockList();
    list.UnlockList();
}

} // namespace
