// The data grid: a grid over a dataset through a data source. One grid row shows one record of
// the link's window of buffers (as many as there are visible data rows), the columns show
// fields, an optional title row and indicator column frame them, and the keys, the mouse, the
// wheel and the vertical scroll bar move the dataset rather than the grid. Data cells are drawn
// whatever DefaultDrawing says: the canvas is prepared, the text drawn when DefaultDrawing is on,
// then DrawColumnCell (and DrawDataCell for default columns) lets a descendant or a handler add.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/DBGridTypes.h"
#include "toolkit/TCustomGrid.h"

class TBookmarkList;
class TColumn;
class TDBGridColumns;
class TDataSet;
class TDataSource;
class TField;
class TGridDataLink;

class TDBGrid : public TCustomGrid {
public:
    explicit TDBGrid(TComponent* AOwner);
    ~TDBGrid() override;

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* Value);
    TGridDataLink* DataLink() const { return dataLink_.get(); }
    TDBGridColumns* Columns() const { return columns_.get(); }
    TDBGridOptions Options() const { return dbOptions_; }
    void SetOptions(TDBGridOptions Value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value);
    TFont* TitleFont() const { return titleFont_.get(); }
    void SetTitleFont(const TFont& Value);
    // The grid's own: the base grid's default drawing stays off.
    bool DefaultDrawing() const { return dbDefaultDrawing_; }
    void SetDefaultDrawing(bool Value);
    // The current column among the visible ones.
    int SelectedIndex() const;
    void SetSelectedIndex(int Value);
    TField* SelectedField() const;
    void SetSelectedField(TField* Value);
    // The fields of the visible columns.
    int FieldCount() const { return static_cast<int>(showing_.size()); }
    TField* Fields(int Index) const;
    TBookmarkList* SelectedRows() const { return selectedRows_.get(); }

    TDrawColumnCellEvent OnDrawColumnCell;
    TDrawDataCellEvent OnDrawDataCell;
    TDBGridClickEvent OnTitleClick;

protected:
    // The columns or the fields changed: rebuild default columns and lay out again.
    virtual void LayoutChanged();
    // The dataset scrolled by Distance records.
    virtual void Scroll(int Distance);
    // Gives the grid's columns the widths of their columns.
    virtual void SetColumnAttributes();
    // Layout changes inside the bracket lay out once at the end.
    void BeginLayout();
    void EndLayout();
    virtual bool HighlightCell(int DataCol, int DataRow, const AnsiString& Value, TGridDrawState AState);
    // Fills the cell and draws the field's display text as the column aligns it.
    void DefaultDrawColumnCell(const TRect& Rect, int DataCol, TColumn* Column, TGridDrawState State);
    virtual void DrawDataCell(const TRect& Rect, TField* Field, TGridDrawState State);
    virtual void DrawColumnCell(const TRect& Rect, int DataCol, TColumn* Column, TGridDrawState State);
    virtual void TitleClick(TColumn* Column);
    // Whether the key may act on the grid: an active dataset; Insert and Ctrl+Delete also need a
    // dataset that can be modified and a grid that is not read-only.
    bool CanGridAcceptKey(std::uint16_t Key, TShiftState Shift);
    // Takes the focus when the grid can have it; false only when it could and did not get it.
    bool AcquireFocus();

    void Paint() override;
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    bool CanEditShow() override;
    AnsiString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const AnsiString& Value) override;
    void ColWidthsChanged() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DoExit() override;
    void LayoutGrid() override;
    ScrollRange VerticalScrollRange() const override;
    void ScrollBarMoved(bool Vertical, int Position) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TBookmarkList;
    friend class TColumn;
    friend class TDBGridColumns;
    friend class TGridDataLink;

    TDataSet* dataSet() const;
    bool linkActive() const;
    int indicatorOffset() const { return (dbOptions_ & dgIndicator) ? 1 : 0; }
    int titleOffset() const;
    TColumn* columnAt(int gridCol) const;
    void linkActiveChanged();
    void syncRow();
    void drawTitle(int col, int row, const TRect& rect);
    void drawIndicator(int row, const TRect& rect);
    void raisedEdge(const TRect& rect);
    void postEditor();
    void cancelEdit();
    void moveColumnByTab(bool forward);
    void deleteRecord();

    std::unique_ptr<TGridDataLink> dataLink_;
    std::unique_ptr<TDBGridColumns> columns_;
    std::unique_ptr<TBookmarkList> selectedRows_;
    std::unique_ptr<TFont> titleFont_;
    // The showing columns, one per grid column after the indicator.
    std::vector<TColumn*> showing_;
    TDBGridOptions dbOptions_ = dgEditing | dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines |
                                dgConfirmDelete | dgCancelOnExit;
    bool readOnly_ = false;
    bool dbDefaultDrawing_ = true;
    int layoutLock_ = 0;
    bool layoutPending_ = false;
    int titlePressed_ = -1;
};
