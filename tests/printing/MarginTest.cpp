#include <gtest/gtest.h>

#include "printing/XPrinter.h"
#include "tests/printing/RecordingPrinter.h"
#include "tests/printing/TestSources.h"

namespace pk {
namespace {

using testing::TRecordingPrinter;

// A 600 dpi A4 sheet: 23.62 pixels per millimetre, 210 x 297 mm.
class MarginTest : public ::testing::Test {
protected:
    TRecordingPrinter printer;
    TXPrinter xprinter;
};

TEST_F(MarginTest, WithoutADocumentMarginsAreOnlyStored)
{
    EXPECT_TRUE(xprinter.MarginApplied());
    EXPECT_EQ(xprinter.LeftMargin(), 20);
    EXPECT_EQ(xprinter.TopMargin(), 20);
    xprinter.SetLeftMargin(500);  // far beyond the paper, but nothing checks it yet
    xprinter.SetTopMargin(0);
    EXPECT_TRUE(xprinter.MarginApplied());
    EXPECT_EQ(xprinter.LeftMargin(), 500);
    EXPECT_EQ(xprinter.TopMargin(), 0);
    EXPECT_TRUE(printer.documentCalls.empty());
    EXPECT_EQ(printer.windowOrigin, (TDevicePoint{0, 0}));
}

TEST_F(MarginTest, DuringADocumentMarginsMoveTheDrawingOriginPerAxis)
{
    printer.logPixelsX = 300;
    printer.physicalPageSize = {2480, 7016};
    printer.BeginDoc();
    printer.viewportOrigin = {5, 6};
    printer.windowOrigin = {11, 12};
    xprinter.SetLeftMargin(30);  // 354.33 pixels across
    EXPECT_TRUE(xprinter.MarginApplied());
    EXPECT_EQ(printer.viewportOrigin, (TDevicePoint{0, 0}));
    EXPECT_EQ(printer.windowOrigin, (TDevicePoint{-354, 12}));
    xprinter.SetTopMargin(10);  // 236.22 pixels down
    EXPECT_EQ(printer.windowOrigin, (TDevicePoint{-354, -236}));
    EXPECT_EQ(xprinter.LeftMargin(), 30);
    EXPECT_EQ(xprinter.TopMargin(), 10);

    TDevicePoint origin;
    ASSERT_TRUE(xprinter.GetDrawingOrigin(origin));
    EXPECT_EQ(origin, (TDevicePoint{-354, -236}));
}

TEST_F(MarginTest, MarginInsideTheUnprintableBorderIsRaisedToIt)
{
    printer.printingOffset = {100, 50};  // 4.23 and 2.12 mm
    printer.BeginDoc();
    xprinter.SetLeftMargin(2);
    EXPECT_TRUE(xprinter.MarginApplied());
    EXPECT_EQ(xprinter.LeftMargin(), 4);
    EXPECT_EQ(printer.windowOrigin.x, 6);  // 4 mm lies 5.51 pixels before the border
    xprinter.SetTopMargin(0);
    EXPECT_EQ(xprinter.TopMargin(), 2);
    EXPECT_EQ(printer.windowOrigin.y, 3);
    xprinter.SetLeftMargin(20);  // device coordinates start at the border
    EXPECT_EQ(printer.windowOrigin.x, -372);
}

TEST_F(MarginTest, MarginBeyondThePaperIsIgnored)
{
    EXPECT_EQ(xprinter.PageWidthMm(), 210);
    EXPECT_EQ(xprinter.PageHeightMm(), 297);
    printer.BeginDoc();
    xprinter.SetLeftMargin(25);
    xprinter.SetLeftMargin(211);
    EXPECT_FALSE(xprinter.MarginApplied());
    EXPECT_EQ(xprinter.LeftMargin(), 25);
    EXPECT_EQ(printer.windowOrigin.x, -591);
    xprinter.SetTopMargin(298);
    EXPECT_EQ(xprinter.TopMargin(), 20);
    xprinter.SetLeftMargin(210);
    EXPECT_TRUE(xprinter.MarginApplied());
    EXPECT_EQ(xprinter.LeftMargin(), 210);
}

TEST_F(MarginTest, OriginFailuresLeaveTheStoredMargin)
{
    printer.BeginDoc();
    printer.getWindowOriginWorks = false;
    xprinter.SetLeftMargin(30);
    EXPECT_FALSE(xprinter.MarginApplied());
    EXPECT_EQ(xprinter.LeftMargin(), 20);

    printer.getWindowOriginWorks = true;
    printer.setWindowOriginWorks = false;
    xprinter.SetTopMargin(30);
    EXPECT_FALSE(xprinter.MarginApplied());
    EXPECT_EQ(xprinter.TopMargin(), 20);
}

TEST_F(MarginTest, StoredMarginsTakeEffectWhenThePrintoutBegins)
{
    xprinter.SetLeftMargin(30);
    xprinter.SetTopMargin(5);
    testing::TTestGrid grid({10}, 1);
    xprinter.PrintGrid(grid, true);
    ASSERT_EQ(printer.texts.size(), 1u);
    EXPECT_EQ(printer.texts[0].windowOrigin, (TDevicePoint{-709, -118}));
}

}  // namespace
}  // namespace pk
