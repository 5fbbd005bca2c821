// The base fixture of the engine suites: a fresh temporary directory per test, a dictionary and a
// directory connection on demand, DDL through the engine, and the check that every test closes
// what it opened.
#pragma once

#include "engine/CeEngine.h"
#include "engine/Connection.h"
#include "engine/Ddl.h"
#include "engine/EngineCall.h"
#include "engine/HandleTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

class EngineFixture : public testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("ce_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }

    void TearDown() override {
        for (CEHANDLE c : connections_)
            (void)CeDisconnect(c);
        uint16_t open = 0;
        EXPECT_EQ(CeGetNumOpenTables(&open), 0u);
        EXPECT_EQ(open, 0) << "a test left table handles open";
        std::filesystem::remove_all(dir_);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // A new dictionary "test.vdd" with the given DDL statements, and a connection to it.
    CEHANDLE dictionary(const std::vector<std::string>& ddl) {
        EXPECT_TRUE(ce::createDictionary(path("test.vdd")).ok());
        CEHANDLE c = 0;
        EXPECT_EQ(CeConnect(path("test.vdd").c_str(), &c), 0u);
        connections_.push_back(c);
        for (const std::string& sql : ddl)
            EXPECT_EQ(run(c, sql), 0u) << sql;
        return c;
    }

    CEHANDLE directory() {
        CEHANDLE c = 0;
        EXPECT_EQ(CeConnect(dir_.string().c_str(), &c), 0u);
        connections_.push_back(c);
        return c;
    }

    // Runs DDL through a connection; free tables get the given table type.
    static uint32_t run(CEHANDLE connection, const std::string& sql, uint16_t tableType = 3) {
        std::lock_guard<std::mutex> lock(ce::engineMutex());
        auto* c = ce::handles().get<ce::Connection>(connection);
        if (!c)
            return ce::kInvalidHandle;
        ce::DdlTarget target{c->dictionary(), c->directory(), tableType};
        return ce::runDdl(target, sql).code();
    }

    // What an engine getter writes through its last argument, after checking that it succeeded;
    // poisoned first, so a getter that writes nothing cannot pass by luck.
    template <typename T, typename... Params, typename... Args>
    static T got(CERESULT (*getter)(Params...), Args... args) {
        T value;
        std::memset(&value, 0xA5, sizeof value);
        EXPECT_EQ(getter(args..., &value), 0u);
        return value;
    }

    static CEHANDLE open(CEHANDLE connection, const std::string& name, uint16_t tableType = 0, uint32_t options = 0,
                         uint16_t charType = 1) {
        CEHANDLE t = 0;
        EXPECT_EQ(CeOpenTable(connection, name.c_str(), nullptr, tableType, charType, 0, 2, options, &t), 0u) << name;
        return t;
    }

    static CEHANDLE index(CEHANDLE table, const char* tag) {
        CEHANDLE idx = 0;
        EXPECT_EQ(CeGetIndexHandle(table, tag, &idx), 0u) << tag;
        return idx;
    }

    static uint32_t recno(CEHANDLE table) {
        uint32_t n = 0;
        EXPECT_EQ(CeGetRecordNum(table, 2, &n), 0u);
        return n;
    }

    static bool atEof(CEHANDLE h) {
        uint16_t v = 0;
        EXPECT_EQ(CeAtEOF(h, &v), 0u);
        return v != 0;
    }

    static bool atBof(CEHANDLE h) {
        uint16_t v = 0;
        EXPECT_EQ(CeAtBOF(h, &v), 0u);
        return v != 0;
    }

    static std::string text(CEHANDLE table, const char* field) {
        char buffer[300] = {};
        uint32_t length = sizeof buffer;
        EXPECT_EQ(CeGetField(table, field, buffer, &length, 1), 0u) << field;
        return std::string(buffer, length);
    }

    static void append(CEHANDLE table, const std::vector<std::pair<const char*, std::string>>& values) {
        ASSERT_EQ(CeAppendRecord(table), 0u);
        for (const auto& [field, value] : values)
            ASSERT_EQ(CeSetField(table, field, value.data(), static_cast<uint32_t>(value.size())), 0u) << field;
        ASSERT_EQ(CeWriteRecord(table), 0u);
    }

    static uint16_t handleType(CEHANDLE h) {
        uint16_t type = 0;
        EXPECT_EQ(CeGetHandleType(h, &type), 0u);
        return type;
    }

    static uint32_t lastErrorCode() {
        uint32_t code = 0;
        EXPECT_EQ(CeGetLastError(&code, nullptr, nullptr), 0u);
        return code;
    }

    std::filesystem::path dir_;
    std::vector<CEHANDLE> connections_;
};
