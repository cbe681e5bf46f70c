#include "dialogs/DeviationDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/LineDialogs.h"
#include "store/Answers.h"

namespace quill10::gui {

namespace {

constexpr HelpPage kHelp{1008, "/help/quill10/special_considerations/line27b.htm", "the shared parenting deviation"};
constexpr int kPage = 0;
constexpr int kMotherCode = 12;

enum class OptionType { Box, Amount, Percent };

// The options in the order the dialog shows them, with the slots of the
// father's (code 11) and the mother's (code 12) column on screen page 0.
struct OptionRow {
    const char* name;
    const char* text;
    OptionType type;
    int group;  // 0 manual, 1 calculation options, 2 erase the obligation
    int fatherSlot, motherSlot;
};
constexpr OptionRow kOptions[TfrmDeviationDlg::kOptionCount] = {
    {"cbxManual",
     "Use this method to enter the desired deviation directly. Enter the amount below that you wish to use as a "
     "deviation and appear on line 27b. Preface negative adjustments with a minus sign (-).",
     OptionType::Box, 0, 260, 270},
    {"edtManual", "Manual deviation amount", OptionType::Amount, 0, 261, 271},
    {"cbxOptional",
     "Use this method to apply one of the three adjustment options below. You must check one of the first three "
     "check boxes below. Optionally, the fourth check box may be checked if one of the first three is checked.",
     OptionType::Box, 1, 262, 272},
    {"cbxOffsetting",
     "Offset the parties' annual obligations against each other. See Weinberger, Fernbeck and Luke cases.",
     OptionType::Box, 1, 263, 273},
    {"cbxPossessionVsCombined",
     "Deviate by time of possession applied against the combined annual obligation. Enter the percentage here.",
     OptionType::Box, 1, 264, 274},
    {"edtCombined", "Percentage of time against the combined obligation", OptionType::Percent, 1, 265, 275},
    {"cbxPossessionVsObligor",
     "Deviate by time of possession applied against the obligor's annual obligation. Enter the percentage here. "
     "See Copas.",
     OptionType::Box, 1, 266, 276},
    {"edtObligor", "Percentage of time against the obligor's obligation", OptionType::Percent, 1, 267, 277},
    {"cbxIncludeAdjustments", "Include the line 21 through 26 adjustments in the calculation.", OptionType::Box, 1,
     268, 278},
    {"cbxEraseObligation", "Deviate in an amount which equals the obligor's annual obligation.", OptionType::Box, 2,
     269, 279},
    {"cbxEraseCMS", "Also erase cash medical support component", OptionType::Box, 2, 282, 283},
};

constexpr const char* kGroupTitles[] = {
    "1. Manual",
    "2. Calculation Options (you must check one of the first three checkboxes below) ",
    " 3. Deviate to erase obligation ",
};

}  // namespace

TfrmDeviationDlg::TfrmDeviationDlg(const DialogContext& context, QWidget* parent)
    : TLineDialog(QStringLiteral("frmDeviationDlg"), QStringLiteral("Shared Parenting Deviation Options"), kHelp,
                  parent),
      answers_(context.answers),
      mother_(context.code == kMotherCode) {
    Body()->addWidget(NewHeading(QStringLiteral("Line 27b - Shared Parenting Deviation")));
    auto* outer = new QGroupBox(QStringLiteral("Calculation Options - Check one of the options below "));
    auto* outerLayout = new QVBoxLayout(outer);
    QVBoxLayout* groups[3];
    for (int g = 0; g < 3; ++g) {
        auto* group = new QGroupBox(QString::fromLatin1(kGroupTitles[g]));
        groups[g] = new QVBoxLayout(group);
        outerLayout->addWidget(group);
    }
    Body()->addWidget(outer);
    for (int row = 0; row < kOptionCount; ++row) groups[kOptions[row].group]->addWidget(BuildOption(row));
    AddAcceptAndCancel([this] { Write(); });
    setMinimumWidth(640);
    Fill();
}

int TfrmDeviationDlg::SlotOf(int row) const { return mother_ ? kOptions[row].motherSlot : kOptions[row].fatherSlot; }

// A check box with its text wrapped, or an indented amount or percentage.
QWidget* TfrmDeviationDlg::BuildOption(int row) {
    const OptionRow& option = kOptions[row];
    if (option.type == OptionType::Box) {
        QCheckBox* box = nullptr;
        QWidget* line = NewWrappedCheckBox(QString::fromLatin1(option.name), QString::fromLatin1(option.text), box);
        controls_[row] = box;
        return line;
    }
    QLineEdit* edit = NewField(QString::fromLatin1(option.name));
    edit->setAccessibleName(QString::fromLatin1(option.text));  // a field's text is its name
    edit->setMaximumWidth(160);
    if (option.type == OptionType::Amount) MakeMoneyField(edit);
    else FormatOnLeaving(edit, TypedDeviationPercentText);
    controls_[row] = edit;
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(28, 0, 0, 0);
    layout->addWidget(edit);
    layout->addStretch();
    return line;
}

void TfrmDeviationDlg::Fill() {
    for (int row = 0; row < kOptionCount; ++row) {
        const std::string& text = answers_.Text(kPage, SlotOf(row));
        switch (kOptions[row].type) {
            case OptionType::Box: static_cast<QCheckBox*>(controls_[row])->setChecked(text == "X"); break;
            case OptionType::Amount: static_cast<QLineEdit*>(controls_[row])->setText(QOf(MoneyFieldText(text))); break;
            case OptionType::Percent:
                static_cast<QLineEdit*>(controls_[row])->setText(QOf(StoredDeviationPercentText(text)));
                break;
        }
    }
}

void TfrmDeviationDlg::Write() {
    for (int row = 0; row < kOptionCount; ++row) {
        if (auto* box = qobject_cast<QCheckBox*>(controls_[row])) answers_.SetText(kPage, SlotOf(row), box->isChecked() ? "X" : "");
        else answers_.SetText(kPage, SlotOf(row), StdOf(static_cast<QLineEdit*>(controls_[row])->text()));
    }
}

}  // namespace quill10::gui
