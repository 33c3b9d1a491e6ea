#pragma once
// The lines of one section, kept in one block of text so that a document costs memory in
// proportion to its file rather than one string per line.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pk {

class TSectionLines {
public:
    // Where one line's record lies in the block.
    struct TPlace {
        size_t begin;
        size_t end;
    };

    bool Empty() const { return block.empty(); }
    // Calls visit(line) for each line in order.
    template <class Visit>
    void ForEach(Visit visit) const
    {
        for (size_t at = 0; at < block.size();)
            visit(Read(at).second);
    }
    std::vector<std::string> All() const;
    // The first line that holds "=" and whose text before it is the same name as key.
    std::optional<TPlace> FindKey(std::string_view key) const;
    std::string_view LineAt(TPlace place) const;

    void Append(std::string_view line);
    void Replace(TPlace place, std::string_view line);
    void Erase(TPlace place);

private:
    // The line whose record starts at `at`, and `at` moved past it.
    std::pair<TPlace, std::string_view> Read(size_t& at) const;
    static std::string Record(std::string_view line);

    std::string block;  // each line as its length (7 bits a byte, low first) and its bytes
};

// The text before a line's first "=", or nothing for a line without one.
std::optional<std::string_view> KeyOf(std::string_view line);

}  // namespace pk
