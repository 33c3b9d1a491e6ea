#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/FileNames.h"
#include "platform/Process.h"
#include "platform/Replaceable.h"
#include "tests/support/OsError.h"
#include "tests/support/TempDir.h"

namespace pk {
namespace {

using namespace platform;

using pk::testing::TTempDir;

TEST(FileTest, ReadsSeeksAndReportsSize)
{
    TTempDir dir;
    dir.Write("a.bin", std::string("0123456789"));
    TFile f;
    f.OpenRead(dir.File("a.bin"), TShare::DenyWrite);
    EXPECT_EQ(f.Size(), 10);
    char buf[4] = {};
    EXPECT_EQ(f.Seek(6, TSeekFrom::Begin), 6);
    EXPECT_EQ(f.Read(buf, 4), 4u);
    EXPECT_EQ(std::string(buf, 4), "6789");
    EXPECT_EQ(f.Read(buf, 4), 0u);
    EXPECT_EQ(f.Seek(-3, TSeekFrom::End), 7);
    EXPECT_NE(f.DosModificationTime(), 0u);
    EXPECT_EQ(ReadWholeFile(f), "0123456789") << "from the start, wherever the position is";
}

TEST(FileTest, ExistenceTellsFilesFromFolders)
{
    TTempDir dir;
    dir.Write("f.txt", std::string("x"));
    EXPECT_TRUE(FileExists(dir.File("f.txt")));
    EXPECT_FALSE(FileExists(dir.Path()));
    EXPECT_TRUE(DirectoryExists(dir.Path()));
    EXPECT_FALSE(FileExists(dir.File("missing.txt")));
    EXPECT_FALSE(FileExists(""));
}

TEST(FileTest, OpeningAMissingFileGivesTheOsCodeAndText)
{
    TTempDir dir;
    TFile f;
    uint32_t code = testing::OsErrorOf([&] { f.OpenRead(dir.File("missing.bin"), TShare::DenyWrite); });
    EXPECT_NE(code, 0u);
    EXPECT_FALSE(f.IsOpen());
    std::string text = OsErrorText(code);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '.');
    EXPECT_NE(text.back(), '\n');
}

TEST(FileTest, SharingModesDenyConflictingOpens)
{
    TTempDir dir;
    dir.Write("s.bin", std::string("abc"));
    TFile reader;
    reader.OpenRead(dir.File("s.bin"), TShare::DenyWrite);
    TFile second;
    EXPECT_NO_THROW(second.OpenRead(dir.File("s.bin"), TShare::DenyWrite)) << "readers share";
    second.Close();
    TFile writer;
    EXPECT_THROW(writer.OpenWriteExisting(dir.File("s.bin")), EInOutError) << "a reader denies writers";
    EXPECT_THROW(writer.Create(dir.File("s.bin")), EInOutError);
    reader.Close();
    EXPECT_EQ(dir.Read("s.bin"), "abc") << "a refused create must not truncate";

    TFile exclusive;
    exclusive.OpenRead(dir.File("s.bin"), TShare::Exclusive);
    EXPECT_THROW(second.OpenRead(dir.File("s.bin"), TShare::DenyWrite), EInOutError) << "exclusive denies readers";
}

TEST(FileTest, AReadOnlyFileRefusesWritersEvenForAnAdministrator)
{
    TTempDir dir;
    dir.Write("ro.ini", std::string("keep"));
    namespace fs = std::filesystem;
    fs::permissions(fs::path(dir.File("ro.ini")),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write, fs::perm_options::remove);
    TFile f;
    EXPECT_THROW(f.OpenWriteExisting(dir.File("ro.ini")), EInOutError);
    EXPECT_THROW(f.Create(dir.File("ro.ini")), EInOutError);
    EXPECT_NO_THROW(f.OpenRead(dir.File("ro.ini"), TShare::DenyWrite)) << "reading stays allowed";
    f.Close();
    EXPECT_EQ(dir.Read("ro.ini"), "keep");
}

TEST(FileTest, ReplaceFileWithSwapsContentsAndKeepsTargetOnFailure)
{
    TTempDir dir;
    dir.Write("target.ini", std::string("old"));
    dir.Write("new.tmp", std::string("new"));
    ASSERT_EQ(ReplaceFileWith(dir.File("new.tmp"), dir.File("target.ini")), 0u);
    EXPECT_EQ(dir.Read("target.ini"), "new");
    EXPECT_FALSE(dir.Exists("new.tmp"));
    EXPECT_NE(ReplaceFileWith(dir.File("gone.tmp"), dir.File("target.ini")), 0u);
    EXPECT_EQ(dir.Read("target.ini"), "new");
}

// A kit written on Windows: SETUP.INI names files in other letter case than the disk has.
TEST(FileTest, NamesMatchWhateverTheirLetterCaseAsOnWindows)
{
    TTempDir dir;
    dir.Write("SAMPLES.ZIP", std::string("zip"));
    dir.Write("Data/Tools.zip", std::string("tools"));
    dir.Write("SETUP.INI", std::string("old"));
    dir.Write("new.tmp", std::string("new"));
    TFile f;
    f.OpenRead(dir.File("samples.zip"), TShare::DenyWrite);
    EXPECT_EQ(ReadWholeFile(f), "zip");
    f.OpenRead(dir.File("DATA\\TOOLS.ZIP"), TShare::DenyWrite);
    EXPECT_EQ(ReadWholeFile(f), "tools");
    f.Close();
    EXPECT_TRUE(FileExists(dir.File("data\\tools.ZIP")));
    EXPECT_TRUE(DirectoryExists(dir.File("DATA")));
    EXPECT_EQ(FileIdentity(dir.File("samples.zip")), FileIdentity(dir.File("SAMPLES.ZIP")));
    EXPECT_NE(FileIdentity(dir.File("samples.zip")), FileIdentity(dir.File("SETUP.INI")));
    EXPECT_FALSE(FileIdentity(dir.File("gone.zip")));
    ASSERT_EQ(ReplaceFileWith(dir.File("new.tmp"), dir.File("setup.ini")), 0u);
    EXPECT_EQ(dir.Read("SETUP.INI"), "new") << "the file found is replaced";
    EXPECT_EQ(dir.List().size(), 3u) << "no second one made";
    std::vector<std::string> files = FilesIn(dir.Path());
    EXPECT_EQ(files.size(), 2u) << "folders are no files";
    EXPECT_EQ(std::count(files.begin(), files.end(), "SAMPLES.ZIP"), 1);
}

#ifndef _WIN32
TEST(FileTest, NameOnDiskMatchesEachComponentWhenTheNameIsNotThereAsWritten)
{
    TTempDir dir;
    dir.Write("SAMPLES.ZIP", std::string());
    dir.Write("samples.Zip", std::string("exact"));
    dir.Write("Data/Tools.zip", std::string());
    dir.Write("Twice/a.zip", std::string());
    dir.Write("Twice/A.ZIP", std::string());
    const std::string kit = dir.Path() + "/";
    struct Case {
        const char* written;
        std::string found;
        bool otherCase;
        std::vector<std::string> sameButCase;
    } cases[] = {
        {"samples.Zip", kit + "samples.Zip", false, {}},  // as written first
        {"DATA\\TOOLS.ZIP", kit + "Data/Tools.zip", true, {}},
        {"data\\Tools.zip", kit + "Data/Tools.zip", true, {}},
        {"DATA\\GONE.ZIP", kit + "Data/GONE.ZIP", true, {}},  // the folder is found all the same
        {"GONE\\TOOLS.ZIP", kit + "GONE/TOOLS.ZIP", false, {}},
        {"twice\\a.Zip", kit + "Twice/a.Zip", true, {kit + "Twice/A.ZIP", kit + "Twice/a.zip"}},
    };
    for (const Case& c : cases) {
        TNameOnDisk found = NameOnDisk(dir.Path() + "\\" + c.written);
        EXPECT_EQ(found.path, c.found) << c.written;
        EXPECT_EQ(found.otherCase, c.otherCase) << c.written;
        EXPECT_EQ(found.sameButCase, c.sameButCase) << c.written;
    }
    EXPECT_FALSE(FileExists(dir.File("Twice/a.Zip"))) << "several matches count as none";
}
#endif

TEST(ProcessTest, ExpandFileNameResolvesAgainstTheCurrentDirectory)
{
    std::string cwd = CurrentDirectory();
    ASSERT_FALSE(cwd.empty());
    EXPECT_EQ(ExpandFileName("x.ini"), cwd + (cwd.back() == '\\' ? "" : "\\") + "x.ini");
    EXPECT_EQ(ExpandFileName("a\\..\\b\\.\\c.txt"), cwd + (cwd.back() == '\\' ? "" : "\\") + "b\\c.txt");
}

TEST(ProcessTest, ReplacementsStandInForTheProcessFactsAndGoBackInTurn)
{
    const std::string real = ProgramPath(), realLine = CommandLine();
    const std::string tool = "C:\\Tools\\Paktally.exe", other = "D:\\Paktally.exe", line = "Paktally.exe /B";
    {
        TInstalled path{ReplaceProgramPath, tool};
        TInstalled commandLine{ReplaceCommandLine, line};
        EXPECT_EQ(ProgramPath(), tool);
        EXPECT_EQ(CommandLine(), line);
        {
            TInstalled inner{ReplaceProgramPath, other};
            EXPECT_EQ(ProgramPath(), other);
        }
        EXPECT_EQ(ProgramPath(), tool) << "the guard puts back the one it replaced";
    }
    EXPECT_EQ(ProgramPath(), real);
    EXPECT_EQ(CommandLine(), realLine);
}

TEST(ExceptionsTest, CheckedAddRaisesIntegerOverflow)
{
    EXPECT_EQ(CheckedAdd(2147483646, 1), 2147483647);
    EXPECT_EQ(CheckedAdd(-5, 3), -2);
    try {
        CheckedAdd(2147483647, 1);
        FAIL() << "no overflow raised";
    } catch (const EIntOverflow& e) {
        EXPECT_STREQ(e.what(), "Integer overflow");
        EXPECT_STREQ(e.ClassName(), "EIntOverflow");
    }
}

}  // namespace
}  // namespace pk
