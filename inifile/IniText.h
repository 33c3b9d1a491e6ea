#pragma once
// The byte form of an INI file: split into lines on loading, joined with CR LF on saving.
#include <string>
#include <string_view>
#include <vector>

namespace pk {

struct TIniText {
    std::vector<std::string> lines;  // without their line ends; empty lines kept
    bool cutAtNul = false;           // a NUL byte ended the text early
};

// Lines end at CR LF, a lone LF or a lone CR; a line end at the very end adds no empty line.
// A NUL byte ends the text.
TIniText SplitIniText(std::string_view bytes);

// Every line, the last one too, followed by CR LF.
std::string JoinIniLines(const std::vector<std::string>& lines);

}  // namespace pk
