// The object property frame: a panel beside a map that shows every property of the object in
// the map's edit buffer (plane, lock, pen, brush, address, and a text's font, size, angle and
// string or a note's icon) and writes each change back to the map at once.
#pragma once

#include "toolkit/TWinControl.h"

class TButton;
class TCheckBox;
class TColorDialog;
class TComboBox;
class TDataMap;
class TEdit;
class TGroupBox;
class TKEXSpinEdit;
class TKexViewIcon;
class TPageControl;
class TShape;
class TTabSheet;
class TTrackBar;

class TDataMapProperty : public TWinControl {
public:
    explicit TDataMapProperty(TComponent* AOwner);
    // Lets go of the icon set and of the map.
    ~TDataMapProperty() override;

    TDataMap* Map() const { return map_; }
    // Called by the map's DatamapProperty setter; a map bound before lets go of the frame.
    void BindMap(TDataMap* Map);
    void UnbindMap();
    // Fills the frame from the bound map's edit buffer.
    void LoadObject();
    // Writes the frame into the edit buffer, posts it and redraws the object.
    void SaveObject();
    void FillLists();
    // Every control but the group boxes; Locked stays enabled.
    void EnableControls(bool Enable);

    TEdit* ID;
    TCheckBox* Locked;
    TTrackBar* Ploskost;
    TKEXSpinEdit* Ploskost1;
    TKEXSpinEdit* KEXSpinEdit1;
    TTrackBar* TrackBar1;
    TShape* Shape1;
    TComboBox* PenStyle;
    TComboBox* PenCaps;
    TShape* Shape2;
    TComboBox* BrushStyle;
    TEdit* STREET;
    TEdit* House;
    TButton* Button1;
    TPageControl* PageControl1;
    TTabSheet* TabText;
    TComboBox* FontName;
    TKEXSpinEdit* FontSize;
    TKEXSpinEdit* AngleText;
    TTrackBar* AngleText1;
    TEdit* EditText;
    TTabSheet* TabIcon;
    TComboBox* NameLib;
    TKexViewIcon* ViewIcon;
    TColorDialog* ColorDialog1;

private:
    void createControls();
    void wireHandlers();
    // Runs a change handler's own work with the frame inactive, then saves; nothing while the
    // frame is inactive already.
    template <typename Sync>
    void syncThenSave(Sync sync);
    void saveWhenActive();
    void pickColor(TShape& swatch);
    void applyAddress();
    void showPage(TTabSheet* page);

    TDataMap* map_ = nullptr;
    bool active_ = false;
};
