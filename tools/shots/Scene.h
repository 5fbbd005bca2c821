// The scene registry of the screenshot tool: each scene file registers one named function that
// builds real windows, shows them and writes a picture to the path it is given.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace shots {

// Draws the scene into the PNG at pngPath; returns false when the picture could not be written.
using SceneFunction = std::function<bool(const std::string& pngPath)>;

struct Scene {
    std::string name;
    SceneFunction draw;
};

// Every registered scene, in name order.
std::vector<Scene> allScenes();

// Registers a scene at static initialisation; use through SHOTS_SCENE.
struct SceneRegistrar {
    SceneRegistrar(const char* name, SceneFunction draw);
};

} // namespace shots

// Defines and registers a scene: SHOTS_SCENE(controls) { ...; return tk::saveScreenshot(form, pngPath); }
#define SHOTS_SCENE(Name)                                                                          \
    static bool shotsScene_##Name(const std::string& pngPath);                                     \
    static const ::shots::SceneRegistrar shotsRegistrar_##Name(#Name, shotsScene_##Name);          \
    static bool shotsScene_##Name(const std::string& pngPath)
