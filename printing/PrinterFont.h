#pragma once
// The font of the printer's canvas, and how it takes over a font shown on screen.
#include <cstdint>
#include <string>

#include "printing/PrintSource.h"

namespace pk {

struct TPrinterFont {
    std::string face;
    int height = 0;              // device pixels; negative: character height
    bool bold = false, italic = false, underline = false, strikeOut = false;
    uint8_t charSet = 1;         // DEFAULT_CHARSET
    uint8_t pitch = 0;           // DEFAULT_PITCH
    uint32_t color = 0;          // COLORREF

    bool operator==(const TPrinterFont&) const = default;
};

// The canvas font before any other is given: 8 points of "MS Sans Serif" at the device's
// vertical resolution.
TPrinterFont DefaultPrinterFont(int printerPixelsPerInch);

// The screen font on a device of the given vertical resolution. Face, style, character set,
// pitch and colour are kept; where the resolutions differ the size in whole points is kept.
TPrinterFont TakeOverFont(const TGridFont& font, int printerPixelsPerInch);

}  // namespace pk
