#include "printing/PrinterFont.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace pk {

int MulDivRounded(int a, int b, int c)
{
    if (c == 0)
        return 0;
    int64_t product = int64_t{a} * b;
    int64_t divisor = std::llabs(int64_t{c});
    int64_t magnitude = std::llabs(product) / divisor;
    if (2 * (std::llabs(product) % divisor) >= divisor)
        ++magnitude;
    int64_t result = (product < 0) != (c < 0) ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<int64_t>(result, INT32_MIN, INT32_MAX));
}

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
