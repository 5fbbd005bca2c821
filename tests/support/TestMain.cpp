// Entry point of every test executable. Suites that need a Qt application create their own
// through the toolkit's application object; nothing here depends on a layer.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
