// Ending the process: a replaced halt handler receives the code, even from a form's constructor.
#include "toolkit/Process.h"

#include <vector>

#include <gtest/gtest.h>

#include "toolkit/TForm.h"

namespace {

class TfmRefusing : public TForm {
public:
    explicit TfmRefusing(TComponent* owner) : TForm(owner) { Halt(3); }
};

TEST(ProcessTest, ReplacedHaltReceivesTheCodeFromAFormsConstructor) {
    std::vector<int> codes;
    tk::setHaltHandler([&](int code) { codes.push_back(code); });
    { TfmRefusing form(nullptr); }
    tk::setHaltHandler(nullptr);
    EXPECT_EQ(codes, std::vector<int>{3});
}

TEST(ProcessTest, HaltEndsTheProcessWithItsCode) {
    EXPECT_EXIT(Halt(7), testing::ExitedWithCode(7), "");
}

} // namespace
