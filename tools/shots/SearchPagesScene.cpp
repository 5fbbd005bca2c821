// The alphabet scene: the right-hand side of the maximised main window on the page "Алфавитный
// каталог", with the beginning of a firm's name typed into its edit and the firms so named listed.
#include <chrono>
#include <thread>

#include "ProgramRun.h"
#include "Scene.h"
#include "app/TfmValdrenGIS.h"
#include "data/TDbQuery.h"
#include "toolkit/Screenshot.h"
#include "toolkit/SyntheticInput.h"
#include "toolkit/TApplication.h"
#include "toolkit/TEdit.h"
#include "toolkit/TField.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TPanel.h"
#include "toolkit/TStringList.h"

namespace {

// The first three letters of the first firm name beginning with "Б", as the user types them.
AnsiString firmNameBeginning() {
    TDbQuery query(nullptr);
    query.SetDatabaseName("DbConnection1");
    query.SQL()->SetText(tk::fromUtf8("select min(Name) from Office where Upper(Name) like 'Б%'"));
    query.Open();
    return query.Eof() ? AnsiString() : query.Fields().Fields(0)->AsString().substr(0, 3);
}

} // namespace

SHOTS_SCENE(alphabet) {
    if (!shots::startProgram(shots::dismissSplash))
        return false;
    TfmValdrenGIS& w = *fmValdrenGIS;
    w.PageControl1->SetActivePageIndex(1);
    const AnsiString typed = firmNameBeginning();
    for (int pass = 0; pass < 50 && !w.Edit1->Focused(); ++pass) {
        Application->ProcessMessages();
        w.Edit1->SetFocus();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    for (char letter : typed)
        tk::input::key(w, 0, 0, letter);
    Application->ProcessMessages();
    const bool saved = !typed.empty() && w.Edit1->Text() == typed && tk::saveScreenshot(*w.paRight, pngPath);
    shots::endProgram();
    return saved;
}
