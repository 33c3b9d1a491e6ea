#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/Exceptions.h"
#include "printing/XPrinter.h"
#include "tests/printing/RecordingPrinter.h"
#include "tests/printing/TestSources.h"

namespace pk {
namespace {

using testing::TRecordingPrinter;
using testing::TTestGrid;
using testing::TTestLines;

class DocumentTest : public ::testing::Test {
protected:
    TRecordingPrinter printer;
    TXPrinter xprinter;
};

TEST_F(DocumentTest, UnknownSourcesAreRefusedBeforeAnyDocument)
{
    class TPicture : public TPrintSource {};
    TPicture picture;
    for (const TPrintSource* source : {static_cast<const TPrintSource*>(&picture), static_cast<const TPrintSource*>(nullptr)}) {
        try {
            xprinter.Print(source, true);
            ADD_FAILURE() << "no error";
        } catch (const ETypeNotSupported& e) {
            EXPECT_STREQ(e.what(), "Print does only support TString, TMemo and TStringGrid");
        }
    }
    EXPECT_TRUE(printer.documentCalls.empty());
}

TEST_F(DocumentTest, PrintTellsGridsFromLines)
{
    TTestGrid grid({10, 10}, 2);
    grid.rangeSelection = true;
    grid.selection = {0, 0, 0, 1};
    xprinter.Print(&grid, false);
    EXPECT_EQ(printer.TextsOfPage(1), (std::vector<std::string>{"c0r0", "c0r1"}));

    printer.texts.clear();
    TTestLines lines({"first", "second"});
    xprinter.Print(&lines, false);
    EXPECT_EQ(printer.TextsOfPage(1), (std::vector<std::string>{"first", "second"}));
}

TEST_F(DocumentTest, LinesUseTheCanvasFontUnclippedAndBreakPagesLikeRows)
{
    printer.vertRes = 6814;  // 89 lines of 71
    std::vector<std::string> text;
    for (int i = 0; i < 91; ++i)
        text.push_back("line " + std::to_string(i));
    xprinter.PrintLines(TTestLines(text));
    ASSERT_EQ(printer.texts.size(), 91u);
    EXPECT_TRUE(printer.fontsSelected.size() == 1u && printer.fontsSelected[0] == DefaultPrinterFont(600));
    EXPECT_FALSE(printer.texts[0].clipped);
    EXPECT_EQ(printer.texts[88].y, 88 * 71);
    EXPECT_EQ(printer.texts[88].page, 1);
    EXPECT_EQ(printer.texts[89].y, 0);
    EXPECT_EQ(printer.texts[89].page, 2);
    EXPECT_EQ(printer.texts[90].x, 0);
    EXPECT_EQ(printer.texts[90].windowOrigin, (TDevicePoint{-472, -472}));
}

TEST_F(DocumentTest, TheCanvasKeepsTheGridFontForLaterPrintouts)
{
    TTestGrid grid({10}, 1);
    grid.font.height = -16;  // 12 points: 100 pixels at 600 ppi
    xprinter.PrintGrid(grid, false);
    xprinter.PrintLines(TTestLines({"a", "b"}));
    EXPECT_EQ(printer.texts.back().font.height, -100);
    EXPECT_EQ(printer.texts.back().y, 104);
}

TEST_F(DocumentTest, EmptyLinesPrintNothing)
{
    xprinter.PrintLines(TTestLines({}));
    EXPECT_TRUE(printer.documentCalls.empty());
    EXPECT_FALSE(printer.Printing());
}

TEST_F(DocumentTest, SecondPrintoutDuringTheFirstFailsAndTheFirstGoesOn)
{
    printer.vertRes = 1000;  // 7 lines a page
    std::vector<std::string> errors;
    TTestLines intruder({"intruder"});
    bool intruding = false;  // an intruder that got through must not intrude on itself
    printer.onEndPage = [&] {
        if (intruding)
            return;
        intruding = true;
        try {
            TXPrinter second;
            second.Print(&intruder, true);
        } catch (const EPrinter& e) {
            errors.push_back(e.what());
        }
        intruding = false;
    };
    TTestGrid grid({10}, 10);
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(errors, (std::vector<std::string>{"Printing in progress", "Printing in progress"}));
    EXPECT_EQ(printer.texts.size(), 10u);
    EXPECT_EQ(printer.documentCalls.back(), "EndDoc");
}

TEST_F(DocumentTest, FailureDuringAPrintoutDropsTheDocument)
{
    TTestGrid grid({10}, 5);
    grid.onCell = [](int, int row) {
        if (row == 3)
            throw std::runtime_error("cell unavailable");
    };
    EXPECT_THROW(xprinter.PrintGrid(grid, false), std::runtime_error);
    EXPECT_EQ(printer.documentCalls.back(), "AbortDoc");
    EXPECT_FALSE(printer.Printing());

    grid.onCell = nullptr;
    xprinter.PrintGrid(grid, false);  // the printer is free again
    EXPECT_EQ(printer.documentCalls.back(), "EndDoc");
}

#ifndef _WIN32
TEST(NoPrinterTest, WithoutAPrinterNothingIsPrinted)
{
    TXPrinter xprinter;  // creation needs no printer
    EXPECT_EQ(xprinter.LeftMargin(), 20);
    TTestGrid grid({10}, 1);
    try {
        xprinter.Print(&grid, true);
        ADD_FAILURE() << "no error";
    } catch (const EPrinter& e) {
        EXPECT_STREQ(e.what(), "There is no default printer currently selected");
    }
    EXPECT_FALSE(Printer().Printing());
}
#endif

}  // namespace
}  // namespace pk
