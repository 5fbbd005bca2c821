// Data grid columns: the field found by name in the open dataset, the defaults taken from the
// grid and the field, and the nesting of object fields' parts.
#include "toolkit/TColumn.h"

#include <algorithm>

#include "toolkit/TColumnTitle.h"
#include "toolkit/TDBGrid.h"
#include "toolkit/TDBGridColumns.h"
#include "toolkit/TDataSet.h"
#include "toolkit/TField.h"
#include "toolkit/TGridDataLink.h"

namespace {
// Pixels beside the text in a cell: two on each side.
constexpr int cellMargin = 4;
} // namespace

TColumn::TColumn(TCollection* Collection) : TCollectionItem(Collection), title_(std::make_unique<TColumnTitle>(this)) {}

TColumn::~TColumn() = default;

TDBGrid* TColumn::Grid() const {
    const auto* columns = dynamic_cast<const TDBGridColumns*>(Collection());
    return columns ? columns->Grid() : nullptr;
}

TField* TColumn::Field() const {
    const TDBGrid* grid = Grid();
    if (!grid || !grid->linkActive())
        return nullptr;
    if (!field_)
        field_ = grid->dataSet()->FindField(fieldName_);
    return field_;
}

void TColumn::SetField(TField* Value) {
    fieldName_ = Value ? Value->FieldName() : AnsiString();
    field_ = nullptr;
    changedByHand();
}

void TColumn::SetFieldName(const AnsiString& Value) {
    fieldName_ = Value;
    field_ = nullptr;
    changedByHand();
}

int TColumn::Width() const {
    if (width_ >= 0)
        return width_;
    TDBGrid* grid = Grid();
    if (!grid)
        return 64;
    TCanvas* canvas = grid->Canvas();
    canvas->Font()->Assign(*Font());
    const TField* field = Field();
    const int chars = field ? field->DisplayWidth() : 10;
    int width = chars * canvas->TextWidth("0") + cellMargin;
    if (grid->Options() & dgTitles) {
        canvas->Font()->Assign(*title_->Font());
        width = std::max(width, canvas->TextWidth(title_->Caption()) + cellMargin);
    }
    return width;
}

void TColumn::SetWidth(int Value) {
    if (width_ == Value)
        return;
    width_ = Value;
    changedByHand();
}

void TColumn::SetVisible(bool Value) {
    visible_ = Value;
    changedByHand();
}

bool TColumn::Showing() const {
    if (!visible_ || (Expandable() && expanded_))
        return false;
    for (const TColumn* parent = parentColumn_; parent; parent = parent->parentColumn_)
        if (!parent->visible_ || !parent->expanded_)
            return false;
    return true;
}

void TColumn::SetReadOnly(bool Value) {
    readOnly_ = Value;
    changedByHand();
}

TFont* TColumn::Font() const {
    // Made on first use from the grid's font of the moment.
    if (!font_) {
        font_ = std::make_unique<TFont>();
        if (const TDBGrid* grid = Grid())
            font_->Assign(*grid->Font());
    }
    return font_.get();
}

void TColumn::SetFont(const TFont& Value) {
    Font()->Assign(Value);
    changedByHand();
}

TColor TColumn::Color() const {
    if (color_ != clNone)
        return color_;
    const TDBGrid* grid = Grid();
    return grid ? grid->Color() : clWindow;
}

void TColumn::SetColor(TColor Value) {
    color_ = Value;
    changedByHand();
}

void TColumn::SetAlignment(TAlignment Value) {
    alignment_ = Value;
    changedByHand();
}

bool TColumn::Expandable() const {
    const TField* field = Field();
    return field && field->DataType() == ftADT && field->DataSet()->ObjectView();
}

void TColumn::SetExpanded(bool Value) {
    if (expanded_ == Value)
        return;
    expanded_ = Value;
    Changed(/*AllItems=*/true);
}

int TColumn::Depth() const {
    int depth = 0;
    for (const TColumn* parent = parentColumn_; parent; parent = parent->parentColumn_)
        ++depth;
    return depth;
}

void TColumn::changedByHand() {
    if (auto* columns = dynamic_cast<TDBGridColumns*>(Collection()); columns && !columns->rebuilding_)
        columns->state_ = csCustomized;
    Changed(/*AllItems=*/true);
}

void TColumn::Assign(const TPersistent& Source) {
    const auto* column = dynamic_cast<const TColumn*>(&Source);
    if (!column) {
        TCollectionItem::Assign(Source);
        return;
    }
    fieldName_ = column->fieldName_;
    field_ = nullptr;
    width_ = column->width_;
    visible_ = column->visible_;
    readOnly_ = column->readOnly_;
    expanded_ = column->expanded_;
    if (column->font_)
        Font()->Assign(*column->font_);
    color_ = column->color_;
    alignment_ = column->alignment_;
    title_->Assign(*column->title_);
    changedByHand();
}
