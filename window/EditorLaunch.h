#pragma once
// Opening SETUP.INI in an external text editor.
#include <functional>
#include <string>

namespace pk {

// program "argument", cut to the 199 characters that the launch buffer holds.
std::string EditorCommandLine(const std::string& program, const std::string& argument);

// Starts program with argument; true when it could be started.
using TEditorRunner = std::function<bool(const std::string& program, const std::string& argument)>;

// Tries NotePad, then WordPad, then Write; shows an error when none starts.
void OpenInTextEditor(const std::string& path, const TEditorRunner& runEditor);

// The Windows launcher (win32 flavour only).
bool RunEditor(const std::string& program, const std::string& argument);

}  // namespace pk
