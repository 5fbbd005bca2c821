// makepictures: draws the program's built-in pictures (icon library, cursors, bitmaps, banners,
// splash picture) into a resources folder, one file per resource. Text is drawn through the
// toolkit, so the windowing system comes up, on the offscreen platform unless another is set.
//   makepictures RESOURCES_DIR
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "makepictures/PictureSet.h"
#include "toolkit/TApplication.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: makepictures RESOURCES_DIR\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    Application->Initialize();
    const std::vector<pictures::ResourceFile> files = pictures::builtInPictures();
    tk::shutDownApplication();
    for (const pictures::ResourceFile& file : files) {
        const std::filesystem::path path = root / file.path;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary);
        out << file.bytes;
        if (!out.flush()) {
            std::cerr << "makepictures: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
