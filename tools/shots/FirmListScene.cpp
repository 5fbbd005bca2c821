// The firm list and card scenes: the right-hand side of the main window after a rubric with a
// marked firm was chosen (the marked row unselected, then selected), the card of a firm with
// rubrics, web and e-mail addresses, branches and telephones, and a card taller than its pane.
#include <functional>
#include <string>

#include "ProgramRun.h"
#include "Scene.h"
#include "app/RerunQuery.h"
#include "app/TfmValdrenGIS.h"
#include "data/TDbQuery.h"
#include "toolkit/Screenshot.h"
#include "toolkit/TApplication.h"
#include "toolkit/TField.h"
#include "toolkit/TPanel.h"
#include "toolkit/TParam.h"
#include "toolkit/TStringList.h"
#include "widgets/TEmiStringGrid.h"
#include "widgets/TRichEditWithLinks.h"

namespace {

// The first value of an SQL text on the program's connection, empty without rows.
AnsiString firstValue(const char* text) {
    TDbQuery query(nullptr);
    query.SetDatabaseName("DbConnection1");
    query.SQL()->SetText(text);
    query.Open();
    return query.Eof() ? AnsiString() : query.Fields().Fields(0)->AsString();
}

// Starts the program, lists the firms of Query run with Param := Value, lets Arrange change the
// list, and draws the right-hand panel.
bool drawFirmList(const std::string& pngPath, TDbQuery* TfmValdrenGIS::*Query, const char* Param, const char* valueSql,
                  const std::function<void(TfmValdrenGIS&)>& Arrange) {
    if (!shots::startProgram(shots::dismissSplash))
        return false;
    TfmValdrenGIS& w = *fmValdrenGIS;
    const AnsiString value = firstValue(valueSql);
    app::rerunQuery(*(w.*Query), [&](TDbQuery& q) { q.ParamByName(Param)->SetAsString(value); });
    w.FillFirmGrid(w.*Query);
    Arrange(w);
    Application->ProcessMessages();
    const bool saved = !value.empty() && tk::saveScreenshot(*w.paRight, pngPath);
    shots::endProgram();
    return saved;
}

// A rubric whose marked firm is not the first of its list.
constexpr const char* kRubricWithMarkedFirm =
    "select min(T.Topic_Id) from OfficeTopics T, Office O where O.Office_Id = T.Office_Id and O.Flags = 1 and "
    "O.Name > (select min(F.Name) from Office F, OfficeTopics G where G.Topic_Id = T.Topic_Id and "
    "F.Office_Id = G.Office_Id)";

int markedRow(TfmValdrenGIS& w) {
    for (int row = 0; row < w.StringGrid1->RowCount(); ++row) {
        if (w.CardAt(0, row) && w.CardAt(0, row)->Color() == TColor(0x008EDDFB))
            return row;
    }
    return 0;
}

const shots::SceneRegistrar firmList("firm-list", [](const std::string& pngPath) {
    return drawFirmList(pngPath, &TfmValdrenGIS::qShowFirm, "Topic_Id", kRubricWithMarkedFirm, [](TfmValdrenGIS&) {});
});

const shots::SceneRegistrar firmListSelected("firm-list-selected", [](const std::string& pngPath) {
    return drawFirmList(pngPath, &TfmValdrenGIS::qShowFirm, "Topic_Id", kRubricWithMarkedFirm,
                        [](TfmValdrenGIS& w) { w.StringGrid1->SetRow(markedRow(w)); });
});

const shots::SceneRegistrar firmCard("firm-card", [](const std::string& pngPath) {
    return drawFirmList(pngPath, &TfmValdrenGIS::qShowFirm2, "Office_Id",
                        "select min(O.Office_Id) from Office O where O.inetref like '%,%@%' and "
                        "(select count(*) from OfficeTopics T where T.Office_Id = O.Office_Id) > 1 and "
                        "(select count(*) from Branch B where B.Office_Id = O.Office_Id and B.Contact like '%,%') > 1",
                        [](TfmValdrenGIS&) {});
});

// The firm with the most branches in a card pane made low, as the splitter above it can make it:
// the card opens at its first line, the scroll bar at the top.
const shots::SceneRegistrar firmCardLong("firm-card-long", [](const std::string& pngPath) {
    return drawFirmList(pngPath, &TfmValdrenGIS::qShowFirm2, "Office_Id",
                        "select Office_Id from Branch group by Office_Id order by count(*) desc, Office_Id",
                        [](TfmValdrenGIS& w) { w.paRTF->SetHeight(80); });
});

} // namespace
