#pragma once
// The size table as the printout reads it, taken when Print is pressed. The spooler lets
// window messages through, and an update pass started meanwhile must not change the table
// under the printout.
#include <vector>

#include "printing/PrintSource.h"
#include "window/SizeTable.h"

namespace pk {

class TPrintedTable : public TPrintableGrid {
public:
    // Column widths as the screen shows them at screenDpi. The printout is the same at any
    // screen resolution: widths and font are given as at 96 pixels per inch, and the text is
    // black, whatever colours the screen uses.
    TPrintedTable(const TSizeTable& table, const std::vector<int>& screenColumnWidths, int screenDpi);

    int ColumnCount() const override { return kGridColumns; }
    int RowCount() const override { return table.RowCount(); }
    int ColumnWidth(int column) const override { return widths.at(static_cast<size_t>(column)); }
    std::string Cell(int column, int row) const override { return table.Cell(column, row); }
    TGridFont Font() const override;
    bool AllowsRangeSelection() const override { return false; }
    TGridSelection Selection() const override { return {0, 1, 0, 1}; }

private:
    TSizeTable table;
    std::vector<int> widths;
};

}  // namespace pk
