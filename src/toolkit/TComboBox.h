// The combo box: an edit with a drop-down list of Items (csDropDown), a pick-only list
// (csDropDownList), or a pick-only list whose rows and closed box the program draws
// (csOwnerDrawFixed). OnChange fires when the text changes, typed or picked.
#pragma once

#include <memory>

#include "toolkit/TCanvas.h"
#include "toolkit/TStringList.h"
#include "toolkit/TWinControl.h"

namespace tk {
class ComboWidget;
}

enum TComboBoxStyle { csDropDown, csDropDownList, csOwnerDrawFixed };

enum TOwnerDrawStateItem { odSelected = 0x1, odFocused = 0x2 };
using TOwnerDrawState = unsigned;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;

    // Changes to the list show in the drop-down at once.
    TStrings* Items() const;
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle Value);
    AnsiString Text() const;
    void SetText(const AnsiString& Value);
    // -1: no entry picked.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    int DropDownCount() const;
    void SetDropDownCount(int Value);
    // Items kept in sorted order.
    bool Sorted() const;
    void SetSorted(bool Value);
    // The selection in the edit part; 0 for the styles without one.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    bool DroppedDown() const;
    void SetDroppedDown(bool Value);

    // Owner drawing: each row is ItemHeight pixels high, drawn by OnDrawItem on Canvas with the
    // brush and font colour set for the row's state (the closed box is drawn the same way).
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int Value);
    TCanvas* Canvas() { return &canvas_; }

    TNotifyEvent OnChange;
    TDrawItemEvent OnDrawItem;

protected:
    virtual void Change();
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);

private:
    class ItemList;
    friend class tk::ComboWidget;
    void fillList();

    std::unique_ptr<ItemList> items_;
    TComboBoxStyle style_ = csDropDown;
    int itemHeight_ = 16;
    TCanvas canvas_;
};
