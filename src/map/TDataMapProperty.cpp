// The object property frame. Frame states:
//
//   inactive --LoadObject done--> active --LoadObject begins--> inactive
//
// While inactive (being filled, or while one handler moves a partner control) the change
// handlers do nothing, so that filling the frame never writes to the map. The colour swatches
// and the address button act in either state.
#include "map/TDataMapProperty.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "map/DialogLayout.h"
#include "map/Rounding.h"
#include "map/StyleListItems.h"
#include "map/TDataMap.h"
#include "map/TKEXSpinEdit.h"
#include "map/TKexViewIcon.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/NumberText.h"
#include "toolkit/TButton.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TColorDialog.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TGroupBox.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TShape.h"
#include "toolkit/TTabSheet.h"
#include "toolkit/TTrackBar.h"

namespace {

using tk::fromUtf8;

// Plane -16 .. 16 stands at 0 .. 32 on the plane bar.
constexpr int kPlaneOffset = 16;
constexpr int kHouseLength = 6;

template <typename T, typename Array>
int indexIn(const Array& items, T value) {
    const auto it = std::find(std::begin(items), std::end(items), value);
    return it == std::end(items) ? -1 : static_cast<int>(it - std::begin(items));
}

void addItems(TComboBox& list, std::initializer_list<const char*> items) {
    for (const char* item : items)
        list.Items()->Add(item);
}

} // namespace

TDataMapProperty::TDataMapProperty(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 296, 556);
    createControls();
    wireHandlers();
    TabText->SetTabVisible(false);
    TabIcon->SetTabVisible(false);
    Ploskost->SetPosition(kPlaneOffset);
}

TDataMapProperty::~TDataMapProperty() {
    ViewIcon->SetKexIcon(nullptr);
    if (map_ != nullptr)
        map_->SetDatamapProperty(nullptr);
}

void TDataMapProperty::createControls() {
    const auto place = [](auto* control, TWinControl* parent, int x, int y, int w, int h) {
        return mapi::placeControl(control, parent, x, y, w, h);
    };
    const auto group = [&](const char* caption, int y, int h) {
        auto* box = place(new TGroupBox(this), this, 4, y, 288, h);
        box->SetCaption(fromUtf8(caption));
        return box;
    };
    const auto label = [this](TWinControl* parent, const char* caption, int x, int y) {
        mapi::placeLabel(this, parent, caption, x, y, 60);
    };
    const auto spin = [&](TWinControl* parent, int x, int y, double min, double max) {
        auto* edit = place(new TKEXSpinEdit(this), parent, x, y, 70, 22);
        edit->SetMinValue(min);
        edit->SetMaxValue(max);
        return edit;
    };
    const auto track = [&](TWinControl* parent, int x, int y, int w, int max) {
        auto* bar = place(new TTrackBar(this), parent, x, y, w, 26);
        bar->SetMax(max);
        return bar;
    };
    const auto styleList = [&](TWinControl* parent, int y) {
        auto* list = place(new TComboBox(this), parent, 70, y, 208, 22);
        list->SetStyle(csOwnerDrawFixed);
        return list;
    };

    TGroupBox* object = group("Объект", 4, 100);
    label(object, "Номер", 8, 22);
    ID = place(new TEdit(this), object, 70, 18, 90, 21);
    ID->SetReadOnly(true);
    Locked = place(new TCheckBox(this), object, 180, 20, 90, 17);
    Locked->SetCaption(fromUtf8("Замок"));
    label(object, "Плоскость", 8, 56);
    Ploskost = track(object, 70, 50, 130, 32);
    Ploskost1 = spin(object, 206, 52, -kPlaneOffset, kPlaneOffset);

    TGroupBox* pen = group("Линия", 108, 132);
    label(pen, "Толщина", 8, 22);
    KEXSpinEdit1 = spin(pen, 70, 18, 0, 100000);
    TrackBar1 = track(pen, 146, 16, 134, 50);
    label(pen, "Цвет", 8, 50);
    Shape1 = place(new TShape(this), pen, 70, 46, 40, 20);
    label(pen, "Стиль", 8, 78);
    PenStyle = styleList(pen, 74);
    addItems(*PenStyle, {"psClear", "psDash", "psDashDot", "psDashDotDot", "psDot", "psInsideFrame", "psSolid"});
    label(pen, "Концы", 8, 106);
    PenCaps = styleList(pen, 102);
    addItems(*PenCaps, {"Custom", "Standart", "Square"});

    TGroupBox* brush = group("Заливка", 244, 76);
    label(brush, "Цвет", 8, 22);
    Shape2 = place(new TShape(this), brush, 70, 18, 40, 20);
    label(brush, "Стиль", 8, 50);
    BrushStyle = styleList(brush, 46);
    addItems(*BrushStyle,
             {"bsSolid", "bsClear", "bsBDiagonal", "bsFDiagonal", "bsCross", "bsDiagCross", "bsHorizontal", "bsVertical"});

    TGroupBox* address = group("Адрес", 324, 76);
    label(address, "Улица", 8, 22);
    STREET = place(new TEdit(this), address, 70, 18, 208, 21);
    STREET->SetCharCase(ecUpperCase);
    label(address, "Дом", 8, 50);
    House = place(new TEdit(this), address, 70, 46, 60, 21);
    Button1 = place(new TButton(this), address, 178, 44, 100, 25);
    Button1->SetCaption(fromUtf8("Применить"));

    PageControl1 = place(new TPageControl(this), this, 4, 404, 288, 148);
    TabText = new TTabSheet(this);
    TabText->SetPageControl(PageControl1);
    TabText->SetCaption(fromUtf8("Текст"));
    label(TabText, "Шрифт", 6, 10);
    FontName = place(new TComboBox(this), TabText, 70, 6, 204, 22);
    FontName->SetStyle(csDropDownList);
    label(TabText, "Размер", 6, 36);
    FontSize = spin(TabText, 70, 32, 2, 100);
    label(TabText, "Угол", 6, 62);
    AngleText = spin(TabText, 70, 58, 0, 3599);
    AngleText1 = track(TabText, 146, 56, 128, 3599);
    label(TabText, "Текст", 6, 92);
    EditText = place(new TEdit(this), TabText, 70, 88, 204, 21);
    EditText->SetMaxLength(70);

    TabIcon = new TTabSheet(this);
    TabIcon->SetPageControl(PageControl1);
    TabIcon->SetCaption(fromUtf8("Значок"));
    label(TabIcon, "Библиотека", 6, 10);
    NameLib = place(new TComboBox(this), TabIcon, 80, 6, 194, 22);
    NameLib->SetStyle(csDropDownList);
    ViewIcon = place(new TKexViewIcon(this), TabIcon, 6, 32, 268, 84);
    mapi::setThumbnailLook(*ViewIcon->Options(), 40, 2, clNavy);

    ColorDialog1 = new TColorDialog(this);
    ColorDialog1->SetOptions(cdFullOpen | cdAnyColor);
}

template <typename Sync>
void TDataMapProperty::syncThenSave(Sync sync) {
    if (!active_)
        return;
    active_ = false;
    sync();
    active_ = true;
    SaveObject();
}

void TDataMapProperty::saveWhenActive() {
    if (active_)
        SaveObject();
}

void TDataMapProperty::wireHandlers() {
    const TNotifyEvent save = [this](TPersistent*) { saveWhenActive(); };
    for (TEdit* edit : {ID, EditText})
        edit->OnChange = save;
    FontSize->OnChange = save;
    for (TComboBox* list : {FontName, PenStyle, BrushStyle, PenCaps})
        list->OnChange = save;

    Ploskost->OnChange = [this](TPersistent*) {
        syncThenSave([this] { Ploskost1->SetValue(Ploskost->Position() - kPlaneOffset); });
    };
    Ploskost1->OnChange = [this](TPersistent*) {
        syncThenSave([this] { Ploskost->SetPosition(mapi::clampToInt(std::trunc(Ploskost1->Value()) + kPlaneOffset)); });
    };
    KEXSpinEdit1->OnChange = [this](TPersistent*) {
        syncThenSave([this] { TrackBar1->SetPosition(mapi::truncToInt(KEXSpinEdit1->Value())); });
    };
    TrackBar1->OnChange = [this](TPersistent*) {
        syncThenSave([this] { KEXSpinEdit1->SetValue(TrackBar1->Position()); });
    };
    AngleText->OnChange = [this](TPersistent*) {
        syncThenSave([this] { AngleText1->SetPosition(mapi::truncToInt(AngleText->Value())); });
    };
    AngleText1->OnChange = [this](TPersistent*) {
        syncThenSave([this] { AngleText->SetValue(AngleText1->Position()); });
    };

    Shape1->OnMouseDown = [this](TPersistent*, TMouseButton, TShiftState, int, int) { pickColor(*Shape1); };
    Shape2->OnMouseDown = [this](TPersistent*, TMouseButton, TShiftState, int, int) { pickColor(*Shape2); };
    Button1->OnClick = [this](TPersistent*) { applyAddress(); };
    NameLib->OnChange = [this](TPersistent*) {
        if (active_)
            ViewIcon->SetNameLib(NameLib->Text());
    };
    // Only the user's pick saves: loading an object selects its icon too.
    ViewIcon->OnClickThumbnail = [this](TPersistent*, int, int, const AnsiString&, const AnsiString&, int) {
        saveWhenActive();
    };
    Locked->OnMouseUp = [this](TPersistent*, TMouseButton, TShiftState, int, int) {
        if (!active_)
            return;
        SaveObject();
        EnableControls(!Locked->Checked());
    };

    PenStyle->OnDrawItem = [this](TWinControl*, int index, const TRect& rect, TOwnerDrawState state) {
        if (index >= 0 && index < static_cast<int>(std::size(mapi::kPenStyleItems)))
            mapi::DrawPenStyleItem(*PenStyle->Canvas(), rect, mapi::kPenStyleItems[index], state & odSelected);
    };
    BrushStyle->OnDrawItem = [this](TWinControl*, int index, const TRect& rect, TOwnerDrawState) {
        if (index >= 0 && index < static_cast<int>(std::size(mapi::kBrushStyleItems)))
            mapi::DrawBrushStyleItem(*BrushStyle->Canvas(), rect, mapi::kBrushStyleItems[index],
                                     Shape2->Brush()->Color(), BrushStyle->Color());
    };
    PenCaps->OnDrawItem = [this](TWinControl*, int index, const TRect& rect, TOwnerDrawState) {
        mapi::DrawPenCapsItem(*PenCaps->Canvas(), rect, index);
    };
}

void TDataMapProperty::BindMap(TDataMap* Map) {
    if (map_ != nullptr && map_ != Map)
        map_->SetDatamapProperty(nullptr);
    map_ = Map;
}

void TDataMapProperty::UnbindMap() {
    ViewIcon->SetKexIcon(nullptr);
    map_ = nullptr;
}

void TDataMapProperty::FillLists() {
    FontName->Items()->Clear();
    FontName->Items()->AddObject(map_->Options()->FontSystem(), reinterpret_cast<void*>(0));
    FontName->Items()->AddObject(map_->Options()->FontSystem1(), reinterpret_cast<void*>(1));
    TKexIcon& icons = map_->CurrentIconSet();
    ViewIcon->SetKexIcon(&icons);
    ViewIcon->SetNameLib(AnsiString());
    ViewIcon->SetNamePic(AnsiString());
    NameLib->Items()->Clear();
    for (int i = 0; i < icons.LibCount(); ++i)
        NameLib->Items()->Add(icons.GetLibName(i));
}

void TDataMapProperty::EnableControls(bool Enable) {
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(Components(i));
        if (control != nullptr && dynamic_cast<TGroupBox*>(control) == nullptr)
            control->SetEnabled(Enable);
    }
    Locked->SetEnabled(true);
}

void TDataMapProperty::showPage(TTabSheet* page) {
    TabText->SetTabVisible(page == TabText);
    TabIcon->SetTabVisible(page == TabIcon);
    if (page != nullptr)
        PageControl1->SetActivePage(page);
}

void TDataMapProperty::LoadObject() {
    if (map_ == nullptr)
        return;
    active_ = false;
    FillLists();
    const mapi::MapEditBuffer& buffer = map_->EditBuffer();
    const TKEXMapObjectMem& rec = buffer.Record();
    EnableControls(rec.Locked != 1);
    Locked->SetChecked(rec.Locked != 0);
    ID->SetText(IntToStr(rec.Id));
    // In double: a damaged plane near the integer limits must not overflow.
    Ploskost->SetPosition(mapi::clampToInt(static_cast<double>(rec.Plane) + kPlaneOffset));
    Ploskost1->SetValue(rec.Plane);
    STREET->SetText(buffer.StreetName);
    House->SetText(buffer.HouseNumber);

    Shape1->Brush()->SetColor(static_cast<TColor>(rec.Pen.Color));
    Shape1->Invalidate();
    if (const int item = indexIn(mapi::kPenStyleItems, static_cast<TPenStyle>(rec.Pen.Style)); item >= 0)
        PenStyle->SetItemIndex(item);
    if (const int item = indexIn(mapi::kPenCapsItems, rec.Pen.Caps); item >= 0)
        PenCaps->SetItemIndex(item);
    KEXSpinEdit1->SetValue(rec.Pen.Width);
    TrackBar1->SetPosition(rec.Pen.Width);
    Shape2->Brush()->SetColor(static_cast<TColor>(rec.Brush.Color));
    Shape2->Invalidate();
    if (const int item = indexIn(mapi::kBrushStyleItems, static_cast<TBrushStyle>(rec.Brush.Style)); item >= 0)
        BrushStyle->SetItemIndex(item);

    if (rec.Kind == mapi::kindText) {
        TKEXMapText text;
        map_->GetEditText(text);
        FontName->SetItemIndex(text.FontIndex < FontName->Items()->Count() ? text.FontIndex : -1);
        FontSize->SetValue(text.Size);
        AngleText->SetValue(text.Angle);
        AngleText1->SetPosition(text.Angle);
        EditText->SetText(text.Text.str());
        showPage(TabText);
    } else if (rec.Kind == mapi::kindZametka) {
        TKEXMapZametka note;
        map_->GetEditNote(note);
        const AnsiString lib = note.LibName.str();
        int item = -1;
        for (int i = 0; i < NameLib->Items()->Count() && item < 0; ++i)
            if (AnsiSameText(NameLib->Items()->Strings(i), lib))
                item = i;
        NameLib->SetItemIndex(item);
        ViewIcon->SetNameLib(lib);
        ViewIcon->SetNamePic(note.PicName.str());
        ViewIcon->Redraw();
        showPage(TabIcon);
    } else {
        showPage(nullptr);
    }
    active_ = true;
}

void TDataMapProperty::SaveObject() {
    if (map_ == nullptr)
        return;
    TKEXMapObjectMem& rec = map_->EditBuffer().Record();
    rec.Locked = Locked->Checked() ? 1 : 0;
    const TRect before = map_->EditObjectScreenRect();
    rec.Plane = Ploskost->Position() - kPlaneOffset;
    rec.Pen.Color = static_cast<uint32_t>(Shape1->Brush()->Color());
    if (const int item = PenStyle->ItemIndex(); item >= 0)
        rec.Pen.Style = static_cast<uint8_t>(mapi::kPenStyleItems[item]);
    if (const int item = PenCaps->ItemIndex(); item >= 0)
        rec.Pen.Caps = mapi::kPenCapsItems[item];
    rec.Pen.Width = mapi::truncToInt(KEXSpinEdit1->Value());
    rec.Brush.Color = static_cast<uint32_t>(Shape2->Brush()->Color());
    if (const int item = BrushStyle->ItemIndex(); item >= 0)
        rec.Brush.Style = static_cast<uint8_t>(mapi::kBrushStyleItems[item]);
    if (rec.Kind == mapi::kindText) {
        TKEXMapText text;
        map_->GetEditText(text);
        text.FontIndex = static_cast<uint8_t>(FontName->ItemIndex());
        text.Size = mapi::truncToInt(FontSize->Value());
        text.Angle = mapi::truncToInt(AngleText->Value());
        text.Text.assign(EditText->Text());
        map_->SetEditText(text);
    } else if (rec.Kind == mapi::kindZametka) {
        TKEXMapZametka note;
        map_->GetEditNote(note);
        note.LibName.assign(ViewIcon->NameLib());
        note.PicName.assign(ViewIcon->NamePic());
        map_->SetEditNote(note);
    }
    map_->PostEditObject();
    map_->SetChanged();
    map_->RefreshMapRect(before);
    map_->RefreshMapRect(map_->EditObjectScreenRect());
    map_->Repaint();
}

void TDataMapProperty::pickColor(TShape& swatch) {
    ColorDialog1->SetColor(swatch.Brush()->Color());
    if (!ColorDialog1->Execute())
        return;
    swatch.Brush()->SetColor(ColorDialog1->Color());
    swatch.Invalidate();
    SaveObject();
}

void TDataMapProperty::applyAddress() {
    if (map_ == nullptr)
        return;
    mapi::MapEditBuffer& buffer = map_->EditBuffer();
    buffer.StreetName = STREET->Text();
    buffer.HouseNumber = House->Text().substr(0, kHouseLength);
    SaveObject();
}
