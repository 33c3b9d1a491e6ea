// Compares the matcher with a reference written from the mask rules alone: the mask becomes a list
// of tokens, and a memoised search over (token, position) decides whether the name fits them.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <random>
#include <utility>

#include "measure/Masks.h"
#include "platform/Replaceable.h"
#include "tests/measure/MaskTestSupport.h"

namespace pk {
namespace {

unsigned char Upper(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? c - 32 : c;
}

struct TToken {
    enum { Star, Any, Bytes, Set } kind;
    std::string bytes{};                                          // Bytes: exact, or one folded byte
    std::vector<std::pair<unsigned char, unsigned char>> ranges{};  // Set: single members are (c, c)
    bool negated = false;

    bool InSet(unsigned char c) const
    {
        for (auto [low, high] : ranges)
            if (low <= c && c <= high)
                return true;
        return false;
    }
};

// Tokens of the mask, or nothing when the mask is invalid.
std::optional<std::vector<TToken>> ReferenceParse(const std::string& mask)
{
    const auto& lead = platform::IsLeadByte;
    std::vector<TToken> tokens;
    for (size_t i = 0; i < mask.size(); ++i) {
        const auto c = static_cast<unsigned char>(mask[i]);
        if (c == '*') {
            tokens.push_back({TToken::Star});
        } else if (c == '?') {
            if (tokens.empty() || tokens.back().kind != TToken::Star)
                tokens.push_back({TToken::Any});
        } else if (c == '[') {
            TToken set{TToken::Set};
            size_t j = i + 1;
            set.negated = j < mask.size() && mask[j] == '!';
            j += set.negated;
            std::optional<unsigned char> previous;
            for (; j < mask.size() && mask[j] != ']'; ++j) {
                const auto m = static_cast<unsigned char>(mask[j]);
                if (lead(m)) {
                    ++j;
                } else if (m != '-') {
                    previous = Upper(m);
                    set.ranges.emplace_back(*previous, *previous);
                } else if (!previous || j + 1 >= mask.size()) {
                    return std::nullopt;
                } else {
                    set.ranges.emplace_back(*previous, Upper(static_cast<unsigned char>(mask[++j])));
                }
            }
            if (j >= mask.size() || !previous)
                return std::nullopt;
            tokens.push_back(set);
            i = j;
        } else if (lead(c) && i + 1 < mask.size()) {
            tokens.push_back({TToken::Bytes, mask.substr(i, 2)});
            ++i;
        } else {
            tokens.push_back({TToken::Bytes, std::string(1, static_cast<char>(Upper(c)))});
        }
    }
    return tokens;
}

bool ReferenceMatch(const std::vector<TToken>& tokens, const std::string& name)
{
    std::vector<std::vector<std::optional<bool>>> memo(tokens.size() + 1,
                                                       std::vector<std::optional<bool>>(name.size() + 2));
    auto fits = [&](auto& self, size_t t, size_t p) -> bool {
        if (t == tokens.size())
            return p == name.size();
        if (memo[t][p])
            return *memo[t][p];
        const TToken& token = tokens[t];
        const bool more = p < name.size();
        const auto c = more ? static_cast<unsigned char>(name[p]) : 0;
        bool result = false;
        switch (token.kind) {
        case TToken::Star:
            result = self(self, t + 1, p) || (more && self(self, t, p + 1));
            break;
        case TToken::Any:
            result = more && self(self, t + 1, p + 1);
            break;
        case TToken::Set:
            result = more && token.InSet(Upper(c)) != token.negated && self(self, t + 1, p + 1);
            break;
        case TToken::Bytes:
            if (token.bytes.size() == 1)
                result = more && Upper(c) == static_cast<unsigned char>(token.bytes[0]) && self(self, t + 1, p + 1);
            else
                result = name.compare(p, 2, token.bytes) == 0 && self(self, t + 1, p + 2);
            break;
        }
        memo[t][p] = result;
        return result;
    };
    return fits(fits, 0, 0);
}

std::string RandomText(std::mt19937& random, const std::string& alphabet, size_t maxLength)
{
    std::string text(std::uniform_int_distribution<size_t>(0, maxLength)(random), ' ');
    for (char& c : text)
        c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
    return text;
}

std::string Visible(const std::string& text)
{
    std::string shown;
    for (unsigned char c : text) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        shown += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : hex;
    }
    return shown;
}

// Runs many generated masks against many generated names; both answers must occur often.
void CompareWithReference(const std::string& maskAlphabet, const std::string& nameAlphabet, unsigned seed)
{
    std::mt19937 random(seed);
    int matches = 0, misses = 0, invalid = 0;
    for (int m = 0; m < 4000; ++m) {
        const std::string mask = RandomText(random, maskAlphabet, 9);
        const auto tokens = ReferenceParse(mask);
        ASSERT_EQ(testing::CompileError(mask) == "valid", tokens.has_value()) << "mask " << Visible(mask);
        if (!tokens) {
            ++invalid;
            continue;
        }
        const TMask compiled(mask);
        for (int n = 0; n < 40; ++n) {
            const std::string name = RandomText(random, nameAlphabet, 8);
            const bool expected = ReferenceMatch(*tokens, name);
            ASSERT_EQ(compiled.Matches(name), expected) << "mask " << Visible(mask) << ", name " << Visible(name);
            ++(expected ? matches : misses);
        }
    }
    EXPECT_GT(matches, 5000);
    EXPECT_GT(misses, 5000);
    EXPECT_GT(invalid, 100);
}

TEST(MaskReferenceTest, AgreesInASingleByteCodePage)
{
    platform::TInstalled singleByte{platform::ReplaceLeadBytes, testing::NoLeadBytes()};
    CompareWithReference("**??aB.[]!-", "aAbB.]-", 1);
}

TEST(MaskReferenceTest, AgreesWithTwoByteCharacters)
{
    platform::TInstalled cp932{platform::ReplaceLeadBytes, testing::Cp932LeadBytes()};
    CompareWithReference("**?aB.[]!-\x82\xA0", "aAB.]\x82\xA0", 2);
}

}  // namespace
}  // namespace pk
