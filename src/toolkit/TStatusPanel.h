// One panel of a status bar: its text and width; a change repaints the bar.
#pragma once

#include "toolkit/AnsiString.h"
#include "toolkit/TCollectionItem.h"

class TStatusPanel : public TCollectionItem {
public:
    explicit TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

    const AnsiString& Text() const { return text_; }
    void SetText(const AnsiString& Value);
    int Width() const { return width_; }
    void SetWidth(int Value);

private:
    AnsiString text_;
    int width_ = 50;
};
