#include "window/PrintedTable.h"

#include "platform/MulDiv.h"
#include "window/DesignMetrics.h"

namespace pk {

TPrintedTable::TPrintedTable(const TSizeTable& table, const std::vector<int>& screenColumnWidths, int screenDpi)
    : table(table)
{
    for (int width : screenColumnWidths)
        widths.push_back(MulDivRounded(width, kDesignDpi, screenDpi));
    widths.resize(kGridColumns);
}

TGridFont TPrintedTable::Font() const
{
    TGridFont font;
    font.face = kWindowFontFace;
    font.height = kWindowFontHeight;
    font.charSet = 1;  // DEFAULT_CHARSET
    font.pitch = 0;    // DEFAULT_PITCH
    font.color = 0;    // black: a white-on-black screen would print white on white
    font.screenPixelsPerInch = kDesignDpi;
    return font;
}

}  // namespace pk
