#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "platform/Process.h"
#include "tests/support/OsError.h"
#include "tests/support/TempDir.h"
#include "zipreader/ArchiveStream.h"

namespace pk {
namespace {

using platform::TSeekFrom;
using platform::TShare;
using testing::TTempDir;

std::string Pattern(size_t n)
{
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

class ArchiveStreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        content = Pattern(20000);
        dir.Write("a.zip", content);
        stream.Open(dir.File("a.zip"), TShare::DenyWrite);
    }
    std::string ReadAt(int64_t at, size_t n)
    {
        stream.Seek(at, TSeekFrom::Begin);
        std::string got(n, '\0');
        got.resize(stream.Read(got.data(), n));
        return got;
    }

    TTempDir dir;
    std::string content;
    TArchiveStream stream;
};

TEST_F(ArchiveStreamTest, ReadsTheFileInPiecesAcrossBufferBorders)
{
    std::string all;
    char piece[1000];
    size_t n;
    while ((n = stream.Read(piece, sizeof piece)) > 0)
        all.append(piece, n);
    EXPECT_EQ(all, content);
    EXPECT_EQ(stream.Position(), 20000);
    EXPECT_EQ(ReadAt(8190, 10), content.substr(8190, 10));
    EXPECT_EQ(ReadAt(19995, 100), content.substr(19995)) << "a read at the end delivers what is there";
    EXPECT_EQ(ReadAt(0, 15000), content.substr(0, 15000)) << "a read larger than the buffer";
    EXPECT_EQ(stream.Size(), 20000);
}

TEST_F(ArchiveStreamTest, KeepsTheBufferForSeeksInsideIt)
{
    char b[16];
    stream.Read(b, sizeof b);
    int64_t fills = stream.BufferFills();
    stream.Seek(stream.Position(), TSeekFrom::Begin);
    stream.Seek(40, TSeekFrom::Current);
    stream.Seek(-20, TSeekFrom::Current);
    stream.Read(b, sizeof b);
    EXPECT_EQ(stream.BufferFills(), fills);
    EXPECT_EQ(std::string(b, 16), content.substr(36, 16));

    stream.Seek(9000, TSeekFrom::Begin);
    stream.Read(b, sizeof b);
    EXPECT_EQ(stream.BufferFills(), fills + 1);
    EXPECT_EQ(std::string(b, 16), content.substr(9000, 16));
}

TEST_F(ArchiveStreamTest, SeeksPastEitherEndStayHarmless)
{
    EXPECT_EQ(stream.Seek(-5, TSeekFrom::End), 19995);
    EXPECT_EQ(stream.Seek(100000, TSeekFrom::Begin), 100000);
    char b[4];
    EXPECT_EQ(stream.Read(b, sizeof b), 0u);
    EXPECT_EQ(stream.Seek(-200000, TSeekFrom::Current), 0);
    EXPECT_EQ(stream.Read(b, sizeof b), 4u);
    EXPECT_EQ(std::string(b, 4), content.substr(0, 4));
}

TEST_F(ArchiveStreamTest, ReopeningForgetsTheOldFile)
{
    char b[4];
    stream.Read(b, sizeof b);
    dir.Write("b.zip", std::string("other bytes"));
    stream.Open(dir.File("b.zip"), TShare::Exclusive);
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_EQ(stream.Read(b, sizeof b), 4u);
    EXPECT_EQ(std::string(b, 4), "othe");
    stream.Close();
    EXPECT_FALSE(stream.IsOpen());
}

TEST(ArchiveStreamOpenTest, FailureNamesTheFullPathAndTheSystemText)
{
    TTempDir dir;
    platform::TFile probe;
    uint32_t code = testing::OsErrorOf([&] { probe.OpenRead(dir.File("missing.zip"), TShare::DenyWrite); });
    ASSERT_NE(code, 0u);
    TArchiveStream stream;
    try {
        stream.Open(dir.File("missing.zip"), TShare::DenyWrite);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + platform::ExpandFileName(dir.File("missing.zip")) + "\". " +
                                   platform::OsErrorText(code));
    }
    EXPECT_FALSE(stream.IsOpen());
}

}  // namespace
}  // namespace pk
