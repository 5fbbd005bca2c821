// The main window's handlers: creation under the start-up guard, first activation, the tools, the
// wheel, keys and drag panning with their zoom limits, the status bar, the busy cursor, the blink
// clean-up, the application message hook, the two name searches, the banner and the closing.
#include "app/TfmValdrenGIS.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/FailureGuard.h"
#include "app/HelpWindows.h"
#include "app/ProgramSettings.h"
#include "app/RerunQuery.h"
#include "app/TfmHint.h"
#include "app/TfmSmall.h"
#include "data/TDbConnection.h"
#include "data/TDbQuery.h"
#include "data/TDbTable.h"
#include "map/TDataMap.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/Shell.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TBlobField.h"
#include "toolkit/TEdit.h"
#include "toolkit/TImage.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPanel.h"
#include "toolkit/TParam.h"
#include "toolkit/TPicture.h"
#include "toolkit/TResourceStream.h"
#include "toolkit/TScreen.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStatusBar.h"
#include "toolkit/TStatusPanels.h"
#include "toolkit/TTimer.h"
#include "toolkit/WinApi.h"
#include "widgets/TEmiStringGrid.h"
#include "widgets/TExDBGrid.h"

TfmValdrenGIS* fmValdrenGIS = nullptr;

namespace {

constexpr int kMaxScale = 850;
// Posted to the window by its first activation.
constexpr unsigned kFirstActivation = WM_USER + 1;

AnsiString ru(std::string_view utf8) { return tk::fromUtf8(utf8); }

// A drag along one axis may move the view unless it would pull an extent edge that is inside the
// view further in: allowed when the view overhangs both edges, when it keeps the far edge
// reachable, or when it does not move.
bool isPanAllowed(float wind, float view, float delta, float low, float high) {
    const bool overhangsBoth = wind + delta < low && wind + view + delta > high;
    const bool towardsHigh = delta > 0 && wind + view + delta <= high;
    const bool towardsLow = delta < 0 && wind + delta >= low;
    return overhangsBoth || towardsHigh || delta == 0 || towardsLow;
}

// Banner n's picture is RCDATA n; its help book and the title its viewer window carries.
struct Banner {
    const char* helpFile;
    const char* helpTitle;
};
constexpr Banner kBanners[] = {
    {app::kAdvertHelpBook, app::kAdvertHelpTitle},
    {app::kProgramHelpBook, app::kProgramHelpTitle},
    {"", app::kAdvertHelpTitle},
};

} // namespace

TfmValdrenGIS::TfmValdrenGIS(TComponent* AOwner) : TForm(AOwner) {
    BeginLayout();
    buildLayout();
    // ---- banners, help and small windows ----
    BanTimer->OnTimer = [this](TPersistent*) { BanTimerTimer(); };
    Image1->OnClick = [this](TPersistent*) { Image1Click(); };
    N3->OnClick = [this](TPersistent*) { N3Click(); };
    SpeedButton8->OnClick = [this](TPersistent*) { SpeedButton8Click(); };
    N6->OnClick = [this](TPersistent*) { N6Click(); };
    SpeedButton3->OnClick = [this](TPersistent*) { N6Click(); };
    N11->OnClick = [this](TPersistent*) { N11Click(); };
    N14->OnClick = [this](TPersistent*) { N14Click(); };
    N17->OnClick = [this](TPersistent*) { N17Click(); };
    SpeedButton1->OnClick = [this](TPersistent*) { N17Click(); };

    OnCreate = [this](TPersistent*) { FormCreate(); };
    OnActivate = [this](TPersistent*) { FormActivate(); };
    OnKeyDown = [this](TPersistent*, std::uint16_t& Key, TShiftState Shift) { FormKeyDown(Key, Shift); };
    OnCloseQuery = [this](TPersistent*, bool& CanClose) { FormCloseQuery(CanClose); };
    OnResize = [this](TPersistent*) { FormResize(); };
    DataMap1->OnAfterLoad = [this](TPersistent*) { DataMap1AfterLoad(); };
    DataMap1->OnChangeScale = [this](TPersistent*) { DataMap1ChangeScale(); };
    DataMap1->OnMeasure = [this](TPersistent*, double Dlina) { DataMap1Measure(Dlina); };
    DataMap1->OnKeyDown = [this](TPersistent*, std::uint16_t& Key, TShiftState Shift) { DataMap1KeyDown(Key, Shift); };
    DataMap1->OnMouseMove = [this](TPersistent*, TShiftState Shift, int X, int Y) { DataMap1MouseMove(Shift, X, Y); };
    DataMap1->OnMouseEnter = [this](TPersistent*) { DataMap1MouseEnter(); };
    DataMap1->OnBeforeScroll = [this](TPersistent*) { DataMap1BeforeScroll(); };
    DataMap1->OnAfterScroll = [this](TPersistent*) { DataMap1AfterScroll(); };
    DataMap1->OnBlinkObject = [this](auto&&...) { DataMap1BlinkObject(); };
    DataMap1->OnClick = [this](TPersistent*) { DataMap1Click(); };
    // ---- searches and the firm list ----
    ExDBGrid2->OnDblClick = [this](TPersistent*) { ExDBGrid2DblClick(); };
    ExDBGrid2->OnKeyPress = [this](TPersistent*, char& Key) { ExDBGrid2KeyPress(Key); };
    ExDBGrid1->OnDblClick = [this](TPersistent*) { ExDBGrid1DblClick(); };
    ExDBGrid1->OnKeyPress = [this](TPersistent*, char& Key) { ExDBGrid1KeyPress(Key); };
    StringGrid1->OnSelectCell = [this](TPersistent*, int ACol, int ARow, bool& CanSelect) {
        StringGrid1SelectCell(ACol, ARow, CanSelect);
    };
    StringGrid1->OnGetCellColor = [this](TPersistent*, int ARow, int ACol, TGridDrawState AState, TCellAlignment&, bool&,
                                         TBrush* ABrush, TFont* AFont) { StringGrid1GetCellColor(ARow, ACol, AState, ABrush, AFont); };
    // ---- pick request and highlight ----
    DataMap1->OnMouseDown = [this](TPersistent*, TMouseButton Button, TShiftState, int X, int Y) {
        DataMap1MouseDown(Button, X, Y);
    };
    DataMap1->OnMouseUp = [this](TPersistent*, TMouseButton, TShiftState, int, int) { DataMap1MouseUp(); };
    DataMap1->OnAfterLocate = [this](TPersistent*, bool Value) { DataMap1AfterLocate(Value); };
    EndLayout();
}

TfmValdrenGIS::~TfmValdrenGIS() {
    if (fmValdrenGIS == this)
        fmValdrenGIS = nullptr;
    Application->OnMessage = nullptr;
}

void TfmValdrenGIS::FormCreate() {
    app::runGuarded([this] {
        bindWheel(app::readProgramSettings().wheelDownZoomsIn);
        rubricName_.clear();
        // ---- pick request and highlight ----
        highlighted_.Id = NoObject;
        LastPickedId = NoObject;
        firstActivation_ = true;
        DbConnection1->Connect();
        for (TDbTable* t : {dbCategory, dbStreets, dbRubric})
            t->Open();
        for (TDbQuery* q : {qShowCat, qShowPredpr, qShowFirm, qShowTopics, qShowInfo, qObjInfo})
            q->Prepare();
        StringGrid1->SetDefaultRowHeight(StringGrid1->Canvas()->TextHeight(ru("тест")) + 3);
        StringGrid1->SetColWidths(0, StringGrid1->Width());
        Edit2Change();
        Edit1Change();
        // ---- pick request and highlight ----
        fmHint = new TfmHint(this, /*TailDown=*/false);
        Application->SetShowHint(true);
        Application->OnMessage = [this](TMsg& Msg, bool& Handled) { AppMessage(Msg, Handled); };
        bannerIndex_ = 1;
        ShowBanner(bannerIndex_);
        BanTimer->SetEnabled(true);
    });
}

void TfmValdrenGIS::bindWheel(bool wheelDownZoomsIn) {
    TMouseWheelUpDownEvent zoomIn = [this](TPersistent*, TShiftState Shift, TPoint, bool& Handled) {
        DataMap1MouseWheelDown(Shift, Handled);
    };
    TMouseWheelUpDownEvent zoomOut = [this](TPersistent*, TShiftState Shift, TPoint, bool& Handled) {
        DataMap1MouseWheelUp(Shift, Handled);
    };
    DataMap1->OnMouseWheelDown = wheelDownZoomsIn ? zoomIn : zoomOut;
    DataMap1->OnMouseWheelUp = wheelDownZoomsIn ? zoomOut : zoomIn;
}

void TfmValdrenGIS::LoadCityMap() {
    dbCity->Open();
    TMemoryStream stream;
    static_cast<TBlobField*>(dbCity->FieldByName("citymap"))->SaveToStream(stream);
    stream.SetPosition(0);
    DataMap1->LoadFromStream(stream);
    // The map shows nothing in either case; the line tells a user who sees an empty map why.
    const mapi::MapModel& city = DataMap1->Model();
    if (city.Damaged())
        std::fprintf(stderr, "ValInfo: the city map is damaged: %s\n", tk::toUtf8(city.DamageMessage()).c_str());
    else if (city.Objects().Count() == 0)
        std::fprintf(stderr, "ValInfo: the city map holds no objects\n");
    dbCity->Close();
    UpdateStatusBar();
}

void TfmValdrenGIS::DataMap1AfterLoad() { DataMap1->SetMashtab(1644); }

void TfmValdrenGIS::FormActivate() {
    // The window system is still settling the maximised frame while the window first activates;
    // the whole-city view and the mini-map's place wait for the messages queued before them.
    if (firstActivation_)
        PostMessage(Handle(), kFirstActivation, 0, 0);
    firstActivation_ = false;
}

void TfmValdrenGIS::WndProc(TMessage& Message) {
    if (Message.Msg != kFirstActivation) {
        TForm::WndProc(Message);
        return;
    }
    N16Click();
    minScale_ = DataMap1->Scale();
    if (fmSmall)
        fmSmall->PlaceAtMap(*DataMap1);
}

void TfmValdrenGIS::N16Click() {
    if (DataMap1->GetObjectCount() == 0)
        return;
    const auto& extent = DataMap1->Model().MapExtent;
    DataMap1->ZoomToRect(extent.x1, extent.y1, extent.x2, extent.y2);
}

void TfmValdrenGIS::setTool(TSpeedButton* button, int instrument, bool clearDistance) {
    button->SetDown(true);
    DataMap1->SetInstrument(static_cast<TInstrument>(instrument));
    if (clearDistance)
        StatusBar1->Panels()->Items(2)->SetText(AnsiString());
    UpdateStatusBar();
}

void TfmValdrenGIS::SpeedButton5Click() { setTool(SpeedButton5, iPick, true); }
void TfmValdrenGIS::SpeedButton9Click() { setTool(SpeedButton9, iNone, true); }
void TfmValdrenGIS::SpeedButton4Click() { setTool(SpeedButton4, iLinza, true); }
void TfmValdrenGIS::SpeedButton6Click() { setTool(SpeedButton6, iMeasure, false); }

void TfmValdrenGIS::UpdateStatusBar() {
    const char* tool = "";
    switch (DataMap1->Instrument()) {
    case iNone: tool = " Сдвиг"; break;
    case iMeasure: tool = " Измерение"; break;
    case iPick: tool = " Выбор"; break;
    case iLinza: tool = " Масштабирование "; break;
    default: break;
    }
    StatusBar1->Panels()->Items(0)->SetText(" " + ru(tool));
    if (!rubricName_.empty())
        StatusBar1->Panels()->Items(1)->SetText(ru("Рубрика: ") + rubricName_);
}

void TfmValdrenGIS::DataMap1Measure(double Dlina) {
    // llrint rounds half to even in the default rounding mode.
    StatusBar1->Panels()->Items(2)->SetText(ru("Расстояние = ") + std::to_string(std::llrint(Dlina)) + ru("м"));
}

void TfmValdrenGIS::DataMap1ChangeScale() {
    if (DataMap1->Scale() > kMaxScale)
        DataMap1->SetScale(kMaxScale);
    UpdateStatusBar();
    DataMap1->Options()->SetStepLinza(std::max(1L, std::lrint(DataMap1->Scale() / 100.0 * 20)));
}

int TfmValdrenGIS::zoomedOut() const {
    return std::max(minScale_, DataMap1->Scale() - DataMap1->Options()->StepLinza());
}

void TfmValdrenGIS::DataMap1MouseWheelDown(TShiftState Shift, bool&) {
    if (Shift == 0 && DataMap1->Scale() < kMaxScale)
        DataMap1->SetScale(DataMap1->Scale() + DataMap1->Options()->StepLinza());
}

void TfmValdrenGIS::DataMap1MouseWheelUp(TShiftState Shift, bool&) {
    if (Shift == 0 && DataMap1->Scale() != minScale_)
        DataMap1->SetScale(zoomedOut());
}

void TfmValdrenGIS::DataMap1KeyDown(std::uint16_t& Key, TShiftState Shift) {
    const float step = float(DataMap1->Options()->StepScroll());
    const bool ctrl = (Shift & ssCtrl) != 0;
    switch (Key) {
    case VK_LEFT: DataMap1->SetXWind(DataMap1->XWind() - step); break;
    case VK_RIGHT: DataMap1->SetXWind(DataMap1->XWind() + step); break;
    case VK_UP: DataMap1->SetYWind(DataMap1->YWind() - step); break;
    case VK_DOWN: DataMap1->SetYWind(DataMap1->YWind() + step); break;
    default:
        if (Key == VK_ADD || (Key == 'I' && ctrl))
            DataMap1->SetScale(DataMap1->Scale() + DataMap1->Options()->StepLinza());
        else if (Key == VK_SUBTRACT || (Key == 'O' && ctrl))
            DataMap1->SetScale(zoomedOut());
        return;
    }
    DataMap1->Repaint();
}

void TfmValdrenGIS::FormKeyDown(std::uint16_t& Key, TShiftState Shift) {
    // The measurement ends on a right press; (0, 0) holds no button, so no edge scroll starts.
    if (Key == VK_ESCAPE && DataMap1->Instrument() == iMeasure)
        SendMessage(DataMap1->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(0, 0));
    // ---- banners, help and small windows ----
    const bool ctrl = (Shift & ssCtrl) != 0;
    if (Key == VK_F1)
        N3Click();
    else if (Key == 'F' && ctrl)
        N6Click();
    else if (Key == 'M' && ctrl) {
        N17Click();
        SetFocus();
    }
}

void TfmValdrenGIS::DataMap1MouseMove(TShiftState Shift, int X, int Y) {
    if (DataMap1->Instrument() != iNone) {
        UpdateStatusBar();
        return;
    }
    if (!(Shift & ssLeft)) {
        dragX_ = X;
        dragY_ = Y;
        return;
    }
    float lastX = float(dragX_), lastY = float(dragY_), x = float(X), y = float(Y);
    DataMap1->ScreenToMap(lastX, lastY);
    DataMap1->ScreenToMap(x, y);
    DataMap1->ClearReady();
    const float dx = lastX - x;
    const float dy = lastY - y;
    const auto& extent = DataMap1->Model().MapExtent;
    const bool moveX = isPanAllowed(DataMap1->XWind(), DataMap1->ViewWidth(), dx, extent.x1, extent.x2);
    const bool moveY = isPanAllowed(DataMap1->YWind(), DataMap1->ViewHeight(), dy, extent.y1, extent.y2);
    if (moveX)
        DataMap1->SetXWind(DataMap1->XWind() + dx);
    if (moveY)
        DataMap1->SetYWind(DataMap1->YWind() + dy);
    DataMap1->SetReady();
    dragX_ = X;
    dragY_ = Y;
}

void TfmValdrenGIS::DataMap1MouseEnter() {
    if (Application->Active() && Screen->ActiveForm() == this)
        DataMap1->SetFocus();
}

void TfmValdrenGIS::DataMap1BeforeScroll() {
    if (DataMap1->Instrument() == iMeasure)
        return;
    savedInstrument_ = DataMap1->Instrument();
    DataMap1->SetInstrument(iRegion);
}

void TfmValdrenGIS::DataMap1AfterScroll() {
    if (DataMap1->Instrument() != iMeasure)
        DataMap1->SetInstrument(static_cast<TInstrument>(savedInstrument_));
}

void TfmValdrenGIS::DataMap1BlinkObject() {
    // Every blink phase reports here; a running timer is left to run, as arming it again with the
    // same values would restart its count and the blinking would never end.
    if (Timer1->Enabled())
        return;
    Timer1->SetInterval(unsigned(DataMap1->TimerInterval()));
    Timer1->SetEnabled(true);
}

void TfmValdrenGIS::Timer1Timer() {
    Timer1->SetEnabled(false);
    DataMap1->ClearBlinkObjects();
    DataMap1->RefreshMap();
    DataMap1->Repaint();
}

void TfmValdrenGIS::DataMap1Click() {
    DataMap1->ClearBlinkObjects();
    DataMap1->Repaint();
}

void TfmValdrenGIS::AppMessage(TMsg& Msg, bool& Handled) {
    if (Msg.hwnd != DataMap1->Handle() || DataMap1->Instrument() != iLinza)
        return;
    if (Msg.message != WM_RBUTTONDOWN && Msg.message != WM_RBUTTONDBLCLK)
        return;
    if (DataMap1->Scale() - DataMap1->Options()->StepLinza() >= minScale_)
        return;
    Handled = true;
    DataMap1->SetScale(minScale_);
}

void TfmValdrenGIS::BeginWait() {
    savedCursor_ = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
    for (TControl* c : std::initializer_list<TControl*>{ExDBGrid2, ExDBGrid1, DataMap1, StringGrid1})
        c->SetCursor(crHourGlass);
}

void TfmValdrenGIS::EndWait() {
    Screen->SetCursor(crDefault);
    for (TControl* c : std::initializer_list<TControl*>{ExDBGrid2, ExDBGrid1, DataMap1, StringGrid1})
        c->SetCursor(crDefault);
}

void TfmValdrenGIS::FormResize() {
    if (StringGrid1)
        StringGrid1->SetTopRow(StringGrid1->Row());
}

namespace {

// Re-runs a name search with its pattern; the grid shows its selection only over found rows.
void searchNames(TDbQuery& query, TExDBGrid& grid, const AnsiString& pattern) {
    app::rerunQuery(query, [&pattern](TDbQuery& q) { q.ParamByName("Name")->SetAsString(pattern); });
    const TDBGridOptions options = grid.Options() & ~dgAlwaysShowSelection;
    grid.SetOptions(query.Eof() ? options : options | dgAlwaysShowSelection);
}

} // namespace

void TfmValdrenGIS::Edit2Change() { searchNames(*qShowCat, *ExDBGrid2, "%" + AnsiUpperCase(Edit2->Text()) + "%"); }

void TfmValdrenGIS::Edit1Change() { searchNames(*qShowPredpr, *ExDBGrid1, AnsiUpperCase(Edit1->Text()) + "%"); }

void TfmValdrenGIS::Edit2Enter() { LoadKeyboardLayout("00000419", KLF_ACTIVATE); }

void TfmValdrenGIS::Edit2KeyDown(TPersistent* Sender, std::uint16_t& Key, TShiftState Shift) {
    if (Key != VK_RETURN || (Shift & ssAlt))
        return;
    Key = 0;
    SelectNext(dynamic_cast<TWinControl*>(Sender), /*GoForward=*/true, /*CheckTabStop=*/true);
}

void TfmValdrenGIS::ShowBanner(int Index) {
    TResourceStream stream(Index, RT_RCDATA);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    Image1->Picture()->Assign(bitmap);
    // The picture tells its image nothing; without this a new banner shows only when something
    // else repaints the panel.
    Image1->Invalidate();
    const Banner& banner = kBanners[std::clamp(Index, 1, 3) - 1];
    bannerHelpFile_ = banner.helpFile;
    bannerHelpTitle_ = ru(banner.helpTitle);
}

void TfmValdrenGIS::FormCloseQuery(bool&) {
    BanTimer->SetEnabled(false);
    if (HWND help = FindWindow(app::kHelpViewerClass, ru(app::kProgramHelpTitle).c_str()))
        SendMessage(help, WM_CLOSE, 0, 0);
    // The viewer frees itself on the close message; a window found again after it ends the loop.
    const AnsiString bannerTitle = ru(app::kAdvertHelpTitle);
    HWND closed = 0;
    for (HWND viewer; (viewer = FindWindow(app::kHelpViewerClass, bannerTitle.c_str())) != 0 && viewer != closed;) {
        SendMessage(viewer, WM_CLOSE, 0, 0);
        closed = viewer;
    }
}
