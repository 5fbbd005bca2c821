#include "toolkit/TMemo.h"

#include <memory>

#include <gtest/gtest.h>

#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TForm.h"

namespace {

TEST(TMemoTest, EnterTypesALineBreakThatLinesAndTextShowAndTheLimitHolds) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    auto* ok = new TButton(form.get());
    ok->SetParent(form.get());
    ok->SetDefault(true);
    int clicks = 0;
    ok->OnClick = [&](TPersistent*) { ++clicks; };
    auto* memo = new TMemo(form.get());
    memo->SetParent(form.get());
    int changes = 0;
    memo->OnChange = [&](TPersistent*) { ++changes; };
    form->Show();
    memo->SetFocus();

    memo->Lines()->Add(tk::fromUtf8("Мира"));
    EXPECT_EQ(changes, 1);
    tk::input::key(*form, VK_END, ssCtrl);
    tk::input::key(*form, VK_RETURN, 0, '\r');
    tk::input::key(*form, 0, 0, '5');
    Application->ProcessMessages();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(memo->Text(), tk::fromUtf8("Мира") + "\r\n5");
    ASSERT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Strings(1), "5");
    EXPECT_EQ(changes, 3);

    memo->SetMaxLength(7);
    tk::input::key(*form, 0, 0, '6');
    tk::input::key(*form, 0, 0, '7');
    Application->ProcessMessages();
    EXPECT_EQ(memo->Text(), tk::fromUtf8("Мира") + "\r\n5");
}

} // namespace
