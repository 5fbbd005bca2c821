// INI files read forgivingly, at every truncation, and written without losing what else they hold.
#include "toolkit/TIniFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "support/TempDirectory.h"
#include "toolkit/TStringList.h"

namespace {

class TIniFileTest : public testing::Test {
protected:

    void write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string read() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    AnsiString name() const { return path_.string(); }

    testsupport::TempDirectory dir_;
    std::filesystem::path path_ = dir_ / "ValInfo.ini";
};

TEST_F(TIniFileTest, OddSpacingCaseAndQuotesAreForgiven) {
    write("  [ Navigation ]  \r\n"
          "\tWeelDownDecreasesScale   =   0  \r\n"
          "; BackGroundColor=$000000FF\r\n"
          "[appearance]\n"
          "backgroundcolor=\"$00FF0000\"\n"
          "Empty=\n"
          "NoEquals\n"
          "Name = \xD3\xEB\xE8\xF6\xE0 ; not a comment");
    TIniFile ini(name());
    EXPECT_EQ(ini.ReadString("NAVIGATION", "weeldowndecreasesscale", "1"), "0");
    EXPECT_FALSE(ini.ReadBool("Navigation", "WeelDownDecreasesScale", true));
    EXPECT_EQ(ini.ReadString("Appearance", "BackGroundColor", "$00008000"), "$00FF0000");
    EXPECT_EQ(ini.ReadInteger("Appearance", "BackGroundColor", 0), 0xFF0000);
    EXPECT_EQ(ini.ReadString("Appearance", "Empty", "default"), "");
    EXPECT_EQ(ini.ReadString("Appearance", "NoEquals", "none"), "none");
    EXPECT_EQ(ini.ReadString("Appearance", "Name", ""), "\xD3\xEB\xE8\xF6\xE0 ; not a comment");
    EXPECT_EQ(ini.ReadString("Navigation", "; BackGroundColor", "commented"), "commented");
    EXPECT_EQ(ini.ReadInteger("Appearance", "Name", -5), -5) << "not a number: the default";
}

TEST_F(TIniFileTest, EveryTruncationReadsAPrefixOrTheDefault) {
    const std::string full = "[Navigation]\r\nWeelDownDecreasesScale=1\r\n[Appearance]\r\nBackGroundColor=$00008000\r\n";
    for (size_t length = 0; length <= full.size(); ++length) {
        write(full.substr(0, length));
        TIniFile ini(name());
        const AnsiString colour = ini.ReadString("Appearance", "BackGroundColor", "default");
        EXPECT_TRUE(colour == "default" || std::string("$00008000").rfind(colour, 0) == 0) << length << ": " << colour;
        const AnsiString wheel = ini.ReadString("Navigation", "WeelDownDecreasesScale", "default");
        EXPECT_TRUE(wheel == "default" || wheel == "1" || wheel.empty()) << length << ": " << wheel;
    }
}

TEST_F(TIniFileTest, MissingOrUnreadableFileSectionOrKeyGivesTheDefault) {
    TIniFile missing((dir_ / "none.ini").string());
    EXPECT_EQ(missing.ReadString("Navigation", "WeelDownDecreasesScale", "1"), "1");
    EXPECT_TRUE(missing.ReadBool("Navigation", "WeelDownDecreasesScale", true));
    EXPECT_FALSE(missing.SectionExists("Navigation"));
    std::filesystem::create_directory(dir_ / "folder.ini");
    EXPECT_EQ(TIniFile((dir_ / "folder.ini").string()).ReadString("Navigation", "WeelDownDecreasesScale", "1"), "1");
    write("[Navigation]\r\nOther=1\r\n");
    TIniFile ini(name());
    EXPECT_EQ(ini.ReadInteger("Navigation", "WeelDownDecreasesScale", 7), 7);
    EXPECT_EQ(ini.ReadInteger("Appearance", "Other", 8), 8);
    EXPECT_TRUE(ini.ValueExists("navigation", "OTHER"));
    EXPECT_FALSE(ini.ValueExists("Appearance", "Other"));
}

TEST_F(TIniFileTest, TheFirstOfDuplicateKeysAndSectionsWins) {
    write("[Databases]\nCITY=data\\city;N\nCity=other\n[Databases]\nSTREETS=x\n");
    TIniFile ini(name());
    EXPECT_EQ(ini.ReadString("Databases", "city", ""), "data\\city;N");
    EXPECT_EQ(ini.ReadString("Databases", "STREETS", "absent"), "absent");
    TStringList keys;
    keys.Add("stale");
    ini.ReadSection("DATABASES", keys);
    ASSERT_EQ(keys.Count(), 1);
    EXPECT_EQ(keys.Strings(0), "CITY");
    ini.WriteString("Databases", "City", "new");
    EXPECT_EQ(read(), "[Databases]\nCITY=new\nCity=other\n[Databases]\nSTREETS=x\n");
}

TEST_F(TIniFileTest, WritesKeepCommentsOtherSectionsAndOrder) {
    const std::string original = "; settings of the program\r\n"
                                 "[Navigation]\r\n"
                                 "WeelDownDecreasesScale=1\r\n"
                                 "\r\n"
                                 "[Other]\r\n"
                                 "; keep me\r\n"
                                 "Key = \xC7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n";
    write(original);
    TIniFile ini(name());
    ini.WriteString("Navigation", "WeelDownDecreasesScale", "0");
    ini.WriteBool("Navigation", "Added", true);
    ini.WriteString("Appearance", "BackGroundColor", "$00008000");
    ini.WriteInteger("other", "Count", -3);
    EXPECT_EQ(read(), "; settings of the program\r\n"
                      "[Navigation]\r\n"
                      "WeelDownDecreasesScale=0\r\n"
                      "Added=1\r\n"
                      "\r\n"
                      "[Other]\r\n"
                      "; keep me\r\n"
                      "Key = \xC7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n"
                      "Count=-3\r\n"
                      "[Appearance]\r\n"
                      "BackGroundColor=$00008000\r\n");
    EXPECT_EQ(ini.ReadInteger("Other", "Count", 0), -3);
}

TEST_F(TIniFileTest, WritesCreateTheFileAndFollowItsLineEnds) {
    TIniFile fresh(name());
    fresh.WriteString("Appearance", "BackGroundColor", "$00008000");
    EXPECT_EQ(read(), "[Appearance]\r\nBackGroundColor=$00008000\r\n");
    write("[A]\nx=1");
    fresh.WriteString("A", "y", "2");
    fresh.WriteString("B", "z", "3");
    EXPECT_EQ(read(), "[A]\nx=1\ny=2\n[B]\nz=3\n");
}

TEST_F(TIniFileTest, WritesKeepTheFilesPermissionsAndLinks) {
    namespace fs = std::filesystem;
    write("[A]\nx=1\n");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = dir_ / "link.ini";
    fs::create_symlink(path_, link);
    TIniFile ini(link.string());
    ini.WriteString("A", "x", "2");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(read(), "[A]\nx=2\n");
    EXPECT_EQ(fs::status(path_).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(TIniFileTest, EraseSectionAndDeleteKeyRemoveOnlyTheirLines) {
    write("[A]\nx=1\n; about B\n[B]\ny=2\n; inside B\n[C]\nz=3\n");
    TIniFile ini(name());
    ini.EraseSection("b");
    ini.DeleteKey("C", "Z");
    ini.DeleteKey("C", "missing");
    ini.EraseSection("missing");
    EXPECT_EQ(read(), "[A]\nx=1\n; about B\n[C]\n");
}

TEST_F(TIniFileTest, UnwritableFileOrBrokenValueRaisesAndChangesNothing) {
    TIniFile nowhere((dir_ / "no" / "such" / "dir.ini").string());
    EXPECT_THROW(nowhere.WriteString("A", "x", "1"), EIniFileException);
    write("[A]\nx=1\n");
    TIniFile ini(name());
    EXPECT_THROW(ini.WriteString("A", "x", "1\r\n[Injected]"), EIniFileException);
    EXPECT_THROW(ini.WriteString("A", "x=y", "1"), EIniFileException);
    EXPECT_THROW(ini.WriteString("", "x", "1"), EIniFileException);
    EXPECT_THROW(ini.WriteString("A]x", "x", "1"), EIniFileException);
    EXPECT_EQ(read(), "[A]\nx=1\n");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "ValInfo.ini.tmp"));
}

} // namespace
