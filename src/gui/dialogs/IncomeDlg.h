#pragma once
// The income estimator: a parent's annual gross income from employment
// (line 1a) worked out from the pay of the year so far, or set to the
// full-time minimum-wage income.  Its inputs are kept with the case.
#include "dialogs/DialogSupport.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace quill10 {
struct EstimatorSlots;
}

namespace quill10::gui {

class TfrmIncomeDlg : public TLineDialog {
    Q_OBJECT

public:
    TfrmIncomeDlg(const DialogContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EstimateIncome();
    void UseMinimumWage();
    void ShowEstimate();
    void Write();

    TAnswer& answers_;
    UserPrompts& prompts_;
    const EstimatorSlots& slots_;
    double estimate_ = 0;
    bool storedMinimumWage_ = false;
    bool shown_ = false;
    QLabel* lblEstimatedIncome_;
    QLineEdit* edtDate_;
    QLineEdit* edtAmount_;
    QComboBox* cmbxFrequency_;
};

}  // namespace quill10::gui
