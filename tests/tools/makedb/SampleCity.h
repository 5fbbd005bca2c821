// The bundled city and word lists as the build lays them out, loaded once for all suites, and the
// addresses of a map stream as the program's reader sees them.
#pragma once

#include "makedb/CityManifest.h"
#include "makedb/WordLists.h"

#include "map/MapStreamReader.h"
#include "support/ByteStream.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace makedb::test {

inline const CityManifest& bundledManifest() {
    static const CityManifest manifest = [] {
        CityManifest m;
        std::string error;
        EXPECT_TRUE(CityManifest::load(CITY_MANIFEST, m, error)) << error;
        return m;
    }();
    return manifest;
}

inline const WordLists& wordLists() {
    static const WordLists words = [] {
        WordLists w;
        std::string error;
        EXPECT_TRUE(WordLists::load(WORDS_DIR, w, error)) << error;
        return w;
    }();
    return words;
}

// Category of every addressed top-level object of a map stream, by (street, house) in CP1251;
// an empty map when the stream is damaged.
inline std::multimap<std::pair<std::string, std::string>, int32_t> mapAddresses(const std::string& stream) {
    TMemoryStream in = testsupport::streamOf(stream);
    TKEXMapHeader header;
    mapi::StreetDictionary names;
    TKexMapList objects;
    std::multimap<std::pair<std::string, std::string>, int32_t> out;
    if (mapi::MapStreamReader(in).Read(header, names, objects).damaged)
        return out;
    for (int i = 0; i < objects.Count(); ++i)
        if (objects[i].HasAddress())
            out.insert({{names.NameOf(objects[i].Address->StreetId), objects[i].Address->House.str()},
                        objects[i].Category});
    return out;
}

} // namespace makedb::test
