#include "dialogs/CalculatorDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/LineDialogs.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

constexpr HelpPage kHelp{0, "/help/quill10/misc/annualizer.htm", "the annualizer"};

// The amount last calculated, shown again when the annualizer next opens.
double lastAnnual = 0;

}  // namespace

TfrmCalculatorDlg::TfrmCalculatorDlg(int fieldKind, QWidget* parent)
    : TLineDialog(QStringLiteral("frmCalculatorDlg"), QStringLiteral("Annualizer Calculator"), kHelp, parent),
      annual_(lastAnnual) {
    lblEstimatedIncome_ = NewHeading(QString());
    lblEstimatedIncome_->setObjectName(QStringLiteral("lblEstimatedIncome"));
    Body()->addWidget(lblEstimatedIncome_);
    QFormLayout* form = nullptr;
    Body()->addWidget(NewGroup(QStringLiteral("Enter Amount && Select Frequency"), form));
    edtAmount_ = NewField(QStringLiteral("edtAmount"));
    FormatOnLeaving(edtAmount_, [fieldKind](const std::string& typed) { return AnnualizerAmountText(fieldKind, typed); });
    cmbxFrequency_ = NewFrequencyList();
    cmbxFrequency_->setCurrentIndex(-1);
    form->addRow(QStringLiteral("Amount"), edtAmount_);
    form->addRow(QStringLiteral("Frequency"), cmbxFrequency_);
    QPushButton* calculate =
        NewButton(QStringLiteral("Click Here to Calculate Annual Amount"), QStringLiteral("btnEstimate"));
    connect(calculate, &QPushButton::clicked, this, &TfrmCalculatorDlg::Calculate);
    form->addRow(calculate);
    AddAcceptAndCancel([this] { Calculate(); }, QStringLiteral("Accept Calculated Amount"));
    lblEstimatedIncome_->setText(QStringLiteral("Calculated Amount = ") + QOf(CurrencyText(annual_)));
    edtAmount_->setFocus();
}

void TfrmCalculatorDlg::Calculate() {
    annual_ = Annualize(Str2Float_2(StdOf(edtAmount_->text())), cmbxFrequency_->currentIndex());
    lastAnnual = annual_;
    lblEstimatedIncome_->setText(QStringLiteral("Calculated Amount = ") + QOf(CurrencyText(annual_)));
}

}  // namespace quill10::gui
