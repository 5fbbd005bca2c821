// A column of the data grid: which field it shows, how wide and in what font, colour and
// alignment, its title, and its place among nested columns of object fields (a parent column
// shows its parts beneath it while expanded).
#pragma once

#include <memory>

#include "toolkit/Controls.h"
#include "toolkit/TCollectionItem.h"
#include "toolkit/TFont.h"

class TColumnTitle;
class TDBGrid;
class TField;

class TColumn : public TCollectionItem {
public:
    explicit TColumn(TCollection* Collection);
    ~TColumn() override;

    TDBGrid* Grid() const;
    // The field named FieldName in the grid's open dataset, or null.
    TField* Field() const;
    void SetField(TField* Value);
    const AnsiString& FieldName() const { return fieldName_; }
    void SetFieldName(const AnsiString& Value);

    // Until set: the field's DisplayWidth in average characters of the column's font plus a
    // margin, and at least the title's caption while titles show.
    int Width() const;
    void SetWidth(int Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    // Visible, inside expanded parents, and not itself an expanded parent.
    bool Showing() const;
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value);
    // The grid's font until set.
    TFont* Font() const;
    void SetFont(const TFont& Value);
    // The grid's colour until set.
    TColor Color() const;
    void SetColor(TColor Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TColumnTitle* Title() const { return title_.get(); }

    // An object field's column while the dataset shows objects (ObjectView).
    bool Expandable() const;
    bool Expanded() const { return expanded_; }
    void SetExpanded(bool Value);
    // 0 for a top column, 1 for a part of an object field, and so on.
    int Depth() const;
    TColumn* ParentColumn() const { return parentColumn_; }
    void SetParentColumn(TColumn* Value) { parentColumn_ = Value; }

    void Assign(const TPersistent& Source) override;

private:
    friend class TColumnTitle;
    friend class TDBGrid;
    friend class TDBGridColumns;
    // A change made by hand customises the grid's columns.
    void changedByHand();

    AnsiString fieldName_;
    mutable TField* field_ = nullptr; // found again after the dataset reopens
    int width_ = -1;
    bool visible_ = true;
    bool readOnly_ = false;
    bool expanded_ = true;
    mutable std::unique_ptr<TFont> font_;
    TColor color_ = clNone;
    TAlignment alignment_ = taLeftJustify;
    std::unique_ptr<TColumnTitle> title_;
    TColumn* parentColumn_ = nullptr;
};
