// The program's main window: the city map on the left, the rubric and firm-name searches, the firm
// list, the card panel and the banner on the right, a tool bar, a menu and a status bar. It owns
// the database components the program reads through and the map navigation: tools, wheel, keys,
// drag panning, zoom limits, busy cursor and the blink clean-up.
#pragma once

#include <cstdint>

#include "toolkit/TForm.h"
#include "toolkit/GridTypes.h"
#include "toolkit/Messages.h"

class TBrush;
class TDataMap;
class TDataSource;
class TDbConnection;
class TDbDictionary;
class TDbQuery;
class TDbSettings;
class TDbTable;
class TEdit;
class TEmiStringGrid;
class TExDBGrid;
class TExSplitter;
class TfmHint;
class TFont;
class TImage;
class TMainMenu;
class TMenuItem;
class TPageControl;
class TPanel;
class TPopupMenu;
class TRichEditWithLinks;
class TSpeedButton;
class TStatusBar;
class TTimer;

class TfmValdrenGIS : public TForm {
public:
    explicit TfmValdrenGIS(TComponent* AOwner);
    ~TfmValdrenGIS() override;

    // Reads the city map from the database into the map (once, at start-up).
    void LoadCityMap();
    void UpdateStatusBar();
    void BeginWait();
    void EndWait();
    // Banner 1..3 from the executable's pictures, with its help book and viewer title.
    void ShowBanner(int Index);
    void AppMessage(TMsg& Msg, bool& Handled);
    // ---- banners, help and small windows ----
    void NextBanner();
    void BanTimerTimer();
    void Image1Click();
    void N3Click();
    void SpeedButton8Click();
    void N6Click();
    void N11Click();
    void N14Click();
    void N17Click();

    void FormCreate();
    void FormActivate();
    void FormKeyDown(std::uint16_t& Key, TShiftState Shift);
    void FormCloseQuery(bool& CanClose);
    void N16Click();
    void SpeedButton5Click();
    void SpeedButton9Click();
    void SpeedButton4Click();
    void SpeedButton6Click();
    void DataMap1AfterLoad();
    void DataMap1ChangeScale();
    void DataMap1Measure(double Dlina);
    void DataMap1MouseWheelDown(TShiftState Shift, bool& Handled);
    void DataMap1MouseWheelUp(TShiftState Shift, bool& Handled);
    void DataMap1KeyDown(std::uint16_t& Key, TShiftState Shift);
    void DataMap1MouseMove(TShiftState Shift, int X, int Y);
    void DataMap1MouseEnter();
    void DataMap1BeforeScroll();
    void DataMap1AfterScroll();
    void DataMap1BlinkObject();
    void DataMap1Click();
    void Timer1Timer();
    void FormResize();
    void Edit2Change();
    void Edit1Change();
    void Edit2Enter();
    void Edit2KeyDown(TPersistent* Sender, std::uint16_t& Key, TShiftState Shift);

    // ---- searches and the firm list ----
    // The last picked object's id; map ids are unsigned 32-bit, so NoObject differs from all.
    static constexpr std::int64_t NoObject = -1;
    std::int64_t LastPickedId = NoObject;
    // The card taken out of the list by a link on it; it lives until the fill after next.
    TRichEditWithLinks* DetachedCard = nullptr;
    // Replaces the firm list and its cards with Query's firms (open on its first row) and shows
    // the first card.
    void FillFirmGrid(TDbQuery* Query);
    // Builds and loads the card of cell (ACol, ARow) for the firm Query stands on.
    void BuildFirmCard(int ACol, int ARow, TDbQuery* Query);
    void freeDetachedCard();
    // Takes Card out of its cell and keeps it as the detached card, freeing the one before.
    void detachCard(TRichEditWithLinks* Card);
    // The card of a firm-list cell, or none.
    TRichEditWithLinks* CardAt(int ACol, int ARow) const;
    void SpeedButton39Click(TPersistent* Sender);
    void ExDBGrid2DblClick();
    void ExDBGrid2KeyPress(char& Key);
    void ExDBGrid1DblClick();
    void ExDBGrid1KeyPress(char& Key);
    void StringGrid1SelectCell(int ACol, int ARow, bool& CanSelect);
    void StringGrid1GetCellColor(int ARow, int ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont);

    // ---- pick request and highlight ----
    void DataMap1MouseDown(TMouseButton Button, int X, int Y);
    void DataMap1MouseUp();
    void DataMap1AfterLocate(bool Value);
    // Gives the highlighted object its own brush colour, pen colour and pen width back, then
    // marks object Index (a list index; none when out of range) with a red fill and a thin black
    // pen. Callers bracket it with the map's ClearReady / SetReady.
    void HighlightObject(int Index);
    // The id of the object drawn highlighted, or NoObject.
    std::int64_t HighlightedId() const { return highlighted_.Id; }
    TfmHint* fmHint = nullptr;
    // A firm card's link: e-mail, rubric, web or branch address, told apart in that order.
    void InfoHlinkClicked(TPersistent* Sender, std::int32_t cpMin, std::int32_t cpMax, const AnsiString& Link);

    // ---- the layout ----
    TStatusBar* StatusBar1 = nullptr;
    TPanel* paToolBar = nullptr;
    TSpeedButton* SpeedButton5 = nullptr;
    TSpeedButton* SpeedButton9 = nullptr;
    TSpeedButton* SpeedButton4 = nullptr;
    TSpeedButton* SpeedButton6 = nullptr;
    TSpeedButton* SpeedButton10 = nullptr;
    TSpeedButton* SpeedButton3 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TSpeedButton* SpeedButton8 = nullptr;
    TPanel* paMap = nullptr;
    TDataMap* DataMap1 = nullptr;
    TPanel* paRight = nullptr;
    TPageControl* PageControl1 = nullptr;
    TEdit* Edit2 = nullptr;
    TExDBGrid* ExDBGrid2 = nullptr;
    TEdit* Edit1 = nullptr;
    TExDBGrid* ExDBGrid1 = nullptr;
    TExSplitter* ExSplitter1 = nullptr;
    TPanel* paFirmInfo = nullptr;
    TEmiStringGrid* StringGrid1 = nullptr;
    TExSplitter* ExSplitter2 = nullptr;
    TPanel* paRTF = nullptr;
    TImage* Image1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* N6 = nullptr;
    TMenuItem* N17 = nullptr;
    TMenuItem* N11 = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* N14 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* pmPick = nullptr;
    TMenuItem* pmLens = nullptr;
    TMenuItem* pmMeasure = nullptr;

    TDbSettings* DbSettings1 = nullptr;
    TDbDictionary* DbDictionary1 = nullptr;
    TDbConnection* DbConnection1 = nullptr;
    TDbTable* dbCity = nullptr;
    TDbTable* dbCategory = nullptr;
    TDbTable* dbStreets = nullptr;
    TDbTable* dbRubric = nullptr;
    TDbQuery* qShowCat = nullptr;
    TDbQuery* qShowPredpr = nullptr;
    TDbQuery* qShowFirm = nullptr;
    TDbQuery* qShowFirm2 = nullptr;
    TDbQuery* qShowInfo = nullptr;
    TDbQuery* qShowTopics = nullptr;
    TDbQuery* qObjInfo = nullptr;
    TDataSource* dsCat = nullptr;
    TDataSource* dsPredpr = nullptr;
    TDbQuery* DbQuery1 = nullptr;
    TTimer* Timer1 = nullptr;
    TTimer* BanTimer = nullptr;

    // ---- state ----
    int MinScale() const { return minScale_; }
    const AnsiString& BannerHelpFile() const { return bannerHelpFile_; }
    const AnsiString& BannerHelpTitle() const { return bannerHelpTitle_; }

protected:
    void WndProc(TMessage& Message) override;

private:
    void buildLayout();
    void buildToolBar();
    void buildRightPanel();
    void buildMenus();
    void buildDataComponents();
    void bindWheel(bool wheelDownZoomsIn);
    void setTool(TSpeedButton* button, int instrument, bool clearDistance);
    // The Scale one zoom-out step gives, never below the minimum.
    int zoomedOut() const;
    // ---- searches and the firm list ----
    // FillFirmGrid's rows and cards, inside the list's update.
    void fillFirmRows(TDbQuery& Query);

    int dragX_ = 0;
    int dragY_ = 0;
    int savedInstrument_ = 0;
    int minScale_ = 0;
    AnsiString bannerHelpFile_;
    AnsiString bannerHelpTitle_;
    bool firstActivation_ = true;
    int bannerIndex_ = 1;
    TCursor savedCursor_ = 0;
    AnsiString rubricName_;

    // ---- pick request and highlight ----
    // Shows the balloon at the last press for the located object.
    void showHint(std::uint32_t id, int category, const AnsiString& street, const AnsiString& house);
    // Runs the address query, fills the firm list from it and highlights the object.
    void lookUpFirms(std::uint32_t id, const AnsiString& street, const AnsiString& house);
    void openWithDesktop(const AnsiString& Target);
    void followRubricLink(TRichEditWithLinks& Card, const AnsiString& Name);
    void followAddressLink(const AnsiString& Link);
    int pressX_ = 0;
    int pressY_ = 0;
    TMouseButton pressButton_ = mbLeft;
    // The highlighted object's own colours, to be put back when the highlight moves on.
    struct Highlight {
        std::int64_t Id = NoObject;
        std::uint32_t PenColor = 0;
        std::int32_t PenWidth = 0;
        std::uint32_t BrushColor = 0;
    };
    Highlight highlighted_;
};

extern TfmValdrenGIS* fmValdrenGIS;
