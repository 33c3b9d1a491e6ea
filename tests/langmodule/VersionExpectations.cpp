#include "tests/langmodule/VersionExpectations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace pk::testing {
namespace {

// The fixed part of a version resource, laid out as stored (thirteen little-endian words).
struct FixedFileInfo {
    uint32_t signature, structVersion, fileVersionMS, fileVersionLS, productVersionMS, productVersionLS, fileFlagsMask,
        fileFlags, fileOS, fileType, fileSubtype, fileDateMS, fileDateLS;
};
static_assert(sizeof(FixedFileInfo) == 52);

constexpr uint32_t kWindows32 = 0x00000004;  // VOS__WINDOWS32
constexpr uint32_t kDll = 2;  // VFT_DLL

}  // namespace

void ExpectFixedVersion8001ForAPlainWindowsDll(const TVersionNode& root)
{
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

void ExpectOneCzechCp1250StringBlockWithTheModuleValues(const TVersionNode& root)
{
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

}  // namespace pk::testing
