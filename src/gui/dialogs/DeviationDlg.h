#pragma once
// How the shared parenting deviation of line 27b is worked out for one
// parent's column of the sole/shared worksheet.  The dialog only records the
// options; the calculation reports combinations that do not go together.
#include <array>

#include "dialogs/DialogSupport.h"

class QWidget;

namespace quill10::gui {

class TfrmDeviationDlg : public TLineDialog {
    Q_OBJECT

public:
    static constexpr int kOptionCount = 11;

    TfrmDeviationDlg(const DialogContext& context, QWidget* parent = nullptr);

private:
    QWidget* BuildOption(int row);
    void Fill();
    void Write();
    int SlotOf(int row) const;

    TAnswer& answers_;
    bool mother_;
    std::array<QWidget*, kOptionCount> controls_{};
};

}  // namespace quill10::gui
