// The parameter binder, by round trip: a row inserted through the connection's Execute with one
// parameter per type, read back through a table.
#include "data/ParamBinder.h"

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
        dictionaryConnection();
    }

    int insert(TParams& params) {
        return connection->Execute("INSERT INTO P VALUES (:s, :i, :b, :f, :d, :t, :ts, :bl, :e, :u)", &params, false,
                                   nullptr);
    }
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

    TDbTable* t = table("P");
    const auto field = [&](const char* name) { return t->FieldByName(name); };
    EXPECT_EQ(field("S")->AsString(), "text");
    EXPECT_EQ(field("I")->AsInteger(), -42);
    EXPECT_TRUE(field("B")->AsBoolean());
    EXPECT_EQ(field("F")->AsFloat(), 2.5);
    EXPECT_EQ(field("D")->AsDateTime(), EncodeDate(1899, 12, 30));
    EXPECT_EQ(DateTimeToTimeStamp(field("T")->AsDateTime()).Time, 8250001) << "02:17:30.001 to the millisecond";
    const TTimeStamp stamp = DateTimeToTimeStamp(field("TS")->AsDateTime());
    EXPECT_EQ(stamp.Time, 8250001);
    EXPECT_EQ(stamp.Date, DateTimeToTimeStamp(EncodeDate(2024, 3, 1)).Date);
    EXPECT_EQ(field("BL")->AsString(), std::string("\0\1\2", 3));
    EXPECT_TRUE(field("E")->IsNull());
    EXPECT_TRUE(field("U")->IsNull());
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
