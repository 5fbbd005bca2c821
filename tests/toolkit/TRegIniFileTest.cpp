// The registry stand-in: one INI file per root in the registry folder, values kept byte for
// byte, nothing created when reading, nothing written that the file could not hold.
#include "toolkit/TRegIniFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "support/TempDirectory.h"

namespace {

class TRegIniFileTest : public testing::Test {
protected:
    TRegIniFileTest() { tk::setRegistryFolder(folder_.string()); }
    ~TRegIniFileTest() override { tk::setRegistryFolder(""); }

    std::string read(const std::string& root) const {
        std::ifstream in(folder_ / root, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    testsupport::TempDirectory dir_;
    std::filesystem::path folder_ = dir_ / "registry";
};

TEST_F(TRegIniFileTest, ValuesReadBackByteForByteInTheRootsFileUnderKeyAndSection) {
    TRegIniFile reg("Software\\valinfo", HKEY_CURRENT_USER);
    const AnsiString values[] = {"  leading and trailing  ", "\"quoted\"", "'single'", ""};
    for (const AnsiString& value : values) {
        reg.WriteString("TfmAbout", "Text", value);
        EXPECT_EQ(reg.ReadString("TfmAbout", "Text", "default"), value);
    }
    reg.WriteInteger("TfmAbout", "Count", -5);
    EXPECT_EQ(read("HKEY_CURRENT_USER.ini"), "[Software\\valinfo\\TfmAbout]\r\nText=\"\"\r\nCount=-5\r\n");

    const TRegIniFile otherCase("SOFTWARE\\VALINFO", HKEY_CURRENT_USER, KEY_READ);
    EXPECT_EQ(otherCase.ReadInteger("tfmabout", "Count", 0), -5);
    const TRegIniFile otherRoot("Software\\valinfo", HKEY_LOCAL_MACHINE, KEY_READ);
    EXPECT_EQ(otherRoot.ReadInteger("TfmAbout", "Count", 0), 0);
    reg.EraseSection("TfmAbout");
    EXPECT_EQ(reg.ReadInteger("TfmAbout", "Count", 7), 7);
}

TEST_F(TRegIniFileTest, ReadOnlyCreatesNothingAndWhatAFileCannotHoldWritesNothing) {
    TRegIniFile readOnly("Software\\valinfo", HKEY_USERS, KEY_READ);
    EXPECT_EQ(readOnly.ReadString("S", "K", "default"), "default");
    EXPECT_THROW(readOnly.WriteString("S", "K", "v"), EIniFileException);
    EXPECT_THROW(readOnly.EraseSection("S"), EIniFileException);
    EXPECT_FALSE(std::filesystem::exists(folder_));

    TRegIniFile reg("Software\\valinfo", HKEY_USERS);
    EXPECT_THROW(reg.WriteString("S]", "K", "v"), EIniFileException);
    EXPECT_THROW(reg.WriteString("[S", "K", "v"), EIniFileException);
    EXPECT_THROW(reg.WriteString("S", "K=", "v"), EIniFileException);
    EXPECT_THROW(reg.WriteString("S", "K", "line\nbreak"), EIniFileException);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "HKEY_USERS.ini"));
}

TEST(TRegIniFileFolderTest, TheDefaultFolderFollowsXdgConfigHome) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string before = saved != nullptr ? saved : "";
    setenv("XDG_CONFIG_HOME", "/config/home", 1);
    EXPECT_EQ(tk::registryFolder(), "/config/home/ValdrenInfo/registry");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(tk::registryFolder(), AnsiString(std::getenv("HOME")) + "/.config/ValdrenInfo/registry");
    if (saved != nullptr)
        setenv("XDG_CONFIG_HOME", before.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

} // namespace
