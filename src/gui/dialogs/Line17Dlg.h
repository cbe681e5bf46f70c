#pragma once
// How line 17 reads the basic support obligation from the support table
// (low, interpolated or high) and whether combined incomes above $150,000
// are limited to the $150,000 amount.
#include "dialogs/DialogSupport.h"

class QCheckBox;
class QComboBox;

namespace quill10 {
struct Line17Slots;
}

namespace quill10::gui {

class TfrmLine17Dlg : public TLineDialog {
    Q_OBJECT

public:
    TfrmLine17Dlg(const DialogContext& context, QWidget* parent = nullptr);

private:
    TAnswer& answers_;
    const Line17Slots& slots_;
    QComboBox* ComboBox1_;
    QCheckBox* CheckBox1_;
};

}  // namespace quill10::gui
