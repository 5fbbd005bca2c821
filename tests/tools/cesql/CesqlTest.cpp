// cesql run as a process on a directory of free tables and on a dictionary: JSON lines in UTF-8,
// affected-row counts, bound parameters, and engine errors on standard error with exit code 1.
#include "engine/CeEngine.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include "support/TempDirectory.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string output;
};

std::string shellQuoted(const std::string& arg) {
    std::string out = "'";
    for (char c : arg)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

ToolRun cesql(const std::vector<std::string>& args, bool errors = false) {
    std::string command = CESQL_PATH;
    for (const std::string& arg : args)
        command += " " + shellQuoted(arg);
    command += errors ? " 2>&1 >/dev/null" : " 2>/dev/null";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class CesqlTest : public testing::Test {
protected:
    testsupport::TempDirectory dir_;
};

TEST_F(CesqlTest, DirectoryTablesAsJsonLines) {
    const ToolRun run = cesql({dir_.path().string(), "--type", "3", "CREATE TABLE streets (NAME CHAR(20), LEN DOUBLE, OPENED DATE, OK LOGICAL)",
                           "INSERT INTO streets VALUES ('ЛЕСНАЯ', 1.5, 2451545, 1), ('Садовая \"2\"', 2, NULL, 0)",
                           "SELECT * FROM streets ORDER BY NAME"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "{\"affected\":0}\n{\"affected\":2}\n"
                          "{\"NAME\":\"ЛЕСНАЯ\",\"LEN\":1.5,\"OPENED\":\"2000-01-01\",\"OK\":true}\n"
                          "{\"NAME\":\"Садовая \\\"2\\\"\",\"LEN\":2,\"OPENED\":null,\"OK\":false}\n");
}

TEST_F(CesqlTest, ParametersAreBoundByName) {
    ASSERT_EQ(cesql({dir_.path().string(), "CREATE TABLE t (A CHAR(5))", "INSERT INTO t VALUES ('ёж'), ('кот')"}).exitCode, 0);
    const ToolRun run = cesql({dir_.path().string(), "--param", "name=ЁЖ", "SELECT A FROM t WHERE upper(A) = :Name"});
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
    const ToolRun refused = cesql({vdd, "--user", "USER", "--password", "wrong", "SELECT 1"}, /*errors=*/true);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.output.rfind("error 5120: ", 0), 0u) << refused.output;
    const ToolRun bad = cesql({vdd, "SELECT nosuch FROM nowhere"}, /*errors=*/true);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.output.rfind("error 7200: ", 0), 0u) << bad.output;
    EXPECT_EQ(cesql({vdd}).exitCode, 2);
}

} // namespace
