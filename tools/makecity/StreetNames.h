// The pool of street names the city draws from: invented upper-case Russian names of at most
// 30 characters, never repeated, with numbered variants once the plain names run out.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "makecity/Random.h"

namespace city {

class StreetNames {
public:
    // Names every city carries, for roles the layout gives them.
    static constexpr std::string_view kMain = "ЛЕНИНА";
    static constexpr std::string_view kProspect = "КОСМОНАВТОВ ПР-Т";
    static constexpr std::string_view kLane = "ТИХИЙ ПЕР.";
    static constexpr std::string_view kStation = "ВОКЗАЛЬНАЯ";
    static constexpr std::string_view kUpperEmbankment = "ВЕРХНЯЯ НАБЕРЕЖНАЯ";
    static constexpr std::string_view kLowerEmbankment = "НИЖНЯЯ НАБЕРЕЖНАЯ";
    static constexpr std::string_view kFactory = "1-Я ЗАВОДСКАЯ";

    explicit StreetNames(Random& random);

    // The given name, or a numbered variant of it once it has been taken.
    std::string take(std::string_view name);
    // The next unused name: first the names every city shows, then the rest in the order of
    // the seed, then numbered variants.
    std::string next();

    // Characters (not bytes) of a UTF-8 text.
    static std::size_t characters(std::string_view utf8);

private:
    std::string variant(const std::string& base, int number) const;
    bool isFree(const std::string& name) const;

    std::vector<std::string> pool_;
    std::size_t cursor_ = 0;
    int variantNumber_ = 2;
    std::size_t variantBase_ = 0;
    std::set<std::string> used_;
};

} // namespace city
