#include <gtest/gtest.h>

#include "printing/PrinterFont.h"

namespace pk {
namespace {

TEST(PrinterFontTest, ScreenFontKeepsItsSizeInWholePointsOnThePrinter)
{
    TGridFont screen;
    screen.face = "Arial";
    screen.height = -11;  // 8.25 points on a 96 ppi screen
    screen.bold = screen.underline = true;
    screen.charSet = 238;
    screen.pitch = 2;
    screen.color = 0x0000FF;
    TPrinterFont printer = TakeOverFont(screen, 600);
    EXPECT_EQ(printer.height, -67);  // 8 points at 600 ppi
    EXPECT_EQ(printer.face, "Arial");
    EXPECT_TRUE(printer.bold);
    EXPECT_FALSE(printer.italic);
    EXPECT_TRUE(printer.underline);
    EXPECT_EQ(printer.charSet, 238);
    EXPECT_EQ(printer.pitch, 2);
    EXPECT_EQ(printer.color, 0x0000FFu);

    screen.height = 11;  // a cell height stays a cell height
    EXPECT_EQ(TakeOverFont(screen, 600).height, 67);
}

TEST(PrinterFontTest, EqualResolutionsKeepTheHeightUnrounded)
{
    TGridFont screen;
    screen.height = -14;  // 10.5 points: a round trip through points would give 15
    screen.screenPixelsPerInch = 96;
    EXPECT_EQ(TakeOverFont(screen, 96).height, -14);
    EXPECT_EQ(TakeOverFont(screen, 600).height, -92);  // 11 points
}

TEST(PrinterFontTest, DefaultFontIsEightPoints)
{
    EXPECT_EQ(DefaultPrinterFont(600).height, -67);
    EXPECT_EQ(DefaultPrinterFont(300).height, -33);
    EXPECT_EQ(DefaultPrinterFont(300).face, "MS Sans Serif");
}

}  // namespace
}  // namespace pk
