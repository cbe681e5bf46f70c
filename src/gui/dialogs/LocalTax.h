#pragma once
// Local income tax of line 11: the parent's taxable income (lines 1a, 1b
// and 2d, unless overridden) times the local rate.
#include "dialogs/DialogSupport.h"

class QLabel;
class QLineEdit;

namespace quill10 {
struct LocalTaxSlots;
}

namespace quill10::gui {

class TfrmLocalTaxDlg : public TLineDialog {
    Q_OBJECT

public:
    TfrmLocalTaxDlg(const DialogContext& context, QWidget* parent = nullptr);

private:
    void Calculate();
    void ToggleOverride();
    void Write();

    TAnswer& answers_;
    const LocalTaxSlots& slots_;
    double tax_ = 0;
    QLabel* lblLocalTaxes_;
    QLineEdit* edtTaxableIncome_;
    QLineEdit* edtTaxRate_;
};

}  // namespace quill10::gui
