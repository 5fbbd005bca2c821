// The program's data grid: the toolkit's data grid with glyphs for binary and memo fields,
// multi-selection of records with Shift ranges, frozen data columns, title cells that act as
// buttons with sort markers, per-cell font and colour events, its own key and character routing,
// a delete prompt that knows the selection and record-wise wheel scrolling.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "toolkit/DataSetTypes.h"
#include "toolkit/TDBGrid.h"
#include "toolkit/TWinControl.h"

class TBrush;
class TFont;
class TFormPlacement;
class TImageList;
class TCustomIniFile;
class TIniLink;

enum TSortMarker { smNone, smDown, smUp };

using TCheckTitleBtnEvent = std::function<void(TPersistent* Sender, int ACol, TField* Field, bool& Enabled)>;
using TGetCellPropsEvent = std::function<void(TPersistent* Sender, TField* Field, TFont* AFont, TColor& Background)>;
using TGetCellParamsEvent =
    std::function<void(TPersistent* Sender, TField* Field, TFont* AFont, TColor& Background, bool Highlight)>;
using TGetBtnParamsEvent = std::function<void(TPersistent* Sender, TField* Field, TFont* AFont, TColor& Background,
                                              TSortMarker& SortMarker, bool IsDown)>;
using TTitleClickEvent = std::function<void(TPersistent* Sender, int ACol, TField* Field)>;
using TDBEditShowEvent = std::function<void(TPersistent* Sender, TField* Field, bool& AllowEdit)>;

class TExDBGrid : public TDBGrid {
public:
    explicit TExDBGrid(TComponent* AOwner);
    ~TExDBGrid() override;

    // dgMultiSelect lives in MultiSelect and never reaches the base grid; TitleButtons forces the
    // fixed lines.
    TDBGridOptions Options() const;
    void SetOptions(TDBGridOptions Value);
    // Data columns kept from scrolling, beside the indicator; remembered while the dataset is
    // closed.
    int FixedCols() const;
    void SetFixedCols(int Value);
    bool ClearSelection() const { return clearSelection_; }
    void SetClearSelection(bool Value) { clearSelection_ = Value; }
    // The grid draws the data cells itself (glyphs, events); the base grid's drawing stays off.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool Value);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool Value);
    bool ShowGlyphs() const { return showGlyphs_; }
    void SetShowGlyphs(bool Value);
    bool TitleButtons() const { return titleButtons_; }
    void SetTitleButtons(bool Value);
    // The placement that stores the column layout with its form's; none by default.
    TFormPlacement* IniStorage() const;
    void SetIniStorage(TFormPlacement* Value);
    // The data rows' height; the title row is 2 pixels higher.
    int RowsHeight() const { return DefaultRowHeight(); }
    void SetRowsHeight(int Value);

    // Whether the dataset's current record is among the selected ones.
    bool ActiveRowSelected() const;
    // The glyph drawn for the field instead of its text, -1 for none.
    int GetImageIndex(TField* Field) const;

    TCheckTitleBtnEvent OnCheckButton;
    TGetCellPropsEvent OnGetCellProps;
    TGetCellParamsEvent OnGetCellParams;
    TGetBtnParamsEvent OnGetBtnParams;
    TNotifyEvent OnEditChange;
    // The grid's own character event; the base control's stays unassigned.
    TKeyPressEvent OnKeyPress;
    TTitleClickEvent OnTitleBtnClick;
    TDBEditShowEvent OnShowEditor;
    TNotifyEvent OnTopLeftChanged;

protected:
    void Paint() override;
    TInplaceEdit* CreateEditor() override;
    bool CanEditShow() override;
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    bool HighlightCell(int DataCol, int DataRow, const AnsiString& Value, TGridDrawState AState) override;
    void LayoutChanged() override;
    void Scroll(int Distance) override;
    void SetColumnAttributes() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void TopLeftChanged() override;
    void ColWidthsChanged() override;
    // The per-field hook of old grids: nothing here (DrawColumnCell fires OnDrawDataCell).
    void DrawDataCell(const TRect& Rect, TField* Field, TGridDrawState State) override;
    void DrawColumnCell(const TRect& Rect, int DataCol, TColumn* Column, TGridDrawState State) override;
    // WM_CHAR, WM_CANCELMODE and WM_RBUTTONUP.
    void WndProc(TMessage& Message) override;

    using TDBGrid::TitleClick;
    virtual void TitleClick(int ACol, TField* Field);
    virtual void CheckTitleButton(int ACol, int ARow, bool& Enabled);
    virtual void GetCellProps(TField* Field, TFont* AFont, TColor& Background, bool Highlight);
    virtual void EditChanged(TPersistent* Sender);

private:
    int indicatorOffset() const { return (TDBGrid::Options() & dgIndicator) ? 1 : 0; }
    bool dataActive() const;
    TDataSet* dataSet() const;
    int TitleOffset() const;
    int CalcLeftColumn() const;
    TColumn* showingColumn(int dataCol) const;
    TColumn* GetMasterColumn(int ACol, int ARow) const;
    void restoreCurrentColumn(int remembered);
    void applyFixedLines();

    void ClearSelections();
    void DoSelection(bool Select, int Direction);
    void NextRow(bool Select);
    void PriorRow(bool Select);
    void CheckTab(bool GoForward);
    bool DeletePrompt();

    void TrackButton(int X, int Y);
    void StopTracking();
    bool mouseDownOnTitle(TMouseButton& Button, int X, int Y, const TGridCoord& cell);
    void baseMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    bool wheel(const TMouseWheelUpDownEvent& event, int distance, TShiftState Shift, TPoint MousePos);
    bool charMessage(TMessage& Message);

    AnsiString layoutSection() const;
    void IniSave();
    void IniLoad();
    void saveColumns(TCustomIniFile* storage, const AnsiString& section);
    void restoreColumns(const TCustomIniFile* storage, const AnsiString& section);

    void drawIndicatorMark(int ARow, const TRect& ARect);
    void drawTitleButton(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    TRect titleRect(const TColumn* master, int ACol, const TRect& ARect) const;
    void drawExpandButton(const TColumn* master, TRect& rect, TRect& textRect, bool rightToLeft);

    bool showGlyphs_ = true;
    bool defaultDrawing_ = true;
    bool multiSelect_ = false;
    bool selecting_ = false;
    bool clearSelection_ = true;
    bool titleButtons_ = false;
    TColumn* pressedColumn_ = nullptr;
    bool pressed_ = false;
    bool tracking_ = false;
    bool swapButtons_ = false;
    int disableCount_ = 0;
    int frozenCols_ = 0;
    std::unique_ptr<TIniLink> iniLink_;
    std::unique_ptr<TImageList> indicators_;
    TBookmark selectionAnchor_;
};
