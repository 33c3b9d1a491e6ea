#pragma once
// TSetupForm, the size table window (Win32): buttons, labels, the panel with the table grid,
// hints, and the wiring of their events to the window's logic.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "window/CellEditor.h"
#include "window/CellTips.h"
#include "window/FormLayout.h"
#include "window/SetupFormLogic.h"

namespace pk {

class TSetupForm : private TTableDisplay {
public:
    // Creates the window hidden, with its controls, and runs FormCreate.
    explicit TSetupForm(TKitPaths kit);
    ~TSetupForm() override;
    TSetupForm(const TSetupForm&) = delete;
    TSetupForm& operator=(const TSetupForm&) = delete;

    HWND Handle() const { return window; }
    // The window's keys for the message loop.
    HACCEL Accelerators() const { return accelerators; }
    TSetupFormLogic& Logic() { return logic; }
    void SetCaption(const std::string& caption);
    void Show();

    void ButtonUpdateClick();

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void AddHint(HWND control, const char* text);
    void SetHint(HWND control, const std::string& text);
    void SetRowHeight();
    std::vector<int> ColumnWidths() const;
    // Scales fonts, places, sizes and column widths to a new screen resolution.
    void ChangeDpi(int newDpi, const RECT* suggested);
    void FormCreate();
    void FormResize(int clientWidth, int clientHeight);
    void ApplyLayout();
    void SetLabelPath(const std::string& path);
    void OnCommand(int id);
    LRESULT OnGridNotify(const NMHDR& header);
    void OnGridCellClicked(POINT where);
    void EditFocusedRow();
    void BeginEdit(int column, int row);
    void FocusItem(int item);
    void SnapToScreenEdges(WINDOWPOS& position) const;

    void ButtonCloseClick();
    void ButtonEditTextClick();
    void ButtonPrintClick();

    // TTableDisplay
    void ShowRows(int firstRow, int lastRow) override;
    void EnableTable(bool enabled) override;

    TSetupFormLogic logic;
    TCellEditor editor;
    TCellTips cellTips;
    // Places as designed for 96 pixels per inch; the screen's resolution scales them.
    TFormLayout designLayout = InitialLayout();
    int dpi = 96;
    int clientWidth = 0, clientHeight = 0;
    std::string packFilesPath;
    HFONT font = nullptr;
    HACCEL accelerators = nullptr;
    HWND window = nullptr, buttonClose = nullptr, buttonEditText = nullptr, buttonUpdate = nullptr,
         buttonPrint = nullptr, panel = nullptr, labelPathPackFiles = nullptr, labelPK = nullptr,
         stringGrid = nullptr, hints = nullptr;
    HIMAGELIST rowHeight = nullptr;
    HWND lastFocus = nullptr;
    bool draggedByUser = false;
};

}  // namespace pk
