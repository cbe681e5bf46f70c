#include "app/UserPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QTextDocument>
#include <QPrinter>
#include <QPrintDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quill10::gui {

SaveAnswer DialogPrompts::AskSaveChanges() {
    switch (QMessageBox::warning(parent_, QStringLiteral("QUILL10"), QStringLiteral("Do You Want To Save Your Changes"),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
        case QMessageBox::Yes: return SaveAnswer::Yes;
        case QMessageBox::No: return SaveAnswer::No;
        default: return SaveAnswer::Cancel;
    }
}

QString DialogPrompts::ChooseFileToOpen(const QString& title, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, title, folder, filter);
}

QString DialogPrompts::ChooseFileToSave(const QString& title, const QString& proposed, const QString& filter) {
    QFileDialog dialog(parent_, title, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The window asks about the name it will really write (with ".q10").
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QStringLiteral("q10"));
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString DialogPrompts::ChooseFolder(const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(parent_, title, start);
}

void DialogPrompts::Warn(const QString& text) { QMessageBox::warning(parent_, QStringLiteral("QUILL10"), text); }

void DialogPrompts::Inform(const QString& text) { QMessageBox::information(parent_, QStringLiteral("QUILL10"), text); }

bool DialogPrompts::AskYesNo(const QString& text) {
    return QMessageBox::question(parent_, QStringLiteral("QUILL10"), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool DialogPrompts::AskOkCancel(const QString& text) {
    QApplication::beep();
    return QMessageBox::warning(parent_, QStringLiteral("QUILL10"), text, QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Ok) == QMessageBox::Ok;
}

int UserPrompts::RunDialog(QDialog& dialog) { return dialog.exec(); }

ReplaceAnswer DialogPrompts::AskReplaceCase(const QString& path) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("QUILL10"),
                    QStringLiteral("The case \"%1\" already exists.\nReplace it with the imported case, or save "
                                   "the imported case under another name?")
                        .arg(QDir::toNativeSeparators(path)),
                    QMessageBox::NoButton, parent_);
    QPushButton* replace = box.addButton(QStringLiteral("Replace"), QMessageBox::DestructiveRole);
    QPushButton* other = box.addButton(QStringLiteral("Choose Another Name"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(other);
    box.exec();
    if (box.clickedButton() == replace) return ReplaceAnswer::Replace;
    if (box.clickedButton() == other) return ReplaceAnswer::OtherName;
    return ReplaceAnswer::Cancel;
}

QString DialogPrompts::AskText(const QString& title, const QString& label) {
    return QInputDialog::getText(parent_, title, label).trimmed();
}

QStringList DialogPrompts::ChooseFilesToOpen(const QString& title, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileNames(parent_, title, folder, filter);
}

void DialogPrompts::PrintDocument(const QString& title, QTextDocument& document) {
    QPrinter printer;
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(title);
    if (dialog.exec() == QDialog::Accepted) document.print(&printer);
}

}  // namespace quill10::gui
