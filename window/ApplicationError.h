#pragma once
// The texts of the program's top-level error boxes.
#include <exception>
#include <string>

namespace pk {

inline constexpr const char* kProgramName = "Paktally";

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
