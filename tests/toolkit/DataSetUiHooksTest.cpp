// The hooks by which a dataset reaches the user interface: exception handling and the login dialog.
#include "toolkit/DataSetUiHooks.h"

#include <string>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "toolkit/TField.h"

namespace {

TEST(DataSetUiHooksTest, FailingFilterEventGoesToTheExceptionHandlerAndTheFetchGoesOn) {
    TComponent owner(nullptr);
    tktest::MemoryDataSet data(&owner, {{"Id", ftInteger}});
    for (int i = 1; i <= 3; ++i)
        data.addRow({Variant(i)});
    std::string reported;
    TPersistent* sender = nullptr;
    const tk::ExceptionHandler previous = tk::setExceptionHandler([&](TPersistent* s) {
        sender = s;
        try {
            throw;
        } catch (const Exception& e) {
            reported = e.Message;
        }
    });
    data.OnFilterRecord = [](TDataSet* ds, bool& accept) {
        accept = ds->FieldByName("Id")->AsInteger() != 2;
        if (!accept)
            throw Exception("filter broke");
    };
    data.SetFiltered(true);
    data.Open();
    data.Next();
    EXPECT_EQ(reported, "filter broke");
    EXPECT_EQ(sender, &data);
    EXPECT_EQ(data.FieldByName("Id")->AsInteger(), 3) << "the handler left Accept false";
    tk::setExceptionHandler(previous);
}

TEST(DataSetUiHooksTest, LoginGoesToTheInstalledDialog) {
    AnsiString user = "USER", password;
    const tk::LoginDialog previous = tk::setLoginDialog([](const AnsiString& db, AnsiString& u, AnsiString& p, bool readOnly) {
        p = db + "-" + u + (readOnly ? "-ro" : "");
        return true;
    });
    EXPECT_TRUE(LoginDialogEx("Valdren", user, password, true));
    EXPECT_EQ(password, "Valdren-USER-ro");
    tk::setLoginDialog(previous);
}

} // namespace
