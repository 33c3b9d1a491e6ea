#include "paktally/CommandLine.h"

#include <vector>

#include "platform/Process.h"

namespace pk {

namespace {

// Words of the command line: blanks and tabs separate, a double quote toggles a stretch in
// which they do not; quotes are dropped. No escapes, so a quoted folder may end in "\".
std::vector<std::string> SplitCommandLine(const std::string& line)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        std::string word;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                word += line[i];
            ++i;
        }
        words.push_back(word);
    }
    return words;
}

}  // namespace

std::string ParamStr(int index)
{
    std::vector<std::string> words = SplitCommandLine(platform::CommandLine());
    // Word 0 is the program's own name.
    return index >= 1 && static_cast<size_t>(index) < words.size() ? words[static_cast<size_t>(index)] : std::string();
}

TKitPaths KitPathsFromCommandLine()
{
    int first = ParamStr(1).find('/') != std::string::npos ? 2 : 1;
    return KitPathsFromArguments(ParamStr(first), ParamStr(first + 1));
}

}  // namespace pk
