// Checks the built module as a file, for hosts that cannot execute its 32-bit code.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "tests/langmodule/ExpectedMessages.h"
#include "tests/langmodule/GlossaImageFixture.h"
#include "tests/langmodule/PeImage.h"
#include "tests/langmodule/StringTable.h"
#include "tests/langmodule/VersionExpectations.h"
#include "tests/langmodule/VersionResource.h"

namespace pk::testing {
namespace {

constexpr uint16_t kMachineI386 = 0x014C;
constexpr uint16_t kFileIsDll = 0x2000;
constexpr uint32_t kSectionExecutes = 0x20000000;
constexpr uint16_t kVersionType = 16;

TVersionNode Version(const TPeImage& image)
{
    for (const TPeResource& r : image.Resources())
        if (r.type == TResourceName{kVersionType, u""} && r.name == TResourceName{1, u""})
            return ParseVersionResource(r.data.data(), r.data.size());
    throw std::runtime_error("no version resource");
}

TEST_F(GlossaImage, IsA32BitI386Dll)
{
    EXPECT_EQ(Image().Machine(), kMachineI386);
    EXPECT_NE(Image().Characteristics() & kFileIsDll, 0);
}

TEST_F(GlossaImage, ExportsOnlyLsAtOrdinalOneOfGlossaDll)
{
    const TPeExports exports = Image().Exports();
    EXPECT_EQ(exports.moduleName, "Glossa.dll");
    ASSERT_EQ(exports.entries.size(), 1u);
    EXPECT_EQ(exports.entries[0].name, "ls");
    EXPECT_EQ(exports.entries[0].ordinal, 1u);

    const uint32_t entry = exports.entries[0].rva;
    bool inCode = false;
    for (const TPeSection& section : Image().Sections())
        if (entry >= section.rva && entry - section.rva < section.virtualSize)
            inCode = (section.characteristics & kSectionExecutes) != 0;
    EXPECT_TRUE(inCode) << "ls points outside the code";
}

TEST_F(GlossaImage, StringTableHoldsExactlyTheExpectedTexts)
{
    std::map<uint16_t, std::u16string> expected;
    for (const TExpectedMessage& m : ExpectedMessages())
        expected[m.number] = Utf8ToUtf16(m.utf8);
    const std::map<uint16_t, std::u16string> stored = CzechTexts();

    for (const auto& [number, text] : expected) {
        const auto found = stored.find(number);
        if (found == stored.end())
            ADD_FAILURE() << "message " << number << " is missing";
        else
            EXPECT_EQ(found->second, text) << "message " << number;
    }
    for (const auto& [number, text] : stored)
        EXPECT_TRUE(expected.contains(number)) << "message " << number << " has no place in the table";
}

TEST_F(GlossaImage, EveryTextLoadsUncutAsCodePage1250Bytes)
{
    std::map<uint16_t, std::string> expected;
    for (const TExpectedMessage& m : ExpectedMessages())
        expected[m.number] = Utf8ToCp1250(m.utf8);

    for (const auto& [number, text] : CzechTexts()) {
        std::string ansi;
        try {
            ansi = Utf16ToCp1250(text);
        } catch (const std::invalid_argument& e) {
            ADD_FAILURE() << "message " << number << ": " << e.what();
            continue;
        }
        EXPECT_EQ(ansi, expected[number]) << "message " << number;
        EXPECT_LE(ansi.size(), 255u) << "message " << number << " would be cut";
    }
}

TEST_F(GlossaImage, StringBlocksAreCzechOnly)
{
    std::map<uint16_t, std::set<uint16_t>> languagesByBlock;
    for (const TPeResource& r : Image().Resources())
        if (r.type == TResourceName{6, u""})
            languagesByBlock[r.name.id].insert(r.language);

    std::map<uint16_t, std::set<uint16_t>> expected;
    for (const TExpectedMessage& m : ExpectedMessages())
        expected[m.number / 16 + 1] = {kCzech};
    EXPECT_EQ(languagesByBlock, expected);
}

TEST_F(GlossaImage, FixedVersionIs8001ForAPlainWindowsDll)
{
    ExpectFixedVersion8001ForAPlainWindowsDll(Version(Image()));
}

TEST_F(GlossaImage, OneCzechCp1250StringBlockWithExactlyTheModuleValues)
{
    ExpectOneCzechCp1250StringBlockWithTheModuleValues(Version(Image()));
}

}  // namespace
}  // namespace pk::testing
