// Loading: line ends, NUL, headers, sections, and the files that cannot be read.
#include <filesystem>

#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/Process.h"
#include "tests/inifile/IniTestSupport.h"
#include "tests/support/OsError.h"

namespace pk::testing {
namespace {

using TStrings = std::vector<std::string>;
using LoadTest = IniFileTest;

TEST_F(LoadTest, AnyLineEndSplitsAndEmptyLinesAreDropped)
{
    auto ini = Load("a\r\nb\nc\rd\r\r\n\n\n[S]\r\n   \r\nk=v");
    EXPECT_EQ(ini->RenderLines(), (TStrings{"a", "b", "c", "d", "", "[S]", "   ", "k=v", ""}));
    EXPECT_EQ(ini->ReadText("S", "k", "-"), "v") << "a last line without a line end counts";
    EXPECT_FALSE(ini->IsModified());
}

TEST_F(LoadTest, HeadersAreWholeUntrimmedLinesInBrackets)
{
    auto ini = Load("[\n [A]\n[]\nk=1\n[a]b]\n[ A ]\n[A]x\n[A\n");
    EXPECT_EQ(Sections(*ini), (TStrings{"", "a]b", " A "}));
    EXPECT_EQ(ini->ReadText("", "k", "-"), "1");
    EXPECT_EQ(Lines(*ini, " a "), (TStrings{"[A]x", "[A"}));
    EXPECT_EQ(ini->ReadText("A", "x", "-"), "-");
    EXPECT_EQ(ini->RenderLines().front(), "[") << "lines before the first header are kept";
    EXPECT_EQ(ini->RenderLines()[1], " [A]");
}

TEST_F(LoadTest, DuplicateSectionsStayAndTheFirstOneAnswers)
{
    auto ini = Load("[A]\nk=1\n[B]\n[a]\nk=2\nm=3\n");
    EXPECT_EQ(ini->ReadText("A", "k", "-"), "1");
    EXPECT_EQ(ini->ReadText("A", "m", "-"), "-");
    ini->WriteText("A", "k", "9");
    EXPECT_EQ(ini->RenderLines(), (TStrings{"[A]", "k=9", "", "[B]", "", "[a]", "k=2", "m=3", ""}));
}

TEST_F(LoadTest, BytesPassThroughUnchanged)
{
    std::string longValue(200000, '\xE9');
    auto ini = Load("\xEF\xBB\xBF[A]\r\nk=\x80\xFF\r\n[B]\r\nlong=" + longValue + "\r\n");
    EXPECT_EQ(ini->ReadText("A", "k", "-"), "-") << "a byte-order mark is part of the first line";
    EXPECT_EQ(ini->RenderLines().front(), "\xEF\xBB\xBF[A]");
    EXPECT_EQ(ini->ReadText("B", "long", "-"), longValue);
}

TEST_F(LoadTest, ANulByteEndsTheText)
{
    auto ini = Load(std::string("[A]\r\nx=1\0\r\ny=2\r\n", 17));
    EXPECT_EQ(ini->ReadText("A", "x", "-"), "1");
    EXPECT_EQ(ini->ReadText("A", "y", "-"), "-");
}

TEST_F(LoadTest, NoFileGivesAnEmptyDocument)
{
    dir.Write("folder.ini/inside.txt", std::string("x"));
    for (const std::string& name : {dir.File("missing.ini"), dir.File("folder.ini"), std::string()}) {
        TLumMemIniFile ini(name);
        EXPECT_TRUE(ini.RenderLines().empty()) << name;
        EXPECT_TRUE(Sections(ini).empty()) << name;
        EXPECT_FALSE(ini.IsModified());
    }
}

TEST_F(LoadTest, AFileLockedByAnotherHandleCannotBeOpened)
{
    dir.Write("SETUP.INI", std::string("[A]\r\nk=1\r\n"));
    platform::TFile holder;
    holder.OpenRead(path, platform::TShare::Exclusive);
    platform::TFile probe;
    uint32_t code = testing::OsErrorOf([&] { probe.OpenRead(path, platform::TShare::DenyWrite); });
    ASSERT_NE(code, 0u);
    try {
        TLumMemIniFile ini(path);
        FAIL() << "a locked file was read";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + platform::ExpandFileName(path) + "\". " + platform::OsErrorText(code));
    }
}

TEST_F(LoadTest, AFileOver4GBIsRefusedAndLeftAlone)
{
    // Sparse: only the first line takes room on the disk.
    dir.Write("SETUP.INI", std::string("[A]\r\nk=1\r\n"));
    const uintmax_t size = uintmax_t{1} << 32 | 1;
    std::filesystem::resize_file(path, size);
    try {
        TLumMemIniFile ini(path);
        FAIL() << "a file over 4 GB was read";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + platform::ExpandFileName(path) + "\". The file is larger than 4 GB");
    }
    EXPECT_EQ(std::filesystem::file_size(path), size);
    EXPECT_EQ(dir.List(), (TStrings{"SETUP.INI"}));
}

}  // namespace
}  // namespace pk::testing
