#include "window/WorkAreaFit.h"

#include <algorithm>

namespace pk {

namespace {

// One axis: an extent at most the room's, its start within the room.
void FitSpan(int& start, int& extent, int roomStart, int roomExtent)
{
    extent = std::min(extent, roomExtent);
    start = std::clamp(start, roomStart, roomStart + roomExtent - extent);
}

}  // namespace

TControlRect CentredInWorkArea(int width, int height, const TControlRect& work)
{
    width = std::min(width, work.width);
    height = std::min(height, work.height);
    return {work.left + (work.width - width) / 2, work.top + (work.height - height) / 2, width, height};
}

TControlRect MovedIntoWorkArea(TControlRect rect, const TControlRect& work)
{
    FitSpan(rect.left, rect.width, work.left, work.width);
    FitSpan(rect.top, rect.height, work.top, work.height);
    return rect;
}

}  // namespace pk
