#pragma once
// How the program was asked to run: its switches, and the texts that go with them.
#include <string>

namespace pk {

inline constexpr const char* kApplicationTitle = "Check/update of SETUP.INI";
inline constexpr const char* kSyntaxText =
    "Syntax: PAKTALLY [/B] [inifilepath[\\filename]] [packfilepath]\r\r/B : Silent update";
inline constexpr const char* kCaptionPrefix = "Tarvo Setup:  ";

// Only a first argument of exactly "/?" asks for the syntax.
bool IsSyntaxRequest(const std::string& firstArgument);
// "/B" in arguments 1 to 3, then "/b" in them: anywhere inside an argument.
bool IsSilentRun(const std::string& arg1, const std::string& arg2, const std::string& arg3);

}  // namespace pk
