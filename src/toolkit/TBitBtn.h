// The bitmap button: a push button with a Glyph left of its caption; the glyph's pixels of its
// bottom-left pixel's colour are transparent.
#pragma once

#include <memory>

#include "toolkit/TButton.h"

class TBitmap;

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;

    // Loading into the glyph in place shows at the next paint.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* Value);

private:
    class GlyphWatch;
    std::unique_ptr<TBitmap> glyph_;
    std::unique_ptr<GlyphWatch> watch_;
};
