// The program's data grid over the toolkit's data grid.
//
// Title tracking:  idle --left press on an enabled title button--> tracking (mouse captured,
//                  pressed while the mouse is over the pressed column's title)
//                  tracking --mouse up (click when over the title) / WM_CANCELMODE / scrolling--> idle
// Shift-selection: idle --Shift+Up/Down in browse state--> selecting (anchor bookmark)
//                  selecting --any clearing step, a Tab wrap, a mouse click--> idle
#include "widgets/TExDBGrid.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "toolkit/DeviceContext.h"
#include "toolkit/Dialogs.h"
#include "toolkit/DrawEdge.h"
#include "toolkit/Messages.h"
#include "toolkit/Shell.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TBookmarkList.h"
#include "toolkit/TColumn.h"
#include "toolkit/TColumnTitle.h"
#include "toolkit/TDBGridColumns.h"
#include "toolkit/TDataSet.h"
#include "toolkit/TField.h"
#include "toolkit/TForm.h"
#include "toolkit/TGridDataLink.h"
#include "toolkit/TImageList.h"
#include "toolkit/TInplaceEdit.h"
#include "toolkit/TRegion.h"
#include "widgets/CellText.h"
#include "widgets/DBGridGlyphs.h"
#include "widgets/DataSetLayout.h"
#include "widgets/PlacementStorage.h"
#include "widgets/TFormPlacement.h"
#include "widgets/TIniLink.h"
#include "widgets/TransparentBitmap.h"
#include "widgets/WidgetCursors.h"
#include "widgets/WidgetHelpers.h"

namespace {

constexpr TDBGridOptions defaultOptions = dgEditing | dgTitles | dgIndicator | dgColumnResize | dgColLines |
                                          dgRowLines | dgConfirmDelete | dgCancelOnExit;

// Puts a value back when the scope ends, also on an exception.
template <class T>
class Restorer {
public:
    Restorer(T& place, T value) : place_(place), saved_(std::move(place)) { place_ = std::move(value); }
    ~Restorer() { place_ = std::move(saved_); }
    Restorer(const Restorer&) = delete;
    Restorer& operator=(const Restorer&) = delete;

private:
    T& place_;
    T saved_;
};

// The link's active record goes back to the current one when a row's test ends.
class ActiveRecordScope {
public:
    ActiveRecordScope(TGridDataLink& link, int record) : link_(link), saved_(link.ActiveRecord()) {
        link_.SetActiveRecord(record);
    }
    ~ActiveRecordScope() { link_.SetActiveRecord(saved_); }
    ActiveRecordScope(const ActiveRecordScope&) = delete;
    ActiveRecordScope& operator=(const ActiveRecordScope&) = delete;

private:
    TGridDataLink& link_;
    int saved_;
};

int signOf(int value) { return (value > 0) - (value < 0); }

} // namespace

TExDBGrid::TExDBGrid(TComponent* AOwner)
    : TDBGrid(AOwner), iniLink_(std::make_unique<TIniLink>()), indicators_(std::make_unique<TImageList>(nullptr)) {
    RegisterWidgetCursors();
    TDBGrid::SetDefaultDrawing(false);
    iniLink_->OnSave = [this](TPersistent*) { IniSave(); };
    iniLink_->OnLoad = [this](TPersistent*) { IniLoad(); };
    SetOptions(defaultOptions);
    for (const char* name : {wg::IndicatorDotResource, wg::IndicatorArrowResource}) {
        TBitmap picture;
        picture.LoadFromResourceName(name);
        if (indicators_->Count() == 0) {
            indicators_->SetWidth(picture.Width());
            indicators_->SetHeight(picture.Height());
        }
        indicators_->AddMasked(&picture, clWhite);
    }
}

TExDBGrid::~TExDBGrid() = default;

// --- Properties ---------------------------------------------------------------------------------

TDBGridOptions TExDBGrid::Options() const {
    const TDBGridOptions base = TDBGrid::Options() & ~dgMultiSelect;
    return multiSelect_ ? base | dgMultiSelect : base;
}

void TExDBGrid::SetOptions(TDBGridOptions Value) {
    TDBGrid::SetOptions(Value & ~dgMultiSelect);
    applyFixedLines();
    SetMultiSelect((Value & dgMultiSelect) != 0);
}

// The base grid draws the fixed lines with the data lines; title buttons need them always.
void TExDBGrid::applyFixedLines() {
    TGridOptions lines = TCustomGrid::Options();
    const TDBGridOptions options = TDBGrid::Options();
    if (titleButtons_) {
        lines |= goFixedVertLine | goFixedHorzLine;
    } else {
        if (!(options & dgColLines))
            lines &= ~goFixedVertLine;
        if (!(options & dgRowLines))
            lines &= ~goFixedHorzLine;
    }
    TCustomGrid::SetOptions(lines);
}

void TExDBGrid::SetMultiSelect(bool Value) {
    if (Value == multiSelect_)
        return;
    multiSelect_ = Value;
    if (!Value)
        SelectedRows()->Clear();
}

void TExDBGrid::SetDefaultDrawing(bool Value) {
    defaultDrawing_ = Value;
    InvalidateGrid();
}

void TExDBGrid::SetShowGlyphs(bool Value) {
    if (Value == showGlyphs_)
        return;
    showGlyphs_ = Value;
    InvalidateGrid();
}

void TExDBGrid::SetTitleButtons(bool Value) {
    if (Value == titleButtons_)
        return;
    titleButtons_ = Value;
    InvalidateGrid();
    SetOptions(Options());
}

void TExDBGrid::SetRowsHeight(int Value) {
    if ((ComponentState() & csDesigning) || Value == DefaultRowHeight())
        return;
    SetDefaultRowHeight(Value);
    if (TDBGrid::Options() & dgTitles)
        SetRowHeights(0, Value + 2);
    if (HandleAllocated())
        Perform(WM_SIZE, 0, MAKELPARAM(ClientWidth(), ClientHeight()));
}

int TExDBGrid::FixedCols() const { return dataActive() ? TCustomGrid::FixedCols() - indicatorOffset() : frozenCols_; }

void TExDBGrid::SetFixedCols(int Value) {
    const int offset = indicatorOffset();
    int count = std::max(Value, 0) + offset;
    const bool apply = dataActive() && !(ComponentState() & csLoading) && ColCount() > offset + 1;
    if (apply)
        count = std::min(count, ColCount() - 1);
    // Stored first: the base grid lays out again, and the layout puts the stored count back.
    frozenCols_ = count - offset;
    if (!apply)
        return;
    TCustomGrid::SetFixedCols(count);
    for (int i = 1; i <= std::min(FixedCols(), ColCount() - 1); ++i)
        SetTabStops(i, false);
}

TFormPlacement* TExDBGrid::IniStorage() const { return iniLink_->IniObject(); }

void TExDBGrid::SetIniStorage(TFormPlacement* Value) { iniLink_->SetStorage(Value); }

// --- Queries ------------------------------------------------------------------------------------

TDataSet* TExDBGrid::dataSet() const { return DataLink()->DataSet(); }

bool TExDBGrid::dataActive() const { return DataLink()->Active(); }

int TExDBGrid::TitleOffset() const {
    if (!(TDBGrid::Options() & dgTitles))
        return 0;
    if (!dataActive() || !dataSet()->ObjectView())
        return 1;
    int rows = 1;
    for (int i = 0; i < Columns()->Count(); ++i)
        if (const TColumn* column = Columns()->Items(i); column->Showing())
            rows = std::max(rows, column->Depth() + 1);
    return rows;
}

int TExDBGrid::CalcLeftColumn() const {
    for (int col = FixedCols() + indicatorOffset(); col < ColCount(); ++col)
        if (ColWidths(col) > 0)
            return col;
    return ColCount();
}

bool TExDBGrid::ActiveRowSelected() const {
    return multiSelect_ && dataActive() && SelectedRows()->CurrentRowSelected();
}

TColumn* TExDBGrid::showingColumn(int dataCol) const {
    if (dataCol < 0)
        return nullptr;
    for (int i = 0, seen = 0; i < Columns()->Count(); ++i) {
        TColumn* column = Columns()->Items(i);
        if (column->Showing() && seen++ == dataCol)
            return column;
    }
    return nullptr;
}

TColumn* TExDBGrid::GetMasterColumn(int ACol, int ARow) const {
    if (TDBGrid::Options() & dgIndicator)
        --ACol;
    if (!dataActive())
        return nullptr;
    TColumn* column = showingColumn(ACol);
    // A nested column's title row shows the ancestor at that depth.
    while (column != nullptr && column->Depth() > ARow && column->ParentColumn() != nullptr)
        column = column->ParentColumn();
    return column;
}

int TExDBGrid::GetImageIndex(TField* Field) const {
    if (!showGlyphs_ || Field == nullptr)
        return -1;
    if (!ReadOnly() && Field->CanModify() && Field->OnGetText && Field->OnSetText)
        return -1;
    switch (Field->DataType()) {
    case ftBytes:
    case ftVarBytes:
    case ftBlob:
    case ftTypedBinary:
    case ftOraBlob:
        return wg::glyphBlob;
    case ftMemo:
    case ftFmtMemo:
    case ftOraClob:
        return wg::glyphMemo;
    case ftGraphic:
        return wg::glyphPicture;
    case ftParadoxOle:
    case ftDBaseOle:
        return wg::glyphOle;
    case ftCursor:
    case ftReference:
    case ftDataSet:
        return wg::glyphData;
    default:
        return -1;
    }
}

// --- Drawing ------------------------------------------------------------------------------------

bool TExDBGrid::HighlightCell(int DataCol, int DataRow, const AnsiString& Value, TGridDrawState AState) {
    return ActiveRowSelected() || TDBGrid::HighlightCell(DataCol, DataRow, Value, AState);
}

void TExDBGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    TDBGrid::DrawCell(ACol, ARow, ARect, AState);
    if (ACol == 0 && indicatorOffset() > 0)
        drawIndicatorMark(ARow, ARect);
    const bool titleRow = (TDBGrid::Options() & dgTitles) && ARow < TitleOffset();
    if (titleRow && !(ComponentState() & csLoading) && (titleButtons_ || FixedCols() > 0) && (AState & gdFixed)) {
        drawTitleButton(ACol, ARow, ARect, AState);
        return;
    }
    // The handlers drawing after this cell, plain titles included, see the grid's font, or the
    // column's.
    const TColumn* column = dataActive() ? showingColumn(ACol - indicatorOffset()) : nullptr;
    Canvas()->Font()->Assign(column != nullptr ? *column->Font() : *Font());
}

void TExDBGrid::drawIndicatorMark(int ARow, const TRect& ARect) {
    const int dataRow = ARow - TitleOffset();
    if (indicatorOffset() == 0 || dataRow < 0 || !multiSelect_ || !dataActive() || dataSet()->State() != dsBrowse ||
        dataRow >= DataLink()->RecordCount())
        return;
    const TDBGridOptions options = TDBGrid::Options();
    const int frameOffset = ((options & dgColLines) && (options & dgRowLines)) ? 1 : 2;
    TRect rect = ARect;
    if (frameOffset == 1)
        rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    const bool current = dataRow == DataLink()->ActiveRecord();
    bool selected = false;
    {
        ActiveRecordScope scope(*DataLink(), dataRow);
        selected = ActiveRowSelected();
    }
    if (!selected)
        return;
    const bool rightToLeft = Canvas()->CanvasOrientation() == coRightToLeft;
    indicators_->SetBkColor(FixedColor());
    const int left = rect.Right - indicators_->Width() - frameOffset + (rightToLeft ? 1 : 0);
    // Halved as unsigned: a rectangle above the image's height would wrap, and the canvas clips it.
    const int top = int(unsigned(rect.Top + rect.Bottom - indicators_->Height()) >> 1);
    indicators_->Draw(Canvas(), left, top, current ? 1 : 0);
}

namespace {

bool isHeadedBy(const TColumn* column, const TColumn* master) {
    for (; column != nullptr; column = column->ParentColumn())
        if (column == master)
            return true;
    return false;
}

} // namespace

// The master column's title: across every visible grid column it heads, from its title row down
// to the last title row when it has no parts beneath it, and at least as far right as the cell.
TRect TExDBGrid::titleRect(const TColumn* master, int ACol, const TRect& ARect) const {
    const int offset = indicatorOffset();
    const auto visible = [this](int col) { return col < TCustomGrid::FixedCols() || col >= LeftCol(); };
    const auto headed = [&](int col) { return isHeadedBy(showingColumn(col - offset), master); };
    int first = ACol;
    while (first - 1 >= offset && visible(first - 1) && headed(first - 1))
        --first;
    int last = ACol;
    while (last + 1 < ColCount() && headed(last + 1) && CellRect(last + 1, 0).Left < ClientWidth())
        ++last;
    const int bottomRow = master->Showing() ? TitleOffset() - 1 : master->Depth();
    TRect rect = Rect(CellRect(first, master->Depth()).Left, CellRect(ACol, master->Depth()).Top,
                      CellRect(last, master->Depth()).Right, CellRect(ACol, bottomRow).Bottom);
    rect.Right = std::max(rect.Right, ARect.Right);
    return rect;
}

// The button at the right of an object column's title that folds its parts in or out; the
// caption and text rectangles give up its width.
void TExDBGrid::drawExpandButton(const TColumn* master, TRect& rect, TRect& textRect, bool rightToLeft) {
    const int width = GetSystemMetrics(SM_CXHSCROLL);
    if (RectWidth(rect) <= width)
        return;
    TCanvas& canvas = *Canvas();
    const int oldRight = rect.Right;
    rect.Right -= width;
    textRect.Right -= width;
    const TRect button = Rect(rect.Right, rect.Top, oldRight, rect.Bottom);
    const int saved = SaveDC(canvas);
    canvas.FillRect(button);
    const TRegion clip = CreateRectRgn(button.Left + 1, button.Top + 1, button.Right - 1, button.Bottom - 1);
    SelectClipRgn(canvas, &clip);
    // The arrow points the way the parts would go: out (right) while folded, back in (left)
    // while unfolded. The button keeps it whole inside the title in both states.
    TRect arrow = button;
    const bool pointsRight = master->Expanded() == rightToLeft;
    DrawFrameControl(canvas, arrow, DFC_SCROLL, (pointsRight ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT) | DFCS_FLAT);
    RestoreDC(canvas, saved);
}

void TExDBGrid::drawTitleButton(int ACol, int ARow, const TRect& ARect, TGridDrawState) {
    TCanvas& canvas = *Canvas();
    const int dataCol = ACol - indicatorOffset();
    TColumn* column = dataActive() ? showingColumn(dataCol) : nullptr;
    // Without a dataset or a column the base grid's title stays.
    if (column == nullptr)
        return;
    TColumn* master = GetMasterColumn(ACol, ARow);
    if (master == nullptr)
        return;
    const TColor savedPen = canvas.Pen()->Color();
    canvas.Pen()->SetColor(clWindowFrame);
    const TDBGridOptions options = TDBGrid::Options();
    TRect rect = titleRect(master, ACol, ARect);
    // Separators where a grid line is missing: after the last frozen column when the next one is
    // hidden, and below an expanded object column whose own grid column is hidden.
    const TColumn* next = column->Index() + 1 < Columns()->Count() ? Columns()->Items(column->Index() + 1) : nullptr;
    if (((options & dgColLines) || titleButtons_) && dataCol == FixedCols() - 1 && next != nullptr &&
        !next->Showing()) {
        canvas.MoveTo(rect.Right, rect.Top);
        canvas.LineTo(rect.Right, rect.Bottom);
    }
    if (((options & dgRowLines) || titleButtons_) && !master->Showing()) {
        canvas.MoveTo(rect.Left, rect.Bottom);
        canvas.LineTo(rect.Right, rect.Bottom);
    }
    const bool down = pressed_ && titleButtons_ && pressedColumn_ == master;
    if (titleButtons_ || ((options & dgColLines) && (options & dgRowLines))) {
        const unsigned edge = down ? BDR_SUNKENINNER : BDR_RAISEDINNER;
        DrawEdge(canvas, rect, edge, BF_BOTTOMRIGHT);
        DrawEdge(canvas, rect, edge, BF_TOPLEFT);
        rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
    canvas.Font()->Assign(*master->Title()->Font());
    canvas.Brush()->SetColor(master->Title()->Color());
    TSortMarker marker = smNone;
    TField* field = master->Field();
    if (titleButtons_ && field != nullptr && OnGetBtnParams) {
        TColor background = canvas.Brush()->Color();
        OnGetBtnParams(this, field, canvas.Font(), background, marker, down);
        canvas.Brush()->SetColor(background);
    }
    TRect textRect = rect;
    if (down)
        textRect = Rect(textRect.Left + 1, textRect.Top + 1, textRect.Right + 1, textRect.Bottom + 1);
    TBitmap* glyph = marker == smDown ? &wg::gridGlyph(wg::glyphSortDown)
                     : marker == smUp ? &wg::gridGlyph(wg::glyphSortUp)
                                      : nullptr;
    const int spacing = glyph != nullptr ? glyph->Width() + 6 : 1;
    const bool rightToLeft = canvas.CanvasOrientation() == coRightToLeft;
    if (master->Expandable())
        drawExpandButton(master, rect, textRect, rightToLeft);
    const AnsiString caption = ShortenTextToWidth(master->Title()->Caption(), canvas, RectWidth(rect) - spacing);
    DrawCellTextAligned(*this, ACol, ARow, caption, textRect, master->Title()->Alignment(), vaCenterJustify,
                        rightToLeft);
    if (glyph != nullptr) {
        int left = rightToLeft ? rect.Left + 3 : rect.Right - glyph->Width() - 3 + (down ? 1 : 0);
        const int top = (rect.Top + rect.Bottom - glyph->Height()) / 2;
        if (left > rect.Left && left + glyph->Width() < rect.Right && top > rect.Top &&
            top + glyph->Height() < rect.Bottom)
            DrawTransparentBitmap(canvas, left, top, *glyph, clFuchsia);
    }
    canvas.Pen()->SetColor(savedPen);
}

void TExDBGrid::DrawDataCell(const TRect&, TField*, TGridDrawState) {}

void TExDBGrid::DrawColumnCell(const TRect& Rect, int DataCol, TColumn* Column, TGridDrawState State) {
    TCanvas& canvas = *Canvas();
    TField* field = Column != nullptr ? Column->Field() : nullptr;
    const bool focused = Focused() || (InplaceEditor() != nullptr && InplaceEditor()->Focused());
    const bool highlight = (State & gdSelected) && ((TDBGrid::Options() & dgAlwaysShowSelection) || focused);
    TColor background = canvas.Brush()->Color();
    GetCellProps(field, canvas.Font(), background, highlight || ActiveRowSelected());
    canvas.Brush()->SetColor(background);
    if (defaultDrawing_) {
        const int image = GetImageIndex(field);
        if (image >= 0) {
            TBitmap& glyph = wg::gridGlyph(wg::GridGlyph(image));
            canvas.FillRect(Rect);
            DrawTransparentBitmap(canvas, (Rect.Left + Rect.Right - glyph.Width()) / 2,
                                  (Rect.Top + Rect.Bottom - glyph.Height()) / 2, glyph, clOlive);
        } else {
            DefaultDrawColumnCell(Rect, DataCol, Column, State);
        }
    }
    if (Columns()->State() == csDefault)
        TDBGrid::DrawDataCell(Rect, field, State);
    TDBGrid::DrawColumnCell(Rect, DataCol, Column, State);
    const TForm* form = parentForm();
    if (defaultDrawing_ && highlight && !(ComponentState() & csDesigning) && !(TDBGrid::Options() & dgRowSelect) &&
        form != nullptr && form->ActiveControl() == this)
        canvas.DrawFocusRect(Rect);
}

void TExDBGrid::GetCellProps(TField* Field, TFont* AFont, TColor& Background, bool Highlight) {
    if (OnGetCellParams) {
        OnGetCellParams(this, Field, AFont, Background, Highlight);
        return;
    }
    if (!OnGetCellProps)
        return;
    if (!Highlight) {
        OnGetCellProps(this, Field, AFont, Background);
        return;
    }
    // A highlighted cell keeps the highlight colours.
    const TColor fontColor = AFont->Color();
    TColor scratch = Background;
    OnGetCellProps(this, Field, AFont, scratch);
    AFont->SetColor(fontColor);
}

void TExDBGrid::Paint() {
    TDBGrid::Paint();
    if ((ComponentState() & csDesigning) || !(TDBGrid::Options() & dgRowSelect) || !defaultDrawing_ || !Focused())
        return;
    const TGridRect selection = Selection();
    const TRect first = CellRect(selection.Left, selection.Top);
    const TRect last = CellRect(selection.Right, selection.Bottom);
    Canvas()->Font()->SetColor(clWindowText);
    Canvas()->DrawFocusRect(Rect(first.Left, first.Top, std::max(first.Right, last.Right), last.Bottom));
}

// --- Layout -------------------------------------------------------------------------------------

void TExDBGrid::restoreCurrentColumn(int remembered) {
    if (dataActive() && FixedCols() > 0)
        SetCol(std::min(std::max(CalcLeftColumn(), remembered), ColCount() - 1));
}

void TExDBGrid::LayoutChanged() {
    const int remembered = Col();
    TDBGrid::LayoutChanged();
    restoreCurrentColumn(remembered);
}

void TExDBGrid::ColWidthsChanged() {
    const int remembered = Col();
    TDBGrid::ColWidthsChanged();
    restoreCurrentColumn(remembered);
}

void TExDBGrid::SetColumnAttributes() {
    TDBGrid::SetColumnAttributes();
    SetFixedCols(frozenCols_);
}

void TExDBGrid::Scroll(int Distance) {
    if (disableCount_ == 0)
        TDBGrid::Scroll(Distance);
}

void TExDBGrid::TopLeftChanged() {
    if ((TDBGrid::Options() & dgRowSelect) && defaultDrawing_)
        InvalidateRow(Row());
    TDBGrid::TopLeftChanged();
    StopTracking();
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

// --- Editing ------------------------------------------------------------------------------------

bool TExDBGrid::CanEditShow() {
    bool allow = TDBGrid::CanEditShow();
    TField* field = nullptr;
    if (allow && dataActive() && FieldCount() > 0 && SelectedIndex() >= 0 && SelectedIndex() < FieldCount()) {
        field = SelectedField();
        allow = GetImageIndex(field) < 0;
    }
    if (OnShowEditor)
        OnShowEditor(this, field, allow);
    return allow;
}

TInplaceEdit* TExDBGrid::CreateEditor() {
    TInplaceEdit* editor = TDBGrid::CreateEditor();
    editor->OnChange = [this](TPersistent* sender) { EditChanged(sender); };
    return editor;
}

void TExDBGrid::EditChanged(TPersistent*) {
    if (OnEditChange)
        OnEditChange(this);
}

// --- Selection ----------------------------------------------------------------------------------

void TExDBGrid::ClearSelections() {
    if (multiSelect_ && clearSelection_)
        SelectedRows()->Clear();
    selecting_ = false;
}

void TExDBGrid::DoSelection(bool Select, int Direction) {
    BeginUpdate();
    struct EndUpdateAtExit {
        TExDBGrid* grid;
        ~EndUpdateAtExit() { grid->EndUpdate(); }
    } bracket{this};
    bool addAfterMove = false;
    if (multiSelect_ && dataActive()) {
        if (!Select) {
            ClearSelections();
        } else if (!selecting_) {
            selectionAnchor_ = dataSet()->GetBookmark();
            SelectedRows()->SetCurrentRowSelected(true);
            selecting_ = true;
            addAfterMove = true;
        } else {
            // Moving back towards the anchor shrinks the range.
            const int side = signOf(dataSet()->CompareBookmarks(dataSet()->GetBookmark(), selectionAnchor_));
            addAfterMove = side != -Direction;
            if (!addAfterMove)
                SelectedRows()->SetCurrentRowSelected(false);
        }
    }
    if (Direction != 0)
        dataSet()->MoveBy(Direction);
    if (addAfterMove)
        SelectedRows()->SetCurrentRowSelected(true);
}

void TExDBGrid::NextRow(bool Select) {
    DoSelection(Select, 1);
    TDataSet* data = dataSet();
    if (data->Eof() && data->CanModify() && !ReadOnly() && (TDBGrid::Options() & dgEditing))
        data->Append();
}

void TExDBGrid::PriorRow(bool Select) { DoSelection(Select, -1); }

void TExDBGrid::CheckTab(bool GoForward) {
    if (!multiSelect_ || !dataActive())
        return;
    const int first = indicatorOffset();
    const int last = ColCount() - 1;
    const int start = Col();
    int col = start;
    do {
        if (GoForward && col >= last) {
            ClearSelections();
            col = first;
        } else if (!GoForward && col <= first) {
            ClearSelections();
            col = last;
        } else {
            col += GoForward ? 1 : -1;
        }
    } while (col != start && !TabStops(col));
}

bool TExDBGrid::DeletePrompt() {
    const AnsiString text = SelectedRows()->Count() < 2 ? "Delete record?" : "Delete all selected records?";
    if (!(TDBGrid::Options() & dgConfirmDelete))
        return true;
    return Application->MessageBox(text, "", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// --- Keys ---------------------------------------------------------------------------------------

void TExDBGrid::KeyDown(std::uint16_t& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (Key == 0 || !dataActive() || !CanGridAcceptKey(Key, Shift))
        return;
    TDataSet* data = dataSet();
    const TDBGridOptions options = TDBGrid::Options();
    const bool rowSelect = options & dgRowSelect;
    const int leftmost = CalcLeftColumn() - indicatorOffset();
    if (!(Shift & ssCtrl)) {
        switch (Key) {
        case VK_HOME:
            if (FixedCols() > 0 && FieldCount() > 1 && !rowSelect) {
                SetSelectedIndex(leftmost);
                return;
            }
            break;
        case VK_LEFT:
            if (FixedCols() > 0 && !rowSelect && SelectedIndex() <= leftmost)
                return;
            break;
        case VK_UP:
        case VK_DOWN:
            if (data->State() == dsBrowse) {
                Key == VK_UP ? PriorRow(Shift & ssShift) : NextRow(Shift & ssShift);
                return;
            }
            break;
        default:
            break;
        }
        const bool clears = ((Key == VK_LEFT || Key == VK_RIGHT) && rowSelect) ||
                            ((Key == VK_HOME || Key == VK_END) && (FieldCount() == 1 || rowSelect)) ||
                            Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
                            (Key == VK_INSERT && data->CanModify() && !ReadOnly() && (options & dgEditing));
        if (clears)
            ClearSelections();
        if (Key == VK_TAB && !(Shift & ssAlt))
            CheckTab(!(Shift & ssShift));
    } else {
        switch (Key) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_UP:
        case VK_DOWN:
            ClearSelections();
            break;
        case VK_LEFT:
            if (FixedCols() > 0) {
                SetSelectedIndex(leftmost);
                return;
            }
            break;
        case VK_DELETE:
            if (!ReadOnly() && data->CanModify() && !IsDataSetEmpty(data)) {
                if (DeletePrompt()) {
                    if (SelectedRows()->Count() > 0)
                        SelectedRows()->Delete();
                    else
                        data->Delete();
                }
                return;
            }
            break;
        default:
            break;
        }
    }
    // The base grid's keys without its OnKeyDown: it fired above.
    Restorer<TKeyEvent> detached(TWinControl::OnKeyDown, nullptr);
    TDBGrid::KeyDown(Key, Shift);
}

void TExDBGrid::KeyPress(char& Key) {
    if (!EditorMode()) {
        TDBGrid::KeyPress(Key);
        return;
    }
    // Characters typed into the editor reach OnKeyPress through the base step, once.
    Restorer<TKeyPressEvent> attached(TWinControl::OnKeyPress, OnKeyPress);
    TDBGrid::KeyPress(Key);
}

// Without the editor: the form's key preview, then OnKeyPress; true when the character was
// consumed. Otherwise the base grid's character step runs here, without a second preview.
bool TExDBGrid::charMessage(TMessage& Message) {
    char key = static_cast<char>(Message.WParam);
    TForm* form = parentForm();
    if (form != nullptr && form->KeyPreview() && form->OnKeyPress) {
        form->OnKeyPress(form, key);
        if (key == 0)
            return true;
    }
    if (OnKeyPress)
        OnKeyPress(this, key);
    if (key == 0)
        return true;
    TDBGrid::KeyPress(key);
    return key == 0;
}

void TExDBGrid::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CHAR:
        if (!EditorMode()) {
            Message.Result = charMessage(Message) ? 1 : 0;
            return;
        }
        break;
    case WM_CANCELMODE:
        StopTracking();
        break;
    case WM_RBUTTONUP:
        if (GridState() == gsRowMoving || GridState() == gsColMoving) {
            MouseUp(mbRight, KeysToShiftState(Message.WParam), GET_X_LPARAM(Message.LParam),
                    GET_Y_LPARAM(Message.LParam));
            return;
        }
        break;
    default:
        break;
    }
    TDBGrid::WndProc(Message);
}

// --- Mouse --------------------------------------------------------------------------------------

void TExDBGrid::baseMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // The grid fires OnMouseDown itself, once per press.
    Restorer<TMouseEvent> detached(OnMouseDown, nullptr);
    TDBGrid::MouseDown(Button, Shift, X, Y);
}

// A press on a title with title buttons; true when the handling ends here.
bool TExDBGrid::mouseDownOnTitle(TMouseButton& Button, int X, int Y, const TGridCoord& cell) {
    if (Button == mbRight && (TDBGrid::Options() & dgColumnResize)) {
        // A right press sizes columns like a left one.
        swapButtons_ = true;
        SetMouseCapture(true);
        Button = mbLeft;
        return false;
    }
    if (Button != mbLeft)
        return false;
    bool enabled = true;
    CheckTitleButton(cell.X - indicatorOffset(), cell.Y, enabled);
    if (!enabled) {
        DoBeep();
        return true;
    }
    SetMouseCapture(true);
    tracking_ = true;
    pressedColumn_ = GetMasterColumn(cell.X, cell.Y);
    TrackButton(X, Y);
    return true;
}

void TExDBGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!AcquireFocus())
        return;
    // A left double click does nothing else; a grid with click events has had its DblClick from
    // the message already, and a second one would run the handler's work twice.
    if (Button == mbLeft && (Shift & ssDouble)) {
        if (!(ControlStyle() & csClickEvents))
            DblClick();
        return;
    }
    TGridState sizing = gsNormal;
    int index = 0, pos = 0, ofs = 0;
    CalcSizingState(X, Y, sizing, index, pos, ofs);
    const TGridCoord cell = MouseCoord(X, Y);
    const int offset = indicatorOffset();
    const bool designing = ComponentState() & csDesigning;
    const bool onTitle = cell.Y >= 0 && cell.Y < TitleOffset();
    if (sizing != gsNormal) {
        baseMouseDown(Button, Shift, X, Y);
    } else {
        if (DragKind() == dkDock && cell.X >= 0 && cell.X < offset && onTitle && !designing) {
            BeginDrag(/*Immediate=*/false);
            return;
        }
        if (titleButtons_ && dataActive() && onTitle && cell.X >= offset && !designing &&
            mouseDownOnTitle(Button, X, Y, cell))
            return;
        // Frozen and indicator cells, titles included, never reach the base grid where they are:
        // it would select, move or title-click a frozen column. With the indicator they press
        // the indicator's cell of the row; without it a data row only moves the dataset.
        if (cell.X >= 0 && cell.X < FixedCols() + offset && dataActive() && cell.Y >= 0) {
            if (offset > 0) {
                baseMouseDown(Button, Shift, 1, Y);
            } else if (!onTitle) {
                const int dataRow = cell.Y - TitleOffset();
                if (dataRow != DataLink()->ActiveRecord())
                    dataSet()->MoveBy(dataRow - DataLink()->ActiveRecord());
            }
        } else {
            baseMouseDown(Button, Shift, X, Y);
        }
    }
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
    if (onTitle && (designing || (TDBGrid::Options() & dgColumnResize)))
        return;
    if (Button != mbLeft || !multiSelect_ || !dataActive())
        return;
    selecting_ = false;
    if (Shift & ssCtrl) {
        SelectedRows()->SetCurrentRowSelected(!SelectedRows()->CurrentRowSelected());
        return;
    }
    SelectedRows()->Clear();
    if (clearSelection_)
        SelectedRows()->SetCurrentRowSelected(true);
}

void TExDBGrid::TrackButton(int X, int Y) {
    const TGridCoord cell = MouseCoord(X, Y);
    const bool inside = X >= 0 && Y >= 0 && X < ClientWidth() && Y < ClientHeight();
    const bool over = tracking_ && inside && cell.Y >= 0 && cell.Y < TitleOffset() && cell.X >= 0 &&
                      GetMasterColumn(cell.X, cell.Y) == pressedColumn_;
    if (over == pressed_)
        return;
    pressed_ = over;
    for (int row = 0; row < TitleOffset(); ++row)
        InvalidateRow(row);
}

void TExDBGrid::StopTracking() {
    if (!tracking_)
        return;
    TrackButton(-1000, -1000);
    tracking_ = false;
    pressed_ = false;
    SetMouseCapture(false);
}

void TExDBGrid::MouseMove(TShiftState Shift, int X, int Y) {
    if (tracking_)
        TrackButton(X, Y);
    TDBGrid::MouseMove(Shift, X, Y);
}

void TExDBGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (tracking_ && pressedColumn_ != nullptr) {
        const TGridCoord cell = MouseCoord(X, Y);
        const bool inside = X >= 0 && Y >= 0 && X < ClientWidth() && Y < ClientHeight();
        const bool click = inside && cell.Y >= 0 && cell.Y < TitleOffset() && cell.X >= 0 &&
                           GetMasterColumn(cell.X, cell.Y) == pressedColumn_;
        TColumn* column = pressedColumn_;
        StopTracking();
        if (click && dataActive() && column->Index() < Columns()->Count())
            TitleClick(column->Index(), column->Field());
    } else if (swapButtons_) {
        swapButtons_ = false;
        SetMouseCapture(false);
        if (Button == mbRight)
            Button = mbLeft;
    }
    TDBGrid::MouseUp(Button, Shift, X, Y);
}

void TExDBGrid::TitleClick(int ACol, TField* Field) {
    if (OnTitleBtnClick)
        OnTitleBtnClick(this, ACol, Field);
}

void TExDBGrid::CheckTitleButton(int ACol, int, bool& Enabled) {
    if (!OnCheckButton)
        return;
    const TColumn* column = showingColumn(ACol);
    OnCheckButton(this, ACol, column != nullptr ? column->Field() : nullptr, Enabled);
}

bool TExDBGrid::wheel(const TMouseWheelUpDownEvent& event, int distance, TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (event)
        event(this, Shift, MousePos, handled);
    if (!handled && AcquireFocus() && dataActive())
        handled = dataSet()->MoveBy(distance) != 0;
    return handled;
}

bool TExDBGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    return wheel(OnMouseWheelDown, 1, Shift, MousePos);
}

bool TExDBGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    return wheel(OnMouseWheelUp, -1, Shift, MousePos);
}

// --- Layout storage -----------------------------------------------------------------------------

// Customised columns go under the grid's own section; default columns store the dataset's fields
// layout under the dataset's section (empty: the fields layout picks the dataset's own).
AnsiString TExDBGrid::layoutSection() const {
    const AnsiString root = iniLink_->RootSection();
    if (Columns()->State() == csCustomized)
        return root + GetDefaultSection(this);
    if (root.empty() || dataSet() == nullptr)
        return {};
    return root + GetFormSection(dataSet());
}

void TExDBGrid::IniSave() {
    TCustomIniFile* storage = iniLink_->IniStorage();
    if (Name().empty() || storage == nullptr)
        return;
    const AnsiString section = layoutSection();
    if (Columns()->State() == csCustomized)
        saveColumns(storage, section);
    else if (dataSet() != nullptr)
        SaveFieldsLayout(dataSet(), storage, section);
}

void TExDBGrid::IniLoad() {
    const TCustomIniFile* storage = iniLink_->IniStorage();
    if (Name().empty() || storage == nullptr)
        return;
    // The window first, made now for a grid not shown yet: its creation then comes before the
    // restore, never after it over the restored columns.
    HandleNeeded();
    const AnsiString section = layoutSection();
    BeginLayout();
    try {
        if (Columns()->State() == csCustomized)
            restoreColumns(storage, section);
        else if (dataSet() != nullptr)
            RestoreFieldsLayout(dataSet(), storage, section, /*RestoreVisible=*/false);
    } catch (...) {
        EndLayout();
        throw;
    }
    EndLayout();
}

void TExDBGrid::saveColumns(TCustomIniFile* storage, const AnsiString& section) {
    IniEraseSection(storage, section);
    for (int i = 0; i < Columns()->Count(); ++i) {
        const TColumn* column = Columns()->Items(i);
        char value[32];
        std::snprintf(value, sizeof value, "%d,%d", column->Index(), column->Width());
        IniWriteString(storage, section, Name() + "." + column->FieldName(), value);
    }
}

void TExDBGrid::restoreColumns(const TCustomIniFile* storage, const AnsiString& section) {
    struct Place {
        TColumn* column;
        int index;
    };
    std::vector<Place> places;
    for (int i = 0; i < Columns()->Count(); ++i) {
        TColumn* column = Columns()->Items(i);
        const AnsiString value = IniReadString(storage, section, Name() + "." + column->FieldName(), "");
        column->SetWidth(NthWordAsInteger(2, value, column->Width()));
        places.push_back({column, NthWordAsInteger(1, value, column->Index())});
    }
    for (int target = 0; target < int(places.size()); ++target) {
        const auto stored = std::find_if(places.begin(), places.end(), [&](const Place& p) { return p.index == target; });
        if (stored != places.end())
            stored->column->SetIndex(target);
    }
}
