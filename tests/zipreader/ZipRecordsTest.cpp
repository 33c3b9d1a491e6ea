#include <gtest/gtest.h>

#include "platform/Replaceable.h"
#include "platform/TextServices.h"
#include "tests/support/TempDir.h"
#include "tests/support/ZipBuilder.h"
#include "zipreader/ArchiveStream.h"
#include "zipreader/ZipRecords.h"

namespace pk {
namespace {

using platform::TSeekFrom;
using platform::TShare;
using testing::TBuiltZip;
using testing::TEndRecord;
using testing::TTempDir;
using testing::TZipBuilder;
using testing::TZipEntry;

// One file with the given bytes, opened as an archive stream.
class RecordsTest : public ::testing::Test {
protected:
    TArchiveStream& Open(const std::string& bytes)
    {
        stream.Close();  // Windows refuses to rewrite a file that is open
        dir.Write("t.zip", bytes);
        stream.Open(dir.File("t.zip"), TShare::DenyWrite);
        return stream;
    }

    TTempDir dir;
    TArchiveStream stream;
};

using EndRecordTest = RecordsTest;

TEST_F(EndRecordTest, EmptyFileIsAnArchiveWithoutEntriesAndShortFilesAreNot)
{
    TEndOfCentralDir record;
    EXPECT_TRUE(record.FindEndRecord(Open("")));
    EXPECT_EQ(record.TotalEntries, 0);
    EXPECT_EQ(record.Signature, 0x06054B50u);
    TBuiltZip zip = TZipBuilder().Build();
    ASSERT_EQ(zip.bytes.size(), 22u);
    EXPECT_FALSE(record.FindEndRecord(Open(zip.bytes.substr(1))));
    EXPECT_TRUE(record.FindEndRecord(Open(zip.bytes)));
}

TEST_F(EndRecordTest, TakesTheRecordNearestTheEnd)
{
    // The comment itself holds an end record with other values.
    std::string fake = testing::EndRecordBytes(TEndRecord(), 9, 0, 0);
    TBuiltZip zip = TZipBuilder().Add(TZipEntry("a.txt", "abc")).End(TEndRecord().Comment("x" + fake + "y")).Build();
    TEndOfCentralDir record;
    ASSERT_TRUE(record.FindEndRecord(Open(zip.bytes)));
    EXPECT_EQ(record.TotalEntries, 9);
    EXPECT_EQ(record.CommentLength, 0);
    EXPECT_EQ(record.CommentOffset, static_cast<int32_t>(zip.bytes.size() - 1));

    // Long comments around the record put it, or only the fake one, beyond the last few
    // kilobytes, where a wider search must find the same record.
    for (size_t before : {0, 3000, 5000, 20000}) {
        for (size_t after : {0, 3000, 5000, 20000}) {
            TBuiltZip longer = TZipBuilder()
                                   .Prefix(std::string(70000, 'z'))
                                   .Add(TZipEntry("a.txt", "abc"))
                                   .End(TEndRecord().Comment(std::string(before, 'x') + fake + std::string(after, 'y')))
                                   .Build();
            const std::string where = std::to_string(before) + " before, " + std::to_string(after) + " after";
            ASSERT_TRUE(record.FindEndRecord(Open(longer.bytes))) << where;
            EXPECT_EQ(record.TotalEntries, 9) << where;
            EXPECT_EQ(record.CommentOffset, static_cast<int32_t>(longer.bytes.size() - after)) << where;
        }
    }
}

TEST_F(EndRecordTest, FillsEveryFieldAndThePlaceOfTheComment)
{
    TBuiltZip zip = TZipBuilder()
                       .Prefix(std::string(70000, 'z'))
                       .Add(TZipEntry("a", "1"))
                       .End(TEndRecord().Disks(3, 2).OnThisDisk(4).Comment("hello"))
                       .Build();
    TEndOfCentralDir record;
    ASSERT_TRUE(record.FindEndRecord(Open(zip.bytes)));
    EXPECT_EQ(record.ThisDisk, 3);
    EXPECT_EQ(record.CentralDirDisk, 2);
    EXPECT_EQ(record.EntriesOnThisDisk, 4);
    EXPECT_EQ(record.TotalEntries, 1);
    EXPECT_EQ(record.CentralDirSize, zip.endRecordOffset - zip.centralDirOffset);
    EXPECT_EQ(record.CentralDirOffset, zip.centralDirOffset);
    EXPECT_EQ(record.CommentLength, 5);
    EXPECT_EQ(record.CommentOffset, static_cast<int32_t>(zip.endRecordOffset + 22));
    record.Reset();
    EXPECT_EQ(record.TotalEntries, 0);
    EXPECT_EQ(record.CentralDirOffset, 0u);
    EXPECT_EQ(record.CommentOffset, 0);
}

TEST_F(EndRecordTest, LooksNoFurtherBackThanTheLongestComment)
{
    std::string record = testing::EndRecordBytes(TEndRecord(), 1, 0, 0);
    TEndOfCentralDir found;
    // The record's signature just inside the last 65557 bytes, then one byte outside them.
    EXPECT_TRUE(found.FindEndRecord(Open("ab" + record + std::string(65535, 'c'))));
    EXPECT_FALSE(found.FindEndRecord(Open("ab" + record + std::string(65536, 'c'))));
    // A record whose last bytes are cut off is no record.
    EXPECT_FALSE(found.FindEndRecord(Open(std::string(30, 'q') + record.substr(0, 21))));
}

using CentralHeaderTest = RecordsTest;

TEST_F(CentralHeaderTest, ReadsFieldsAndStopsAfterTheName)
{
    TZipEntry e = TZipEntry("sub/dir/file.txt", "12345").Size(0x80000001u).CentralExtra("EXTRA").Flags(8).Disk(2);
    std::string bytes = "pad" + testing::CentralHeader(e, 0x1234);
    TArchiveStream& file = Open(bytes);
    file.Seek(3, TSeekFrom::Begin);
    TZipEntryInfo info;
    ASSERT_TRUE(info.ReadCentralHeader(file));
    EXPECT_EQ(file.Position(), 3 + 46 + 16);
    EXPECT_EQ(info.LeafName, "file.txt");
    EXPECT_EQ(info.DirectoryName, "sub\\dir\\");
    EXPECT_EQ(info.FileNameLength, 16);
    EXPECT_EQ(info.UncompressedSize, 0x80000001u);
    EXPECT_EQ(info.CompressedSize, 5);
    EXPECT_EQ(info.CentralExtraLength, 5);
    EXPECT_EQ(info.LocalExtraLength, 0);
    EXPECT_EQ(info.BitFlag, 8);
    EXPECT_EQ(info.DiskNumberStart, 2);
    EXPECT_EQ(info.LocalHeaderOffset, 0x1234u);
    EXPECT_EQ(info.CentralHeaderOffset, 3);
}

TEST_F(CentralHeaderTest, SplitsNamesAtBackslashAndColon)
{
    struct TCase {
        std::string stored, directory, leaf;
    };
    for (const TCase& c : {TCase{"sub/", "sub\\", ""}, TCase{"c:x.txt", "c:\\", "x.txt"},
                          TCase{"a\\b:c/d", "a\\b:c\\", "d"}, TCase{"plain", "", "plain"}, TCase{"", "", ""}}) {
        TZipEntryInfo info;
        ASSERT_TRUE(info.ReadCentralHeader(Open(testing::CentralHeader(TZipEntry(c.stored), 0)))) << c.stored;
        EXPECT_EQ(info.DirectoryName, c.directory) << c.stored;
        EXPECT_EQ(info.LeafName, c.leaf) << c.stored;
        EXPECT_EQ(info.FileNameLength, c.directory.size() + c.leaf.size()) << c.stored;
    }
}

TEST_F(CentralHeaderTest, ConvertsOemNamesOfDosHostsOnly)
{
    std::string oemName = "caf\x82.txt";  // e acute in the OEM character set
    std::string ansiName = oemName;
    platform::OemToAnsi(ansiName);
    ASSERT_NE(ansiName, oemName);

    TZipEntryInfo dos;
    ASSERT_TRUE(dos.ReadCentralHeader(Open(testing::CentralHeader(TZipEntry(oemName), 0))));
    EXPECT_EQ(dos.LeafName, ansiName);

    TZipEntryInfo unix;
    ASSERT_TRUE(unix.ReadCentralHeader(Open(testing::CentralHeader(TZipEntry(oemName).MadeBy(0x031E), 0))));
    EXPECT_EQ(unix.LeafName, oemName);

    TZipEntryInfo unconverted(false);
    ASSERT_TRUE(unconverted.ReadCentralHeader(Open(testing::CentralHeader(TZipEntry(oemName), 0))));
    EXPECT_EQ(unconverted.LeafName, oemName);
}

TEST_F(CentralHeaderTest, TrailBytesOfTwoByteCharactersAreNoSeparators)
{
    platform::TLeadByteTable table{};
    table[0x81] = true;
    platform::TInstalled twoByte{platform::ReplaceLeadBytes, table};
    TZipEntryInfo info;
    bool read = info.ReadCentralHeader(Open(testing::CentralHeader(TZipEntry("dir/\x81\\x\x81:y.txt").MadeBy(0x0A00), 0)));
    ASSERT_TRUE(read);
    EXPECT_EQ(info.DirectoryName, "dir\\");
    EXPECT_EQ(info.LeafName, "\x81\\x\x81:y.txt");
}

TEST_F(CentralHeaderTest, FailsWhereTheHeaderIsNotWholeAndStaysPut)
{
    std::string header = testing::CentralHeader(TZipEntry("name.txt"), 0);
    for (const std::string& bytes : {header.substr(0, 45), header.substr(0, 50), std::string(1, 'X').append(header, 1),
                                     testing::LocalHeader(TZipEntry("name.txt"))}) {
        TArchiveStream& file = Open("ab" + bytes);
        file.Seek(2, TSeekFrom::Begin);
        TZipEntryInfo info;
        EXPECT_FALSE(info.ReadCentralHeader(file));
        EXPECT_EQ(file.Position(), 2);
    }
}

TEST_F(CentralHeaderTest, ContinuesInTheNextPartWhenAsked)
{
    std::string header = testing::CentralHeader(TZipEntry("n.txt", "abc"), 77);
    dir.Write("next.z02", header.substr(20));
    TArchiveStream next;
    int requests = 0;
    TNextPartRequest request = [&]() -> TBufferedStream* {
        ++requests;
        next.Open(dir.File("next.z02"), TShare::Exclusive);
        return &next;
    };
    TZipEntryInfo info;
    ASSERT_TRUE(info.ReadCentralHeader(Open(header.substr(0, 20)), request));
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(info.LeafName, "n.txt");
    EXPECT_EQ(info.LocalHeaderOffset, 77u);
    EXPECT_EQ(next.Position(), 26 + 5);

    // Nothing left in this part: the whole header comes from the next one.
    next.Close();
    dir.Write("next.z02", header);
    TZipEntryInfo whole;
    ASSERT_TRUE(whole.ReadCentralHeader(Open(""), request));
    EXPECT_EQ(whole.LeafName, "n.txt");

    // A short piece that is not a central header asks for nothing.
    TZipEntryInfo other;
    EXPECT_FALSE(other.ReadCentralHeader(Open("PK\x05\x06" + std::string(10, '\0')), request));
    EXPECT_EQ(requests, 2);
}

using LocalHeaderTest = RecordsTest;

TEST_F(LocalHeaderTest, ReadsFieldsConvertsNamesOfAnyHostAndNotesItsOffset)
{
    std::string oemName = "dir/\x82t\x82.txt";
    std::string ansiLeaf = "\x82t\x82.txt";
    platform::OemToAnsi(ansiLeaf);
    TZipEntry e = TZipEntry(oemName, "xyz").Size(10).LocalExtra("EE").Flags(8);
    TArchiveStream& file = Open("0123456" + testing::LocalHeader(e) + e.data);
    file.Seek(7, TSeekFrom::Begin);
    TZipEntryInfo info;
    ASSERT_TRUE(info.ReadLocalHeader(file));
    EXPECT_EQ(file.Position(), 7 + 30 + static_cast<int64_t>(oemName.size()));
    EXPECT_EQ(info.LocalHeaderOffset, 7u);
    EXPECT_EQ(info.CentralHeaderOffset, 0);
    EXPECT_EQ(info.LeafName, ansiLeaf);
    EXPECT_EQ(info.DirectoryName, "dir\\");
    EXPECT_EQ(info.CompressedSize, 3);
    EXPECT_EQ(info.UncompressedSize, 10u);
    EXPECT_EQ(info.LocalExtraLength, 2);
    EXPECT_EQ(info.CentralExtraLength, 0);
    EXPECT_EQ(info.BitFlag, 8);

    TZipEntryInfo cut;
    TArchiveStream& shortFile = Open(testing::LocalHeader(e).substr(0, 33));
    EXPECT_FALSE(cut.ReadLocalHeader(shortFile));
    EXPECT_EQ(shortFile.Position(), 0);
}

}  // namespace
}  // namespace pk
