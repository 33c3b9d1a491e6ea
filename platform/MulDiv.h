#pragma once
// The scaling arithmetic of screen and printer resolutions.

namespace pk {

// a × b / c rounded to the nearest whole number, halves away from zero; 0 when c is 0.
int MulDivRounded(int a, int b, int c);

}  // namespace pk
