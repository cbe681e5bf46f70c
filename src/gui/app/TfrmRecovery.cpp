#include "app/TfrmRecovery.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/TfrmMain.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The columns of the list: case, folder, time of the copy, the case on disk.
QStringList ColumnsOf(const RecoveryEntry& copy) {
    if (!copy.problem.empty())
        return {QFileInfo(Q(copy.path)).fileName(), QString(), QString(),
                QStringLiteral("cannot be read: ") + Q(copy.problem)};
    const QString folder = Q(CaseFolderOf(copy.info));
    return {Q(CaseNameOf(copy.info)), folder.isEmpty() ? QStringLiteral("(never saved)") : QDir::toNativeSeparators(folder),
            Q(CopyTimeText(copy.info)), Q(OriginalStateText(copy.original))};
}

}  // namespace

TfrmRecovery::TfrmRecovery(TfrmMain& main, std::vector<RecoveryEntry> copies)
    : QDialog(&main), main_(main), copies_(std::move(copies)) {
    setObjectName(QStringLiteral("frmRecovery"));
    setWindowTitle(QStringLiteral("Recover Unsaved Cases"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral(
        "QUILL10 kept these unsaved changes of windows that ended without saving them. Recover opens the changes "
        "as unsaved changes of their case: Save then writes them to the case, after asking when the case's file "
        "changed on disk since. Later keeps them for the next start (File > Recover Unsaved Cases)."));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    lstRecovery_ = new QTreeWidget;
    lstRecovery_->setObjectName(QStringLiteral("lstRecovery"));
    lstRecovery_->setAccessibleName(QStringLiteral("Unsaved cases"));
    lstRecovery_->setHeaderLabels({QStringLiteral("Case"), QStringLiteral("Folder"), QStringLiteral("Copied"),
                                   QStringLiteral("The case on disk")});
    lstRecovery_->setRootIsDecorated(false);
    lstRecovery_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    intro->setBuddy(lstRecovery_);
    layout->addWidget(lstRecovery_);
    auto* buttons = new QDialogButtonBox;
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
        void (TfrmRecovery::*click)();
    } kButtons[] = {
        {&btnRecover_, "btnRecover", "&Recover", &TfrmRecovery::RecoverClick},
        {&btnSaveAs_, "btnSaveAs", "&Save As...", &TfrmRecovery::SaveAsClick},
        {&btnDiscard_, "btnDiscard", "&Discard", &TfrmRecovery::DiscardClick},
    };
    for (const auto& b : kButtons) {
        *b.button = buttons->addButton(QString::fromLatin1(b.caption), QDialogButtonBox::ActionRole);
        (*b.button)->setObjectName(QString::fromLatin1(b.name));
        connect(*b.button, &QPushButton::clicked, this, b.click);
    }
    QPushButton* later = buttons->addButton(QStringLiteral("&Later"), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("btnLater"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(lstRecovery_, &QTreeWidget::currentItemChanged, this, &TfrmRecovery::ShowButtons);
    Fill();
    btnRecover_->setDefault(true);
    resize(760, 320);
}

void TfrmRecovery::Fill() {
    lstRecovery_->clear();
    for (const RecoveryEntry& copy : copies_) new QTreeWidgetItem(lstRecovery_, ColumnsOf(copy));
    if (lstRecovery_->topLevelItemCount() > 0) lstRecovery_->setCurrentItem(lstRecovery_->topLevelItem(0));
    ShowButtons();
}

const RecoveryEntry* TfrmRecovery::Chosen(bool readable) const {
    const int row = lstRecovery_->indexOfTopLevelItem(lstRecovery_->currentItem());
    if (row < 0 || row >= static_cast<int>(copies_.size())) return nullptr;
    const RecoveryEntry& copy = copies_[static_cast<size_t>(row)];
    return readable && !copy.problem.empty() ? nullptr : &copy;
}

void TfrmRecovery::ShowButtons() {
    btnRecover_->setEnabled(Chosen(true) != nullptr);
    btnSaveAs_->setEnabled(Chosen(true) != nullptr);
    btnDiscard_->setEnabled(Chosen(false) != nullptr);
}

void TfrmRecovery::RecoverClick() {
    const RecoveryEntry* copy = Chosen(true);
    if (copy && main_.RecoverCopy(*copy)) {
        DropChosen();
        accept();  // the window holds one case: the others wait for the next start
    }
}

void TfrmRecovery::SaveAsClick() {
    if (const RecoveryEntry* copy = Chosen(true); copy && main_.SaveRecoveryCopyAs(*copy)) DropChosen();
}

void TfrmRecovery::DiscardClick() {
    if (const RecoveryEntry* copy = Chosen(false); copy && main_.DiscardRecoveryCopy(*copy)) DropChosen();
}

void TfrmRecovery::DropChosen() {
    const int row = lstRecovery_->indexOfTopLevelItem(lstRecovery_->currentItem());
    if (row >= 0 && row < static_cast<int>(copies_.size())) copies_.erase(copies_.begin() + row);
    Fill();
    if (copies_.empty() && isVisible()) accept();
}

}  // namespace quill10::gui
