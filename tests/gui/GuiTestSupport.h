#pragma once
// Window test fixtures: answers for the user's dialogs, a recorder of
// numbered errors, and a fresh settings and documents folder per test.
#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "app/TfrmMain.h"
#include "app/UserPrompts.h"
#include "app/ProgramLauncher.h"
#include "store/Misc.h"

namespace quill10::gui::test {

// Answers the window's questions from queues filled by the test; an empty
// queue answers Cancel or "".  Every warning is kept.
class ScriptedPrompts : public UserPrompts {
public:
    std::deque<SaveAnswer> saveAnswers;
    std::deque<QString> filesToOpen;
    std::deque<QString> filesToSave;
    std::deque<QString> folders;
    QStringList warnings;
    QStringList questionsAsked;  // titles of the file and folder dialogs shown
    QStringList proposals;       // what each save dialog proposed, and the folder each multiple choice opened in

    QStringList casesToSave;  // the case each save question named
    SaveAnswer AskSaveChanges(const QString& caseName) override;
    QString ChooseFileToOpen(const QString& title, const QString& folder, const QString& filter) override;
    QString ChooseFileToSave(const QString& title, const QString& proposed, const QString& filter,
                             const QString& extension) override;
    QString ChooseFolder(const QString& title, const QString& start) override;
    void Warn(const QString& text) override { warnings << text; }
    void Inform(const QString& text) override { warnings << text; }
    // Yes/No and OK/Cancel questions: answered from `yesNoAnswers` and
    // `okCancelAnswers` (No and Cancel when empty); their texts are kept.
    std::deque<bool> yesNoAnswers;
    std::deque<bool> okCancelAnswers;
    QStringList questions;
    bool AskYesNo(const QString& text) override;
    // Texts typed for AskText ("" when empty); files chosen for
    // ChooseFilesToOpen; the plain text of every printed document.
    std::deque<QString> texts;
    std::deque<QStringList> fileLists;
    QStringList printed;
    QString AskText(const QString& title, const QString& label) override;
    QStringList ChooseFilesToOpen(const QString& title, const QString& folder, const QString& filter) override;
    void PrintDocument(const QString& title, QTextDocument& document) override;
    bool AskOkCancel(const QString& text) override;
    // An unreadable entry: answered from `entryAnswers` (Correct It, the
    // default button, when empty); the texts are kept in `questions`.
    std::deque<EntryAnswer> entryAnswers;
    // A choice among buttons: answered from `choices` (-1, as by Escape,
    // when empty); the texts are kept in `questions`.
    std::deque<int> choices;
    int AskChoice(const QString& text, const QStringList& buttons) override;
    EntryAnswer AskUnreadableEntry(const QString& text) override;
    // The question about replacing an existing case: answered from
    // `replaceAnswers` (Cancel when empty); the paths asked about are kept.
    std::deque<ReplaceAnswer> replaceAnswers;
    QStringList casesAskedAbout;
    ReplaceAnswer AskReplaceCase(const QString& path) override;
    // The question about a case another program changed: answered from
    // `changedCaseAnswers` (Cancel when empty); the names asked about are
    // kept, and the question as the box says it.
    std::deque<ChangedCaseAnswer> changedCaseAnswers;
    QStringList changedCasesAskedAbout;
    QStringList changedCaseQuestions;
    ChangedCaseAnswer AskOverwriteChangedCase(const QString& name, bool savedHere) override;
    int saveQuestions = 0;
    // Modal dialogs: each is shown and handed to the next driver, which
    // works it as the user does and closes it; with no driver left it is
    // closed unseen, as by Cancel.  Their captions are kept.
    std::deque<std::function<void(QDialog&)>> dialogDrivers;
    QStringList dialogsShown;
    int RunDialog(QDialog& dialog) override;
};

// Keeps what the window would have started (the word processor, the
// desktop's default program) instead of starting it.
class RecordingLauncher : public ProgramLauncher {
public:
    struct Started {
        QString program;
        QStringList arguments;
        QString folder;
    };
    QList<Started> programs;
    QList<QUrl> urls;
    bool succeed = true;

    bool StartProgram(const QString& program, const QStringList& arguments, const QString& folder) override;
    bool OpenUrl(const QUrl& url) override;
    // The file last handed to a program: its argument in its working
    // folder, or the local file of the last address opened.
    QString LastFile() const;
};
// The window's recording launcher (every test window has one).
RecordingLauncher& LauncherOf(TfrmMain& window);

// A fresh home folder (documents and settings) for one test, restored after.
class FreshHome {
public:
    FreshHome();
    ~FreshHome();
    QString Path() const { return dir_.path(); }
    QString ClientFolder() const;  // where the window keeps client files

private:
    QTemporaryDir dir_;
    QByteArray oldHome_, oldConfig_;
};

// Records numbered errors while it lives.
class ErrorLog {
public:
    ErrorLog();
    ~ErrorLog();
    std::vector<int> codes;
    QStringList texts;  // what each message said

private:
    ErrorHandler previous_;
};

QString ProgramFolder();
QString SampleCase(const QString& name);

// ---- The window as every window test starts it ----

// A fresh home, scripted prompts and the main window, shown, active and
// started on a new case: what each test begins with.
void StartWindow(std::unique_ptr<FreshHome>& home, std::unique_ptr<ScriptedPrompts>& prompts,
                 std::unique_ptr<TfrmMain>& window);
// The edit box of a slot on the page shown (the test stops when there is none).
// Another window of the program, as it starts, answering from `answers`:
// shown, made the active window and started.
std::unique_ptr<TfrmMain> StartAnotherWindow(ScriptedPrompts& answers);
QLineEdit* FieldOf(const TfrmMain& window, int slot);
// Types into a field and leaves it with Tab, as a user does.
void TypeInto(const TfrmMain& window, int slot, const QString& text);
// Types over a field and leaves it with Tab, as a user does.
void TypeOver(QLineEdit* edit, const QString& text);
// Clicks the button of `parent` named `name`.
void Click(QObject& parent, const QString& name);
// A file's bytes ("" when it cannot be read).
QByteArray FileBytes(const QString& path);
QString SlotText(TfrmMain& window, int page, int slot);
// A copy of a sample case in the fresh home, readable and writable by its owner.
QString CopySample(const FreshHome& home, const QString& name, const QString& sample);
// An office's schedule written to `path` as CSV with a header: the program's
// table with $50 more in every column.  False when it cannot be written.
bool WriteOfficeScheduleCsv(const QString& path);

// ---- Finding controls and working modal dialogs ----

// The child of `parent` named `name` (the test stops when there is none).
template <typename T>
T* Find(QObject& parent, const QString& name) {
    auto* widget = parent.findChild<T*>(name);
    if (!widget) qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return widget;
}

// Runs `drive` on the next modal dialog of type T once its exec() has
// shown it: the dialogs the windows open themselves run in the event
// loop that their exec() runs.
template <typename T>
void WhenOpened(std::function<void(T&)> drive) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, drive] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        drive(*dialog);
    });
    timer->start();
}

}  // namespace quill10::gui::test
