#pragma once
// The in-place editor of the size table (Win32): an edit control laid over one cell of the
// list view. It hands its text to the table on every change and once more when it closes
// with a changed text; Escape cancels the edit.
#include <windows.h>

#include <functional>
#include <string>

namespace pk {

class TCellEditor {
public:
    // column, row (table rows: the title row is 0), text
    using TEditTextHandler = std::function<void(int column, int row, const std::string& text)>;
    using CancelHandler = std::function<void()>;

    void Attach(HWND listView, HFONT font, TEditTextHandler onEditText, CancelHandler onCancel);
    void SetFont(HFONT font);
    void Begin(int column, int row, const std::string& text);
    // Closes the editor, keeping what was typed.
    void End();
    HWND Handle() const { return edit; }

private:
    LRESULT OnListViewMessage(HWND listView, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnEditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    std::string Text() const;
    void Notify();
    // Hides the editor; true when it was open.
    bool Close();
    void Cancel();

    HWND listView = nullptr;
    HWND edit = nullptr;
    TEditTextHandler onEditText;
    CancelHandler onCancel;
    int column = 0, row = 0;
    std::string original;
    bool active = false;
    bool loading = false;
};

}  // namespace pk
