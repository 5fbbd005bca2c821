// Blob streams over the blob cache: exact bytes, the cached copy of a row and field, and the
// refusals of writing.
#include "data/TDbBlobStream.h"

#include "DataFixture.h"
#include "base/CodePage.h"
#include "toolkit/TMemoryStream.h"

namespace datatest {
namespace {

class TDbBlobStreamTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        admin = dictionary({"CREATE TABLE B (ID INTEGER, NOTE MEMO, DATA BINARY)"});
        appendRows(admin, "B",
                             {{{"ID", "1"}, {"NOTE", "0123456789"}, {"DATA", binary}},
                              {{"ID", "2"}, {"NOTE", base::utf8ToCp1251("Набережная, дом 5")}, {"DATA", binary}}});
        blobs = DataFixture::table("B", "", false);
        blobs->SetName("dbNotes");
        blobs->Open();
    }

    std::string read(const char* field, TBlobStreamMode mode = bmRead) {
        std::unique_ptr<TStream> stream = blobs->CreateBlobStream(blobs->FieldByName(field), mode);
        TMemoryStream copy;
        copy.CopyFrom(*stream, 0);
        return std::string(copy.Memory(), size_t(copy.Size()));
    }

    const std::string binary{"\0\xFF\0\x10", 4};
    CEHANDLE admin = 0;
    TDbTable* blobs = nullptr;
};

TEST_F(TDbBlobStreamTest, BlobsReadBackExactly) {
    EXPECT_EQ(read("NOTE"), "0123456789") << "ten characters, no terminating zero";
    blobs->Next();
    EXPECT_EQ(read("NOTE"), base::utf8ToCp1251("Набережная, дом 5"));
    EXPECT_EQ(read("DATA"), binary);
}

TEST_F(TDbBlobStreamTest, SecondReadOfTheRowAndFieldComesFromTheCache) {
    EXPECT_EQ(read("NOTE"), "0123456789");
    CEHANDLE statement = 0;
    ASSERT_EQ(CeCreateSQLStatement(admin, &statement), 0u);
    ASSERT_EQ(CeExecuteSQLDirect(statement, "UPDATE B SET NOTE = 'changed' WHERE ID = 1", nullptr), 0u);
    ASSERT_EQ(CeCloseSQLStatement(statement), 0u);
    EXPECT_EQ(read("NOTE"), "0123456789");
    blobs->Refresh();
    EXPECT_EQ(read("NOTE"), "changed") << "a fresh fetch forgets the cache";
}

TEST_F(TDbBlobStreamTest, WritingIsRefusedOutsideEditingAndOnReadStreams) {
    for (TBlobStreamMode mode : {bmWrite, bmReadWrite}) {
        expectError<EDbEngineError>(
            [&] { blobs->CreateBlobStream(blobs->FieldByName("NOTE"), mode); },
            testing::Eq("dbNotes: Table must be in Edit or Insert state to open blob stream in Write Mode."));
    }
    std::unique_ptr<TStream> stream = blobs->CreateBlobStream(blobs->FieldByName("NOTE"), bmRead);
    expectError<EDbEngineError>([&] { stream->Write("x", 1); },
                                testing::Eq("dbNotes: Error modifying read only blob."));
    EXPECT_THROW(stream->SetSize(0), EDbEngineError);
    expectError<EDbEngineError>([&] { blobs->CreateBlobStream(blobs->FieldByName("ID"), bmRead); },
                                testing::Eq("dbNotes: Invalid blob open on non-blob field."));
}

} // namespace
} // namespace datatest
