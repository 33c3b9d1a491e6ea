#pragma once
// What the size table window does, apart from drawing it: the rows the survey appends, the
// editing of the pack-set column, the save prompts, and the Update, Close and Edit buttons.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "survey/KitPaths.h"
#include "survey/SurveyView.h"
#include "window/EditFlow.h"
#include "window/EditorLaunch.h"
#include "window/SizeTable.h"

namespace pk {

// The screen side of the table: told which rows to show again.
class TTableDisplay {
public:
    virtual ~TTableDisplay() = default;
    // Rows first..last (inclusive) changed; the row count may have changed too.
    virtual void ShowRows(int firstRow, int lastRow) = 0;
    virtual void EnableTable(bool enabled) = 0;
};

class TSetupFormLogic : public TSurveyView {
public:
    TSetupFormLogic(TTableDisplay& display, TKitPaths kit) : display(display), kit(std::move(kit)) {}

    const TKitPaths& Kit() const { return kit; }

    const TSizeTable& Table() const { return table; }
    TEditFlow& Flow() { return flow; }
    const TEditFlow& Flow() const { return flow; }

    void FormCreate();

    void AddGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                    int32_t newSize) override;
    // The survey opens the grid after its walk; the window keeps it closed until the whole
    // pass is over, since messages handled during the pass could open an editor meanwhile.
    void SetGridEnabled(bool enabled) override { display.EnableTable(enabled && !passRunning); }
    void SetIniUpdated() override { flow.IniUpdated = true; }
    TSectionAccount* SectionAccount() override { return &nextAccount; }
    // The warnings of the row's measurement, one line each; empty when it has none.
    std::string WarningTip(int row) const;

    void SaveGridChanges();
    // Ignored while a pass runs (messages are handled during a pass while a box is up, a
    // damaged archive is scanned or a printout is spooled).
    void ButtonUpdateClick();
    // True when the window may close; never while a pass runs.
    bool FormClose();
    void ButtonEditTextClick(const TEditorRunner& runEditor);

    // The row plays no part: even the empty last row's pack-set cell may be edited. Nothing
    // is edited while a pass runs.
    bool StringGridSelectCell(int column, int /*row*/) { return !passRunning && flow.MaySelectCell(column); }
    void StringGridSetEditText(int column, int row, const std::string& text);
    // An editor opened on the row; cancelling it puts the row and the flag back as they were.
    void StringGridBeginEdit(int row);
    void StringGridCancelEdit();

private:
    TTableDisplay& display;
    TKitPaths kit;
    TSizeTable table;
    TEditFlow flow;
    bool passRunning = false;
    TSectionAccount nextAccount;
    std::vector<std::string> warningTips;  // by table row
    struct TRowBeforeEdit {
        int row;
        TGridRowTexts texts;
        bool gridModified;
    };
    std::optional<TRowBeforeEdit> beforeEdit;
};

}  // namespace pk
