// Blob streams over the blob cache: exact bytes, the cached copy of a row and field, and the
// refusals of writing.
#include "data/TDbBlobStream.h"

#include "DataFixture.h"
#include "base/CodePage.h"
#include "data/TDbConnection.h"
#include "data/TDbTable.h"
#include "toolkit/TBlobField.h"
#include "toolkit/TMemoryStream.h"

namespace {

class TDbBlobStreamTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        admin = dictionary({"CREATE TABLE B (ID INTEGER, NOTE MEMO, DATA BINARY)"});
        CEHANDLE t = 0;
        ASSERT_EQ(CeOpenTable(admin, "B", nullptr, 0, 1, 0, 1, 0, &t), 0u);
        const std::string notes[] = {"0123456789", base::utf8ToCp1251("Набережная, дом 5")};
        const std::string binary("\0\xFF\0\x10", 4);
        for (int32_t i = 1; i <= 2; ++i) {
            ASSERT_EQ(CeAppendRecord(t), 0u);
            ASSERT_EQ(CeSetFieldRaw(t, "ID", &i, 4), 0u);
            const std::string& note = notes[i - 1];
            ASSERT_EQ(CeSetField(t, "NOTE", note.data(), uint32_t(note.size())), 0u);
            ASSERT_EQ(CeSetField(t, "DATA", binary.data(), uint32_t(binary.size())), 0u);
            ASSERT_EQ(CeWriteRecord(t), 0u);
        }
        ASSERT_EQ(CeCloseTable(t), 0u);
        auto* connection = new TDbConnection(&owner);
        connection->SetName("DbConnection1");
        connection->SetConnectPath(path("test.vdd"));
        connection->LoginPrompt = false;
        table = new TDbTable(&owner);
        table->SetName("dbNotes");
        table->SetDatabaseName("DbConnection1");
        table->SetTableName("B");
        table->Open();
    }

    std::string read(const char* field, TBlobStreamMode mode = bmRead) {
        std::unique_ptr<TStream> stream = table->CreateBlobStream(table->FieldByName(field), mode);
        TMemoryStream copy;
        copy.CopyFrom(*stream, 0);
        return std::string(copy.Memory(), size_t(copy.Size()));
    }

    CEHANDLE admin = 0;
    TDbTable* table = nullptr;
};

TEST_F(TDbBlobStreamTest, BlobsReadBackExactly) {
    EXPECT_EQ(read("NOTE"), "0123456789") << "ten characters, no terminating zero";
    table->Next();
    EXPECT_EQ(read("NOTE"), base::utf8ToCp1251("Набережная, дом 5"));
    EXPECT_EQ(read("DATA"), std::string("\0\xFF\0\x10", 4));
    EXPECT_EQ(static_cast<TBlobField*>(table->FieldByName("DATA"))->BlobType(), ftBlob);
}

TEST_F(TDbBlobStreamTest, SecondReadOfTheRowAndFieldComesFromTheCache) {
    EXPECT_EQ(read("NOTE"), "0123456789");
    CEHANDLE statement = 0;
    ASSERT_EQ(CeCreateSQLStatement(admin, &statement), 0u);
    ASSERT_EQ(CeExecuteSQLDirect(statement, "UPDATE B SET NOTE = 'changed' WHERE ID = 1", nullptr), 0u);
    ASSERT_EQ(CeCloseSQLStatement(statement), 0u);
    EXPECT_EQ(read("NOTE"), "0123456789");
    table->Refresh();
    EXPECT_EQ(read("NOTE"), "changed") << "a fresh fetch forgets the cache";
}

TEST_F(TDbBlobStreamTest, WritingIsRefusedOutsideEditingAndOnReadStreams) {
    const struct {
        TBlobStreamMode mode;
        const char* message;
    } cases[] = {
        {bmWrite, "dbNotes: Table must be in Edit or Insert state to open blob stream in Write Mode."},
        {bmReadWrite, "dbNotes: Table must be in Edit or Insert state to open blob stream in Write Mode."},
    };
    for (const auto& c : cases) {
        try {
            table->CreateBlobStream(table->FieldByName("NOTE"), c.mode);
            ADD_FAILURE() << c.mode;
        } catch (const EDbEngineError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    std::unique_ptr<TStream> stream = table->CreateBlobStream(table->FieldByName("NOTE"), bmRead);
    try {
        stream->Write("x", 1);
        FAIL();
    } catch (const EDbEngineError& e) {
        EXPECT_STREQ(e.what(), "dbNotes: Error modifying read only blob.");
    }
    EXPECT_THROW(stream->SetSize(0), EDbEngineError);
    try {
        table->CreateBlobStream(table->FieldByName("ID"), bmRead);
        FAIL();
    } catch (const EDbEngineError& e) {
        EXPECT_STREQ(e.what(), "dbNotes: Invalid blob open on non-blob field.");
    }
}

} // namespace
