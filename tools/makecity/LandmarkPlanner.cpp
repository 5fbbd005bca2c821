// Railway, notes and undrawn kinds of the sample city. The notes show how the program copes
// with every case: icons across the whole library, a text of the full 255 characters and, when
// asked for, an icon the library lacks and a library the program lacks (both drawn with the
// missing-icon picture).
#include "makecity/LandmarkPlanner.h"

#include <array>
#include <cmath>

#include "citycategories/CityCategory.h"
#include "makecity/Shapes.h"
#include "makecity/StreetNames.h"

namespace city {
namespace {

constexpr int kNotesPerSize = 30;
constexpr std::size_t kLongestNote = 255;

constexpr std::array<const char*, 12> kNoteTexts{
    "Памятник основателям города. Открыт в 1968 году.",
    "Здесь будет построена новая школа на 900 мест.",
    "Ремонт дороги до конца месяца, объезд по соседней улице.",
    "Остановка автобусов № 3, 7 и 12.",
    "Городской рынок: ежедневно с 8 до 18 часов, в понедельник выходной.",
    "Пункт проката лодок и катамаранов (летом).",
    "Старая водонапорная башня, памятник архитектуры XIX века.",
    "Автостоянка на 120 мест, круглосуточно.",
    "Летнее кафе «Ёлочка» у входа в парк.",
    "Почтовое отделение № 5.",
    "Место проведения городской ярмарки в День города.",
    "Смотровая площадка: лучший вид на реку и Заречье.",
};

} // namespace

void LandmarkPlanner::addTo(CityPlan& plan) {
    for (int row = CityGrid::kRailwayRow; row < grid_.rows(); row += CityGrid::kBand)
        addRailway(plan, row);
    addNotes(plan);
    addUndrawnKinds(plan);
}

// The line is a custom pixel line (the host draws sleepers along it) across the whole city,
// with two platforms beside the station.
void LandmarkPlanner::addRailway(CityPlan& plan, int row) {
    const float middle = -grid_.height() / 2 + (row + 0.5f) * CityGrid::kCell;
    constexpr float kStep = 190;
    const float west = -grid_.width() / 2 - 40;
    const int steps = static_cast<int>(std::ceil((grid_.width() + 80) / kStep));
    std::vector<Point> line;
    for (int i = 0; i <= steps; ++i) {
        const float x = west + i * kStep;
        line.push_back({x, middle + 20 * std::sin(x / 900)});
    }
    Feature railway = shapeFeature(Kind::Polyline, cat::Transport, std::move(line));
    railway.style.caps = -1;
    railway.style.penWidth = 5;
    plan.add(std::move(railway));

    const Point station = grid_.cellCenter(grid_.columns() / 2, row);
    for (const float dy : {-40.0f, 35.0f}) {
        const Point at = station + Point{-110, dy};
        Feature platform = shapeFeature(Kind::Polygon, cat::Transport,
                                        {at, at + Point{220, 0}, at + Point{220, 8}, at + Point{0, 8}});
        platform.style.brushColor = 0x00B0B0B0;
        plan.add(std::move(platform));
    }
}

Point LandmarkPlanner::somewhere(CityGrid::Use use) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const int column = random_.between(0, grid_.columns() - 1);
        const int row = random_.between(0, grid_.rows() - 1);
        if (grid_.use(column, row) == use)
            return grid_.cellCenter(column, row) + Point{random_.real(-100, 100), random_.real(-100, 100)};
    }
    return {0, 0};
}

std::string LandmarkPlanner::noteText(int index) {
    if (index != 0)
        return kNoteTexts[static_cast<size_t>(index) % kNoteTexts.size()];
    // The longest text a note holds: sentences one after another, cut at 255 characters.
    std::string text;
    for (size_t i = 0; StreetNames::characters(text) < kLongestNote; ++i)
        text += std::string(kNoteTexts[i % kNoteTexts.size()]) + " ";
    while (StreetNames::characters(text) > kLongestNote) {
        text.pop_back();
        while (!text.empty() && (text.back() & 0xC0) == 0x80)
            text.pop_back();
    }
    return text;
}

void LandmarkPlanner::addNotes(CityPlan& plan) {
    const int count = kNotesPerSize * plan.sizeFactor;
    for (int i = 0; i < count; ++i) {
        std::string library = kLibrary;
        std::string icon = std::to_string((i * 5) % kIcons);
        if (missingIcons_ && i == 1)
            icon = "77";
        if (missingIcons_ && i == 2)
            library = "Туристическая";
        const Point at = somewhere(i % 3 == 0 ? CityGrid::Use::Park : CityGrid::Use::Houses);
        plan.add(noteFeature(at, std::move(library), std::move(icon), noteText(i)));
    }
}

// Bezier curves and bitmaps are kept by the map but not drawn; kinds above 8 are unknown to it.
void LandmarkPlanner::addUndrawnKinds(CityPlan& plan) {
    for (int i = 0; i < 3 * plan.sizeFactor; ++i) {
        const Point at = somewhere(CityGrid::Use::Field);
        std::vector<Point> curve{at};
        for (int k = 0; k < (i % 2 == 0 ? 3 : 6); ++k)
            curve.push_back(at + Point{random_.real(-80, 80), random_.real(-80, 80)});
        plan.add(shapeFeature(Kind::Bezier, cat::Undetermined, std::move(curve)));
    }
    for (int i = 0; i < 2 * plan.sizeFactor; ++i) {
        const Point at = somewhere(CityGrid::Use::Field);
        Feature bitmap = shapeFeature(Kind::Bitmap, cat::Undetermined, {at, at + Point{40, 30}});
        bitmap.points.clear();
        bitmap.bytes = {'B', 'M'};
        for (int k = random_.between(100, 300); k > 0; --k)
            bitmap.bytes.push_back(static_cast<uint8_t>(random_.next()));
        plan.add(std::move(bitmap));
    }
    for (const uint8_t kind : {uint8_t{9}, uint8_t{200}}) {
        const Point at = somewhere(CityGrid::Use::Field);
        Feature unknown = shapeFeature(Kind::Polygon, cat::Undetermined, {at, at + Point{20, 20}});
        unknown.kind = kind;
        unknown.points.clear();
        plan.add(std::move(unknown));
    }
}

} // namespace city
