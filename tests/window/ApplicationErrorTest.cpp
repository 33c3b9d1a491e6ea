#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "window/ApplicationError.h"
#include "zipreader/ZipErrors.h"

namespace pk {
namespace {

TEST(ApplicationError, FullStopIsAddedAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(WithFullStop("Cannot open file"), "Cannot open file.");
    EXPECT_EQ(WithFullStop("Error 5"), "Error 5.");
    EXPECT_EQ(WithFullStop("Done."), "Done.");
    EXPECT_EQ(WithFullStop("Really!"), "Really!");
    EXPECT_EQ(WithFullStop("dash -"), "dash -");
    EXPECT_EQ(WithFullStop("a/"), "a/.") << "'/' sorts right after '.'";
    EXPECT_EQ(WithFullStop("st\xF8"), "st\xF8.") << "letters beyond ASCII too";
    EXPECT_EQ(WithFullStop(""), "");
}

TEST(ApplicationError, NamesTheClassAndTheMessage)
{
    auto describe = [](auto error) { return DescribeError(std::make_exception_ptr(error)); };
    TErrorDescription zip = describe(EBadZipFile("Cannot open file \"Z:\\k\\P.ZIP\". File not found"));
    EXPECT_EQ(zip.className, "EBadZipFile");
    EXPECT_EQ(ApplicationErrorText(zip),
              "Exception EBadZipFile in module Paktally.exe.\nCannot open file \"Z:\\k\\P.ZIP\". File not found.");
    EXPECT_EQ(ApplicationErrorText(describe(EInOutError("I/O error 5", 5))),
              "Exception EInOutError in module Paktally.exe.\nI/O error 5.");
    EXPECT_EQ(describe(std::bad_alloc()).className, "EOutOfMemory");
    EXPECT_EQ(describe(std::runtime_error("odd")).message, "odd");
    EXPECT_EQ(DescribeError(std::make_exception_ptr(42)).className, "Exception");
}

}  // namespace
}  // namespace pk
