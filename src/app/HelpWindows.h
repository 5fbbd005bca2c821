// The help books the program opens and the viewer windows it finds again by class and title: the
// program's own help, and the advertiser's help that banner 1 opens. Titles are UTF-8 here; the
// windows carry them in the system's code page.
#pragma once

namespace app {

constexpr const char* kHelpViewerClass = "HH Parent";
constexpr const char* kProgramHelpBook = "help\\valinfo.chm";
constexpr const char* kProgramHelpTitle = "Справочная система ВалдренИнфо";
constexpr const char* kAdvertHelpBook = "adv\\adv1.chm";
constexpr const char* kAdvertHelpTitle = "ВалдренИнфо";

} // namespace app
