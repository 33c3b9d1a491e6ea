#pragma once
// How the program was asked to run, and the texts of its top-level error boxes.
#include <exception>
#include <string>

namespace pk {

inline constexpr const char* kProgramName = "Paktally";
inline constexpr const char* kApplicationTitle = "Check/update of SETUP.INI";
inline constexpr const char* kSyntaxText =
    "Syntax: PAKTALLY [/B] [inifilepath[\\filename]] [packfilepath]\r\r/B : Silent update";
inline constexpr const char* kCaptionPrefix = "Tarvo Setup:  ";

// Only a first argument of exactly "/?" asks for the syntax.
bool IsSyntaxRequest(const std::string& firstArgument);
// "/B" in arguments 1 to 3, then "/b" in them: anywhere inside an argument.
bool IsSilentRun(const std::string& arg1, const std::string& arg2, const std::string& arg3);

// The message with a full stop added when its last character sorts after ".".
std::string WithFullStop(const std::string& message);

struct TErrorDescription {
    std::string className;
    std::string message;
};
TErrorDescription DescribeError(const std::exception_ptr& error);

// Text of the "Application Error" box that ends the process.
std::string ApplicationErrorText(const TErrorDescription& error);

}  // namespace pk
