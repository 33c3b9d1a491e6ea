// A save replaces the contents and keeps what the file was: its link, its access, its
// neighbours, and any path that could be opened.
#include <algorithm>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "inifile/FileReplace.h"
#include "tests/inifile/IniTestSupport.h"

namespace pk::testing {
namespace {

namespace fs = std::filesystem;

const std::string kOriginal = Crlf({"[A]", "k=1", ""});
const std::string kSaved = Crlf({"[A]", "k=2", ""});

class SaveKeepsFileTest : public IniFileTest {
protected:
    void SaveChanged(const std::string& file)
    {
        TLumMemIniFile ini(file);
        ini.WriteText("A", "k", "2");
        ini.SaveFile();
    }
};

TEST_F(SaveKeepsFileTest, NamesTakenBesideTheFileAreLeftAlone)
{
    dir.Write("SETUP.INI", kOriginal);
    dir.Write("SETUP.INI.~tmp", std::string("someone else's"));
    dir.Write("~tmp/inside.txt", std::string("x"));
    const auto before = dir.List();
    SaveChanged(path);
    EXPECT_EQ(dir.Read("SETUP.INI"), kSaved);
    EXPECT_EQ(dir.Read("SETUP.INI.~tmp"), "someone else's");
    EXPECT_EQ(dir.List(), before);
}

TEST_F(SaveKeepsFileTest, TemporaryNamesAreShortUniqueAndBesideTheTarget)
{
    for (std::string target : {"C:\\KIT\\SETUP.INI", "C:\\KIT\\A", "C:\\KIT\\LONGER-THAN-EIGHT.INI", "SETUP.INI"}) {
        std::string folder = target.substr(0, target.find_last_of('\\') + 1);
        std::string leaf = target.substr(folder.size());
        std::string first = TemporaryNameBeside(target, 0), second = TemporaryNameBeside(target, 1);
        EXPECT_EQ(first.substr(0, folder.size() + 1), folder + "~") << target;
        EXPECT_EQ(first.size() - folder.size(), std::clamp<size_t>(leaf.size(), 2, 8)) << target;
        EXPECT_NE(first, second) << target;
    }
}

TEST_F(SaveKeepsFileTest, AFileAtTheLongestOpenablePathIsSaved)
{
    // 259 characters, the most a Windows path may have; folders that long are made through
    // the long-path form.
#ifdef _WIN32
    const std::string separator = "\\", longForm = "\\\\?\\";
    // Wine's ReplaceFileW puts a name of its own beside the file ("rf", up to four hex digits,
    // ".tmp"), which fits only where the folder is at most 248 characters long; Windows makes
    // none. Under Wine a leaf one character longer keeps the path at 259.
    const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    const std::string leaf = wine ? "SETUP1.INI" : "SETUP.INI";
#else
    const std::string separator = "/", longForm, leaf = "SETUP.INI";
#endif
    std::string folder = dir.Path();
    while (folder.size() + 1 + 100 + 1 + leaf.size() <= 259)
        folder += separator + std::string(100, 'd');
    folder += separator + std::string(259 - folder.size() - 1 - leaf.size() - 1, 'e');
    fs::create_directories(fs::path(longForm + folder));
    const std::string file = folder + separator + leaf;
    ASSERT_EQ(file.size(), 259u);
    WriteWholeFile(file, kOriginal);
    SaveChanged(file);
    EXPECT_EQ(ReadWholeFile(file), kSaved);
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(longForm + folder)), fs::directory_iterator()), 1);
}

#ifdef _WIN32

TEST_F(SaveKeepsFileTest, AttributesCarryOver)
{
    dir.Write("SETUP.INI", kOriginal);
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), kept | FILE_ATTRIBUTE_ARCHIVE));
    SaveChanged(path);
    EXPECT_EQ(dir.Read("SETUP.INI"), kSaved);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & kept, kept);
}

#else

TEST_F(SaveKeepsFileTest, ASymbolicLinkStaysALinkAndItsFileIsUpdated)
{
    dir.Write("real/SETUP.INI", kOriginal);
    fs::create_symlink("real/SETUP.INI", fs::path(dir.Path()) / "SETUP.INI");
    SaveChanged(path);
    EXPECT_TRUE(fs::is_symlink(fs::path(dir.Path()) / "SETUP.INI"));
    EXPECT_EQ(dir.Read("real/SETUP.INI"), kSaved);
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"SETUP.INI", "real"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(dir.File("real"))), fs::directory_iterator()), 1);
}

TEST_F(SaveKeepsFileTest, ModeOwnerAndGroupCarryOver)
{
    dir.Write("SETUP.INI", kOriginal);
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    // Only root can give the file to someone else; others check their own.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(path.c_str(), 4321, 8765), 0);
    }
    struct stat before;
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    SaveChanged(path);
    struct stat after;
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(dir.Read("SETUP.INI"), kSaved);
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_NE(after.st_ino, before.st_ino) << "the file was replaced, not rewritten in place";
}

#endif

}  // namespace
}  // namespace pk::testing
