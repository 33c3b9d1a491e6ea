#include <gtest/gtest.h>

#include "window/DesignMetrics.h"
#include "window/FormLayout.h"

namespace pk {
namespace {

TEST(TFormLayout, ResizingTightensTheCreationPlaces)
{
    // The creation places leave the buttons 9 pixels above the bottom; any resize, even back
    // to the creation size, puts them 4 pixels above it, so the window resizes only on a
    // real change of size.
    TFormLayout l = ResizedLayout(InitialLayout(), kClientWidth, kClientHeight);
    EXPECT_EQ(InitialLayout().buttonClose.top, 396);
    EXPECT_EQ(l.buttonClose.top, 401);
    EXPECT_EQ(l.buttonClose.left, 449) << "and 4 pixels apart instead of 8";
    EXPECT_EQ(l.grid, (TControlRect{4, 4, 769, 383}));
    EXPECT_EQ(l.panel, (TControlRect{4, 4, 777, 391}));
    EXPECT_EQ(l.labelPK.top, 404);
}

TEST(TFormLayout, ButtonsLineUpAtTheBottomRight)
{
    TFormLayout l = ResizedLayout(InitialLayout(), 1000, 600);
    EXPECT_EQ(l.buttonPrint, (TControlRect{916, 572, 80, 24}));
    EXPECT_EQ(l.buttonUpdate, (TControlRect{832, 572, 80, 24}));
    EXPECT_EQ(l.buttonEditText, (TControlRect{748, 572, 80, 24}));
    EXPECT_EQ(l.buttonClose, (TControlRect{664, 572, 80, 24}));
    EXPECT_EQ(l.panel, (TControlRect{4, 4, 992, 562}));
    EXPECT_EQ(l.grid, (TControlRect{4, 4, 984, 554}));
    EXPECT_EQ(l.labelPathPackFiles, (TControlRect{116, 575, 85, 13}));
    EXPECT_EQ(l.labelPK, (TControlRect{4, 575, 105, 13}));
}

TEST(TFormLayout, SmallestWindowKeepsButtonsInsideAndGridAboveThem)
{
    // The client area of a 685 x 340 window with the frame of the creation size.
    const int w = kMinOuterWidth - (kOuterWidth - kClientWidth);
    const int h = kMinOuterHeight - (kOuterHeight - kClientHeight);
    TFormLayout l = ResizedLayout(InitialLayout(), w, h);
    EXPECT_EQ(l.buttonClose.left, w - 4 * 84);
    EXPECT_GE(l.buttonClose.left, l.labelPathPackFiles.left + l.labelPathPackFiles.width);
    EXPECT_EQ(l.buttonPrint.left + l.buttonPrint.width, w - 4);
    EXPECT_EQ(l.buttonPrint.top + l.buttonPrint.height, h - 4);
    EXPECT_LT(l.panel.top + l.panel.height, l.buttonClose.top);
    EXPECT_EQ(l.panel.top + l.grid.top + l.grid.height, l.panel.top + l.panel.height - 4);
}

TEST(TFormLayout, EachButtonStandsLeftOfItsRightNeighbourByThatNeighboursWidth)
{
    TFormLayout l = InitialLayout();
    l.buttonPrint.width = 100;
    l.buttonUpdate.width = 60;
    l = ResizedLayout(l, 800, 400);
    EXPECT_EQ(l.buttonPrint.left, 696);
    EXPECT_EQ(l.buttonUpdate.left, 696 - 100 - 4);
    EXPECT_EQ(l.buttonEditText.left, 592 - 60 - 4);
}

}  // namespace
}  // namespace pk

namespace pk {
namespace {

TEST(FormLayoutAtDpi, EveryPlaceAndSizeScalesByTheResolution)
{
    EXPECT_EQ(ScaleLayout(InitialLayout(), 96), InitialLayout());
    TFormLayout large = ScaleLayout(InitialLayout(), 144);
    EXPECT_EQ(large.panel, (TControlRect{6, 6, 1166, 584})) << "halves round away from zero, as MulDiv";
    EXPECT_EQ(large.labelPK, (TControlRect{6, 618, 158, 20}));
    EXPECT_EQ(large.buttonPrint, (TControlRect{1052, 594, 120, 36}));
    TFormLayout doubled = ScaleLayout(InitialLayout(), 192);
    EXPECT_EQ(doubled.grid, (TControlRect{8, 8, 1534, 760}));
    EXPECT_EQ(ScaleToDpi(1, 120), 1);
    EXPECT_EQ(ScaleToDpi(2, 120), 3);
}

TEST(FormLayoutAtDpi, ThePathLabelStopsShortOfTheCloseButton)
{
    TFormLayout layout = InitialLayout();
    EXPECT_EQ(PathLabelWidth(85, layout, 96), 85);
    EXPECT_EQ(PathLabelWidth(5000, layout, 96), 437 - 4 - 116);
    TFormLayout smallest = ResizedLayout(layout, 677, 306);
    EXPECT_EQ(PathLabelWidth(5000, smallest, 96), smallest.buttonClose.left - 4 - 116);
    TFormLayout large = ScaleLayout(layout, 192);
    EXPECT_EQ(PathLabelWidth(5000, large, 192), 874 - 8 - 232);
    layout.buttonClose.left = 100;  // a window narrower than the label's start
    EXPECT_EQ(PathLabelWidth(85, layout, 96), 0);
}

}  // namespace
}  // namespace pk
