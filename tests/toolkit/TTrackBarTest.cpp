#include "toolkit/TTrackBar.h"

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "support/Placed.h"

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/Controls.h"

namespace {

TEST(TTrackBarTest, PositionClampsAndChangesFireOncePerChangeFromCodeAndUser) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* bar = tktest::placed<TTrackBar>(&form);
    std::vector<int> seen;
    bar->OnChange = [&](TPersistent*) { seen.push_back(bar->Position()); };

    bar->SetPosition(4);
    bar->SetPosition(4);
    bar->SetPosition(99);
    bar->SetPosition(12);
    bar->SetMax(6);
    EXPECT_EQ(seen, (std::vector<int>{4, 10, 6}));

    form.Show();
    bar->SetFocus();
    seen.clear();
    tk::input::key(form, VK_LEFT);
    tk::input::key(form, VK_HOME);
    tk::input::key(form, VK_HOME);
    Application->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<int>{5, 0}));
}

} // namespace
