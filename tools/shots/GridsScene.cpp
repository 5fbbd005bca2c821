// The grids scene: a string grid with a fixed row and column, a range selection and its editor
// open, above a data grid over the in-memory dataset with titles, the indicator and a customised
// column.
#include <memory>
#include <string>

#include "Scene.h"
#include "support/MemoryDataSet.h"
#include "toolkit/Screenshot.h"
#include "toolkit/TApplication.h"
#include "toolkit/TColumn.h"
#include "toolkit/TColumnTitle.h"
#include "toolkit/TDBGrid.h"
#include "toolkit/TDBGridColumns.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TForm.h"
#include "toolkit/TInplaceEdit.h"
#include "toolkit/TStringGrid.h"

namespace {

// Opens the string grid's editor on its current cell, as F2 does.
class TSceneStringGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    void openEditor() { ShowEditor(); }
};

} // namespace

SHOTS_SCENE(grids) {
    TComponent owner(nullptr);
    tktest::MemoryDataSet data(&owner, {{"Id", ftInteger}, {"Name", ftString, 30}, {"Street", ftString, 24}});
    const char* firms[] = {"Пекарня", "Аптека", "Кафе", "Книжный магазин", "Ремонт обуви", "Банк", "Почта", "Цветы"};
    const char* streets[] = {"ул. Ленина, 4", "пр. Мира, 12", "ул. Садовая, 7", "наб. Речная, 1"};
    for (int i = 0; i < 40; ++i)
        data.addRow({Variant(i + 1), Variant(tk::fromUtf8(firms[i % 8]) + " " + std::to_string(i + 1)),
                     Variant(tk::fromUtf8(streets[i % 4]))});
    TDataSource source(&owner);
    source.SetDataSet(&data);

    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("Сетки"));
    form.SetBounds(100, 100, 420, 420);
    auto* strings = new TSceneStringGrid(&form);
    strings->SetParent(&form);
    strings->SetBounds(8, 8, 400, 160);
    strings->SetColCount(4);
    strings->SetRowCount(12);
    strings->SetOptions(strings->Options() | goEditing | goColSizing);
    const char* titles[] = {"", "Рубрика", "Фирм", "Улица"};
    for (int c = 1; c < 4; ++c)
        strings->SetCells(c, 0, tk::fromUtf8(titles[c]));
    for (int r = 1; r < 12; ++r) {
        strings->SetCells(0, r, std::to_string(r));
        strings->SetCells(1, r, tk::fromUtf8(firms[r % 8]));
        strings->SetCells(2, r, std::to_string(r * 7 % 23));
        strings->SetCells(3, r, tk::fromUtf8(streets[r % 4]));
    }
    strings->SetColWidths(0, 24);
    strings->SetColWidths(1, 130);
    strings->SetSelection(TGridRect{1, 3, 3, 5});

    auto* grid = new TDBGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(8, 180, 400, 230);
    grid->SetDataSource(&source);
    data.Open();
    grid->Columns()->Clear();
    TColumn* name = grid->Columns()->Add();
    name->SetFieldName("Name");
    name->Title()->SetCaption(tk::fromUtf8("Наименование"));
    name->SetWidth(180);
    TColumn* street = grid->Columns()->Add();
    street->SetFieldName("Street");
    street->Title()->SetCaption(tk::fromUtf8("Адрес"));
    street->SetColor(0x00E0F0FF);
    data.MoveBy(3);

    form.Show();
    Application->ProcessMessages();
    strings->SetFocus();
    strings->openEditor();
    Application->ProcessMessages();
    const bool saved = tk::saveScreenshot(form, pngPath);
    data.Close();
    return saved;
}
