// Reading map streams of every version, and of every truncation and corruption, into complete
// records or a clear report of the damage.
#include "map/MapStreamReader.h"

#include <cstring>
#include <optional>
#include <random>

#include <gtest/gtest.h>

#include "map/MapSamples.h"
#include "map/MapStreamLayout.h"
#include "toolkit/AnsiString.h"

namespace {

using mapsamples::document;
using mapsamples::pointObject;
using mapsamples::richDocument;

struct Loaded {
    TKEXMapHeader header;
    mapi::StreetDictionary names;
    TKexMapList objects;
    mapi::MapReadResult result;
    std::vector<int> progress;
};

// Reads bytes placed after `junk`, from the stream's position just past it.
Loaded read(const std::string& bytes, const std::string& junk = "") {
    Loaded loaded;
    loaded.header.Scale = 100;
    TMemoryStream stream = mapsamples::streamOf(junk + bytes);
    stream.SetPosition(static_cast<int64_t>(junk.size()));
    mapi::MapStreamReader reader(stream);
    reader.OnProgress = [&](int position) { loaded.progress.push_back(position); };
    loaded.result = reader.Read(loaded.header, loaded.names, loaded.objects);
    return loaded;
}

// The fields only a conversion sets, reset so that loads of different versions compare equal.
void normalise(TKexMapList& objects) {
    for (int i = 0; i < objects.Count(); ++i) {
        objects[i].Reserved1 = 0;
        objects[i].Center = {};
        if (TKexMapList* children = objects[i].Children())
            normalise(*children);
    }
}

TEST(MapStreamReaderTest, CurrentVersionLoadsEveryKindAsWrittenFromTheStreamsPosition) {
    const mapstream::MapDocument map = richDocument(6);
    const Loaded loaded = read(mapstream::WriteMapStream(map), "junk");
    ASSERT_FALSE(loaded.result.damaged) << loaded.result.message;
    EXPECT_EQ(loaded.objects, map.Objects);
    TKEXMapHeader header = map.Header;
    header.ObjectCount = map.Objects.Count();
    header.StreetCount = 2;
    EXPECT_EQ(loaded.header, header);
    EXPECT_EQ(loaded.names.Find(tk::fromUtf8("садовая")), 2);
}

TEST(MapStreamReaderTest, SameContentInVersionsThreeToSixLoadsEqual) {
    const mapstream::MapDocument content = richDocument(3);
    std::vector<TKexMapList> loads;
    for (uint32_t version : {3u, 4u, 5u, 6u}) {
        mapstream::MapDocument map = document(version);
        map.Objects = content.Objects;
        Loaded loaded = read(mapstream::WriteMapStream(map));
        ASSERT_FALSE(loaded.result.damaged) << version << ": " << loaded.result.message;
        normalise(loaded.objects);
        loads.push_back(std::move(loaded.objects));
    }
    for (std::size_t i = 1; i < loads.size(); ++i)
        EXPECT_EQ(loads[i], loads[0]) << "version " << i + 3;
}

// The texts of the sample load equal from every version: below 6 their angles lie on the stream
// in whole degrees, 45 for the sample's 450 tenths.
TEST(MapStreamReaderTest, TextAnglesBelowVersionSixAreWholeDegrees) {
    mapstream::MapDocument map = document(5);
    map.Objects.AddObjectCopy(mapsamples::textObject({1, 2}, 450, "A"));
    const std::string bytes = mapstream::WriteMapStream(map);
    int32_t stored = 0;
    std::memcpy(&stored, bytes.data() + bytes.size() - mapi::kTextSize + 8, 4);
    EXPECT_EQ(stored, 45);
    EXPECT_EQ(read(bytes).objects[0].Text()->Angle, 450);
}

TEST(MapStreamReaderTest, OldNoteBecomesDefaultLibraryNote) {
    mapstream::MapDocument map = document(4);
    map.Objects.AddObjectCopy(mapsamples::noteObject({5, 6}, "ANY", "12", "hello"));
    const Loaded loaded = read(mapstream::WriteMapStream(map));
    ASSERT_EQ(loaded.objects.Count(), 1);
    const TKEXMapZametka* note = loaded.objects[0].Note();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->LibName.str(), "DEFAULT");
    EXPECT_EQ(note->PicName.str(), "12");
    EXPECT_EQ(note->Reserved, 330);
    EXPECT_EQ(note->Text.str(), "hello");
    EXPECT_EQ(note->Anchor, (mapi::WorldPoint{5, 6}));
}

TEST(MapStreamReaderTest, OldRecordGetsReservedFieldsCentreAndAddress) {
    mapstream::MapDocument map = document(3);
    map.Objects.AddObjectCopy(mapsamples::withAddress(
        pointObject(mapi::kindPolygon, {{10, 20}, {30, 20}, {30, 60}}), 2, "123456"));
    map.Objects.AddObjectCopy(mapsamples::textObject({7, 8}, 0, "T"));
    const Loaded loaded = read(mapstream::WriteMapStream(map));
    ASSERT_EQ(loaded.objects.Count(), 2);
    const TKEXMapObjectMem& polygon = loaded.objects[0];
    EXPECT_EQ(polygon.Reserved1, -1);
    EXPECT_EQ(polygon.Reserved2, 0);
    EXPECT_EQ(polygon.Center, (mapi::WorldPoint{20, 40}));
    ASSERT_TRUE(polygon.HasAddress());
    EXPECT_EQ(polygon.Address->StreetId, 2);
    EXPECT_EQ(polygon.Address->House.str(), "1234"); // the old block holds four characters
    EXPECT_EQ(loaded.objects[1].Center, (mapi::WorldPoint{7, 8}));
}

TEST(MapStreamReaderTest, TwoPointEllipseGetsFourCornersLockedOrNot) {
    for (uint32_t version : {3u, 6u}) {
        mapstream::MapDocument map = document(version);
        TKEXMapObjectMem ellipse = pointObject(mapi::kindEllipse, {{10, 20}, {30, 40}});
        map.Objects.AddObjectCopy(ellipse);
        ellipse.Locked = 1;
        map.Objects.AddObjectCopy(ellipse);
        const Loaded loaded = read(mapstream::WriteMapStream(map));
        ASSERT_EQ(loaded.objects.Count(), 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(loaded.objects[i].Count, 4);
            const std::vector<mapi::WorldPoint> expected{{10, 20}, {30, 20}, {30, 40}, {10, 40}};
            EXPECT_TRUE(std::ranges::equal(loaded.objects[i].Points(), expected)) << version;
        }
    }
}

// The stored object count rules from version 4; older streams read to their end whatever it says,
// and a newer version is read no further than its street names (and is damage, below).
TEST(MapStreamReaderTest, StoredCountAndVersionDecideHowFarTheReaderGoes) {
    const struct {
        const char* what;
        uint32_t version;
        std::optional<int32_t> count;
        bool damaged;
        int objects, names;
    } streams[] = {
        {"zero objects", 6, 0, false, 0, 0},
        {"negative count", 5, -3, true, 0, 2},
        {"old stream, count too low", 2, 1, false, -1, 2},
        {"newer version", 7, {}, true, 0, 2},
    };
    for (const auto& s : streams) {
        SCOPED_TRACE(s.what);
        const mapstream::MapDocument map = richDocument(s.version);
        const Loaded loaded = read(mapstream::WriteMapStream(map, {.ObjectCount = s.count, .StreetCount = {}}));
        const int objects = s.objects < 0 ? map.Objects.Count() : s.objects;
        EXPECT_EQ(loaded.result.damaged, s.damaged);
        EXPECT_EQ(loaded.objects.Count(), objects);
        EXPECT_EQ(loaded.names.Count(), s.names);
        if (!s.damaged) {
            EXPECT_EQ(loaded.header.ObjectCount, objects);
            EXPECT_EQ(loaded.header.Version, s.version);
        }
        if (s.version <= 6 && !s.damaged) {
            EXPECT_EQ(loaded.progress, std::vector<int>{100});
        }
    }
}

// Random bytes most likely name a layout the reader does not know: that is the reason given, even
// when what follows the header is cut short or the header says the map is empty.
TEST(MapStreamReaderTest, UnknownVersionIsDamageNamedByItsNumber) {
    const std::string seven = mapstream::WriteMapStream(richDocument(7));
    const mapstream::MapDocument empty = document(0xFFFFFFFFu);
    const struct {
        const char* what;
        std::string bytes;
        const char* message;
        int names;
    } streams[] = {
        {"whole", seven, "unknown map format version 7", 2},
        {"street names cut short", seven.substr(0, mapi::kHeaderSize + 50), "unknown map format version 7", 1},
        {"no objects", mapstream::WriteMapStream(empty), "unknown map format version 4294967295", 0},
    };
    for (const auto& s : streams) {
        SCOPED_TRACE(s.what);
        const Loaded loaded = read(s.bytes);
        EXPECT_TRUE(loaded.result.damaged);
        EXPECT_EQ(loaded.result.message, s.message);
        EXPECT_EQ(loaded.objects.Count(), 0);
        EXPECT_EQ(loaded.names.Count(), s.names);
    }
}

// A header of zeros says version 0 and no objects: an intact empty map, whatever zeros follow.
TEST(MapStreamReaderTest, ZerosAreAnIntactEmptyMap) {
    for (const std::size_t size : {std::size_t{mapi::kHeaderSize}, std::size_t{4096}}) {
        const Loaded loaded = read(std::string(size, '\0'));
        EXPECT_FALSE(loaded.result.damaged) << size << ": " << loaded.result.message;
        EXPECT_EQ(loaded.header.Version, 0u);
        EXPECT_EQ(loaded.objects.Count(), 0);
        EXPECT_EQ(loaded.progress, std::vector<int>{100});
    }
}

TEST(MapStreamReaderTest, DuplicateStreetNameKeepsTheFirstId) {
    mapstream::MapDocument map = richDocument(6);
    map.Streets.push_back({tk::fromUtf8("ленина"), 9});
    map.Streets.push_back({tk::fromUtf8("Ленина"), 8});
    const Loaded loaded = read(mapstream::WriteMapStream(map));
    EXPECT_EQ(loaded.names.Count(), 2);
    EXPECT_EQ(loaded.names.Find(tk::fromUtf8("ЛЕНИНА")), 1);
}

TEST(MapStreamReaderTest, ProgressEveryHundredTopLevelRecordsAndAtTheEnd) {
    mapstream::MapDocument map = document(5);
    for (int i = 0; i < 250; ++i)
        map.Objects.AddObjectCopy(pointObject(mapi::kindPixels, {{float(i), 0}}));
    EXPECT_EQ(read(mapstream::WriteMapStream(map)).progress, (std::vector<int>{40, 80, 100}));

    map.Header.Version = 3; // read to the end: a stored count below the records read
    EXPECT_EQ(
        read(mapstream::WriteMapStream(map, {.ObjectCount = 100, .StreetCount = {}})).progress,
        (std::vector<int>{100, 100, 100}));
}

TEST(MapStreamReaderTest, EveryPrefixOfSmallStreamsLoadsCompleteRecordsOnly) {
    for (uint32_t version : {3u, 4u, 6u}) {
        const mapstream::MapDocument map = richDocument(version);
        const std::string bytes = mapstream::WriteMapStream(map);
        int previous = 0;
        for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
            const Loaded loaded = read(bytes.substr(0, cut));
            const int n = loaded.objects.Count();
            ASSERT_GE(n, previous) << version << " cut " << cut;
            ASSERT_LT(n, map.Objects.Count()) << version << " cut " << cut;
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(loaded.objects[i].Id, map.Objects[i].Id);
            if (version >= 4 || cut < mapi::kHeaderSize) {
                ASSERT_TRUE(loaded.result.damaged) << version << " cut " << cut;
            }
            if (loaded.result.damaged) {
                ASSERT_NE(loaded.result.message.find("at byte"), std::string::npos);
            }
            previous = n;
        }
    }
}

TEST(MapStreamReaderTest, OldStreamCutAtARecordBoundaryIsIntact) {
    mapstream::MapDocument map = document(3);
    map.Objects.AddObjectCopy(pointObject(mapi::kindPixels, {{1, 1}}));
    const std::string one = mapstream::WriteMapStream(map);
    map.Objects.AddObjectCopy(pointObject(mapi::kindPixels, {{2, 2}}));
    const Loaded loaded = read(mapstream::WriteMapStream(map).substr(0, one.size()));
    EXPECT_FALSE(loaded.result.damaged);
    EXPECT_EQ(loaded.objects.Count(), 1);
}

TEST(MapStreamReaderTest, ImpossibleCountsAreDamageNamingRecordAndByte) {
    mapstream::MapDocument map = document(6);
    map.Objects.AddObjectCopy(pointObject(mapi::kindPixels, {{1, 1}}));
    TKEXMapObjectMem broken = pointObject(mapi::kindPolygon, {{0, 0}, {1, 0}, {1, 1}});
    for (int32_t count : {-1, 0x7fffffff, 1000}) {
        broken.Count = count;
        map.Objects.PutObjectRecord(1, broken);
        const Loaded loaded = read(mapstream::WriteMapStream(map));
        EXPECT_TRUE(loaded.result.damaged) << count;
        EXPECT_EQ(loaded.objects.Count(), 1) << count;
        // Header 602, two street names of 43, record 0 of 83 with one point.
        EXPECT_NE(loaded.result.message.find("record 1 (from byte 779)"), std::string::npos)
            << loaded.result.message;
    }
}

TEST(MapStreamReaderTest, GroupsNestedDeeperThanSixtyFourLevelsAreDamage) {
    for (int depth : {64, 65}) {
        TKEXMapObjectMem nested = pointObject(mapi::kindPixels, {{1, 1}});
        for (int level = 0; level < depth; ++level)
            nested = mapsamples::groupObject({nested});
        mapstream::MapDocument map = document(6);
        map.Objects.AddObjectCopy(nested);
        const Loaded loaded = read(mapstream::WriteMapStream(map));
        EXPECT_EQ(loaded.result.damaged, depth > 64) << depth;
        EXPECT_EQ(loaded.objects.Count(), depth > 64 ? 0 : 1) << depth;
    }
}

TEST(MapStreamReaderTest, GroupKindBelowVersionFourIsSkippedAndReadingGoesOn) {
    mapstream::MapDocument map = document(3);
    TKEXMapObjectMem raw;
    raw.SetBitmap({1, 2, 3, 4, 5, 6, 7});
    raw.Kind = mapi::kindGroup;
    map.Objects.AddObjectCopy(raw);
    map.Objects.AddObjectCopy(pointObject(mapi::kindPixels, {{4, 4}}));
    const Loaded loaded = read(mapstream::WriteMapStream(map));
    EXPECT_FALSE(loaded.result.damaged);
    ASSERT_EQ(loaded.objects.Count(), 1);
    EXPECT_EQ(loaded.objects[0].Kind, mapi::kindPixels);
}

// Counts and payloads agree in every record the reader made, children included.
void expectConsistent(const TKexMapList& objects) {
    for (int i = 0; i < objects.Count(); ++i) {
        const TKEXMapObjectMem& record = objects[i];
        if (mapi::isPointKind(record.Kind)) {
            ASSERT_EQ(static_cast<int64_t>(record.Points().size()), record.Count);
        }
        if (record.Kind == mapi::kindBitmap) {
            ASSERT_EQ(static_cast<int64_t>(record.Bitmap().size()), record.Count);
        }
        if (record.Kind == mapi::kindGroup) {
            ASSERT_NE(record.Children(), nullptr);
            ASSERT_EQ(record.Children()->Count(), record.Count);
            expectConsistent(*record.Children());
        }
    }
}

TEST(MapStreamReaderTest, CorruptedBytesGiveConsistentRecordsOrDamage) {
    const unsigned seed = 1206;
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    for (uint32_t version : {3u, 4u, 6u}) {
        const std::string intact = mapstream::WriteMapStream(richDocument(version));
        std::uniform_int_distribution<std::size_t> where(0, intact.size() - 1);
        std::uniform_int_distribution<int> byte(0, 255);
        for (int round = 0; round < 1500; ++round) {
            std::string bytes = intact;
            for (int flips = 1 + round % 4; flips > 0; --flips)
                bytes[where(random)] = static_cast<char>(byte(random));
            const Loaded loaded = read(bytes);
            ASSERT_EQ(loaded.header.ObjectCount, loaded.objects.Count())
                << version << " round " << round;
            expectConsistent(loaded.objects);
            for (int position : loaded.progress) {
                ASSERT_TRUE(position >= 0 && position <= 100);
            }
        }
    }
}

} // namespace
