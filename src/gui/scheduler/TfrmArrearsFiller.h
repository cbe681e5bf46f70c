#pragma once
// The series generator "Payment/Due Date Scheduler": a regular series of
// dues (the scheduler's "Order") or payments ("Payment") appended to the
// scheduler window's table.  "Ok" makes the rows and closes; a field that
// cannot be read, or a series year without a statutory rate when no rate
// is given, is reported and keeps the dialog open.
#include <QDialog>

#include "scheduler/ArrearsFiller.h"

class QComboBox;
class QLineEdit;

namespace quill10::gui {

class TfrmMain;

class TfrmArrearsFiller : public QDialog {
    Q_OBJECT

public:
    TfrmArrearsFiller(SeriesKind kind, SchedulerGrid& table, TfrmMain& main, QWidget* parent);

    void OkClick();
    void HelpOnClick();

private:
    // The entry of the fields, or nothing when the amount is empty or a
    // field cannot be read: that is refused with a message saying what to
    // type, and its text stays.
    std::optional<SeriesEntry> ReadEntry();
    std::optional<SeriesEntry> Refuse(QLineEdit* field, const std::string& message);

    SeriesKind kind_;
    SchedulerGrid& table_;
    TfrmMain& main_;
    QLineEdit* edtDescription_ = nullptr;
    QLineEdit* edtAmount_ = nullptr;
    QLineEdit* edtStartingDate_ = nullptr;
    QLineEdit* edtEndingDate_ = nullptr;
    QComboBox* cmbxFrequency_ = nullptr;
    QLineEdit* edtInterestRate_ = nullptr;
};

}  // namespace quill10::gui
