// The map control's three popup menus (the object menu of a right click with the pick tool, the
// centre menu of the rotation centre, the point menu of a point handle), the merge of the host's
// own popup menu into the object menu, and what each entry does.
#include "map/TDataMap.h"

#include <algorithm>
#include <string>

#include "map/TKexMapList.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TPopupMenu.h"

namespace {

const char* const kCentreCaption = "Реинициализировать локальный центр объекта";
const char* const kHostPrefix = "_KexMapPopUp";

TMenuItem* addItem(TPopupMenu& menu, const AnsiString& caption, const AnsiString& name,
                   TNotifyEvent onClick) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    item->SetName(name);
    item->OnClick = std::move(onClick);
    menu.Items()->Add(item);
    return item;
}

TMenuItem* findItem(const TPopupMenu* menu, std::string_view name) {
    if (!menu)
        return nullptr;
    for (int i = 0; i < menu->Items()->Count(); ++i)
        if (menu->Items()->Items(i)->Name() == name)
            return menu->Items()->Items(i);
    return nullptr;
}

} // namespace

void TDataMap::createMenus() {
    const TNotifyEvent click = [this](TPersistent* sender) { PopupMenuClick(sender); };
    mouse_.CentreMenu = new TPopupMenu(this);
    addItem(*mouse_.CentreMenu, tk::fromUtf8(kCentreCaption), "ReinitCentre", click);
    mouse_.PointMenu = new TPopupMenu(this);
    addItem(*mouse_.PointMenu, tk::fromUtf8("Добавить узловую точку"), "InsertPixel", click);
    addItem(*mouse_.PointMenu, tk::fromUtf8("Удалить узловую точку"), "DeletePixel", click);
    mouse_.MenuEntries = {
        {true, tk::fromUtf8("Запрет редактирования"), "kexMapMenuLock"},
        {true, "-", "kexMapMenuLine1"},
        {false, tk::fromUtf8("Группировать"), "Group"},
        {false, tk::fromUtf8("Разгруппировать"), "UnGroup"},
        {true, tk::fromUtf8("Копировать объект"), "CloneObject"},
        {true, tk::fromUtf8("Удалить объект"), "DeleteObject"},
        {true, "-", "kexMapMenuLine2"},
        {true, tk::fromUtf8("На передний план"), "ToFront"},
        {true, tk::fromUtf8("На задний план"), "ToBack"},
        {true, "-", "kexMapMenuLine3"},
        {true, tk::fromUtf8(kCentreCaption), "ReinitCentre1"},
    };
    BuildPopupMenu();
}

void TDataMap::SetPopupItemVisible(std::string_view Name, bool Visible) {
    const auto it =
        std::find_if(mouse_.MenuEntries.begin(), mouse_.MenuEntries.end(),
                     [&](const mapi::MapMenuEntry& e) { return AnsiSameText(e.Name, Name); });
    if (it != mouse_.MenuEntries.end())
        it->Visible = Visible;
}

void TDataMap::BuildPopupMenu() {
    delete mouse_.ObjectMenu;
    mouse_.ObjectMenu = new TPopupMenu(this);
    const TNotifyEvent click = [this](TPersistent* sender) { PopupMenuClick(sender); };
    for (const mapi::MapMenuEntry& entry : mouse_.MenuEntries)
        if (entry.Visible)
            addItem(*mouse_.ObjectMenu, entry.Caption, entry.Name, click);
}

void TDataMap::MergeHostPopup() {
    mouse_.HostItems.clear();
    BuildPopupMenu();
    TPopupMenu* host = PopupMenu();
    if (!host)
        return;
    addItem(*mouse_.ObjectMenu, "-", kHostPrefix, nullptr);
    const TNotifyEvent click = [this](TPersistent* sender) { PopupMenuClick(sender); };
    for (int j = 0; j < host->Items()->Count(); ++j) {
        const TMenuItem* hostItem = host->Items()->Items(j);
        const AnsiString name = kHostPrefix + std::to_string(j);
        addItem(*mouse_.ObjectMenu, hostItem->Caption(), name, click);
        mouse_.HostItems.push_back({name, hostItem->OnClick});
    }
}

// The object menu of a right click on the picked object: what applies to it, checked when locked.
void TDataMap::showObjectMenu(int x, int y) {
    const TKEXMapObjectMem& rec = editBuffer_.Record();
    const bool locked = rec.Locked == 1;
    mouse_.PointGrabbed = false;
    for (std::size_t i = 1; i < mouse_.MenuEntries.size(); ++i)
        mouse_.MenuEntries[i].Visible = !locked;
    if (selectedObjects_.size() < 2) {
        SetPopupItemVisible("Group", false);
        SetPopupItemVisible("UnGroup", !locked && rec.Kind == mapi::kindGroup);
    } else {
        SetPopupItemVisible("Group", true);
        SetPopupItemVisible("UnGroup", false);
    }
    if (PopupMenu())
        MergeHostPopup();
    else
        BuildPopupMenu();
    if (TMenuItem* lock = findItem(mouse_.ObjectMenu, "kexMapMenuLock"))
        lock->SetChecked(locked);
    const TPoint screen = ClientToScreen(Point(x, y));
    mouse_.ObjectMenu->Popup(screen.X, screen.Y);
    refresh();
}

void TDataMap::PopupMenuClick(TPersistent* Sender) {
    const auto* item = dynamic_cast<const TMenuItem*>(Sender);
    if (!item)
        return;
    const AnsiString name = item->Name();
    // 10 pixels at any scale.
    const float d = 1000.0f / static_cast<float>(Scale());
    const int source = editBuffer_.SourceIndex();
    TKEXMapObjectMem& rec = editBuffer_.Record();
    if (name == "ReinitCentre" || name == "ReinitCentre1") {
        CalcObjectCenter(rec);
        PostEditObject();
        Repaint();
    } else if (name == "Group") {
        const std::vector<int> selection = selectedObjects_;
        GroupObjects(selection);
        selectedObjects_.clear();
        refresh();
    } else if (name == "UnGroup") {
        const TRect before = EditObjectScreenRect();
        UnGroupEditObject();
        RefreshMapRect(before);
        Repaint();
    } else if (name == "DeletePixel" || name == "InsertPixel") {
        const int grabbed = mouse_.GrabbedPoint;
        if (name == "DeletePixel") {
            DeleteEditPoint(grabbed);
        } else {
            float x = 0;
            float y = 0;
            GetEditPoint(grabbed, x, y);
            InsertEditPoint(grabbed, x, y);
            SetEditPoint(grabbed + 1, x + d, y + d);
        }
        PostEditObject();
        mouse_.GrabbedPoint = -1;
        mouse_.PointGrabbed = false;
        mouse_.MouseDown = false;
        refresh();
    } else if (name == "kexMapMenuLock") {
        if (selectedObjects_.size() >= 2) {
            const uint8_t value = rec.Locked == 1 ? 0 : 1;
            TKexMapList& objects = model_.Objects();
            for (int i : selectedObjects_)
                if (i >= 0 && i < objects.Count())
                    objects[i].Locked = value;
            if (std::find(selectedObjects_.begin(), selectedObjects_.end(), source) !=
                selectedObjects_.end())
                LoadEditObject(source);
        } else {
            rec.Locked = rec.Locked == 1 ? 0 : 1;
            if (TMenuItem* lock = findItem(mouse_.ObjectMenu, "kexMapMenuLock"))
                lock->SetChecked(rec.Locked == 1);
            PostEditObject();
        }
        reloadProperty();
        refresh();
    } else if (name == "DeleteObject") {
        DeleteObject(source, true);
        selectedObject_ = false;
        changed_ = true;
        reloadProperty();
        refresh();
    } else if (name == "CloneObject") {
        CloneEditObject();
        selectedObject_ = false;
        changed_ = true;
        reloadProperty();
        refresh();
    } else if (name == "ToFront" || name == "ToBack") {
        // The buffer follows its object to its new place.
        if (name == "ToFront")
            BringObjectToFront(source);
        else
            SendObjectToBack(source);
        mouse_.MouseDown = false;
        changed_ = true;
        refresh();
    } else {
        mouse_.MouseDown = false;
        selectedObject_ = false;
        refresh();
        for (const mapi::tKexMapMenu& host : mouse_.HostItems)
            if (host.Name == name && host.OnClick)
                host.OnClick(this);
    }
}
