#include "window/SetupFormLogic.h"

#include "inifile/LumMemIniFile.h"
#include "platform/UserInterface.h"
#include "survey/Survey.h"

namespace pk {

void TSetupFormLogic::FormCreate()
{
    table.SetTitles();
    display.ShowRows(0, table.RowCount() - 1);
}

void TSetupFormLogic::AddGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                                int32_t newSize)
{
    int row = table.AppendRow(FormatGridRow(section, packSet, storedSize, newSize));
    std::string tip;
    for (const std::string& warning : nextAccount.Warnings())
        tip += (tip.empty() ? "" : "\r\n") + warning;
    warningTips.resize(static_cast<size_t>(row) + 1);
    warningTips[static_cast<size_t>(row)] = std::move(tip);
    nextAccount = {};
    display.ShowRows(row, row + 1);
}

std::string TSetupFormLogic::WarningTip(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < warningTips.size() ? warningTips[static_cast<size_t>(row)] : "";
}

void TSetupFormLogic::SaveGridChanges()
{
    TLumMemIniFile document(kit.iniFile);
    for (int row = table.FirstDataRow(); row <= table.LastDataRow(); ++row)
        SavePackFileColumn(document, table.Cell(ColSection, row), table.Cell(ColPackFiles, row));
    document.SaveFile();
    flow.GridModified = false;
}

void TSetupFormLogic::ButtonUpdateClick()
{
    if (passRunning)
        return;
    switch (flow.BeforeUpdate(kit.iniFile)) {
    case TUpdateStep::Stop: return;
    case TUpdateStep::SaveThenUpdate: SaveGridChanges(); break;
    case TUpdateStep::Update: break;
    }
    platform::TBusyCursor busy;
    passRunning = true;
    display.EnableTable(false);
    struct TPassEnd {
        TSetupFormLogic& form;
        ~TPassEnd()
        {
            form.passRunning = false;
            form.display.EnableTable(true);
        }
    } passEnd{*this};
    beforeEdit.reset();  // the rows it remembers are about to go
    table.CutBack();
    warningTips.clear();
    display.ShowRows(1, 1);
    ScanSetupIni(kit, *this, true, true);
}

bool TSetupFormLogic::FormClose()
{
    if (passRunning)
        return false;
    switch (flow.BeforeClose(kit.iniFile)) {
    case TCloseStep::SaveThenClose: SaveGridChanges(); return true;
    case TCloseStep::Close: return true;
    case TCloseStep::StayOpen: return false;
    }
    return false;
}

void TSetupFormLogic::ButtonEditTextClick(const TEditorRunner& runEditor)
{
    OpenInTextEditor(kit.iniFile, runEditor);
}

void TSetupFormLogic::StringGridBeginEdit(int row)
{
    beforeEdit = TRowBeforeEdit{row, table.Row(row), flow.GridModified};
}

void TSetupFormLogic::StringGridCancelEdit()
{
    if (!beforeEdit)
        return;
    table.Row(beforeEdit->row) = beforeEdit->texts;
    display.ShowRows(beforeEdit->row, beforeEdit->row);
    flow.GridModified = beforeEdit->gridModified;
    beforeEdit.reset();
}

void TSetupFormLogic::StringGridSetEditText(int column, int row, const std::string& text)
{
    table.SetCell(column, row, text);
    flow.GridModified = true;
    table.MarkEdited(row);
    display.ShowRows(row, row);
}

}  // namespace pk
