// The program's data grid twice: with every feature on (title buttons with a sort marker, the
// selection indicator's arrow and dots, a memo glyph, two frozen columns, three selected rows),
// as the program's rubric list shows it (no titles, no indicator, the selection shown), and with
// object fields as nested columns.
#include <memory>
#include <string>

#include "Scene.h"
#include "support/AddressDataSet.h"
#include "support/MemoryDataSet.h"
#include "toolkit/Screenshot.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBookmarkList.h"
#include "toolkit/TColumn.h"
#include "toolkit/TColumnTitle.h"
#include "toolkit/TDBGridColumns.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TForm.h"
#include "widgets/TExDBGrid.h"

namespace {

const char* const rubrics[] = {"Аптеки", "Банки", "Кафе и рестораны", "Книжные магазины", "Почта", "Ремонт обуви",
                               "Салоны связи", "Цветы", "Школы", "Юристы"};

// Thirty rubrics with their firm counts and notes, behind a data source.
struct RubricData {
    RubricData() {
        for (int i = 0; i < 30; ++i)
            data.addRow({Variant(i + 1), Variant(tk::fromUtf8(rubrics[i % 10])), Variant(100 + i * 7),
                         Variant("memo " + std::to_string(i))});
        source.SetDataSet(&data);
    }
    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"Id", ftInteger}, {"Name", ftString, 30}, {"Firms", ftInteger}, {"Notes", ftMemo}}};
    TDataSource source{&owner};
};

} // namespace

SHOTS_SCENE(exdbgrid) {
    RubricData rubricData;
    tktest::MemoryDataSet& data = rubricData.data;

    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("Сетка данных"));
    form.SetBounds(100, 100, 460, 300);
    auto* grid = new TExDBGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(8, 8, 444, 284);
    grid->SetDataSource(&rubricData.source);
    grid->SetOptions(grid->Options() | dgMultiSelect);
    grid->SetTitleButtons(true);
    data.Open();
    grid->Columns()->Clear();
    const char* fields[] = {"Id", "Name", "Firms", "Notes"};
    const char* captions[] = {"№", "Рубрика", "Фирм", "Заметки"};
    const int widths[] = {40, 170, 60, 70};
    for (int i = 0; i < 4; ++i) {
        TColumn* column = grid->Columns()->Add();
        column->SetFieldName(fields[i]);
        column->Title()->SetCaption(tk::fromUtf8(captions[i]));
        column->SetWidth(widths[i]);
    }
    grid->SetFixedCols(2);
    grid->OnGetBtnParams = [](TPersistent*, TField* field, TFont*, TColor&, TSortMarker& marker, bool) {
        if (field->FieldName() == "Name")
            marker = smDown;
    };
    for (int row : {1, 3, 4}) {
        data.First();
        data.MoveBy(row);
        grid->SelectedRows()->SetCurrentRowSelected(true);
    }
    data.First();
    data.MoveBy(3);

    form.Show();
    Application->ProcessMessages();
    grid->SetFocus();
    Application->ProcessMessages();
    const bool saved = tk::saveScreenshot(form, pngPath);
    data.Close();
    return saved;
}

SHOTS_SCENE(rubricgrid) {
    RubricData rubricData;
    tktest::MemoryDataSet& data = rubricData.data;

    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("Рубрики"));
    form.SetBounds(100, 100, 240, 260);
    auto* grid = new TExDBGrid(&form);
    grid->SetParent(&form);
    grid->SetAlign(alClient);
    grid->SetDataSource(&rubricData.source);
    grid->SetReadOnly(true);
    grid->SetOptions(dgConfirmDelete | dgCancelOnExit | dgAlwaysShowSelection);
    data.Open();
    grid->Columns()->Clear();
    TColumn* column = grid->Columns()->Add();
    column->SetFieldName("Name");
    column->SetWidth(210);
    data.MoveBy(2);

    form.Show();
    Application->ProcessMessages();
    const bool saved = tk::saveScreenshot(form, pngPath);
    data.Close();
    return saved;
}

// Object fields as nested columns: above, an expanded address heading its city and postcode; below,
// the same address folded into one column showing its parts' texts; each with its fold button
// and the number column frozen.
SHOTS_SCENE(exdbgridobjects) {
    tktest::AddressDataSet address(8);
    tktest::MemoryDataSet& data = address.data;

    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("Вложенные столбцы"));
    form.SetBounds(100, 100, 460, 400);
    data.Open();
    const char* captions[] = {"№", "Адрес", "Город", "Индекс"};
    for (const bool expanded : {true, false}) {
        auto* grid = new TExDBGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(8, expanded ? 8 : 208, 444, 184);
        grid->SetDataSource(&address.source);
        grid->SetTitleButtons(true);
        for (int i = 0; i < 4; ++i)
            grid->Columns()->Items(i)->Title()->SetCaption(tk::fromUtf8(captions[i]));
        grid->Columns()->Items(1)->SetExpanded(expanded);
        if (!expanded)
            grid->Columns()->Items(1)->SetWidth(150);
        grid->SetFixedCols(1);
    }

    form.Show();
    Application->ProcessMessages();
    const bool saved = tk::saveScreenshot(form, pngPath);
    data.Close();
    return saved;
}
