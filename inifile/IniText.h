#pragma once
// The byte form of an INI file: walked line by line on loading, joined with CR LF on saving.
#include <string>
#include <string_view>
#include <vector>

namespace pk {

// Walks the lines of a file's bytes without copying them. Lines end at CR LF, a lone LF or a
// lone CR; a line end at the very end adds no empty line. A NUL byte ends the text.
class TIniLineReader {
public:
    explicit TIniLineReader(std::string_view bytes);
    // The next line without its line end; false after the last one.
    bool Next(std::string_view& line);
    // A NUL byte ended the text early.
    bool CutAtNul() const { return cutAtNul; }

private:
    std::string_view rest;
    bool cutAtNul = false;
};

// Every line, the last one too, followed by CR LF.
std::string JoinIniLines(const std::vector<std::string>& lines);

}  // namespace pk
