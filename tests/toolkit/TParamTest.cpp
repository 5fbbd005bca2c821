// A SQL parameter: its type, value and field-buffer form.
#include "toolkit/TParam.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "toolkit/TParams.h"

namespace {

class TParamTest : public testing::Test {
protected:
    TParam* param() { return params.CreateParam(ftUnknown, "P", ptInput); }
    TParams params;
};

TEST_F(TParamTest, TypedSettersFixTheTypeAndBind) {
    TParam* p = param();
    EXPECT_FALSE(p->Bound());
    p->SetAsString("17");
    EXPECT_EQ(p->DataType(), ftString);
    EXPECT_TRUE(p->Bound());
    p->SetAsInteger(17);
    EXPECT_EQ(p->DataType(), ftInteger);
    p->SetAsDate(EncodeDate(1899, 12, 30));
    EXPECT_EQ(p->DataType(), ftDate);
    p->SetBound(false);
    p->Clear();
    EXPECT_TRUE(p->IsNull());
    EXPECT_EQ(p->DataType(), ftDate) << "clearing keeps the type";
    EXPECT_EQ(p->AsInteger(), 0);
}

TEST_F(TParamTest, ValueOfAnUnknownParamSetsItsType) {
    TParam* p = param();
    p->SetValue(Variant(2.5));
    EXPECT_EQ(p->DataType(), ftFloat);
    p->SetValue(Variant("text"));
    EXPECT_EQ(p->DataType(), ftFloat) << "a known type stays";
    TParam* q = param();
    q->SetValue(Variant());
    EXPECT_FALSE(q->Bound());
    EXPECT_EQ(q->DataType(), ftUnknown);
}

TEST_F(TParamTest, DataIsInTheFieldBufferForm) {
    TParam* p = param();
    p->SetAsString("abc");
    ASSERT_EQ(p->GetDataSize(), 4);
    char text[4];
    p->GetData(text);
    EXPECT_STREQ(text, "abc");

    p->SetAsDate(EncodeDate(1899, 12, 31));
    ASSERT_EQ(p->GetDataSize(), 4);
    std::int32_t day = 0;
    p->GetData(&day);
    EXPECT_EQ(day, DateDelta + 1);

    p->SetAsTime(0.5);
    std::int32_t msecs = 0;
    p->GetData(&msecs);
    EXPECT_EQ(msecs, 43200000);

    p->SetAsBoolean(true);
    ASSERT_EQ(p->GetDataSize(), 2);
    std::int16_t flag = 0;
    p->GetData(&flag);
    EXPECT_EQ(flag, -1);

    p->SetAsBlob(std::string("\x00\x01\x02", 3));
    ASSERT_EQ(p->GetDataSize(), 3);
    std::vector<char> bytes(3);
    p->GetData(bytes.data());
    EXPECT_EQ(bytes[2], 2);

    p->Clear();
    EXPECT_EQ(p->GetDataSize(), 0);
}

TEST_F(TParamTest, AssignFieldTakesNameTypeAndValue) {
    TComponent owner(nullptr);
    tktest::MemoryDataSet data(&owner, {{"Topic_Id", ftInteger}});
    data.addRow({Variant(12)});
    data.Open();
    TParam* p = param();
    p->Assign(*data.FieldByName("Topic_Id"));
    EXPECT_EQ(p->Name(), "Topic_Id");
    EXPECT_EQ(p->DataType(), ftInteger);
    EXPECT_EQ(p->AsInteger(), 12);
    EXPECT_TRUE(p->Bound());
}

} // namespace
