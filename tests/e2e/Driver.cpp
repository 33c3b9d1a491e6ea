#include "tests/e2e/Driver.h"

#include <commctrl.h>

#include <exception>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace pk::e2e {

namespace {

// Memory in the driven process: list view messages only take pointers into it.
class TRemoteBuffer {
public:
    TRemoteBuffer(HANDLE process, size_t size) : process(process), size(size)
    {
        // The list view reads its structures in its own process's layout, whose pointers are as
        // wide as the driver's only when both are built by the same flavour.
        BOOL targetIsWow64 = FALSE, driverIsWow64 = FALSE;
        if (IsWow64Process(process, &targetIsWow64) && IsWow64Process(GetCurrentProcess(), &driverIsWow64) &&
            targetIsWow64 != driverIsWow64)
            throw std::runtime_error("the driven program and the driver differ in pointer width");
        address = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!address)
            throw std::runtime_error("VirtualAllocEx failed");
    }
    ~TRemoteBuffer() { VirtualFreeEx(process, address, 0, MEM_RELEASE); }
    TRemoteBuffer(const TRemoteBuffer&) = delete;
    TRemoteBuffer& operator=(const TRemoteBuffer&) = delete;

    char* At(size_t offset) const { return static_cast<char*>(address) + offset; }
    void Write(size_t offset, const void* data, size_t length) const
    {
        if (!WriteProcessMemory(process, At(offset), data, length, nullptr))
            throw std::runtime_error("WriteProcessMemory failed");
    }
    void Read(size_t offset, void* data, size_t length) const
    {
        if (!ReadProcessMemory(process, At(offset), data, length, nullptr))
            throw std::runtime_error("ReadProcessMemory failed");
    }
    std::string ReadText(size_t offset, size_t capacity) const
    {
        std::string text(capacity, '\0');
        Read(offset, text.data(), capacity);
        return text.substr(0, text.find('\0'));
    }

private:
    HANDLE process;
    size_t size;
    void* address = nullptr;
};

constexpr size_t kTextOffset = 256, kTextCapacity = 1024;

// Places and sizes as the screen shows them, also of a program that scales its own window:
// Wine scales them for programs unaware of the screen's resolution.
[[maybe_unused]] const BOOL dpiAware = SetProcessDPIAware();

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

TDrivenProgram::TDrivenProgram(const std::string& exe, const std::string& arguments, const std::string& desktop)
{
    std::string folder = exe.substr(0, exe.find_last_of('\\'));
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::string desktopName = desktop;  // the system takes it as a writable string
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop.empty() ? nullptr : desktopName.data();
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        throw std::runtime_error("cannot start " + exe);
}

TDrivenProgram::~TDrivenProgram()
{
    if (Running()) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 10000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool TDrivenProgram::Running() const
{
    return WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> TDrivenProgram::TopLevelWindows(const std::string& windowClass) const
{
    return TopLevelWindowsOf(windowClass, true);
}

std::vector<HWND> TDrivenProgram::TopLevelWindowsOf(const std::string& windowClass, bool visibleOnly) const
{
    std::vector<HWND> all, found;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    for (HWND window : all) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == process.dwProcessId && (!visibleOnly || IsWindowVisible(window)) &&
            (windowClass.empty() || ClassOf(window) == windowClass))
            found.push_back(window);
    }
    return found;
}

HWND TDrivenProgram::WaitForWindow(const std::string& windowClass, std::chrono::milliseconds timeout) const
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            std::vector<HWND> windows = TopLevelWindows(windowClass);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeout);
    return found;
}

TBox TDrivenProgram::WaitForBox(std::chrono::milliseconds timeout) const
{
    TBox box;
    box.handle = WaitForWindow("#32770", timeout);
    if (!box.handle)
        return box;
    // The box fills its controls while it opens.
    std::this_thread::sleep_for(200ms);
    box.title = TextOf(box.handle);
    for (HWND child : Children(box.handle)) {
        if (!IsWindowVisible(child))
            continue;
        std::string cls = ClassOf(child);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (cls == "Static" && (style & SS_TYPEMASK) == SS_ICON)
            box.hasIcon = box.hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
        else if (cls == "Static" && !TextOf(child).empty())
            box.text = TextOf(child);
        else if (cls == "Button")
            box.buttons.push_back(TextOf(child));
    }
    return box;
}

void TDrivenProgram::Answer(const TBox& box, const std::string& button) const
{
    HWND target = FindChild(box.handle, "Button", button);
    if (!target)
        throw std::runtime_error("the box has no button " + button);
    Click(target);
    WaitUntil([&] { return !IsWindow(box.handle) || !IsWindowVisible(box.handle); }, 10s);
}

int TDrivenProgram::WaitForExit(std::chrono::milliseconds timeout) const
{
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}

TTable TDrivenProgram::ReadTable(HWND listView) const
{
    TRemoteBuffer remote(process.hProcess, kTextOffset + kTextCapacity);
    HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
    int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    int items = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    TTable table(static_cast<size_t>(items) + 1, std::vector<std::string>(static_cast<size_t>(columns)));
    for (int c = 0; c < columns; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = remote.At(kTextOffset);
        column.cchTextMax = kTextCapacity;
        remote.Write(0, &column, sizeof column);
        SendMessageA(listView, LVM_GETCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(remote.At(0)));
        table[0][static_cast<size_t>(c)] = remote.ReadText(kTextOffset, kTextCapacity);
    }
    for (int i = 0; i < items; ++i) {
        for (int c = 0; c < columns; ++c) {
            LVITEMA item = {};
            item.iSubItem = c;
            item.pszText = remote.At(kTextOffset);
            item.cchTextMax = kTextCapacity;
            remote.Write(0, &item, sizeof item);
            SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote.At(0)));
            table[static_cast<size_t>(i) + 1][static_cast<size_t>(c)] = remote.ReadText(kTextOffset, kTextCapacity);
        }
    }
    return table;
}

std::vector<int> TDrivenProgram::ColumnWidths(HWND listView) const
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
    int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    std::vector<int> widths;
    for (int c = 0; c < columns; ++c)
        widths.push_back(static_cast<int>(SendMessageA(listView, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0)));
    return widths;
}

LRESULT TDrivenProgram::SendDpiChanged(HWND window, int dpi, const RECT& suggested) const
{
    // The system hands the suggested rectangle over in the window's own process.
    TRemoteBuffer remote(process.hProcess, sizeof suggested);
    remote.Write(0, &suggested, sizeof suggested);
    return SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote.At(0)));
}

std::vector<std::pair<HWND, std::string>> TDrivenProgram::ToolsOf(HWND tips) const
{
    // The ANSI messages copy 80 characters at most; the wide one copies up to the tooltip's
    // own limit of 1024.
    constexpr size_t kWideCapacity = 1024 * sizeof(WCHAR);
    std::vector<std::pair<HWND, std::string>> tools;
    TRemoteBuffer remote(process.hProcess, kTextOffset + kWideCapacity);
    int count = static_cast<int>(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        remote.Write(0, &tool, sizeof tool);
        SendMessageW(tips, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote.At(0)));
        remote.Read(0, &tool, sizeof tool);
        tool.lpszText = reinterpret_cast<LPWSTR>(remote.At(kTextOffset));
        remote.Write(0, &tool, sizeof tool);
        remote.Write(kTextOffset, L"", sizeof(WCHAR));
        SendMessageW(tips, TTM_GETTEXTW, kWideCapacity / sizeof(WCHAR), reinterpret_cast<LPARAM>(remote.At(0)));
        std::wstring wide(kWideCapacity / sizeof(WCHAR), L'\0');
        remote.Read(kTextOffset, wide.data(), kWideCapacity);
        wide.resize(wide.find(L'\0'));
        std::string text(wide.size() * 2 + 1, '\0');
        int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.data(), static_cast<int>(text.size()),
                                         nullptr, nullptr);
        text.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
        tools.emplace_back(reinterpret_cast<HWND>(tool.uId), text);
    }
    return tools;
}

std::vector<std::pair<HWND, std::string>> TDrivenProgram::Hints() const
{
    std::vector<std::pair<HWND, std::string>> hints;
    for (HWND tips : TopLevelWindowsOf(TOOLTIPS_CLASSA, false))
        for (auto& tool : ToolsOf(tips))
            hints.push_back(std::move(tool));
    return hints;
}

std::string TDrivenProgram::ShownTip(HWND control) const
{
    for (HWND tips : TopLevelWindowsOf(TOOLTIPS_CLASSA, true))
        for (const auto& [owner, text] : ToolsOf(tips))
            if (owner == control)
                return text;
    return "";
}

std::vector<HWND> TDrivenProgram::TaskbarWindows() const
{
    // The shell's rule: shown, and either marked for the taskbar or neither owned nor a tool window.
    std::vector<HWND> listed;
    for (HWND window : TopLevelWindowsOf("", true)) {
        LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
        if ((exStyle & WS_EX_APPWINDOW) || (!GetWindow(window, GW_OWNER) && !(exStyle & WS_EX_TOOLWINDOW)))
            listed.push_back(window);
    }
    return listed;
}

RECT TDrivenProgram::CellRect(HWND listView, int item, int column) const
{
    TRemoteBuffer remote(process.hProcess, sizeof(RECT));
    RECT cell = {};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    remote.Write(0, &cell, sizeof cell);
    SendMessageA(listView, LVM_GETSUBITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(remote.At(0)));
    remote.Read(0, &cell, sizeof cell);
    return cell;
}

void DriveOnScreenOfSize(SIZE screen, const std::function<void(const std::string& desktop)>& drive)
{
    // Wine gives a desktop the screen size that its registry entry names.
    const std::string size = std::to_string(screen.cx) + "x" + std::to_string(screen.cy);
    const std::string name = "Paktally" + size;
    HKEY sizes = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &sizes, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot register the desktop's size");
    RegSetValueExA(sizes, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(size.c_str()),
                   static_cast<DWORD>(size.size() + 1));
    HDESK desktop = CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (!desktop)
        throw std::runtime_error("cannot create the desktop " + name);
    // A thread that has used windows keeps its desktop: the driving gets a new one.
    std::exception_ptr failure;
    std::thread driver([&] {
        try {
            if (!SetThreadDesktop(desktop))
                throw std::runtime_error("cannot switch to the desktop " + name);
            drive(name);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    driver.join();
    CloseDesktop(desktop);
    RegDeleteValueA(sizes, name.c_str());
    RegCloseKey(sizes);
    // Its screen lies over the display's until the desktop ends, with the keyboard's focus.
    bool ended = WaitUntil([&] {
        HDESK left = OpenDesktopA(name.c_str(), 0, FALSE, DESKTOP_READOBJECTS);
        if (left)
            CloseDesktop(left);
        return !left;
    }, 20s);
    if (!ended && !failure)
        failure = std::make_exception_ptr(std::runtime_error("the desktop " + name + " did not end"));
    if (failure)
        std::rethrow_exception(failure);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

std::string ClassOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[4096] = {};
    DWORD_PTR length = 0;
    // Across processes the text is copied by the system.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &length);
    return std::string(text, length);
}

HWND FindChild(HWND parent, const std::string& windowClass, const std::string& caption)
{
    for (HWND child : Children(parent))
        if (IsWindowVisible(child) && ClassOf(child) == windowClass && TextOf(child) == caption)
            return child;
    return nullptr;
}

HWND FindChildOfClass(HWND parent, const std::string& windowClass)
{
    for (HWND child : Children(parent))
        if (ClassOf(child) == windowClass)
            return child;
    return nullptr;
}

TRect PlaceOf(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

SIZE ClientSize(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

SIZE OuterSize(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void Click(HWND button)
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

void ClickAt(HWND window, POINT where)
{
    LPARAM at = MAKELPARAM(where.x, where.y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void PressKey(HWND window, WPARAM key)
{
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

bool RunHostTool(const std::string& commandLine)
{
    // Wine starts programs of the host too; their exit code does not come back reliably.
    std::string command = "Z:\\usr\\bin\\" + commandLine;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child))
        return false;
    WaitForSingleObject(child.hProcess, 20000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return true;
}

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

bool TypeOnDisplay(const std::string& xdotoolCommands)
{
    return RunHostTool("xdotool " + xdotoolCommands);
}

bool BringToFront(HWND window)
{
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 10s);
}

void DragWithMouse(POINT from, POINT to)
{
    auto at = [](POINT p) { return std::to_string(p.x) + " " + std::to_string(p.y); };
    // In steps, each given time to reach the window's move loop.
    std::string moves;
    for (int step = 1; step <= 4; ++step)
        moves += " mousemove " + at({from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4}) +
                 " sleep 0.3";
    RunHostTool("xdotool mousemove " + at(from) + " sleep 0.3 mousedown 1 sleep 0.3" + moves + " mouseup 1");
}

namespace {

std::string ReadFileBytes(const std::string& windowsPath)
{
    std::ifstream in(windowsPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Capture(const RECT& area, const std::string& unixPath)
{
    DeleteFileA(("Z:" + unixPath).c_str());
    if (!RunHostTool("import -window root -crop " + std::to_string(area.right - area.left) + "x" +
                     std::to_string(area.bottom - area.top) + "+" + std::to_string(area.left) + "+" +
                     std::to_string(area.top) + " +repage " + unixPath))
        return false;
    // The tool's exit does not reach Wine reliably: wait for the file to be complete.
    std::string previous;
    return WaitUntil(
        [&] {
            std::string bytes = ReadFileBytes("Z:" + unixPath);
            bool settled = !bytes.empty() && bytes == previous;
            previous = bytes;
            return settled;
        },
        20s);
}

}  // namespace

bool SaveScreenshot(HWND window, const std::string& unixPath)
{
    RECT area;
    GetWindowRect(window, &area);
    // Windows paint late: the picture counts once two shots agree.
    std::string last;
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (!Capture(area, unixPath))
            return false;
        std::string bytes = ReadFileBytes("Z:" + unixPath);
        if (bytes == last)
            return true;
        last = bytes;
        std::this_thread::sleep_for(300ms);
    }
    return false;
}

}  // namespace pk::e2e
