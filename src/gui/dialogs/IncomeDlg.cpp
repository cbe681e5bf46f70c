#include "dialogs/IncomeDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/UserPrompts.h"
#include "calc/LineDialogs.h"
#include "screen/Accessibility.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {
constexpr HelpPage kHelp{1000, "/help/quill10/misc/income_estimator.htm", "the income estimator"};
}

TfrmIncomeDlg::TfrmIncomeDlg(const DialogContext& context, QWidget* parent)
    : TLineDialog(QStringLiteral("frmIncomeDlg"), QStringLiteral("Income Estimator"), kHelp, parent),
      answers_(context.answers),
      prompts_(context.prompts),
      slots_(*EstimatorSlotsOf(context.code)) {
    lblEstimatedIncome_ = NewHeading(QString());
    lblEstimatedIncome_->setObjectName(QStringLiteral("lblEstimatedIncome"));
    Body()->addWidget(lblEstimatedIncome_);
    QPushButton* minimumWage = NewButton(QOf(MinimumWageCaption()), QStringLiteral("btnMinimumWage"));
    connect(minimumWage, &QPushButton::clicked, this, &TfrmIncomeDlg::UseMinimumWage);
    Body()->addWidget(minimumWage);

    QFormLayout* form = nullptr;
    Body()->addWidget(NewGroup(QStringLiteral("Year To Date Calculator -"), form));
    edtDate_ = NewField(QStringLiteral("edtDate"));
    edtAmount_ = NewField(QStringLiteral("edtAmount"));
    MakeMoneyField(edtAmount_);
    cmbxFrequency_ = NewFrequencyList();
    form->addRow(QStringLiteral("Date (MM/DD/YY)"), edtDate_);
    form->addRow(QStringLiteral("Amount"), edtAmount_);
    form->addRow(QStringLiteral("Frequency"), cmbxFrequency_);
    QPushButton* estimate = NewButton(QStringLiteral("Click Here To Estimate Income"), QStringLiteral("btnEstimate"));
    connect(estimate, &QPushButton::clicked, this, &TfrmIncomeDlg::EstimateIncome);
    form->addRow(estimate);
    AddAcceptAndCancel([this] { Write(); });

    const int page = slots_.page;
    estimate_ = Str2Float_2(answers_.Text(page, slots_.estimate));
    storedMinimumWage_ = estimate_ == kMinimumWageYearly;
    const std::string& date = answers_.Text(page, slots_.date);
    edtDate_->setText(QOf(date.empty() ? FormatShortDate(Today()) : date));
    edtAmount_->setText(QOf(MoneyFieldText(answers_.Text(page, slots_.amount))));
    const int frequency = Str2Int(answers_.Text(page, slots_.frequency));
    cmbxFrequency_->setCurrentIndex(frequency >= 0 && frequency < kFrequencyCount ? frequency : -1);
    ShowEstimate();
    edtAmount_->setFocus();
}

// The estimate is worked out again when the dialog is shown, unless the
// stored estimate is the minimum wage.  It is worked out once: coming back
// to the dialog from another window keeps what the user chose in it.
void TfrmIncomeDlg::showEvent(QShowEvent* event) {
    TLineDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (!storedMinimumWage_) EstimateIncome();
}

void TfrmIncomeDlg::EstimateIncome() {
    if (EntryRefused(edtAmount_)) return;  // the amount is being corrected
    Date date = Today();
    const std::string typed = TrimStr(StdOf(edtDate_->text()));
    if (!typed.empty()) {
        const std::optional<Date> read = ParseShortDate(typed);
        if (!read) {
            prompts_.Warn(QStringLiteral("'%1' is not a valid date").arg(edtDate_->text()));
            return;
        }
        date = *read;
    }
    estimate_ = EstimateAnnualIncome(Str2Float_2(StdOf(edtAmount_->text())), cmbxFrequency_->currentIndex(), date);
    ShowEstimate();
}

void TfrmIncomeDlg::UseMinimumWage() {
    estimate_ = kMinimumWageYearly;
    ShowEstimate();
    edtDate_->clear();
    edtAmount_->clear();
    cmbxFrequency_->setCurrentIndex(-1);
}

void TfrmIncomeDlg::ShowEstimate() {
    lblEstimatedIncome_->setText(QStringLiteral("Estimated Annual Income = ") + QOf(CurrencyText(estimate_)));
}

// The estimate as last worked out (editing a field alone does not work it
// out again), the inputs as shown, and the estimate into line 1a.
void TfrmIncomeDlg::Write() {
    const int page = slots_.page;
    answers_.SetText(page, slots_.estimate, SlotNumberText(estimate_));
    answers_.SetText(page, slots_.date, StdOf(edtDate_->text()));
    answers_.SetText(page, slots_.amount, StdOf(edtAmount_->text()));
    answers_.SetText(page, slots_.frequency, std::to_string(cmbxFrequency_->currentIndex()));
    answers_.SetText(page, slots_.line1a, SlotNumberText(estimate_));
}

}  // namespace quill10::gui
