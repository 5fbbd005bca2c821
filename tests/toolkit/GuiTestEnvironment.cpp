// The Qt application of the toolkit tests, created once for the whole run through the
// application object on the offscreen platform; text is drawn without smoothing so that its
// pixels are certain.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "toolkit/TApplication.h"
#include "toolkit/TFont.h"

namespace {

class GuiTestEnvironment : public testing::Environment {
public:
    void SetUp() override {
        tk::setTextAntialiasing(false);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        Application->Initialize();
    }

    void TearDown() override { tk::shutDownApplication(); }
};

[[maybe_unused]] testing::Environment* const kEnvironment = testing::AddGlobalTestEnvironment(new GuiTestEnvironment);

} // namespace
