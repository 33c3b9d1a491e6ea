#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/langmodule/GlossaHarness.h"
#include "tests/langmodule/VersionExpectations.h"
#include "tests/langmodule/VersionResource.h"

namespace pk::testing {
namespace {

class TModuleImage : public ::testing::Test {
protected:
    const uint8_t* Base() const { return reinterpret_cast<const uint8_t*>(glossa_.Handle()); }
    const IMAGE_NT_HEADERS32& Headers() const
    {
        const auto& dos = *reinterpret_cast<const IMAGE_DOS_HEADER*>(Base());
        return *reinterpret_cast<const IMAGE_NT_HEADERS32*>(Base() + dos.e_lfanew);
    }
    TVersionNode Version() const
    {
        HRSRC info = FindResourceA(glossa_.Handle(), MAKEINTRESOURCEA(1), RT_VERSION);
        if (info == nullptr)
            throw std::runtime_error("no version resource");
        const HGLOBAL resource = LoadResource(glossa_.Handle(), info);
        const auto* data = static_cast<const uint8_t*>(LockResource(resource));
        return ParseVersionResource(data, SizeofResource(glossa_.Handle(), info));
    }

    TGlossaModule glossa_;
};

TEST_F(TModuleImage, IsA32BitDll)
{
    EXPECT_EQ(Headers().FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_NE(Headers().FileHeader.Characteristics & IMAGE_FILE_DLL, 0);
}

TEST_F(TModuleImage, ExportsOnlyLsByNameAsOrdinalOneOfGlossaDll)
{
    const IMAGE_DATA_DIRECTORY& directory = Headers().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ASSERT_NE(directory.VirtualAddress, 0u);
    const auto& exports = *reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(Base() + directory.VirtualAddress);
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
    EXPECT_EQ(reinterpret_cast<const void*>(GetProcAddress(glossa_.Handle(), MAKEINTRESOURCEA(1))), glossa_.Ls());
}

TEST_F(TModuleImage, FixedVersionIs8001ForAPlainWindowsDll)
{
    ExpectFixedVersion8001ForAPlainWindowsDll(Version());
}

TEST_F(TModuleImage, OneCzechCp1250StringBlockWithExactlyTheModuleValues)
{
    ExpectOneCzechCp1250StringBlockWithTheModuleValues(Version());
}

}  // namespace
}  // namespace pk::testing
