// Blob and memo fields and their streams.
#include "toolkit/TBlobField.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "support/ThrownText.h"
#include "toolkit/TMemoField.h"
#include "toolkit/TMemoryStream.h"

namespace {

class TBlobFieldTest : public testing::Test {
protected:
    TBlobFieldTest() {
        data.addRow({Variant(1)});
        data.Open();
        memo = static_cast<TBlobField*>(data.FieldByName("Memo"));
    }
    TComponent owner{nullptr};
    tktest::MemoryDataSet data{&owner, {{"Id", ftInteger}, {"Memo", ftMemo}}};
    TBlobField* memo = nullptr;
};

TEST_F(TBlobFieldTest, ValueTravelsThroughBlobStreams) {
    EXPECT_NE(dynamic_cast<TMemoField*>(memo), nullptr);
    EXPECT_EQ(memo->Offset(), 0) << "the first blob field has blob index 0";
    EXPECT_TRUE(memo->IsNull());
    EXPECT_EQ(memo->DisplayText(), "(Memo)");
    data.Edit();
    memo->SetAsString("Hello, memo");
    data.Post();
    EXPECT_EQ(memo->AsString(), "Hello, memo");
    EXPECT_EQ(memo->DisplayText(), "(MEMO)");

    TMemoryStream out;
    out.WriteBuffer(">", 1);
    memo->SaveToStream(out);
    EXPECT_EQ(std::string(out.Memory(), std::size_t(out.Size())), ">Hello, memo");

    TMemoryStream in;
    in.WriteBuffer("skip:new text", 13);
    in.SetPosition(5);
    data.Edit();
    memo->LoadFromStream(in);
    EXPECT_EQ(memo->AsString(), "new text");
    memo->Clear();
    EXPECT_EQ(memo->AsString(), "");
    EXPECT_TRUE(memo->IsNull());
}

// A dataset that gives no blob streams, as the base dataset does.
class StreamlessDataSet : public tktest::MemoryDataSet {
public:
    using MemoryDataSet::MemoryDataSet;
    std::unique_ptr<TStream> CreateBlobStream(TField* field, TBlobStreamMode mode) override {
        return TDataSet::CreateBlobStream(field, mode);
    }
};

TEST(TBlobFieldStandaloneTest, BlobWithoutStreamsIsReported) {
    TComponent owner(nullptr);
    StreamlessDataSet plain(&owner, {{"B", ftBlob}});
    plain.addRow({});
    plain.Open();
    EXPECT_EQ(tktest::thrownText<EDatabaseError>([&] { (void)plain.FieldByName("B")->AsString(); }),
              "Cannot open a blob stream on field 'B'");
}

} // namespace
