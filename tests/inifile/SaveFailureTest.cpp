// Saves that cannot happen raise the named error and leave the file as it was.
#include <filesystem>

#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/Process.h"
#include "tests/inifile/IniTestSupport.h"
#include "tests/support/FaultyFiles.h"
#include "tests/support/OsError.h"

namespace pk::testing {
namespace {

const std::string kOriginal = Crlf({"[A]", "k=1", ""});

#ifdef _WIN32
constexpr uint32_t kDiskFull = 112;  // ERROR_DISK_FULL
#else
constexpr uint32_t kDiskFull = 28;  // ENOSPC
#endif

class SaveFailureTest : public IniFileTest {
protected:
    // A modified document over an existing SETUP.INI.
    std::unique_ptr<TLumMemIniFile> Changed()
    {
        auto ini = Load(kOriginal);
        ini->WriteText("A", "k", "2");
        return ini;
    }

    void ExpectRefused(TLumMemIniFile& ini, const std::string& target, const std::string& reason)
    {
        const auto before = dir.List();
        try {
            ini.SaveFile();
            ADD_FAILURE() << "the save succeeded";
        } catch (const EFCreateError& e) {
            EXPECT_EQ(e.Message(), "Cannot create file \"" + platform::ExpandFileName(target) + "\". " + reason);
        }
        EXPECT_EQ(dir.List(), before) << "nothing may be left behind";
        EXPECT_TRUE(ini.IsModified());
    }

    // The system's reason why a file cannot be opened for writing now.
    static std::string WhyNotWritable(const std::string& file)
    {
        platform::TFile probe;
        uint32_t code = testing::OsErrorOf([&] { probe.OpenWriteExisting(file); });
        EXPECT_NE(code, 0u) << file << " is writable";
        return platform::OsErrorText(code);
    }
};

TEST_F(SaveFailureTest, ATargetHeldByAnotherHandleStaysUntouched)
{
    auto ini = Changed();
    platform::TFile holder;
    holder.OpenRead(path, platform::TShare::Exclusive);
    ExpectRefused(*ini, path, WhyNotWritable(path));
    holder.Close();
    ini.reset();
    EXPECT_EQ(dir.Read("SETUP.INI"), kOriginal) << "a failed save is not tried again unseen";
}

TEST_F(SaveFailureTest, AReadOnlyTargetStaysUntouched)
{
    auto ini = Changed();
    namespace fs = std::filesystem;
    fs::permissions(fs::path(path), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ExpectRefused(*ini, path, WhyNotWritable(path));
    EXPECT_EQ(dir.Read("SETUP.INI"), kOriginal);
}

TEST_F(SaveFailureTest, AFolderNamedAsTheFileStaysAFolder)
{
    dir.Write("folder.ini/inside.txt", std::string("x"));
    TLumMemIniFile ini(dir.File("folder.ini"));
    ini.WriteText("A", "k", "1");
    ExpectRefused(ini, dir.File("folder.ini"), WhyNotWritable(dir.File("folder.ini")));
    EXPECT_TRUE(platform::DirectoryExists(dir.File("folder.ini")));
    EXPECT_EQ(dir.Read("folder.ini/inside.txt"), "x");
}

TEST_F(SaveFailureTest, ATemporaryFileThatCannotBeCreatedIsNamed)
{
    const std::string missing = dir.File("gone");
    TLumMemIniFile ini(missing + "\\SETUP.INI");
    ini.WriteText("A", "k", "1");
    platform::TFile probe;
    const uint32_t code = testing::OsErrorOf([&] { probe.CreateNew(missing + "\\probe"); });
    ASSERT_NE(code, 0u);
    try {
        ini.SaveFile();
        ADD_FAILURE() << "the save succeeded";
    } catch (const EFCreateError& e) {
        const std::string expected = "Cannot create file \"" + platform::ExpandFileName(missing) + "\\~";
        EXPECT_EQ(e.Message().substr(0, expected.size()), expected);
        EXPECT_EQ(e.Message().substr(expected.size() + 7), "\". " + platform::OsErrorText(code));
    }
    EXPECT_EQ(dir.List(), (std::vector<std::string>{}));
}

TEST_F(SaveFailureTest, ADocumentCutShortByANulByteIsNeverSaved)
{
    const std::string withNul("[A]\r\nk=1\r\n\0tail\r\n", 16);
    auto ini = Load(withNul);
    ini->WriteText("A", "k", "2");
    ExpectRefused(*ini, path, "The file contains a NUL byte; the text after it would be lost");
    ini.reset();
    EXPECT_EQ(dir.Read("SETUP.INI"), withNul);
}

// A write that stops short or does not reach the disk, however it happens, leaves SETUP.INI as it was and nothing beside
// it, and the error carries the system's code of the reason.
TEST_F(SaveFailureTest, AWriteThatDoesNotReachTheDiskRaisesTheStreamWriteErrorWithTheSystemsCode)
{
    const struct {
        const char* how;
        void (*plan)(TFaultyFiles&);
        uint32_t code;
    } cases[] = {
        {"a full disk", [](TFaultyFiles& f) { f.DiskFullAfter(5); }, kDiskFull},
        {"a write that moves fewer bytes", [](TFaultyFiles& f) { f.ShortWrites(1); }, kDiskFull},
        {"a write that fails", [](TFaultyFiles& f) { f.FailWrite(1, 5); }, 5},
        {"a flush that fails", [](TFaultyFiles& f) { f.FailFlush(5); }, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        TFaultyFiles faults;
        c.plan(faults);
        auto ini = Changed();
        const auto before = dir.List();
        try {
            ini->SaveFile();
            ADD_FAILURE() << "the save succeeded";
        } catch (const EWriteError& e) {
            EXPECT_EQ(e.Message(), "Stream write error");
            EXPECT_EQ(e.ErrorCode(), c.code);
        }
        EXPECT_EQ(dir.List(), before);
        EXPECT_EQ(dir.Read("SETUP.INI"), kOriginal);
        EXPECT_TRUE(ini->IsModified());
        EXPECT_EQ(faults.Writes(), 1) << "a failed save is not retried";
    }
}

TEST_F(SaveFailureTest, TheDocumentSavesOnceTheDiskHasRoom)
{
    TFaultyFiles faults;
    faults.DiskFullAfter(kOriginal.size() + 1);
    auto ini = Changed();
    ini->SaveFile();
    EXPECT_EQ(dir.Read("SETUP.INI"), Crlf({"[A]", "k=2", ""}));
}

}  // namespace
}  // namespace pk::testing
