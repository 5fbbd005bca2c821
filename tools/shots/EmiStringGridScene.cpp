// The firm list as the program shows it: a 289-pixel string grid of wrapped bold navy names,
// one marked firm in its own colour unselected and one selected.
#include <string>

#include "Scene.h"
#include "toolkit/Screenshot.h"
#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "widgets/TEmiStringGrid.h"

SHOTS_SCENE(emistringgrid) {
    const char* firms[] = {"ООО «Валдренская типография и переплётная мастерская»",
                           "Аптека №3",
                           "ЗАО «Северный речной порт Валдрена»",
                           "Кафе «Пристань»",
                           "Книжный магазин «Старая площадь» при городской библиотеке",
                           "Цветы у вокзала",
                           "Юридическое бюро «Право и порядок»"};
    TForm form(nullptr);
    form.SetCaption(tk::fromUtf8("Фирмы"));
    form.SetBounds(100, 100, 305, 330);
    auto* grid = new TEmiStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(8, 8, 289, 314);
    grid->SetColCount(1);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetRowCount(7);
    grid->SetDefaultColWidth(268);
    grid->SetDefaultRowHeight(42);
    grid->SetOptions(grid->Options() | goRowSelect);
    grid->Font()->SetStyle(TFontStyles{fsBold});
    grid->Font()->SetColor(clNavy);
    grid->SetDefaultMultiLineCells(true);
    for (int r = 0; r < 7; ++r)
        grid->SetCells(0, r, tk::fromUtf8(firms[r]));
    // Firms 1 and 4 are marked; row 4 is the selected one.
    grid->OnGetCellColor = [](TPersistent*, int row, int, TGridDrawState state, TCellAlignment&, bool&,
                              TBrush* brush, TFont* font) {
        if (row != 1 && row != 4)
            return;
        if (state & gdSelected)
            font->SetColor(clYellow);
        else
            brush->SetColor(0x00C0F0FF);
    };
    grid->SetRow(4);

    form.Show();
    Application->ProcessMessages();
    grid->SetFocus();
    Application->ProcessMessages();
    return tk::saveScreenshot(form, pngPath);
}
