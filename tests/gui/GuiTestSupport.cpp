#include "GuiTestSupport.h"

#include "store/Answers.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QtTest>
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

SaveAnswer ScriptedPrompts::AskSaveChanges(const QString& caseName) {
    ++saveQuestions;
    casesToSave << caseName;
    return Take(saveAnswers, SaveAnswer::Cancel);
}

QString ScriptedPrompts::ChooseFileToOpen(const QString& title, const QString&, const QString&) {
    questionsAsked << title;
    return Take(filesToOpen, QString());
}

QString ScriptedPrompts::ChooseFileToSave(const QString& title, const QString& proposed, const QString&,
                                          const QString&) {
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

QStringList ScriptedPrompts::ChooseFilesToOpen(const QString& title, const QString& folder, const QString&) {
    questionsAsked << title;
    proposals << folder;
    return Take(fileLists, QStringList());
}

void ScriptedPrompts::PrintDocument(const QString&, QTextDocument& document) { printed << document.toPlainText(); }

bool ScriptedPrompts::AskOkCancel(const QString& text) {
    questions << text;
    return Take(okCancelAnswers, false);
}

EntryAnswer ScriptedPrompts::AskUnreadableEntry(const QString& text) {
    questions << text;
    return Take(entryAnswers, EntryAnswer::CorrectIt);
}

int ScriptedPrompts::AskChoice(const QString& text, const QStringList&) {
    questions << text;
    return Take(choices, -1);
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

ChangedCaseAnswer ScriptedPrompts::AskOverwriteChangedCase(const QString& name, bool savedHere) {
    changedCasesAskedAbout << name;
    changedCaseQuestions << ChangedElsewhereText(name, savedHere);
    return Take(changedCaseAnswers, ChangedCaseAnswer::Cancel);
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
    previous_ = SetErrorHandler([this](int code, const std::string& text, const std::string&) {
        codes.push_back(code);
        texts << QString::fromStdString(text);
    });
}

ErrorLog::~ErrorLog() { SetErrorHandler(previous_); }

bool RecordingLauncher::StartProgram(const QString& program, const QStringList& arguments, const QString& folder) {
    programs.append({program, arguments, folder});
    return succeed;
}

bool RecordingLauncher::OpenUrl(const QUrl& url) {
    urls.append(url);
    return succeed;
}

QString RecordingLauncher::LastFile() const {
    if (!programs.isEmpty()) return QDir(programs.last().folder).filePath(programs.last().arguments.last());
    return urls.isEmpty() ? QString() : urls.last().toLocalFile();
}

RecordingLauncher& LauncherOf(TfrmMain& window) { return dynamic_cast<RecordingLauncher&>(window.Launcher()); }

QString ProgramFolder() { return QStringLiteral(QUILL10_PROGRAM_DIR); }
QString SampleCase(const QString& name) { return ProgramFolder() + "/samples/" + name; }

void StartWindow(std::unique_ptr<FreshHome>& home, std::unique_ptr<ScriptedPrompts>& prompts,
                 std::unique_ptr<TfrmMain>& window) {
    home = std::make_unique<FreshHome>();
    prompts = std::make_unique<ScriptedPrompts>();
    TfrmMain::SetStartUpWordPlaces({});  // no Writer and no search: the default program
    window = std::make_unique<TfrmMain>(ProgramFolder(), prompts.get());
    window->SetLauncher(std::make_unique<RecordingLauncher>());
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->StartUp({}, false);
}

std::unique_ptr<TfrmMain> StartAnotherWindow(ScriptedPrompts& answers) {
    auto another = std::make_unique<TfrmMain>(ProgramFolder(), &answers);
    another->SetLauncher(std::make_unique<RecordingLauncher>());
    another->show();
    another->activateWindow();
    if (!QTest::qWaitForWindowActive(another.get())) qWarning("the other window did not become active");
    another->StartUp({}, false);
    return another;
}

QLineEdit* FieldOf(const TfrmMain& window, int slot) {
    auto* edit = qobject_cast<QLineEdit*>(window.FindField(QStringLiteral("edt%1").arg(slot)));
    if (!edit) qFatal("no field edt%d on the page", slot);
    return edit;
}

void TypeInto(const TfrmMain& window, int slot, const QString& text) { TypeOver(FieldOf(window, slot), text); }

void TypeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

void Click(QObject& parent, const QString& name) {
    QTest::mouseClick(Find<QPushButton>(parent, name), Qt::LeftButton);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString SlotText(TfrmMain& window, int page, int slot) {
    return QString::fromStdString(window.Answers().Text(page, slot));
}

bool WriteOfficeScheduleCsv(const QString& path) {
    QFile installed(ProgramFolder() + "/table.txt");
    if (!installed.open(QIODevice::ReadOnly)) return false;
    QByteArray csv = "Income,1,2,3,4,5,6\r\n";
    for (const QByteArray& line : installed.readAll().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split('\t');
        if (fields.size() != 7) continue;
        QByteArrayList row{fields[0]};
        for (int k = 1; k < 7; ++k) row << QByteArray::number(fields[k].toLong() + 50);
        csv += row.join(',') + "\r\n";
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size();
}

QString CopySample(const FreshHome& home, const QString& name, const QString& sample) {
    const QString path = home.Path() + "/" + name;
    QFile::remove(path);
    QFile::copy(SampleCase(sample), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

}  // namespace quill10::gui::test
