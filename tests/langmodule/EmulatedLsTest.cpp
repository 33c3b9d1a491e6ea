// Runs the module's ls entry in an i386 emulator, so its calling contract is checked on hosts
// that cannot execute 32-bit code.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/langmodule/EmulatedGlossa.h"
#include "tests/langmodule/ExpectedMessages.h"
#include "tests/langmodule/GlossaImageFixture.h"

namespace pk::testing {
namespace {

class EmulatedLs : public GlossaImage {
protected:
    // The module's own texts as the ANSI loader yields them under code page 1250.
    static std::map<uint16_t, std::string> LoaderTexts()
    {
        std::map<uint16_t, std::string> texts;
        for (const auto& [number, text] : CzechTexts())
            texts[number] = Utf16ToCp1250(text);
        return texts;
    }
};

TEST_F(EmulatedLs, EveryNumberYieldsItsTextAndKeepsTheCallingContract)
{
    std::map<uint16_t, std::string> expected;
    for (const TExpectedMessage& m : ExpectedMessages())
        expected[m.number] = Utf8ToCp1250(m.utf8);
    TEmulatedGlossa glossa(Image(), LoaderTexts());
    const TCalleeSaved patterns[] = {
        {0x11111111, 0x22222222, 0x33333333, 0x44444444},
        {0xFFFFFFFF, 0x00000000, 0x80000001, 0x7FFFFFFE},
    };

    std::vector<uint32_t> wrongText, strayWrites, lostRegisters, movedStack;
    for (uint32_t number = 0; number <= 0xFFFF; ++number) {
        // Only the low 16 bits count, so the high ones carry noise; failures list the low ones.
        const uint32_t argument = number | (number % 3) * 0x5A5A0000u;
        const TLsResult result = glossa.CallLs(argument, patterns[number % 2]);
        const auto entry = expected.find(static_cast<uint16_t>(number));
        if (result.Text() != (entry == expected.end() ? "" : entry->second))
            wrongText.push_back(number);
        if (!result.RestUntouched())
            strayWrites.push_back(number);
        if (result.record.registers != patterns[number % 2])
            lostRegisters.push_back(number);
        if (result.record.espAfter != result.record.espBefore)
            movedStack.push_back(number);
    }
    EXPECT_EQ(wrongText, std::vector<uint32_t>{});
    EXPECT_EQ(strayWrites, std::vector<uint32_t>{});
    EXPECT_EQ(lostRegisters, std::vector<uint32_t>{});
    EXPECT_EQ(movedStack, std::vector<uint32_t>{});
}

TEST_F(EmulatedLs, LoadsFromItsOwnInstanceIntoA1024ByteWorkingBuffer)
{
    TEmulatedGlossa glossa(Image(), LoaderTexts());
    glossa.CallLs(65536 + 5);
    ASSERT_EQ(glossa.LoaderCalls().size(), 1u);
    const TLoaderCall& call = glossa.LoaderCalls()[0];
    EXPECT_EQ(call.instance, Image().ImageBase());
    EXPECT_EQ(call.number, 5u);
    EXPECT_EQ(call.bufferSize, 1024u);
}

TEST_F(EmulatedLs, CutsALongerTextAfterItsLast255thByte)
{
    const std::string longText(2000, 'x');
    TEmulatedGlossa glossa(Image(), {{7, std::string(256, 'y')}, {8, longText}});
    for (uint32_t number : {7u, 8u}) {
        const TLsResult result = glossa.CallLs(number);
        EXPECT_EQ(result.Length(), 255) << number;
        EXPECT_EQ(result.Text(), std::string(255, number == 7 ? 'y' : 'x')) << number;
        EXPECT_TRUE(result.RestUntouched()) << number;
    }
}

}  // namespace
}  // namespace pk::testing
