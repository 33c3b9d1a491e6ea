#include <gtest/gtest.h>

#include "survey/SurveyView.h"
#include "window/SizeTable.h"

namespace pk {
namespace {

TEST(TGridRowTexts, ShowStoredAndNewSizeWithTheChangeMark)
{
    EXPECT_EQ(FormatGridRow("BDE", "BDE.WRP", 5000, 5000), (TGridRowTexts{"BDE", "BDE.WRP", "5000", "5000", " "}));
    EXPECT_EQ(FormatGridRow("S", "P", 5000, 5200)[ColSizeChanged], "X  (200)");
    EXPECT_EQ(FormatGridRow("S", "P", 5000, 4800)[ColSizeChanged], "X  (-200)");
    EXPECT_EQ(FormatGridRow("S", "P", -1, 0)[ColSizeChanged], "X  (1)");
}

TEST(TGridRowTexts, MarkFailedAndUnmeasuredSizes)
{
    TGridRowTexts failed = FormatGridRow("ISubOption1.1", "A.ZIP", 1000, -1);
    EXPECT_EQ(failed[ColPrevSize], "1000");
    EXPECT_EQ(failed[ColNewSize], "(Error)");
    EXPECT_EQ(failed[ColSizeChanged], "X  (-1001)") << "the difference is formed also for a failed measurement";

    TGridRowTexts listed = FormatGridRow("ISubOption1.2", "NONE", -1, kNotMeasured);
    EXPECT_EQ(listed[ColPrevSize], "-1");
    EXPECT_EQ(listed[ColNewSize], "");
    EXPECT_EQ(listed[ColSizeChanged], "NOT UPDATED");

    EXPECT_EQ(FormatGridRow("S", "P", -1, -1)[ColSizeChanged], " ");
}

TEST(TGridRowTexts, DifferencesBeyondThe32BitRangeAreShownWhole)
{
    EXPECT_EQ(FormatGridRow("S", "P", -2147483647 - 1, 2147483646)[ColSizeChanged], "X  (4294967294)");
    EXPECT_EQ(FormatGridRow("S", "P", 2147483646, -1)[ColSizeChanged], "X  (-2147483647)");
}

TEST(TSizeTable, StartsWithTitleRowAndOneEmptyRow)
{
    TSizeTable table;
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.LastDataRow(), 0) << "no data rows yet";
    table.SetTitles();
    EXPECT_EQ(table.Row(0), (TGridRowTexts{"Sub section", "PackFiles", "Prev. Size", "New Size", "Size Changed"}));
    EXPECT_EQ(table.Cell(ColSection, 1), "");
}

TEST(TSizeTable, AppendingFillsTheEmptyLastRowAndKeepsOneBelow)
{
    TSizeTable table;
    table.SetTitles();
    EXPECT_EQ(table.AppendRow(FormatGridRow("BDE", "B.WRP", 1, 2)), 1);
    EXPECT_EQ(table.AppendRow(FormatGridRow("ISubOption1.1", "C.WRP", 3, 3)), 2);
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_EQ(table.LastDataRow(), 2);
    EXPECT_EQ(table.Cell(ColSection, 2), "ISubOption1.1");
    for (int c = 0; c < kGridColumns; ++c)
        EXPECT_EQ(table.Cell(c, 3), "") << "column " << c;
}

TEST(TSizeTable, CutBackLeavesNothingOfTheFormerRows)
{
    TSizeTable table;
    table.SetTitles();
    table.AppendRow(FormatGridRow("BDE", "B.WRP", 1, 2));
    table.AppendRow(FormatGridRow("ISubOption1.1", "C.WRP", 3, 3));
    table.SetCell(ColPackFiles, 3, "typed into the empty row");
    table.CutBack();
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.Cell(ColSection, 0), "Sub section") << "the titles stay";
    for (int c = 0; c < kGridColumns; ++c)
        EXPECT_EQ(table.Cell(c, 1), "") << "column " << c;
    EXPECT_EQ(table.AppendRow(FormatGridRow("U", "D", 1, 1)), 1);
}

TEST(TSizeTable, FirstEditMovesTheNewSizeOnceAndLaterEditsDoNot)
{
    TSizeTable table;
    int row = table.AppendRow(FormatGridRow("BDE", "B.WRP", 1000, 1200));
    table.MarkEdited(row);
    EXPECT_EQ(table.Cell(ColPrevSize, row), "1200");
    EXPECT_EQ(table.Cell(ColNewSize, row), "(changed)");
    table.MarkEdited(row);
    EXPECT_EQ(table.Cell(ColPrevSize, row), "1200") << "a row is moved only once";
    EXPECT_EQ(table.Cell(ColSizeChanged, row), "X  (200)");

    int listed = table.AppendRow(FormatGridRow("U", "P", 7, kNotMeasured));
    table.MarkEdited(listed);
    EXPECT_EQ(table.Cell(ColPrevSize, listed), "") << "the empty New Size moves too";
    EXPECT_EQ(table.Cell(ColNewSize, listed), "(changed)");
}

TEST(TSizeTable, RowsOutsideTheTableAreRefused)
{
    TSizeTable table;
    EXPECT_THROW(table.Cell(0, 2), std::out_of_range);
    EXPECT_THROW(table.SetCell(0, -1, "x"), std::out_of_range);
    EXPECT_THROW(table.MarkEdited(5), std::out_of_range);
    EXPECT_THROW(table.Cell(kGridColumns, 0), std::out_of_range);
}

}  // namespace
}  // namespace pk
