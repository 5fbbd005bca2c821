// The string grid's cells, the string lists over its columns and rows, and its text drawing.
#include "toolkit/TStringGrid.h"

#include "toolkit/EInvalidGridOperation.h"

// One column or row of the grid as a string list: as many strings as the grid has rows (or
// columns). Adding fills the first empty cell; inserting and deleting cells is not possible.
class TStringGrid::Line : public TStrings {
public:
    Line(TStringGrid& grid, int index, bool column) : grid_(grid), index_(index), column_(column) {}

    int Count() const override { return column_ ? grid_.RowCount() : grid_.ColCount(); }
    AnsiString Strings(int Index) const override { return at(Index).text; }
    void SetStrings(int Index, const AnsiString& S) override { column_ ? grid_.SetCells(index_, Index, S) : grid_.SetCells(Index, index_, S); }
    void* Objects(int Index) const override { return at(Index).object; }
    void SetObjects(int Index, void* AObject) override {
        column_ ? grid_.SetObjects(index_, Index, AObject) : grid_.SetObjects(Index, index_, AObject);
    }
    int AddObject(const AnsiString& S, void* AObject) override {
        for (int i = 0; i < Count(); ++i) {
            if (!at(i).text.empty())
                continue;
            SetStrings(i, S);
            SetObjects(i, AObject);
            return i;
        }
        throw EInvalidGridOperation("Grid index out of range");
    }
    int Add(const AnsiString& S) override { return AddObject(S, nullptr); }
    void Insert(int, const AnsiString&) override { refuse(); }
    void InsertObject(int, const AnsiString&, void*) override { refuse(); }
    void Delete(int) override { refuse(); }
    void Clear() override {
        grid_.BeginUpdate();
        for (int i = 0; i < Count(); ++i) {
            SetStrings(i, AnsiString());
            SetObjects(i, nullptr);
        }
        grid_.EndUpdate();
    }
    // Cell by cell: the source's strings and objects, the rest of the line emptied.
    void Assign(const TPersistent& Source) override {
        const auto* source = dynamic_cast<const TStrings*>(&Source);
        if (!source) {
            TStrings::Assign(Source);
            return;
        }
        grid_.BeginUpdate();
        for (int i = 0; i < Count(); ++i) {
            const bool given = i < source->Count();
            SetStrings(i, given ? source->Strings(i) : AnsiString());
            SetObjects(i, given ? source->Objects(i) : nullptr);
        }
        grid_.EndUpdate();
    }

protected:
    void SetUpdateState(bool Updating) override { Updating ? grid_.BeginUpdate() : grid_.EndUpdate(); }

private:
    const Cell& at(int i) const { return column_ ? grid_.cell(index_, i) : grid_.cell(i, index_); }
    [[noreturn]] static void refuse() { throw EInvalidGridOperation("Cannot insert or delete rows from grid"); }

    TStringGrid& grid_;
    int index_;
    bool column_;
};

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) { SizeChanged(0, 0); }

TStringGrid::~TStringGrid() = default;

TStringGrid::Cell& TStringGrid::cell(int col, int row) {
    tk::checkGridIndex(col, ColCount());
    tk::checkGridIndex(row, RowCount());
    return cells_[std::size_t(col)][std::size_t(row)];
}

const TStringGrid::Cell& TStringGrid::cell(int col, int row) const {
    tk::checkGridIndex(col, ColCount());
    tk::checkGridIndex(row, RowCount());
    return cells_[std::size_t(col)][std::size_t(row)];
}

AnsiString TStringGrid::Cells(int ACol, int ARow) const { return cell(ACol, ARow).text; }

void TStringGrid::SetCells(int ACol, int ARow, const AnsiString& Value) {
    Cell& c = cell(ACol, ARow);
    if (c.text == Value)
        return;
    c.text = Value;
    InvalidateCell(ACol, ARow);
}

void* TStringGrid::Objects(int ACol, int ARow) const { return cell(ACol, ARow).object; }

void TStringGrid::SetObjects(int ACol, int ARow, void* Value) { cell(ACol, ARow).object = Value; }

TStrings* TStringGrid::line(std::vector<std::unique_ptr<Line>>& lines, int index, bool column) {
    tk::checkGridIndex(index, column ? ColCount() : RowCount());
    if (lines.size() <= std::size_t(index))
        lines.resize(std::size_t(index) + 1);
    if (!lines[std::size_t(index)])
        lines[std::size_t(index)] = std::make_unique<Line>(*this, index, column);
    return lines[std::size_t(index)].get();
}

TStrings* TStringGrid::Cols(int Index) { return line(cols_, Index, /*column=*/true); }

TStrings* TStringGrid::Rows(int Index) { return line(rows_, Index, /*column=*/false); }

void TStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
    TDrawGrid::SizeChanged(OldColCount, OldRowCount);
    cells_.resize(std::size_t(ColCount()));
    for (auto& column : cells_)
        column.resize(std::size_t(RowCount()));
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
    auto column = std::move(cells_[std::size_t(FromIndex)]);
    cells_.erase(cells_.begin() + FromIndex);
    cells_.insert(cells_.begin() + ToIndex, std::move(column));
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
    for (auto& column : cells_) {
        Cell moved = std::move(column[std::size_t(FromIndex)]);
        column.erase(column.begin() + FromIndex);
        column.insert(column.begin() + ToIndex, std::move(moved));
    }
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    if (DefaultDrawing())
        Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

AnsiString TStringGrid::GetEditText(int ACol, int ARow) { return Cells(ACol, ARow); }

void TStringGrid::SetEditText(int ACol, int ARow, const AnsiString& Value) { SetCells(ACol, ARow, Value); }
