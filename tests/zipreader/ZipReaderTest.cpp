#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/LittleEndian.h"
#include "platform/Process.h"
#include "tests/support/FaultyFiles.h"
#include "tests/support/OsError.h"
#include "tests/zipreader/ReaderFixture.h"

namespace pk::testing {
namespace {

using platform::TCursor;

// Three entries; sizes differ so that every index can be told apart.
TZipBuilder ThreeEntries()
{
    return TZipBuilder()
        .Add(TZipEntry("first.txt", "aaaa"))
        .Add(TZipEntry("sub/second.dat", "bb").Size(200))
        .Add(TZipEntry("third", "c").Size(3000));
}

using LoadDirectoryTest = ReaderTest;

TEST_F(LoadDirectoryTest, IndexesFollowTheDataNotTheCentralDirectory)
{
    auto inOrder = Load(ThreeEntries().Build().bytes);
    EXPECT_EQ(NamesOf(*inOrder), (TNames{"first.txt", "second.dat", "third"}));
    EXPECT_EQ(SizesOf(*inOrder), (TSizes{4, 200, 3000}));
    EXPECT_FALSE(inOrder->Rebuilt());

    for (const std::vector<size_t>& order : {std::vector<size_t>{2, 0, 1}, {2, 1, 0}}) {
        auto listed = Load(ThreeEntries().CentralOrder(order).Build().bytes);
        EXPECT_EQ(NamesOf(*listed), (TNames{"first.txt", "second.dat", "third"}));
        EXPECT_EQ(SizesOf(*listed), (TSizes{4, 200, 3000}));
    }
}

TEST_F(LoadDirectoryTest, ArchivesWithoutAUsableEndRecordHaveNoEntries)
{
    TBuiltZip zip = ThreeEntries().Build();
    std::vector<std::string> cases{
        "",
        "P",
        zip.bytes.substr(zip.endRecordOffset, 21),
        zip.bytes.substr(0, zip.bytes.size() - 1),  // cut off: local headers intact, no rebuild
        ThreeEntries().WithoutEndRecord().Build().bytes,
        ThreeEntries().End(TEndRecord().DirOffset(0x80000000u)).Build().bytes,
        ThreeEntries().End(TEndRecord().DirOffset(0xFFFFFFFFu)).Build().bytes,
        ThreeEntries().End(TEndRecord().Disks(1000, 0)).Build().bytes,
        ThreeEntries().End(TEndRecord().Disks(1, 2)).Build().bytes,
        ThreeEntries().End(TEndRecord().Disks(1000, 1000)).Build().bytes,
        std::string(70000, '\0') + "block file without any record",
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        auto reader = Load(cases[i]);
        EXPECT_EQ(reader->EntryCount(), 0) << "case " << i;
        EXPECT_FALSE(reader->Rebuilt()) << "case " << i;
        EXPECT_EQ(reader->ZipName(), dir.File("a.zip")) << "the reader stays named, case " << i;
    }
}

TEST_F(LoadDirectoryTest, ReadsTheDirectoryFromACompanionFile)
{
    TZipBuilder entries = TZipBuilder().Add(TZipEntry("one.txt", "1")).Add(TZipEntry("two.txt", "22"));
    TBuiltZip whole = entries.Build();
    // The companion holds the central directory at its start, then the end record.
    std::string companion = whole.bytes.substr(whole.centralDirOffset);
    dir.Write("set.zfc", companion);
    auto reader = Load(entries.WithoutEndRecord().Build().bytes.substr(0, whole.centralDirOffset), "set.zip");
    EXPECT_EQ(NamesOf(*reader), (TNames{"one.txt", "two.txt"}));
    EXPECT_EQ(SizesOf(*reader), (TSizes{1, 2}));

    // The extension is appended to a name without one.
    dir.Write("noext.zfc", companion);
    EXPECT_EQ(Load("no record here", "noext")->EntryCount(), 2);

    // A companion without a record changes nothing; one is never read for a sound archive.
    dir.Write("bad.zfc", "nothing");
    EXPECT_EQ(Load("no record here", "bad.zip")->EntryCount(), 0);
    dir.Write("good.zfc", TZipBuilder().Build().bytes);
    EXPECT_EQ(Load(whole.bytes, "good.zip")->EntryCount(), 2);
}

TEST_F(LoadDirectoryTest, StepsBackOverAnAnnouncedExtraFieldThatIsNotThere)
{
    TBuiltZip zip = TZipBuilder()
                       .Add(TZipEntry("a.txt", "1").AnnouncedCentralExtra(9))
                       .Add(TZipEntry("b.txt", "22"))
                       .Add(TZipEntry("c.txt", "333").CentralExtra("real extra"))
                       .Build();
    auto reader = Load(zip.bytes);
    EXPECT_EQ(NamesOf(*reader), (TNames{"a.txt", "b.txt", "c.txt"}));
    EXPECT_FALSE(reader->Rebuilt());
    EXPECT_EQ(SizesOf(*reader), (TSizes{1, 2, 3}));
}

TEST_F(LoadDirectoryTest, RebuildsFromLocalHeadersAndTakesCentralValuesWhereTheyFollow)
{
    // The end record points one byte past the directory; the central headers still follow
    // the last entry's data and name two of the three local headers.
    TZipBuilder entries = TZipBuilder()
                             .Add(TZipEntry("a.txt", "1").LocalSize(111))
                             .Add(TZipEntry("b.txt", "22").LocalSize(222))
                             .Add(TZipEntry("c.txt", "333").LocalSize(333));
    TBuiltZip sound = entries.Build();
    TBuiltZip broken = entries.CentralOrder({2, 0}).End(TEndRecord().DirOffset(sound.centralDirOffset + 1).Total(2)).Build();
    auto reader = Load(broken.bytes);
    EXPECT_TRUE(reader->Rebuilt());
    EXPECT_EQ(NamesOf(*reader), (TNames{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(SizesOf(*reader), (TSizes{1, 222, 3})) << "b keeps the values of its local header";
}

TEST_F(LoadDirectoryTest, TwoHeadersNamingOneLocalHeaderStartTheRebuild)
{
    TZipBuilder zip = TZipBuilder()
                          .Add(TZipEntry("a.txt", "1"))
                          .Add(TZipEntry("b.txt", "22").PointsTo(0))
                          .Add(TZipEntry("c.txt", "333"));
    // All three come from their local headers; in the merge pass that follows, the headers
    // of a and b both name the first entry, and the later one stays.
    struct TCase {
        std::vector<size_t> listed;
        TNames names;
        TSizes sizes;
    };
    const std::vector<TCase> cases = {
        {{0, 1, 2}, {"b.txt", "b.txt", "c.txt"}, {2, 2, 3}},  // no central header names the second
        {{2, 1, 0}, {"a.txt", "b.txt", "c.txt"}, {1, 2, 3}},  // found once the order has turned
    };
    for (const TCase& c : cases) {
        auto reader = Load(zip.CentralOrder(c.listed).Build().bytes);
        EXPECT_TRUE(reader->Rebuilt());
        EXPECT_EQ(NamesOf(*reader), c.names);
        EXPECT_EQ(SizesOf(*reader), c.sizes);
    }
}

TEST_F(LoadDirectoryTest, RebuildFollowsDataDescriptorsAndSkipsImplausibleSignatures)
{
    std::string decoy = LocalHeader(TZipEntry("decoy").Needs(0x0A14));
    TBuiltZip zip = TZipBuilder()
                       .Prefix("junk" + decoy)
                       .Add(TZipEntry("streamed.bin", "xyzxyz").Flags(8).LocalCompressedSize(6))
                       .Add(TZipEntry("after.txt", "12"))
                       .End(TEndRecord().DirOffset(3))
                       .Build();
    auto reader = Load(zip.bytes);
    EXPECT_TRUE(reader->Rebuilt());
    EXPECT_EQ(NamesOf(*reader), (TNames{"streamed.bin", "after.txt"}));
}

TEST_F(LoadDirectoryTest, SelfExtractingArchivesAreScannedFromOffset14000)
{
    // A stray local header inside the program part, and the real entries after it.
    std::string stub = std::string(100, 'M') + LocalHeader(TZipEntry("stub.txt"));
    stub.resize(14100, 'M');
    TBuiltZip zip = TZipBuilder()
                       .Prefix(stub)
                       .Add(TZipEntry("real.txt", "r"))
                       .End(TEndRecord().DirOffset(1))
                       .Build();
    EXPECT_EQ(NamesOf(*Load(zip.bytes, "setup.ExE")), (TNames{"real.txt"}));
    EXPECT_EQ(NamesOf(*Load(zip.bytes, "setup.zip")), (TNames{"stub.txt"}));
}

TEST_F(LoadDirectoryTest, ScanningLetsPendingMessagesThroughEvery10240Bytes)
{
    TBuiltZip zip = TZipBuilder()
                       .Prefix(std::string(10240 * 3 - 1, 'z'))
                       .Add(TZipEntry("a", "1"))
                       .End(TEndRecord().DirOffset(0))
                       .Build();
    auto reader = Load(zip.bytes);
    EXPECT_TRUE(reader->Rebuilt());
    EXPECT_EQ(reader->EntryCount(), 1);
    EXPECT_EQ(ui.processMessagesCalls, 2);

    ui.processMessagesCalls = 0;
    dir.Write("quiet.zip", zip.bytes);
    TZipReader quiet;
    quiet.DoProcessMessages = false;
    quiet.SetZipName(dir.File("quiet.zip"));
    quiet.LoadDirectory();
    EXPECT_EQ(quiet.EntryCount(), 1);
    EXPECT_EQ(ui.processMessagesCalls, 0);
}

TEST_F(LoadDirectoryTest, AnUnreadableDirectoryWithoutLocalHeadersIsNotAZipFile)
{
    std::string bytes = std::string(50, 'x') + EndRecordBytes(TEndRecord(), 2, 46, 10);
    dir.Write("bad.zip", bytes);
    TZipReader reader;
    reader.SetZipName(dir.File("bad.zip"));
    try {
        reader.LoadDirectory();
        FAIL() << "loaded a damaged archive";
    } catch (const EBadZipFile& e) {
        EXPECT_STREQ(e.what(), "Not a valid zip file!");
    }
    EXPECT_EQ(reader.ZipName(), "") << "the reader is cleared";
    EXPECT_EQ(reader.EntryCount(), 0);
    EXPECT_FALSE(reader.Rebuilt());
    EXPECT_EQ(ui.cursorChanges, (std::vector<TCursor>{TCursor::HourGlass, TCursor::Default}));
}

TEST_F(LoadDirectoryTest, NegativeSizesInLocalHeadersEndTheRebuild)
{
    // The data size points back at the header itself.
    TBuiltZip zip = TZipBuilder()
                       .Add(TZipEntry("a", "1").LocalCompressedSize(0xFFFFFFC0u))
                       .Add(TZipEntry("b", "2"))
                       .End(TEndRecord().DirOffset(1))
                       .Build();
    auto reader = Load(zip.bytes);
    EXPECT_TRUE(reader->Rebuilt());
    EXPECT_EQ(NamesOf(*reader), (TNames{"a"}));
}

TEST_F(LoadDirectoryTest, OverlappingLocalHeadersCostNoMoreThanTheArchiveHolds)
{
    // Each header's longest name and negative size put the next header inside that name: a
    // walk that followed them would read the same bytes again, 64 KB per 30-byte step.
    constexpr int kHeaders = 64;
    std::string bytes;
    for (int i = 0; i < kHeaders; ++i) {
        le::PutU32(bytes, 0x04034B50);
        le::PutU16(bytes, 20);
        bytes.append(10, '\0');
        le::PutU32(bytes, static_cast<uint32_t>(-65535));
        le::PutU32(bytes, 1);
        le::PutU16(bytes, 65535);
        le::PutU16(bytes, 0);
    }
    bytes.append(65535, 'n');
    bytes += EndRecordBytes(TEndRecord(), 1, 46, 1);
    auto reader = Load(bytes);
    EXPECT_TRUE(reader->Rebuilt());
    // Every entry stands for its own header and name in the file.
    size_t covered = 0;
    for (const std::string& name : NamesOf(*reader))
        covered += 30 + name.size();
    EXPECT_LE(covered, bytes.size());
    EXPECT_EQ(reader->EntryCount(), 1);
}

using ReaderStateTest = ReaderTest;

TEST_F(ReaderStateTest, IndexesOutsideTheListAreListErrors)
{
    auto reader = Load(ThreeEntries().Build().bytes);
    for (int32_t index : {-1, 3, INT32_MIN}) {
        try {
            reader->EntryFileName(index);
            FAIL() << index;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "Index " + std::to_string(index) + " is out of range");
        }
        EXPECT_THROW(reader->EntryUncompressedSize(index), EListError);
    }
    TZipReader unloaded;
    EXPECT_EQ(unloaded.EntryCount(), 0);
    EXPECT_THROW(unloaded.EntryFileName(0), EListError);
}

TEST_F(ReaderStateTest, OpenFailuresNameTheFullPathAndClearTheReader)
{
    platform::TFile probe;
    uint32_t missingCode = testing::OsErrorOf([&] { probe.OpenRead(dir.File("missing.zip"), platform::TShare::DenyWrite); });
    uint32_t folderCode = testing::OsErrorOf([&] { probe.OpenRead(dir.Path(), platform::TShare::DenyWrite); });
    struct TCase {
        std::string path;
        uint32_t code;
    };
    for (const TCase& c : {TCase{dir.File("missing.zip"), missingCode}, TCase{dir.Path(), folderCode}}) {
        ui.cursorChanges.clear();
        TZipReader reader;
        reader.SetZipName(c.path);
        try {
            reader.LoadDirectory();
            FAIL() << c.path;
        } catch (const EFOpenError& e) {
            EXPECT_EQ(e.Message(), "Cannot open file \"" + platform::ExpandFileName(c.path) + "\". " +
                                       platform::OsErrorText(c.code));
        }
        EXPECT_EQ(reader.ZipName(), "");
        EXPECT_EQ(ui.cursorChanges, (std::vector<TCursor>{TCursor::HourGlass, TCursor::Default}));
    }
}

TEST_F(ReaderStateTest, AReadFailureClearsTheReaderAndIsRaised)
{
    // A comment that puts the end record out of the first, short search, and a self-extractor's
    // worth of bytes first, so that the directory is not in the read that finds the record.
    dir.Write("a.zip",
              ThreeEntries().Prefix(std::string(100000, 'p')).End(TEndRecord().Comment(std::string(10000, 'c'))).Build().bytes);
    int reads = 0;
    {
        TFaultyFiles counter;
        LoadFile(dir.File("a.zip"));
        reads = counter.Reads();
    }
    ASSERT_GE(reads, 3);
    for (int failing = 1; failing <= reads; ++failing) {
        TFaultyFiles faults;
        faults.FailRead(failing, 5);
        TZipReader reader;
        reader.SetZipName(dir.File("a.zip"));
        EXPECT_THROW(reader.LoadDirectory(), EInOutError) << "read " << failing;
        EXPECT_EQ(reader.ZipName(), "");
        EXPECT_EQ(reader.EntryCount(), 0);
    }
    auto reader = LoadFile(dir.File("a.zip"));
    EXPECT_EQ(reader->EntryCount(), 3) << "the archive was left closed and whole";
}

TEST_F(ReaderStateTest, AFileHeldForWritingCannotBeRead)
{
    dir.Write("held.zip", ThreeEntries().Build().bytes);
    platform::TFile writer;
    writer.OpenWriteExisting(dir.File("held.zip"));
    EXPECT_THROW(LoadFile(dir.File("held.zip")), EFOpenError);
    writer.Close();
    auto reader = LoadFile(dir.File("held.zip"));
    EXPECT_EQ(reader->EntryCount(), 3);
    // The load closed the file again: it can be opened exclusively.
    platform::TFile after;
    EXPECT_NO_THROW(after.OpenWriteExisting(dir.File("held.zip")));
}

TEST_F(ReaderStateTest, TheCursorIsRestoredOnEveryWayOut)
{
    ui.cursor = TCursor::Default;
    Load(ThreeEntries().Build().bytes);
    Load("not an archive at all");
    EXPECT_EQ(ui.cursorChanges,
              (std::vector<TCursor>{TCursor::HourGlass, TCursor::Default, TCursor::HourGlass, TCursor::Default}));
}

TEST_F(ReaderStateTest, ReadsAgainOnlyWhenTheFileTimeChanged)
{
    namespace fs = std::filesystem;
    TZipReader reader;
    dir.Write("a.zip", ThreeEntries().Build().bytes);
    reader.SetZipName(dir.File("a.zip"));
    reader.LoadDirectory();
    ASSERT_EQ(reader.EntryCount(), 3);
    fs::path native = fs::path(dir.Path()) / "a.zip";
    auto stamp = fs::last_write_time(native);

    dir.Write("a.zip", TZipBuilder().Add(TZipEntry("only")).Build().bytes);
    fs::last_write_time(native, stamp);
    reader.LoadDirectory();
    EXPECT_EQ(reader.EntryCount(), 3) << "same time, same directory";

    fs::last_write_time(native, stamp + std::chrono::seconds(10));
    reader.LoadDirectory();
    EXPECT_EQ(NamesOf(reader), (TNames{"only"}));

    // A directory that had to be rebuilt from the local headers says nothing about the next.
    dir.Write("a.zip", TZipBuilder().Add(TZipEntry("x", "1")).Add(TZipEntry("y", "2").PointsTo(0)).Build().bytes);
    fs::last_write_time(native, stamp + std::chrono::seconds(20));
    reader.LoadDirectory();
    ASSERT_TRUE(reader.Rebuilt());
    dir.Write("a.zip", ThreeEntries().Build().bytes);
    fs::last_write_time(native, stamp + std::chrono::seconds(30));
    reader.LoadDirectory();
    EXPECT_FALSE(reader.Rebuilt());
    EXPECT_EQ(reader.EntryCount(), 3);
}

using ZipNameTest = ReaderTest;

TEST_F(ZipNameTest, ANameThatDiffersOnlyInCaseKeepsTheDirectory)
{
    dir.Write("a.zip", ThreeEntries().Build().bytes);
    TZipReader reader;
    reader.SetZipName(dir.File("a.zip"));
    reader.LoadDirectory();
    reader.SetZipName(dir.File("A.ZIP"));
    EXPECT_EQ(reader.EntryCount(), 3);
    EXPECT_EQ(reader.ZipName(), dir.File("a.zip"));
    reader.SetZipName(dir.File("b.zip"));
    EXPECT_EQ(reader.EntryCount(), 0);
    EXPECT_EQ(reader.ZipName(), dir.File("b.zip"));
}

TEST_F(ZipNameTest, AQuestionMarkAsksForTheFile)
{
    const std::string filter =
        "Zip Files (*.ZIP)|*.zip|SFX Files (*.EXE)|*.exe|Jar Files (*.JAR)|*.jar|All Files (*.*)|*.*";
    dir.Write("chosen.zip", ThreeEntries().Build().bytes);
    ui.fileChoices.push_back(dir.File("chosen.zip"));
    TZipReader reader;
    reader.SetZipName(dir.Path() + "\\*.zip?");
    ASSERT_EQ(ui.dialogs.size(), 1u);
    EXPECT_EQ(ui.dialogs[0].title, "Open a Zip File");
    EXPECT_EQ(ui.dialogs[0].filter, filter);
    EXPECT_EQ(ui.dialogs[0].initialDirectory, dir.Path());
    EXPECT_EQ(reader.ZipName(), dir.File("chosen.zip"));
    reader.LoadDirectory();
    EXPECT_EQ(reader.EntryCount(), 3);

    ui.fileChoices.push_back(std::nullopt);
    try {
        reader.SetZipName(dir.Path() + "\\no such folder\\?");
        FAIL() << "cancelling the dialog named a file";
    } catch (const EUserCanceled& e) {
        EXPECT_STREQ(e.what(), "User canceled setting zip file name.");
    }
    EXPECT_EQ(ui.dialogs[1].initialDirectory, "C:\\");
    EXPECT_EQ(reader.ZipName(), dir.File("chosen.zip"));
    EXPECT_EQ(reader.EntryCount(), 3) << "a cancelled dialog changes nothing";
}

}  // namespace
}  // namespace pk::testing
