#pragma once
// The annualizer: a periodic amount times the number of periods in a year,
// for the worksheet field that had the focus.  The amount box is formatted
// like that field (money with cents, a percentage, whole dollars).
#include "dialogs/DialogSupport.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace quill10::gui {

class TfrmCalculatorDlg : public TLineDialog {
    Q_OBJECT

public:
    explicit TfrmCalculatorDlg(int fieldKind, QWidget* parent = nullptr);
    // The annual amount: worked out by "Click Here to Calculate Annual
    // Amount" and again by "Accept Calculated Amount", so what is accepted
    // is always the amount and frequency on show.
    double Annual() const { return annual_; }

private:
    void Calculate();

    double annual_;
    QLabel* lblEstimatedIncome_;
    QLineEdit* edtAmount_;
    QComboBox* cmbxFrequency_;
};

}  // namespace quill10::gui
