// The map's in-place quicksort (middle pivot, Hoare partition) over an integer array ordered by
// a key of each element: plain values for index queries, plane and position for hit lists.
#pragma once

#include <span>
#include <utility>

namespace mapi {

// Sorts values[lo..hi] ascending by key(value); equal keys end in no particular order. The
// smaller part is sorted by recursion and the larger by the loop, so the depth stays logarithmic.
template <typename Key>
void quickSortByKey(std::span<int> values, int lo, int hi, Key key) {
    while (lo < hi) {
        const auto pivot = key(values[static_cast<std::size_t>(lo + (hi - lo) / 2)]);
        int i = lo;
        int j = hi;
        do {
            while (key(values[static_cast<std::size_t>(i)]) < pivot)
                ++i;
            while (pivot < key(values[static_cast<std::size_t>(j)]))
                --j;
            if (i <= j) {
                std::swap(values[static_cast<std::size_t>(i)], values[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - lo < hi - i) {
            quickSortByKey(values, lo, j, key);
            lo = i;
        } else {
            quickSortByKey(values, i, hi, key);
            hi = j;
        }
    }
}

} // namespace mapi
