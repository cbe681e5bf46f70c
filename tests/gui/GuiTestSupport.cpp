#include "GuiTestSupport.h"

#include <QDir>
#include <QTextDocument>
#include <QStandardPaths>

namespace quill10::gui::test {

namespace {
template <typename T>
T Take(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    T value = queue.front();
    queue.pop_front();
    return value;
}
}  // namespace

SaveAnswer ScriptedPrompts::AskSaveChanges() {
    ++saveQuestions;
    return Take(saveAnswers, SaveAnswer::Cancel);
}

QString ScriptedPrompts::ChooseFileToOpen(const QString& title, const QString&, const QString&) {
    questionsAsked << title;
    return Take(filesToOpen, QString());
}

QString ScriptedPrompts::ChooseFileToSave(const QString& title, const QString& proposed, const QString&) {
    questionsAsked << title;
    proposals << proposed;
    return Take(filesToSave, QString());
}

QString ScriptedPrompts::ChooseFolder(const QString& title, const QString&) {
    questionsAsked << title;
    return Take(folders, QString());
}

bool ScriptedPrompts::AskYesNo(const QString& text) {
    questions << text;
    return Take(yesNoAnswers, false);
}

QString ScriptedPrompts::AskText(const QString& title, const QString&) {
    questionsAsked << title;
    return Take(texts, QString());
}

QStringList ScriptedPrompts::ChooseFilesToOpen(const QString& title, const QString&, const QString&) {
    questionsAsked << title;
    return Take(fileLists, QStringList());
}

void ScriptedPrompts::PrintDocument(const QString&, QTextDocument& document) { printed << document.toPlainText(); }

bool ScriptedPrompts::AskOkCancel(const QString& text) {
    questions << text;
    return Take(okCancelAnswers, false);
}

int ScriptedPrompts::RunDialog(QDialog& dialog) {
    dialogsShown << dialog.windowTitle();
    dialog.setResult(QDialog::Rejected);
    if (dialogDrivers.empty()) return dialog.result();
    const std::function<void(QDialog&)> drive = std::move(dialogDrivers.front());
    dialogDrivers.pop_front();
    dialog.show();
    drive(dialog);
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
}

ReplaceAnswer ScriptedPrompts::AskReplaceCase(const QString& path) {
    casesAskedAbout << path;
    return Take(replaceAnswers, ReplaceAnswer::Cancel);
}

FreshHome::FreshHome() : oldHome_(qgetenv("HOME")), oldConfig_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("HOME", dir_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (dir_.path() + "/.config").toUtf8());
}

FreshHome::~FreshHome() {
    qputenv("HOME", oldHome_);
    qputenv("XDG_CONFIG_HOME", oldConfig_);
}

QString FreshHome::ClientFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Velmora/QUILL10/Files";
}

ErrorLog::ErrorLog() {
    previous_ = SetErrorHandler([this](int code, const std::string&, const std::string&) { codes.push_back(code); });
}

ErrorLog::~ErrorLog() { SetErrorHandler(previous_); }

QString ProgramFolder() { return QStringLiteral(QUILL10_PROGRAM_DIR); }
QString SampleCase(const QString& name) { return ProgramFolder() + "/samples/" + name; }

}  // namespace quill10::gui::test
