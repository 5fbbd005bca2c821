// Memory and file streams: short reads, seeks, gaps, file names and truncated files.
#include "toolkit/Exception.h"
#include "toolkit/TFileStream.h"
#include "toolkit/TMemoryStream.h"

#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/TempDirectory.h"
#include "support/ThrownText.h"

namespace {

// A short read returns what is there, ReadBuffer raises instead, and a read past a seek beyond the
// end moves nothing.
TEST(TStreamTest, MemoryStreamReadsWhatIsThere) {
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    stream.SetPosition(4);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    stream.SetPosition(3);
    EXPECT_THROW(stream.ReadBuffer(buffer, 4), EReadError);
    stream.SetPosition(0);
    EXPECT_NO_THROW(stream.ReadBuffer(buffer, 3));
    EXPECT_EQ(std::string(buffer, 3), "abc");
    EXPECT_EQ(stream.Seek(10, TSeekOrigin::soBeginning), 10);
    EXPECT_EQ(stream.Read(buffer, 1), 0);
    EXPECT_EQ(stream.Seek(-100, TSeekOrigin::soEnd), 0);
}

TEST(TStreamTest, WriteBeyondTheEndFillsTheGapWithZeros) {
    TMemoryStream stream;
    stream.SetPosition(3);
    stream.WriteBuffer("x", 1);
    ASSERT_EQ(stream.Size(), 4);
    EXPECT_EQ(std::string(stream.Memory(), 4), std::string("\0\0\0x", 4));
}

TEST(TStreamTest, FileStreamAcceptsBackslashNamesAndRoundTrips) {
    const testsupport::TempDirectory dir;
    std::filesystem::create_directories(dir / "data");
    const AnsiString name = dir.path().string() + "\\data\\blob.bin";
    {
        TMemoryStream memory;
        memory.WriteBuffer("hello", 5);
        memory.SaveToFile(name);
    }
    TMemoryStream loaded;
    loaded.LoadFromFile(name);
    EXPECT_EQ(std::string(loaded.Memory(), static_cast<size_t>(loaded.Size())), "hello");
    EXPECT_TRUE(std::filesystem::exists(dir / "data" / "blob.bin"));
}

TEST(TStreamTest, FileStreamReadsShortAtEveryTruncation) {
    const testsupport::TempDirectory dir;
    const auto path = dir / "truncated.bin";
    const std::string record = "0123456789";
    for (size_t length = 0; length < record.size(); ++length) {
        {
            TFileStream out(path.string(), fmCreate);
            out.WriteBuffer(record.data(), static_cast<int64_t>(length));
        }
        TFileStream in(path.string(), fmOpenRead);
        char buffer[16] = {};
        EXPECT_EQ(in.Read(buffer, 10), static_cast<int64_t>(length));
        EXPECT_EQ(std::string(buffer, length), record.substr(0, length));
        in.SetPosition(0);
        EXPECT_THROW(in.ReadBuffer(buffer, 10), EReadError) << length;
    }
}

TEST(TStreamTest, MissingFileRaisesOpenErrorNamingIt) {
    EXPECT_NE(tktest::thrownText<EFOpenError>([] { TFileStream stream("no\\such\\file.bin", fmOpenRead); })
                  .find("no\\such\\file.bin"),
              std::string::npos);
}

TEST(TStreamTest, CopyFromMovesExactlyTheCount) {
    TMemoryStream source;
    source.WriteBuffer("0123456789", 10);
    source.SetPosition(2);
    TMemoryStream target;
    EXPECT_EQ(target.CopyFrom(source, 5), 5);
    EXPECT_EQ(std::string(target.Memory(), 5), "23456");
    EXPECT_THROW(target.CopyFrom(source, 10), EReadError);
    EXPECT_EQ(target.Size(), 5) << "a short source leaves the target as it was";
    EXPECT_EQ(target.Position(), 5);
}

} // namespace
