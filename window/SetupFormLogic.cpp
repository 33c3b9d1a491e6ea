#include "window/SetupFormLogic.h"

#include "inifile/LumInifile.h"
#include "paktally/Locations.h"
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
    TLumMemIniFile document(GetIniFileName());
    for (int row = table.FirstDataRow(); row <= table.LastDataRow(); ++row)
        SavePackFileColumn(document, table.Cell(ColSection, row), table.Cell(ColPackFiles, row));
    document.SaveFile();
    flow.GridModified = false;
}

void SetupFormLogic::ButtonUpdateClick()
{
    if (passRunning)
        return;
    switch (flow.BeforeUpdate(GetIniFileName())) {
    case UpdateStep::Stop: return;
    case UpdateStep::SaveThenUpdate: SaveGridChanges(); break;
    case UpdateStep::Update: break;
    }
    platform::BusyCursor busy;
    passRunning = true;
    display.EnableTable(false);
    struct PassEnd {
        SetupFormLogic& form;
        ~PassEnd()
        {
            form.passRunning = false;
            form.display.EnableTable(true);
        }
    } passEnd{*this};
    beforeEdit.reset();  // the rows it remembers are about to go
    table.CutBack();
    display.ShowRows(1, 1);
    ScanSetupIni(*this, true, true);
}

bool SetupFormLogic::FormClose()
{
    if (passRunning)
        return false;
    switch (flow.BeforeClose(GetIniFileName())) {
    case CloseStep::SaveThenClose: SaveGridChanges(); return true;
    case CloseStep::Close: return true;
    case CloseStep::StayOpen: return false;
    }
    return false;
}

void SetupFormLogic::ButtonEditTextClick(const EditorRunner& runEditor)
{
    OpenInTextEditor(GetIniFileName(), runEditor);
}

void SetupFormLogic::StringGridBeginEdit(int row)
{
    beforeEdit = RowBeforeEdit{row, table.Row(row), flow.GridModified};
}

void SetupFormLogic::StringGridCancelEdit()
{
    if (!beforeEdit)
        return;
    table.Row(beforeEdit->row) = beforeEdit->texts;
    display.ShowRows(beforeEdit->row, beforeEdit->row);
    flow.GridModified = beforeEdit->gridModified;
    beforeEdit.reset();
}

void SetupFormLogic::StringGridSetEditText(int column, int row, const std::string& text)
{
    table.SetCell(column, row, text);
    flow.GridModified = true;
    table.MarkEdited(row);
    display.ShowRows(row, row);
}

}  // namespace pk
