#pragma once
// "Recover Unsaved Cases": the recovery copies of windows that have gone,
// each with its case, folder, the time of the copy and whether the case's
// file changed on disk since.  For the copy chosen: Recover (opens it as an
// unsaved change of its case and closes the list), Save As..., Discard; Later
// closes the list and keeps the copies for the next start.
#include <QDialog>
#include <vector>

#include "files/Recovery.h"

class QPushButton;
class QTreeWidget;

namespace quill10::gui {

class TfrmMain;

class TfrmRecovery : public QDialog {
    Q_OBJECT

public:
    TfrmRecovery(TfrmMain& main, std::vector<RecoveryEntry> copies);

    // The copies still listed.
    const std::vector<RecoveryEntry>& Copies() const { return copies_; }

private:
    void Fill();
    // The copy chosen; null when none (or one that cannot be read, for Recover and Save As).
    const RecoveryEntry* Chosen(bool readable) const;
    void RecoverClick();
    void SaveAsClick();
    void DiscardClick();
    // Takes the chosen copy off the list; the list closes when it is empty.
    void DropChosen();
    void ShowButtons();

    TfrmMain& main_;
    std::vector<RecoveryEntry> copies_;
    QTreeWidget* lstRecovery_ = nullptr;
    QPushButton* btnRecover_ = nullptr;
    QPushButton* btnSaveAs_ = nullptr;
    QPushButton* btnDiscard_ = nullptr;
};

}  // namespace quill10::gui
