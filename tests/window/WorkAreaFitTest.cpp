#include <gtest/gtest.h>

#include "window/WorkAreaFit.h"

namespace pk {
namespace {

const TControlRect kSmallScreen = {0, 0, 1024, 768};
const TControlRect kBelowTaskbar = {0, 40, 1280, 680};  // a taskbar along the top
const TControlRect kRightMonitor = {1920, 0, 1280, 1024};

TEST(WorkAreaFit, TheWindowIsCentredInTheWorkAreaAndNoLargerThanIt)
{
    struct {
        int width, height;
        TControlRect work, want;
    } cases[] = {
        {793, 463, {0, 0, 2560, 1600}, {883, 568, 793, 463}},  // odd leftovers round down, as before
        {793, 463, kSmallScreen, {115, 152, 793, 463}},
        {1190, 690, kSmallScreen, {0, 39, 1024, 690}},  // 144 dpi: only the width is cut
        {1586, 916, kSmallScreen, {0, 0, 1024, 768}},   // 192 dpi: both
        {793, 463, kBelowTaskbar, {243, 148, 793, 463}},
        {1190, 690, kBelowTaskbar, {45, 40, 1190, 680}},
        {793, 463, kRightMonitor, {2163, 280, 793, 463}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentredInWorkArea(c.width, c.height, c.work), c.want) << c.width << " x " << c.height;
}

TEST(WorkAreaFit, ASuggestedRectangleIsMovedInByTheLeastDistance)
{
    struct {
        TControlRect suggested, work, want;
    } cases[] = {
        {{100, 50, 793, 463}, kSmallScreen, {100, 50, 793, 463}},      // inside: as suggested
        {{-82, 62, 1190, 690}, kSmallScreen, {0, 62, 1024, 690}},      // wider than the screen
        {{400, 300, 793, 463}, kSmallScreen, {231, 300, 793, 463}},    // past the right edge only
        {{-50, -20, 793, 463}, kSmallScreen, {0, 0, 793, 463}},        // past the left and top edges
        {{300, 500, 793, 463}, kSmallScreen, {231, 305, 793, 463}},    // past the right and bottom
        {{50, 10, 793, 463}, kBelowTaskbar, {50, 40, 793, 463}},       // under the taskbar
        {{1000, 900, 2000, 2000}, kBelowTaskbar, {0, 40, 1280, 680}},  // larger than the area
        {{1800, 100, 793, 463}, kRightMonitor, {1920, 100, 793, 463}}, // across the monitors' seam
        {{3000, 100, 793, 463}, kRightMonitor, {2407, 100, 793, 463}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MovedIntoWorkArea(c.suggested, c.work), c.want)
            << c.suggested.left << "," << c.suggested.top << " " << c.suggested.width << " x " << c.suggested.height;
}

}  // namespace
}  // namespace pk
