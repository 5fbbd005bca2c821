// A fixed-seed stand-in for a city frame: sizes and counts near what the map draws at full HD.
#include "Scene.h"

#include <cmath>
#include <random>

namespace bench {

namespace {

constexpr int kBuildings = 20000;
constexpr int kStreets = 2000;
constexpr int kParks = 1000;
constexpr int kLabels = 600;
constexpr int kPixels = 200000;
constexpr int kIcons = 2000;
constexpr int kDots = 10000;

class Maker {
public:
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double angle() { return std::uniform_real_distribution<double>(0, 2 * M_PI)(random_); }
    TColor color() { return RGB(between(0, 255), between(0, 255), between(0, 255)); }

    // A polygon of `corners` vertices round (cx, cy), at radii between low and high.
    Figure ring(int corners, int low, int high) {
        const int cx = between(0, kFrameWidth - 1);
        const int cy = between(0, kFrameHeight - 1);
        const double turn = angle();
        Figure figure;
        for (int i = 0; i < corners; ++i) {
            const double a = turn + 2 * M_PI * i / corners;
            const int r = between(low, high);
            add(figure, cx + static_cast<int>(std::lround(r * std::cos(a))),
                cy + static_cast<int>(std::lround(r * std::sin(a))));
        }
        figure.fill = color();
        figure.line = color();
        return figure;
    }

    // A street: segments of 40 to 160 pixels, turning a little at each corner.
    Figure street() {
        Figure figure;
        double x = between(0, kFrameWidth - 1);
        double y = between(0, kFrameHeight - 1);
        double heading = angle();
        const int corners = between(3, 8);
        for (int i = 0; i < corners; ++i) {
            add(figure, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
            const int length = between(40, 160);
            heading += (between(-30, 30)) * M_PI / 180;
            x += length * std::cos(heading);
            y += length * std::sin(heading);
        }
        figure.line = color();
        figure.width = between(3, 14);
        return figure;
    }

private:
    static void add(Figure& figure, int x, int y) {
        figure.points.push_back(Point(x, y));
        figure.qpoints.emplace_back(x, y);
    }

    std::mt19937 random_{20261206};
};

Scene makeScene() {
    Maker make;
    Scene s;
    for (int i = 0; i < kBuildings; ++i) s.buildings.push_back(make.ring(make.between(4, 6), 4, 14));
    for (int i = 0; i < kStreets; ++i) s.streets.push_back(make.street());
    for (int i = 0; i < kParks; ++i) s.parks.push_back(make.ring(make.between(5, 9), 30, 90));
    const char* const names[] = {"ул. Садовая", "пр. Мира", "Набережная", "пер. Кузнечный", "ул. Ленина",
                                 "Парк Победы", "пл. Соборная", "ул. Малая Заречная"};
    const int escapements[] = {0, 450, 900, 1800, 2700, 3150, 200, -600};
    for (int i = 0; i < kLabels; ++i) {
        Label label;
        label.at = Point(make.between(0, kFrameWidth - 1), make.between(0, kFrameHeight - 1));
        label.escapement = escapements[i % std::size(escapements)];
        label.height = make.between(10, 18);
        const char* name = names[make.between(0, std::size(names) - 1)];
        label.text = tk::fromUtf8(name);
        label.qtext = QString::fromUtf8(name);
        s.labels.push_back(label);
    }
    for (int i = 0; i < kPixels; ++i) {
        s.pixels.push_back(Point(make.between(0, kFrameWidth - 1), make.between(0, kFrameHeight - 1)));
        s.pixelColors.push_back(make.color());
    }
    for (int i = 0; i < kDots; ++i) {
        s.dots.push_back(Point(make.between(0, kFrameWidth - 1), make.between(0, kFrameHeight - 1)));
    }
    for (int i = 0; i < kIcons; ++i) {
        s.icons.push_back(Point(make.between(-8, kFrameWidth - 8), make.between(-8, kFrameHeight - 8)));
    }
    return s;
}

} // namespace

const Scene& scene() {
    static const Scene instance = makeScene();
    return instance;
}

QRgb qtColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

} // namespace bench
