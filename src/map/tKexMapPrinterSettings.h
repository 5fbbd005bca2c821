// The page layout of a printed map, kept and stored with the map. Nothing prints in this system;
// the map's scale factor reaches CustomMashtab when a map is loaded or its Mashtab is set.
#pragma once

#include "toolkit/TColor.h"
#include "toolkit/TFont.h"
#include "toolkit/TPersistent.h"
#include "toolkit/TPicture.h"

enum TPrintRegion { CurrentEkran, AllMap };
enum tScalePrint { S_x1, S_Current, S_Custom };

class tKexMapPrinterSettings : public TPersistent {
public:
    tKexMapPrinterSettings();

    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int value) { leftMargin_ = value; }
    int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int value) { rightMargin_ = value; }
    int BottomMargin() const { return bottomMargin_; }
    void SetBottomMargin(int value) { bottomMargin_ = value; }
    int TopMargin() const { return topMargin_; }
    void SetTopMargin(int value) { topMargin_ = value; }
    bool Title() const { return title_; }
    void SetTitle(bool value) { title_ = value; }
    bool ScaleBar() const { return scaleBar_; }
    void SetScaleBar(bool value) { scaleBar_ = value; }
    bool Border() const { return border_; }
    void SetBorder(bool value) { border_ = value; }
    TColor PaperColor() const { return paperColor_; }
    void SetPaperColor(TColor value) { paperColor_ = value; }
    TPicture* PaperTexture() { return &paperTexture_; }
    // Copies the given picture into the owned one.
    void SetPaperTexture(const TPicture& value) { paperTexture_.Assign(value); }
    float BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(float value) { borderWidth_ = value; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { borderColor_ = value; }
    TFont* TitleFont() { return &titleFont_; }
    bool Grid() const { return grid_; }
    void SetGrid(bool value) { grid_ = value; }
    TColor GridColor() const { return gridColor_; }
    void SetGridColor(TColor value) { gridColor_ = value; }
    bool Mashtab() const { return mashtab_; }
    void SetMashtab(bool value) { mashtab_ = value; }
    TFont* MashtabFont() { return &mashtabFont_; }
    TPrintRegion PrintRegion() const { return printRegion_; }
    void SetPrintRegion(TPrintRegion value) { printRegion_ = value; }
    tScalePrint MashtabPrint() const { return mashtabPrint_; }
    void SetMashtabPrint(tScalePrint value) { mashtabPrint_ = value; }
    int CustomMashtab() const { return customMashtab_; }
    // A new value of 0 or more is stored and selects S_Custom; anything else changes nothing.
    void SetCustomMashtab(int value);
    int PageY() const { return pageY_; }
    void SetPageY(int value) { pageY_ = value; }
    int PageX() const { return pageX_; }
    void SetPageX(int value) { pageX_ = value; }
    bool NumberDom() const { return numberDom_; }
    void SetNumberDom(bool value) { numberDom_ = value; }
    bool ConturOnly() const { return conturOnly_; }
    void SetConturOnly(bool value) { conturOnly_ = value; }
    bool ShowDialogPrint() const { return showDialogPrint_; }
    void SetShowDialogPrint(bool value) { showDialogPrint_ = value; }

private:
    int leftMargin_ = 20;
    int rightMargin_ = 20;
    int bottomMargin_ = 40;
    int topMargin_ = 20;
    bool title_ = true;
    bool scaleBar_ = true;
    bool border_ = true;
    TColor paperColor_ = clWhite;
    TPicture paperTexture_;
    float borderWidth_ = 0.3f;
    TColor borderColor_ = clBlack;
    TFont titleFont_;
    bool grid_ = false;
    TColor gridColor_ = clBlack;
    bool mashtab_ = false;
    TFont mashtabFont_;
    TPrintRegion printRegion_ = CurrentEkran;
    tScalePrint mashtabPrint_ = S_x1;
    int customMashtab_ = 0;
    int pageY_ = 0;
    int pageX_ = 0;
    bool numberDom_ = false;
    bool conturOnly_ = false;
    bool showDialogPrint_ = true;
};
