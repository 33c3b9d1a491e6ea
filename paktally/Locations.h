#pragma once
// Where SETUP.INI and the pack files are, worked out anew from the command line on every
// call, and the error box that every part of the program reports through.
#include <string>

namespace pk {

// Argument i of the command line (1-based); empty when absent.
std::string ParamStr(int index);

// Folder of the running program, ending in a backslash.
std::string GetExeDir();
// Joins directory and name with exactly one backslash at the seam.
std::string AddPath(const std::string& directory, const std::string& name);
std::string GetIniFileName();
std::string GetPackFilesDir();
// Modal error box (title "Error", error icon, one OK button).
void ShowError(const std::string& text);

}  // namespace pk
