// The three banners under the firm cards: 1 advertises the printing house "Оттиск" (its page is
// the book "adv\adv1.chm"), 2 invites the user to the program's help, 3 offers the place to other
// advertisers.
#pragma once

#include "toolkit/TBitmap.h"

namespace pictures {

constexpr int kBannerCount = 3;
constexpr int kBannerWidth = 281;
constexpr int kBannerHeight = 61;

// number is 1 .. kBannerCount.
void paintBanner(int number, TBitmap& bitmap);

} // namespace pictures
