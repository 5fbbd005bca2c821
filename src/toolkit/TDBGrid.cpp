// The data grid: its layout over the link's window of records, cell drawing, keys, mouse, wheel,
// scroll bar and the in-place editor on fields.
//
// Layout: grid column 0 is the indicator (dgIndicator), then one grid column per showing column;
// grid rows are the title rows (one per nesting depth of the showing columns, with dgTitles),
// then as many data rows as fit whole, which is the link's buffer count. Grid row TitleOffset + i
// shows the link's record i; the current grid row always follows the link's active record.
#include "toolkit/TDBGrid.h"

#include <algorithm>

#include "toolkit/Dialogs.h"
#include "toolkit/DrawEdge.h"
#include "toolkit/TApplication.h"
#include "toolkit/TBookmarkList.h"
#include "toolkit/TColumn.h"
#include "toolkit/TColumnTitle.h"
#include "toolkit/TDBGridColumns.h"
#include "toolkit/TDataSet.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"
#include "toolkit/TGridDataLink.h"
#include "toolkit/TInplaceEdit.h"

namespace {

constexpr int indicatorWidth = 11;

TGridOptions baseOptionsOf(TDBGridOptions options) {
    TGridOptions base = goThumbTracking;
    if (options & dgEditing)
        base |= goEditing;
    if (options & dgAlwaysShowEditor)
        base |= goAlwaysShowEditor;
    if (options & dgColLines)
        base |= goVertLine | goFixedVertLine;
    if (options & dgRowLines)
        base |= goHorzLine | goFixedHorzLine;
    if (options & dgColumnResize)
        base |= goColSizing | goColMoving;
    if (options & dgTabs)
        base |= goTabs;
    if (options & dgRowSelect)
        base |= goRowSelect;
    return base;
}

} // namespace

TDBGrid::TDBGrid(TComponent* AOwner)
    : TCustomGrid(AOwner), dataLink_(std::make_unique<TGridDataLink>(this)),
      columns_(std::make_unique<TDBGridColumns>(this)), selectedRows_(std::make_unique<TBookmarkList>(this)),
      titleFont_(std::make_unique<TFont>()) {
    TCustomGrid::SetDefaultDrawing(false);
    TCustomGrid::SetOptions(baseOptionsOf(dbOptions_));
    LayoutGrid();
}

TDBGrid::~TDBGrid() {
    Destroying();
    dataLink_->SetDataSource(nullptr);
}

TDataSource* TDBGrid::DataSource() const { return dataLink_->DataSource(); }

void TDBGrid::SetDataSource(TDataSource* Value) {
    if (Value == DataSource())
        return;
    if (Value)
        Value->FreeNotification(this);
    dataLink_->SetDataSource(Value);
    linkActiveChanged();
}

void TDBGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == DataSource())
        SetDataSource(nullptr);
}

TDataSet* TDBGrid::dataSet() const { return dataLink_->DataSet(); }

bool TDBGrid::linkActive() const { return dataLink_->Active(); }

int TDBGrid::titleOffset() const {
    if (!(dbOptions_ & dgTitles))
        return 0;
    int rows = 1;
    for (const TColumn* column : showing_)
        rows = std::max(rows, column->Depth() + 1);
    return rows;
}

TColumn* TDBGrid::columnAt(int gridCol) const {
    const int index = gridCol - indicatorOffset();
    return index >= 0 && index < FieldCount() ? showing_[std::size_t(index)] : nullptr;
}

TField* TDBGrid::Fields(int Index) const {
    return Index >= 0 && Index < FieldCount() ? showing_[std::size_t(Index)]->Field() : nullptr;
}

void TDBGrid::SetOptions(TDBGridOptions Value) {
    if (Value == dbOptions_)
        return;
    dbOptions_ = Value;
    if (!(Value & dgMultiSelect))
        selectedRows_->Clear();
    TCustomGrid::SetOptions(baseOptionsOf(Value));
    LayoutChanged();
}

void TDBGrid::SetReadOnly(bool Value) {
    readOnly_ = Value;
    if (Value)
        HideEditor(/*Store=*/false);
}

void TDBGrid::SetTitleFont(const TFont& Value) {
    titleFont_->Assign(Value);
    LayoutChanged();
}

void TDBGrid::SetDefaultDrawing(bool Value) {
    dbDefaultDrawing_ = Value;
    InvalidateGrid();
}

int TDBGrid::SelectedIndex() const { return Col() - indicatorOffset(); }

void TDBGrid::SetSelectedIndex(int Value) {
    if (FieldCount() > 0)
        SetCol(std::clamp(Value, 0, FieldCount() - 1) + indicatorOffset());
}

TField* TDBGrid::SelectedField() const { return Fields(SelectedIndex()); }

void TDBGrid::SetSelectedField(TField* Value) {
    for (int i = 0; i < FieldCount(); ++i)
        if (Fields(i) == Value)
            SetSelectedIndex(i);
}

// --- Layout --------------------------------------------------------------------------------------

void TDBGrid::BeginLayout() { ++layoutLock_; }

void TDBGrid::EndLayout() {
    if (layoutLock_ > 0 && --layoutLock_ == 0 && layoutPending_)
        LayoutChanged();
}

void TDBGrid::LayoutChanged() {
    if (layoutLock_ > 0) {
        layoutPending_ = true;
        return;
    }
    layoutPending_ = false;
    if (columns_->State() == csDefault || linkActive())
        columns_->RebuildColumns();
    LayoutGrid();
}

void TDBGrid::linkActiveChanged() {
    if (ComponentState() & csDestroying)
        return;
    if (!linkActive())
        selectedRows_->Clear();
    LayoutChanged();
}

void TDBGrid::SetColumnAttributes() {
    const int offset = indicatorOffset();
    if (offset > 0)
        SetColWidths(0, indicatorWidth);
    for (int i = 0; i < FieldCount(); ++i)
        SetColWidths(i + offset, showing_[std::size_t(i)]->Width());
}

void TDBGrid::LayoutGrid() {
    if (layoutLock_ > 0 || Updating()) {
        TCustomGrid::LayoutGrid();
        return;
    }
    BeginLayout();
    try {
        showing_.clear();
        for (int i = 0; i < columns_->Count(); ++i)
            if (columns_->Items(i)->Showing())
                showing_.push_back(columns_->Items(i));
        const int offset = indicatorOffset();
        const int titles = titleOffset();
        SetColCount(offset + std::max(1, FieldCount()));
        SetFixedCols(offset);
        // Title rows keep the heights given to them; data rows are DefaultRowHeight high.
        const int line = (dbOptions_ & dgRowLines) ? GridLineWidth() : 0;
        int titleHeight = 0;
        for (int r = 0; r < titles; ++r)
            titleHeight += (r < RowCount() ? RowHeights(r) : DefaultRowHeight()) + line;
        const int rows = std::max(1, (GridHeight() - titleHeight + line) / std::max(1, DefaultRowHeight() + line));
        SetRowCount(titles + rows);
        SetFixedRows(titles);
        for (int r = titles; r < RowCount(); ++r)
            SetRowHeights(r, DefaultRowHeight());
        SetColumnAttributes();
        dataLink_->SetBufferCount(rows);
        syncRow();
    } catch (...) {
        --layoutLock_;
        throw;
    }
    --layoutLock_;
    layoutPending_ = false;
    TCustomGrid::LayoutGrid();
}

void TDBGrid::syncRow() {
    const int row = titleOffset() + (linkActive() ? dataLink_->ActiveRecord() : 0);
    if (row < RowCount() && row != Row())
        FocusCell(Col(), row, /*MoveAnchor=*/true);
}

void TDBGrid::Scroll(int) {
    syncRow();
    UpdateScrollBars();
    InvalidateGrid();
}

void TDBGrid::ColWidthsChanged() {
    TCustomGrid::ColWidthsChanged();
    if (layoutLock_ > 0)
        return;
    // The user sized a column: the column keeps the width.
    BeginLayout();
    for (int i = 0; i < FieldCount(); ++i)
        showing_[std::size_t(i)]->SetWidth(ColWidths(i + indicatorOffset()));
    --layoutLock_;
    layoutPending_ = false;
}

void TDBGrid::ColumnMoved(int FromIndex, int ToIndex) {
    TColumn* moved = columnAt(FromIndex);
    const TColumn* target = columnAt(ToIndex);
    if (!moved || !target)
        return;
    // The moved column keeps its new place: the set is customised from now on.
    moved->SetIndex(target->Index());
    moved->changedByHand();
}

TCustomGrid::ScrollRange TDBGrid::VerticalScrollRange() const {
    if (!linkActive())
        return ScrollRange{};
    TDataSet* data = dataSet();
    if (data->IsSequenced())
        return ScrollRange{1, std::max(1, data->RecordCount()), dataLink_->RecordCount(), std::max(1, data->RecNo())};
    // Without record numbers the bar only tells the first, the last and between.
    return ScrollRange{0, 2, 1, data->Bof() ? 0 : data->Eof() ? 2 : 1};
}

void TDBGrid::ScrollBarMoved(bool Vertical, int Position) {
    if (!Vertical || !linkActive()) {
        TCustomGrid::ScrollBarMoved(Vertical, Position);
        return;
    }
    TDataSet* data = dataSet();
    if (data->IsSequenced()) {
        // The bar runs over the rows, 1 to RecordCount, but record numbers need not run without
        // gaps (a table in natural order numbers its rows as stored, and deleted rows leave
        // holes): the thumb goes to the row at its place counted from the first, so only to a row
        // that exists, and the links hear of one move.
        data->DisableControls();
        try {
            data->First();
            data->MoveBy(Position - 1);
        } catch (...) {
            data->EnableControls();
            throw;
        }
        data->EnableControls();
    } else if (Position == 0)
        data->First();
    else if (Position == 2)
        data->Last();
}

// --- Drawing ------------------------------------------------------------------------------------

bool TDBGrid::HighlightCell(int, int, const AnsiString&, TGridDrawState AState) {
    if ((dbOptions_ & dgMultiSelect) && selectedRows_->CurrentRowSelected())
        return true;
    const bool focused = Focused() || (InplaceEditor() && InplaceEditor()->Focused());
    return (AState & gdSelected) && ((dbOptions_ & dgAlwaysShowSelection) || focused);
}

void TDBGrid::DefaultDrawColumnCell(const TRect& Rect, int, TColumn* Column, TGridDrawState) {
    TCanvas* canvas = Canvas();
    const TField* field = Column ? Column->Field() : nullptr;
    const AnsiString text = field ? field->DisplayText() : AnsiString();
    int x = Rect.Left + 2;
    const TAlignment alignment = Column ? Column->Alignment() : taLeftJustify;
    if (alignment == taRightJustify)
        x = Rect.Right - 2 - canvas->TextWidth(text);
    else if (alignment == taCenter)
        x = Rect.Left + (Rect.Width() - canvas->TextWidth(text)) / 2;
    // With the solid brush, the text call fills the cell behind the text.
    canvas->TextRect(Rect, x, Rect.Top + 2, text);
}

void TDBGrid::DrawDataCell(const TRect& Rect, TField* Field, TGridDrawState State) {
    if (OnDrawDataCell)
        OnDrawDataCell(this, Rect, Field, State);
}

void TDBGrid::DrawColumnCell(const TRect& Rect, int DataCol, TColumn* Column, TGridDrawState State) {
    if (OnDrawColumnCell)
        OnDrawColumnCell(this, Rect, DataCol, Column, State);
}

void TDBGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    const int titles = titleOffset();
    if (ACol < indicatorOffset()) {
        drawIndicator(ARow, ARect);
        return;
    }
    if (ARow < titles) {
        drawTitle(ACol, ARow, ARect);
        return;
    }
    TCanvas* canvas = Canvas();
    const int dataCol = ACol - indicatorOffset();
    const int dataRow = ARow - titles;
    TColumn* column = columnAt(ACol);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Font()->Assign(column ? *column->Font() : *Font());
    canvas->Brush()->SetColor(column ? column->Color() : Color());
    if (!column || !linkActive() || dataRow >= dataLink_->RecordCount()) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(ARect);
        return;
    }
    // The row's record becomes the dataset's active one while the cell draws.
    const int current = dataLink_->ActiveRecord();
    dataLink_->SetActiveRecord(dataRow);
    try {
        if (HighlightCell(dataCol, dataRow, AnsiString(), AState)) {
            canvas->Brush()->SetColor(clHighlight);
            canvas->Font()->SetColor(clHighlightText);
        }
        if (dbDefaultDrawing_)
            DefaultDrawColumnCell(ARect, dataCol, column, AState);
        if (columns_->State() == csDefault)
            DrawDataCell(ARect, column->Field(), AState);
        DrawColumnCell(ARect, dataCol, column, AState);
    } catch (...) {
        dataLink_->SetActiveRecord(current);
        throw;
    }
    dataLink_->SetActiveRecord(current);
    if (dbDefaultDrawing_ && (AState & gdFocused) && !(dbOptions_ & dgRowSelect) && !EditorMode())
        canvas->DrawFocusRect(ARect);
}

// With whole rows selected, the focus frames the current row.
void TDBGrid::Paint() {
    TCustomGrid::Paint();
    if (!dbDefaultDrawing_ || !(dbOptions_ & dgRowSelect) || !Focused() || FieldCount() == 0)
        return;
    const TRect first = CellRect(indicatorOffset(), Row());
    const TRect last = CellRect(ColCount() - 1, Row());
    if (first.Width() > 0)
        Canvas()->DrawFocusRect(Rect(first.Left, first.Top, std::max(first.Right, last.Right), first.Bottom));
}

void TDBGrid::raisedEdge(const TRect& rect) {
    TRect edge = rect;
    DrawEdge(*Canvas(), edge, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
    DrawEdge(*Canvas(), edge, BDR_RAISEDINNER, BF_TOPLEFT);
}

// A title cell shows the title of the column it heads at this depth (a part's parent above the
// part, a column without parts down to the last title row), drawn as one cell across every shown
// cell that title heads: the grid paints its lines first, so the title covers those inside it.
void TDBGrid::drawTitle(int col, int row, const TRect& rect) {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FixedColor());
    canvas->Font()->Assign(*titleFont_);
    TColumn* column = columnAt(col);
    if (!column) {
        canvas->FillRect(rect);
        return;
    }
    TColumn* master = column;
    while (master->Depth() > row)
        master = master->ParentColumn();
    auto headedBy = [master](TColumn* c) {
        for (; c; c = c->ParentColumn())
            if (c == master)
                return true;
        return false;
    };
    TRect span = rect;
    const int topRow = master->Depth();
    const int bottomRow = master == column ? titleOffset() - 1 : topRow;
    const int rowLine = (dbOptions_ & dgRowLines) ? GridLineWidth() : 0;
    for (int r = row; r > topRow; --r)
        span.Top -= RowHeights(r - 1) + rowLine;
    for (int r = row; r < bottomRow; ++r)
        span.Bottom += RowHeights(r + 1) + rowLine;
    // Only the shown cells, which lie side by side: the columns scrolled out are not there.
    const int colLine = (dbOptions_ & dgColLines) ? GridLineWidth() : 0;
    auto extent = [&](int c) { return c < FixedCols() || c >= LeftCol() ? ColWidths(c) + colLine : 0; };
    for (int c = col - 1; c >= 0 && headedBy(columnAt(c)); --c)
        span.Left -= extent(c);
    for (int c = col + 1; c < ColCount() && headedBy(columnAt(c)); ++c)
        span.Right += extent(c);

    canvas->Font()->Assign(*master->Title()->Font());
    canvas->Brush()->SetColor(master->Title()->Color());
    canvas->FillRect(span);
    const AnsiString caption = master->Title()->Caption();
    int x = span.Left + 2;
    if (master->Title()->Alignment() == taRightJustify)
        x = span.Right - 2 - canvas->TextWidth(caption);
    else if (master->Title()->Alignment() == taCenter)
        x = span.Left + (span.Width() - canvas->TextWidth(caption)) / 2;
    canvas->TextRect(span, x, span.Top + 2, caption);
    raisedEdge(span);
}

// The indicator: an arrow on the current record, an I-beam while it is edited, a star while it
// is inserted.
void TDBGrid::drawIndicator(int row, const TRect& rect) {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FixedColor());
    canvas->FillRect(rect);
    raisedEdge(rect);
    if (!linkActive() || row - titleOffset() != dataLink_->ActiveRecord())
        return;
    const int cx = (rect.Left + rect.Right) / 2;
    const int cy = (rect.Top + rect.Bottom) / 2;
    canvas->Pen()->SetColor(clBlack);
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetColor(clBlack);
    switch (dataSet()->State()) {
    case dsEdit:
        canvas->MoveTo(cx - 2, cy - 4);
        canvas->LineTo(cx + 3, cy - 4);
        canvas->MoveTo(cx, cy - 4);
        canvas->LineTo(cx, cy + 4);
        canvas->MoveTo(cx - 2, cy + 4);
        canvas->LineTo(cx + 3, cy + 4);
        break;
    case dsInsert:
        canvas->MoveTo(cx - 3, cy);
        canvas->LineTo(cx + 4, cy);
        canvas->MoveTo(cx, cy - 3);
        canvas->LineTo(cx, cy + 4);
        canvas->MoveTo(cx - 2, cy - 2);
        canvas->LineTo(cx + 3, cy + 3);
        canvas->MoveTo(cx - 2, cy + 2);
        canvas->LineTo(cx + 3, cy - 3);
        break;
    default: {
        const TPoint arrow[] = {Point(cx - 2, cy - 4), Point(cx + 2, cy), Point(cx - 2, cy + 4)};
        canvas->Polygon(arrow);
        break;
    }
    }
}

// --- Editing ------------------------------------------------------------------------------------

bool TDBGrid::CanEditShow() {
    if (!TCustomGrid::CanEditShow() || readOnly_ || !linkActive() || !dataSet()->CanModify())
        return false;
    const TColumn* column = columnAt(Col());
    const TField* field = column ? column->Field() : nullptr;
    return field && !column->ReadOnly() && field->CanModify();
}

AnsiString TDBGrid::GetEditText(int ACol, int) {
    const TColumn* column = columnAt(ACol);
    const TField* field = column ? column->Field() : nullptr;
    return field ? field->Text() : AnsiString();
}

void TDBGrid::SetEditText(int ACol, int, const AnsiString& Value) {
    const TColumn* column = columnAt(ACol);
    TField* field = column ? column->Field() : nullptr;
    if (!field || field->Text() == Value)
        return;
    if (dataLink_->Edit())
        field->SetText(Value);
}

// Enter in the editor: the text goes through the field's SetText and the record is posted. A
// refused post keeps the editor open on the text (and the record in edit), so nothing is lost.
void TDBGrid::postEditor() {
    const AnsiString text = InplaceEditor()->Text();
    try {
        SetEditText(Col(), Row(), text);
        HideEditor(/*Store=*/false);
        if (dataSet()->State() == dsEdit || dataSet()->State() == dsInsert)
            dataSet()->Post();
    } catch (...) {
        Application->HandleException(this);
        ShowEditor();
        if (EditorMode())
            InplaceEditor()->SetText(text);
    }
}

void TDBGrid::cancelEdit() {
    HideEditor(/*Store=*/false);
    if (dataSet()->State() == dsEdit || dataSet()->State() == dsInsert)
        dataSet()->Cancel();
}

// --- Keys and mouse -----------------------------------------------------------------------------

bool TDBGrid::CanGridAcceptKey(std::uint16_t Key, TShiftState Shift) {
    if (!linkActive())
        return false;
    if (Key == VK_INSERT || (Key == VK_DELETE && (Shift & ssCtrl)))
        return dataSet()->CanModify() && !readOnly_;
    return true;
}

bool TDBGrid::AcquireFocus() {
    // A grid that cannot have the focus (not shown yet, disabled, being designed) goes on without
    // it: only a focus asked for and not given stops the mouse.
    if (!CanFocus() || (ComponentState() & csDesigning))
        return true;
    const auto hasFocus = [this] { return Focused() || (InplaceEditor() && InplaceEditor()->Focused()); };
    if (!hasFocus())
        SetFocus();
    return hasFocus();
}

void TDBGrid::moveColumnByTab(bool forward) {
    const int last = FieldCount() - 1;
    const int index = SelectedIndex();
    if (forward && index >= last) {
        if (dataSet()->MoveBy(1) != 0)
            SetSelectedIndex(0);
        return;
    }
    if (!forward && index <= 0) {
        if (dataSet()->MoveBy(-1) != 0)
            SetSelectedIndex(last);
        return;
    }
    SetSelectedIndex(index + (forward ? 1 : -1));
}

void TDBGrid::deleteRecord() {
    TDataSet* data = dataSet();
    if (data->IsEmpty())
        return;
    if ((dbOptions_ & dgConfirmDelete) &&
        Application->MessageBox("Delete record?", "Confirm", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    data->Delete();
}

void TDBGrid::KeyDown(std::uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0 || !CanGridAcceptKey(Key, Shift))
        return;
    TDataSet* data = dataSet();
    const bool ctrl = Shift & ssCtrl;
    const bool editing = EditorMode();
    switch (Key) {
    case VK_UP:
        if (editing)
            postEditor();
        data->MoveBy(-1);
        break;
    case VK_DOWN:
        if (editing)
            postEditor();
        data->MoveBy(1);
        if (data->Eof() && (dbOptions_ & dgEditing) && data->CanModify() && !readOnly_)
            data->Append();
        break;
    case VK_PRIOR:
        data->MoveBy(-std::max(1, VisibleRowCount()));
        break;
    case VK_NEXT:
        data->MoveBy(std::max(1, VisibleRowCount()));
        break;
    case VK_HOME:
    case VK_END:
        if (!ctrl) {
            GridKeyDown(Key, Shift);
            return;
        }
        Key == VK_HOME ? data->First() : data->Last();
        break;
    case VK_INSERT:
        if (!(dbOptions_ & dgEditing))
            return;
        data->Insert();
        break;
    case VK_ESCAPE:
        if (!editing && data->State() != dsEdit && data->State() != dsInsert)
            return;
        cancelEdit();
        break;
    case VK_RETURN:
        if (editing)
            postEditor();
        else if (dbOptions_ & dgEditing)
            ShowEditor();
        else
            return;
        break;
    case VK_TAB:
        if (!(dbOptions_ & dgTabs) || (Shift & ssAlt))
            return;
        if (editing)
            postEditor();
        moveColumnByTab(!(Shift & ssShift));
        break;
    case VK_DELETE:
        if (!ctrl)
            return;
        deleteRecord();
        break;
    default:
        GridKeyDown(Key, Shift);
        return;
    }
    Key = 0;
}

void TDBGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    titlePressed_ = -1;
    if (!AcquireFocus())
        return;
    TGridState sizing = gsNormal;
    int index = 0, pos = 0, ofs = 0;
    CalcSizingState(X, Y, sizing, index, pos, ofs);
    const TGridCoord cell = MouseCoord(X, Y);
    const bool plainLeft = Button == mbLeft && !(Shift & ssDouble);
    if (!plainLeft || sizing != gsNormal || !linkActive() || cell.X < 0 || cell.Y < 0) {
        TCustomGrid::MouseDown(Button, Shift, X, Y);
        return;
    }
    if (cell.Y < titleOffset()) {
        titlePressed_ = cell.X;
        TCustomGrid::MouseDown(Button, Shift, X, Y);
        return;
    }
    const int dataRow = cell.Y - titleOffset();
    const bool again = dataRow == dataLink_->ActiveRecord() && cell.X == Col();
    if (EditorMode())
        postEditor();
    dataSet()->MoveBy(dataRow - dataLink_->ActiveRecord());
    if (cell.X >= indicatorOffset())
        SetSelectedIndex(cell.X - indicatorOffset());
    if ((dbOptions_ & dgMultiSelect) && (Shift & ssCtrl))
        selectedRows_->SetCurrentRowSelected(!selectedRows_->CurrentRowSelected());
    else if (again && (dbOptions_ & dgEditing))
        ShowEditor();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TDBGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const int pressed = titlePressed_;
    titlePressed_ = -1;
    const TGridCoord cell = MouseCoord(X, Y);
    TCustomGrid::MouseUp(Button, Shift, X, Y);
    if (pressed >= 0 && cell.X == pressed && cell.Y >= 0 && cell.Y < titleOffset())
        if (TColumn* column = columnAt(pressed))
            TitleClick(column);
}

void TDBGrid::TitleClick(TColumn* Column) {
    if (OnTitleClick)
        OnTitleClick(Column);
}

bool TDBGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    if (linkActive())
        dataSet()->MoveBy(1);
    return true;
}

bool TDBGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    if (linkActive())
        dataSet()->MoveBy(-1);
    return true;
}

void TDBGrid::DoExit() {
    // The focus going to the grid's own editor is no leaving.
    const bool toEditor = InplaceEditor() && InplaceEditor()->Focused();
    if (!toEditor && (dbOptions_ & dgCancelOnExit) && linkActive() && dataSet()->State() == dsInsert &&
        !dataSet()->Modified()) {
        HideEditor(/*Store=*/false);
        dataSet()->Cancel();
    }
    TCustomGrid::DoExit();
}
