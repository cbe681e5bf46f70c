#pragma once
// The method of the processing charge of line 29: a percentage of the
// support, or a flat monthly fee.
#include "dialogs/DialogSupport.h"

class QLineEdit;

namespace quill10 {
struct ProcessingFeeSlots;
}

namespace quill10::gui {

class TfrmProcessingFeeDlg : public TLineDialog {
    Q_OBJECT

public:
    TfrmProcessingFeeDlg(const DialogContext& context, QWidget* parent = nullptr);

private:
    void Write();

    TAnswer& answers_;
    const ProcessingFeeSlots& slots_;
    QLineEdit* edtPercentage_;
    QLineEdit* edtFlatFee_;
};

}  // namespace quill10::gui
