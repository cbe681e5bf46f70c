#include "dialogs/ProcessingFeeDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/LineDialogs.h"
#include "store/Answers.h"

namespace quill10::gui {

namespace {
constexpr HelpPage kHelp{0, "/help/quill10/special_considerations/line29.htm", "the processing charge"};
}

TfrmProcessingFeeDlg::TfrmProcessingFeeDlg(const DialogContext& context, QWidget* parent)
    : TLineDialog(QStringLiteral("frmProcessingFeeDlg"), QStringLiteral("Set Processing Fee"), kHelp, parent),
      answers_(context.answers),
      slots_(*ProcessingFeeSlotsOf(context.code)) {
    Body()->addWidget(NewHeading(QStringLiteral("Choose Method for Calculating Processing Charge")));
    auto* form = new QFormLayout;
    Body()->addLayout(form);
    edtPercentage_ = NewField(QStringLiteral("edtPercentage"));
    MakePercentField(edtPercentage_);
    edtFlatFee_ = NewField(QStringLiteral("edtFlatFee"));
    MakeMoneyField(edtFlatFee_);
    form->addRow(QStringLiteral("Percentage (enter 2% as \"2.00\")"), edtPercentage_);
    form->addRow(QStringLiteral("Flat Fee (enter as monthly amount)"), edtFlatFee_);
    AddAcceptAndCancel([this] { Write(); });

    edtPercentage_->setText(QOf(ProcessingPercentText(answers_.Text(slots_.page, slots_.percentage))));
    edtFlatFee_->setText(QOf(MoneyFieldText(answers_.Text(slots_.page, slots_.flatFee))));
    edtPercentage_->setFocus();
}

void TfrmProcessingFeeDlg::Write() {
    answers_.SetText(slots_.page, slots_.percentage, ProcessingFractionText(StdOf(edtPercentage_->text())));
    answers_.SetText(slots_.page, slots_.flatFee, StdOf(edtFlatFee_->text()));
}

}  // namespace quill10::gui
