// Column titles fall back on the grid's title font and fixed colour and on the field's label.
#include "toolkit/TColumnTitle.h"

#include "toolkit/TColumn.h"
#include "toolkit/TDBGrid.h"
#include "toolkit/TField.h"

TColumnTitle::TColumnTitle(TColumn* Column) : column_(Column) {}

AnsiString TColumnTitle::Caption() const {
    if (captionSet_)
        return caption_;
    const TField* field = column_->Field();
    return field ? field->DisplayLabel() : column_->FieldName();
}

void TColumnTitle::SetCaption(const AnsiString& Value) {
    caption_ = Value;
    captionSet_ = true;
    column_->changedByHand();
}

TFont* TColumnTitle::Font() const {
    // Made on first use from the grid's title font of the moment.
    if (!font_) {
        font_ = std::make_unique<TFont>();
        if (const TDBGrid* grid = column_->Grid())
            font_->Assign(*grid->TitleFont());
    }
    return font_.get();
}

void TColumnTitle::SetFont(const TFont& Value) {
    Font()->Assign(Value);
    column_->changedByHand();
}

TColor TColumnTitle::Color() const {
    if (color_ != clNone)
        return color_;
    const TDBGrid* grid = column_->Grid();
    return grid ? grid->FixedColor() : clBtnFace;
}

void TColumnTitle::SetColor(TColor Value) {
    color_ = Value;
    column_->changedByHand();
}

void TColumnTitle::SetAlignment(TAlignment Value) {
    alignment_ = Value;
    column_->changedByHand();
}

void TColumnTitle::Assign(const TPersistent& Source) {
    const auto* title = dynamic_cast<const TColumnTitle*>(&Source);
    if (!title) {
        TPersistent::Assign(Source);
        return;
    }
    caption_ = title->caption_;
    captionSet_ = title->captionSet_;
    if (title->font_)
        Font()->Assign(*title->font_);
    color_ = title->color_;
    alignment_ = title->alignment_;
}
