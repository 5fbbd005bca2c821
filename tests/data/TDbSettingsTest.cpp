// The engine settings component: date formats into the toolkit, server types, one instance.
#include "data/TDbSettings.h"

#include "DataFixture.h"
#include "data/DbErrors.h"

namespace datatest {
namespace {

using TDbSettingsTest = DataFixture;

TEST_F(TDbSettingsTest, DateFormatRewritesTheToolkitsShortDateFormat) {
    FormatSettings.ShortDateFormat = "MM/dd/yyyy";
    FormatSettings.DateSeparator = '/';
    TDbSettings settings(nullptr);
    EXPECT_EQ(settings.DateFormat(), "MM/dd/yyyy");
    settings.SetDateFormat("dd.MM.ccyy");
    EXPECT_EQ(FormatSettings.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(FormatSettings.DateSeparator, '.');
    settings.SetDateFormat("");
    EXPECT_EQ(settings.DateFormat(), "MM/dd/ccyy");
    EXPECT_EQ(FormatSettings.ShortDateFormat, "MM/dd/yyyy");
    EXPECT_EQ(FormatSettings.DateSeparator, '/');
    EXPECT_THROW(settings.SetDateFormat("dd.MM.ccyy  xx"), dbset::DbError) << "longer than 12 characters";
    EXPECT_EQ(settings.DateFormat(), "MM/dd/ccyy");
    EXPECT_EQ(FormatSettings.ShortDateFormat, "MM/dd/yyyy");
}

TEST_F(TDbSettingsTest, EmptyServerTypesKeepTheSetAndRaise) {
    TDbSettings settings(nullptr);
    settings.SetDbServerTypes(stCE_LOCAL);
    expectError<DbSettingsError>([&] { settings.SetDbServerTypes(0); },
                                 testing::Eq("At least one server type must be selected."));
    EXPECT_EQ(settings.DbServerTypes(), TDbServerTypes(stCE_LOCAL));
    EXPECT_THROW(settings.SetNumCachedTables(-1), Exception);
    settings.SetNumCachedTables(0);
}

TEST_F(TDbSettingsTest, OnlyOneInstanceLivesAtATime) {
    auto first = std::make_unique<TDbSettings>(nullptr);
    expectError([] { TDbSettings second(nullptr); },
                testing::Eq("Only one DbSettings component is allowed per application"));
    EXPECT_EQ(TDbSettings::Instance(), first.get());
    first.reset();
    EXPECT_NO_THROW(TDbSettings third(nullptr));
}

TEST_F(TDbSettingsTest, StoredSetHostDateFalseUndoesOnlyASavedConversion) {
    FormatSettings.ShortDateFormat = "MM/dd/yyyy";
    {
        TDbSettings settings(nullptr);
        settings.BeginLoading();
        settings.SetDateFormat("dd.MM.ccyy");
        settings.SetSetHostDate(false);
        settings.EndLoading();
        EXPECT_EQ(FormatSettings.ShortDateFormat, "MM/dd/yyyy");
        EXPECT_EQ(FormatSettings.DateSeparator, '.') << "the separator is not saved";
    }
    TDbSettings settings(nullptr);
    settings.BeginLoading();
    settings.SetSetHostDate(false);
    settings.EndLoading();
    EXPECT_EQ(FormatSettings.ShortDateFormat, "MM/dd/yyyy") << "nothing was saved, nothing is blanked";
}

} // namespace
} // namespace datatest
