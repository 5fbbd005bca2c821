// The category table. Ids and names follow the map's own category vocabulary, so that the
// balloon's purpose line and the map's category list agree; the styles are the city's.
#include "citycategories/CityCategory.h"

#include <algorithm>
#include <array>

namespace city {
namespace {

// Buildings share a dark outline; fills tell the kinds apart on the map.
constexpr uint32_t kOutline = 0x00404040;

constexpr std::array<CityCategory, 39> kCategories{{
    {0, "Не определен", 0x00000000, psSolid, 1, 0x00C0C0C0, bsSolid, 0},
    {1, "Улица", 0x00F0F0F0, psSolid, 14, 0x00F0F0F0, bsSolid, -10},
    {2, "Район", 0x00506070, psDash, 2, 0x00C8DCE4, bsSolid, -30},
    {3, "Телекоммуникации", 0x00800080, psDashDot, 2, 0x00000000, bsClear, -6},
    {4, "Энергетика", 0x000000C0, psDashDotDot, 2, 0x00000000, bsClear, -6},
    {5, "Канализация", 0x00406080, psDot, 2, 0x00000000, bsClear, -6},
    {6, "Водовод", 0x00C08000, psDot, 2, 0x00000000, bsClear, -6},
    {7, "Транспорт", 0x00202020, psSolid, 3, 0x008080A0, bsSolid, -8},
    {8, "Коммерция", kOutline, psSolid, 1, 0x0080C0FF, bsSolid, 0},
    {9, "Предприятия", kOutline, psSolid, 2, 0x00808080, bsSolid, 0},
    {10, "Парки, сады", 0x00006000, psSolid, 2, 0x00008000, bsDiagCross, -20},
    {11, "Власть", kOutline, psSolid, 2, 0x00A0A0F0, bsSolid, 0},
    {12, "Медицина", kOutline, psSolid, 1, 0x00FFFFFF, bsSolid, 0},
    {13, "Постройки железобетонные", kOutline, psSolid, 1, 0x00B4B4D2, bsSolid, 0},
    {14, "Постройки деревянные", kOutline, psSolid, 1, 0x0060A0C8, bsSolid, 0},
    {15, "Квартал", 0x00A0B4B4, psSolid, 1, 0x00DCE6E6, bsSolid, -28},
    {16, "Реки, озера, ручьи", 0x00A06000, psSolid, 2, 0x00E0A040, bsSolid, -18},
    {17, "Событие", 0x00000000, psSolid, 1, 0x00000000, bsClear, 20},
    {18, "Скалы", 0x00505050, psSolid, 1, 0x00808080, bsCross, -24},
    {19, "Овраги, лощины", 0x00205080, psDot, 3, 0x00000000, bsClear, -24},
    {20, "Канавы", 0x00A06000, psDot, 2, 0x00000000, bsClear, -24},
    {21, "Холмы", 0x00206090, psSolid, 1, 0x004080B0, bsFDiagonal, -25},
    {100, "ТВ, видео, аудио", kOutline, psSolid, 1, 0x00FFC0C0, bsSolid, 0},
    {101, "Компьютеры и оргтехника", kOutline, psSolid, 1, 0x00FFE0C0, bsSolid, 0},
    {102, "Автомагазины, автосервис", kOutline, psSolid, 1, 0x00909090, bsSolid, 0},
    {103, "Бытовые товары и техника", kOutline, psSolid, 1, 0x00C0FFFF, bsSolid, 0},
    {104, "Мебель, интерьер", kOutline, psSolid, 1, 0x0080B0D0, bsSolid, 0},
    {105, "Аптеки", kOutline, psSolid, 1, 0x00C0FFC0, bsSolid, 0},
    {106, "Продукты", kOutline, psSolid, 1, 0x0080FFFF, bsSolid, 0},
    {107, "Одежда, обувь", kOutline, psSolid, 1, 0x00FFC0FF, bsSolid, 0},
    {108, "Продукты", kOutline, psSolid, 1, 0x0060E0F0, bsSolid, 0},
    {109, "Бытовые услуги", kOutline, psSolid, 1, 0x00E0E0A0, bsSolid, 0},
    {110, "Рестораны, кафе, бары", kOutline, psSolid, 1, 0x004080FF, bsSolid, 0},
    {111, "Медицина", kOutline, psSolid, 1, 0x00F0F0FF, bsSolid, 0},
    {112, "Банки, обмен валюты", kOutline, psSolid, 1, 0x0000C0C0, bsSolid, 0},
    {113, "Ремонт техники", kOutline, psSolid, 1, 0x00A0C0C0, bsSolid, 0},
    {114, "Образование", kOutline, psSolid, 2, 0x0000A0FF, bsSolid, 0},
    {115, "Парикмахерские", kOutline, psSolid, 1, 0x00D0A0FF, bsSolid, 0},
    {116, "Культура и спорт", kOutline, psSolid, 2, 0x00FF8080, bsSolid, 0},
}};

} // namespace

std::span<const CityCategory> cityCategories() { return kCategories; }

const CityCategory& cityCategory(int32_t id) {
    const auto it = std::lower_bound(kCategories.begin(), kCategories.end(), id,
                                     [](const CityCategory& c, int32_t key) { return c.id < key; });
    return it != kCategories.end() && it->id == id ? *it : kCategories.front();
}

} // namespace city
