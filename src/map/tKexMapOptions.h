// The map's option set: the switches and steps that govern drawing, navigation and editing. The
// drawing options tell the owner through one change handler, which a notify flag can hold back
// while the owner changes several values at once.
#pragma once

#include <functional>

#include "toolkit/AnsiString.h"
#include "toolkit/TPersistent.h"

class tKexMapOptions : public TPersistent {
public:
    tKexMapOptions();

    // The owner's OptionsChanged; called by the drawing options' setters while Notify is on.
    void SetChangeHandler(std::function<void()> handler) { changeHandler_ = std::move(handler); }
    bool Notify() const { return notify_; }
    void SetNotify(bool value) { notify_ = value; }

    bool mpGuideLines() const { return mpGuideLines_; }
    void SetmpGuideLines(bool value);
    bool mpLocked() const { return mpLocked_; }
    void SetmpLocked(bool value) { mpLocked_ = value; }
    bool mpLinzaDouble() const { return mpLinzaDouble_; }
    void SetmpLinzaDouble(bool value) { mpLinzaDouble_ = value; }
    bool mpGrid() const { return mpGrid_; }
    void SetmpGrid(bool value);
    bool mpAllMapAfterLoad() const { return mpAllMapAfterLoad_; }
    void SetmpAllMapAfterLoad(bool value);
    bool mpDelete() const { return mpDelete_; }
    void SetmpDelete(bool value) { mpDelete_ = value; }
    bool mpEdit() const { return mpEdit_; }
    void SetmpEdit(bool value) { mpEdit_ = value; }
    bool mpHint() const { return mpHint_; }
    void SetmpHint(bool value) { mpHint_ = value; }
    bool mpNumberDom() const { return mpNumberDom_; }
    void SetmpNumberDom(bool value);
    bool Texture() const { return texture_; }
    void SetTexture(bool value);
    // Face names keep at most 255 characters, as the stored short strings do.
    const AnsiString& FontSystem1() const { return fontSystem1_; }
    void SetFontSystem1(const AnsiString& value);
    const AnsiString& FontSystem() const { return fontSystem_; }
    void SetFontSystem(const AnsiString& value);
    int SizeRect() const { return sizeRect_; }
    void SetSizeRect(int value);
    int StepLinza() const { return stepLinza_; }
    void SetStepLinza(int value) { stepLinza_ = value; }
    int ObjectView() const { return objectView_; }
    void SetObjectView(int value);
    int StepScroll() const { return stepScroll_; }
    void SetStepScroll(int value) { stepScroll_ = value; }
    int DelayScroll() const { return delayScroll_; }
    void SetDelayScroll(int value) { delayScroll_ = value; }
    double MinScaleAddress() const { return minScaleAddress_; }
    void SetMinScaleAddress(double value);
    bool MoveCell() const { return moveCell_; }
    void SetMoveCell(bool value) { moveCell_ = value; }
    int mpNumberDomSizeFont() const { return mpNumberDomSizeFont_; }
    // Labels smaller than 6 points cannot be read: smaller values store 6.
    void SetmpNumberDomSizeFont(int value);
    bool mpNumberDomFill() const { return mpNumberDomFill_; }
    void SetmpNumberDomFill(bool value);
    bool mpNoScroll() const { return mpNoScroll_; }
    void SetmpNoScroll(bool value) { mpNoScroll_ = value; }
    bool RefreshLink() const { return refreshLink_; }
    void SetRefreshLink(bool value) { refreshLink_ = value; }
    int ZoneScroll() const { return zoneScroll_; }
    void SetZoneScroll(int value) { zoneScroll_ = value; }
    int WidthRectLinza() const { return widthRectLinza_; }
    void SetWidthRectLinza(int value) { widthRectLinza_ = value; }
    bool BorderSelectedObject() const { return borderSelectedObject_; }
    void SetBorderSelectedObject(bool value) { borderSelectedObject_ = value; }

private:
    // Stores the value, then tells the owner when notification is on.
    template <typename T, typename V>
    void storeAndNotify(T& field, V&& value);

    bool mpGuideLines_ = false;
    bool mpLocked_ = false;
    bool mpLinzaDouble_ = false;
    bool mpGrid_ = false;
    bool mpAllMapAfterLoad_ = false;
    bool mpDelete_ = false;
    bool mpEdit_ = false;
    bool mpHint_ = false;
    bool mpNumberDom_ = false;
    bool notify_ = true;
    bool texture_ = false;
    AnsiString fontSystem1_;
    AnsiString fontSystem_;
    int sizeRect_ = 4;
    int stepLinza_ = 300;
    int objectView_ = 3;
    int stepScroll_ = 50;
    int delayScroll_ = 50;
    double minScaleAddress_ = 299.0;
    bool moveCell_ = false;
    int mpNumberDomSizeFont_ = 8;
    bool mpNumberDomFill_ = true;
    bool mpNoScroll_ = false;
    bool refreshLink_ = false;
    int zoneScroll_ = 0;
    int widthRectLinza_ = 0;
    bool borderSelectedObject_ = false;
    std::function<void()> changeHandler_;
};
