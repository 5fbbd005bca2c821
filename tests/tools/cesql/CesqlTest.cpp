// cesql run as a process on a directory of free tables and on a dictionary: JSON lines in UTF-8,
// affected-row counts, bound parameters, and engine errors on standard error with exit code 1.
#include "engine/CeEngine.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ProcessRun.h"
#include "support/TempDirectory.h"

namespace {

using testsupport::ProcessRun;

ProcessRun cesql(const std::vector<std::string>& args, bool errors = false) {
    return testsupport::runProcess(CESQL_PATH, args, errors);
}

class CesqlTest : public testing::Test {
protected:
    testsupport::TempDirectory dir_;
};

TEST_F(CesqlTest, DirectoryTablesAsJsonLines) {
    const ProcessRun run = cesql({dir_.path().string(), "--type", "3", "CREATE TABLE streets (NAME CHAR(20), LEN DOUBLE, OPENED DATE, OK LOGICAL)",
                           "INSERT INTO streets VALUES ('ЛЕСНАЯ', 1.5, 2451545, 1), ('Садовая \"2\"', 2, NULL, 0)",
                           "SELECT * FROM streets ORDER BY NAME"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "{\"affected\":0}\n{\"affected\":2}\n"
                          "{\"NAME\":\"ЛЕСНАЯ\",\"LEN\":1.5,\"OPENED\":\"2000-01-01\",\"OK\":true}\n"
                          "{\"NAME\":\"Садовая \\\"2\\\"\",\"LEN\":2,\"OPENED\":null,\"OK\":false}\n");
}

TEST_F(CesqlTest, ParametersAreBoundByName) {
    ASSERT_EQ(cesql({dir_.path().string(), "CREATE TABLE t (A CHAR(5))", "INSERT INTO t VALUES ('ёж'), ('кот')"}).exitCode, 0);
    const ProcessRun run = cesql({dir_.path().string(), "--param", "name=ЁЖ", "SELECT A FROM t WHERE upper(A) = :Name"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "{\"A\":\"ёж\"}\n");
}

TEST_F(CesqlTest, DictionaryLoginAndErrors) {
    CEHANDLE admin = 0;
    const std::string vdd = (dir_ / "db.vdd").string();
    ASSERT_EQ(CeDDCreate(vdd.c_str(), 0, "", &admin), 0u);
    ASSERT_EQ(CeDDCreateUser(admin, "", "USER", "secret", ""), 0u);
    ASSERT_EQ(CeDisconnect(admin), 0u);
    EXPECT_EQ(cesql({vdd, "--user", "USER", "--password", "secret", "SELECT 1 AS ONE"}).output, "{\"ONE\":1}\n");
    const ProcessRun refused = cesql({vdd, "--user", "USER", "--password", "wrong", "SELECT 1"}, /*errors=*/true);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.output.rfind("error 5120: ", 0), 0u) << refused.output;
    const ProcessRun bad = cesql({vdd, "SELECT nosuch FROM nowhere"}, /*errors=*/true);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.output.rfind("error 7200: ", 0), 0u) << bad.output;
    EXPECT_EQ(cesql({vdd}).exitCode, 2);
}

} // namespace
