#include "window/CellEditor.h"

#include <commctrl.h>

#include <vector>

#include "window/Subclass.h"

namespace pk {

void TCellEditor::Attach(HWND list, HFONT font, TEditTextHandler editTextHandler, CancelHandler cancelHandler)
{
    listView = list;
    onEditText = std::move(editTextHandler);
    onCancel = std::move(cancelHandler);
    edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, listView, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    SetFont(font);
    TSubclass<TCellEditor, &TCellEditor::OnListViewMessage>::Hook(listView, this);
    TSubclass<TCellEditor, &TCellEditor::OnEditMessage>::Hook(edit, this);
}

void TCellEditor::SetFont(HFONT font)
{
    End();  // its place no longer matches the cell
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void TCellEditor::Begin(int cellColumn, int cellRow, const std::string& text)
{
    End();
    int item = cellRow - 1;
    SendMessageA(listView, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
    RECT cell = {};
    cell.top = cellColumn;
    cell.left = LVIR_BOUNDS;
    if (!SendMessageA(listView, LVM_GETSUBITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell)))
        return;
    column = cellColumn;
    row = cellRow;
    original = text;
    loading = true;
    SetWindowTextA(edit, text.c_str());
    loading = false;
    // Inside the grid lines of the cell.
    SetWindowPos(edit, HWND_TOP, cell.left + 2, cell.top + 1, cell.right - cell.left - 3, cell.bottom - cell.top - 2,
                 SWP_SHOWWINDOW);
    active = true;
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

bool TCellEditor::Close()
{
    if (!active)
        return false;
    active = false;
    if (GetFocus() == edit)
        SetFocus(listView);
    ShowWindow(edit, SW_HIDE);
    return true;
}

void TCellEditor::End()
{
    // Once more on closing; an editor left as it was opened changes nothing.
    if (Close() && Text() != original)
        Notify();
}

void TCellEditor::Cancel()
{
    if (Close())
        onCancel();
}

std::string TCellEditor::Text() const
{
    int length = GetWindowTextLengthA(edit);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int read = GetWindowTextA(edit, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(read));
}

void TCellEditor::Notify()
{
    onEditText(column, row, Text());
}

LRESULT TCellEditor::OnEditMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter and Escape end the edit instead of pressing the window's Close button.
        const MSG* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending && pending->message == WM_KEYDOWN && (pending->wParam == VK_RETURN || pending->wParam == VK_ESCAPE))
            return DLGC_WANTALLKEYS;
        break;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            Cancel();
            return 0;
        }
        if (wParam == VK_RETURN) {
            End();
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r' || wParam == 0x1B)
            return 0;  // already handled as keys; a single-line edit would beep
        break;
    case WM_KILLFOCUS: {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        End();
        return result;
    }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT TCellEditor::OnListViewMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == edit && HIWORD(wParam) == EN_CHANGE && active && !loading)
            Notify();
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
    case WM_SIZE:
        // The editor does not travel with the cells.
        End();
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace pk
