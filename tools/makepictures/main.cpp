// makepictures: draws the program's built-in pictures (icon library, cursors, bitmaps) into a
// resources folder, one file per resource.
//   makepictures RESOURCES_DIR
#include <filesystem>
#include <fstream>
#include <iostream>

#include "makepictures/PictureSet.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: makepictures RESOURCES_DIR\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    for (const pictures::ResourceFile& file : pictures::builtInPictures()) {
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
