// Lock files for cases in shared folders: opening a case takes its lock
// file beside it; a case another window holds is opened read-only, as a
// copy, or not at all, as the user says; a lock left by a program that has
// ended on this computer is taken over without a word; saving a case under
// another name takes that file's lock.  A case read-only has Save off and
// "(read-only)" in the title; Save As saves it elsewhere.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

#include "app/TfrmMain.h"
#include "calc/CalcEnvironment.h"
#include "files/NewCase.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString NameOf(const QString& path) { return QFileInfo(path).fileName(); }

// The question about a case another window holds, with what each answer does.
QString LockQuestion(const QString& path, const LockFinding& found) {
    QString text = Q(LockMessage(path.toStdString(), found)) + QStringLiteral(".\n\n");
    if (found.state == LockState::kDoubtful)
        text += QStringLiteral("The lock may have been left behind by a window that ended without closing the case. "
                               "Remove the Lock and Open takes the case over; do so only when nobody is working "
                               "on it.\n");
    return text + QStringLiteral("Open Read-Only shows the case without saving over it (Save As saves a copy "
                                 "elsewhere); Open a Copy opens it as a new case of its own.");
}

}  // namespace

std::optional<TfrmMain::Opening> TfrmMain::PrepareOpening(const QString& path, OpenMode wanted) {
    Opening opening;
    opening.mode = wanted;
    if (wanted != OpenMode::kEditing) return opening;
    if (lock_ && lock_->Held() && SameFile(lock_->CasePath(), path.toStdString())) {
        opening.keepLock = true;  // this window's own case, opened again
        return opening;
    }
    auto lock = std::make_unique<CaseLock>();
    LockFinding found;
    std::string error;
    bool removeDoubtful = false;
    for (;;) {
        switch (lock->Take(path.toStdString(), found, error, removeDoubtful)) {
            case LockResult::kTaken:
                opening.lock = std::move(lock);
                return opening;
            case LockResult::kNotWritable:
                opening.mode = OpenMode::kReadOnly;
                opening.note = QStringLiteral("Read-only: the folder of %1 takes no lock file (%2); Save As saves a "
                                              "copy elsewhere.")
                                   .arg(NameOf(path), Q(error));
                return opening;
            case LockResult::kFailed:
                opening.note = QStringLiteral("No lock: %1. Another window opening %2 will not be told it is open here.")
                                   .arg(Q(error), NameOf(path));
                return opening;
            case LockResult::kHeld:
                break;
        }
        switch (prompts_->AskLockedCase(LockQuestion(path, found), found.state == LockState::kDoubtful)) {
            case LockedCaseAnswer::RemoveLock:
                removeDoubtful = true;
                continue;
            case LockedCaseAnswer::ReadOnly:
                opening.mode = OpenMode::kReadOnly;
                opening.note = QStringLiteral("Read-only: %1.").arg(Q(LockMessage(path.toStdString(), found)));
                return opening;
            case LockedCaseAnswer::Copy:
                opening.mode = OpenMode::kCopy;
                opening.note = QStringLiteral("A copy of %1, which is open elsewhere: Save asks for a name of its own.")
                                   .arg(NameOf(path));
                return opening;
            case LockedCaseAnswer::Cancel:
                return std::nullopt;
        }
    }
}

void TfrmMain::TakeOpening(Opening opening, const QString& path) {
    environment_->currentFileName = opening.mode == OpenMode::kCopy ? kUntitledName : path.toStdString();
    if (!opening.keepLock) lock_ = std::move(opening.lock);
    readOnly_ = opening.mode == OpenMode::kReadOnly;
    accessNote_ = opening.note;
    if (readOnly_ && accessNote_.isEmpty()) accessNote_ = QStringLiteral("Read-only: Save As saves a copy elsewhere.");
}

std::optional<TfrmMain::Opening> TfrmMain::LockForSaving(const QString& path) {
    Opening opening;
    if (lock_ && lock_->Held() && SameFile(lock_->CasePath(), path.toStdString())) {
        opening.keepLock = true;
        return opening;
    }
    auto lock = std::make_unique<CaseLock>();
    LockFinding found;
    std::string error;
    // A folder that takes no lock takes no case either: the save says so.
    if (lock->Take(path.toStdString(), found, error) == LockResult::kHeld) {
        prompts_->Warn(QStringLiteral("%1.\nSaving over it would lose what is done there: choose another name.")
                           .arg(Q(LockMessage(path.toStdString(), found))));
        return std::nullopt;
    }
    if (lock->Held()) opening.lock = std::move(lock);
    return opening;
}

void TfrmMain::DropCaseLock() {
    lock_.reset();
    readOnly_ = false;
    accessNote_.clear();
}

void TfrmMain::ShowCaseAccess() {
    if (!lblCaseAccess_) {
        lblCaseAccess_ = new QLabel(this);
        lblCaseAccess_->setObjectName(QStringLiteral("lblCaseAccess"));
        statusBar()->addPermanentWidget(lblCaseAccess_);
    }
    const bool shown = caseShown_ && !accessNote_.isEmpty();
    lblCaseAccess_->setText(accessNote_);
    lblCaseAccess_->setAccessibleName(accessNote_);
    lblCaseAccess_->setVisible(shown);
    if (!readOnly_) return;
    if (auto* save = findChild<QAction*>(QStringLiteral("mnuSave"))) save->setEnabled(false);
    if (auto* save = findChild<QToolButton*>(QStringLiteral("btnSave"))) save->setEnabled(false);
}

}  // namespace quill10::gui
