// SQL parameter lists: parsing the markers of a statement and copying values by name.
#include "toolkit/TParams.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/Exception.h"

namespace {

// One case of the marker vectors shared with the engine.
struct MarkerCase {
    int line = 0;
    std::string sql, out;
    std::vector<std::string> names;
};

std::string unescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            out += s[i + 1] == 'n' ? '\n' : s[i + 1];
            ++i;
            continue;
        }
        out += s[i];
    }
    return out;
}

std::string after(const std::string& line, const std::string& tag) {
    if (line.rfind(tag, 0) != 0)
        throw std::runtime_error("expected \"" + tag + "\" in: " + line);
    return line.size() > tag.size() ? line.substr(tag.size() + 1) : "";
}

std::vector<MarkerCase> loadMarkerCases() {
    const auto path = std::filesystem::path(__FILE__).parent_path() / ".." / "support" / "SqlParamVectors.txt";
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::vector<std::string> lines;
    std::vector<int> numbers;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n)
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
            numbers.push_back(n);
        }
    std::vector<MarkerCase> cases;
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
        MarkerCase c;
        c.line = numbers[i];
        c.sql = tk::fromUtf8(unescape(after(lines[i], "sql:")));
        c.out = tk::fromUtf8(unescape(after(lines[i + 1], "out:")));
        std::string names = after(lines[i + 2], "names:");
        for (std::size_t p = 0; p < names.size();) {
            const std::size_t blank = std::min(names.find(' ', p), names.size());
            c.names.push_back(tk::fromUtf8(names.substr(p, blank - p)));
            p = blank + 1;
        }
        cases.push_back(c);
    }
    return cases;
}

TEST(TParamsTest, ParseSqlAgreesWithTheSharedMarkerVectors) {
    const std::vector<MarkerCase> cases = loadMarkerCases();
    ASSERT_GE(cases.size(), 15u);
    for (const MarkerCase& c : cases) {
        TParams params;
        EXPECT_EQ(params.ParseSQL(c.sql, /*DoCreate=*/true), c.out) << "case at line " << c.line;
        std::vector<std::string> names;
        for (int i = 0; i < params.Count(); ++i)
            names.push_back(params[i]->Name());
        EXPECT_EQ(names, c.names) << "case at line " << c.line;
    }
}

TEST(TParamsTest, ParseSqlCreatesUnknownItemsOnlyWhenAsked) {
    TParams params;
    params.ParseSQL("select * from t where a = :a", /*DoCreate=*/false);
    EXPECT_EQ(params.Count(), 0);
    params.ParseSQL("select * from t where a = :a", /*DoCreate=*/true);
    ASSERT_EQ(params.Count(), 1);
    EXPECT_EQ(params[0]->DataType(), ftUnknown);
    EXPECT_FALSE(params[0]->Bound());
    EXPECT_TRUE(params[0]->IsNull());
}

TEST(TParamsTest, ParamByNameIgnoresCaseAndNamesTheMissingOne) {
    TParams params;
    params.ParseSQL(tk::fromUtf8("where Name = :Name and Street = :Улица"), true);
    EXPECT_EQ(params.ParamByName("NAME"), params[0]);
    EXPECT_EQ(params.ParamByName(tk::fromUtf8("УЛИЦА")), params[1]);
    EXPECT_EQ(params.FindParam("House"), nullptr);
    try {
        params.ParamByName("House");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Parameter 'House' not found");
    }
}

TEST(TParamsTest, AssignValuesCopiesByNameIntoTheFirstOfThatName) {
    TParams old;
    old.ParseSQL(":Office_Id :Gone", true);
    old.ParamByName("Office_Id")->SetAsString("17");
    old.ParamByName("Gone")->SetAsInteger(5);

    TParams fresh;
    fresh.ParseSQL(":office_id :New :office_id", true);
    fresh.AssignValues(old);
    EXPECT_EQ(fresh[0]->AsString(), "17");
    EXPECT_EQ(fresh[0]->Name(), "Office_Id") << "Assign takes the name as written in the source";
    EXPECT_TRUE(fresh[0]->Bound());
    EXPECT_TRUE(fresh[1]->IsNull());
    EXPECT_TRUE(fresh[2]->IsNull()) << "only the first parameter of a repeated name takes the value";
}

TEST(TParamsTest, AssignCopiesEveryItem) {
    TParams a;
    a.ParseSQL(":x :y", true);
    a[1]->SetAsFloat(2.5);
    TParams b;
    b.Assign(a);
    ASSERT_EQ(b.Count(), 2);
    EXPECT_EQ(b[0]->Name(), "x");
    EXPECT_EQ(b[1]->DataType(), ftFloat);
    EXPECT_DOUBLE_EQ(b[1]->AsFloat(), 2.5);
}

} // namespace
