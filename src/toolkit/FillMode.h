// How a self-intersecting polygon is filled, for polygons, paths and regions: ALTERNATE fills
// areas crossed an odd number of times from outside, WINDING every area the outline winds round.
#pragma once

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;
