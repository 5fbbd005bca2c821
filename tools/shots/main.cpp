// shots: draws named scenes of the program's windows into PNG files, for people to look at.
// "shots --list" names the scenes; "shots [--out DIR] [SCENE...]" draws the named scenes, or all of
// them, into DIR/<scene>.png (build/screenshots by default).
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "Scene.h"
#include "toolkit/TApplication.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: shots --list | shots [--out DIR] [SCENE...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string outDir = "build/screenshots";
    std::vector<std::string> wanted;
    bool listOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--list") == 0)
            listOnly = true;
        else if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc)
            outDir = argv[++i];
        else if (argv[i][0] == '-')
            return usage();
        else
            wanted.emplace_back(argv[i]);
    }

    const std::vector<shots::Scene> scenes = shots::allScenes();
    if (listOnly) {
        for (const shots::Scene& scene : scenes)
            std::printf("%s\n", scene.name.c_str());
        return 0;
    }

    std::vector<const shots::Scene*> chosen;
    for (const shots::Scene& scene : scenes)
        if (wanted.empty() || std::find(wanted.begin(), wanted.end(), scene.name) != wanted.end())
            chosen.push_back(&scene);
    if (chosen.size() < wanted.size()) {
        std::fprintf(stderr, "shots: unknown scene among the names given (see --list)\n");
        return 2;
    }

    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    Application->Initialize();
    Application->SetTitle("shots");
    int failures = 0;
    for (const shots::Scene* scene : chosen) {
        const std::string path = outDir + "/" + scene->name + ".png";
        const bool written = scene->draw(path);
        std::printf("%s: %s\n", path.c_str(), written ? "written" : "FAILED");
        failures += written ? 0 : 1;
    }
    tk::shutDownApplication();
    return failures == 0 ? 0 : 1;
}
