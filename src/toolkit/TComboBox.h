// The combo box: an edit with a drop-down list of Items (csDropDown), or a pick-only list
// (csDropDownList). OnChange fires when the text changes, typed or picked.
#pragma once

#include <memory>

#include "toolkit/TStringList.h"
#include "toolkit/TWinControl.h"

enum TComboBoxStyle { csDropDown, csDropDownList };

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

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    class ItemList;
    void fillList();

    std::unique_ptr<ItemList> items_;
    TComboBoxStyle style_ = csDropDown;
};
