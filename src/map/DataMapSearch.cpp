// The map control's zoom to a set of objects and its vocabulary of object categories.
#include "map/TDataMap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "map/Rounding.h"
#include "map/TKexMapList.h"

namespace {

struct CategoryName {
    int id;
    const char* name;
};

// The values of the objects' Category field: kinds of city features, then kinds of business.
constexpr std::array<CategoryName, 39> kCategories = {{
    {0, "Не определен"},
    {1, "Улица"},
    {2, "Район"},
    {3, "Телекоммуникации"},
    {4, "Энергетика"},
    {5, "Канализация"},
    {6, "Водовод"},
    {7, "Транспорт"},
    {8, "Коммерция"},
    {9, "Предприятия"},
    {10, "Парки, сады"},
    {11, "Власть"},
    {12, "Медицина"},
    {13, "Постройки железобетонные"},
    {14, "Постройки деревянные"},
    {15, "Квартал"},
    {16, "Реки, озера, ручьи"},
    {17, "Событие"},
    {18, "Скалы"},
    {19, "Овраги, лощины"},
    {20, "Канавы"},
    {21, "Холмы"},
    {100, "ТВ, видео, аудио"},
    {101, "Компьютеры и оргтехника"},
    {102, "Автомагазины, автосервис"},
    {103, "Бытовые товары и техника"},
    {104, "Мебель, интерьер"},
    {105, "Аптеки"},
    {106, "Продукты"},
    {107, "Одежда, обувь"},
    {108, "Продукты"},
    {109, "Бытовые услуги"},
    {110, "Рестораны, кафе, бары"},
    {111, "Медицина"},
    {112, "Банки, обмен валюты"},
    {113, "Ремонт техники"},
    {114, "Образование"},
    {115, "Парикмахерские"},
    {116, "Культура и спорт"},
}};

// The scale at which a side of Length world units fills Pixels; none for a side without length,
// which fits at any scale.
std::optional<int> fitScale(double length, int pixels) {
    if (!(length > 0))
        return std::nullopt;
    return mapi::roundToInt(100 / (length / pixels));
}

} // namespace

void TDataMap::ZoomToObjects(std::span<const int> Indices, int scale) {
    const TKexMapList& objects = model_.Objects();
    bool any = false;
    mapi::WorldRect box;
    for (int i : Indices) {
        if (i < 0 || i >= objects.Count())
            continue;
        const mapi::WorldPoint first = objects[i].Corners[0];
        const mapi::WorldPoint third = objects[i].Corners[2];
        if (!any) {
            box = {first.x, first.y, third.x, third.y};
            any = true;
            continue;
        }
        box = {std::min(box.x1, first.x), std::min(box.y1, first.y), std::max(box.x2, third.x),
               std::max(box.y2, third.y)};
    }
    if (!any)
        return;
    const double w = std::abs(double{box.x1} - box.x2);
    const double h = std::abs(double{box.y1} - box.y2);
    // A single point or a straight vertical or horizontal line has no fit on that side: the
    // ScaleFind cap decides.
    int chosen = scaleFind_;
    for (std::optional<int> fit : {fitScale(w, Width()), fitScale(h, Height())})
        if (fit)
            chosen = std::min(chosen, *fit);
    if (scale >= 0)
        chosen = scale;
    // The middle of the box, also when a turned frame gave its corners in another order.
    const double cx = (double{box.x1} + box.x2) / 2;
    const double cy = (double{box.y1} + box.y2) / 2;
    model_.Header.XWind = static_cast<float>(cx - static_cast<double>((Width() * 100) / Scale()) / 2);
    model_.Header.YWind = static_cast<float>(cy - static_cast<double>((Height() * 100) / Scale()) / 2);
    SetScale(chosen);
}

void TDataMap::FillCategoryList(TStrings& List) {
    List.BeginUpdate();
    List.Clear();
    for (const CategoryName& category : kCategories)
        List.AddObject(tk::fromUtf8(category.name), reinterpret_cast<void*>(static_cast<intptr_t>(category.id)));
    List.EndUpdate();
}

// Filled on first use: the vocabulary never changes, so the list is the same whenever it is made.
const TStringList& TDataMap::CategoryList() {
    if (categoryList_.Count() == 0)
        FillCategoryList(categoryList_);
    return categoryList_;
}
