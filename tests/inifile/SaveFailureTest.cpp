// Saves that cannot happen raise the named error and leave the file as it was.
#include <filesystem>

#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/Process.h"
#include "tests/inifile/IniTestSupport.h"
#include "tests/support/FaultyFiles.h"

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
        uint32_t code = probe.OpenWriteExisting(file);
        EXPECT_NE(code, 0u) << file << " is writable";
        return platform::OsErrorText(code);
    }
};

TEST_F(SaveFailureTest, ATargetHeldByAnotherHandleStaysUntouched)
{
    auto ini = Changed();
    platform::TFile holder;
    ASSERT_EQ(holder.OpenRead(path, platform::TShare::Exclusive), 0u);
    ExpectRefused(*ini, path, WhyNotWritable(path));
    ini.reset();  // the destructor's save fails quietly
    holder.Close();
    EXPECT_EQ(dir.Read("SETUP.INI"), kOriginal);
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

TEST_F(SaveFailureTest, ATemporaryFileThatCannotBeCreatedNamesTheTarget)
{
    auto ini = Changed();
    dir.Write("SETUP.INI.~tmp/x", std::string("x"));
    platform::TFile blocked;
    uint32_t code = blocked.Create(dir.File("SETUP.INI.~tmp"));
    ASSERT_NE(code, 0u);
    ExpectRefused(*ini, path, platform::OsErrorText(code));
    EXPECT_EQ(dir.Read("SETUP.INI"), kOriginal);
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

// A write that stops short, however it happens, leaves SETUP.INI as it was and nothing beside it.
class ShortWriteTest : public SaveFailureTest {
protected:
    void ExpectWriteError()
    {
        auto ini = Changed();
        const auto before = dir.List();
        try {
            ini->SaveFile();
            ADD_FAILURE() << "the save succeeded";
        } catch (const EWriteError& e) {
            EXPECT_EQ(e.Message(), "Stream write error");
        }
        EXPECT_EQ(dir.List(), before);
        EXPECT_EQ(dir.Read("SETUP.INI"), kOriginal);
        EXPECT_TRUE(ini->IsModified());
        EXPECT_EQ(faults.Writes(), 1) << "a failed save is not retried";
    }

    TFaultyFiles faults;
};

TEST_F(ShortWriteTest, AFullDisk)
{
    faults.DiskFullAfter(5);
    ExpectWriteError();
}

TEST_F(ShortWriteTest, AWriteThatMovesFewerBytes)
{
    faults.ShortWrites(1);
    ExpectWriteError();
}

TEST_F(ShortWriteTest, AWriteThatFails)
{
    faults.FailWrite(1, kDiskFull);
    ExpectWriteError();
}

TEST_F(ShortWriteTest, TheDocumentSavesOnceTheDiskHasRoom)
{
    faults.DiskFullAfter(kOriginal.size() + 1);
    auto ini = Changed();
    ini->SaveFile();
    EXPECT_EQ(dir.Read("SETUP.INI"), Crlf({"[A]", "k=2", ""}));
}

}  // namespace
}  // namespace pk::testing
