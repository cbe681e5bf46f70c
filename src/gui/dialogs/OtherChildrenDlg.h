#pragma once
// The adjustment of line 8 for other resident children: the number of
// children times the federal tax exemption, less the support received.
#include "dialogs/DialogSupport.h"

class QLabel;
class QLineEdit;

namespace quill10 {
struct OtherChildrenSlots;
}

namespace quill10::gui {

class TfrmOtherChildrenDlg : public TLineDialog {
    Q_OBJECT

public:
    TfrmOtherChildrenDlg(const DialogContext& context, QWidget* parent = nullptr);

private:
    void Recalculate();
    void Write();

    TAnswer& answers_;
    const OtherChildrenSlots& slots_;
    double adjustment_ = 0;
    QLabel* lblAdjustment_;
    QLabel* lblPotentialAdjustment_;
    QLineEdit* edtNoOfChildren_;
    QLineEdit* edtExemption_;
    QLineEdit* edtSupportReceived_;
};

}  // namespace quill10::gui
