// Every built-in picture as the resource file it is bundled from: the icon library
// "ICONLIB/ICON", the map's cursors "CURSOR/<name>" and the bitmaps "BITMAP/<name>".
#pragma once

#include <string>
#include <vector>

namespace pictures {

struct ResourceFile {
    std::string path; // <TYPE>/<NAME>.<ext>, relative to the resources folder
    std::string bytes;
};

std::vector<ResourceFile> builtInPictures();

} // namespace pictures
