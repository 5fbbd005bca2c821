// The windowing system of the suites that draw or build controls, brought up once for the whole
// run on the offscreen platform and taken down at the end, so that the font system's caches go
// with it and the leak check sees none of them. Text is drawn without smoothing so that its
// pixels are certain.
#include <cstdlib>

#include <gtest/gtest.h>

#include "toolkit/TApplication.h"
#include "toolkit/TFont.h"

namespace {

class GuiTestEnvironment : public testing::Environment {
public:
    void SetUp() override {
        tk::setTextAntialiasing(false);
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        Application->Initialize();
    }

    void TearDown() override { tk::shutDownApplication(); }
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new GuiTestEnvironment);

} // namespace
