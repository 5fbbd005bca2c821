// The Qt application of the map suites (fonts and controls need it), created once for the whole
// run on the offscreen platform and destroyed at the end, so that the font system's caches go
// with it and the leak check sees none of them. Text is drawn without smoothing so that its
// pixels are certain.
#include <QApplication>

#include <memory>

#include <gtest/gtest.h>

#include "toolkit/TFont.h"

namespace {

class MapGuiEnvironment : public testing::Environment {
public:
    void SetUp() override {
        tk::setTextAntialiasing(false);
        if (QCoreApplication::instance() != nullptr)
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_map";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
    }

    void TearDown() override { application_.reset(); }

private:
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] testing::Environment* const kEnvironment = testing::AddGlobalTestEnvironment(new MapGuiEnvironment);

} // namespace
