// The main window's pick request: the press on the map is kept, the located object's address and
// purpose show in the balloon while the button is held, the firms at its address fill the firm
// list, and the object is highlighted while the one highlighted before gets its colours back.
#include "app/TfmValdrenGIS.h"

#include "app/RedrawBracket.h"
#include "app/RerunQuery.h"
#include "app/TfmHint.h"
#include "data/TDbQuery.h"
#include "data/TDbTable.h"
#include "map/TDataMap.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TField.h"
#include "toolkit/TParam.h"
#include "toolkit/TRichEdit.h"
#include "toolkit/TRichEditStrings.h"
#include "toolkit/TTextAttributes.h"
#include "toolkit/WinApi.h"

namespace {

AnsiString ru(std::string_view utf8) { return tk::fromUtf8(utf8); }

// The category of city districts, named by their object ids.
constexpr int kDistrictCategory = 2;

// Map object ids are unsigned 32-bit: the all-ones id is the "-1" that marks no object.
constexpr std::uint32_t kNoObjectId = 0xFFFFFFFFu;

AnsiString districtName(std::uint32_t id) {
    switch (id) {
    case 54: return ru("Октябрьский район");
    case 1574: return ru("Ленинский район");
    case 6326: return ru("Центральный район");
    default: return ru("район");
    }
}

// A tail pointing down ends 120 pixels below the balloon's top, so the balloon then stands above
// the pressed point; the tail turns down when the balloon would not fit below it.
constexpr int kTailLength = 120;

// Adds a line whose label is bold and the rest in the plain style.
void addLabelledLine(TRichEdit& edit, const AnsiString& label, const AnsiString& text) {
    const TFontStyles plain = TFontStyles(edit.DefAttributes()->Style()) >> fsBold;
    edit.SetSelStart(edit.GetTextLen());
    const int start = edit.SelStart();
    edit.SelAttributes()->SetStyle(plain);
    edit.Lines()->Add(label + text);
    edit.SetSelStart(start);
    edit.SetSelLength(int(label.size()));
    edit.SelAttributes()->SetStyle(TFontStyles(edit.DefAttributes()->Style()) << fsBold);
}

} // namespace

void TfmValdrenGIS::DataMap1MouseDown(TMouseButton Button, int X, int Y) {
    pressX_ = X;
    pressY_ = Y;
    pressButton_ = Button;
}

// The window call hides the balloon and leaves its Visible alone, as showing it did.
void TfmValdrenGIS::DataMap1MouseUp() { ShowWindow(fmHint->Handle(), SW_HIDE); }

void TfmValdrenGIS::DataMap1AfterLocate(bool Value) {
    const TInstrument tool = DataMap1->Instrument();
    if (!Value || tool == iRegion || pressButton_ != mbLeft || tool != iPick)
        return;
    // The highlight loads other objects into the edit buffer: read it first.
    const TKEXMapObjectMem& record = DataMap1->EditBuffer().Record();
    const std::uint32_t id = record.Id;
    const int category = record.Category;
    const AnsiString street = DataMap1->EditBuffer().StreetName;
    const AnsiString house = DataMap1->EditBuffer().HouseNumber;
    if (category != 0)
        showHint(id, category, street, house);
    if (!street.empty() && !house.empty() && id != kNoObjectId)
        lookUpFirms(id, street, house);
}

void TfmValdrenGIS::showHint(std::uint32_t id, int category, const AnsiString& street, const AnsiString& house) {
    dbCategory->SetKey();
    dbCategory->FieldByName("Cat_Id")->SetAsInteger(category);
    const TPoint screen = DataMap1->ClientToScreen(Point(pressX_, pressY_));
    const bool tailDown = pressY_ + kTailLength >= DataMap1->Height();
    fmHint->SetTailDown(tailDown);
    TRichEdit& text = *fmHint->RichEdit1;
    text.Clear();
    TFontStyles plain = text.DefAttributes()->Style();
    text.SelAttributes()->SetStyle(plain >> fsBold >> fsItalic);
    if (!street.empty())
        addLabelledLine(text, ru("Адрес: "), street + " " + house);
    if (dbCategory->GotoKey()) {
        const bool district = dbCategory->FieldByName("Cat_Id")->AsInteger() == kDistrictCategory;
        addLabelledLine(text, ru("Назначение: "), district ? districtName(id) : dbCategory->FieldByName("Name")->AsString());
    }
    text.SetSelStart(0);
    fmHint->SetLeft(screen.X);
    fmHint->SetTop(tailDown ? screen.Y - kTailLength : screen.Y);
    ShowWindow(fmHint->Handle(), SW_SHOWNOACTIVATE);
    ShowWindow(text.Handle(), SW_SHOWNOACTIVATE);
}

void TfmValdrenGIS::lookUpFirms(std::uint32_t id, const AnsiString& street, const AnsiString& house) {
    // Picking the building the list shows again changes nothing, unless an address link has
    // moved the highlight away from it: then only the highlight comes back.
    const bool listed = id == LastPickedId;
    if (listed && highlighted_.Id == id)
        return;
    app::RedrawBracket bracket(*DataMap1);
    if (!listed) {
        app::rerunQuery(*qObjInfo, [&](TDbQuery& q) {
            q.ParamByName("Street")->SetAsString(street);
            q.ParamByName("House")->SetAsString(house);
        });
        freeDetachedCard();
        FillFirmGrid(qObjInfo);
        LastPickedId = id;
    }
    HighlightObject(DataMap1->Model().FindObjectById(id));
}

void TfmValdrenGIS::HighlightObject(int Index) {
    if (highlighted_.Id != NoObject) {
        // An object that is gone keeps nothing to restore; loading nothing would leave the located
        // object in the buffer and give it the old colours.
        const int previous = DataMap1->Model().FindObjectById(std::uint32_t(highlighted_.Id));
        if (previous >= 0) {
            DataMap1->LoadEditObject(previous);
            TKEXMapObjectMem& restored = DataMap1->EditBuffer().Record();
            restored.Brush.Color = highlighted_.BrushColor;
            restored.Pen.Color = highlighted_.PenColor;
            restored.Pen.Width = highlighted_.PenWidth;
            DataMap1->PostEditObject();
        }
        highlighted_.Id = NoObject;
    }
    if (Index < 0 || Index >= DataMap1->GetObjectCount())
        return;
    DataMap1->LoadEditObject(Index);
    TKEXMapObjectMem& marked = DataMap1->EditBuffer().Record();
    highlighted_ = {marked.Id, marked.Pen.Color, marked.Pen.Width, marked.Brush.Color};
    marked.Brush.Color = 0x000000FF;
    marked.Pen.Color = 0;
    marked.Pen.Width = 1;
    DataMap1->PostEditObject();
}
