#pragma once
// Where the controls of the size table window stand: their places at creation and how they
// follow the client area when the window is resized.
namespace pk {

struct TControlRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TControlRect&) const = default;
};

// Positions in the window's client area; the grid's within the panel.
struct TFormLayout {
    TControlRect panel, grid;
    TControlRect buttonClose, buttonEditText, buttonUpdate, buttonPrint;
    TControlRect labelPK, labelPathPackFiles;
    bool operator==(const TFormLayout&) const = default;
};

inline constexpr int kClientWidth = 785, kClientHeight = 429;
inline constexpr int kOuterWidth = 793, kOuterHeight = 463;
inline constexpr int kMinOuterWidth = 685, kMinOuterHeight = 340;

TFormLayout InitialLayout();
// Lays the controls out for a client area of the given size; sizes other than the grid's
// and panel's stay as they are.
TFormLayout ResizedLayout(TFormLayout layout, int clientWidth, int clientHeight);

// A layout designed at 96 pixels per inch, at the screen's resolution.
TFormLayout ScaleLayout(const TFormLayout& layout, int dpi);
// The PACKFILES label is as wide as its text, but stops short of the Close button; a longer
// path is shortened with an ellipsis. Both layouts at the screen's resolution.
int PathLabelWidth(int textWidth, const TFormLayout& layout, int dpi);

}  // namespace pk
