// The label: a caption of one or more lines ("\r\n" or "\n" between them) in the control's font,
// aligned within the label; with AutoSize the label takes the size of its text.
#pragma once

#include "toolkit/TGraphicControl.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout Value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    // Sizes the label to its text now; runs by itself on changes while AutoSize is on.
    void AdjustBounds();

protected:
    void Paint() override;
    void FontChanged() override { AdjustBounds(); }

private:
    AnsiString caption_;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = true;
};
