#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <stdexcept>
#include <string>

#include "tests/langmodule/GlossaHarness.h"
#include "tests/langmodule/VersionResource.h"

namespace pk::test {
namespace {

class TModuleImage : public testing::Test {
 protected:
  const uint8_t* Base() const { return reinterpret_cast<const uint8_t*>(glossa_.Handle()); }
  const IMAGE_NT_HEADERS32& Headers() const {
    const auto& dos = *reinterpret_cast<const IMAGE_DOS_HEADER*>(Base());
    return *reinterpret_cast<const IMAGE_NT_HEADERS32*>(Base() + dos.e_lfanew);
  }
  TVersionNode Version() const {
    HRSRC info = FindResourceA(glossa_.Handle(), MAKEINTRESOURCEA(1), RT_VERSION);
    if (info == nullptr) throw std::runtime_error("no version resource");
    const HGLOBAL resource = LoadResource(glossa_.Handle(), info);
    const auto* data = static_cast<const uint8_t*>(LockResource(resource));
    return ParseVersionResource(data, SizeofResource(glossa_.Handle(), info));
  }

  TGlossaModule glossa_;
};

TEST_F(TModuleImage, IsA32BitDll) {
  EXPECT_EQ(Headers().FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  EXPECT_NE(Headers().FileHeader.Characteristics & IMAGE_FILE_DLL, 0);
}

TEST_F(TModuleImage, ExportsOnlyLsByNameAsOrdinalOneOfGlossaDll) {
  const IMAGE_DATA_DIRECTORY& directory =
      Headers().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  ASSERT_NE(directory.VirtualAddress, 0u);
  const auto& exports =
      *reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(Base() + directory.VirtualAddress);
  EXPECT_STREQ(reinterpret_cast<const char*>(Base() + exports.Name), "Glossa.dll");
  ASSERT_EQ(exports.NumberOfFunctions, 1u);
  ASSERT_EQ(exports.NumberOfNames, 1u);

  const DWORD nameRva = *reinterpret_cast<const DWORD*>(Base() + exports.AddressOfNames);
  const WORD index = *reinterpret_cast<const WORD*>(Base() + exports.AddressOfNameOrdinals);
  const auto* functionRvas = reinterpret_cast<const DWORD*>(Base() + exports.AddressOfFunctions);
  const DWORD functionRva = functionRvas[index];
  EXPECT_STREQ(reinterpret_cast<const char*>(Base() + nameRva), "ls");
  EXPECT_EQ(exports.Base + index, 1u);
  EXPECT_EQ(Base() + functionRva, glossa_.Ls());
  EXPECT_EQ(reinterpret_cast<const void*>(GetProcAddress(glossa_.Handle(), MAKEINTRESOURCEA(1))),
            glossa_.Ls());
}

TEST_F(TModuleImage, FixedVersionIs8001ForAPlainWindowsDll) {
  const TVersionNode root = Version();
  EXPECT_EQ(root.key, u"VS_VERSION_INFO");
  ASSERT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));
  VS_FIXEDFILEINFO fixed;
  std::memcpy(&fixed, root.value.data(), sizeof fixed);
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed.dwFileVersionMS, 0x00080000u);
  EXPECT_EQ(fixed.dwFileVersionLS, 0x00000001u);
  EXPECT_EQ(fixed.dwProductVersionMS, 0x00080000u);
  EXPECT_EQ(fixed.dwProductVersionLS, 0x00000001u);
  EXPECT_EQ(fixed.dwFileFlags, 0u);
  EXPECT_EQ(fixed.dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
  EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_DLL));
  EXPECT_EQ(fixed.dwFileSubtype, 0u);
}

TEST_F(TModuleImage, OneCzechCp1250StringBlockWithExactlyTheModuleValues) {
  const TVersionNode root = Version();
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
}  // namespace pk::test
