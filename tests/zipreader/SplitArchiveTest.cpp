#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Drives.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/Process.h"
#include "platform/Replaceable.h"
#include "tests/support/OsError.h"
#include "tests/zipreader/ReaderFixture.h"

namespace pk::testing {
namespace {

using platform::TBoxButtons;
using platform::TBoxResult;
using platform::TCursor;

class TFakeDrives : public platform::TDrives {
public:
    bool IsRemovable(const std::string& root) override
    {
        roots.push_back(root);
        return removable;
    }
    std::string VolumeLabel(const std::string& root) override
    {
        roots.push_back(root);
        return label;
    }
    bool removable = false;
    std::string label;
    std::vector<std::string> roots;
};

// Three entries over two parts: the first part holds the data of a and b and the central
// directory up to the middle of its second header; the second part holds the rest of the
// directory and the end record. Entry c claims to start on the second disk.
struct TSplitSet {
    std::string first, second;
    uint32_t dirOffset = 0;
};

TSplitSet MakeSplitSet()
{
    TZipEntry a("a.txt", "aaaa"), b("dir/b.txt", "bb"), c = TZipEntry("c.bin").Size(900).Disk(1);
    TSplitSet set;
    set.first = LocalHeader(a) + a.data;
    uint32_t offsetB = static_cast<uint32_t>(set.first.size());
    set.first += LocalHeader(b) + b.data;
    uint32_t dirOffset = set.dirOffset = static_cast<uint32_t>(set.first.size());
    std::string central = CentralHeader(c, 0) + CentralHeader(b, offsetB) + CentralHeader(a, 0);
    size_t cut = central.size() - 70;  // inside the header of b, after its signature
    set.first += central.substr(0, cut);
    set.second = central.substr(cut) +
                 EndRecordBytes(TEndRecord().Disks(1, 0).Comment("split comment"), 3,
                                static_cast<uint32_t>(central.size()), dirOffset);
    return set;
}

class SplitArchiveTest : public ReaderTest {
protected:
    // Archives live under a drive letter: on Windows the temporary folder's own; elsewhere a
    // folder named "Q:" in the temporary folder, which becomes the current directory.
    void SetUp() override
    {
#ifdef _WIN32
        folder = dir.Path() + "\\";
#else
        savedDirectory = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path());
        std::filesystem::create_directory("Q:");
        folder = "Q:\\";
#endif
        root = folder.substr(0, 3);
        for (char& ch : root)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    void TearDown() override
    {
#ifndef _WIN32
        std::filesystem::current_path(savedDirectory);
#endif
    }
    void Put(const std::string& name, const std::string& bytes)
    {
#ifdef _WIN32
        dir.Write(name, bytes);
#else
        dir.Write("Q:/" + name, bytes);
#endif
    }

    std::string folder, root;
    TFakeDrives drives;
    platform::TInstalled<platform::TDrives> installedDrives{platform::ReplaceDrives, drives};
#ifndef _WIN32
    std::filesystem::path savedDirectory;
#endif
};

TEST_F(SplitArchiveTest, NumberedPartsAreFollowedByTheirExtensions)
{
    TSplitSet set = MakeSplitSet();
    Put("set.001", set.first);
    Put("set.002", set.second);
    auto reader = LoadFile(folder + "set.002");
    EXPECT_EQ(NamesOf(*reader), (TNames{"a.txt", "b.txt", "c.bin"}));
    EXPECT_EQ(SizesOf(*reader), (TSizes{4, 2, 900}));
    EXPECT_EQ(reader->PartMode(), TZipReader::TPartMode::NumberedFiles);
    EXPECT_EQ(reader->DiskCount(), 2);
    EXPECT_EQ(reader->ZipName(), folder + "set.002");
    EXPECT_EQ(reader->EndRecord().Comment, "split comment");
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(drives.roots, (std::vector<std::string>{root}));
}

TEST_F(SplitArchiveTest, AMissingNumberedPartIsAnOpenErrorForThatPart)
{
    TSplitSet set = MakeSplitSet();
    Put("set.002", set.second);
    platform::TFile probe;
    uint32_t code = testing::OsErrorOf([&] { probe.OpenRead(folder + "set.001", platform::TShare::Exclusive); });
    TZipReader reader;
    reader.SetZipName(folder + "set.002");
    try {
        reader.LoadDirectory();
        FAIL() << "loaded without its first part";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + platform::ExpandFileName(folder + "set.001") + "\". " +
                                   platform::OsErrorText(code));
    }
    EXPECT_EQ(reader.ZipName(), "");
    EXPECT_EQ(reader.PartMode(), TZipReader::TPartMode::SinglePart);
}

TEST_F(SplitArchiveTest, AnUnreadableHeaderInASplitArchiveIsNotRebuilt)
{
    TSplitSet set = MakeSplitSet();
    set.first[set.dirOffset] = 'X';
    Put("set.001", set.first);
    Put("set.002", set.second);
    EXPECT_THROW(LoadFile(folder + "set.002"), EBadZipFile);
}

TEST_F(SplitArchiveTest, TwoHeadersNamingOneLocalHeaderAreRebuiltBeforeTheNextPartIsAskedFor)
{
    // The directory starts in the first part and names a's local header twice there; the
    // rest of it lies in the second part, which the rebuild from the part at hand never needs.
    TZipEntry a("a.txt", "aaaa"), b("b.txt", "bb");
    std::string first = LocalHeader(a) + a.data + LocalHeader(b) + b.data;
    const auto dirOffset = static_cast<uint32_t>(first.size());
    const std::string central = CentralHeader(a, 0) + CentralHeader(b, 0) + CentralHeader(b, dirOffset - 32);
    first += central.substr(0, central.size() - 30);
    Put("dup.001", first);
    Put("dup.002", central.substr(central.size() - 30) +
                       EndRecordBytes(TEndRecord().Disks(1, 0), 3, static_cast<uint32_t>(central.size()), dirOffset));
    TZipReader reader;
    std::vector<int32_t> asked;
    reader.OnNextPart = [&](TZipReader& sender, int32_t part, std::string& name) {
        asked.push_back(part);
        reader.DefaultNextPart(sender, part, name);
    };
    reader.SetZipName(folder + "dup.002");
    reader.LoadDirectory();
    EXPECT_TRUE(reader.Rebuilt());
    EXPECT_EQ(NamesOf(reader), (TNames{"b.txt", "b.txt"}));
    EXPECT_EQ(asked, (std::vector<int32_t>{1})) << "the part holding the directory's start, no more";
}

TEST_F(SplitArchiveTest, RemovableDisksAreAskedForWithTheirLabelsChecked)
{
    TSplitSet set = MakeSplitSet();
    drives.removable = true;
    Put("set.zip", set.second);
    std::vector<TCursor> cursorsAtBoxes;
    int box = 0;
    ui.onBox = [&](const platform::TMessageBoxSpec&) {
        cursorsAtBoxes.push_back(ui.cursor);
        // The user inserts the disk that was asked for; at the second request for disk 1 the
        // label is right.
        ++box;
        if (box == 1) {
            Put("set.zip", set.first);
            drives.label = "BACKUP  002";
        } else if (box == 2) {
            drives.label = "LONG LABEL 001 TOO";
        } else if (box == 3) {
            drives.label = "BACKUP  001";
        } else {
            Put("set.zip", set.second);
            drives.label = "B 002";
        }
    };
    auto reader = LoadFile(folder + "set.zip");
    EXPECT_EQ(NamesOf(*reader), (TNames{"a.txt", "b.txt", "c.bin"}));
    EXPECT_EQ(reader->PartMode(), TZipReader::TPartMode::RemovableDisks);
    EXPECT_EQ(reader->EndRecord().Comment, "split comment");
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Please insert disk 1 of the multi-disk set.",
                                                   "Please insert disk 1 of the multi-disk set.",
                                                   "Please insert disk 1 of the multi-disk set.",
                                                   "Please insert disk 2 of the multi-disk set."}));
    for (const auto& shown : ui.boxes) {
        EXPECT_EQ(shown.title, "");
        EXPECT_EQ(shown.buttons, TBoxButtons::OKCancel);
        EXPECT_TRUE(shown.ownerless);
    }
    EXPECT_EQ(cursorsAtBoxes, std::vector<TCursor>(4, TCursor::Default));
    EXPECT_EQ(ui.cursor, TCursor::Default);
    for (const std::string& asked : drives.roots)
        EXPECT_EQ(asked, root);
}

TEST_F(SplitArchiveTest, LabelsAreNotCheckedWhenSwitchedOff)
{
    TSplitSet set = MakeSplitSet();
    drives.removable = true;
    Put("set.zip", set.second);
    ui.onBox = [&](const platform::TMessageBoxSpec& shown) {
        Put("set.zip", shown.text.find("disk 1 ") != std::string::npos ? set.first : set.second);
    };
    TZipReader reader;
    reader.SetCheckPartLabels(false);
    reader.SetZipName(folder + "set.zip");
    reader.LoadDirectory();
    EXPECT_EQ(reader.EntryCount(), 3);
    EXPECT_EQ(ui.boxes.size(), 2u);
}

TEST_F(SplitArchiveTest, CancellingTheDiskRequestClearsTheReader)
{
    TSplitSet set = MakeSplitSet();
    drives.removable = true;
    Put("set.zip", set.second);
    ui.answers.push_back(TBoxResult::Cancel);
    TZipReader reader;
    reader.SetZipName(folder + "set.zip");
    try {
        reader.LoadDirectory();
        FAIL() << "loaded without the first disk";
    } catch (const EUserCanceled& e) {
        EXPECT_STREQ(e.what(), "User canceled loading new disk.");
    }
    EXPECT_EQ(reader.ZipName(), "");
    EXPECT_EQ(reader.EntryCount(), 0);
    EXPECT_EQ(ui.cursorChanges,
              (std::vector<TCursor>{TCursor::HourGlass, TCursor::Default, TCursor::HourGlass, TCursor::Default}));
}

TEST_F(SplitArchiveTest, AnAssignedPartHandlerNamesTheParts)
{
    TSplitSet set = MakeSplitSet();
    Put("first part.bin", set.first);
    Put("last.zip", set.second);
    std::vector<int32_t> asked;
    TZipReader reader;
    reader.OnNextPart = [&](TZipReader&, int32_t part, std::string& name) {
        asked.push_back(part);
        name = folder + (part == 1 ? "first part.bin" : "last.zip");
    };
    reader.SetZipName(folder + "last.zip");
    reader.LoadDirectory();
    EXPECT_EQ(NamesOf(reader), (TNames{"a.txt", "b.txt", "c.bin"}));
    EXPECT_EQ(asked, (std::vector<int32_t>{1, 2}));
}

}  // namespace
}  // namespace pk::testing
