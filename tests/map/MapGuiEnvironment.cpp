// The Qt application of the map suites (fonts and controls need it), created once through the
// application object on the offscreen platform; text is drawn without smoothing so that its
// pixels are certain.
#include <cstdlib>

#include <gtest/gtest.h>

#include "toolkit/TApplication.h"
#include "toolkit/TFont.h"

namespace {

class MapGuiEnvironment : public testing::Environment {
public:
    void SetUp() override {
        tk::setTextAntialiasing(false);
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        Application->Initialize();
    }
};

[[maybe_unused]] testing::Environment* const kEnvironment = testing::AddGlobalTestEnvironment(new MapGuiEnvironment);

} // namespace
