#include <gtest/gtest.h>

#include <algorithm>

#include "printing/XPrinter.h"
#include "tests/printing/RecordingPrinter.h"
#include "tests/printing/TestSources.h"

namespace pk {
namespace {

using testing::TRecordingPrinter;
using testing::TTestGrid;

// 96 ppi screen, 600 ppi printer, 11-pixel grid font: 67-pixel printer font, 71-pixel lines.
class GridLayoutTest : public ::testing::Test {
protected:
    std::vector<TDeviceRect> Rects() const
    {
        std::vector<TDeviceRect> rects;
        for (const auto& t : printer.texts)
            rects.push_back(t.rect);
        return rects;
    }

    TRecordingPrinter printer;
    TXPrinter xprinter;
};

TEST_F(GridLayoutTest, ColumnsKeepTheirScreenWidthAndAFiveMillimetreGap)
{
    TTestGrid grid({100, 100, 100}, 1);
    xprinter.PrintGrid(grid, false);
    ASSERT_EQ(printer.fontsSelected.size(), 1u);
    EXPECT_EQ(printer.fontsSelected[0].height, -67);
    ASSERT_EQ(printer.texts.size(), 3u);
    // 625 pixels of column, then 118.11 of gap: the next column starts at round(743.11).
    EXPECT_EQ(Rects(), (std::vector<TDeviceRect>{{0, 0, 625, 71}, {743, 0, 1368, 71}, {1486, 0, 2111, 71}}));
    for (const auto& t : printer.texts) {
        EXPECT_TRUE(t.clipped);
        EXPECT_EQ(t.x, t.rect.left);
        EXPECT_EQ(t.y, t.rect.top);
        EXPECT_EQ(t.font.height, -67);
    }
    EXPECT_EQ(printer.texts[1].text, "c1r0");
}

TEST_F(GridLayoutTest, EveryStepRoundsHalvesToEvenAndCarriesTheRoundedPosition)
{
    // Width 1: slot 124.36, so the positions are 0, 124, 248 (not 248.72 rounded to 249).
    TTestGrid narrow({1, 1, 1}, 1);
    xprinter.PrintGrid(narrow, false);
    EXPECT_EQ(Rects(), (std::vector<TDeviceRect>{{0, 0, 6, 71}, {124, 0, 130, 71}, {248, 0, 254, 71}}));

    // Widths 2 and 6 scale to exactly 12.5 and 37.5 pixels.
    printer.texts.clear();
    TTestGrid halves({2}, 1);
    xprinter.PrintGrid(halves, false);
    halves.widths = {6};
    xprinter.PrintGrid(halves, false);
    ASSERT_EQ(printer.texts.size(), 2u);
    EXPECT_EQ(printer.texts[0].rect.right, 12);
    EXPECT_EQ(printer.texts[1].rect.right, 38);
}

TEST_F(GridLayoutTest, ZeroWidthColumnShowsNothingButStillMovesOn)
{
    TTestGrid grid({0, 100}, 1);
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(Rects(), (std::vector<TDeviceRect>{{0, 0, 0, 71}, {118, 0, 743, 71}}));
}

TEST_F(GridLayoutTest, WidthsAndGapFollowTheVerticalResolutions)
{
    printer.logPixelsX = 300;
    TTestGrid grid({100, 100}, 1);
    grid.font.screenPixelsPerInch = 120;
    grid.font.height = -16;  // 9.6 points: 10 at the printer
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(printer.fontsSelected.back().height, -83);
    // 600 × (100 / 120 + 5 / 25.4) = 500 + 118.11
    EXPECT_EQ(Rects(), (std::vector<TDeviceRect>{{0, 0, 500, 87}, {618, 0, 1118, 87}}));
}

// The size table's columns: 5099 pixels of cells and gaps at 600 ppi, past the 4489 pixels
// between a 20 mm margin and the right edge of an A4 sheet.
TEST_F(GridLayoutTest, ColumnsPastThePrintableWidthShrinkByOneFactor)
{
    TTestGrid grid({110, 350, 90, 90, 100}, 2);
    xprinter.PrintGrid(grid, false);
    const std::vector<TDeviceRect> unscaled = {
        {0, 0, 688, 71}, {806, 0, 2994, 71}, {3112, 0, 3674, 71}, {3793, 0, 4356, 71}, {4474, 0, 5099, 71}};
    const double factor = (4961.0 - 472) / 5099;
    ASSERT_EQ(printer.fontsSelected.size(), 1u);
    EXPECT_EQ(printer.fontsSelected[0].height, -59) << "67 pixels by the same factor";
    const int lineHeight = 59 + 4;
    ASSERT_EQ(printer.texts.size(), 10u);
    for (size_t i = 0; i < printer.texts.size(); ++i) {
        const TDeviceRect& want = unscaled[i % 5];
        const TDeviceRect& got = printer.texts[i].rect;
        EXPECT_NEAR(got.left, want.left * factor, 0.5) << i;
        EXPECT_NEAR(got.right, want.right * factor, 0.5) << i;
        EXPECT_EQ(got.top, int(i / 5) * lineHeight) << i;
        EXPECT_EQ(got.bottom, int(i / 5 + 1) * lineHeight) << i;
    }
    EXPECT_EQ(printer.texts[4].rect.right, 4961 - 472) << "the last column ends at the printable edge";

    // An unprintable border at the left moves the origin, not the printable edge.
    printer.texts.clear();
    printer.printingOffset = {100, 100};
    printer.horzRes = 4961 - 200;
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(printer.texts[4].rect.right, 4761 - (472 - 100));
}

TEST_F(GridLayoutTest, ColumnsEndingExactlyAtThePrintableEdgeKeepTheirWidths)
{
    printer.horzRes = 472 + 5099;
    TTestGrid grid({110, 350, 90, 90, 100}, 1);
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(printer.fontsSelected.back().height, -67);
    EXPECT_EQ(Rects().back(), (TDeviceRect{4474, 0, 5099, 71}));

    printer.texts.clear();
    printer.horzRes -= 1;
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(Rects().back().right, 5098);
    EXPECT_EQ(printer.fontsSelected.back().height, -67) << "a factor this close to 1 keeps the font";
}

TEST_F(GridLayoutTest, AFontShrunkToNothingStaysOnePixelHigh)
{
    printer.horzRes = 472 + 10;  // ten pixels for a column 100 screen pixels wide
    TTestGrid grid({100}, 1);
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(printer.fontsSelected.back().height, -1);
    EXPECT_EQ(Rects().back(), (TDeviceRect{0, 0, 10, 5}));
}

TEST_F(GridLayoutTest, RowsFillThePageAndTheTitleRowIsPrintedOnce)
{
    printer.vertRes = 6814;  // less 20 mm: 6341.6 usable pixels, room for 89 lines of 71
    TTestGrid grid({50}, 100);
    xprinter.PrintGrid(grid, false);
    ASSERT_EQ(printer.texts.size(), 100u);
    EXPECT_EQ(printer.texts[88].page, 1);
    EXPECT_EQ(printer.texts[88].rect, (TDeviceRect{0, 6248, 312, 6319}));
    EXPECT_EQ(printer.texts[89].page, 2);
    EXPECT_EQ(printer.texts[89].rect, (TDeviceRect{0, 0, 312, 71}));
    EXPECT_EQ(printer.texts[89].text, "c0r89");
    EXPECT_EQ(printer.texts[99].rect.top, 10 * 71);
    EXPECT_EQ(printer.TextsOfPage(1).front(), "c0r0");
    EXPECT_EQ(std::count_if(printer.texts.begin(), printer.texts.end(),
                            [](const auto& t) { return t.text == "c0r0"; }),
              1);
    // The device forgets its origins on a new page; the margins put them back.
    EXPECT_EQ(printer.texts[89].windowOrigin, printer.texts[0].windowOrigin);
    EXPECT_EQ(printer.texts[0].windowOrigin, (TDevicePoint{-472, -472}));
    EXPECT_EQ(printer.documentCalls,
              (std::vector<std::string>{"StartDoc", "StartPage", "EndPage", "StartPage", "EndPage", "EndDoc"}));
}

TEST_F(GridLayoutTest, ALineEndingExactlyOnTheLimitStaysOnThePage)
{
    xprinter.SetTopMargin(0);
    printer.vertRes = 89 * 71;
    TTestGrid grid({50}, 91);
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(printer.TextsOfPage(1).size(), 89u);
    EXPECT_EQ(printer.TextsOfPage(2).size(), 2u);

    printer.texts.clear();
    printer.vertRes = 89 * 71 - 1;
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(printer.TextsOfPage(1).size(), 88u);
}

TEST_F(GridLayoutTest, ALineTallerThanThePageDoesNotLeaveABlankFirstPage)
{
    printer.vertRes = 500;  // 27.6 usable pixels, less than one line
    TTestGrid grid({50}, 3);
    xprinter.PrintGrid(grid, false);
    ASSERT_EQ(printer.texts.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(printer.texts[i].page, i + 1);
        EXPECT_EQ(printer.texts[i].rect.top, 0);
    }
}

TEST_F(GridLayoutTest, TitleRowAloneIsOneLineOnOnePage)
{
    TTestGrid grid({100, 100}, 1);
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(printer.TextsOfPage(1), (std::vector<std::string>{"c0r0", "c1r0"}));
    EXPECT_EQ(printer.documentCalls, (std::vector<std::string>{"StartDoc", "StartPage", "EndPage", "EndDoc"}));
}

TEST_F(GridLayoutTest, OnlyASelectionOfSeveralCellsLimitsTheGridPrintout)
{
    TTestGrid grid({10, 100, 100, 10}, 4);
    grid.rangeSelection = true;
    grid.selection = {1, 2, 2, 3};  // columns 1-2, rows 2-3
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(printer.TextsOfPage(1), (std::vector<std::string>{"c1r2", "c2r2", "c1r3", "c2r3"}));
    EXPECT_EQ(Rects().front(), (TDeviceRect{0, 0, 625, 71}));  // the range starts at the margin

    auto printedCells = [&](bool whole) {
        printer.texts.clear();
        xprinter.PrintGrid(grid, whole);
        return printer.texts.size();
    };
    EXPECT_EQ(printedCells(true), 16u);
    grid.selection = {1, 2, 1, 2};  // a single cell
    EXPECT_EQ(printedCells(false), 16u);
    grid.selection = {2, 0, 2, 1};  // a single column of two rows
    EXPECT_EQ(printedCells(false), 2u);
    grid.selection = {0, 3, 1, 3};  // a single row of two columns
    EXPECT_EQ(printedCells(false), 2u);
    grid.rangeSelection = false;
    grid.selection = {1, 2, 2, 3};
    EXPECT_EQ(printedCells(false), 16u);
}

TEST_F(GridLayoutTest, SelectionReachingPastTheGridPrintsOnlyExistingCells)
{
    TTestGrid grid({10, 10}, 2);
    grid.rangeSelection = true;
    grid.selection = {1, 1, 5, 9};
    xprinter.PrintGrid(grid, false);
    EXPECT_EQ(printer.TextsOfPage(1), (std::vector<std::string>{"c1r1"}));
}

}  // namespace
}  // namespace pk
