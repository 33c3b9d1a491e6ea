#include <windows.h>

#include <commdlg.h>

#include "platform/UserInterface.h"

namespace pk::platform {

namespace {

UINT IconFlag(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Error: return MB_ICONERROR;
    case BoxIcon::Question: return MB_ICONQUESTION;
    case BoxIcon::Information: return MB_ICONINFORMATION;
    default: return 0;
    }
}

UINT ButtonFlag(BoxButtons buttons)
{
    switch (buttons) {
    case BoxButtons::OKCancel: return MB_OKCANCEL;
    case BoxButtons::YesNo: return MB_YESNO;
    case BoxButtons::YesNoCancel: return MB_YESNOCANCEL;
    default: return MB_OK;
    }
}

// Puts the current folder back on every way out: the open dialog moves it to the chosen
// file's folder (OFN_NOCHANGEDIR does not hold for it), and relative paths from the command
// line must go on naming what they named.
class CurrentFolderKept {
public:
    CurrentFolderKept()
    {
        DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
        if (n == 0 || n >= sizeof folder)
            folder[0] = '\0';
    }
    ~CurrentFolderKept()
    {
        if (folder[0])
            SetCurrentDirectoryA(folder);
    }
    CurrentFolderKept(const CurrentFolderKept&) = delete;
    CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;

private:
    char folder[MAX_PATH];
};

// Real modal boxes, the application-wide cursor and the message pump of the Win32 flavour.
class Win32UserInterface : public UserInterface {
public:
    BoxResult ShowMessageBox(const MessageBoxSpec& box) override
    {
        HWND owner = box.ownerless ? nullptr : GetActiveWindow();
        UINT flags = IconFlag(box.icon) | ButtonFlag(box.buttons) | (owner ? MB_APPLMODAL : MB_TASKMODAL);
        // The box shows the arrow whatever the application cursor is.
        HCURSOR previous = ::SetCursor(LoadCursor(nullptr, IDC_ARROW));
        int answer = MessageBoxA(owner, box.text.c_str(), box.title.c_str(), flags);
        ::SetCursor(previous);
        switch (answer) {
        case IDOK: return BoxResult::OK;
        case IDYES: return BoxResult::Yes;
        case IDNO: return BoxResult::No;
        default: return BoxResult::Cancel;
        }
    }

    bool ChooseFile(const FileDialogSpec& dialog, std::string& chosen) override
    {
        std::string filter = dialog.filter;
        for (char& c : filter)
            if (c == '|')
                c = '\0';
        filter.append(2, '\0');
        char file[MAX_PATH] = {};
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = GetActiveWindow();
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.lpstrInitialDir = dialog.initialDirectory.c_str();
        ofn.lpstrTitle = dialog.title.c_str();
        ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
        CurrentFolderKept kept;
        if (!GetOpenFileNameA(&ofn))
            return false;
        chosen = file;
        return true;
    }

    Cursor GetCursor() override { return cursor; }

    void SetCursor(Cursor shape) override
    {
        cursor = shape;
        ::SetCursor(LoadCursor(nullptr, shape == Cursor::HourGlass ? IDC_WAIT : IDC_ARROW));
    }

    void ProcessMessages() override
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

private:
    Cursor cursor = Cursor::Default;
};

}  // namespace

UserInterface& DefaultUserInterface()
{
    static Win32UserInterface sink;
    return sink;
}

}  // namespace pk::platform
