// Recovery copies: while the case has unsaved changes, a copy of it is kept
// in the recovery folder beside the settings file (RecoveryKeeper); saving
// it or giving its changes up removes the copy.  At start-up, and from File
// > Recover Unsaved Cases, the copies of windows that have gone are offered:
// Recover opens one as an unsaved change of its case, so that Save writes it
// to the case's file after the usual check that nobody changed that file
// since; Save As... keeps it under another name; Discard drops it.
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <filesystem>

#include "app/CaseHistory.h"
#include "app/RecoveryKeeper.h"
#include "app/TfrmMain.h"
#include "app/TfrmRecovery.h"
#include "calc/CalcEnvironment.h"
#include "files/ClientFile.h"
#include "files/NewCase.h"
#include "files/Recovery.h"
#include "platform/SafeSave.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kStatusMilliseconds = 10000;

// "Smith.q10 (copied 5/31/2024 9:14)".
QString CopyTitle(const RecoveryInfo& info) {
    return QStringLiteral("%1 (copied %2)").arg(Q(CaseNameOf(info)), Q(CopyTimeText(info)));
}

}  // namespace

void TfrmMain::StartRecoveryCopies() {
    recovery_ = std::make_unique<RecoveryKeeper>(RecoveryFolder(settingsFile_), [this] { return RecoveryCopyBytes(); });
    recovery_->SetInterval(settings_.recoveryInterval);
    connect(recovery_.get(), &RecoveryKeeper::failed, this, [this](const QString& why) {
        statusBar()->showMessage(QStringLiteral("The recovery copy of the unsaved changes could not be kept: ") + why,
                                 kStatusMilliseconds);
    });
}

void TfrmMain::AddRecoveryCommands(QMenu* file, QMenu* options) {
    QAction* recover = new QAction(QStringLiteral("Recover &Unsaved Cases..."), this);
    recover->setObjectName(QStringLiteral("mnuRecover"));
    // Beside Open, where a case is fetched.
    file->insertAction(file->actions().value(2), recover);
    connect(recover, &QAction::triggered, this, [this] { OfferRecoveryCopies(true); });
    QAction* interval = options->addAction(QStringLiteral("Recovery Co&pies..."));
    interval->setObjectName(QStringLiteral("mnuRecoveryInterval"));
    connect(interval, &QAction::triggered, this, &TfrmMain::RecoveryIntervalClick);
}

void TfrmMain::KeepRecoveryCopy() {
    if (recovery_ && modified_) recovery_->CaseChanged();
}

void TfrmMain::ForgetRecoveryCopy() {
    if (recovery_) recovery_->Forget();
}

// The case as a save would write it (slot 1:100 names the page on
// display), with what the copy says about it.
std::string TfrmMain::RecoveryCopyBytes() {
    RecoveryInfo info;
    const std::string& name = environment_->currentFileName;
    info.original = name.empty() || IsUntitledName(name) ? std::string() : name;
    info.time = SecondsNow();
    info.steps = history_->Dropped() + history_->Index();
    info.process = CurrentProcess();
    if (!info.original.empty() && stampedPath_ == name) info.base = caseStamp_;
    const std::string page = answers_->Text(1, 100);
    answers_->SetText(1, 100, std::to_string(std::max(0, currentPage_)));
    std::string bytes = RecoveryCopyText(info, ClientFileText(*answers_, grid_));
    answers_->SetText(1, 100, page);
    return bytes;
}

void TfrmMain::OfferRecoveryCopies(bool always) {
    std::vector<RecoveryEntry> copies = AbandonedRecoveryCopies(RecoveryFolder(settingsFile_));
    if (copies.empty()) {
        if (always) prompts_->Inform(QStringLiteral("There are no unsaved cases to recover."));
        return;
    }
    TfrmRecovery dialog(*this, std::move(copies));
    prompts_->RunDialog(dialog);
    UpdateMenuItems();
}

bool TfrmMain::RecoverCopy(const RecoveryEntry& entry) {
    if (!Commit() || !AskToSaveChanges()) return false;
    std::string error;
    std::optional<RecoveryCopy> copy = ReadRecoveryCopy(entry.path, error);
    std::optional<ClientFileContents> contents = copy ? RecoveredCase(*copy, environment_, error) : std::nullopt;
    if (!contents) {
        prompts_->Warn(QStringLiteral("The unsaved changes in \"%1\" cannot be recovered: %2\nThe copy is left as it is.")
                           .arg(Q(entry.path), Q(error)));
        return false;
    }
    const QString original = Q(copy->info.original);
    std::optional<Opening> opening = original.isEmpty() ? std::optional<Opening>(Opening{})
                                                        : PrepareOpening(original, OpenMode::kEditing);
    if (!opening) return false;
    if (!recovery_->Adopt(entry.path, error)) {
        prompts_->Warn(QStringLiteral("The unsaved changes of %1 cannot be recovered: %2")
                           .arg(CopyTitle(copy->info), Q(error)));
        return false;
    }
    ClearPage();
    answers_ = std::move(contents->answers);
    grid_ = std::move(contents->grid);
    const bool ownCase = !original.isEmpty() && opening->mode != OpenMode::kCopy;
    TakeOpening(std::move(*opening), original.isEmpty() ? QString::fromLatin1(kUntitledName) : original);
    StampCase();
    // Save compares the case's file with what the window that made the copy
    // had read, so changes made there since are not written over unasked.
    if (ownCase) caseStamp_ = copy->info.base;
    StartNewHistory();
    history_->ForgetClean();  // no state of the history is saved
    ShowStartScreen(false);
    DisplayPage(Str2Int(answers_->Text(1, 100)) * 100);
    SetModified(true);
    UpdateMenuItems();
    recovery_->WriteNow();  // the copy is this window's now
    statusBar()->showMessage(
        QStringLiteral("Recovered the unsaved changes of %1. Save writes them to the case.").arg(CopyTitle(copy->info)),
        kStatusMilliseconds);
    return true;
}

bool TfrmMain::SaveRecoveryCopyAs(const RecoveryEntry& entry) {
    std::string error;
    const std::optional<RecoveryCopy> copy = ReadRecoveryCopy(entry.path, error);
    if (!copy || !RecoveredCase(*copy, environment_, error)) {
        prompts_->Warn(QStringLiteral("The unsaved changes in \"%1\" cannot be read: %2\nThe copy is left as it is.")
                           .arg(Q(entry.path), Q(error)));
        return false;
    }
    const QString proposal = copy->info.original.empty()
                                 ? Q(IncludeTrailingPathDelimiter(settings_.folders.clientFiles)) + "Recovered case.q10"
                                 : Q(copy->info.original);
    const QString name = ChooseFileToWrite(*prompts_, {QStringLiteral("Save Recovered Case As"), proposal,
                                                       QStringLiteral("QUILL10 Files (*.q10)"), QStringLiteral("q10"),
                                                       {Q(entry.path)}, {}});
    if (name.isEmpty() || !LockForSaving(name)) return false;
    // The case exactly as the window would have saved it.
    if (!SaveFileAtomically(name.toStdString(), copy->caseBytes, error)) {
        prompts_->Warn(QStringLiteral("The recovered case could not be saved: %1\nThe copy is kept.").arg(Q(error)));
        return false;
    }
    std::error_code ec;
    std::filesystem::remove(entry.path, ec);
    AddToRecentFiles(name);
    statusBar()->showMessage(QStringLiteral("Saved the unsaved changes of %1 as %2.")
                                 .arg(CopyTitle(copy->info), QFileInfo(name).fileName()),
                             kStatusMilliseconds);
    return true;
}

bool TfrmMain::DiscardRecoveryCopy(const RecoveryEntry& entry) {
    const QString what = entry.problem.empty() ? CopyTitle(entry.info) : Q(entry.path);
    if (!prompts_->AskYesNo(QStringLiteral("Discard the unsaved changes of %1?\nThey cannot be recovered afterwards; "
                                           "the case's own file stays as it is.")
                                .arg(what)))
        return false;
    std::error_code ec;
    if (!std::filesystem::remove(entry.path, ec) && ec) {
        prompts_->Warn(QStringLiteral("The copy \"%1\" could not be removed: %2").arg(Q(entry.path), Q(ec.message())));
        return false;
    }
    return true;
}

void TfrmMain::RecoveryIntervalClick() {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmRecoveryInterval"));
    dialog.setWindowTitle(QStringLiteral("Recovery Copies"));
    auto* layout = new QFormLayout(&dialog);
    auto* explanation = new QLabel(QStringLiteral(
        "While a case has unsaved changes, QUILL10 keeps a copy of them to recover after a crash or a power cut: "
        "after every 20 changes, and at most this many seconds after a change. 0 keeps no copies."));
    explanation->setWordWrap(true);
    layout->addRow(explanation);
    auto* seconds = new QSpinBox;
    seconds->setObjectName(QStringLiteral("spnRecoveryInterval"));
    seconds->setRange(0, kMaxRecoveryInterval);
    seconds->setSuffix(QStringLiteral(" s"));
    seconds->setSpecialValueText(QStringLiteral("never"));
    seconds->setValue(settings_.recoveryInterval);
    layout->addRow(QStringLiteral("&Copy unsaved changes every:"), seconds);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOk"));
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    if (prompts_->RunDialog(dialog) != QDialog::Accepted) return;
    const int interval = seconds->value();
    ChangeSettings([interval](Settings& s) { s.recoveryInterval = interval; }, QStringLiteral("recovery copy interval"));
    recovery_->SetInterval(interval);
}

}  // namespace quill10::gui
