// The icon view: the icons of one library of an icon set as a grid of framed thumbnails,
// scrolled by whole rows, with one selected icon picked by mouse or keys. The note dialog and
// the property frame let the user choose a note's icon with it.
#pragma once

#include <functional>

#include "map/IconSetClient.h"
#include "map/TKexViewOptions.h"
#include "map/TMyImage.h"
#include "toolkit/AnsiString.h"
#include "toolkit/TBitmap.h"

class TKexIcon;

using TClickThumbnail = std::function<void(TPersistent* Sender, int Column, int Row, const AnsiString& NameLib,
                                           const AnsiString& PicName, int Position)>;

class TKexViewIcon : public TMyImage, public mapi::IconSetClient {
public:
    explicit TKexViewIcon(TComponent* AOwner);
    ~TKexViewIcon() override;

    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    // Leaves the old set's clients, joins the new one's.
    TKexIcon* KexIcon() const { return kexIcon_; }
    void SetKexIcon(TKexIcon* Value);
    // Kept upper-cased; the grid starts again at its first row.
    const AnsiString& NameLib() const { return nameLib_; }
    void SetNameLib(const AnsiString& Value);
    const AnsiString& NamePic() const { return namePic_; }
    // Selects the icon of that name when the library has it.
    void SetNamePic(const AnsiString& Value);
    int NomerSelect() const { return nomerSelect_; }
    // Clamped to the library's icons; the grid scrolls to show the selection.
    void SetNomerSelect(int Value);
    TKexViewOptions* Options() { return &options_; }

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    // The index of the icon in the top-left cell.
    int FirstVisible() const { return first_; }

    void CalcGrid();
    // Draws the whole grid into the back buffer and repaints.
    void Redraw();
    void UpdateLayout();

    void IconSetChanged(TKexIcon& set) override;
    void IconSetFreed(TKexIcon& set) override;

    TClickThumbnail OnClickThumbnail;

protected:
    void Paint() override;
    void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool hasGrid() const { return columns_ > 0 && rows_ > 0; }
    TRect cellRect(int column, int row) const;
    void drawGrid();
    void drawFrame(TCanvas& canvas, const TRect& cell) const;
    void drawIcon(int column, int row, int index, bool onFreshBackground);
    void drawCellOf(int index);
    bool scrollToSelected();
    void takeCount();
    void doClickThumbnail();

    TColor color_ = clBtnFace;
    TKexIcon* kexIcon_ = nullptr;
    AnsiString nameLib_;
    AnsiString namePic_;
    int nomerSelect_ = 0;
    TKexViewOptions options_;
    int columns_ = 0;
    int rows_ = 0;
    int first_ = 0;
    int selColumn_ = 0;
    int selRow_ = 0;
    int count_ = 0;
    TBitmap grid_;
    bool gridValid_ = false;
    bool redrawing_ = false;
    bool painting_ = false;
};
