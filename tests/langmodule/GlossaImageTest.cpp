// Checks the built module as a file, in every flavour: what the loader is not needed for.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "tests/langmodule/ExpectedMessages.h"
#include "tests/langmodule/GlossaImageFixture.h"
#include "tests/langmodule/PeImage.h"
#include "tests/langmodule/StringTable.h"
#include "tests/langmodule/VersionResource.h"

namespace pk::testing {
namespace {

constexpr uint16_t kMachineI386 = 0x014C;
constexpr uint16_t kFileIsDll = 0x2000;
constexpr uint32_t kSectionExecutes = 0x20000000;
constexpr uint16_t kVersionType = 16;

// The fixed part of a version resource, laid out as stored (thirteen little-endian words).
struct FixedFileInfo {
    uint32_t signature, structVersion, fileVersionMS, fileVersionLS, productVersionMS, productVersionLS, fileFlagsMask,
        fileFlags, fileOS, fileType, fileSubtype, fileDateMS, fileDateLS;
};
static_assert(sizeof(FixedFileInfo) == 52);

constexpr uint32_t kWindows32 = 0x00000004;  // VOS__WINDOWS32
constexpr uint32_t kDll = 2;  // VFT_DLL

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

TEST(ExpectedMessages, ExpectedTableCoversTheNumbersOneTo237ExceptTheGaps)
{
    std::set<uint16_t> numbers;
    for (const TExpectedMessage& m : ExpectedMessages())
        numbers.insert(m.number);
    std::set<uint16_t> gaps;
    for (uint16_t n = 1; n <= 237; ++n)
        if (!numbers.contains(n))
            gaps.insert(n);
    EXPECT_EQ(gaps, (std::set<uint16_t>{110, 196, 197, 198, 225}));
    EXPECT_EQ(numbers.size(), ExpectedMessages().size()) << "a number is listed twice";
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
    const TVersionNode root = Version(Image());
    EXPECT_EQ(root.key, u"VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), sizeof(FixedFileInfo));
    FixedFileInfo fixed;
    std::memcpy(&fixed, root.value.data(), sizeof fixed);
    EXPECT_EQ(fixed.signature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.fileVersionMS, 0x00080000u);
    EXPECT_EQ(fixed.fileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed.productVersionMS, 0x00080000u);
    EXPECT_EQ(fixed.productVersionLS, 0x00000001u);
    EXPECT_EQ(fixed.fileFlags, 0u);
    EXPECT_EQ(fixed.fileOS, kWindows32);
    EXPECT_EQ(fixed.fileType, kDll);
    EXPECT_EQ(fixed.fileSubtype, 0u);
}

TEST_F(GlossaImage, OneCzechCp1250StringBlockWithExactlyTheModuleValues)
{
    const TVersionNode root = Version(Image());
    ASSERT_EQ(root.children.size(), 2u);
    const TVersionNode& strings = root.children[0];
    const TVersionNode& translations = root.children[1];
    EXPECT_EQ(strings.key, u"StringFileInfo");
    EXPECT_EQ(translations.key, u"VarFileInfo");

    ASSERT_EQ(strings.children.size(), 1u);
    EXPECT_EQ(strings.children[0].key, u"040504E2");
    std::map<std::u16string, std::u16string> values;
    for (const TVersionNode& value : strings.children[0].children) {
        EXPECT_EQ(value.type, 1) << std::string(value.key.begin(), value.key.end());
        values[value.key] = value.TextValue();
    }
    const std::map<std::u16string, std::u16string> expected = {
        {u"CompanyName", u"Tarvo"},
        {u"FileDescription", u"CZ Language modul for setup"},
        {u"FileVersion", u"8.0.0.1"},
        {u"InternalName", u"glossa"},
        {u"LegalCopyright", u"Copyright © 2026 Tarvo"},
        {u"LegalTrademarks", u""},
        {u"OriginalFilename", u"glossa"},
        {u"ProductName", u""},
        {u"ProductVersion", u"8.0.0.0"},
    };
    EXPECT_EQ(values, expected);

    ASSERT_EQ(translations.children.size(), 1u);
    EXPECT_EQ(translations.children[0].key, u"Translation");
    EXPECT_EQ(translations.children[0].value, (std::vector<uint8_t>{0x05, 0x04, 0xE2, 0x04}));
}

}  // namespace
}  // namespace pk::testing
