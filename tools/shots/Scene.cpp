// Holds the scenes registered by the scene files of the screenshot tool.
#include "Scene.h"

#include <algorithm>

namespace shots {
namespace {

std::vector<Scene>& registry() {
    static std::vector<Scene> scenes;
    return scenes;
}

} // namespace

SceneRegistrar::SceneRegistrar(const char* name, SceneFunction draw) {
    registry().push_back(Scene{name, std::move(draw)});
}

std::vector<Scene> allScenes() {
    std::vector<Scene> scenes = registry();
    std::sort(scenes.begin(), scenes.end(),
              [](const Scene& a, const Scene& b) { return a.name < b.name; });
    return scenes;
}

} // namespace shots
