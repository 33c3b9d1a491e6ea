#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/langmodule/ExpectedMessages.h"
#include "tests/langmodule/GlossaHarness.h"

namespace pk::testing {
namespace {

class TLsContract : public ::testing::Test {
protected:
    static void SetUpTestSuite() { glossa_ = std::make_unique<TGlossaModule>(); }
    static void TearDownTestSuite() { glossa_.reset(); }
    void SetUp() override { ASSERT_EQ(GetACP(), 1250u) << "the tests need the Czech locale"; }

    static TLsResult Call(uint32_t number) { return CallLs(glossa_->Ls(), number); }

    static inline std::unique_ptr<TGlossaModule> glossa_;
};

TEST_F(TLsContract, TheLoaderFindsLsByNameAndAsOrdinalOne)
{
    EXPECT_EQ(reinterpret_cast<const void*>(GetProcAddress(glossa_->Handle(), MAKEINTRESOURCEA(1))), glossa_->Ls());
}

TEST_F(TLsContract, EveryNumberYieldsExactlyItsTextInCp1250)
{
    std::map<uint32_t, std::string> expected;
    for (const TExpectedMessage& m : ExpectedMessages())
        expected[m.number] = Utf8ToCp1250(m.utf8);

    std::vector<uint32_t> wrong;
    for (uint32_t number = 0; number <= 0xFFFF; ++number) {
        const TLsResult result = Call(number);
        const auto entry = expected.find(number);
        const std::string want = entry == expected.end() ? std::string() : entry->second;
        if (result.Text() != want || !result.RestUntouched())
            wrong.push_back(number);
    }
    EXPECT_EQ(wrong, std::vector<uint32_t>{});
}

TEST_F(TLsContract, NumbersWithoutEntryYieldEmptyTextAndTouchNothingElse)
{
    for (uint32_t number : {0u, 110u, 196u, 197u, 198u, 225u, 238u, 1000u, 65535u}) {
        const TLsResult result = Call(number);
        EXPECT_EQ(result.Length(), 0) << number;
        EXPECT_TRUE(result.RestUntouched()) << number;
    }
}

TEST_F(TLsContract, WritesLengthByteAndTextWithoutTerminator)
{
    const TLsResult result = Call(5);
    EXPECT_EQ(result.Length(), 10);
    EXPECT_EQ(result.Text(), "&Instalace");
    EXPECT_TRUE(result.RestUntouched()) << "byte 11 and later must keep what they held";
}

TEST_F(TLsContract, UsesOnlyTheLowSixteenBitsOfTheNumber)
{
    EXPECT_EQ(Call(65536 + 5).Text(), "&Instalace");
    EXPECT_EQ(Call(0xFFFF0000u + 136).Text(), "&OK");
    const TLsResult gap = Call(0x12340000u + 110);
    EXPECT_EQ(gap.Length(), 0);
    EXPECT_TRUE(gap.RestUntouched());
}

TEST_F(TLsContract, KeepsSpacesAtTheEndsAndTheLineFeed)
{
    const std::string text29 = Call(29).Text();
    EXPECT_EQ(text29.size(), 21u);
    EXPECT_EQ(text29.back(), ' ');

    const std::string text87 = Call(87).Text();
    EXPECT_EQ(text87.size(), 60u);
    EXPECT_EQ(text87.substr(text87.size() - 3), ":  ");

    EXPECT_EQ(Call(103).Text().substr(0, 3), " %s");

    const std::string text199 = Call(199).Text();
    EXPECT_EQ(text199.size(), 105u);
    EXPECT_EQ(std::count(text199.begin(), text199.end(), '\n'), 1);
    EXPECT_EQ(text199.find('\r'), std::string::npos);
}

TEST_F(TLsContract, RepeatedTextsAreEntriesOfTheirOwn)
{
    EXPECT_EQ(Call(9).Text(), "&OK");
    EXPECT_EQ(Call(136).Text(), "&OK");
    EXPECT_EQ(Call(13).Text(), Call(111).Text());
    EXPECT_EQ(Call(120).Text(), Call(133).Text());
    EXPECT_EQ(Call(133).Text(), Call(164).Text());
}

TEST_F(TLsContract, CzechLettersAreSingleCp1250Bytes)
{
    // Literal bytes, independent of the conversion map used by the whole-table test.
    EXPECT_EQ(Call(120).Text(),
              "&P\xF8"
              "ed\xE8"
              "asn\xEC"
              " ukon\xE8"
              "it");
    EXPECT_EQ(Call(88).Text(), "Prohl\xED\x9E\xED disk kv\xF9li %s programu");
    EXPECT_EQ(Call(210).Text(),
              "UPOZORN\xCC"
              "N\xCD!!!");
    EXPECT_EQ(Call(33).Text().front(), '\xC8');
}

TEST_F(TLsContract, PreservesCalleeSavedRegistersAndTheStack)
{
    const TCalleeSaved patterns[] = {
        {0x11111111, 0x22222222, 0x33333333, 0x44444444},
        {0xFFFFFFFF, 0x00000000, 0x80000001, 0x7FFFFFFE},
    };
    for (const TCalleeSaved& load : patterns) {
        for (uint32_t number : {5u, 206u, 1000u}) {
            const TLsResult result = CallLs(glossa_->Ls(), number, load);
            EXPECT_EQ(result.record.registers, load) << number;
            EXPECT_EQ(result.record.espAfter, result.record.espBefore) << number;
        }
    }
}

TEST_F(TLsContract, ConcurrentCallersGetTheirOwnTexts)
{
    const auto messages = ExpectedMessages();
    std::vector<std::string> failures(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < failures.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 20; ++round) {
                // Each thread walks the table from a different start, so neighbours differ.
                for (size_t i = 0; i < messages.size(); ++i) {
                    const TExpectedMessage& m = messages[(i + t * 57) % messages.size()];
                    if (Call(m.number).Text() != Utf8ToCp1250(m.utf8))
                        failures[t] += std::to_string(m.number) + " ";
                }
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (const std::string& failure : failures)
        EXPECT_EQ(failure, "");
}

}  // namespace
}  // namespace pk::testing
