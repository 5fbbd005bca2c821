// fuzz_seeds DIR: writes the seed corpus of every fuzz target into DIR/<target>/, each input made
// by the project's own writers (map streams, icon libraries, bitmaps, JPEG, INI files, engine
// files) or taken from what the program runs (its queries). Seeds stay small, so that a target
// runs thousands of inputs a second.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "SmallDictionary.h"
#include "app/QueryTexts.h"
#include "base/CodePage.h"
#include "makepictures/IconLibraryStream.h"
#include "makepictures/IndexedBmp.h"
#include "map/MapSamples.h"
#include "support/JpegEncoder.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TIniFile.h"

namespace {

namespace fs = std::filesystem;

class Corpus {
public:
    Corpus(const fs::path& root, const char* target) : directory_(root / target) {
        fs::create_directories(directory_);
    }

    void add(std::string_view bytes) {
        fuzz::writeFile((directory_ / ("seed" + std::to_string(++count_))).string(), bytes);
    }
    // Texts are written in the code page the program and the engine read.
    void addText(const char* utf8) { add(base::utf8ToCp1251(utf8)); }

private:
    fs::path directory_;
    int count_ = 0;
};

std::string bmpOf(TBitmap& bitmap) {
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return {stream.Memory(), static_cast<std::size_t>(stream.Size())};
}

// A small picture with a few colours, so that palettes and rows carry something.
void paint(TBitmap& bitmap, int width, int height) {
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.Canvas()->SetPixels(x, y, (x + y) % 3 == 0 ? clRed : (x % 2 ? clNavy : clWhite));
}

void mapSeeds(const fs::path& root) {
    Corpus stream(root, "map_stream");
    Corpus draw(root, "map_draw");
    for (const uint32_t version : {3u, 4u, 5u, 6u}) {
        const std::string bytes = mapstream::WriteMapStream(mapsamples::richDocument(version));
        stream.add(bytes);
        draw.add(bytes);
    }
}

void pictureSeeds(const fs::path& root) {
    TBitmap wide;
    paint(wide, 7, 5);
    TBitmap icon;
    paint(icon, 8, 8);
    Corpus bmp(root, "bmp");
    bmp.add(bmpOf(wide));
    bmp.add(pictures::indexedBmp(icon));
    Corpus library(root, "icon_library");
    library.add(pictures::iconLibraryStream(
        "Default", {{"1", clWhite, true, pictures::indexedBmp(icon)}, {"Flag", clRed, false, bmpOf(wide)}}));
    Corpus jpeg(root, "jpeg");
    const unsigned char orange[] = {230, 120, 40};
    const unsigned char grey[] = {128};
    for (const auto& picture : {testjpeg::encode(8, 8, 3, orange), testjpeg::encode(9, 7, 1, grey),
                                testjpeg::encode(16, 8, 3, orange, /*progressive=*/true)})
        jpeg.add(std::string_view(reinterpret_cast<const char*>(picture.data()), picture.size()));
}

void textSeeds(const fs::path& root, const std::string& scratch) {
    Corpus rtf(root, "rich_text");
    rtf.add(R"({\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman\fcharset204 Times New Roman;}})"
            R"({\colortbl;\red255\green0\blue0;\red0\green0\blue128;}\f0\fs20 \b Valdren\b0  \cf1 red\cf0\par)"
            R"(\pard\qc\f1\fs28 \'c2\'e0\'eb\'e4\'f0\'e5\'ed\par\pard\li360\i italic\i0\tab tab\line next\par})");
    rtf.add(R"({\rtf1\ansi{\*\generator seed;}{\info{\title t}}\uc1\u1042?\u1072?\par{\field{\*\fldinst HYPERLINK "http://example.org"}{\fldrslt link}}\par})");
    const std::string iniPath = scratch + "/seed.ini";
    fuzz::writeFile(iniPath, "; the program's settings\r\n[Main]\r\nVisible=1\r\n");
    TIniFile ini(iniPath);
    ini.WriteString("Map", "Name", "\"data\\city.map\"");
    ini.WriteInteger("Map", "Scale", 250);
    ini.WriteInteger("Window", "Left", -12);
    ini.WriteString("Window", "Name", "$1F");
    Corpus(root, "ini").add(fuzz::readFile(iniPath));
}

void engineSeeds(const fs::path& root, const std::string& scratch) {
    Corpus files(root, "engine_file");
    const std::string dictionary = scratch + "/seed.vdd";
    fuzz::makeSmallDictionary(dictionary);
    files.add(std::string(1, '\0') + fuzz::readFile(dictionary));
    const std::string directory = scratch + "/free";
    fs::create_directories(directory);
    fuzz::makeFreeTable(directory);
    files.add(std::string(1, '\1') + fuzz::readFile(directory + "/T.vdt"));

    Corpus sql(root, "sql");
    for (const char* query : {app::sql::kShowCat, app::sql::kShowPredpr, app::sql::kShowFirm, app::sql::kShowFirm2,
                              app::sql::kShowInfo, app::sql::kShowTopics, app::sql::kObjInfo})
        sql.addText(query);
    for (const char* statement : {
             "SELECT Name, Rate * 2, lower(Name) FROM Office WHERE Born > '2000-01-01' ORDER BY Rate DESC",
             "SELECT Flags, count(*), max(Name) FROM Office GROUP BY Flags HAVING count(*) > 0",
             "SELECT T.Name FROM Topic T LEFT JOIN OfficeTopics O ON O.Topic_Id = T.Topic_Id WHERE T.Name LIKE 'А%'",
             "UPDATE Office SET Flags = Flags + 1 WHERE upper(Name) LIKE 'АЛЬФА%'",
             "INSERT INTO Topic (Name) VALUES (:Name)",
             "DELETE FROM Branch WHERE House = '7'",
             "CREATE TABLE Extra (A CHAR(5), B INTEGER, C LOGICAL, D TIMESTAMP)",
             "CREATE INDEX FLAGS ON Office (Flags)",
             "DROP INDEX Office.NAME",
             "DROP TABLE Branch",
         })
        sql.addText(statement);

    Corpus filter(root, "filter");
    for (const char* expression : {
             "Office_Id = 2",
             "UPPER(Name) = 'РОМАШКА' .OR. Flags > 0",
             "LEFT(Name, 2) = 'Ро' .AND. .NOT. Flags = 1",
             "Born >= CTOD('01.01.2000') .AND. YEAR(Born) < 2005",
             "Rate < 0 .OR. LEN(ALLTRIM(inetref)) > 3",
             "'банк' $ LOWER(Name)",
             "Office_Id >= 1 AND Office_Id <= 2",
             "EMPTY(Notes) .OR. ISNULL(Born)",
             "IIF(Flags = 2, SUBSTR(Name, 2, 3), STR(Rate, 6, 2)) <> DTOS(Born)",
         })
        filter.addText(expression);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 1;
    }
    const fs::path root = argv[1];
    const std::string& scratch = fuzz::scratchDirectory();
    mapSeeds(root);
    pictureSeeds(root);
    textSeeds(root, scratch);
    engineSeeds(root, scratch);
    fs::remove_all(scratch);
    return 0;
}
