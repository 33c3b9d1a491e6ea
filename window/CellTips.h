#pragma once
// The full text of a table cell that its column cuts off, shown below the cell while the
// mouse rests on it (Win32).
#include <windows.h>

#include <functional>
#include <string>

namespace pk {

class TCellTips {
public:
    // column, row (table rows: the title row is 0)
    using CellText = std::function<std::string(int column, int row)>;

    // The font the list view shows its cells in, at the screen's resolution. A cell's note,
    // when it has one, is its tip whatever its width.
    void Attach(HWND listView, HFONT font, int dpi, CellText cellText, CellText cellNote);
    void SetFont(HFONT font, int dpi);

private:
    LRESULT OnListViewMessage(HWND listView, UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(POINT where);
    void Show(int item, int column);
    void Hide();
    bool CutOff(const std::string& text, const RECT& cell) const;

    HWND listView = nullptr;
    HWND tips = nullptr;
    HFONT font = nullptr;
    int dpi = 96;
    CellText cellText;
    CellText cellNote;
    int shownItem = -1, shownColumn = -1;
    bool trackingLeave = false;
};

}  // namespace pk
