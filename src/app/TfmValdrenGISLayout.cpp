// The main window's layout, built in code as a stored layout would be read: the controls with
// their names, captions, hints and sizes, the menus, and the non-visual database components in the
// order their Loaded must run (the settings component before the dictionary component).
#include "app/TfmValdrenGIS.h"

#include <array>
#include <string_view>

#include "app/MapSettings.h"
#include "app/QueryTexts.h"
#include "data/TDbConnection.h"
#include "data/TDbDictionary.h"
#include "data/TDbQuery.h"
#include "data/TDbSettings.h"
#include "data/TDbTable.h"
#include "map/TDataMap.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TAutoIncField.h"
#include "toolkit/TBlobField.h"
#include "toolkit/TColumn.h"
#include "toolkit/TDBGridColumns.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TEdit.h"
#include "toolkit/TFont.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMainMenu.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TPanel.h"
#include "toolkit/TParams.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStatusBar.h"
#include "toolkit/TStatusPanels.h"
#include "toolkit/TStringField.h"
#include "toolkit/TStringList.h"
#include "toolkit/TTabSheet.h"
#include "toolkit/TTimer.h"
#include "widgets/TEmiStringGrid.h"
#include "widgets/TExDBGrid.h"
#include "widgets/TExSplitter.h"

namespace {

AnsiString ru(std::string_view utf8) { return tk::fromUtf8(utf8); }

// The client width of the search pages inside the 289-pixel right panel.
constexpr int kPageWidth = 281;

template <class C>
C* place(TComponent* owner, TWinControl* parent, const char* name) {
    auto* control = new C(owner);
    control->SetName(name);
    control->SetParent(parent);
    return control;
}

TPanel* plainPanel(TComponent* owner, TWinControl* parent, const char* name, TAlign align) {
    auto* panel = place<TPanel>(owner, parent, name);
    panel->SetBevelOuter(bvNone);
    panel->SetAlign(align);
    return panel;
}

TLabel* label(TComponent* owner, TWinControl* parent, const char* caption, int left, int top) {
    auto* l = new TLabel(owner);
    l->SetParent(parent);
    l->SetCaption(ru(caption));
    l->SetBounds(left, top, 120, 13);
    return l;
}

// Where the name lists end on a search page at the page control's stored height; from there they
// keep their distance to the page's bottom.
constexpr int kListBottom = 144;

// A read-only one-column list of the Name field, confirm-delete and cancel-on-exit only. It fills
// a borderless container that spans the page below its label and edit, from `top` down, and grows
// with the page as the splitter moves.
TExDBGrid* nameGrid(TComponent* owner, TWinControl* page, const char* container, const char* name, int top,
                    TDataSource* source, const char* hint) {
    TPanel* box = plainPanel(owner, page, container, alNone);
    box->SetBounds(4, top, kPageWidth - 8, kListBottom - top);
    box->SetAnchors(akLeft | akTop | akRight | akBottom);
    auto* grid = place<TExDBGrid>(owner, box, name);
    grid->SetAlign(alClient);
    grid->SetReadOnly(true);
    grid->SetOptions(dgConfirmDelete | dgCancelOnExit);
    grid->SetDataSource(source);
    static_cast<TColumn*>(grid->Columns()->Add())->SetFieldName("Name");
    grid->SetHint(ru(hint));
    grid->SetShowHint(true);
    return grid;
}

// A search edit across the page: at most 50 characters, with a two-line hint.
TEdit* searchEdit(TComponent* owner, TWinControl* parent, const char* name, int top, const char* hint) {
    auto* edit = place<TEdit>(owner, parent, name);
    edit->SetBounds(4, top, kPageWidth - 8, 21);
    edit->SetAnchors(akLeft | akTop | akRight);
    edit->SetMaxLength(50);
    edit->SetHint(ru(hint));
    edit->SetShowHint(true);
    return edit;
}

TMenuItem* menuItem(TComponent* owner, TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(ru(caption));
    parent->Add(item);
    return item;
}

} // namespace

void TfmValdrenGIS::buildLayout() {
    SetCaption(ru("Городская информационная система ВалдренИнфо"));
    Constraints()->SetMinWidth(640);
    Constraints()->SetMinHeight(480);
    SetBounds(0, 0, 1024, 740);
    SetWindowState(wsMaximized);
    SetKeyPreview(true);

    StatusBar1 = place<TStatusBar>(this, this, "StatusBar1");
    for (int width : {120, 300, 120})
        StatusBar1->Panels()->Add()->SetWidth(width);
    buildToolBar();

    paRight = plainPanel(this, this, "paRight", alRight);
    paRight->SetWidth(289);
    TPanel* gap = plainPanel(this, this, "paGap", alRight);
    gap->SetWidth(3);
    gap->SetLeft(paRight->Left() - 3);
    paMap = plainPanel(this, this, "paMap", alClient);
    paMap->SetBorderWidth(3);
    DataMap1 = place<TDataMap>(this, paMap, "DataMap1");
    DataMap1->SetAlign(alClient);
    app::applyMapSettings(*DataMap1);
    buildRightPanel();
    buildMenus();
    buildDataComponents();
}

void TfmValdrenGIS::buildToolBar() {
    paToolBar = plainPanel(this, this, "paToolBar", alTop);
    paToolBar->SetHeight(43);
    struct Button {
        TSpeedButton*& field;
        const char* name;
        const char* hint;
        const char* glyph;
        int left;
    };
    const std::array<Button, 9> buttons{{
        {SpeedButton5, "SpeedButton5", "Получить информацию", "TOOLPICK", 4},
        {SpeedButton9, "SpeedButton9", "Перетащить карту", "TOOLPAN", 42},
        {SpeedButton4, "SpeedButton4", "Изменить масштаб", "TOOLLENS", 80},
        {SpeedButton6, "SpeedButton6", "Измерить расстояние", "TOOLMEASURE", 118},
        {SpeedButton10, "SpeedButton10", "Весь город", "TOOLCITY", 164},
        {SpeedButton3, "SpeedButton3", "Поиск объекта", "TOOLFIND", 210},
        {SpeedButton1, "SpeedButton1", "Миникарта", "TOOLMINIMAP", 248},
        {SpeedButton2, "SpeedButton2", "Печать", nullptr, 294},
        {SpeedButton8, "SpeedButton8", "Справка", "TOOLHELP", 0},
    }};
    for (const Button& b : buttons) {
        b.field = place<TSpeedButton>(this, paToolBar, b.name);
        b.field->SetBounds(b.left, 2, 38, 38);
        b.field->SetFlat(true);
        b.field->SetHint(ru(b.hint));
        b.field->SetShowHint(true);
        if (b.glyph)
            b.field->Glyph()->LoadFromResourceName(b.glyph);
    }
    for (TSpeedButton* tool : {SpeedButton5, SpeedButton9, SpeedButton4, SpeedButton6})
        tool->SetGroupIndex(1);
    SpeedButton5->SetDown(true);
    SpeedButton2->SetVisible(false);
    SpeedButton8->SetLeft(Width() - 38 - 8);
    SpeedButton8->SetAnchors(akTop | akRight);

    SpeedButton5->OnClick = [this](TPersistent*) { SpeedButton5Click(); };
    SpeedButton9->OnClick = [this](TPersistent*) { SpeedButton9Click(); };
    SpeedButton4->OnClick = [this](TPersistent*) { SpeedButton4Click(); };
    SpeedButton6->OnClick = [this](TPersistent*) { SpeedButton6Click(); };
    SpeedButton10->OnClick = [this](TPersistent*) { N16Click(); };
}

void TfmValdrenGIS::buildRightPanel() {
    dsCat = new TDataSource(this);
    dsCat->SetName("dsCat");
    dsPredpr = new TDataSource(this);
    dsPredpr->SetName("dsPredpr");

    PageControl1 = place<TPageControl>(this, paRight, "PageControl1");
    PageControl1->SetAlign(alTop);
    PageControl1->SetHeight(180);
    PageControl1->Constraints()->SetMinHeight(160);
    PageControl1->Constraints()->SetMaxHeight(200);
    // Both tab captions fit the panel's width in the 8-point dialog font.
    TFont tabFont = *PageControl1->Font();
    tabFont.SetSize(8);
    PageControl1->SetFont(tabFont);
    auto* rubricPage = new TTabSheet(this);
    rubricPage->SetName("tsRubric");
    rubricPage->SetPageControl(PageControl1);
    rubricPage->SetCaption(ru("Поиск по рубрике"));
    auto* alphabetPage = new TTabSheet(this);
    alphabetPage->SetName("tsAlphabet");
    alphabetPage->SetPageControl(PageControl1);
    alphabetPage->SetCaption(ru("Алфавитный каталог"));
    PageControl1->SetActivePage(rubricPage);

    label(this, rubricPage, "Рубрика:", 4, 4);
    Edit2 = searchEdit(this, rubricPage, "Edit2", 19, "Строка поиска\r\nВведите часть названия рубрики");
    ExDBGrid2 = nameGrid(this, rubricPage, "paRubrics", "ExDBGrid2", 44, dsCat,
                         "Список рубрик\r\nВведите часть названия в строку поиска");

    // Three rows of the alphabet bar: digits, then the letters in two halves.
    const std::array<std::string_view, 3> rows{"123456789", "АБВГДЕЖЗИКЛМНО", "ПРСТУФХЦЧШЩЭЮЯ"};
    for (int row = 0; row < 3; ++row) {
        const AnsiString letters = ru(rows[static_cast<size_t>(row)]);
        for (size_t i = 0; i < letters.size(); ++i) {
            auto* letter = new TSpeedButton(this);
            letter->SetParent(alphabetPage);
            letter->SetCaption(letters.substr(i, 1));
            letter->SetBounds(4 + int(i) * 19, 2 + row * 17, 16, 16);
            letter->SetFlat(true);
            letter->Font()->SetName("Tahoma");
            letter->Font()->SetStyle({fsBold});
            letter->Font()->SetColor(clNavy);
            letter->SetHint(ru("Выберите первую букву"));
            letter->SetShowHint(true);
            letter->OnClick = [this](TPersistent* Sender) { SpeedButton39Click(Sender); };
        }
    }
    label(this, alphabetPage, "Наименование:", 4, 55);
    Edit1 = searchEdit(this, alphabetPage, "Edit1", 69, "Строка поиска\r\nВведите начало слова");
    ExDBGrid1 = nameGrid(this, alphabetPage, "paFirmNames", "ExDBGrid1", 94, dsPredpr,
                         "Список предприятий, организаций, учреждений\r\nВведите начало слова в строку поиска");

    for (TEdit* edit : {Edit2, Edit1}) {
        edit->OnEnter = [this](TPersistent*) { Edit2Enter(); };
        edit->OnKeyDown = [this](TPersistent* Sender, std::uint16_t& Key, TShiftState Shift) { Edit2KeyDown(Sender, Key, Shift); };
    }
    Edit2->OnChange = [this](TPersistent*) { Edit2Change(); };
    Edit1->OnChange = [this](TPersistent*) { Edit1Change(); };

    Image1 = place<TImage>(this, paRight, "Image1");
    Image1->SetAlign(alBottom);
    Image1->SetHeight(65);
    Image1->SetCenter(true);
    Image1->SetCursor(crHandPoint);

    paFirmInfo = plainPanel(this, paRight, "paFirmInfo", alClient);
    paRTF = place<TPanel>(this, paFirmInfo, "paRTF");
    paRTF->SetAlign(alBottom);
    paRTF->SetHeight(150);
    paRTF->SetColor(clWhite);
    paRTF->SetBevelOuter(bvLowered);
    paRTF->Constraints()->SetMinHeight(60);
    paRTF->OnResize = [this](TPersistent*) { FormResize(); };
    ExSplitter2 = place<TExSplitter>(this, paFirmInfo, "ExSplitter2");
    ExSplitter2->SetAlign(alBottom);
    ExSplitter2->SetControlFirst(paRTF);
    ExSplitter2->SetControlSecond(nullptr);
    StringGrid1 = place<TEmiStringGrid>(this, paFirmInfo, "StringGrid1");
    StringGrid1->SetAlign(alClient);
    StringGrid1->SetColCount(1);
    StringGrid1->SetRowCount(1);
    StringGrid1->SetFixedCols(0);
    StringGrid1->SetFixedRows(0);
    StringGrid1->SetOptions(goVertLine | goHorzLine);
    StringGrid1->Font()->SetName("MS Sans Serif");
    StringGrid1->Font()->SetStyle({fsBold});
    StringGrid1->Font()->SetColor(clNavy);
    StringGrid1->SetDefaultCellsAlignment(caTopLeft);
    StringGrid1->SetDefaultMultiLineCells(true);

    ExSplitter1 = place<TExSplitter>(this, paRight, "ExSplitter1");
    ExSplitter1->SetAlign(alTop);
    ExSplitter1->SetTop(PageControl1->Height());
    ExSplitter1->SetControlFirst(PageControl1);
    ExSplitter1->SetControlSecond(paFirmInfo);
}

// The keys the window handles itself stand after a tab, where menus show them at the item's right;
// the menu binds none of them.
void TfmValdrenGIS::buildMenus() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem* file = menuItem(this, MainMenu1->Items(), "&Файл");
    menuItem(this, file, "В&ыход")->OnClick = [this](TPersistent*) { Close(); };
    N6 = menuItem(this, menuItem(this, MainMenu1->Items(), "&Поиск"), "&Найти...\tCtrl+F");
    TMenuItem* view = menuItem(this, MainMenu1->Items(), "&Вид");
    menuItem(this, view, "&Вся карта")->OnClick = [this](TPersistent*) { N16Click(); };
    N17 = menuItem(this, view, "&Миникарта\tCtrl+M");
    N11 = menuItem(this, menuItem(this, MainMenu1->Items(), "С&ервис"), "&Параметры...");
    TMenuItem* help = menuItem(this, MainMenu1->Items(), "&Справка");
    N3 = menuItem(this, help, "&Содержание\tF1");
    menuItem(this, help, "-");
    N14 = menuItem(this, help, "&О программе...");
    SetMenu(MainMenu1);

    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    pmPick = menuItem(this, PopupMenu1->Items(), "Выбор");
    pmPick->SetChecked(true);
    pmPick->OnClick = [this](TPersistent*) { SpeedButton5Click(); };
    pmLens = menuItem(this, PopupMenu1->Items(), "Лупа");
    pmLens->OnClick = [this](TPersistent*) { SpeedButton4Click(); };
    pmMeasure = menuItem(this, PopupMenu1->Items(), "Линейка");
    pmMeasure->OnClick = [this](TPersistent*) { SpeedButton6Click(); };
}

namespace {

TDbTable* table(TComponent* owner, const char* name, const char* tableName, const char* index) {
    auto* t = new TDbTable(owner);
    t->SetName(name);
    t->SetDatabaseName("DbConnection1");
    t->SetTableName(tableName);
    t->SetIndexName(index);
    return t;
}

// The stored query: its text and its parameters, as a layout keeps them.
TDbQuery* query(TComponent* owner, const char* name, const char* text, std::initializer_list<const char*> params) {
    auto* q = new TDbQuery(owner);
    q->SetName(name);
    q->SetDatabaseName("DbConnection1");
    q->SQL()->SetText(text);
    TParams stored;
    for (const char* param : params)
        stored.CreateParam(ftUnknown, param, ptUnknown);
    q->SetParamData(stored);
    return q;
}

} // namespace

void TfmValdrenGIS::buildDataComponents() {
    DbSettings1 = new TDbSettings(this);
    DbSettings1->SetName("DbSettings1");
    DbSettings1->SetDateFormat("dd.MM.ccyy");
    DbSettings1->SetNumDecimals(2);
    DbSettings1->SetSetHostDate(true);
    DbSettings1->SetShowDeleted(false);
    DbSettings1->SetDbServerTypes(stCE_REMOTE);
    DbSettings1->SetNumCachedTables(0);
    DbSettings1->SetNumCachedCursors(25);

    DbDictionary1 = new TDbDictionary(this);
    DbDictionary1->SetName("DbDictionary1");
    DbDictionary1->SetConnectPath("data\\mapdata.vdd");
    DbDictionary1->SetDbServerTypes(stCE_LOCAL);
    DbDictionary1->LoginPrompt = false;
    DbDictionary1->UserName = "USER";
    DbDictionary1->Password = "valdren";

    DbConnection1 = new TDbConnection(this);
    DbConnection1->SetName("DbConnection1");
    DbConnection1->SetConnectPath("data\\mapdata.vdd");
    DbConnection1->DbServerTypes = stCE_LOCAL;
    DbConnection1->LoginPrompt = false;
    DbConnection1->Username = "USER";
    DbConnection1->Password = "valdren";
    DbConnection1->ReadOnly = true;

    dbCity = table(this, "dbCity", "city", "");
    dbCategory = table(this, "dbCategory", "Category", "CAT_ID");
    auto* catId = new TAutoIncField(dbCategory);
    catId->SetFieldName("Cat_Id");
    catId->SetDataSet(dbCategory);
    auto* catName = new TStringField(dbCategory);
    catName->SetFieldName("Name");
    catName->SetSize(40);
    catName->SetDataSet(dbCategory);
    auto* catSound = new TBlobField(dbCategory);
    catSound->SetFieldName("Sound");
    catSound->SetDataSet(dbCategory);
    dbStreets = table(this, "dbStreets", "Street", "NAME");
    dbStreets->AfterScroll = [this](TDataSet*) { DataMap1Click(); };
    dbRubric = table(this, "dbRubric", "Topic", "NAME");

    qShowCat = query(this, "qShowCat", app::sql::kShowCat, {"Name"});
    qShowPredpr = query(this, "qShowPredpr", app::sql::kShowPredpr, {"Name"});
    qShowFirm = query(this, "qShowFirm", app::sql::kShowFirm, {"Topic_Id"});
    qShowFirm2 = query(this, "qShowFirm2", app::sql::kShowFirm2, {"Office_Id"});
    qShowInfo = query(this, "qShowInfo", app::sql::kShowInfo, {"Office_Id"});
    qShowTopics = query(this, "qShowTopics", app::sql::kShowTopics, {"Office_Id"});
    qObjInfo = query(this, "qObjInfo", app::sql::kObjInfo, {"Street", "House"});
    dsCat->SetDataSet(qShowCat);
    dsPredpr->SetDataSet(qShowPredpr);
    DbQuery1 = query(this, "DbQuery1", app::sql::kMapOffices, {"MapId"});

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->OnTimer = [this](TPersistent*) { Timer1Timer(); };
    BanTimer = new TTimer(this);
    BanTimer->SetName("BanTimer");
    BanTimer->SetInterval(5000);
    BanTimer->SetEnabled(false);
}
