// The parameter binder, by round trip: a row inserted through the connection's Execute with one
// parameter per type, read back through the engine.
#include "data/ParamBinder.h"

#include <cstring>

#include "DataFixture.h"
#include "data/TDbConnection.h"
#include "toolkit/TDateTime.h"
#include "toolkit/TParam.h"
#include "toolkit/TParams.h"

namespace datatest {
namespace {

class ParamBinderTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        dictionary({"CREATE TABLE P (S CHAR(10), I INTEGER, B LOGICAL, F DOUBLE, D DATE, T TIME, TS TIMESTAMP,"
                    " BL BINARY, E INTEGER, U INTEGER)"});
        connection = dictionaryConnection();
    }

    int insert(TParams& params) {
        return connection->Execute("INSERT INTO P VALUES (:s, :i, :b, :f, :d, :t, :ts, :bl, :e, :u)", &params, false,
                                   nullptr);
    }

    TDbConnection* connection = nullptr;
};

TEST_F(ParamBinderTest, EveryTypeRoundTrips) {
    TParams params;
    params.CreateParam(ftString, "s", ptInput)->SetAsString("text");
    params.CreateParam(ftInteger, "i", ptInput)->SetAsInteger(-42);
    params.CreateParam(ftBoolean, "b", ptInput)->SetAsBoolean(true);
    params.CreateParam(ftFloat, "f", ptInput)->SetAsFloat(2.5);
    params.CreateParam(ftDate, "d", ptInput)->SetAsDate(EncodeDate(1899, 12, 30));
    const TDateTime time = EncodeTime(2, 17, 30, 1);
    params.CreateParam(ftTime, "t", ptInput)->SetAsTime(time);
    params.CreateParam(ftDateTime, "ts", ptInput)->SetAsDateTime(EncodeDate(2024, 3, 1) + time);
    params.CreateParam(ftBlob, "bl", ptInput)->SetAsBlob(std::string("\0\1\2", 3));
    params.CreateParam(ftInteger, "e", ptInput);
    params.CreateParam(ftUnknown, "u", ptInput);
    EXPECT_EQ(insert(params), 1) << "the rows changed";

    CEHANDLE c = 0;
    ASSERT_EQ(CeConnect(path("test.vdd").c_str(), &c), 0u);
    CEHANDLE t = 0;
    ASSERT_EQ(CeOpenTable(c, "P", nullptr, 0, 1, 0, 1, 0, &t), 0u);
    ASSERT_EQ(CeGotoTop(t), 0u);
    const auto raw = [&](const char* field, size_t length) {
        uint32_t offset = 0;
        EXPECT_EQ(CeGetFieldOffset(t, field, &offset), 0u);
        std::vector<char> record(512);
        uint32_t size = uint32_t(record.size());
        EXPECT_EQ(CeGetRecord(t, record.data(), &size), 0u);
        return std::string(record.data() + offset, length);
    };
    const auto int32 = [&](const char* field, size_t at = 0) {
        int32_t v = 0;
        std::memcpy(&v, raw(field, 8).data() + at, 4);
        return v;
    };
    EXPECT_EQ(raw("S", 4), "text");
    EXPECT_EQ(int32("I"), -42);
    EXPECT_EQ(raw("B", 1), "T");
    EXPECT_EQ(int32("D"), 2415019) << "1899-12-30";
    EXPECT_EQ(int32("T"), 8250001) << "02:17:30.001 to the millisecond";
    EXPECT_EQ(int32("TS", 4), 8250001);
    EXPECT_EQ(int32("TS"), int32_t(DateTimeToTimeStamp(EncodeDate(2024, 3, 1)).Date + 1721425));
    for (const char* empty : {"E", "U"}) {
        uint16_t isEmpty = 0;
        EXPECT_EQ(CeIsEmpty(t, empty, &isEmpty), 0u);
        EXPECT_TRUE(isEmpty) << empty;
    }
    char blob[8] = {};
    uint32_t length = sizeof blob;
    ASSERT_EQ(CeGetField(t, "BL", blob, &length, 0), 0u);
    EXPECT_EQ(std::string(blob, length), std::string("\0\1\2", 3));
    EXPECT_EQ(CeCloseTable(t), 0u);
    EXPECT_EQ(CeDisconnect(c), 0u);
}

TEST_F(ParamBinderTest, UnknownAndUnsupportedTypesAreRefusedByName) {
    const struct {
        TFieldType type;
        const char* message;
    } cases[] = {
        {ftUnknown, "The field named: 'u' has the DataType of ftUnknown, which is invalid."},
        {ftGuid, "The field named: 'u' has a DataType that is not supported."},
        {ftADT, "The field named: 'u' has a DataType that is not supported."},
    };
    for (const auto& c : cases) {
        TParams params;
        TParam* p = params.CreateParam(ftInteger, "u", ptInput);
        p->SetAsInteger(1);
        p->SetDataType(c.type);
        expectMisuse([&] { insert(params); }, c.message);
    }
}

} // namespace
} // namespace datatest
