#include "dialogs/ChildCareDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "calc/LineDialogs.h"
#include "calc/ListChoices.h"
#include "calc/ListChoices.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

constexpr HelpPage kHelp{1006, "/help/quill10/special_considerations/child_care_expenses.htm", "child care expenses"};

enum class FieldType { Money, Count, FilingStatus, Repealed, Box };
enum Place { FirstColumn, SecondColumn, Options };
// The tax liabilities follow the box that chooses them.
constexpr int kLiabilitiesAfter = 12;

// The dialog's fields in slot order: slot base + offset.  Overrideable
// fields hold what the calculation works out unless the user overrides them.
struct FieldRow {
    int offset;
    const char* name;
    const char* label;
    FieldType type;
    bool overrideable;
    Place place;
};
constexpr FieldRow kFields[TfrmChildCareDlg::kFieldCount] = {
    {0, "edtTotalExpenses", "Total child care expenses", FieldType::Money, false, FirstColumn},
    {1, "edtQualifyingExpenses", "Qualifying expenses", FieldType::Money, false, FirstColumn},
    {2, "edtEarnedIncome", "Earned income*", FieldType::Money, true, FirstColumn},
    {3, "edtSpouseEI", "Spouse's earned income (joint filers only)", FieldType::Money, false, FirstColumn},
    {4, "edtAGI", "Adjusted gross income*", FieldType::Money, true, FirstColumn},
    {5, "edtNoOfChildren", "Number of children*", FieldType::Count, true, FirstColumn},
    {6, "cmbxFilingStatus", "Filing status", FieldType::FilingStatus, false, SecondColumn},
    {7, "edtDeductions", "Standard/Itemized Deductions*", FieldType::Money, true, SecondColumn},
    {8, "edtExemption", "Exemption amount*", FieldType::Money, true, SecondColumn},
    {9, "edtAMT", "Alternate minimum tax", FieldType::Repealed, false, SecondColumn},
    {10, "edtForeignTaxCredit", "Foreign tax credit", FieldType::Money, false, SecondColumn},
    {11, "CheckBox1", "The low/low-mid income limits do not apply", FieldType::Box, false, Options},
    {12, "CheckBox2", "I don't wish to calculate the taxes, use these limits instead:", FieldType::Box, false, Options},
    {13, "edtFederalTax", "Federal tax liability (tax + AMT):", FieldType::Money, false, Options},
    {14, "edtStateTax", "State tax liability", FieldType::Money, false, Options},
    {15, "CheckBox3", "Perform tax calculation (must complete second column of Tax Information above",
     FieldType::Box, false, Options},
    {16, "CheckBox4", "Subtract the Ohio care credit from total child care expenses", FieldType::Box, false, Options},
};

// A filing status that is empty or names none of the list (the worksheet
// stores "-1" while nothing is chosen) shows "Single".
int FilingStatusIndex(const std::string& text) {
    const int index = Str2Int(text);
    return index >= 0 && index < static_cast<int>(std::size(kFilingStatusNames)) ? index : 0;
}

}  // namespace

TfrmChildCareDlg::TfrmChildCareDlg(const DialogContext& context, QWidget* parent)
    : TLineDialog(QStringLiteral("frmChildCareDlg"), QStringLiteral("Child Care Expense"), kHelp, parent),
      answers_(context.answers) {
    const ChildCareSlots& where = *ChildCareSlotsOf(context.code);
    page_ = where.page;
    base_ = where.base;
    Body()->addWidget(NewHeading(QStringLiteral("Child Care Expense & Tax Credit Information")));

    auto* tax = new QGroupBox(QStringLiteral("Tax Information"));
    auto* taxLayout = new QVBoxLayout(tax);
    auto* columns = new QHBoxLayout;
    QFormLayout* forms[2] = {new QFormLayout, new QFormLayout};
    columns->addLayout(forms[0]);
    columns->addSpacing(16);
    columns->addLayout(forms[1]);
    taxLayout->addLayout(columns);
    taxLayout->addWidget(new QLabel(QStringLiteral("* Right-click to override these fields")));
    Body()->addWidget(tax);
    QFormLayout* options = nullptr;
    Body()->addWidget(
        NewGroup(QStringLiteral(" Calculation Options (you must check one of the first three checkboxes below) "), options));
    auto* liabilities = new QFormLayout;
    liabilities->setContentsMargins(28, 0, 0, 0);
    liabilities->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);

    for (int row = 0; row < kFieldCount; ++row) {
        const FieldRow& f = kFields[row];
        QWidget* field = BuildField(row);
        if (f.type == FieldType::Box) options->addRow(field);
        else if (f.place == Options) liabilities->addRow(QString::fromLatin1(f.label), field);
        else forms[f.place]->addRow(QString::fromLatin1(f.label), field);
        if (f.offset == kLiabilitiesAfter) options->addRow(liabilities);
    }

    AddAccept([this] { Write(); });
    AddButton(QStringLiteral("Refresh"), QStringLiteral("btnRefresh"), [this] {
        Write();
        MarkCaseChanged();
        done(Refresh);
    });
    AddCancel();
    Fill();
}

QWidget* TfrmChildCareDlg::BuildField(int row) {
    const FieldRow& f = kFields[row];
    QWidget* field = nullptr;
    switch (f.type) {
        case FieldType::Box: {
            QCheckBox* box = nullptr;
            QWidget* line = NewWrappedCheckBox(QString::fromLatin1(f.name), QString::fromLatin1(f.label), box);
            fields_[row] = box;
            return line;
        }
        case FieldType::FilingStatus: {
            auto* list = new QComboBox;
            for (const char* status : kFilingStatusNames) list->addItem(QString::fromLatin1(status));
            field = list;
            break;
        }
        default: {
            QLineEdit* edit = NewField(QString());
            if (f.type == FieldType::Money) MakeMoneyField(edit);
            if (f.type == FieldType::Repealed) edit->setReadOnly(true);
            if (f.overrideable) OfferOverride(edit, [this, row] { ToggleOverride(row); });
            field = edit;
        }
    }
    field->setObjectName(QString::fromLatin1(f.name));
    fields_[row] = field;
    return field;
}

void TfrmChildCareDlg::Fill() {
    for (int row = 0; row < kFieldCount; ++row) {
        const FieldRow& f = kFields[row];
        const std::string& text = answers_.Text(page_, Slot(f.offset));
        switch (f.type) {
            case FieldType::Money: static_cast<QLineEdit*>(fields_[row])->setText(QOf(MoneyFieldText(text))); break;
            case FieldType::Count: static_cast<QLineEdit*>(fields_[row])->setText(QOf(text)); break;
            case FieldType::Repealed: static_cast<QLineEdit*>(fields_[row])->setText(QStringLiteral("Repealed")); break;
            case FieldType::FilingStatus: static_cast<QComboBox*>(fields_[row])->setCurrentIndex(FilingStatusIndex(text)); break;
            case FieldType::Box: static_cast<QCheckBox*>(fields_[row])->setChecked(text == "X"); break;
        }
        if (f.overrideable)
            ShowOverrideState(static_cast<QLineEdit*>(fields_[row]), answers_.OvRide(page_, Slot(f.offset)));
    }
}

// Every field as shown into its slot; an overrideable field's slot is
// overridden exactly while the field is editable.
void TfrmChildCareDlg::Write() {
    for (int row = 0; row < kFieldCount; ++row) {
        const FieldRow& f = kFields[row];
        const int slot = Slot(f.offset);
        switch (f.type) {
            case FieldType::Money:
            case FieldType::Count: {
                auto* edit = static_cast<QLineEdit*>(fields_[row]);
                answers_.SetText(page_, slot, StdOf(edit->text()));
                if (f.overrideable) answers_.SetOvRide(page_, slot, IsOverriddenField(edit));
                break;
            }
            case FieldType::FilingStatus:
                answers_.SetText(page_, slot, std::to_string(static_cast<QComboBox*>(fields_[row])->currentIndex()));
                break;
            case FieldType::Box:
                answers_.SetText(page_, slot, static_cast<QCheckBox*>(fields_[row])->isChecked() ? "X" : "");
                break;
            case FieldType::Repealed:
                break;
        }
    }
}

// Flips the slot's override flag at once; the field follows it.
void TfrmChildCareDlg::ToggleOverride(int row) {
    const int slot = Slot(kFields[row].offset);
    const bool overridden = !answers_.OvRide(page_, slot);
    answers_.SetOvRide(page_, slot, overridden);
    ShowOverrideState(static_cast<QLineEdit*>(fields_[row]), overridden);
    MarkCaseChanged();
}

}  // namespace quill10::gui
