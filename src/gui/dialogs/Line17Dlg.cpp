#include "dialogs/Line17Dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/LineDialogs.h"

namespace quill10::gui {

namespace {
constexpr HelpPage kHelp{1005, "/help/quill10/special_considerations/table_lookup.htm", "the support table lookup"};
}

// A dialog opened from a short form works on the long form's slots: the
// short form has been moved there before it opens.
TfrmLine17Dlg::TfrmLine17Dlg(const DialogContext& context, QWidget* parent)
    : TLineDialog(QStringLiteral("frmLine17Dlg"), QStringLiteral("Table Lookup Calculation Options"), kHelp, parent),
      answers_(context.answers),
      slots_(*Line17SlotsOf(context.code)) {
    Body()->addWidget(NewHeading(QStringLiteral("Line 17 Calculation Options")));
    auto* form = new QFormLayout;
    Body()->addLayout(form);
    ComboBox1_ = new QComboBox;
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    for (const char* method : kLookupMethods) ComboBox1_->addItem(QString::fromLatin1(method));
    form->addRow(QStringLiteral("Select Support Table Lookup Method"), ComboBox1_);
    QCheckBox* box = nullptr;
    Body()->addWidget(NewWrappedCheckBox(
        QStringLiteral("CheckBox1"),
        QStringLiteral("Limit support for combined gross incomes greater than $150,000 to the $150,000 amount."), box));
    CheckBox1_ = box;
    AddAcceptAndCancel([this] {
        WriteLine17Options(answers_, slots_, {ComboBox1_->currentIndex(), CheckBox1_->isChecked()});
    });

    const Line17Options options = ReadLine17Options(answers_, slots_);
    ComboBox1_->setCurrentIndex(options.method);
    CheckBox1_->setChecked(options.limit);
}

}  // namespace quill10::gui
