// The image: shows its picture at the top-left corner, centred or stretched. Its Canvas draws on
// the picture itself (a bitmap of the control's size is made when the picture is empty), and the
// image shows the drawing at the next pass of the message loop.
#pragma once

#include <memory>

#include "toolkit/TGraphicControl.h"
#include "toolkit/TPicture.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return picture_.get(); }
    // Takes a copy of the picture and shows it.
    void SetPicture(const TPicture& Value);
    TCanvas* Canvas();
    bool Stretch() const { return stretch_; }
    void SetStretch(bool Value);
    bool Center() const { return center_; }
    void SetCenter(bool Value);

protected:
    void Paint() override;

private:
    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool center_ = false;
};
