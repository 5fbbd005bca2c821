// Placement storage over INI files: quoted values, position strings per resolution and the
// default section names.
#include "widgets/PlacementStorage.h"

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

TEST(PlacementStorageTest, QuotedValuesReadBackUnchangedInBothFlavoursAndNullStorageKeepsDefaults) {
    testsupport::TempDirectory folder;
    tk::setRegistryFolder((folder / "registry").string());
    TIniFile ini((folder / "place.ini").string());
    TRegIniFile reg("Software\\probe", HKEY_CURRENT_USER);
    for (TCustomIniFile* storage : {static_cast<TCustomIniFile*>(&ini), static_cast<TCustomIniFile*>(&reg)})
        for (const AnsiString value : {"\"quoted\"", "'single'", "plain", "\"half"}) {
            IniWriteString(storage, "S", "K", value);
            EXPECT_EQ(IniReadString(storage, "S", "K", ""), value);
        }
    EXPECT_EQ(TIniFile((folder / "registry" / "HKEY_CURRENT_USER.ini").string()).ReadString("Software\\probe\\S", "K", ""),
              "\"half") << "the registry stores the value unchanged";
    tk::setRegistryFolder("");
    IniWriteString(nullptr, "S", "K", "x");
    EXPECT_EQ(IniReadString(nullptr, "S", "K", "default"), "default");
    EXPECT_EQ(IniReadInteger(nullptr, "S", "K", 7), 7);
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
