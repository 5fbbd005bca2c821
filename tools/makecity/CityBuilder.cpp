// The order of planning: ground and water first, then streets, buildings and what lies on top,
// which is also the order of the objects in the map (later objects are drawn over earlier ones
// of the same plane).
#include "makecity/CityBuilder.h"

#include <cmath>

#include "makecity/BuildingPlanner.h"
#include "makecity/CityGrid.h"
#include "makecity/LandmarkPlanner.h"
#include "makecity/NaturePlanner.h"
#include "makecity/Random.h"
#include "makecity/StreetNetwork.h"

namespace city {
namespace {

constexpr int32_t kMashtab = 1644;       // metres per 1000 world units
constexpr double kCreated = 37834;       // 1 August 2003
constexpr double kUnlocked = 0.07;       // share of objects left editable
constexpr double kWithExtra = 0.02;      // share of objects carrying an extra block
constexpr float kWholeCityPixels = 1000; // the stored view shows the city about this wide

void markObjects(Random& random, Feature& feature) {
    feature.locked = !random.chance(kUnlocked);
    if (random.chance(kWithExtra)) {
        std::array<uint8_t, 51> extra{};
        for (uint8_t& byte : extra)
            byte = static_cast<uint8_t>(random.next());
        feature.extra = extra;
    }
    for (Feature& child : feature.children)
        markObjects(random, child);
}

} // namespace

CityPlan buildCity(uint64_t seed, int sizeFactor, bool missingIcons) {
    Random random(seed);
    CityPlan plan;
    plan.name = "Валдрен";
    plan.author = "Картографическое бюро города Валдрена";
    plan.mashtab = kMashtab;
    plan.created = kCreated;
    plan.seed = seed;
    plan.sizeFactor = sizeFactor;

    const CityGrid grid(random, sizeFactor);
    NaturePlanner(grid, random).addTo(plan);
    const StreetNetwork streets(grid, random, plan);
    BuildingPlanner(grid, streets, random).addTo(plan);
    LandmarkPlanner(grid, random, missingIcons).addTo(plan);
    for (Feature& feature : plan.features)
        markObjects(random, feature);

    plan.scale = std::max(1, static_cast<int32_t>(std::lround(100 * kWholeCityPixels / grid.width())));
    plan.view = {-grid.width() / 2, -grid.height() / 2};
    return plan;
}

} // namespace city
