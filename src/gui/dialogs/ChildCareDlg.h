#pragma once
// One parent's child care expenses and the tax information from which the
// calculation works out the child care tax credit of line 19.  The dialog
// only keeps its fields in the answers of the screen page.
#include <array>

#include "dialogs/DialogSupport.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace quill10::gui {

class TfrmChildCareDlg : public TLineDialog {
    Q_OBJECT

public:
    // "Refresh" closes the dialog with this result after storing its fields;
    // the dialog is then shown again with the values the case now holds.
    static constexpr int Refresh = 2;
    // The fields, slots base to base + 16.
    static constexpr int kFieldCount = 17;

    TfrmChildCareDlg(const DialogContext& context, QWidget* parent = nullptr);

private:
    QWidget* BuildField(int row);
    void Fill();
    void Write();
    void ToggleOverride(int row);
    int Slot(int offset) const { return base_ + offset; }

    TAnswer& answers_;
    int page_;
    int base_;
    std::array<QWidget*, kFieldCount> fields_{};
};

}  // namespace quill10::gui
