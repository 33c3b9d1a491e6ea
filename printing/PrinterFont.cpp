#include "printing/PrinterFont.h"

#include "platform/MulDiv.h"

namespace pk {

TPrinterFont DefaultPrinterFont(int printerPixelsPerInch)
{
    TPrinterFont font;
    font.face = "MS Sans Serif";
    font.height = -MulDivRounded(8, printerPixelsPerInch, 72);
    return font;
}

TPrinterFont TakeOverFont(const TGridFont& font, int printerPixelsPerInch)
{
    TPrinterFont taken;
    taken.face = font.face;
    taken.bold = font.bold;
    taken.italic = font.italic;
    taken.underline = font.underline;
    taken.strikeOut = font.strikeOut;
    taken.charSet = font.charSet;
    taken.pitch = font.pitch;
    taken.color = font.color;
    if (printerPixelsPerInch == font.screenPixelsPerInch) {
        taken.height = font.height;
    } else {
        // Both steps round halves away from zero, so the sign (cell or character height)
        // passes through unchanged.
        int points = MulDivRounded(font.height, 72, font.screenPixelsPerInch);
        taken.height = MulDivRounded(points, printerPixelsPerInch, 72);
    }
    return taken;
}

}  // namespace pk
