#pragma once
// The window's font and sizes as designed for a 96 pixels-per-inch screen, and their scaling
// to the screen's resolution.
namespace pk {

inline constexpr int kDesignDpi = 96;
inline constexpr const char* kWindowFontFace = "MS Sans Serif";
inline constexpr const char* kScalableFontFace = "Microsoft Sans Serif";
inline constexpr int kWindowFontHeight = -11;  // 8 points at 96 pixels per inch
inline constexpr int kRowHeight = 20;
inline constexpr int kDefaultColumnWidth = 150;

// A size designed at 96 pixels per inch, at the given resolution (MulDiv's rounding).
int ScaleToDpi(int value, int dpi);

}  // namespace pk
