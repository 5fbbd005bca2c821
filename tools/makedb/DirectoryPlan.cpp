// Drawing the directory. One random sequence from the city's seed decides everything, in a fixed
// order, so the same manifest and word lists give the same directory on every machine.
#include "makedb/DirectoryPlan.h"

#include "makecity/Random.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <algorithm>
#include <set>

namespace makedb {
namespace {

// Latin letters for the CP1251 lower-case Cyrillic letters а to я, for web and e-mail names.
const char* const kLatin[32] = {"a", "b", "v", "g", "d", "e", "zh", "z", "i", "y", "k", "l", "m", "n", "o", "p",
                                "r", "s", "t", "u", "f", "h", "ts", "ch", "sh", "sch", "", "y", "", "e", "yu", "ya"};

std::string latinName(const std::string& cp1251) {
    std::string out;
    for (const char c : base::lowerCp1251(cp1251)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xE0)
            out += kLatin[byte - 0xE0];
        else if (byte == 0xB8) // ё
            out += "e";
        else if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9'))
            out += c;
    }
    return out;
}

std::string replaceAll(std::string text, const std::string& what, const std::string& with) {
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

std::vector<std::string> toCp1251(const std::vector<std::string>& utf8) {
    std::vector<std::string> out;
    for (const std::string& s : utf8)
        out.push_back(base::utf8ToCp1251(s));
    return out;
}

template <class T>
const T& pick(city::Random& rng, const std::vector<T>& list) {
    return list[static_cast<size_t>(rng.between(0, static_cast<int>(list.size()) - 1))];
}

// One telephone number in one of the forms the firm card formats: six-digit local numbers, an
// eleven-digit long-distance number, a short one left as it is, a seven-digit one.
std::string phone(city::Random& rng) {
    const int kind = rng.between(0, 19);
    const std::string local = std::to_string(rng.between(2, 4)) + std::to_string(rng.between(10000, 99999));
    if (kind < 12)
        return local;
    if (kind < 16)
        return "83452" + local.substr(0, 1) + std::to_string(rng.between(10000, 99999));
    if (kind < 18)
        return std::to_string(rng.between(1000, 9999) * 10 + 1).substr(0, 5);
    return std::to_string(rng.between(5000000, 5999999));
}

std::string contact(city::Random& rng) {
    std::string out;
    const int count = rng.between(0, 9) < 6 ? 1 : rng.between(2, 3);
    for (int i = 0; i < count; ++i)
        out += (i == 0 ? "" : rng.chance(0.3) ? ", " : ",") + phone(rng);
    return out;
}

// Web and e-mail addresses in every arrangement the firm card splits: none, one web address, one
// mailbox, both in either order (with and without a blank after the comma), several mailboxes.
std::string inetref(city::Random& rng, const std::string& slug) {
    const int kind = rng.between(0, 19);
    const std::string web = "www." + slug + ".ru";
    const std::string mail = "info@" + slug + ".ru";
    switch (kind) {
    case 0: case 1: case 2:
        return web;
    case 3: case 4:
        return mail;
    case 5: case 6:
        return web + "," + mail;
    case 7:
        return mail + ", http://" + slug + ".valdren.ru";
    case 8:
        return "http://" + slug + ".ru," + mail + ",sales@" + slug + ".ru";
    default:
        return "";
    }
}

std::string apartment(city::Random& rng) {
    const int kind = rng.between(0, 9);
    if (kind < 5)
        return "";
    if (kind < 8)
        return std::to_string(rng.between(1, 120));
    return base::utf8ToCp1251("оф. ") + std::to_string(rng.between(101, 520));
}

int countOf(city::Random& rng, const int (&weights)[8]) {
    int total = 0;
    for (int w : weights)
        total += w;
    int draw = rng.between(0, total - 1);
    for (int i = 0; i < 8; ++i) {
        if (draw < weights[i])
            return i + 1;
        draw -= weights[i];
    }
    return 1;
}

bool isBusiness(int32_t category) { return category >= 100 || (category >= 7 && category <= 12); }

} // namespace

DirectoryPlan DirectoryPlan::make(const CityManifest& city, const WordLists& words) {
    DirectoryPlan plan;
    city::Random rng(city.seed * 7919 + 13);
    plan.rubrics = toCp1251(words.rubrics);

    std::set<std::string> onMap;
    for (const ManifestStreet& s : city.streets) {
        plan.streets.push_back(base::utf8ToCp1251(s.name));
        onMap.insert(plan.streets.back());
    }
    std::vector<std::string> offMap;
    for (const std::string& s : toCp1251(words.extraStreets))
        if (!onMap.count(s)) {
            plan.streets.push_back(s);
            offMap.push_back(s);
        }

    struct Place {
        std::string street, house;
        int32_t object;
    };
    std::vector<Place> business;
    std::vector<Place> anywhere;
    for (const ManifestAddress& a : city.addresses) {
        Place place{base::utf8ToCp1251(a.street), base::utf8ToCp1251(a.house), a.objectId};
        if (isBusiness(a.category))
            business.push_back(place);
        anywhere.push_back(std::move(place));
    }
    const std::vector<std::string> firmWords = toCp1251(words.firmWords);
    const std::vector<std::string> surnames = toCp1251(words.surnames);
    const std::vector<std::string> patterns = toCp1251(words.patterns);
    const int topicsWeights[8] = {40, 25, 15, 8, 5, 3, 2, 2};
    const int branchWeights[8] = {55, 25, 12, 8, 0, 0, 0, 0};

    const int count = kFirmsPerSize * city.sizeFactor;
    for (int i = 0; i < count; ++i) {
        Firm firm;
        firm.id = i + 1;
        // The first word walks the whole list so that every letter of the alphabet bar has firms.
        const std::string& first = firmWords[static_cast<size_t>(i) % firmWords.size()];
        std::string name = pick(rng, patterns);
        const size_t firstWord = name.find("{W}");
        const std::string surname = pick(rng, surnames);
        if (firstWord != std::string::npos)
            name.replace(firstWord, 3, first);
        name = replaceAll(name, "{W}", pick(rng, firmWords));
        name = replaceAll(name, "{S}", surname);
        firm.name = name.substr(0, 80);
        firm.flags = rng.chance(0.02) ? 1 : 0;
        std::string slug = latinName(firstWord != std::string::npos ? first : surname);
        firm.inetref = inetref(rng, slug.empty() ? "firm" + std::to_string(firm.id) : slug);

        std::set<int32_t> topics;
        const int topicCount = countOf(rng, topicsWeights);
        while (static_cast<int>(topics.size()) < topicCount)
            topics.insert(rng.between(1, static_cast<int>(plan.rubrics.size())));
        firm.topics.assign(topics.begin(), topics.end());

        const int branchCount = countOf(rng, branchWeights);
        for (int b = 0; b < branchCount; ++b) {
            Branch branch;
            const bool offTheMap = !offMap.empty() && (anywhere.empty() || rng.chance(0.01));
            if (!offTheMap && anywhere.empty())
                break;
            if (offTheMap) {
                branch.street = pick(rng, offMap);
                branch.house = std::to_string(rng.between(1, 60));
            } else {
                const Place& place = !business.empty() && rng.chance(0.5) ? pick(rng, business) : pick(rng, anywhere);
                branch.street = place.street;
                branch.house = place.house;
                branch.mapObject = place.object;
            }
            branch.apartment = apartment(rng);
            branch.contact = rng.chance(0.05) ? "" : contact(rng);
            firm.branches.push_back(std::move(branch));
        }
        plan.firms.push_back(std::move(firm));
    }
    return plan;
}

} // namespace makedb
