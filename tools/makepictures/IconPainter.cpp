// Every pictogram is a plate (a disc for services, a square for trade, a triangle for warnings)
// with a simple sign on it, made of the canvas's polygons, rectangles, ellipses and lines in
// colours of the 6 x 6 x 6 cube, so that the 256-colour palette holds them exactly.
#include "makepictures/IconPainter.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <vector>

namespace pictures {
namespace {

constexpr TColor kBlack = RGB(0, 0, 0);
constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kRed = RGB(204, 0, 0);
constexpr TColor kGreen = RGB(0, 153, 0);
constexpr TColor kDarkGreen = RGB(0, 102, 0);
constexpr TColor kBlue = RGB(0, 51, 204);
constexpr TColor kNavy = RGB(0, 0, 102);
constexpr TColor kYellow = RGB(255, 204, 0);
constexpr TColor kOrange = RGB(255, 102, 0);
constexpr TColor kBrown = RGB(153, 102, 51);
constexpr TColor kGray = RGB(153, 153, 153);
constexpr TColor kLight = RGB(204, 204, 204);
constexpr TColor kPurple = RGB(153, 0, 153);
constexpr TColor kSky = RGB(102, 153, 255);

class Painter {
public:
    explicit Painter(TCanvas& canvas) : c_(canvas) {}

    void solid(TColor fill, TColor outline) {
        c_.Brush()->SetStyle(bsSolid);
        c_.Brush()->SetColor(fill);
        c_.Pen()->SetStyle(psSolid);
        c_.Pen()->SetWidth(1);
        c_.Pen()->SetColor(outline);
    }
    void poly(TColor color, std::initializer_list<TPoint> points) {
        solid(color, color);
        c_.Polygon(std::vector<TPoint>(points));
    }
    void rect(TColor color, int x1, int y1, int x2, int y2) {
        solid(color, color);
        c_.Rectangle(x1, y1, x2, y2);
    }
    void disc(TColor color, int x1, int y1, int x2, int y2) {
        solid(color, color);
        c_.Ellipse(x1, y1, x2, y2);
    }
    void ring(TColor color, int width, int x1, int y1, int x2, int y2) {
        c_.Brush()->SetStyle(bsClear);
        c_.Pen()->SetColor(color);
        c_.Pen()->SetWidth(width);
        c_.Ellipse(x1, y1, x2, y2);
    }
    void line(TColor color, int width, std::initializer_list<TPoint> points) {
        c_.Pen()->SetStyle(psSolid);
        c_.Pen()->SetColor(color);
        c_.Pen()->SetWidth(width);
        c_.Polyline(std::vector<TPoint>(points));
    }

    // Plates: a disc for services, a square for trade, a triangle for warnings.
    void service(TColor color) {
        solid(color, kBlack);
        c_.Ellipse(1, 1, 31, 31);
    }
    void trade(TColor color) {
        solid(color, kBlack);
        c_.Rectangle(2, 2, 30, 30);
    }
    void warning(TColor color) {
        solid(color, kBlack);
        c_.Polygon(std::vector<TPoint>{{16, 2}, {30, 28}, {2, 28}});
    }

private:
    TCanvas& c_;
};

using Drawing = void (*)(Painter&);

constexpr std::array<Drawing, kIconCount> kIcons{
    [](Painter& p) { // 0 shop: a trolley
        p.trade(kBlue);
        p.line(kWhite, 2, {{6, 9}, {10, 9}, {13, 20}, {24, 20}, {26, 12}, {11, 12}});
        p.disc(kWhite, 12, 22, 16, 26);
        p.disc(kWhite, 21, 22, 25, 26);
    },
    [](Painter& p) { // 1 café: a cup with steam
        p.trade(kBrown);
        p.rect(kWhite, 8, 14, 21, 25);
        p.ring(kWhite, 2, 19, 15, 26, 22);
        p.line(kWhite, 1, {{11, 6}, {13, 9}, {11, 12}});
        p.line(kWhite, 1, {{16, 6}, {18, 9}, {16, 12}});
    },
    [](Painter& p) { // 2 school: an open book
        p.service(kOrange);
        p.poly(kWhite, {{5, 10}, {15, 12}, {15, 24}, {5, 22}});
        p.poly(kWhite, {{17, 12}, {27, 10}, {27, 22}, {17, 24}});
    },
    [](Painter& p) { // 3 hospital: a red cross on white
        p.service(kWhite);
        p.rect(kRed, 13, 6, 19, 26);
        p.rect(kRed, 6, 13, 26, 19);
    },
    [](Painter& p) { // 4 pharmacy: a green cross
        p.trade(kWhite);
        p.rect(kGreen, 13, 6, 19, 26);
        p.rect(kGreen, 6, 13, 26, 19);
    },
    [](Painter& p) { // 5 bank: a building with columns
        p.trade(kDarkGreen);
        p.poly(kYellow, {{16, 5}, {27, 11}, {5, 11}});
        for (int x = 7; x < 26; x += 5)
            p.rect(kYellow, x, 13, x + 3, 23);
        p.rect(kYellow, 5, 24, 27, 27);
    },
    [](Painter& p) { // 6 bus stop: a bus
        p.service(kBlue);
        p.rect(kWhite, 7, 8, 25, 23);
        p.rect(kSky, 9, 10, 23, 15);
        p.disc(kBlack, 9, 21, 14, 26);
        p.disc(kBlack, 18, 21, 23, 26);
    },
    [](Painter& p) { // 7 post: an envelope
        p.trade(kNavy);
        p.rect(kWhite, 6, 10, 26, 23);
        p.line(kNavy, 1, {{6, 10}, {16, 17}, {26, 10}});
    },
    [](Painter& p) { // 8 church: a dome with a cross
        p.service(kSky);
        p.rect(kWhite, 10, 17, 22, 27);
        p.disc(kYellow, 11, 11, 21, 20);
        p.line(kYellow, 2, {{16, 3}, {16, 12}});
        p.line(kYellow, 2, {{13, 6}, {19, 6}});
    },
    [](Painter& p) { // 9 monument: an obelisk on a plinth
        p.service(kGray);
        p.poly(kWhite, {{16, 4}, {19, 9}, {19, 22}, {13, 22}, {13, 9}});
        p.rect(kWhite, 9, 22, 23, 27);
    },
    [](Painter& p) { // 10 theatre: a mask
        p.service(kPurple);
        p.disc(kWhite, 7, 6, 25, 26);
        p.disc(kPurple, 11, 12, 15, 16);
        p.disc(kPurple, 18, 12, 22, 16);
        p.line(kPurple, 2, {{11, 20}, {16, 23}, {21, 20}});
    },
    [](Painter& p) { // 11 cinema: a strip of film
        p.service(kBlack);
        p.rect(kWhite, 9, 5, 23, 27);
        for (int y = 7; y < 26; y += 5)
            p.rect(kBlack, 10, y, 12, y + 2);
        p.rect(kSky, 14, 8, 21, 24);
    },
    [](Painter& p) { // 12 library: books on a shelf
        p.trade(kBrown);
        p.rect(kRed, 6, 8, 11, 25);
        p.rect(kYellow, 12, 10, 17, 25);
        p.rect(kGreen, 18, 7, 23, 25);
        p.rect(kWhite, 5, 25, 27, 27);
    },
    [](Painter& p) { // 13 museum: a pediment with columns
        p.service(kNavy);
        p.poly(kWhite, {{16, 5}, {27, 12}, {5, 12}});
        p.rect(kWhite, 8, 13, 11, 24);
        p.rect(kWhite, 15, 13, 18, 24);
        p.rect(kWhite, 21, 13, 24, 24);
        p.rect(kWhite, 6, 24, 26, 27);
    },
    [](Painter& p) { // 14 stadium: a ball
        p.service(kGreen);
        p.disc(kWhite, 7, 7, 25, 25);
        p.poly(kBlack, {{16, 12}, {20, 15}, {18, 20}, {14, 20}, {12, 15}});
    },
    [](Painter& p) { // 15 swimming pool: waves
        p.service(kSky);
        for (int y = 10; y <= 22; y += 6)
            p.line(kWhite, 2, {{6, y}, {10, y - 3}, {14, y}, {18, y - 3}, {22, y}, {26, y - 3}});
    },
    [](Painter& p) { // 16 park: a tree
        p.service(kLight);
        p.disc(kDarkGreen, 7, 4, 25, 20);
        p.rect(kBrown, 14, 18, 18, 28);
    },
    [](Painter& p) { // 17 fuel: a pump
        p.trade(kRed);
        p.rect(kWhite, 8, 7, 19, 26);
        p.rect(kRed, 10, 9, 17, 14);
        p.line(kWhite, 2, {{19, 11}, {24, 14}, {24, 23}});
    },
    [](Painter& p) { // 18 parking: the letter P
        p.trade(kBlue);
        p.rect(kWhite, 10, 6, 14, 27);
        p.rect(kWhite, 10, 6, 20, 10);
        p.rect(kWhite, 10, 15, 20, 19);
        p.rect(kWhite, 19, 8, 23, 17);
    },
    [](Painter& p) { // 19 hotel: a bed
        p.trade(kNavy);
        p.rect(kWhite, 5, 9, 8, 25);
        p.rect(kWhite, 5, 17, 27, 21);
        p.rect(kWhite, 24, 17, 27, 25);
        p.disc(kWhite, 9, 12, 14, 17);
    },
    [](Painter& p) { // 20 restaurant: fork and knife
        p.service(kOrange);
        p.line(kWhite, 2, {{11, 6}, {11, 26}});
        p.line(kWhite, 1, {{8, 6}, {8, 12}, {14, 12}, {14, 6}});
        p.poly(kWhite, {{20, 6}, {24, 6}, {23, 16}, {22, 26}, {20, 26}});
    },
    [](Painter& p) { // 21 bar: a glass
        p.trade(kPurple);
        p.poly(kWhite, {{7, 7}, {25, 7}, {16, 17}});
        p.line(kWhite, 2, {{16, 17}, {16, 25}});
        p.line(kWhite, 2, {{11, 25}, {21, 25}});
    },
    [](Painter& p) { // 22 police: a shield
        p.service(kNavy);
        p.poly(kWhite, {{8, 7}, {24, 7}, {24, 16}, {16, 26}, {8, 16}});
        p.poly(kBlue, {{11, 10}, {21, 10}, {21, 16}, {16, 22}, {11, 16}});
    },
    [](Painter& p) { // 23 fire station: a flame
        p.service(kRed);
        p.poly(kYellow, {{16, 4}, {23, 14}, {24, 21}, {16, 27}, {8, 21}, {10, 13}, {13, 17}});
        p.poly(kOrange, {{16, 14}, {20, 21}, {16, 25}, {12, 21}});
    },
    [](Painter& p) { // 24 taxi: a car with a checker sign
        p.trade(kYellow);
        p.rect(kBlack, 5, 15, 27, 22);
        p.poly(kBlack, {{9, 15}, {12, 10}, {20, 10}, {23, 15}});
        p.disc(kGray, 7, 20, 12, 25);
        p.disc(kGray, 20, 20, 25, 25);
        p.rect(kWhite, 13, 5, 19, 9);
    },
    [](Painter& p) { // 25 railway station: a locomotive
        p.service(kRed);
        p.rect(kWhite, 6, 13, 24, 22);
        p.rect(kWhite, 17, 8, 24, 13);
        p.rect(kWhite, 8, 8, 11, 13);
        p.disc(kBlack, 8, 20, 13, 25);
        p.disc(kBlack, 17, 20, 22, 25);
    },
    [](Painter& p) { // 26 airport: an aeroplane
        p.service(kSky);
        p.rect(kWhite, 14, 4, 18, 27);
        p.poly(kWhite, {{16, 10}, {28, 18}, {28, 20}, {4, 20}, {4, 18}});
        p.poly(kWhite, {{16, 22}, {21, 27}, {11, 27}});
    },
    [](Painter& p) { // 27 information: the letter i
        p.service(kBlue);
        p.disc(kWhite, 13, 5, 19, 11);
        p.rect(kWhite, 13, 13, 19, 27);
    },
    [](Painter& p) { // 28 toilets: two figures
        p.trade(kGray);
        p.disc(kWhite, 7, 5, 12, 10);
        p.rect(kWhite, 7, 11, 12, 26);
        p.disc(kWhite, 20, 5, 25, 10);
        p.poly(kWhite, {{22, 11}, {27, 22}, {17, 22}});
        p.line(kWhite, 1, {{16, 4}, {16, 28}});
    },
    [](Painter& p) { // 29 telephone: a handset
        p.trade(kGreen);
        p.line(kWhite, 4, {{9, 9}, {9, 14}, {13, 20}, {19, 24}, {24, 24}});
        p.rect(kWhite, 6, 6, 12, 10);
        p.rect(kWhite, 21, 21, 26, 27);
    },
    [](Painter& p) { // 30 market: a stall with an awning
        p.trade(kGreen);
        for (int x = 5; x < 27; x += 6)
            p.rect(x % 12 == 5 ? kRed : kWhite, x, 6, x + 6, 12);
        p.rect(kWhite, 7, 12, 9, 26);
        p.rect(kWhite, 23, 12, 25, 26);
        p.rect(kYellow, 9, 19, 23, 23);
    },
    [](Painter& p) { // 31 bakery: a loaf
        p.trade(kYellow);
        p.disc(kBrown, 5, 10, 27, 24);
        p.line(kYellow, 1, {{10, 14}, {12, 20}});
        p.line(kYellow, 1, {{15, 13}, {17, 20}});
        p.line(kYellow, 1, {{20, 14}, {22, 20}});
    },
    [](Painter& p) { // 32 hairdresser: scissors
        p.trade(kPurple);
        p.line(kWhite, 2, {{9, 6}, {21, 21}});
        p.line(kWhite, 2, {{23, 6}, {11, 21}});
        p.ring(kWhite, 2, 6, 20, 13, 27);
        p.ring(kWhite, 2, 19, 20, 26, 27);
    },
    [](Painter& p) { // 33 repair: a spanner
        p.service(kGray);
        p.line(kWhite, 4, {{10, 22}, {21, 11}});
        p.disc(kWhite, 17, 5, 27, 15);
        p.disc(kGray, 21, 5, 25, 10);
        p.disc(kWhite, 6, 19, 13, 26);
    },
    [](Painter& p) { // 34 car service: a car
        p.service(kBlue);
        p.rect(kWhite, 5, 15, 27, 22);
        p.poly(kWhite, {{9, 15}, {12, 9}, {20, 9}, {23, 15}});
        p.disc(kBlack, 7, 20, 12, 25);
        p.disc(kBlack, 20, 20, 25, 25);
    },
    [](Painter& p) { // 35 computers: a monitor
        p.trade(kNavy);
        p.rect(kWhite, 5, 6, 27, 21);
        p.rect(kSky, 7, 8, 25, 19);
        p.rect(kWhite, 14, 21, 18, 24);
        p.rect(kWhite, 9, 24, 23, 26);
    },
    [](Painter& p) { // 36 TV and video: a television set
        p.trade(kGray);
        p.rect(kBlack, 4, 8, 28, 25);
        p.rect(kSky, 6, 10, 22, 23);
        p.disc(kWhite, 23, 11, 27, 15);
        p.line(kBlack, 1, {{10, 8}, {14, 3}});
        p.line(kBlack, 1, {{22, 8}, {18, 3}});
    },
    [](Painter& p) { // 37 furniture: a chair
        p.trade(kBrown);
        p.rect(kWhite, 9, 5, 12, 27);
        p.rect(kWhite, 9, 16, 24, 19);
        p.rect(kWhite, 21, 19, 24, 27);
    },
    [](Painter& p) { // 38 clothes: a shirt
        p.trade(kSky);
        p.poly(kWhite, {{11, 5}, {21, 5}, {28, 11}, {24, 15}, {22, 13}, {22, 27}, {10, 27}, {10, 13}, {8, 15}, {4, 11}});
    },
    [](Painter& p) { // 39 shoes: a boot
        p.trade(kOrange);
        p.poly(kBrown, {{9, 5}, {17, 5}, {17, 17}, {27, 21}, {27, 26}, {9, 26}});
    },
    [](Painter& p) { // 40 flowers: a flower
        p.trade(kGreen);
        p.line(kDarkGreen, 2, {{16, 16}, {16, 28}});
        for (const TPoint at : {TPoint{16, 6}, TPoint{10, 12}, TPoint{22, 12}, TPoint{13, 18}, TPoint{19, 18}})
            p.disc(kRed, at.X - 4, at.Y - 4, at.X + 4, at.Y + 4);
        p.disc(kYellow, 13, 10, 19, 16);
    },
    [](Painter& p) { // 41 kindergarten: toy blocks
        p.service(kYellow);
        p.rect(kRed, 6, 17, 15, 26);
        p.rect(kBlue, 16, 17, 25, 26);
        p.rect(kGreen, 11, 8, 20, 17);
    },
    [](Painter& p) { // 42 university: a cap
        p.service(kNavy);
        p.poly(kWhite, {{16, 7}, {29, 13}, {16, 19}, {3, 13}});
        p.rect(kWhite, 10, 16, 22, 23);
        p.line(kYellow, 1, {{26, 14}, {26, 23}});
    },
    [](Painter& p) { // 43 sports hall: a dumbbell
        p.service(kGreen);
        p.rect(kWhite, 6, 9, 11, 23);
        p.rect(kWhite, 21, 9, 26, 23);
        p.rect(kWhite, 11, 14, 21, 18);
    },
    [](Painter& p) { // 44 zoo: a paw
        p.service(kBrown);
        p.disc(kWhite, 10, 14, 22, 25);
        for (const int x : {7, 12, 17, 22})
            p.disc(kWhite, x, x == 7 || x == 22 ? 10 : 6, x + 4, x == 7 || x == 22 ? 15 : 11);
    },
    [](Painter& p) { // 45 circus: a tent
        p.service(kRed);
        p.poly(kYellow, {{16, 4}, {27, 25}, {5, 25}});
        p.poly(kRed, {{16, 12}, {20, 25}, {12, 25}});
    },
    [](Painter& p) { // 46 factory: halls and a chimney
        p.trade(kGray);
        p.rect(kWhite, 21, 5, 25, 26);
        p.poly(kWhite, {{5, 26}, {5, 14}, {11, 18}, {11, 14}, {17, 18}, {17, 14}, {21, 18}, {21, 26}});
    },
    [](Painter& p) { // 47 warehouse: a crate
        p.trade(kBrown);
        p.rect(kYellow, 7, 9, 25, 25);
        p.line(kBrown, 2, {{7, 9}, {25, 25}});
        p.line(kBrown, 2, {{25, 9}, {7, 25}});
    },
    [](Painter& p) { // 48 office: a briefcase
        p.trade(kNavy);
        p.rect(kBrown, 5, 11, 27, 26);
        p.ring(kBrown, 2, 12, 6, 20, 14);
        p.rect(kYellow, 14, 16, 18, 20);
    },
    [](Painter& p) { // 49 court: scales
        p.service(kBrown);
        p.line(kWhite, 2, {{16, 5}, {16, 26}});
        p.line(kWhite, 2, {{7, 9}, {25, 9}});
        p.poly(kWhite, {{4, 17}, {12, 17}, {8, 21}});
        p.poly(kWhite, {{20, 17}, {28, 17}, {24, 21}});
        p.rect(kWhite, 11, 25, 21, 27);
    },
    [](Painter& p) { // 50 administration: the city's flag
        p.service(kLight);
        p.line(kBlack, 2, {{9, 5}, {9, 28}});
        p.rect(kGreen, 10, 6, 25, 19);
        p.poly(kYellow, {{10, 6}, {25, 6}, {10, 19}});
    },
    [](Painter& p) { // 51 letter box: a box with a slot
        p.service(kNavy);
        p.rect(kBlue, 8, 6, 24, 26);
        p.rect(kWhite, 11, 11, 21, 14);
        p.rect(kWhite, 8, 26, 24, 28);
    },
    [](Painter& p) { // 52 exchange and cash: coins
        p.trade(kDarkGreen);
        for (const int y : {20, 15, 10})
            p.disc(kYellow, 8, y - 4, 24, y + 6);
        p.ring(kBrown, 1, 8, 6, 24, 16);
    },
    [](Painter& p) { // 53 dentist: a tooth
        p.service(kSky);
        p.poly(kWhite, {{8, 8}, {13, 6}, {16, 8}, {19, 6}, {24, 8}, {23, 17}, {21, 27}, {18, 19}, {14, 19}, {11, 27}, {9, 17}});
    },
    [](Painter& p) { // 54 veterinary: a heart
        p.service(kGreen);
        p.disc(kWhite, 7, 8, 17, 18);
        p.disc(kWhite, 15, 8, 25, 18);
        p.poly(kWhite, {{8, 15}, {24, 15}, {16, 26}});
    },
    [](Painter& p) { // 55 photo: a camera
        p.trade(kGray);
        p.rect(kBlack, 5, 10, 27, 25);
        p.rect(kBlack, 10, 7, 17, 10);
        p.disc(kWhite, 11, 12, 21, 22);
        p.disc(kBlack, 14, 15, 18, 19);
    },
    [](Painter& p) { // 56 warning: an exclamation mark
        p.warning(kYellow);
        p.rect(kBlack, 15, 10, 18, 20);
        p.rect(kBlack, 15, 22, 18, 25);
    },
    [](Painter& p) { // 57 road works: a cone
        p.warning(kWhite);
        p.poly(kOrange, {{16, 8}, {22, 25}, {10, 25}});
        p.rect(kWhite, 12, 16, 20, 19);
    },
    [](Painter& p) { // 58 event: a star
        p.service(kRed);
        p.poly(kYellow, {{16, 4}, {19, 12}, {28, 12}, {21, 18}, {24, 27}, {16, 21}, {8, 27}, {11, 18}, {4, 12}, {13, 12}});
    },
    [](Painter& p) { // 59 viewpoint: an eye
        p.service(kNavy);
        p.disc(kWhite, 4, 10, 28, 22);
        p.disc(kSky, 11, 10, 21, 22);
        p.disc(kBlack, 14, 13, 18, 19);
    },
    [](Painter& p) { // 60 pier: an anchor
        p.service(kBlue);
        p.ring(kWhite, 2, 13, 4, 19, 10);
        p.line(kWhite, 2, {{16, 10}, {16, 26}});
        p.line(kWhite, 2, {{10, 14}, {22, 14}});
        p.line(kWhite, 2, {{7, 19}, {10, 24}, {16, 26}, {22, 24}, {25, 19}});
    },
    [](Painter& p) { // 61 beach: a sunshade
        p.service(kYellow);
        p.poly(kRed, {{4, 15}, {9, 8}, {16, 6}, {23, 8}, {28, 15}});
        p.line(kBrown, 2, {{16, 15}, {16, 27}});
    },
};

} // namespace

void paintIcon(int index, TCanvas& canvas) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(kIconTransparent);
    canvas.FillRect(TRect{0, 0, kIconSize, kIconSize});
    Painter painter(canvas);
    kIcons[static_cast<size_t>(index)](painter);
}

} // namespace pictures
