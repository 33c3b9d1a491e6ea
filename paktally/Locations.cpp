#include "paktally/Locations.h"

#include <vector>

#include "platform/Process.h"
#include "platform/UserInterface.h"

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

// Only the backslash and the colon separate the parts of a path here.
size_t LastSeparator(const std::string& path)
{
    return path.find_last_of("\\:");
}

std::string ExtractFilePath(const std::string& path)
{
    size_t sep = LastSeparator(path);
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

bool HasExtension(const std::string& path)
{
    size_t dot = path.rfind('.');
    size_t sep = LastSeparator(path);
    return dot != std::string::npos && (sep == std::string::npos || dot > sep);
}

bool FirstArgumentIsSwitch()
{
    return ParamStr(1).find('/') != std::string::npos;
}

}  // namespace

std::string ParamStr(int index)
{
    std::vector<std::string> words = SplitCommandLine(platform::CommandLine());
    // Word 0 is the program's own name.
    return index >= 1 && static_cast<size_t>(index) < words.size() ? words[static_cast<size_t>(index)] : std::string();
}

std::string GetExeDir()
{
    return ExtractFilePath(platform::ProgramPath());
}

std::string AddPath(const std::string& directory, const std::string& name)
{
    std::string result = directory;
    if (!name.empty() && (result.empty() || result.back() != '\\'))
        result += '\\';
    return result + (!name.empty() && name[0] == '\\' ? name.substr(1) : name);
}

std::string GetIniFileName()
{
    std::string argument = ParamStr(FirstArgumentIsSwitch() ? 2 : 1);
    std::string result;
    if (argument.empty())
        result = AddPath(GetExeDir(), "Setup.ini");
    else if (argument.back() != '\\' && argument.back() != ':')
        result = platform::ExpandFileName(argument);
    else
        result = AddPath(ExtractFilePath(argument), "Setup.ini");
    if (!HasExtension(result))
        result += ".INI";
    return result;
}

std::string GetPackFilesDir()
{
    std::string argument = ParamStr(FirstArgumentIsSwitch() ? 3 : 2);
    return argument.empty() ? ExtractFilePath(GetIniFileName()) : argument;
}

void ShowError(const std::string& text)
{
    platform::UI().ShowMessageBox({text, "Error", platform::BoxIcon::Error, platform::BoxButtons::OK});
}

}  // namespace pk
