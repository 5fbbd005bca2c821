// Labels measure and draw their lines with the control's font.
#include "toolkit/TLabel.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<AnsiString> captionLines(const AnsiString& caption) {
    std::vector<AnsiString> lines(1);
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n')
            continue;
        if (caption[i] == '\r' || caption[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += caption[i];
    }
    return lines;
}

} // namespace

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetCaption(const AnsiString& Value) {
    caption_ = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment Value) {
    alignment_ = Value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout Value) {
    layout_ = Value;
    Invalidate();
}

void TLabel::SetAutoSize(bool Value) {
    autoSize_ = Value;
    AdjustBounds();
}

void TLabel::AdjustBounds() {
    if (!autoSize_)
        return;
    TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(*Font());
    int width = 0;
    const std::vector<AnsiString> lines = captionLines(caption_);
    for (const AnsiString& line : lines)
        width = std::max(width, canvas.TextWidth(line));
    SetBounds(Left(), Top(), width, canvas.TextHeight("Wg") * static_cast<int>(lines.size()));
}

void TLabel::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(bsClear);
    const std::vector<AnsiString> lines = captionLines(caption_);
    const int lineHeight = canvas.TextHeight("Wg");
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    int y = 0;
    if (layout_ == tlCenter)
        y = (Height() - textHeight) / 2;
    else if (layout_ == tlBottom)
        y = Height() - textHeight;
    for (const AnsiString& line : lines) {
        const int width = canvas.TextWidth(line);
        int x = 0;
        if (alignment_ == taCenter)
            x = (Width() - width) / 2;
        else if (alignment_ == taRightJustify)
            x = Width() - width;
        canvas.TextOut(x, y, line);
        y += lineHeight;
    }
    canvas.Brush()->SetStyle(bsSolid);
}
