// Placement storage over INI files and the registry: quoted values, the kinds of storage the
// helpers use, position strings per resolution and the default section names.
#include "widgets/PlacementStorage.h"

#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "support/TempDirectory.h"
#include "toolkit/TButton.h"
#include "toolkit/TForm.h"
#include "toolkit/TIniFile.h"
#include "toolkit/TPanel.h"
#include "toolkit/TRegIniFile.h"
#include "toolkit/TTimer.h"

namespace {

class TfmAbout : public TForm {
public:
    using TForm::TForm;
};

// An INI file and a registry key in a folder of the test's own.
struct BothStores {
    // The registry's root files live in the folder while the stores do.
    struct RegistryFolder {
        explicit RegistryFolder(const std::filesystem::path& path) { tk::setRegistryFolder(path.string()); }
        ~RegistryFolder() { tk::setRegistryFolder(""); }
    };
    testsupport::TempDirectory folder;
    RegistryFolder registry{folder / "registry"};
    TIniFile ini{(folder / "place.ini").string()};
    TRegIniFile reg{"Software\\probe", HKEY_CURRENT_USER};
};

TEST(PlacementStorageTest, QuotedValuesReadBackUnchangedInBothFlavoursAndNullStorageKeepsDefaults) {
    BothStores stores;
    for (TCustomIniFile* storage :
         {static_cast<TCustomIniFile*>(&stores.ini), static_cast<TCustomIniFile*>(&stores.reg)})
        for (const AnsiString value : {"\"quoted\"", "'single'", "plain", "\"half"}) {
            IniWriteString(storage, "S", "K", value);
            EXPECT_EQ(IniReadString(storage, "S", "K", ""), value);
        }
    EXPECT_EQ(TIniFile((stores.folder / "registry" / "HKEY_CURRENT_USER.ini").string())
                  .ReadString("Software\\probe\\S", "K", ""),
              "\"half") << "the registry stores the value unchanged";
    IniWriteString(nullptr, "S", "K", "x");
    EXPECT_EQ(IniReadString(nullptr, "S", "K", "default"), "default");
    EXPECT_EQ(IniReadInteger(nullptr, "S", "K", 7), 7);
}

// A settings object of a third kind: it answers every read and counts every call.
class OtherSettings : public TCustomIniFile {
public:
    mutable int calls = 0;
    AnsiString ReadString(const AnsiString&, const AnsiString&, const AnsiString&) const override {
        ++calls;
        return "held";
    }
    int ReadInteger(const AnsiString&, const AnsiString&, int) const override {
        ++calls;
        return 42;
    }
    void WriteString(const AnsiString&, const AnsiString&, const AnsiString&) override { ++calls; }
    void WriteInteger(const AnsiString&, const AnsiString&, int) override { ++calls; }
    void EraseSection(const AnsiString&) override { ++calls; }
};

// Writes, reads back and erases through every helper: an INI file and the registry keep the
// values until the erase; another kind of settings object, or none, is never called, its reads
// giving the defaults.
TEST(PlacementStorageTest, OnlyAnIniFileOrTheRegistryIsUsedAndAnythingElseKeepsTheDefaults) {
    BothStores stores;
    OtherSettings other;
    const struct {
        const char* what;
        TCustomIniFile* storage;
        bool used;
    } cases[] = {{"INI file", &stores.ini, true},
                 {"registry", &stores.reg, true},
                 {"another kind", &other, false},
                 {"none", nullptr, false}};
    for (const auto& c : cases) {
        IniWriteString(c.storage, "S", "Text", "'kept'");
        IniWriteInteger(c.storage, "S", "Number", 5);
        WritePosString(c.storage, "S", "NormPos", "1,2,3,4");
        EXPECT_EQ(IniReadString(c.storage, "S", "Text", "d"), c.used ? "'kept'" : "d") << c.what;
        EXPECT_EQ(IniReadInteger(c.storage, "S", "Number", 7), c.used ? 5 : 7) << c.what;
        EXPECT_EQ(ReadPosString(c.storage, "S", "NormPos"), c.used ? "1,2,3,4" : "") << c.what;
        IniEraseSection(c.storage, "S");
        EXPECT_EQ(IniReadInteger(c.storage, "S", "Number", 7), 7) << c.what << " erased";
    }
    EXPECT_EQ(other.calls, 0);
}

TEST(PlacementStorageTest, PositionsAreWrittenTwiceAndReadFromThePlainKeyAtAnotherResolution) {
    testsupport::TempDirectory folder;
    TIniFile ini((folder / "place.ini").string());
    WritePosString(&ini, "F", "NormPos", "10,20,300,400");
    EXPECT_EQ(ini.ReadString("F", "NormPos" + ScreenResSuffix(), ""), "10,20,300,400");
    EXPECT_EQ(ini.ReadString("F", "NormPos", ""), "10,20,300,400");
    ini.EraseSection("F");
    ini.WriteString("F", "NormPos(1x1)", "1,1,1,1");
    ini.WriteString("F", "NormPos", "5,6,7,8");
    EXPECT_EQ(ReadPosString(&ini, "F", "NormPos"), "5,6,7,8");
}

TEST(PlacementStorageTest, DefaultSectionsFollowTheComponentKind) {
    EXPECT_EQ(GetDefaultSection(nullptr), "");
    auto form = std::make_unique<TfmAbout>(nullptr);
    EXPECT_EQ(GetDefaultSection(form.get()), "TfmAbout");
    auto* panel = new TPanel(form.get());
    panel->SetName("Panel1");
    panel->SetParent(form.get());
    auto* button = new TButton(form.get());
    button->SetName("OkButton");
    button->SetParent(panel);
    EXPECT_EQ(GetDefaultSection(button), "TfmAboutOkButton");
    auto* timer = new TTimer(form.get());
    timer->SetName("Timer1");
    EXPECT_EQ(GetDefaultSection(timer), "TfmAbout.Timer1");
    TPanel loose(nullptr);
    loose.SetName("Loose");
    EXPECT_EQ(GetDefaultSection(&loose), "Loose");
}

} // namespace
