#include "window/CellTips.h"

#include <commctrl.h>

#include "window/DesignMetrics.h"
#include "window/Subclass.h"
#include "window/TextWidth.h"

namespace pk {

namespace {

constexpr int kCellTextPadding = 6;  // the list view's margin on each side of a cell's text

TTTOOLINFOA Tool(HWND listView)
{
    TTTOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = listView;
    tool.uId = reinterpret_cast<UINT_PTR>(listView);
    return tool;
}

}  // namespace

void TCellTips::Attach(HWND list, HFONT cellFont, int cellDpi, CellText text, CellText note)
{
    listView = list;
    cellText = std::move(text);
    cellNote = std::move(note);
    tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, listView, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    TTTOOLINFOA tool = Tool(listView);
    tool.lpszText = const_cast<char*>("");
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, 32767);  // so that a note's line ends break it
    SetFont(cellFont, cellDpi);
    TSubclass<TCellTips, &TCellTips::OnListViewMessage>::Hook(listView, this);
}

void TCellTips::SetFont(HFONT cellFont, int cellDpi)
{
    Hide();
    font = cellFont;
    dpi = cellDpi;
    SendMessageA(tips, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

bool TCellTips::CutOff(const std::string& text, const RECT& cell) const
{
    return TextWidth(listView, font, text) + 2 * ScaleToDpi(kCellTextPadding, dpi) > cell.right - cell.left;
}

void TCellTips::OnMouseMove(POINT where)
{
    if (!trackingLeave) {
        TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, listView, 0};
        trackingLeave = TrackMouseEvent(&leave);
    }
    LVHITTESTINFO hit = {};
    hit.pt = where;
    if (SendMessageA(listView, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 || hit.iItem < 0) {
        Hide();
        return;
    }
    if (hit.iItem != shownItem || hit.iSubItem != shownColumn)
        Show(hit.iItem, hit.iSubItem);
}

void TCellTips::Show(int item, int column)
{
    Hide();
    RECT cell = {};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    if (!SendMessageA(listView, LVM_GETSUBITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell)))
        return;
    if (column == 0)  // the bounds of column 0 are those of the whole row
        cell.right = cell.left + static_cast<int>(SendMessageA(listView, LVM_GETCOLUMNWIDTH, 0, 0));
    const std::string note = cellNote(column, item + 1);
    std::string text = note.empty() ? cellText(column, item + 1) : note;
    shownItem = item;
    shownColumn = column;
    if (note.empty() && !CutOff(text, cell))
        return;
    TTTOOLINFOA tool = Tool(listView);
    tool.lpszText = text.data();
    SendMessageA(tips, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    POINT below = {cell.left, cell.bottom};
    ClientToScreen(listView, &below);
    SendMessageA(tips, TTM_TRACKPOSITION, 0, MAKELPARAM(below.x, below.y));
    SendMessageA(tips, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void TCellTips::Hide()
{
    shownItem = shownColumn = -1;
    if (!tips)
        return;
    TTTOOLINFOA tool = Tool(listView);
    SendMessageA(tips, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

LRESULT TCellTips::OnListViewMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        break;
    case WM_MOUSELEAVE:
        trackingLeave = false;
        Hide();
        break;
    case WM_LBUTTONDOWN:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
        Hide();
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace pk
