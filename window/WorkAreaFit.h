#pragma once
// Where the window stands on its screen: wholly inside the monitor's work area, which wins
// over the window's designed size when the screen is too small for it.
#include "window/FormLayout.h"

namespace pk {

// A window of that outer size, no larger than the work area, in the middle of it.
TControlRect CentredInWorkArea(int width, int height, const TControlRect& work);
// The rectangle shrunk to the work area where it is larger, then moved in by the least distance.
TControlRect MovedIntoWorkArea(TControlRect rect, const TControlRect& work);

}  // namespace pk
