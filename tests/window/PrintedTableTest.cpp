#include <gtest/gtest.h>

#include "window/PrintedTable.h"

namespace pk {
namespace {

TEST(PrintedTable, IsTheSameAtAnyScreenResolutionAndBlackOnWhite)
{
    TSizeTable table;
    table.SetTitles();
    table.AppendRow({"BDE", "BDE.WRP", "100", "1234", "X  (1134)"});
    const std::vector<int> designWidths = {110, 350, 90, 90, 100};
    for (int dpi : {96, 120, 144, 192}) {
        std::vector<int> onScreen;
        for (int width : kColumnWidths)
            onScreen.push_back(width * dpi / 96);
        TPrintedTable printed(table, onScreen, dpi);
        ASSERT_EQ(printed.ColumnCount(), 5);
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(printed.ColumnWidth(column), designWidths[static_cast<size_t>(column)]) << dpi;
        TGridFont font = printed.Font();
        EXPECT_EQ(font.height, -11) << dpi;
        EXPECT_EQ(font.screenPixelsPerInch, 96) << dpi;
        EXPECT_EQ(font.color, 0u) << "black, whatever the screen's colours";
        EXPECT_EQ(font.face, "MS Sans Serif");
    }
}

TEST(PrintedTable, KeepsTheTableAsItWasWhenPrintWasPressed)
{
    TSizeTable table;
    table.SetTitles();
    table.AppendRow({"BDE", "BDE.WRP", "100", "1234", "X  (1134)"});
    TPrintedTable printed(table, {110, 350, 90, 90, 100}, 96);
    table.CutBack();
    EXPECT_EQ(printed.RowCount(), 3);
    EXPECT_EQ(printed.Cell(ColPackFiles, 1), "BDE.WRP");
    EXPECT_EQ(printed.Cell(ColSizeChanged, 0), "Size Changed");
    EXPECT_FALSE(printed.AllowsRangeSelection());
}

}  // namespace
}  // namespace pk
