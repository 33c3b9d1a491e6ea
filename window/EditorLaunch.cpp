#include "window/EditorLaunch.h"

#include <initializer_list>

#include "platform/UserInterface.h"

namespace pk {

namespace {
constexpr size_t kCommandBufferSize = 200;  // with its terminating zero
}

std::string EditorCommandLine(const std::string& program, const std::string& argument)
{
    // Quoted: WordPad and Write take a blank as the end of the path.
    std::string line = program + " \"" + argument + "\"";
    if (line.size() > kCommandBufferSize - 1)
        line.resize(kCommandBufferSize - 1);
    return line;
}

void OpenInTextEditor(const std::string& path, const TEditorRunner& runEditor)
{
    for (const char* program : {"NotePad", "WordPad", "Write"})
        if (runEditor(program, path))
            return;
    platform::ShowError("Unable to run NotePad or WordPad");
}

}  // namespace pk
