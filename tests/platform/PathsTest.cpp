#include <gtest/gtest.h>

#include "platform/Paths.h"
#include "platform/Replaceable.h"
#include "platform/TextServices.h"

namespace pk {
namespace {

using namespace paths;

TEST(PathsTest, AddPathPutsExactlyOneBackslashAtTheSeam)
{
    EXPECT_EQ(AddPath("C:\\Kit", "\\PACK1.WRP"), "C:\\Kit\\PACK1.WRP");
    EXPECT_EQ(AddPath("C:\\Kit\\", "PACK1.WRP"), "C:\\Kit\\PACK1.WRP");
    EXPECT_EQ(AddPath("C:\\Kit", "PACK1.WRP"), "C:\\Kit\\PACK1.WRP");
    EXPECT_EQ(AddPath("C:\\Kit", ""), "C:\\Kit");
    EXPECT_EQ(AddPath("C:\\Kit\\", "\\\\x"), "C:\\Kit\\\\x") << "only the first leading backslash goes";
}

TEST(PathsTest, PartsSplitAtBackslashAndColonOnly)
{
    EXPECT_EQ(ExtractFilePath("C:\\Kit\\SETUP.INI"), "C:\\Kit\\");
    EXPECT_EQ(ExtractFilePath("C:SETUP.INI"), "C:");
    EXPECT_EQ(ExtractFilePath("C:/Kit/SETUP.INI"), "C:") << "a forward slash is an ordinary character";
    EXPECT_EQ(ExtractFilePath("SETUP.INI"), "");
    EXPECT_EQ(ExtractFileDir("C:\\Kit\\A.ZIP"), "C:\\Kit");
    EXPECT_EQ(ExtractFileDir("C:\\A.ZIP"), "C:\\") << "a root keeps its backslash";
    EXPECT_EQ(ExtractFileExt("C:\\My.Kit\\MYSETUP"), "") << "a dot in a folder name is no extension";
    EXPECT_EQ(ExtractFileExt("C:\\Kit\\PACK.WRP"), ".WRP");
    EXPECT_EQ(ChangeFileExt("C:\\Kit\\A.ZIP", ".zfc"), "C:\\Kit\\A.zfc");
    EXPECT_EQ(ChangeFileExt("C:\\My.Kit\\A", ".001"), "C:\\My.Kit\\A.001");
}

TEST(PathsTest, TheTrailByteOfATwoByteCharacterIsNoSeparator)
{
    platform::TLeadByteTable table{};
    table[0x81] = true;
    {
        platform::TInstalled twoByte{platform::ReplaceLeadBytes, table};
        // 0x81 0x5C is one character whose second byte is the backslash's code.
        const std::string path = "C:\\\x81\\.DIR\\NAME";
        EXPECT_EQ(LastPathDelimiter(path), 9u);
        EXPECT_EQ(ExtractFilePath("C:\\A\x81\\B"), "C:\\");
    }
    EXPECT_EQ(ExtractFilePath("C:\\A\x81\\B"), "C:\\A\x81\\") << "without lead bytes it separates";
}

TEST(PathsTest, WithSeparatorsTurnsBothSlashesIntoTheOneAskedFor)
{
    EXPECT_EQ(WithSeparators("C:\\Kit/sub\\SETUP.INI", '/'), "C:/Kit/sub/SETUP.INI");
    EXPECT_EQ(WithSeparators("/tmp/kit\\A.WRP", '\\'), "\\tmp\\kit\\A.WRP");
    EXPECT_EQ(WithSeparators("", '/'), "");
}

}  // namespace
}  // namespace pk
