// Random appends, edits and deletes against a model: after every few steps each order walked
// through a second handle equals the model, and at the end an image built afresh from the file
// equals the one maintained in memory. Prints its seed; CE_TEST_SEED=n replays one.
#include "EngineFixture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

namespace {

class TableCursorTest : public EngineFixture {
protected:
    struct Row {
        std::string name;
        int32_t n;
    };

    static std::string padded(std::string name) {
        name.resize(6, ' ');
        return name;
    }

    // The model's record numbers in NAME order (case-insensitive ASCII here), then in N order
    // restricted to N > 0 (the condition of order POS).
    std::vector<uint32_t> expected(const std::map<uint32_t, Row>& model, bool byName) const {
        std::vector<uint32_t> order;
        for (const auto& [recno, row] : model)
            if (byName || row.n > 0)
                order.push_back(recno);
        std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
            const Row& x = model.at(a);
            const Row& y = model.at(b);
            if (byName) {
                std::string kx = padded(x.name), ky = padded(y.name);
                std::transform(kx.begin(), kx.end(), kx.begin(), ::toupper);
                std::transform(ky.begin(), ky.end(), ky.begin(), ::toupper);
                return kx != ky ? kx < ky : a < b;
            }
            return x.n != y.n ? x.n < y.n : a < b;
        });
        return order;
    }

    static std::vector<uint32_t> walk(CEHANDLE table, CEHANDLE order) {
        std::vector<uint32_t> seen;
        EXPECT_EQ(CeGotoTop(order), 0u);
        while (!atEof(table)) {
            seen.push_back(recno(table));
            EXPECT_EQ(CeSkip(order, 1), 0u);
        }
        return seen;
    }
};

TEST_F(TableCursorTest, RandomEditsKeepImageOrdersAndFileInStep) {
    const char* given = std::getenv("CE_TEST_SEED");
    const uint32_t seed = given ? static_cast<uint32_t>(std::strtoul(given, nullptr, 10)) : std::random_device{}();
    std::printf("seed %u\n", seed);
    std::mt19937 random(seed);
    const CEHANDLE c = dictionary({"CREATE TABLE T (NAME CHAR(6), N INTEGER)", "CREATE INDEX NAME ON T (UPPER(NAME))",
                                   "CREATE INDEX POS ON T (N) FOR N > 0"});
    const CEHANDLE writer = open(c, "T");
    CEHANDLE reader = open(c, "T");
    std::map<uint32_t, Row> model;
    auto randomName = [&] {
        std::string name;
        for (size_t n = 1 + random() % 3; n > 0; --n)
            name += "abcABC"[random() % 6];
        return name;
    };
    for (int step = 0; step < 300; ++step) {
        const unsigned op = random() % 3;
        if (op == 0 || model.empty()) {
            const Row row{randomName(), static_cast<int32_t>(random() % 21) - 10};
            ASSERT_EQ(CeAppendRecord(writer), 0u);
            ASSERT_EQ(CeSetField(writer, "NAME", row.name.data(), static_cast<uint32_t>(row.name.size())), 0u);
            ASSERT_EQ(CeSetFieldRaw(writer, "N", &row.n, 4), 0u);
            model[recno(writer)] = row;
            ASSERT_EQ(CeWriteRecord(writer), 0u);
            continue;
        }
        auto it = model.begin();
        std::advance(it, random() % model.size());
        ASSERT_EQ(CeGotoRecord(writer, it->first), 0u);
        if (op == 1) {
            it->second = Row{randomName(), static_cast<int32_t>(random() % 21) - 10};
            ASSERT_EQ(CeSetField(writer, "NAME", it->second.name.data(), static_cast<uint32_t>(it->second.name.size())), 0u);
            ASSERT_EQ(CeSetFieldRaw(writer, "N", &it->second.n, 4), 0u);
            ASSERT_EQ(CeWriteRecord(writer), 0u);
        } else {
            ASSERT_EQ(CeDeleteRecord(writer), 0u);
            ASSERT_EQ(CeWriteRecord(writer), 0u);
            model.erase(it);
        }
        if (step % 25 == 0) {
            ASSERT_EQ(walk(reader, index(reader, "NAME")), expected(model, true)) << "step " << step;
            ASSERT_EQ(walk(reader, index(reader, "POS")), expected(model, false)) << "step " << step;
        }
    }
    EXPECT_EQ(CeCloseTable(writer), 0u);
    EXPECT_EQ(CeCloseTable(reader), 0u);
    reader = open(c, "T");
    EXPECT_EQ(walk(reader, index(reader, "NAME")), expected(model, true));
    EXPECT_EQ(walk(reader, index(reader, "POS")), expected(model, false));
    for (const auto& [recno, row] : model) {
        ASSERT_EQ(CeGotoRecord(reader, recno), 0u);
        EXPECT_EQ(text(reader, "NAME"), row.name);
    }
    EXPECT_EQ(CeCloseTable(reader), 0u);
}

} // namespace
