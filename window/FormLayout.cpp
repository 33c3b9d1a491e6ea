#include "window/FormLayout.h"

#include <algorithm>
#include <initializer_list>

#include "platform/MulDiv.h"
#include "window/DesignMetrics.h"

namespace pk {

TFormLayout InitialLayout()
{
    TFormLayout l;
    l.panel = {4, 4, 777, 389};
    l.grid = {4, 4, 767, 380};
    l.buttonClose = {437, 396, 80, 24};
    l.buttonEditText = {525, 396, 80, 24};
    l.buttonUpdate = {613, 396, 80, 24};
    l.buttonPrint = {701, 396, 80, 24};
    l.labelPK = {4, 412, 105, 13};
    l.labelPathPackFiles = {116, 412, 85, 13};
    return l;
}

TFormLayout ResizedLayout(TFormLayout l, int w, int h)
{
    l.grid.width = w - 16;
    l.panel.width = w - 8;
    l.grid.height = h - 46;
    l.panel.height = h - 38;
    for (TControlRect* button : {&l.buttonPrint, &l.buttonClose, &l.buttonEditText, &l.buttonUpdate})
        button->top = h - button->height - 4;
    l.buttonPrint.left = w - l.buttonPrint.width - 4;
    l.buttonUpdate.left = l.buttonPrint.left - l.buttonPrint.width - 4;
    l.buttonEditText.left = l.buttonUpdate.left - l.buttonUpdate.width - 4;
    l.buttonClose.left = l.buttonEditText.left - l.buttonEditText.width - 4;
    l.labelPathPackFiles.top = h - l.labelPathPackFiles.height - 12;
    l.labelPK.top = l.labelPathPackFiles.top;
    return l;
}

int ScaleToDpi(int value, int dpi)
{
    return MulDivRounded(value, dpi, kDesignDpi);
}

TFormLayout ScaleLayout(const TFormLayout& layout, int dpi)
{
    TFormLayout scaled = layout;
    for (TControlRect* r : {&scaled.panel, &scaled.grid, &scaled.buttonClose, &scaled.buttonEditText,
                           &scaled.buttonUpdate, &scaled.buttonPrint, &scaled.labelPK, &scaled.labelPathPackFiles})
        *r = {ScaleToDpi(r->left, dpi), ScaleToDpi(r->top, dpi), ScaleToDpi(r->width, dpi), ScaleToDpi(r->height, dpi)};
    return scaled;
}

int PathLabelWidth(int textWidth, const TFormLayout& layout, int dpi)
{
    const int gap = ScaleToDpi(4, dpi);
    int room = layout.buttonClose.left - gap - layout.labelPathPackFiles.left;
    return std::clamp(textWidth, 0, std::max(room, 0));
}

}  // namespace pk
