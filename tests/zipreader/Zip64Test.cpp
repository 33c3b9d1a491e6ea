// ZIP64: the end record a locator points to, the extra field behind all-ones header fields,
// and sizes that do not fit 32 bits. Archives without them read as they always did.
#include <gtest/gtest.h>

#include "measure/PackAccount.h"
#include "measure/ZipFileSize.h"
#include "platform/Exceptions.h"
#include "platform/LittleEndian.h"
#include "tests/zipreader/ReaderFixture.h"

namespace pk::testing {
namespace {

// A ZIP64 extra field (ID 1) holding the given values in order.
std::string Zip64Extra(const std::vector<uint64_t>& wide, std::optional<uint32_t> disk = std::nullopt)
{
    std::string data;
    for (uint64_t v : wide)
        le::PutU64(data, v);
    if (disk)
        le::PutU32(data, *disk);
    std::string extra;
    le::PutU16(extra, 0x0001);
    le::PutU16(extra, static_cast<uint16_t>(data.size()));
    return extra + data;
}

// The archive's directory followed by a ZIP64 end record, its locator and a classic end record
// whose fields all stand at their all-ones values.
std::string WithZip64End(const TBuiltZip& zip, uint64_t entries)
{
    std::string bytes = zip.bytes.substr(0, zip.endRecordOffset);
    const uint64_t recordAt = bytes.size();
    le::PutU32(bytes, 0x06064B50);
    le::PutU64(bytes, 44);
    le::PutU16(bytes, 45);
    le::PutU16(bytes, 45);
    le::PutU32(bytes, 0);
    le::PutU32(bytes, 0);
    le::PutU64(bytes, entries);
    le::PutU64(bytes, entries);
    le::PutU64(bytes, zip.endRecordOffset - zip.centralDirOffset);
    le::PutU64(bytes, zip.centralDirOffset);
    le::PutU32(bytes, 0x07064B50);
    le::PutU32(bytes, 0);
    le::PutU64(bytes, recordAt);
    le::PutU32(bytes, 1);
    return bytes + EndRecordBytes(TEndRecord().Disks(0xFFFF, 0xFFFF), 0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
}

TZipBuilder Entries(int n)
{
    TZipBuilder zip;
    for (int i = 0; i < n; ++i)
        zip.Add(TZipEntry("d/f" + std::to_string(i) + ".txt", std::string(static_cast<size_t>(i), 'x')));
    return zip;
}

using Zip64Test = ReaderTest;

TEST_F(Zip64Test, TheZip64EndRecordGivesTheCountTheDisksAndTheDirectory)
{
    const TBuiltZip five = Entries(5).Build();
    auto reader = Load(WithZip64End(five, 5));
    EXPECT_EQ(SizesOf(*reader), (TSizes{0, 1, 2, 3, 4}));
    EXPECT_TRUE(reader->EndRecord().Zip64);
    EXPECT_EQ(reader->DiskCount(), 1);

    // A count beyond what the directory holds ends in a rebuild, as a classic one does.
    EXPECT_EQ(SizesOf(*Load(WithZip64End(five, 6))), (TSizes{0, 1, 2, 3, 4}));
    EXPECT_EQ(SizesOf(*Load(WithZip64End(five, 3))), (TSizes{0, 1, 2}));

    // A locator whose record is missing or outside the file is passed over: the classic
    // record, with its all-ones disks, is then unusable.
    std::string pointsOutside = WithZip64End(five, 5);
    pointsOutside.replace(pointsOutside.size() - 22 - 12, 8, std::string("\xFF\xFF\xFF\xFF\x00\x00\x00\x00", 8));
    std::string brokenRecord = WithZip64End(five, 5);
    brokenRecord[five.endRecordOffset] = 'X';
    for (const std::string& bytes : {pointsOutside, brokenRecord}) {
        auto passedOver = Load(bytes);
        EXPECT_EQ(passedOver->EntryCount(), 0);
        EXPECT_FALSE(passedOver->EndRecord().Zip64);
    }

    // Data in front that the offsets leave out: the record right before the locator gives
    // the prefix, and the account names it.
    dir.Write("sfx.zip", std::string(4096, 'M') + WithZip64End(five, 5));
    TPackFileAccount account;
    account.path = "sfx.zip";
    EXPECT_EQ(ZipFileSize(dir.File("sfx.zip"), {"*"}, &account), 10);
    EXPECT_EQ(account.source, TEntrySource::Zip64Record);
    EXPECT_EQ(account.warnings,
              (std::vector<std::string>{"sfx.zip: 4096 bytes in front of the archive; its ZIP64 offsets read past them"}));
}

TEST_F(Zip64Test, AClassicCountPast65535IsReadOnToTheDirectorysEnd)
{
    TZipBuilder many = Entries(0);
    for (int i = 0; i < 0x10001; ++i)
        many.Add(TZipEntry("f" + std::to_string(i), "x"));
    const TBuiltZip wrapped = many.Build();  // the count fields hold 65,537 modulo 65,536
    std::string longer = wrapped.bytes;  // the directory's size says one byte more than it holds
    longer[wrapped.endRecordOffset + 12] = static_cast<char>(longer[wrapped.endRecordOffset + 12] + 1);
    struct TCase {
        const char* what;
        std::string bytes;
        int32_t entries;
    };
    const std::vector<TCase> cases = {
        {"all of them", wrapped.bytes, 0x10001},
        {"a count that disagrees: as the count says", many.End(TEndRecord().Total(2)).Build().bytes, 2},
        {"a directory not used exactly: as the count says", longer, 1},
    };
    for (const TCase& c : cases) {
        auto reader = Load(c.bytes);
        EXPECT_EQ(reader->EntryCount(), c.entries) << c.what;
        EXPECT_EQ(reader->CountWrapped(), c.entries > 0xFFFF) << c.what;
        EXPECT_FALSE(reader->Rebuilt()) << c.what;
    }
}

TEST_F(Zip64Test, AllOnesHeaderFieldsTakeTheirValuesFromTheExtraField)
{
    struct TCase {
        const char* what;
        TZipEntry entry;
        bool compressedAllOnes;
        uint64_t expectedSize;
    };
    const uint32_t kAllOnes = 0xFFFFFFFF;
    const uint64_t kSecondAt = 30 + 5 + 1;  // after the first entry's local header and data
    const std::vector<TCase> cases = {
        {"size", TZipEntry("a", "12345").Size(kAllOnes).CentralExtra(Zip64Extra({77})), false, 77},
        {"size after a foreign extra field",
         TZipEntry("a", "12345").Size(kAllOnes).CentralExtra(std::string("\x99\x99\x02\x00zz", 6) + Zip64Extra({78})), false, 78},
        {"size and compressed size", TZipEntry("a", "12345").Size(kAllOnes).CentralExtra(Zip64Extra({79, 5})), true,
         79},
        {"offset and disk", TZipEntry("a", "12345").PointsTo(kAllOnes).Disk(0xFFFF).CentralExtra(Zip64Extra({kSecondAt}, 0)),
         false, 5},
        {"all four", TZipEntry("a", "12345").Size(kAllOnes).PointsTo(kAllOnes).Disk(0xFFFF).CentralExtra(Zip64Extra({80, 5, kSecondAt}, 0)),
         true, 80},
        {"an extra field too short for the size keeps all ones",
         TZipEntry("a", "12345").Size(kAllOnes).CentralExtra(std::string("\x01\x00\x04\x00\x50\x00\x00\x00", 8)), false,
         kAllOnes},
        {"all ones without an extra field stays", TZipEntry("a", "12345").Size(kAllOnes), false, kAllOnes},
    };
    for (const TCase& c : cases) {
        for (size_t buffer : {TZipReader::kDirectoryBufferSize, size_t{16}}) {
            TBuiltZip zip = TZipBuilder().Add(TZipEntry("first", "1")).Add(c.entry).Build();
            if (c.compressedAllOnes)
                zip.bytes.replace(zip.centralDirOffset + 46 + 5 + 20, 4, "\xFF\xFF\xFF\xFF");
            dir.Write("x.zip", zip.bytes);
            TZipReader reader(buffer);
            reader.SetZipName(dir.File("x.zip"));
            reader.LoadDirectory();
            EXPECT_EQ(SizesOf(reader), (TSizes{1, c.expectedSize})) << c.what << ", buffer " << buffer;
            EXPECT_FALSE(reader.Rebuilt()) << c.what;
        }
    }
}

TEST_F(Zip64Test, AMatchedSizeBeyond32BitsIsARangeErrorAndAnUnmatchedOneIsNot)
{
    dir.Write("big.zip", TZipBuilder()
                             .Add(TZipEntry("small.txt", "12"))
                             .Add(TZipEntry("huge.bin", "x").Size(0xFFFFFFFF).CentralExtra(Zip64Extra({0x100000000ull})))
                             .Build()
                             .bytes);
    EXPECT_EQ(ZipFileSize(dir.File("big.zip"), {"*.txt"}), 2);
    EXPECT_THROW(ZipFileSize(dir.File("big.zip"), {"*"}), ERangeError);
    EXPECT_THROW(ZipFileSize(dir.File("big.zip"), {"*.bin"}), ERangeError);
}

TEST_F(Zip64Test, ACompanionWhoseDirectoryFailsIsRebuiltFromTheArchive)
{
    TBuiltZip zip = Entries(3).Build();
    dir.Write("k.zip", zip.bytes.substr(0, zip.centralDirOffset));  // the end is cut off
    TBuiltZip companion = Entries(1).Build();
    companion.bytes[companion.centralDirOffset] = 'X';  // its directory cannot be read
    dir.Write("k.zfc", companion.bytes.substr(companion.centralDirOffset));
    auto reader = LoadFile(dir.File("k.zip"));
    EXPECT_TRUE(reader->Rebuilt());
    EXPECT_EQ(NamesOf(*reader), (TNames{"f0.txt", "f1.txt", "f2.txt"}));
}

}  // namespace
}  // namespace pk::testing
