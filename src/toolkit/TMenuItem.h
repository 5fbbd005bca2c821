// A menu entry: caption ("&" marks the accelerator, "-" makes a separator), state, short cut and
// click handler, and the entries of its submenu, which it frees with itself.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/Controls.h"
#include "toolkit/TComponent.h"
#include "toolkit/TNotifyEvent.h"

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value) { caption_ = Value; }
    bool IsLine() const { return caption_ == "-"; }
    bool Visible() const { return visible_; }
    void SetVisible(bool Value) { visible_ = Value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value) { enabled_ = Value; }
    bool Checked() const { return checked_; }
    void SetChecked(bool Value) { checked_ = Value; }
    // A checked radio item shows a dot instead of a tick.
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool Value) { radioItem_ = Value; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut Value) { shortCut_ = Value; }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int Index) const { return items_.at(static_cast<size_t>(Index)); }
    TMenuItem* Parent() const { return parent_; }
    int IndexOf(const TMenuItem* Item) const;
    // Takes Item out of its previous menu first.
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    void Remove(TMenuItem* Item);
    void Delete(int Index);
    // Frees every entry of the submenu.
    void Clear();

    // Fires OnClick with this item as Sender.
    virtual void Click();

    // Alive until the item is freed; queued clicks check it.
    std::weak_ptr<void> lifeToken() const { return life_; }

    TNotifyEvent OnClick;

private:
    AnsiString caption_;
    bool visible_ = true;
    bool enabled_ = true;
    bool checked_ = false;
    bool radioItem_ = false;
    TShortCut shortCut_ = 0;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};
