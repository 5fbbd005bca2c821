// The help scene: a small help book opened through the shell call in the help viewer's window.
#include <filesystem>
#include <fstream>

#include "Scene.h"
#include "toolkit/FilePath.h"
#include "toolkit/Messages.h"
#include "toolkit/Screenshot.h"
#include "toolkit/Shell.h"
#include "toolkit/TApplication.h"
#include "toolkit/TWinControl.h"
#include "toolkit/WinApi.h"

SHOTS_SCENE(help) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "valdren-shots-help";
    std::filesystem::create_directories(folder / "valinfo");
    std::ofstream(folder / "valinfo.chm")
        << "<html><head><title>Справочная система ВалдренИнфо</title></head><body>"
           "<h2>ВалдренИнфо</h2><p>Справочник предприятий и схема города Валдрен.</p>"
           "<h3>Поиск</h3><ul><li><a href=\"rubrics.html\">Поиск по рубрике</a></li>"
           "<li><a href=\"names.html\">Алфавитный каталог</a></li>"
           "<li><a href=\"map.html\">Работа со схемой города</a></li></ul>"
           "<p>Сайт справочника: <a href=\"http://www.valdren.example/\">www.valdren.example</a></p></body></html>";
    const bool opened = ShellExecute(0, "open", (folder / "valinfo.chm").string().c_str(), nullptr, nullptr,
                                     SW_SHOWNORMAL) > 32;
    const HWND window = FindWindow("HH Parent", nullptr);
    if (!opened || window == 0)
        return false;
    Application->ProcessMessages();
    const bool written = tk::saveScreenshot(*FindControl(window), pngPath);
    SendMessage(window, WM_CLOSE, 0, 0);
    Application->ProcessMessages();
    std::filesystem::remove_all(folder);
    return written;
}
