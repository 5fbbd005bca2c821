// Writes the manifest, one array element per line. Addresses are those of top-level objects,
// the ones the map's address search finds; each names the district its object stands in.
#include "makecity/Manifest.h"

#include <string>
#include <string_view>

#include "citycategories/CityCategory.h"
#include "jsontext/JsonText.h"

namespace city {
namespace {

bool contains(const std::vector<Point>& polygon, Point p) {
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point a = polygon[i];
        const Point b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

uint32_t districtOf(const std::vector<const Feature*>& districts, Point p) {
    for (const Feature* d : districts)
        if (contains(d->points, p))
            return d->id;
    return 0;
}

// The elements of one array, each on its own line.
class Elements {
public:
    Elements(std::ostream& out, std::string_view name, bool last = false) : out_(out), last_(last) {
        out_ << "  " << jsontext::quoted(name) << ": [";
    }
    ~Elements() { out_ << (first_ ? "]" : "\n  ]") << (last_ ? "\n" : ",\n"); }
    Elements(const Elements&) = delete;
    Elements& operator=(const Elements&) = delete;

    std::ostream& next() {
        out_ << (first_ ? "\n    " : ",\n    ");
        first_ = false;
        return out_;
    }

private:
    std::ostream& out_;
    bool last_;
    bool first_ = true;
};

void writeObjects(Elements& objects, const Feature& f, uint32_t parent) {
    objects.next() << "{\"id\": " << f.id << ", \"kind\": " << int{f.kind} << ", \"category\": " << f.category
                   << ", \"plane\": " << f.plane << ", \"parent\": " << parent << "}";
    for (const Feature& child : f.children)
        writeObjects(objects, child, f.id);
}

} // namespace

void writeManifest(const CityPlan& plan, std::ostream& out) {
    out << "{\n  \"city\": " << jsontext::quoted(plan.name) << ",\n  \"seed\": " << plan.seed
        << ",\n  \"sizeFactor\": " << plan.sizeFactor << ",\n  \"mashtab\": " << plan.mashtab << ",\n";
    {
        Elements categories(out, "categories");
        for (const CityCategory& c : cityCategories())
            categories.next() << "{\"id\": " << c.id << ", \"name\": " << jsontext::quoted(c.name)
                              << ", \"penColor\": " << c.penColor << ", \"penStyle\": " << int{c.penStyle}
                              << ", \"penWidth\": " << c.penWidth << ", \"brushColor\": " << c.brushColor
                              << ", \"brushStyle\": " << int{c.brushStyle} << ", \"layer\": " << c.layer
                              << "}";
    }
    {
        Elements districts(out, "districts");
        for (const CityPlan::District& d : plan.districts)
            districts.next() << "{\"id\": " << d.id << ", \"name\": " << jsontext::quoted(d.name) << "}";
    }
    {
        Elements streets(out, "streets");
        for (const CityPlan::Street& s : plan.streets)
            streets.next() << "{\"id\": " << s.id << ", \"name\": " << jsontext::quoted(s.name) << "}";
    }
    {
        std::vector<const Feature*> districts;
        for (const Feature& f : plan.features)
            if (f.category == cat::District && f.is(Kind::Polygon))
                districts.push_back(&f);
        Elements addresses(out, "addresses");
        for (const Feature& f : plan.features) {
            if (!f.address)
                continue;
            const CityPlan::Street* street = plan.findStreet(f.address->streetId);
            addresses.next() << "{\"objectId\": " << f.id << ", \"streetId\": " << f.address->streetId
                             << ", \"street\": " << jsontext::quoted(street ? street->name : "")
                             << ", \"house\": " << jsontext::quoted(f.address->house) << ", \"category\": " << f.category
                             << ", \"district\": " << districtOf(districts, f.center) << "}";
        }
    }
    {
        Elements objects(out, "objects", /*last=*/true);
        for (const Feature& f : plan.features)
            writeObjects(objects, f, 0);
    }
    out << "}\n";
}

} // namespace city
