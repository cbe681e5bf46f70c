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
#include <cstdio>

#include "platform/FileAccess.h"
#include "store/CreateErrorStr.h"
#include "store/FieldText.h"

namespace quill10::gui {

QString UnreadableEntryText(int fieldKind, const QString& place, const QString& typed) {
    const std::string catalogue = CreateErrorStr(MessageNumberOf(ParserErrorOf(static_cast<FieldKind>(fieldKind))));
    return QStringLiteral("%1\n\n%2: %3\n"
                          "Correct It takes you back to the field; Enter 0 enters 0 in it; Cancel puts back what it "
                          "held before.")
        .arg(QString::fromStdString(catalogue).trimmed(), place, UnreadableEntryWhy(typed));
}

QString UnreadableEntryWhy(const QString& typed) { return QStringLiteral("\"%1\" cannot be read as a number.").arg(typed); }

std::unique_ptr<QMessageBox> SaveChangesBox(QWidget* parent, const QString& caseName) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, caseName + QStringLiteral(" - QUILL10"),
                                             QStringLiteral("Do You Want To Save Your Changes"),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box->setObjectName(QStringLiteral("msgSaveChanges"));
    box->setInformativeText(QStringLiteral("The case \"%1\" has changes that are not saved.").arg(caseName));
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

QString ChangedElsewhereText(const QString& name, bool savedHere) {
    return QStringLiteral("The case \"%1\" was changed by another program since you %2 it.")
        .arg(name, savedHere ? QStringLiteral("last saved") : QStringLiteral("opened"));
}

SaveAnswer DialogPrompts::AskSaveChanges(const QString& caseName) {
    switch (SaveChangesBox(parent_, caseName)->exec()) {
        case QMessageBox::Yes: return SaveAnswer::Yes;
        case QMessageBox::No: return SaveAnswer::No;
        default: return SaveAnswer::Cancel;
    }
}

QString DialogPrompts::ChooseFileToOpen(const QString& title, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, title, folder, filter);
}

QString DialogPrompts::ChooseFileToSave(const QString& title, const QString& proposed, const QString& filter,
                                        const QString& extension) {
    QFileDialog dialog(parent_, title, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The window asks about the name it will really write (ChooseFileToWrite).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(extension);
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

namespace {

// The answers to a locked case, in the order of their buttons.
QList<LockedCaseAnswer> LockedCaseAnswers(bool offerRemoval) {
    QList<LockedCaseAnswer> answers{LockedCaseAnswer::ReadOnly, LockedCaseAnswer::Copy};
    if (offerRemoval) answers.prepend(LockedCaseAnswer::RemoveLock);
    return answers;
}

QString CaptionOf(LockedCaseAnswer answer) {
    switch (answer) {
        case LockedCaseAnswer::RemoveLock: return QStringLiteral("Remove the Lock and Open");
        case LockedCaseAnswer::ReadOnly: return QStringLiteral("Open Read-Only");
        case LockedCaseAnswer::Copy: return QStringLiteral("Open a Copy");
        case LockedCaseAnswer::Cancel: break;
    }
    return QStringLiteral("Cancel");
}

}  // namespace

LockedCaseAnswer UserPrompts::AskLockedCase(const QString& text, bool offerRemoval) {
    const QList<LockedCaseAnswer> answers = LockedCaseAnswers(offerRemoval);
    QStringList captions;
    for (LockedCaseAnswer answer : answers) captions << CaptionOf(answer);
    const int chosen = AskChoice(text, captions);
    return chosen >= 0 && chosen < answers.size() ? answers[chosen] : LockedCaseAnswer::Cancel;
}

LockedCaseAnswer DialogPrompts::AskLockedCase(const QString& text, bool offerRemoval) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("QUILL10"), text, QMessageBox::NoButton, parent_);
    QList<QPair<QPushButton*, LockedCaseAnswer>> buttons;
    for (LockedCaseAnswer answer : LockedCaseAnswers(offerRemoval)) {
        buttons.append({box.addButton(CaptionOf(answer), QMessageBox::AcceptRole), answer});
        // Reading never harms the other window's work: it is the default.
        if (answer == LockedCaseAnswer::ReadOnly) box.setDefaultButton(buttons.last().first);
    }
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    for (const auto& [button, answer] : buttons)
        if (box.clickedButton() == button) return answer;
    return LockedCaseAnswer::Cancel;
}

EntryAnswer DialogPrompts::AskUnreadableEntry(const QString& text) {
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("QUILL10"), text, QMessageBox::NoButton, parent_);
    QPushButton* correct = box.addButton(QStringLiteral("&Correct It"), QMessageBox::AcceptRole);
    QPushButton* zero = box.addButton(QStringLiteral("&Enter 0"), QMessageBox::DestructiveRole);
    QPushButton* putBack = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(correct);
    box.setEscapeButton(putBack);
    box.exec();
    if (box.clickedButton() == zero) return EntryAnswer::EnterZero;
    if (box.clickedButton() == correct) return EntryAnswer::CorrectIt;
    return EntryAnswer::PutBack;
}

int DialogPrompts::AskChoice(const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("QUILL10"), text, QMessageBox::NoButton, parent_);
    QList<QPushButton*> pushed;
    for (const QString& caption : buttons) pushed << box.addButton(caption, QMessageBox::ActionRole);
    if (!pushed.isEmpty()) box.setDefaultButton(pushed.first());
    QPushButton* close = box.addButton(QMessageBox::Close);
    box.setEscapeButton(close);
    box.exec();
    return static_cast<int>(pushed.indexOf(static_cast<QPushButton*>(box.clickedButton())));
}

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

ChangedCaseAnswer DialogPrompts::AskOverwriteChangedCase(const QString& name, bool savedHere) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("QUILL10"), ChangedElsewhereText(name, savedHere),
                    QMessageBox::NoButton, parent_);
    box.setInformativeText(QStringLiteral("Overwrite replaces those changes with the case on screen; Save As... keeps "
                                          "both under different names."));
    QPushButton* overwrite = box.addButton(QStringLiteral("Overwrite"), QMessageBox::DestructiveRole);
    QPushButton* saveAs = box.addButton(QStringLiteral("Save As..."), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(saveAs);
    box.exec();
    if (box.clickedButton() == overwrite) return ChangedCaseAnswer::Overwrite;
    if (box.clickedButton() == saveAs) return ChangedCaseAnswer::SaveAs;
    return ChangedCaseAnswer::Cancel;
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

void HeadlessPrompts::Tell(const QString& text) {
    ++problems_;
    std::fprintf(stderr, "quill10: %s\n", qPrintable(text));
}
void HeadlessPrompts::Warn(const QString& text) { Tell(text); }
void HeadlessPrompts::Inform(const QString& text) { Tell(text); }
bool HeadlessPrompts::AskYesNo(const QString& text) {
    Tell(text);
    return false;
}
bool HeadlessPrompts::AskOkCancel(const QString& text) {
    Tell(text);
    return false;
}
EntryAnswer HeadlessPrompts::AskUnreadableEntry(const QString& text) {
    Tell(text);
    return EntryAnswer::PutBack;
}
int HeadlessPrompts::AskChoice(const QString& text, const QStringList&) {
    Tell(text);
    return -1;
}
int HeadlessPrompts::RunDialog(QDialog& dialog) {
    Tell(QStringLiteral("the dialog \"%1\" needs a screen").arg(dialog.windowTitle()));
    return QDialog::Rejected;
}

QString WithExtension(const QString& chosen, const QString& extension) {
    const QString ending = QLatin1Char('.') + extension;
    QString name = chosen;
    if (name.endsWith(ending, Qt::CaseInsensitive)) name.chop(ending.size());
    return name + ending;
}

bool MayWrite(UserPrompts& prompts, const QString& name, const QStringList& inputs, const QString& mayReplace) {
    for (const QString& input : inputs) {
        if (input.isEmpty() || !SameFile(name.toStdString(), input.toStdString())) continue;
        prompts.Warn(QStringLiteral("\"%1\" is the case \"%2\", which would be lost if it were written over. "
                                    "Choose another name.")
                         .arg(QDir::toNativeSeparators(name), QDir::toNativeSeparators(input)));
        return false;
    }
    if (!PathIsTaken(name.toStdString())) return true;
    if (!mayReplace.isEmpty() && SameFile(name.toStdString(), mayReplace.toStdString())) return true;
    return prompts.AskYesNo(
        QStringLiteral("\"%1\" already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(name)));
}

QString ChooseFileToWrite(UserPrompts& prompts, const SaveTarget& target) {
    QString proposed = target.proposed;
    for (;;) {
        const QString chosen = prompts.ChooseFileToSave(target.title, proposed, target.filter, target.extension);
        if (chosen.isEmpty()) return {};
        const QString name = WithExtension(chosen, target.extension);
        if (MayWrite(prompts, name, target.inputs, target.mayReplace)) return name;
        proposed = name;
    }
}

}  // namespace quill10::gui
