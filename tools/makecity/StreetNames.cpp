// The street names of Valdren. The first names are always in the city (the find dialog's
// type-ahead needs names that share a beginning, a letter Ё, numbers and abbreviations, and
// one name of the full 30 characters); the others follow in an order chosen by the seed.
#include "makecity/StreetNames.h"

#include <algorithm>
#include <array>

namespace city {
namespace {

constexpr std::size_t kMaxCharacters = 30;

constexpr std::array<std::string_view, 9> kAlways{
    "ОКТЯБРЬСКАЯ", "МОЛОДЁЖНАЯ", "8 МАРТА", "ЛЕСНАЯ", "ЛУГОВАЯ", "ЛЕНИНГРАДСКАЯ",
    "ПЕРВОСТРОИТЕЛЕЙ ВАЛДРЕНА ШОССЕ", "2-Я ЗАВОДСКАЯ", "БЕРЁЗОВАЯ",
};

constexpr std::array<std::string_view, 56> kOthers{
    "СОВЕТСКАЯ", "МИРА", "ГАГАРИНА", "ПУШКИНА", "ЧЕХОВА", "САДОВАЯ", "ПОЛЕВАЯ", "ШКОЛЬНАЯ",
    "ЦЕНТРАЛЬНАЯ", "ПОБЕДЫ", "ПЕРВОМАЙСКАЯ", "ГОРЬКОГО", "ЖУКОВСКОГО", "СТРОИТЕЛЕЙ",
    "ЭНЕРГЕТИКОВ", "МЕТАЛЛУРГОВ", "ЮБИЛЕЙНАЯ", "РАБОЧАЯ", "СОСНОВАЯ", "КЛЕНОВАЯ", "РЕЧНАЯ",
    "ОЗЁРНАЯ", "ВАЛДАЙСКАЯ", "ПРОЛЕТАРСКАЯ", "ДРУЖБЫ", "СВОБОДЫ", "КРАСНОАРМЕЙСКАЯ",
    "ГВАРДЕЙСКАЯ", "ЧКАЛОВА", "ФРУНЗЕ", "КИРОВА", "МАЯКОВСКОГО", "ЛОМОНОСОВА", "МЕНДЕЛЕЕВА",
    "ТОЛСТОГО", "ТУРГЕНЕВА", "ЛЕРМОНТОВА", "ГОГОЛЯ", "КРЫЛОВА", "ВОСТОЧНАЯ", "ЗАПАДНАЯ",
    "СЕВЕРНАЯ", "ЮЖНАЯ", "НОВАЯ", "50 ЛЕТ ОКТЯБРЯ", "ЯБЛОНЕВАЯ", "ЗЕЛЁНАЯ", "ТОПОЛИНАЯ",
    "ЛИПОВАЯ", "МАЛИНОВАЯ", "ЖЕЛЕЗНОДОРОЖНАЯ", "ПАРКОВАЯ", "ПИОНЕРСКАЯ", "КОМСОМОЛЬСКАЯ",
    "ФАБРИЧНАЯ", "МЕЛЬНИЧНЫЙ ПЕР.",
};

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool startsWithDigit(std::string_view text) { return !text.empty() && text[0] >= '0' && text[0] <= '9'; }

} // namespace

StreetNames::StreetNames(Random& random) {
    for (std::string_view name : kAlways)
        pool_.emplace_back(name);
    std::vector<std::string> others(kOthers.begin(), kOthers.end());
    for (std::size_t i = others.size(); i > 1; --i)
        std::swap(others[i - 1], others[random.next() % i]);
    pool_.insert(pool_.end(), others.begin(), others.end());
}

std::size_t StreetNames::characters(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

bool StreetNames::isFree(const std::string& name) const {
    return !name.empty() && characters(name) <= kMaxCharacters && !used_.contains(name);
}

// "2-Я ЛЕСНАЯ" for a name that reads as an adjective, "ЧЕХОВА 2-Й ПЕР." for the others; names
// that begin with a number get no variants.
std::string StreetNames::variant(const std::string& base, int number) const {
    if (startsWithDigit(base) || endsWith(base, "."))
        return {};
    if (endsWith(base, "АЯ") || endsWith(base, "ЯЯ"))
        return std::to_string(number) + "-Я " + base;
    return base + " " + std::to_string(number) + "-Й ПЕР.";
}

std::string StreetNames::take(std::string_view name) {
    std::string taken(name);
    for (int number = 2; !isFree(taken) && number < 100; ++number)
        taken = variant(std::string(name), number);
    if (!isFree(taken))
        return next();
    used_.insert(taken);
    return taken;
}

std::string StreetNames::next() {
    for (; cursor_ < pool_.size(); ++cursor_) {
        if (isFree(pool_[cursor_])) {
            used_.insert(pool_[cursor_]);
            return pool_[cursor_++];
        }
    }
    for (;;) {
        if (variantBase_ == pool_.size()) {
            variantBase_ = 0;
            ++variantNumber_;
        }
        std::string name = variant(pool_[variantBase_++], variantNumber_);
        if (isFree(name)) {
            used_.insert(name);
            return name;
        }
    }
}

} // namespace city
