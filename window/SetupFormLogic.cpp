#include "window/SetupFormLogic.h"

#include "inifile/LumInifile.h"
#include "platform/UserInterface.h"
#include "survey/Survey.h"

namespace pk {

void SetupFormLogic::FormCreate()
{
    table.SetTitles();
    display.ShowRows(0, table.RowCount() - 1);
}

void SetupFormLogic::AddGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                                int32_t newSize)
{
    int row = table.AppendRow(FormatGridRow(section, packSet, storedSize, newSize));
    display.ShowRows(row, row + 1);
}

void SetupFormLogic::SaveGridChanges()
{
    TLumMemIniFile document(kit.IniFile);
    for (int row = table.FirstDataRow(); row <= table.LastDataRow(); ++row)
        SavePackFileColumn(document, table.Cell(ColSection, row), table.Cell(ColPackFiles, row));
    document.SaveFile();
    flow.GridModified = false;
}

void SetupFormLogic::ButtonUpdateClick()
{
    if (passRunning)
        return;
    switch (flow.BeforeUpdate(kit.IniFile)) {
    case UpdateStep::Stop: return;
    case UpdateStep::SaveThenUpdate: SaveGridChanges(); break;
    case UpdateStep::Update: break;
    }
    platform::BusyCursor busy;
    passRunning = true;
    struct PassEnd {
        bool& running;
        ~PassEnd() { running = false; }
    } passEnd{passRunning};
    table.CutBack();
    display.ShowRows(1, 1);
    ScanSetupIni(kit, *this, true, true);
}

bool SetupFormLogic::FormClose()
{
    if (passRunning)
        return false;
    switch (flow.BeforeClose(kit.IniFile)) {
    case CloseStep::SaveThenClose: SaveGridChanges(); return true;
    case CloseStep::Close: return true;
    case CloseStep::StayOpen: return false;
    }
    return false;
}

void SetupFormLogic::ButtonEditTextClick(const EditorRunner& runEditor)
{
    OpenInTextEditor(kit.IniFile, runEditor);
}

void SetupFormLogic::StringGridSetEditText(int column, int row, const std::string& text)
{
    table.SetCell(column, row, text);
    flow.GridModified = true;
    table.MarkEdited(row);
    display.ShowRows(row, row);
}

}  // namespace pk
