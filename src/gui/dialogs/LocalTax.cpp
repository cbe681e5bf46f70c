#include "dialogs/LocalTax.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/LineDialogs.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {
constexpr HelpPage kHelp{1003, "/help/quill10/special_considerations/local_tax.htm", "local income tax"};
}

TfrmLocalTaxDlg::TfrmLocalTaxDlg(const DialogContext& context, QWidget* parent)
    : TLineDialog(QStringLiteral("frmLocalTaxDlg"), QStringLiteral("Calculate Local Tax"), kHelp, parent),
      answers_(context.answers),
      slots_(*LocalTaxSlotsOf(context.code)) {
    lblLocalTaxes_ = NewHeading(QString());
    lblLocalTaxes_->setObjectName(QStringLiteral("lblLocalTaxes"));
    Body()->addWidget(lblLocalTaxes_);
    QFormLayout* form = nullptr;
    Body()->addWidget(NewGroup(QStringLiteral("Calculate Adjustment -"), form));
    edtTaxableIncome_ = NewField(QStringLiteral("edtTaxableIncome"));
    MakeMoneyField(edtTaxableIncome_);
    OfferOverride(edtTaxableIncome_, [this] { ToggleOverride(); });
    edtTaxRate_ = NewField(QStringLiteral("edtTaxRate"));
    MakePercentField(edtTaxRate_);
    form->addRow(QStringLiteral("Taxable income*"), edtTaxableIncome_);
    form->addRow(QStringLiteral("Tax rate (enter 2% as \"2.00\")"), edtTaxRate_);
    QPushButton* calculate = NewButton(QStringLiteral("Click Here To Calculate Local Tax"), QStringLiteral("btnCalculate"));
    connect(calculate, &QPushButton::clicked, this, &TfrmLocalTaxDlg::Calculate);
    form->addRow(calculate);
    form->addRow(new QLabel(QStringLiteral("* Right-click to override")));
    AddAcceptAndCancel([this] { Write(); });

    const int page = slots_.page;
    tax_ = Str2Float_2(answers_.Text(page, slots_.tax));
    const bool overridden = answers_.OvRide(page, slots_.taxableIncome);
    const double taxable = overridden ? Str2Float_2(answers_.Text(page, slots_.taxableIncome))
                                      : DefaultTaxableIncome(answers_, slots_);
    edtTaxableIncome_->setText(QOf(CurrencyText(taxable)));
    ShowOverrideState(edtTaxableIncome_, overridden);
    edtTaxRate_->setText(QOf(PercentFieldText(Str2Float_P(answers_.Text(page, slots_.rate)))));
    Calculate();
    edtTaxRate_->setFocus();
}

void TfrmLocalTaxDlg::Calculate() {
    tax_ = LocalTax(Str2Float_2(StdOf(edtTaxableIncome_->text())), Str2Float_P(StdOf(edtTaxRate_->text())));
    lblLocalTaxes_->setText(QStringLiteral("Local Taxes = ") + QOf(CurrencyText(tax_)));
}

// Flips the taxable income's override flag at once; the field follows it.
void TfrmLocalTaxDlg::ToggleOverride() {
    const bool overridden = !answers_.OvRide(slots_.page, slots_.taxableIncome);
    answers_.SetOvRide(slots_.page, slots_.taxableIncome, overridden);
    ShowOverrideState(edtTaxableIncome_, overridden);
    MarkCaseChanged();
}

// The tax as last calculated; line 11 keeps it as an override only while
// the taxable income is overridden, otherwise the calculation works line 11
// out again from the taxable income and rate.
void TfrmLocalTaxDlg::Write() {
    const int page = slots_.page;
    const bool overridden = IsOverriddenField(edtTaxableIncome_);
    answers_.SetText(page, slots_.tax, SlotNumberText(tax_));
    answers_.SetText(page, slots_.taxableIncome, StdOf(edtTaxableIncome_->text()));
    answers_.SetOvRide(page, slots_.taxableIncome, overridden);
    answers_.SetText(page, slots_.rate, StdOf(edtTaxRate_->text()));
    answers_.SetText(page, slots_.line11, SlotNumberText(tax_));
    answers_.SetOvRide(page, slots_.line11, overridden);
}

}  // namespace quill10::gui
