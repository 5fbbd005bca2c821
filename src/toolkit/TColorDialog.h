// The colour dialog component: Execute asks for a colour starting at Color, with the custom
// colours given as "ColorA=" .. "ColorP=" entries of 8 hexadecimal digits.
#pragma once

#include <memory>

#include "toolkit/TColor.h"
#include "toolkit/TComponent.h"
#include "toolkit/TStringList.h"

enum TColorDialogOption { cdFullOpen = 0x1, cdAnyColor = 0x2 };
using TColorDialogOptions = unsigned;

class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* AOwner);

    TColor Color() const { return color_; }
    void SetColor(TColor Value) { color_ = Value; }
    TStrings* CustomColors() const { return customColors_.get(); }
    // Accepted as the program sets them; the dialog always offers the full choice of colours.
    TColorDialogOptions Options() const { return options_; }
    void SetOptions(TColorDialogOptions Value) { options_ = Value; }

    // True, with Color and CustomColors updated, when the user confirms.
    bool Execute();

private:
    TColor color_ = clBlack;
    TColorDialogOptions options_ = 0;
    std::unique_ptr<TStringList> customColors_ = std::make_unique<TStringList>();
};
