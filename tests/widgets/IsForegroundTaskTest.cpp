// The foreground-task test follows the activation of the program's own forms.
#include "widgets/IsForegroundTask.h"

#include <gtest/gtest.h>

#include "toolkit/TApplication.h"

namespace {

TEST(IsForegroundTaskTest, TrueWhileOneOfOurFormsIsActive) {
    TForm first(nullptr);
    TForm second(nullptr);
    second.Show();
    first.Show();
    first.SetFocus();
    Application->ProcessMessages();
    EXPECT_TRUE(IsForegroundTask());
    first.Hide();
    second.Hide();
    Application->ProcessMessages();
    EXPECT_FALSE(IsForegroundTask());
}

} // namespace
