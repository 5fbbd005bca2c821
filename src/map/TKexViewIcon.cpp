// The icon view. Its picture is the grid drawn into the back buffer by Redraw: the cached
// background with the cells' frames, then the icons; selecting redraws only the two cells
// concerned unless the grid scrolls. Cell (c, r) shows icon first + r * columns + c, and the
// first visible icon is always at the start of a row.
#include "map/TKexViewIcon.h"

#include <algorithm>

#include "map/FlagGuard.h"
#include "map/MapGeometry.h"
#include "map/TKexIcon.h"
#include "toolkit/AnsiStrings.h"

namespace {

// The frames' dark edges ($80000015).
constexpr TColor kFrameShadow = cl3DDkShadow;
constexpr TColor kFrameLight = clWhite;

void edge(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen()->SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

} // namespace

TKexViewIcon::TKexViewIcon(TComponent* AOwner) : TMyImage(AOwner) {
    SetTabStop(true);
    options_.SetChangeHandler([this] { UpdateLayout(); });
}

TKexViewIcon::~TKexViewIcon() {
    if (kexIcon_ != nullptr)
        kexIcon_->RemoveClient(this);
}

void TKexViewIcon::SetColor(TColor Value) {
    if (color_ == Value)
        return;
    color_ = Value;
    gridValid_ = false;
    Redraw();
}

void TKexViewIcon::SetKexIcon(TKexIcon* Value) {
    if (kexIcon_ != nullptr)
        kexIcon_->RemoveClient(this);
    kexIcon_ = Value;
    if (kexIcon_ != nullptr)
        kexIcon_->AddClient(this);
    takeCount();
    Redraw();
}

void TKexViewIcon::SetNameLib(const AnsiString& Value) {
    nameLib_ = AnsiUpperCase(Value);
    first_ = 0;
    if (kexIcon_ == nullptr)
        return;
    takeCount();
    Redraw();
}

void TKexViewIcon::takeCount() { count_ = kexIcon_ != nullptr ? kexIcon_->GetCount(nameLib_) : 0; }

void TKexViewIcon::SetNamePic(const AnsiString& Value) {
    if (namePic_ == Value || kexIcon_ == nullptr)
        return;
    namePic_ = Value;
    const int index = kexIcon_->IndexOfPic(nameLib_, Value);
    if (index >= 0)
        SetNomerSelect(index);
}

void TKexViewIcon::SetNomerSelect(int Value) {
    if (Value == nomerSelect_ || kexIcon_ == nullptr)
        return;
    const int count = kexIcon_->GetCount(nameLib_);
    const int index = std::min(std::max(Value, 0), count - 1);
    const int oldIndex = nomerSelect_;
    nomerSelect_ = index;
    if (hasGrid()) {
        const bool scrolled = scrollToSelected();
        selColumn_ = (index - first_) % columns_;
        selRow_ = (index - first_) / columns_;
        if (!scrolled) {
            drawCellOf(oldIndex);
            drawCellOf(index);
            Repaint();
        }
    }
    namePic_ = kexIcon_->GetPicName(nameLib_, index);
    doClickThumbnail();
}

bool TKexViewIcon::scrollToSelected() {
    const int firstRow = first_ / columns_;
    const int selectedRow = nomerSelect_ / columns_;
    if (selectedRow > firstRow && nomerSelect_ >= first_ + columns_ * rows_) {
        first_ += (selectedRow - (rows_ + firstRow) + 1) * columns_;
    } else if (selectedRow < firstRow) {
        first_ = std::max(first_ - (firstRow - selectedRow) * columns_, 0);
    } else {
        return false;
    }
    Redraw();
    return true;
}

void TKexViewIcon::CalcGrid() {
    const int cellWidth = options_.XSizeThumbnail() + options_.StepThumbnail();
    const int cellHeight = options_.YSizeThumbnail() + options_.StepThumbnail();
    columns_ = cellWidth > 0 ? ClientWidth() / cellWidth : 0;
    rows_ = cellHeight > 0 ? ClientHeight() / cellHeight : 0;
}

void TKexViewIcon::UpdateLayout() {
    gridValid_ = false;
    CalcGrid();
    Redraw();
}

TRect TKexViewIcon::cellRect(int column, int row) const {
    const int left = (options_.XSizeThumbnail() + options_.StepThumbnail()) * column;
    const int top = (options_.YSizeThumbnail() + options_.StepThumbnail()) * row;
    return Rect(left, top, left + options_.XSizeThumbnail(), top + options_.YSizeThumbnail());
}

void TKexViewIcon::Redraw() {
    if (redrawing_)
        return;
    mapi::FlagGuard guard(redrawing_);
    CalcGrid();
    if (!gridValid_ || grid_.Width() != Width() || grid_.Height() != Height())
        drawGrid();
    // A copy of the pixels, not a drawing of them.
    Picture()->Bitmap()->Assign(grid_);
    int index = first_;
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column)
            drawIcon(column, row, index++, /*onFreshBackground=*/true);
    if (!painting_)
        Repaint();
}

// The background with every cell's frame, which only the size, Color and the options change: a
// redraw copies it and draws the icons on it.
void TKexViewIcon::drawGrid() {
    grid_.SetSize(Width(), Height());
    TCanvas& canvas = *grid_.Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color_);
    canvas.FillRect(Rect(0, 0, Width(), Height()));
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column)
            drawFrame(canvas, cellRect(column, row));
    gridValid_ = true;
}

void TKexViewIcon::drawCellOf(int index) {
    const int offset = index - first_;
    if (offset < 0 || offset >= columns_ * rows_)
        return;
    const int column = offset % columns_;
    const int row = offset / columns_;
    drawFrame(*Picture()->Bitmap()->Canvas(), cellRect(column, row));
    drawIcon(column, row, index, /*onFreshBackground=*/false);
}

void TKexViewIcon::drawFrame(TCanvas& canvas, const TRect& cell) const {
    const bool raised = options_.Grid3DStyle() == kexRaised;
    const TColor light = raised ? kFrameLight : kFrameShadow;
    const TColor dark = raised ? kFrameShadow : kFrameLight;
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(1);
    edge(canvas, light, cell.Left, cell.Top, cell.Left, cell.Bottom);
    edge(canvas, light, cell.Left, cell.Top, cell.Right, cell.Top);
    edge(canvas, dark, cell.Right, cell.Top, cell.Right, cell.Bottom);
    edge(canvas, dark, cell.Right, cell.Bottom, cell.Left, cell.Bottom);
}

void TKexViewIcon::drawIcon(int column, int row, int index, bool onFreshBackground) {
    const TBitmap* icon = kexIcon_ != nullptr ? kexIcon_->GetBitmapByIndex(nameLib_, index) : nullptr;
    if (icon == nullptr)
        return;
    TCanvas& canvas = *Picture()->Bitmap()->Canvas();
    const TRect cell = cellRect(column, row);
    TRect inner = Rect(cell.Left + 2, cell.Top + 1, cell.Right - 1, cell.Bottom - 1);
    const bool selected = index == nomerSelect_;
    // On the fresh grid an unselected cell is already Color.
    if (selected || !onFreshBackground) {
        canvas.Brush()->SetColor(selected ? options_.ColorSelect() : color_);
        canvas.Brush()->SetStyle(selected ? options_.StyleBrushSelect() : bsSolid);
        canvas.FillRect(inner);
    }
    const int border = options_.SizeBorder();
    inner = Rect(inner.Left + border, inner.Top + border, inner.Right - border, inner.Bottom - border);
    canvas.StretchDraw(FitPictureRect(inner, TSize{icon->Width(), icon->Height()}), *icon);
}

void TKexViewIcon::Paint() {
    if (painting_)
        return;
    mapi::FlagGuard guard(painting_);
    const TBitmap& buffer = *Picture()->Bitmap();
    if (buffer.Width() != Width() || buffer.Height() != Height())
        Redraw();
    TMyImage::Paint();
}

void TKexViewIcon::KeyDown(std::uint16_t& Key, TShiftState Shift) {
    TMyImage::KeyDown(Key, Shift);
    if (!hasGrid())
        return;
    switch (Key) {
    case VK_END:
        SetNomerSelect(count_ - 1);
        break;
    case VK_HOME:
        SetNomerSelect(0);
        break;
    case VK_LEFT:
        SetNomerSelect(nomerSelect_ - 1);
        break;
    case VK_UP:
        SetNomerSelect(nomerSelect_ - columns_);
        break;
    case VK_RIGHT:
        SetNomerSelect(nomerSelect_ + 1);
        break;
    case VK_DOWN:
        SetNomerSelect(nomerSelect_ + columns_);
        break;
    default:
        break;
    }
}

void TKexViewIcon::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TMyImage::MouseDown(Button, Shift, X, Y);
    if (CanFocus())
        SetFocus();
    if (!hasGrid())
        return;
    const int oldIndex = nomerSelect_;
    selColumn_ = std::clamp(X / (options_.XSizeThumbnail() + options_.StepThumbnail()), 0, columns_ - 1);
    selRow_ = std::clamp(Y / (options_.YSizeThumbnail() + options_.StepThumbnail()), 0, rows_ - 1);
    nomerSelect_ = selRow_ * columns_ + selColumn_ + first_;
    // Without a set there is nothing to name: the cell is selected all the same.
    namePic_ = kexIcon_ != nullptr ? kexIcon_->GetPicName(nameLib_, nomerSelect_) : AnsiString();
    drawCellOf(oldIndex);
    drawCellOf(nomerSelect_);
    Repaint();
    doClickThumbnail();
}

void TKexViewIcon::doClickThumbnail() {
    if (OnClickThumbnail)
        OnClickThumbnail(this, selColumn_, selRow_, nameLib_, namePic_, nomerSelect_);
}

void TKexViewIcon::IconSetChanged(TKexIcon&) {
    takeCount();
    Redraw();
}

void TKexViewIcon::IconSetFreed(TKexIcon&) {
    kexIcon_ = nullptr;
    takeCount();
    Redraw();
}
