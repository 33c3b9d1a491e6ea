#pragma once
// The root of the error classes and the errors of the operating system and of arithmetic.
// Every error carries its message text; the class name is shown by the top-level handler
// ("Application Error" box), so each class reports its own. The folders that raise the other
// errors declare them with PK_DECLARE_EXCEPTION.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace pk {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
    virtual const char* ClassName() const { return "Exception"; }
};

#define PK_DECLARE_EXCEPTION(Name)                                            \
    class Name : public Exception {                                           \
    public:                                                                   \
        using Exception::Exception;                                           \
        const char* ClassName() const override { return #Name; }              \
    };

PK_DECLARE_EXCEPTION(EFOpenError)
PK_DECLARE_EXCEPTION(EFCreateError)
PK_DECLARE_EXCEPTION(ERangeError)
PK_DECLARE_EXCEPTION(EIntOverflow)

// An input/output failure of the operating system, with its error code.
class EInOutError : public Exception {
public:
    EInOutError(const std::string& message, uint32_t code) : Exception(message), errorCode(code) {}
    const char* ClassName() const override { return "EInOutError"; }
    uint32_t ErrorCode() const { return errorCode; }

private:
    uint32_t errorCode;
};

// A write that did not reach the disk whole, with the system's code of the reason.
class EWriteError : public Exception {
public:
    EWriteError(const std::string& message, uint32_t code) : Exception(message), errorCode(code) {}
    const char* ClassName() const override { return "EWriteError"; }
    uint32_t ErrorCode() const { return errorCode; }

private:
    uint32_t errorCode;
};

// The fixed texts of the common errors.
inline constexpr const char* kRangeCheckError = "Range check error";
inline constexpr const char* kIntegerOverflow = "Integer overflow";
inline constexpr const char* kStreamWriteError = "Stream write error";

// Adds a and b, raising EIntOverflow when the sum leaves the signed 32-bit range.
int32_t CheckedAdd(int32_t a, int32_t b);

}  // namespace pk
