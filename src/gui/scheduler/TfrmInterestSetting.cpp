#include "scheduler/TfrmInterestSetting.h"
#include "dialogs/DialogSupport.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10::gui {

namespace {

constexpr InterestSettingTexts kRateTexts = {
    "frmInterestRate",
    "Set Interest Rate",
    "edtRate",
    "Enter interest rate",
    "Enter the default interest rate below. This is the rate of interest charged to child support arrearages. The "
    "statutory interest rate on judgments is set by the Ohio Tax Commissioner annually.",
    "/help/quill10/display_menu/set_default_rate.htm",
    "the default interest rate",
};

constexpr InterestSettingTexts kThresholdTexts = {
    "frmInterestThreshold",
    "Set Default Interest Threshold",
    "edtThreshold",
    "Enter amount",
    "Enter the interest threshold in the box below. The interest threshold is the amount of interest below which "
    "amounts will not be added to the Interest column of the Schedule. \n\nFor example, a week-late payment "
    "generates a few cents in interest. In order to make the computation more realistic and avoid working with "
    "insignificant amounts, you can set a threshold below which interest will not be added. The default is $1.00.",
    "/help/quill10/options_menu/set_interest_threshold.htm",
    "the interest threshold",
};

}  // namespace

QString InterestSettingText(double value) {
    const bool cents = RoundDecimals(value, 2) == RoundDecimals(value, 10);
    return QString::fromStdString(cents ? MoneyText(value) : GeneralNumberText(value));
}

TfrmInterestSetting::TfrmInterestSetting(const InterestSettingTexts& texts, double& setting, QWidget* parent,
                                         const QString& note)
    : QDialog(parent), texts_(texts), setting_(setting) {
    setObjectName(QString::fromLatin1(texts.objectName));
    setWindowTitle(QString::fromLatin1(texts.caption));
    setMinimumWidth(440);
    auto* layout = new QVBoxLayout(this);
    QString text = QString::fromLatin1(texts.explanation);
    if (!note.isEmpty()) text += QLatin1Char(' ') + note;
    auto* explanation = new QLabel(text, this);
    explanation->setObjectName(QStringLiteral("lblExplanation"));
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto* form = new QFormLayout;
    field_ = new QLineEdit(InterestSettingText(setting), this);
    field_->setObjectName(QString::fromLatin1(texts.fieldName));
    form->addRow(QString::fromLatin1(texts.fieldLabel), field_);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const struct {
        const char* name;
        const char* caption;
        void (TfrmInterestSetting::*run)();
    } commands[] = {{"btnOk", "Ok", &TfrmInterestSetting::OkClick},
                    {"btnCancel", "Cancel", nullptr},
                    {"btnHelp", "?", &TfrmInterestSetting::HelpOnClick}};
    for (const auto& command : commands) {
        auto* button = new QPushButton(QString::fromLatin1(command.caption), this);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setAutoDefault(command.run == &TfrmInterestSetting::OkClick);
        button->setDefault(command.run == &TfrmInterestSetting::OkClick);
        if (command.run == &TfrmInterestSetting::HelpOnClick)
            button->setAccessibleName(QStringLiteral("Help on ") + QString::fromLatin1(texts.helpOn));
        if (command.run) connect(button, &QPushButton::clicked, this, [this, run = command.run] { (this->*run)(); });
        else connect(button, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    field_->selectAll();
    field_->setFocus();
}

void TfrmInterestSetting::OkClick() {
    const std::optional<double> value = TryParseNumber(RemoveCommasAndSigns(field_->text().trimmed().toStdString()));
    if (!value && !field_->text().trimmed().isEmpty()) {
        ErrorMessage(kErrInterestSetting, texts_.objectName);
        field_->setFocus();
        return;
    }
    setting_ = value.value_or(0.0);
    accept();
}

void TfrmInterestSetting::HelpOnClick() { OpenHelpPage(texts_.helpPage); }

TfrmInterestRate::TfrmInterestRate(double& defaultRate, const InterestRateTable& rates, QWidget* parent)
    : TfrmInterestSetting(kRateTexts, defaultRate, parent,
                          QString::fromStdString(StatutoryRateSentence(rates, Today().year))) {}

TfrmInterestThreshold::TfrmInterestThreshold(double& threshold, QWidget* parent)
    : TfrmInterestSetting(kThresholdTexts, threshold, parent) {}

}  // namespace quill10::gui
