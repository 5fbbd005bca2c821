// Every built-in picture as the resource file it is bundled from: the icon library
// "ICONLIB/ICON", the map's cursors "CURSOR/<name>", the bitmaps "BITMAP/<name>" (the map's, the
// tool bar's and the about box's), the banners "RCDATA/1" to "RCDATA/3" and the splash picture
// "RCDATA/111".
// Text needs the toolkit's application object to exist.
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
