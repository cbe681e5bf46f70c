#include "dialogs/OtherChildrenDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "calc/LineDialogs.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {
constexpr HelpPage kHelp{1002, "/help/quill10/special_considerations/other_children.htm", "other resident children"};
}

TfrmOtherChildrenDlg::TfrmOtherChildrenDlg(const DialogContext& context, QWidget* parent)
    : TLineDialog(QStringLiteral("frmOtherChildrenDlg"), QStringLiteral("Line 8. Other Resident Children"), kHelp,
                  parent),
      answers_(context.answers),
      slots_(*OtherChildrenSlotsOf(context.code)) {
    lblAdjustment_ = NewHeading(QString());
    lblAdjustment_->setObjectName(QStringLiteral("lblAdjustment"));
    Body()->addWidget(lblAdjustment_);
    QFormLayout* form = nullptr;
    Body()->addWidget(NewGroup(QStringLiteral("Calculate Adjustment"), form));
    edtNoOfChildren_ = NewField(QStringLiteral("edtNoOfChildren"));
    FormatOnLeaving(edtNoOfChildren_, [](const std::string& typed) {
        Str2Int(typed);  // an entry that is not a whole number is reported
        return typed;
    });
    edtExemption_ = NewField(QStringLiteral("edtExemption"));
    edtSupportReceived_ = NewField(QStringLiteral("edtSupportReceived"));
    for (QLineEdit* edit : {edtExemption_, edtSupportReceived_}) MakeMoneyField(edit);
    lblPotentialAdjustment_ = new QLabel;
    lblPotentialAdjustment_->setObjectName(QStringLiteral("lblPotentialAdjustment"));
    form->addRow(QStringLiteral("No. Of Other Resident Children"), edtNoOfChildren_);
    form->addRow(QStringLiteral("Federal Tax Exemption"), edtExemption_);
    form->addRow(QStringLiteral("Potential Adjustment"), lblPotentialAdjustment_);
    form->addRow(QStringLiteral("Less Support Received"), edtSupportReceived_);
    AddAcceptAndCancel([this] { Write(); });

    const int page = slots_.page;
    adjustment_ = Str2Float_2(answers_.Text(page, slots_.adjustment));
    edtNoOfChildren_->setText(QOf(answers_.Text(page, slots_.children)));
    edtExemption_->setText(QOf(MoneyFieldText(answers_.Text(page, slots_.exemption))));
    edtSupportReceived_->setText(QOf(MoneyFieldText(answers_.Text(page, slots_.supportReceived))));
    for (QLineEdit* edit : {edtNoOfChildren_, edtExemption_, edtSupportReceived_})
        connect(edit, &QLineEdit::textChanged, this, &TfrmOtherChildrenDlg::Recalculate);
    Recalculate();
    edtNoOfChildren_->setFocus();
}

// Runs on every change of the three fields; a field's message waits until
// the field is left.
void TfrmOtherChildrenDlg::Recalculate() {
    const OtherChildrenAdjustment result = AdjustmentWhileTyping(
        StdOf(edtNoOfChildren_->text()), StdOf(edtExemption_->text()), StdOf(edtSupportReceived_->text()));
    adjustment_ = result.adjustment;
    lblPotentialAdjustment_->setText(QOf(CurrencyText(result.potential)));
    lblAdjustment_->setText(QStringLiteral("Adjustment = ") + QOf(CurrencyText(adjustment_)));
}

void TfrmOtherChildrenDlg::Write() {
    const int page = slots_.page;
    answers_.SetText(page, slots_.adjustment, SlotNumberText(adjustment_));
    answers_.SetText(page, slots_.children, StdOf(edtNoOfChildren_->text()));
    answers_.SetText(page, slots_.exemption, StdOf(edtExemption_->text()));
    answers_.SetText(page, slots_.supportReceived, StdOf(edtSupportReceived_->text()));
    answers_.SetText(page, slots_.line8, SlotNumberText(adjustment_));
}

}  // namespace quill10::gui
