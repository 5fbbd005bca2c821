// The title of a data grid column: its caption (the field's display label until set), font,
// colour and alignment.
#pragma once

#include <memory>

#include "toolkit/Controls.h"
#include "toolkit/TFont.h"
#include "toolkit/TPersistent.h"

class TColumn;

class TColumnTitle : public TPersistent {
public:
    explicit TColumnTitle(TColumn* Column);

    AnsiString Caption() const;
    void SetCaption(const AnsiString& Value);
    // The grid's TitleFont until set.
    TFont* Font() const;
    void SetFont(const TFont& Value);
    // The grid's FixedColor until set.
    TColor Color() const;
    void SetColor(TColor Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    void Assign(const TPersistent& Source) override;

private:
    TColumn* column_;
    AnsiString caption_;
    bool captionSet_ = false;
    mutable std::unique_ptr<TFont> font_;
    TColor color_ = clNone;
    TAlignment alignment_ = taLeftJustify;
};
