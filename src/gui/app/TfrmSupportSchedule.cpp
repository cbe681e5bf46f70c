#include "app/TfrmSupportSchedule.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/TfrmMain.h"
#include "calc/CalcEnvironment.h"
#include "files/ScheduleInstall.h"
#include "store/Answers.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

const QString kScheduleFilter =
    QStringLiteral("Support schedules (*.txt *.csv *.tsv *.pdf *.TXT *.CSV *.PDF);;All files (*)");

}  // namespace

// ---- Installing a schedule ------------------------------------------------------

TfrmInstallSchedule::TfrmInstallSchedule(const QString& file, const ScheduleReading& reading, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmInstallSchedule"));
    setWindowTitle(QStringLiteral("Install a Support Schedule"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("What was read from \"%1\":").arg(QFileInfo(file).fileName()), this);
    layout->addWidget(heading);
    auto* verdict = new QPlainTextEdit(Q(ScheduleVerdict(reading)), this);
    verdict->setObjectName(QStringLiteral("memVerdict"));
    verdict->setReadOnly(true);
    verdict->setMinimumSize(560, 150);
    layout->addWidget(verdict);
    auto* form = new QFormLayout;
    edtScheduleName_ = new QLineEdit(this);
    edtScheduleName_->setObjectName(QStringLiteral("edtScheduleName"));
    edtScheduleName_->setPlaceholderText(QStringLiteral("as the office knows it, for example Ohio schedule 2024"));
    edtEffective_ = new QLineEdit(this);
    edtEffective_->setObjectName(QStringLiteral("edtEffective"));
    edtEffective_->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
    form->addRow(QStringLiteral("Schedule's &name:"), edtScheduleName_);
    form->addRow(QStringLiteral("&Effective date:"), edtEffective_);
    layout->addLayout(form);
    lblProblem_ = new QLabel(this);
    lblProblem_->setObjectName(QStringLiteral("lblProblem"));
    lblProblem_->setWordWrap(true);
    lblProblem_->setStyleSheet(QStringLiteral("color: #a00000;"));
    lblProblem_->setVisible(!reading.Sound());
    lblProblem_->setText(QStringLiteral("This file cannot be installed: it fails the table check. The schedule in use "
                                        "is unchanged."));
    layout->addWidget(lblProblem_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* install = buttons->addButton(QStringLiteral("&Install"), QDialogButtonBox::AcceptRole);
    install->setObjectName(QStringLiteral("btnInstall"));
    install->setEnabled(reading.Sound());
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmInstallSchedule::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    edtScheduleName_->setFocus();
}

QString TfrmInstallSchedule::ScheduleName() const { return edtScheduleName_->text().trimmed(); }
QString TfrmInstallSchedule::Effective() const { return edtEffective_->text().trimmed(); }

void TfrmInstallSchedule::accept() {
    const std::string nameProblem = ScheduleNameProblem(ScheduleName().toStdString());
    const std::string dateProblem = EffectiveDateProblem(Effective().toStdString());
    if (nameProblem.empty() && dateProblem.empty()) {
        QDialog::accept();
        return;
    }
    lblProblem_->setText(Q(nameProblem.empty() ? dateProblem : nameProblem));
    lblProblem_->show();
    (nameProblem.empty() ? edtEffective_ : edtScheduleName_)->setFocus();
}

// ---- The schedule in use ------------------------------------------------------

TfrmSupportSchedule::TfrmSupportSchedule(TfrmMain& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("frmSupportSchedule"));
    setWindowTitle(QStringLiteral("Support Schedule"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Line 17 of every worksheet is taken from this support schedule:"), this));
    lblInUse_ = new QLabel(this);
    lblInUse_->setObjectName(QStringLiteral("lblInUse"));
    lblInUse_->setWordWrap(true);
    lblInUse_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblInUse_->setMinimumWidth(520);
    layout->addWidget(lblInUse_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* install = buttons->addButton(QStringLiteral("Install a &Schedule..."), QDialogButtonBox::ActionRole);
    install->setObjectName(QStringLiteral("btnInstallSchedule"));
    btnUseInstalled_ = buttons->addButton(QStringLiteral("&Use the Installed Schedule"), QDialogButtonBox::ActionRole);
    btnUseInstalled_->setObjectName(QStringLiteral("btnUseInstalled"));
    buttons->addButton(QDialogButtonBox::Close);
    for (QPushButton* button : buttons->findChildren<QPushButton*>()) button->setAutoDefault(false);
    connect(install, &QPushButton::clicked, this, &TfrmSupportSchedule::InstallClick);
    connect(btnUseInstalled_, &QPushButton::clicked, this, &TfrmSupportSchedule::UseInstalledClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Refresh();
}

// Another schedule's description may take more lines: the dialog grows to
// show all of it, never cutting its last line.
void TfrmSupportSchedule::Refresh() {
    lblInUse_->setText(main_.ScheduleInUse());
    btnUseInstalled_->setEnabled(!main_.CurrentSettings().schedule.file.empty());
    layout()->activate();
    const int needed = hasHeightForWidth() ? heightForWidth(width()) : sizeHint().height();
    if (isVisible() && height() < needed) resize(width(), needed);
}

void TfrmSupportSchedule::InstallClick() {
    const QString file = main_.Prompts().ChooseFileToOpen(QStringLiteral("Install a Support Schedule"),
                                                          Q(main_.CurrentSettings().folders.clientFiles),
                                                          kScheduleFilter);
    if (file.isEmpty()) return;
    const ScheduleReading reading = ReadScheduleFile(file.toStdString());
    TfrmInstallSchedule dialog(file, reading, this);
    if (main_.Prompts().RunDialog(dialog) != QDialog::Accepted) return;
    const QString error = main_.InstallOfficeSchedule(reading, dialog.ScheduleName(), dialog.Effective());
    if (!error.isEmpty()) main_.Prompts().Warn(QStringLiteral("The schedule was not installed: %1\nThe schedule in use "
                                                              "is unchanged.")
                                                   .arg(error));
    Refresh();
}

void TfrmSupportSchedule::UseInstalledClick() {
    main_.UseInstalledScheduleClick();
    Refresh();
}

// ---- The main window's schedule commands --------------------------------------

void TfrmMain::ApplySchedule() {
    environment_->UseSchedule(settings_.schedule);
    ShowScheduleNotice();
}

// The status bar says when the figures come from the demonstration schedule,
// or are not computed because the schedule cannot be read.
void TfrmMain::ShowScheduleNotice() {
    bool demonstration = false;
    try {
        demonstration = environment_->Table().IsDemonstration();
    } catch (const SupportTableError&) {
        // The calculation reports a schedule that cannot be used.
    }
    const QString notice = !scheduleFailure_.isEmpty() ? scheduleFailure_
                           : demonstration             ? QString::fromUtf8(kDemonstrationFooter)
                                                       : QString();
    lblScheduleNotice_->setText(notice);
    lblScheduleNotice_->setToolTip(notice);
    lblScheduleNotice_->setWordWrap(!scheduleFailure_.isEmpty());
    lblScheduleNotice_->setVisible(!notice.isEmpty());
}

QString TfrmMain::ScheduleInUse() {
    try {
        return Q(ScheduleInUseText(environment_->Table()));
    } catch (const SupportTableError& error) {
        return QStringLiteral("The support schedule cannot be used: %1").arg(Q(error.what()));
    }
}

void TfrmMain::SupportScheduleClick() {
    if (!Commit()) return;
    TfrmSupportSchedule dialog(*this);
    prompts_->RunDialog(dialog);
}

QString TfrmMain::InstallOfficeSchedule(const ScheduleReading& reading, const QString& name, const QString& effective) {
    if (!reading.Sound()) return Q(reading.fault.Message());
    Settings written;
    const std::string error = InstallSchedule(settingsFile_, settingsDefaults_, reading.rows, name.toStdString(),
                                              effective.toStdString(), written);
    if (!error.empty()) return Q(error);
    AdoptSettings(written, {});
    RecalculateCase();
    UpdateMenuItems();
    return {};
}

void TfrmMain::UseInstalledScheduleClick() {
    Settings written;
    if (const std::string error = UseInstalledSchedule(settingsFile_, settingsDefaults_, written); !error.empty()) {
        prompts_->Warn(QStringLiteral("The settings could not be written: %1\nThe schedule in use is unchanged.")
                           .arg(Q(error)));
        return;
    }
    AdoptSettings(written, {});
    RecalculateCase();
    UpdateMenuItems();
}

}  // namespace quill10::gui
