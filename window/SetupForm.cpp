#include "window/SetupForm.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "platform/Exceptions.h"
#include "platform/MulDiv.h"
#include "platform/UserInterface.h"
#include "printing/XPrinter.h"
#include "window/Application.h"
#include "window/DesignMetrics.h"
#include "window/EditorLaunch.h"
#include "window/PrintedTable.h"
#include "window/ScreenDpi.h"
#include "window/TextWidth.h"
#include "window/WorkAreaFit.h"

namespace pk {

namespace {

constexpr const char* kFormClass = "TSetupForm";
constexpr const char* kPanelClass = "PaktallyPanel";
constexpr int kSnapDistance = 10;
constexpr int kHintWidth = 600;  // a long path and the hint below it, each on a line
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Moves the table's focus to an item; posted, since the list view is amid a change then.
constexpr UINT kFocusItemMessage = WM_APP + 1;

enum TControlId { IdClose = 101, IdEditText, IdUpdate, IdPrint, IdGrid, IdEditCell };

ACCEL kEditCellKey = {FVIRTKEY, VK_F2, IdEditCell};  // F2 edits the focused row's pack set

// The hints are Danish; the A functions take them in the ANSI code page (Windows-1252).
constexpr const char* kHintEditText = "Edit\xE9r INI-filen i en teksteditor";
constexpr const char* kHintUpdate = "Opdat\xE9r tabellen med de rigtige st\xF8rrelse og gem evt. \xE6ndringer";
constexpr const char* kHintPrint = "Udskriv tabellen til printeren";
constexpr const char* kHintPackFiles = "PACKFILE-directory kan angives som f\xF8rste parameter n\xE5r Paktally k\xF8res";

// A plain frame that hands its children's notifications on to the window.
LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NOTIFY:
    case WM_COMMAND:
        return SendMessageA(GetParent(panel), message, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(panel, &paint);
        RECT frame;
        GetClientRect(panel, &frame);
        DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
        EndPaint(panel, &paint);
        return 0;
    }
    }
    return DefWindowProcA(panel, message, wParam, lParam);
}

void RegisterWindowClasses(HINSTANCE instance, WNDPROC formProc)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA form = {};
    form.style = CS_HREDRAW | CS_VREDRAW;
    form.lpfnWndProc = formProc;
    form.hInstance = instance;
    form.hCursor = LoadCursor(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;
    WNDCLASSA panel = form;
    panel.lpfnWndProc = PanelProc;
    panel.lpszClassName = kPanelClass;
    if (!RegisterClassA(&form) || !RegisterClassA(&panel))
        throw Exception("Cannot register the window classes");
    registered = true;
}

void Place(HWND control, const TControlRect& r)
{
    MoveWindow(control, r.left, r.top, r.width, r.height, TRUE);
}

int CALLBACK NoteFontFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontInstalled(const char* face)
{
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, NoteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The raster font comes in a few sizes only: other resolutions take its outline twin, with
// the same metrics, where the system has it.
HFONT CreateWindowFont(int dpi)
{
    static const bool twinInstalled = FontInstalled(kScalableFontFace);
    const char* face = dpi != kDesignDpi && twinInstalled ? kScalableFontFace : kWindowFontFace;
    return CreateFontA(ScaleToDpi(kWindowFontHeight, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

// The monitor's screen less its taskbar and docked bars.
TControlRect WorkArea(HMONITOR monitor)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    const RECT& work = info.rcWork;
    return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

}  // namespace

TSetupForm::TSetupForm(TKitPaths kit) : logic(*this, std::move(kit))
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterWindowClasses(instance, WindowProc);
    dpi = DpiOf(nullptr);
    font = CreateWindowFont(dpi);
    // The layout is in client pixels: the frame is whatever the system draws around them.
    clientWidth = ScaleToDpi(kClientWidth, dpi);
    clientHeight = ScaleToDpi(kClientHeight, dpi);
    RECT outer = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectForDpi(outer, kFormStyle, dpi);
    // A screen too small for the window takes it whole, so that its edges stay in reach.
    TControlRect place = CentredInWorkArea(outer.right - outer.left, outer.bottom - outer.top,
                                           WorkArea(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)));
    // Owned by the application's window, which carries the taskbar button and the title.
    window = CreateWindowExA(0, kFormClass, "Tarvo SETUP.INI-file manipulation", kFormStyle, place.left, place.top,
                             place.width, place.height, TApplication::Instance().TaskbarWindow(), nullptr, instance,
                             this);
    if (!window)
        throw Exception("Cannot create the main window");
    CreateControls();
    FormCreate();
    // A monitor of another resolution than the system's.
    if (int shown = DpiOf(window); shown != dpi)
        ChangeDpi(shown, nullptr);
    accelerators = CreateAcceleratorTableA(&kEditCellKey, 1);
}

TSetupForm::~TSetupForm()
{
    if (IsWindow(window))
        DestroyWindow(window);
    // The list view shares the image list, so it is ours to destroy, after the list view.
    if (rowHeight)
        ImageList_Destroy(rowHeight);
    DeleteObject(font);
    if (accelerators)
        DestroyAcceleratorTable(accelerators);
}

void TSetupForm::CreateControls()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto control = [&](HWND parent, DWORD exStyle, const char* cls, const char* text, DWORD style, int id) {
        HWND h = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return h;
    };
    // Creation order is the Tab order: the four buttons, left to right.
    buttonClose = control(window, 0, "BUTTON", "&Close", WS_TABSTOP | BS_DEFPUSHBUTTON, IdClose);
    buttonEditText = control(window, 0, "BUTTON", "&Edit text file", WS_TABSTOP | BS_PUSHBUTTON, IdEditText);
    buttonUpdate = control(window, 0, "BUTTON", "&Update", WS_TABSTOP | BS_PUSHBUTTON, IdUpdate);
    buttonPrint = control(window, 0, "BUTTON", "&Print", WS_TABSTOP | BS_PUSHBUTTON, IdPrint);
    panel = control(window, WS_EX_CONTROLPARENT, kPanelClass, "", WS_CLIPCHILDREN, 0);
    labelPathPackFiles = control(window, 0, "STATIC", "Sti til PACKFILES:",
                                 SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY | SS_PATHELLIPSIS, 0);
    labelPK = control(window, 0, "STATIC", "Directory PACKFILES:", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
    // No WS_TABSTOP: the Tab key skips the grid.
    stringGrid = control(panel, WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                         WS_CLIPCHILDREN | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS,
                         IdGrid);
    SendMessageA(stringGrid, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, LVS_EX_GRIDLINES);
    SetRowHeight();
    for (int column = 0; column < kGridColumns; ++column) {
        LVCOLUMNA lvColumn = {};
        lvColumn.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        lvColumn.pszText = const_cast<char*>("");
        lvColumn.cx = ScaleToDpi(kDefaultColumnWidth, dpi);
        lvColumn.iSubItem = column;
        SendMessageA(stringGrid, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&lvColumn));
    }
    editor.Attach(
        stringGrid, font,
        [this](int column, int row, const std::string& text) { logic.StringGridSetEditText(column, row, text); },
        [this] { logic.StringGridCancelEdit(); });

    hints = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance,
                            nullptr);
    SendMessageA(hints, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(hints, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kHintWidth, dpi));
    AddHint(buttonEditText, kHintEditText);
    AddHint(buttonUpdate, kHintUpdate);
    AddHint(buttonPrint, kHintPrint);
    AddHint(labelPathPackFiles, kHintPackFiles);
    cellTips.Attach(
        stringGrid, font, dpi, [this](int column, int row) { return logic.Table().Cell(column, row); },
        [this](int column, int row) { return column == ColNewSize ? logic.WarningTip(row) : std::string(); });
    ApplyLayout();
}

void TSetupForm::SetRowHeight()
{
    // A list view's rows are as high as its small images.
    HIMAGELIST previous = rowHeight;
    rowHeight = ImageList_Create(1, ScaleToDpi(kRowHeight, dpi), ILC_COLOR, 1, 0);
    SendMessageA(stringGrid, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowHeight));
    if (previous)
        ImageList_Destroy(previous);
}

std::vector<int> TSetupForm::ColumnWidths() const
{
    std::vector<int> widths;
    for (int column = 0; column < kGridColumns; ++column)
        widths.push_back(static_cast<int>(SendMessageA(stringGrid, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)));
    return widths;
}

void TSetupForm::SetHint(HWND control, const std::string& text)
{
    TTTOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(hints, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TSetupForm::ChangeDpi(int newDpi, const RECT* suggested)
{
    editor.End();
    // Column widths as the user left them, at the new resolution.
    std::vector<int> widths = ColumnWidths();
    for (int column = 0; column < kGridColumns; ++column)
        SendMessageA(stringGrid, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                     MulDivRounded(widths[static_cast<size_t>(column)], newDpi, dpi));
    dpi = newDpi;
    HFONT previous = font;
    font = CreateWindowFont(dpi);
    for (HWND control : {buttonClose, buttonEditText, buttonUpdate, buttonPrint, labelPathPackFiles, labelPK,
                         stringGrid, hints})
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    editor.SetFont(font);
    cellTips.SetFont(font, dpi);
    SendMessageA(hints, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kHintWidth, dpi));
    DeleteObject(previous);
    SetRowHeight();
    ApplyLayout();
    if (suggested) {
        TControlRect place = MovedIntoWorkArea(
            {suggested->left, suggested->top, suggested->right - suggested->left, suggested->bottom - suggested->top},
            WorkArea(MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST)));
        SetWindowPos(window, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TSetupForm::AddHint(HWND control, const char* text)
{
    TTTOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(hints, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TSetupForm::FormCreate()
{
    logic.FormCreate();
    for (int column = 0; column < kGridColumns; ++column)
        SendMessageA(stringGrid, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                     ScaleToDpi(kColumnWidths[static_cast<size_t>(column)], dpi));
    SetLabelPath(logic.Kit().packFilesDir);
}

void TSetupForm::SetLabelPath(const std::string& path)
{
    packFilesPath = path;
    SetWindowTextA(labelPathPackFiles, path.c_str());
    ApplyLayout();
}

void TSetupForm::SetCaption(const std::string& caption)
{
    SetWindowTextA(window, caption.c_str());
}

void TSetupForm::Show()
{
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
}

void TSetupForm::ApplyLayout()
{
    TFormLayout layout = ScaleLayout(designLayout, dpi);
    // The label is as wide as its text, up to the buttons; a path cut short shows whole in
    // its hint.
    int textWidth = TextWidth(labelPathPackFiles, font, packFilesPath);
    layout.labelPathPackFiles.width = PathLabelWidth(textWidth, layout, dpi);
    bool shortened = layout.labelPathPackFiles.width < textWidth;
    SetHint(labelPathPackFiles, shortened ? packFilesPath + "\r\n" + kHintPackFiles : kHintPackFiles);
    Place(panel, layout.panel);
    Place(stringGrid, layout.grid);
    Place(buttonClose, layout.buttonClose);
    Place(buttonEditText, layout.buttonEditText);
    Place(buttonUpdate, layout.buttonUpdate);
    Place(buttonPrint, layout.buttonPrint);
    Place(labelPK, layout.labelPK);
    Place(labelPathPackFiles, layout.labelPathPackFiles);
}

void TSetupForm::FormResize(int width, int height)
{
    // Only a real change of size moves the controls from their creation places.
    if (!stringGrid || (width == clientWidth && height == clientHeight))
        return;
    clientWidth = width;
    clientHeight = height;
    designLayout = ResizedLayout(designLayout, MulDivRounded(width, kDesignDpi, dpi),
                                 MulDivRounded(height, kDesignDpi, dpi));
    ApplyLayout();
}

void TSetupForm::SnapToScreenEdges(WINDOWPOS& position) const
{
    TControlRect work = WorkArea(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
    RECT current;
    GetWindowRect(window, &current);
    int width = current.right - current.left, height = current.bottom - current.top;
    const int distance = ScaleToDpi(kSnapDistance, dpi);
    auto snap = [distance](int& start, int extent, int low, int high) {
        if (std::abs(start - low) < distance)
            start = low;
        else if (std::abs(start + extent - high) < distance)
            start = high - extent;
    };
    snap(position.x, width, work.left, work.left + work.width);
    snap(position.y, height, work.top, work.top + work.height);
}

void TSetupForm::ShowRows(int firstRow, int lastRow)
{
    const TSizeTable& table = logic.Table();
    int items = table.RowCount() - 1;  // the title row is the header
    int count = static_cast<int>(SendMessageA(stringGrid, LVM_GETITEMCOUNT, 0, 0));
    for (; count < items; ++count) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = count;
        item.pszText = const_cast<char*>("");
        SendMessageA(stringGrid, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    for (; count > items; --count)
        SendMessageA(stringGrid, LVM_DELETEITEM, static_cast<WPARAM>(count - 1), 0);
    for (int row = std::max(firstRow, 0); row <= std::min(lastRow, table.RowCount() - 1); ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const std::string& text = table.Cell(column, row);
            if (row == 0) {
                LVCOLUMNA lvColumn = {};
                lvColumn.mask = LVCF_TEXT;
                lvColumn.pszText = const_cast<char*>(text.c_str());
                SendMessageA(stringGrid, LVM_SETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&lvColumn));
            } else {
                LVITEMA item = {};
                item.iSubItem = column;
                item.pszText = const_cast<char*>(text.c_str());
                SendMessageA(stringGrid, LVM_SETITEMTEXTA, static_cast<WPARAM>(row - 1), reinterpret_cast<LPARAM>(&item));
            }
        }
    }
    // Rows show as they come, also while no message loop runs.
    UpdateWindow(stringGrid);
}

void TSetupForm::EnableTable(bool enabled)
{
    if (!enabled)
        editor.End();
    EnableWindow(stringGrid, enabled);
}

void TSetupForm::OnGridCellClicked(POINT where)
{
    LVHITTESTINFO hit = {};
    hit.pt = where;
    if (SendMessageA(stringGrid, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 || hit.iItem < 0)
        return;
    int row = hit.iItem + 1;
    if (logic.StringGridSelectCell(hit.iSubItem, row))
        BeginEdit(hit.iSubItem, row);
}

void TSetupForm::EditFocusedRow()
{
    if (!IsWindowEnabled(stringGrid))
        return;
    // F2 also takes the keyboard into the table, which the Tab key skips.
    int item = static_cast<int>(SendMessageA(stringGrid, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (item < 0) {
        item = 0;
        FocusItem(item);
    }
    SetFocus(stringGrid);
    if (logic.StringGridSelectCell(ColPackFiles, item + 1))
        BeginEdit(ColPackFiles, item + 1);
}

void TSetupForm::BeginEdit(int column, int row)
{
    editor.End();
    logic.StringGridBeginEdit(row);
    editor.Begin(column, row, logic.Table().Cell(column, row));
}

void TSetupForm::FocusItem(int item)
{
    LVITEMA state = {};
    state.stateMask = LVIS_FOCUSED;
    state.state = LVIS_FOCUSED;
    SendMessageA(stringGrid, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
    SendMessageA(stringGrid, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
}

LRESULT TSetupForm::OnGridNotify(const NMHDR& header)
{
    if (header.code >= HDN_LAST && header.code <= HDN_FIRST) {
        editor.End();  // a column is being resized under the editor
        return 0;
    }
    if (header.hwndFrom != stringGrid)
        return 0;
    switch (header.code) {
    case NM_CLICK:
    case NM_DBLCLK:
        OnGridCellClicked(reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction);
        return 0;
    case LVN_ITEMCHANGING: {
        // Cells are chosen one by one; whole rows are never selected. The focus, which the
        // list view moves together with the selection, still goes to the row.
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (!(change.uChanged & LVIF_STATE) || !(change.uNewState & LVIS_SELECTED))
            return FALSE;
        if ((change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED))
            PostMessageA(window, kFocusItemMessage, static_cast<WPARAM>(change.iItem), 0);
        return TRUE;
    }
    }
    return 0;
}

void TSetupForm::OnCommand(int id)
{
    switch (id) {
    case IdClose:
    case IDOK:      // Enter, unless a button has the focus
    case IDCANCEL:  // Escape
        ButtonCloseClick();
        break;
    case IdEditText: ButtonEditTextClick(); break;
    case IdUpdate: ButtonUpdateClick(); break;
    case IdPrint: ButtonPrintClick(); break;
    case IdEditCell: EditFocusedRow(); break;
    }
}

void TSetupForm::ButtonCloseClick()
{
    SendMessageA(window, WM_CLOSE, 0, 0);
}

void TSetupForm::ButtonEditTextClick()
{
    logic.ButtonEditTextClick(RunEditor);
}

void TSetupForm::ButtonUpdateClick()
{
    editor.End();
    logic.ButtonUpdateClick();
}

void TSetupForm::ButtonPrintClick()
{
    editor.End();
    TPrintedTable table(logic.Table(), ColumnWidths(), dpi);
    TXPrinter printer;
    printer.Print(&table, false);
}

LRESULT CALLBACK TSetupForm::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<TSetupForm*>(create->lpCreateParams);
        self->window = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TSetupForm*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return GuardedHandler([&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT TSetupForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // lParam 0: Enter, Escape or the F2 accelerator.
        if (lParam == 0 || HIWORD(wParam) == BN_CLICKED)
            OnCommand(LOWORD(wParam));
        return 0;
    case kFocusItemMessage:
        FocusItem(static_cast<int>(wParam));
        return 0;
    case WM_NOTIFY:
        return OnGridNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case DM_GETDEFID:
        return MAKELRESULT(IdClose, DC_HASDEFID);
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            FormResize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_GETMINMAXINFO: {
        // The designed smallest size, unless the screen is smaller still.
        TControlRect work = WorkArea(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {std::min(ScaleToDpi(kMinOuterWidth, dpi), work.width),
                                                                 std::min(ScaleToDpi(kMinOuterHeight, dpi), work.height)};
        return 0;
    }
    case WM_DPICHANGED:
        ChangeDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOMMAND:
        // The application's window has the taskbar button: it is what minimises.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            TApplication::Instance().Minimize(window);
            return 0;
        }
        break;
    case WM_ENTERSIZEMOVE:
        draggedByUser = true;
        return 0;
    case WM_EXITSIZEMOVE:
        draggedByUser = false;
        return 0;
    case WM_WINDOWPOSCHANGING:
        // Only moves snap: a resize from the left or top edge must keep the other edge.
        if (draggedByUser && (reinterpret_cast<WINDOWPOS*>(lParam)->flags & (SWP_NOMOVE | SWP_NOSIZE)) == SWP_NOSIZE)
            SnapToScreenEdges(*reinterpret_cast<WINDOWPOS*>(lParam));
        break;  // the system keeps the size within the track limits
    case WM_SETCURSOR:
        if (platform::UI().GetCursor() == platform::TCursor::HourGlass) {
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_ACTIVATE:
        // Keep the keyboard focus on a control, so that Enter and Escape reach the buttons.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            lastFocus = focus && IsChild(window, focus) && focus != editor.Handle() ? focus : nullptr;
        } else {
            SetFocus(lastFocus && IsWindowVisible(lastFocus) ? lastFocus : buttonClose);
        }
        return 0;
    case WM_CLOSE:
        editor.End();
        if (logic.FormClose())
            DestroyWindow(window);
        return 0;
    case WM_QUERYENDSESSION:
        // Logging off asks about unsaved edits as closing does; Cancel keeps the session.
        editor.End();
        return logic.FormClose() ? TRUE : FALSE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace pk
