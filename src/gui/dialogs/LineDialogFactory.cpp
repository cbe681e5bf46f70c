#include "dialogs/LineDialogFactory.h"

#include "calc/LineDialogs.h"
#include "dialogs/ChildCareDlg.h"
#include "dialogs/DeviationDlg.h"
#include "dialogs/IncomeDlg.h"
#include "dialogs/Line17Dlg.h"
#include "dialogs/LocalTax.h"
#include "dialogs/OtherChildrenDlg.h"
#include "dialogs/PovertyDlg.h"
#include "dialogs/ProcessingFeeDlg.h"

namespace quill10::gui {

std::unique_ptr<TLineDialog> CreateLineDialog(const DialogContext& context, QWidget* parent) {
    switch (LineDialogOf(context.code)) {
        case LineDialog::IncomeEstimator: return std::make_unique<TfrmIncomeDlg>(context, parent);
        case LineDialog::OtherChildren: return std::make_unique<TfrmOtherChildrenDlg>(context, parent);
        case LineDialog::LocalTax: return std::make_unique<TfrmLocalTaxDlg>(context, parent);
        case LineDialog::PovertyLevel: return std::make_unique<TfrmPovertyDlg>(parent);
        case LineDialog::Line17: return std::make_unique<TfrmLine17Dlg>(context, parent);
        case LineDialog::ChildCare: return std::make_unique<TfrmChildCareDlg>(context, parent);
        case LineDialog::Deviation: return std::make_unique<TfrmDeviationDlg>(context, parent);
        case LineDialog::ProcessingFee: return std::make_unique<TfrmProcessingFeeDlg>(context, parent);
        case LineDialog::None: break;
    }
    return nullptr;
}

}  // namespace quill10::gui
