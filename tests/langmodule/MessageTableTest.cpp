#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/langmodule/ExpectedMessages.h"
#include "tests/langmodule/GlossaHarness.h"

namespace pk::testing {
namespace {

class TMessageTable : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1250u) << "the tests need the Czech locale"; }
    TGlossaModule glossa_;
};

TEST_F(TMessageTable, ExpectedTableCoversTheNumbersOneTo237ExceptTheGaps)
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

TEST_F(TMessageTable, EveryNumberYieldsExactlyItsTextInCp1250)
{
    std::map<uint32_t, std::string> expected;
    for (const TExpectedMessage& m : ExpectedMessages())
        expected[m.number] = Utf8ToCp1250(m.utf8);

    std::vector<uint32_t> wrong;
    for (uint32_t number = 0; number <= 0xFFFF; ++number) {
        const TLsResult result = CallLs(glossa_.Ls(), number);
        const auto entry = expected.find(number);
        const std::string want = entry == expected.end() ? std::string() : entry->second;
        if (result.Text() != want || !result.RestUntouched())
            wrong.push_back(number);
    }
    EXPECT_EQ(wrong, std::vector<uint32_t>{});
}

TEST_F(TMessageTable, CopyrightEntryNamesTheMaker)
{
    const std::string copyright = CallLs(glossa_.Ls(), 134).Text();
    EXPECT_NE(copyright.find("Tarvo"), std::string::npos);
    EXPECT_NE(copyright.find('\xA9'), std::string::npos);
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages)
{
    reinterpret_cast<std::set<WORD>*>(languages)->insert(language);
    return TRUE;
}

BOOL CALLBACK CollectBlock(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR blocks)
{
    auto& languagesByBlock = *reinterpret_cast<std::map<uintptr_t, std::set<WORD>>*>(blocks);
    auto& languages = languagesByBlock[reinterpret_cast<uintptr_t>(name)];
    EnumResourceLanguagesA(module, type, name, CollectLanguage, reinterpret_cast<LONG_PTR>(&languages));
    return TRUE;
}

TEST_F(TMessageTable, StringTableIsCzechOnly)
{
    std::map<uintptr_t, std::set<WORD>> languagesByBlock;
    EnumResourceNamesA(glossa_.Handle(), RT_STRING, CollectBlock, reinterpret_cast<LONG_PTR>(&languagesByBlock));

    std::map<uintptr_t, std::set<WORD>> expected;
    for (const TExpectedMessage& m : ExpectedMessages())
        expected[m.number / 16 + 1] = {1029};
    EXPECT_EQ(languagesByBlock, expected);
}

}  // namespace
}  // namespace pk::testing
