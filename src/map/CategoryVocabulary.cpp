// The category vocabulary and the lists filled from it.
#include "map/CategoryVocabulary.h"

#include <array>
#include <cstdint>

#include "toolkit/AnsiString.h"

namespace mapi {
namespace {

struct CategoryName {
    int Id;
    const char* Name; // UTF-8
};

constexpr std::array<CategoryName, 39> kVocabulary = {{
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

} // namespace

void FillCategoryList(TStrings& list) {
    list.BeginUpdate();
    try {
        list.Clear();
        for (const CategoryName& category : kVocabulary)
            list.AddObject(tk::fromUtf8(category.Name),
                           reinterpret_cast<void*>(static_cast<std::intptr_t>(category.Id)));
    } catch (...) {
        list.EndUpdate();
        throw;
    }
    list.EndUpdate();
}

int categoryIdOf(const TStrings& list, int index) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(list.Objects(index)));
}

} // namespace mapi
