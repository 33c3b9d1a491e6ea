// The account of a pack set: what each pack file added, where its entries came from, and the
// warnings; and that asking for it changes no number and no error.
#include <gtest/gtest.h>

#include "measure/PackSet.h"
#include "platform/Exceptions.h"
#include "tests/support/PackFiles.h"
#include "tests/support/RecordingUserInterface.h"
#include "tests/support/TempDir.h"
#include "tests/support/ZipBuilder.h"

namespace pk::testing {
namespace {

struct TCase {
    const char* what;
    std::string file;  // name in the folder
    std::string bytes;
    std::string masks;
    std::string expected;  // the account as Described below
};

// One line per pack file: kind, bytes, entries, matched per mask, source; then the warnings,
// with the folder taken out of the paths.
std::string Described(const TSectionAccount& account, const std::string& folder)
{
    std::string out;
    auto local = [&](std::string text) {
        for (size_t at; (at = text.find(folder)) != std::string::npos;)
            text.erase(at, folder.size());
        return text;
    };
    for (const TPackFileAccount& file : account.packFiles) {
        out += std::string(file.kind == TPackKind::Wrp ? "WRP " : "ZIP ") + local(file.path) + " " +
               (file.bytes ? std::to_string(*file.bytes) : "-");
        if (file.kind == TPackKind::Zip) {
            out += " " + std::to_string(file.entries) + " [";
            for (const TMaskCount& mask : file.matched)
                out += mask.mask + ":" + std::to_string(mask.entries) + " ";
            out += "] " + SourceText(file);
        }
        out += "\n";
    }
    for (const std::string& warning : account.Warnings())
        out += local(warning) + "\n";
    return out;
}

std::string Sizes(std::initializer_list<uint32_t> sizes)
{
    TZipBuilder zip;
    int i = 0;
    for (uint32_t size : sizes)
        zip.Add(TZipEntry("d/f" + std::to_string(i++) + (size % 2 ? ".txt" : ".dll"), "x").Size(size));
    return zip.Build().bytes;
}

class PackAccountTest : public ::testing::Test {
protected:
    TTempDir dir;
    TRecordingUserInterface ui;
};

TEST_F(PackAccountTest, EachPackFileIsAccountedForAndWarnedAbout)
{
    TBuiltZip damaged = TZipBuilder().Add(TZipEntry("a.txt", "12")).End(TEndRecord().DirOffset(3)).Build();
    std::string cut = Sizes({3, 4});
    cut.resize(cut.size() - 5);
    const TBuiltZip split = TZipBuilder().Add(TZipEntry("a.txt", "12")).Add(TZipEntry("b.txt", "345")).Build();
    dir.Write("c.zfc", split.bytes.substr(split.centralDirOffset));  // the directory beside the archive
    TZipBuilder many;
    for (int i = 0; i < 70000; ++i)
        many.Add(TZipEntry("f" + std::to_string(i), "x"));
    dir.Write("E.ZFC", split.bytes.substr(split.centralDirOffset));  // found for e.zfc, as Windows finds it
    const std::vector<TCase> cases = {
        {"a sound archive", "a.zip", Sizes({3, 4, 5}), "*.txt;*.dll;*",
         "ZIP a.zip 12 3 [*.txt:2 *.dll:1 *:0 ] central directory\n"},
        {"masks that match nothing", "a.zip", Sizes({3, 4, 5}), "*.hlp",
         "ZIP a.zip 0 3 [*.hlp:0 ] central directory\na.zip: no mask matched any of its 3 entries\n"},
        {"not an archive", "a.zip", "plain text", "*",
         "ZIP a.zip 0 0 [*:0 ] no end record\na.zip: no end record (not a ZIP archive, or cut off); counted as 0\n"},
        {"cut off", "a.zip", cut, "*",
         "ZIP a.zip 0 0 [*:0 ] no end record\na.zip: no end record (not a ZIP archive, or cut off); counted as 0\n"},
        {"an empty archive file", "a.zip", "", "*", "ZIP a.zip 0 0 [*:0 ] central directory\na.zip: empty pack file; counted as 0\n"},
        {"an empty block file", "A.WRP", "", "*", "WRP A.WRP 0\nA.WRP: empty pack file; counted as 0\n"},
        {"a block file", "A.WRP", WrpFile({{7, "ab"}, {8, "c"}}), "*", "WRP A.WRP 15\n"},
        {"a block file in lower case", "A.wrp", WrpFile({{7, "ab"}}), "*",
         "ZIP A.wrp 0 0 [*:0 ] no end record\nA.wrp: extension \".wrp\" is not \".WRP\"; read as a ZIP archive\n"
         "A.wrp: no end record (not a ZIP archive, or cut off); counted as 0\n"},
        {"a damaged directory", "a.zip", damaged.bytes, "*",
         "ZIP a.zip 2 1 [*:1 ] local headers\na.zip: directory damaged; entries rebuilt from local headers\n"},
        {"sizes of 2 GB or more", "a.zip", Sizes({0x7FFFFFF1, 0xFFFFFFF1, 0xFFFFFFF3}), "*.txt",
         "ZIP a.zip 2147483605 3 [*.txt:3 ] central directory\na.zip: 2 entries with a size field of 2 GB or more lower the total\n"},
        {"a failed block file", "GONE.WRP", "", "*", "WRP GONE.WRP -\n"},
        {"a companion file", "c.zip", split.bytes.substr(0, split.centralDirOffset), "*",
         "ZIP c.zip 5 2 [*:2 ] companion file\n"},
        {"more entries than a classic count holds", "a.zip", many.Build().bytes, "*",
         "ZIP a.zip 70000 70000 [*:70000 ] central directory (count field 4464)\n"},
        {"a companion in other letter case", "e.zip", split.bytes.substr(0, split.centralDirOffset), "*",
         "ZIP e.zip 5 2 [*:2 ] companion file\n"},
    };
    for (const TCase& c : cases) {
        dir.Write(c.file, c.bytes);
        const std::string path = c.file == "GONE.WRP" ? dir.File("gone/GONE.WRP") : dir.File(c.file);
        const std::vector<std::string> masks = SplitList(c.masks);
        TSectionAccount account;
        const int32_t withAccount = PackListSize({path}, masks, &account);
        const size_t boxes = ui.boxes.size();
        EXPECT_EQ(withAccount, PackListSize({path}, masks)) << c.what;
        EXPECT_EQ(ui.boxes.size(), 2 * boxes) << c.what << ": the same boxes";
        std::string folder = path.substr(0, path.size() - c.file.size());
        EXPECT_EQ(Described(account, folder), c.expected) << c.what;
        ui.boxes.clear();
    }
}

TEST_F(PackAccountTest, ASetAddsUpItsPackFilesAndErrorsStayAsTheyWere)
{
    dir.Write("A.WRP", WrpFile({{1000, "x"}}));
    dir.Write("B.ZIP", Sizes({3, 4}));
    TSectionAccount account;
    EXPECT_EQ(PackListSize({dir.File("A.WRP"), dir.File("B.ZIP")}, {"*"}, &account), 1007);
    ASSERT_EQ(account.packFiles.size(), 2u);
    EXPECT_EQ(*account.packFiles[0].bytes + *account.packFiles[1].bytes, 1007);

    for (const std::vector<std::string>& masks : {std::vector<std::string>{"["}, {"*.dll", "[x"}}) {
        std::string plain, accounted;
        try {
            PackListSize({dir.File("B.ZIP")}, masks);
        } catch (const Exception& e) {
            plain = e.Message();
        }
        TSectionAccount partial;
        try {
            PackListSize({dir.File("B.ZIP")}, masks, &partial);
        } catch (const Exception& e) {
            accounted = e.Message();
        }
        EXPECT_FALSE(plain.empty());
        EXPECT_EQ(accounted, plain);
        ASSERT_EQ(partial.packFiles.size(), 1u);
        EXPECT_FALSE(partial.packFiles[0].bytes) << "a pack file that raised added nothing";
    }
}

}  // namespace
}  // namespace pk::testing
