#include "measure/Masks.h"

#include <array>
#include <bitset>
#include <cassert>
#include <optional>
#include <string_view>

#include "platform/AsciiCase.h"
#include "platform/Exceptions.h"
#include "platform/TextServices.h"

namespace pk {

namespace {

// Each after-star element needs at most one resume point, so this also bounds the resume stack.
constexpr int kMaxAfterStarElements = 30;

// A NUL byte ends a name or a mask.
std::string_view UpToNul(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

}  // namespace

struct TMask::TElement {
    enum class TKind : uint8_t { Literal, AnyCharacter, Set, DoubleByte };

    TKind kind = TKind::Literal;
    bool afterStar = false;
    bool negated = false;         // sets
    uint8_t character = 0;        // folded literal (0: end of name), or the lead byte
    uint8_t trail = 0;            // double-byte literals
    std::bitset<256> members{};   // sets, folded

    // Whether the element accepts the name at pos. Only the end-of-name element accepts the end;
    // nothing is read at or past it.
    bool AcceptsAt(std::string_view name, size_t pos) const
    {
        if (pos >= name.size())
            return kind == TKind::Literal && character == 0;
        const auto c = static_cast<uint8_t>(name[pos]);
        switch (kind) {
        case TKind::Literal:
            return platform::UpperAscii(c) == character;
        case TKind::AnyCharacter:
            return true;
        case TKind::Set:
            return members[platform::UpperAscii(c)] != negated;
        case TKind::DoubleByte:
            return pos + 1 < name.size() && c == character && static_cast<uint8_t>(name[pos + 1]) == trail;
        }
        return false;
    }

    size_t Width() const { return kind == TKind::DoubleByte ? 2 : 1; }
};

class TMask::TCompiler {
public:
    TCompiler(const std::string& text, std::vector<TElement>& elements) : mask(UpToNul(text)), elements(elements) {}

    void Run()
    {
        elements.reserve(mask.size() + 1);  // at most one element per byte, and the end
        size_t i = 0;
        while (i < mask.size()) {
            const auto c = static_cast<uint8_t>(mask[i]);
            if (c == '*') {
                pendingStar = true;
                ++i;
            } else if (c == '?') {
                // "?" after "*" is dropped: the star already covers that character.
                if (!pendingStar)
                    Add({.kind = TElement::TKind::AnyCharacter}, i + 1);
                ++i;
            } else if (c == '[') {
                i = ReadSet(i);
            } else if (platform::IsLeadByte(c) && i + 1 < mask.size()) {
                Add({.kind = TElement::TKind::DoubleByte, .character = c, .trail = static_cast<uint8_t>(mask[i + 1])},
                    i + 2);
                i += 2;
            } else {
                // A lead byte that ends the mask has no trail; it stays a plain byte.
                Add({.character = platform::UpperAscii(c)}, i + 1);
                ++i;
            }
        }
        Add({.character = 0}, mask.size() + 1);
    }

private:
    // Reads the set opened at index open; returns the index after its closing "]".
    size_t ReadSet(size_t open)
    {
        TElement set{.kind = TElement::TKind::Set};
        size_t i = open + 1;
        if (i < mask.size() && mask[i] == '!') {
            set.negated = true;
            ++i;
        }
        std::optional<uint8_t> lastMember;
        while (i < mask.size() && mask[i] != ']') {
            const auto c = static_cast<uint8_t>(mask[i]);
            if (platform::IsLeadByte(c)) {
                i += 2;  // two-byte characters cannot be members; this may step past the end
                continue;
            }
            if (c == '-') {
                if (!lastMember)
                    Invalid(i + 1);
                if (i + 1 >= mask.size())
                    Invalid(mask.size() + 1);  // not closed
                // The upper end may be "]"; the last single member stays what it was.
                const unsigned upper = platform::UpperAscii(static_cast<uint8_t>(mask[i + 1]));
                for (unsigned v = *lastMember; v <= upper; ++v)
                    set.members.set(v);
                i += 2;
                continue;
            }
            lastMember = platform::UpperAscii(c);
            set.members.set(*lastMember);
            ++i;
        }
        if (i >= mask.size())
            Invalid(mask.size() + 1);
        if (set.members.none())
            Invalid(i + 1);
        Add(set, i + 1);
        return i + 1;
    }

    // position: the 1-based place reported if this element is one after-star element too many.
    void Add(TElement element, size_t position)
    {
        element.afterStar = pendingStar;
        pendingStar = false;
        if (element.afterStar && ++afterStarElements > kMaxAfterStarElements)
            Invalid(position);
        elements.push_back(element);
    }

    [[noreturn]] void Invalid(size_t position) const
    {
        throw EMaskException("'" + std::string(mask) + "' is an invalid mask at (" + std::to_string(position) + ")");
    }

    std::string_view mask;
    std::vector<TElement>& elements;
    bool pendingStar = false;
    int afterStarElements = 0;
};

TMask::TMask(const std::string& mask)
{
    TCompiler(mask, elements).Run();
    if (EndingOnly()) {
        ending.emplace();
        for (size_t k = 0; k + 1 < elements.size(); ++k)
            ending->push_back(static_cast<char>(elements[k].character));
    }
}

bool TMask::EndingOnly() const
{
    if (elements.size() < 2 || !elements[0].afterStar)
        return false;
    for (size_t k = 0; k < elements.size(); ++k)
        if (elements[k].kind != TElement::TKind::Literal || (k != 0 && elements[k].afterStar))
            return false;
    return true;
}

TMask::~TMask() = default;

bool TMask::MatchesEverything() const
{
    // An after-star end of name is where the star takes whatever is left.
    return elements.size() == 1 && elements[0].afterStar;
}

bool TMask::Matches(std::string_view text) const
{
    const std::string_view name = UpToNul(text);
    if (ending) {
        // The search below would try every place for the ending and find it only at the end.
        if (name.size() < ending->size())
            return false;
        const size_t start = name.size() - ending->size();
        for (size_t i = 0; i < ending->size(); ++i)
            if (platform::UpperAscii(static_cast<uint8_t>(name[start + i])) != static_cast<uint8_t>((*ending)[i]))
                return false;
        return true;
    }
    struct TResumePoint {
        size_t pos;
        size_t element;
    };
    std::array<TResumePoint, kMaxAfterStarElements> stack;
    size_t depth = 0;

    TResumePoint from{0, 0};
    for (;;) {
        size_t pos = from.pos;
        size_t k = from.element;
        for (; k < elements.size(); ++k) {
            const TElement& element = elements[k];
            if (element.afterStar) {
                while (pos < name.size() && !element.AcceptsAt(name, pos))
                    ++pos;
                if (pos < name.size()) {
                    // Resume points are pushed in element order, one per after-star element.
                    assert(depth < stack.size());
                    stack[depth++] = {pos + 1, k};
                } else if (!element.AcceptsAt(name, pos)) {
                    // This element fits nowhere from here on. Every resume point left would reach
                    // it no earlier, so none can match; trying them all could take for ever.
                    return false;
                }
            }
            if (!element.AcceptsAt(name, pos))
                break;
            pos += element.Width();
        }
        if (k == elements.size())
            return true;
        if (depth == 0)
            return false;
        from = stack[--depth];
    }
}

bool MatchOneMask(const std::string& name, const std::string& mask)
{
    return TMask(mask).Matches(name);
}

}  // namespace pk
