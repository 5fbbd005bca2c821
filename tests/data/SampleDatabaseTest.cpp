// The sample database against the builder's plan, read through the components as the program
// reads it: the city map blob, the Category, Street and Topic tables in their index order, and
// the program's seven queries giving exactly the planned rows.
#include <algorithm>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "DataFixture.h"
#include "app/QueryTexts.h"
#include "base/CodePage.h"
#include "base/SortWeight.h"
#include "citycategories/CityCategory.h"
#include "data/TDbQuery.h"
#include "data/TDbTable.h"
#include "makedb/DatabaseWriter.h"
#include "makedb/DirectoryPlan.h"
#include "makedb/MapCategoryPatch.h"
#include "toolkit/AnsiStrings.h"
#include "toolkit/TBlobField.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TStringList.h"
#include "tools/makedb/SampleCity.h"

namespace datatest {
namespace {

using Rows = std::vector<std::string>;

// A row's fields joined by "|".
std::string rowOf(TDataSet& d, std::initializer_list<const char*> fields) {
    std::string row;
    for (const char* field : fields)
        row += (row.empty() ? "" : "|") + d.FieldByName(field)->AsString();
    return row;
}

Rows rows(TDataSet& d, std::initializer_list<const char*> fields) {
    Rows out;
    for (d.First(); !d.Eof(); d.Next())
        out.push_back(rowOf(d, fields));
    EXPECT_EQ(int(out.size()), d.RecordCount());
    return out;
}

Rows sorted(Rows rows) {
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::string firmOf(const makedb::Firm& f) {
    return std::to_string(f.id) + "|" + f.name + "|" + std::to_string(f.flags) + "|" + f.inetref;
}

const makedb::DirectoryPlan& plan() {
    static const makedb::DirectoryPlan p =
        makedb::DirectoryPlan::make(makedb::test::bundledManifest(), makedb::test::wordLists());
    return p;
}

class SampleDatabaseTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        ASSERT_TRUE(SetCurrentDir(BUILD_DIR));
        TDbConnection* c = dictionaryConnection();
        c->SetConnectPath("data\\mapdata.vdd");
        c->Username = "USER";
        c->Password = makedb::DatabaseWriter::kPassword;
        c->ReadOnly = true;
    }

    TDbTable* table(const char* name, const char* index) {
        auto* t = new TDbTable(&owner);
        t->SetDatabaseName("DbConnection1");
        t->SetTableName(name);
        t->SetIndexName(index);
        t->Open();
        return t;
    }

    // The query's rows, in any order, are the expected ones; its Name rises by the sort weights.
    void expectQuery(const char* text, const std::vector<std::pair<const char*, AnsiString>>& params,
                     std::initializer_list<const char*> fields, const Rows& expected, const std::string& what) {
        SCOPED_TRACE(what);
        if (queries.count(text) == 0) {
            queries[text] = new TDbQuery(&owner);
            queries[text]->SetDatabaseName("DbConnection1");
            queries[text]->SQL()->SetText(text);
        }
        TDbQuery& q = *queries[text];
        q.Close();
        for (const auto& [param, value] : params)
            q.ParamByName(param)->SetAsString(value);
        q.Open();
        const Rows actual = rows(q, fields);
        if (q.FindField("Name") != nullptr) {
            const Rows names = rows(q, {"Name"});
            for (size_t i = 1; i < names.size(); ++i)
                EXPECT_LE(base::compareTextCp1251(names[i - 1], names[i]), 0) << names[i - 1] << " / " << names[i];
        }
        EXPECT_EQ(sorted(actual), sorted(expected));
    }

    std::map<const char*, TDbQuery*> queries;
};

TEST_F(SampleDatabaseTest, TablesHoldTheCityMapAndThePlannedNames) {
    TDbTable* city = table("city", "");
    TMemoryStream map;
    static_cast<TBlobField*>(city->FieldByName("citymap"))->SaveToStream(map);
    TMemoryStream built;
    built.LoadFromFile(CITY_MAP);
    std::string expected;
    std::string error;
    makedb::MapCategoryPatch patch;
    ASSERT_TRUE(patch.apply(std::string(built.Memory(), size_t(built.Size())), expected, error)) << error;
    EXPECT_TRUE(std::string(map.Memory(), size_t(map.Size())) == expected) << "the city map blob byte for byte";

    Rows categories;
    for (const city::CityCategory& c : city::cityCategories())
        if (c.id != city::cat::Undetermined)
            categories.push_back(std::to_string(c.id) + "|" + base::utf8ToCp1251(c.name));
    EXPECT_EQ(rows(*table("Category", "CAT_ID"), {"Cat_Id", "Name"}), categories);
    EXPECT_EQ(rows(*table("Street", "NAME"), {"Name"}), sorted(plan().streets)) << "bytewise order";
    EXPECT_EQ(rows(*table("Topic", "NAME"), {"Name"}), sorted(plan().rubrics));
}

TEST_F(SampleDatabaseTest, ProgramQueriesGiveThePlannedRows) {
    expectQuery(app::sql::kShowCat, {{"Name", "%%"}}, {"Name"}, plan().rubrics, "every rubric");
    const std::string part = AnsiUpperCase(plan().rubrics[3].substr(1, 3));
    Rows containing;
    for (const std::string& r : plan().rubrics)
        if (AnsiUpperCase(r).find(part) != std::string::npos)
            containing.push_back(r);
    expectQuery(app::sql::kShowCat, {{"Name", "%" + part + "%"}}, {"Name"}, containing, "rubrics with a part");

    for (const std::string& initial : {std::string("%"), base::utf8ToCp1251("К%"), std::string("1%")}) {
        Rows firms;
        for (const makedb::Firm& f : plan().firms)
            if (AnsiUpperCase(f.name).rfind(initial.substr(0, initial.size() - 1), 0) == 0)
                firms.push_back(std::to_string(f.id) + "|" + f.name);
        expectQuery(app::sql::kShowPredpr, {{"Name", initial}}, {"Office_Id", "Name"}, firms, "firms " + initial);
    }

    std::map<int32_t, std::vector<const makedb::Firm*>> byRubric;
    for (const makedb::Firm& f : plan().firms)
        for (int32_t t : f.topics)
            byRubric[t].push_back(&f);
    const auto largest = std::max_element(byRubric.begin(), byRubric.end(),
                                          [](const auto& a, const auto& b) { return a.second.size() < b.second.size(); });
    Rows firms;
    for (const makedb::Firm* f : largest->second)
        firms.push_back(firmOf(*f));
    const auto firm = {"Office_Id", "Name", "Flags", "inetref"};
    expectQuery(app::sql::kShowFirm, {{"Topic_Id", std::to_string(largest->first)}}, firm, firms, "largest rubric");

    // The cards of the rubric's firms: their branches and rubrics.
    for (const makedb::Firm* f : largest->second) {
        Rows branches;
        for (const makedb::Branch& b : f->branches)
            branches.push_back(b.street + "|" + b.house + "|" + b.apartment + "|" + b.contact);
        const std::string id = std::to_string(f->id);
        expectQuery(app::sql::kShowInfo, {{"Office_Id", id}}, {"Street", "House", "Apartment", "Contact"}, branches,
                    f->name);
        Rows topics;
        for (int32_t t : f->topics)
            topics.push_back(plan().rubrics.at(size_t(t - 1)));
        expectQuery(app::sql::kShowTopics, {{"Office_Id", id}}, {"Name"}, topics, f->name);
        expectQuery(app::sql::kShowFirm2, {{"Office_Id", id}}, firm, {firmOf(*f)}, f->name);
    }

    const makedb::Branch* mapped = nullptr;
    Rows there;
    for (const makedb::Firm& f : plan().firms)
        for (const makedb::Branch& b : f.branches) {
            mapped = mapped == nullptr && b.mapObject != 0 ? &b : mapped;
            if (mapped != nullptr && b.street == mapped->street && b.house == mapped->house)
                there.push_back(firmOf(f));
        }
    ASSERT_NE(mapped, nullptr);
    there.erase(std::unique(there.begin(), there.end()), there.end());
    expectQuery(app::sql::kObjInfo, {{"Street", mapped->street}, {"House", mapped->house}}, firm, there, "address");
    // No house number of the sample holds a blank.
    expectQuery(app::sql::kObjInfo, {{"Street", mapped->street}, {"House", "1 0"}}, firm, {}, "no firms");
}

} // namespace
} // namespace datatest
