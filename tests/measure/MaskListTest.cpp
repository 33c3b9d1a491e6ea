// The mask list of the ZIP sizing answers as MatchesAnyMask does, while compiling each mask
// once: a failed compile is raised again by every later name that reaches the mask.
#include "measure/MaskList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Exceptions.h"

namespace pk {
namespace {

TEST(MaskListTest, AnswersAsMatchesAnyMaskForManyNames)
{
    const std::vector<std::vector<std::string>> lists = {
        {"*"}, {"*.txt", "*.DLL"}, {"a?c", "[!a-c]*"}, {}, {"", "*\\*"}, {"**", "x"}};
    const std::vector<std::string> names = {"a.txt", "B.dll", "abc", "zzz", "", "dir\\x", std::string("n\0x", 3)};
    for (const auto& masks : lists) {
        TMaskList list(masks);
        for (const std::string& name : names)
            EXPECT_EQ(list.MatchesAny([&] { return std::string_view(name); }), MatchesAnyMask(name, masks))
                << name << " against " << masks.size() << " masks";
    }
}

TEST(MaskListTest, AFailedCompileIsRaisedByEveryNameThatReachesTheMask)
{
    TMaskList list({"*.txt", "[", "*"});
    int namesAsked = 0;
    auto name = [&](std::string_view text) {
        return [&namesAsked, text] {
            ++namesAsked;
            return text;
        };
    };
    EXPECT_TRUE(list.MatchesAny(name("a.txt"))) << "the bad mask is never reached";
    for (int round = 0; round < 2; ++round) {
        try {
            list.MatchesAny(name("a.dll"));
            FAIL() << "the bad mask passed";
        } catch (const EMaskException& e) {
            EXPECT_STREQ(e.what(), "'[' is an invalid mask at (2)");
        }
    }
    EXPECT_EQ(namesAsked, 3) << "the bad mask asks for no name";
    EXPECT_TRUE(TMaskList({"*"}).MatchesAny(name("anything")));
    EXPECT_EQ(namesAsked, 3) << "a mask every name matches asks for none";
}

}  // namespace
}  // namespace pk
