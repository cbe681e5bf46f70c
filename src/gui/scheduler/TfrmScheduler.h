#pragma once
// The support scheduler window: an entry panel above the table of dues and
// payments with the running balance and interest, the buttons and pop-up
// commands that move through and change the rows, the series generator,
// the printout, CSV import and export, and the year-by-year summary under
// the table.  It works on its own copy of the case's table, worked out
// again on opening (RefreshSchedule), and hands the copy back to the main
// window on every saved entry, before printing and on closing.
//
// A panel field whose text cannot be read (a date, an amount or a rate) is
// refused with a message saying what to type: its text stays, the focus
// goes back to it, and nothing is saved, no command runs and the window
// does not close until it is put right or emptied.
#include <QDialog>
#include <optional>

#include "scheduler/Scheduler.h"
#include "store/SchedulerGrid.h"

class QLineEdit;
class QMenu;
class QVBoxLayout;
class QPushButton;
class QTableView;
class QTableWidget;

namespace quill10::gui {

class ScheduleModel;
class TfrmMain;

class TfrmScheduler : public QDialog {
    Q_OBJECT

public:
    explicit TfrmScheduler(TfrmMain& main);
    ~TfrmScheduler() override;

    // The operations of the buttons and the pop-up menu.
    void FirstRow();
    void PriorRow();
    void NextRow();
    void LastRow();
    void AddRow();
    void DeleteRow();
    void ClearWorksheet();
    void SupportOrderOnClick(int kind);  // 1 dues ("Order"), 2 payments ("Payment")
    void PrintSchedulerOnClick();
    void CopyRow();
    void CutRow();
    void PasteInsertRow();
    void PasteReplaceRow();
    void ImportCsvClick();
    void ExportCsvClick();
    void HelpOnClick();

    // The table as the window holds it, and the row being edited.
    const SchedulerGrid& Table() const { return table_; }
    size_t SelectedRow() const { return selected_; }
    void SelectRow(size_t row);
    QMenu* Popup() const { return popup_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing by any way (the button, Escape, the title bar) saves the field
    // being typed and hands the table back.
    void done(int result) override;

private:
    void BuildPanel(QVBoxLayout* layout);
    void BuildButtons(QVBoxLayout* layout);
    void BuildTable(QVBoxLayout* layout);
    void BuildPopup();
    void SizeToMainWindow();
    InterestSettings Interest() const;
    void LoadStringGrid();
    // Hands the table back to the case as one undoable step named `step`
    // ("" when the user changed nothing: the figures go with the next step).
    void SaveStringGrid(const QString& step, int errorCode = kErrScheduleSaving);
    void RowToPanel();
    void ClearPanel();
    void ShowAmountForEditing(QLineEdit* field, int column);
    // Leaving a field: saves the panel's entry; false when a field's text
    // is refused, or another field's still is.
    bool SaveOnExit(QLineEdit* field);
    // The selected row (there is one) with the panel's entry, or nothing
    // when a field cannot be read (refused with a message).
    std::optional<SchedulerRow> PanelRow();
    std::optional<SchedulerRow> Refuse(QLineEdit* field, const std::string& message);
    void SaveEntry(const SchedulerRow& entry);
    // Saves the panel field that has the focus, as leaving it would; false
    // while a field's text is refused.
    bool CommitField();
    void Run(void (TfrmScheduler::*command)());
    bool DropUndatedRow();
    void Recompute();
    void Redraw();
    void RefreshSummary();
    void ChangeModifiedFlag();
    void TableChanged(const QString& step);  // recompute, redraw, hand the table back, mark the case modified
    bool IsPanelField(QObject* object) const;

    TfrmMain& main_;
    SchedulerGrid table_;
    size_t selected_ = 0;
    bool filling_ = false;  // the panel is being filled: its changes do not mark the case
    QLineEdit* refused_ = nullptr;  // the field whose text was refused, until it is put right
    std::optional<SchedulerRow> copiedRow_;

    QLineEdit* edtDate_ = nullptr;
    QLineEdit* edtDescription_ = nullptr;
    QLineEdit* edtAmountDue_ = nullptr;
    QLineEdit* edtAmountPaid_ = nullptr;
    QLineEdit* edtRate_ = nullptr;
    QTableView* grdSchedule_ = nullptr;
    QTableWidget* grdSummary_ = nullptr;
    ScheduleModel* model_ = nullptr;
    QMenu* popup_ = nullptr;
};

}  // namespace quill10::gui
