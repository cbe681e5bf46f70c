#include "dialogs/PovertyDlg.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/LineDialogs.h"

namespace quill10::gui {

namespace {

constexpr HelpPage kHelp{1004, "/help/quill10/special_considerations/cash_medical_support.htm", "the poverty guidelines"};

// The figures are right-aligned in their text, so they line up in a
// fixed-pitch font.
QLabel* Figure(const QString& name, double amount) {
    auto* label = new QLabel(QOf(PovertyBoxText(amount)));
    label->setObjectName(name);
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return label;
}

}  // namespace

TfrmPovertyDlg::TfrmPovertyDlg(QWidget* parent)
    : TLineDialog(QStringLiteral("frmPovertyDlg"), QStringLiteral("HHS Poverty Guidelines"), kHelp, parent) {
    Body()->addWidget(NewHeading(QStringLiteral("HHS Poverty Guidelines Information")));
    QFormLayout* form = nullptr;
    Body()->addWidget(NewGroup(QStringLiteral("Ohio Department of Job && Family Services - "), form));
    form->addRow(QStringLiteral("Federal Poverty Level"), Figure(QStringLiteral("lblFederalPovertyLevel"), FederalPovertyLevel()));
    form->addRow(QStringLiteral("150% of Federal Poverty Level"),
                 Figure(QStringLiteral("lbl150FederalPovertyLevel"), FederalPovertyLevel() * 1.5));
    AddButton(QStringLiteral("Ok"), QStringLiteral("btnOk"), [this] { accept(); });
}

}  // namespace quill10::gui
