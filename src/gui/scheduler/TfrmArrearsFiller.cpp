#include "scheduler/TfrmArrearsFiller.h"
#include "dialogs/DialogSupport.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/TfrmMain.h"
#include "app/UserPrompts.h"
#include "scheduler/ScheduleDates.h"
#include "scheduler/Scheduler.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kHelpPage = "/help/quill10/display_menu/series_button.htm";

QLineEdit* AddField(QFormLayout* form, const char* name, const char* label, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    form->addRow(QString::fromLatin1(label), edit);
    return edit;
}

QString YearList(const std::vector<int>& years) {
    QStringList texts;
    for (int year : years) texts << QString::number(year);
    return texts.join(QStringLiteral(", "));
}

}  // namespace

TfrmArrearsFiller::TfrmArrearsFiller(SeriesKind kind, SchedulerGrid& table, TfrmMain& main, QWidget* parent)
    : QDialog(parent), kind_(kind), table_(table), main_(main) {
    setObjectName(QStringLiteral("frmArrearsFiller"));
    setWindowTitle(QStringLiteral("Payment/Due Date Scheduler"));
    setMinimumWidth(560);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edtDescription_ = AddField(form, "edtDescription", "Short description of payment due or payment made:", this);
    edtAmount_ = AddField(form, "edtAmount", "Amount", this);
    edtStartingDate_ = AddField(form, "edtStartingDate", "Starting date (M/D/YYYY)", this);
    edtEndingDate_ = AddField(form, "edtEndingDate", "Ending date (M/D/YYYY)", this);
    cmbxFrequency_ = new QComboBox(this);
    cmbxFrequency_->setObjectName(QStringLiteral("cmbxFrequency"));
    for (const char* name : kFrequencyNames) cmbxFrequency_->addItem(QString::fromLatin1(name));
    form->addRow(QStringLiteral("Frequency"), cmbxFrequency_);
    edtInterestRate_ = AddField(form, "edtInterestRate", "Interest rate (i.e., enter 3% as \"3\")", this);
    layout->addLayout(form);
    auto* note = new QLabel(QStringLiteral("Leave the interest rate blank if you wish QUILL to automatically use the "
                                           "statutory interest rate applicable on a particular date."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmArrearsFiller::OkClick);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName(QStringLiteral("btnHelp"));
    help->setAccessibleName(QStringLiteral("Help on series of dues and payments"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &TfrmArrearsFiller::HelpOnClick);
    for (QPushButton* button : {ok, cancel, help}) buttons->addWidget(button);
    layout->addLayout(buttons);

    // Opening: the kind's description, the default rate, today twice, Monthly.
    edtDescription_->setText(QString::fromLatin1(SeriesDescription(kind)));
    edtInterestRate_->setText(Q(RateCellText(PercentOf(main_.CurrentSettings().defaultInterestRate))));
    const QString today = Q(ScheduleDateText(Today()));
    edtStartingDate_->setText(today);
    edtEndingDate_->setText(today);
    cmbxFrequency_->setCurrentIndex(static_cast<int>(kDefaultFrequency));
    edtAmount_->setFocus();
}

std::optional<SeriesEntry> TfrmArrearsFiller::Refuse(QLineEdit* field, const std::string& message) {
    main_.Prompts().Warn(Q(message));
    field->setFocus();
    return std::nullopt;
}

std::optional<SeriesEntry> TfrmArrearsFiller::ReadEntry() {
    const std::string amount = edtAmount_->text().trimmed().toStdString();
    if (amount.empty()) return std::nullopt;
    SeriesEntry entry;
    entry.kind = kind_;
    entry.description = edtDescription_->text().toStdString();
    std::string problem;
    const std::optional<Cents> cents = ReadAmount(amount, problem);
    if (!cents) return Refuse(edtAmount_, "The amount " + problem + ".");
    entry.amount = *cents;
    const struct {
        QLineEdit* field;
        Date* date;
        const char* what;
    } dates[] = {{edtStartingDate_, &entry.start, "The starting date "}, {edtEndingDate_, &entry.end, "The ending date "}};
    for (const auto& date : dates) {
        const std::optional<Date> read = ReadScheduleDate(date.field->text().toStdString(), problem);
        if (!read) return Refuse(date.field, date.what + problem + ".");
        *date.date = *read;
    }
    entry.frequency = static_cast<Frequency>(cmbxFrequency_->currentIndex());
    const std::string rate = edtInterestRate_->text().trimmed().toStdString();
    if (!rate.empty()) {
        entry.rate = ReadRate(rate, problem);
        if (!entry.rate) return Refuse(edtInterestRate_, "The interest rate " + problem + ".");
    }
    return entry;
}

void TfrmArrearsFiller::OkClick() {
    const std::optional<SeriesEntry> entry = ReadEntry();
    if (!entry) return;
    std::string ratesProblem;
    const InterestRateTable rates =
        entry->rate ? InterestRateTable{} : LoadInterestRates(main_.CurrentSettings().folders.program, ratesProblem);
    const SeriesResult result = AppendSeries(table_, *entry, rates, main_.CurrentSettings().defaultInterestRate);
    if (!result.problem.empty()) {
        main_.Prompts().Warn(Q(result.problem));
        return;
    }
    if (!result.yearsWithoutRate.empty()) {
        QString text = QStringLiteral("No statutory interest rate is known for %1, so no row was made. Enter the "
                                      "interest rate to charge, or add the year's certified rate to %2 in the "
                                      "program folder.")
                           .arg(YearList(result.yearsWithoutRate), QString::fromLatin1(kInterestRatesFileName));
        if (!ratesProblem.empty()) text += QStringLiteral("\n") + Q(ratesProblem);
        main_.Prompts().Warn(text);
        return;
    }
    main_.SetModified(true);
    accept();
}

void TfrmArrearsFiller::HelpOnClick() { OpenHelpPage(kHelpPage); }

}  // namespace quill10::gui
