#pragma once
// File-name masks of the "Files" key: "*" and "?" wildcards, character sets such as [a-c] and
// [!x], case folded for "a" to "z" only.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Exceptions.h"

namespace pk {

PK_DECLARE_EXCEPTION(EMaskException)

class TMask {
public:
    // Compiles the mask; raises EMaskException "'%s' is an invalid mask at (%d)".
    explicit TMask(const std::string& mask);
    ~TMask();
    TMask(const TMask&) = delete;
    TMask& operator=(const TMask&) = delete;

    bool Matches(std::string_view name) const;
    // True for a mask that every name matches ("*", "**", "*?"): no name need be looked at.
    bool MatchesEverything() const;

private:
    struct TElement;
    class TCompiler;
    // A star followed by plain characters only ("*.txt"): the mask asks for a name that ends
    // in them, which a direct comparison answers.
    bool EndingOnly() const;

    std::vector<TElement> elements;  // the last is the end-of-name element
    std::optional<std::string> ending;  // the folded characters after the star, for such a mask
};

// Compiles the mask, matches the name once, and throws the compiled mask away.
bool MatchOneMask(const std::string& name, const std::string& mask);

}  // namespace pk
