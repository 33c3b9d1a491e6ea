#pragma once
// TSetupForm, the size table window (Win32): buttons, labels, the panel with the table grid,
// hints, and the wiring of their events to the window's logic.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "window/CellEditor.h"
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
    TSetupFormLogic& Logic() { return logic; }
    void SetCaption(const std::string& caption);
    void Show();

    void ButtonUpdateClick();

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void AddHint(HWND control, const char* text);
    void FormCreate();
    void FormResize(int clientWidth, int clientHeight);
    void ApplyLayout();
    void SetLabelPath(const std::string& path);
    void OnCommand(int id);
    LRESULT OnGridNotify(const NMHDR& header);
    void OnGridCellClicked(POINT where);
    void EditFocusedRow();
    void SnapToScreenEdges(WINDOWPOS& position) const;

    void ButtonCloseClick();
    void ButtonEditTextClick();
    void ButtonPrintClick();

    // TTableDisplay
    void ShowRows(int firstRow, int lastRow) override;
    void EnableTable(bool enabled) override;

    TSetupFormLogic logic;
    TCellEditor editor;
    TFormLayout layout = InitialLayout();
    int clientWidth = kClientWidth, clientHeight = kClientHeight;
    HFONT font = nullptr;
    HWND window = nullptr, buttonClose = nullptr, buttonEditText = nullptr, buttonUpdate = nullptr,
         buttonPrint = nullptr, panel = nullptr, labelPathPackFiles = nullptr, labelPK = nullptr,
         stringGrid = nullptr, hints = nullptr;
    HIMAGELIST rowHeight = nullptr;
    HWND lastFocus = nullptr;
    bool draggedByUser = false;
};

}  // namespace pk
