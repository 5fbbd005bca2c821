// The colour dialog component: Execute asks for a colour starting at Color, with the custom
// colours given as "ColorA=" .. "ColorP=" entries of 8 hexadecimal digits.
#pragma once

#include <memory>

#include "toolkit/TColor.h"
#include "toolkit/TComponent.h"
#include "toolkit/TStringList.h"

class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* AOwner);

    TColor Color() const { return color_; }
    void SetColor(TColor Value) { color_ = Value; }
    TStrings* CustomColors() const { return customColors_.get(); }

    // True, with Color and CustomColors updated, when the user confirms.
    bool Execute();

private:
    TColor color_ = clBlack;
    std::unique_ptr<TStringList> customColors_ = std::make_unique<TStringList>();
};
