// Work is never lost between saves, and two windows never overwrite each
// other's case: a window killed with unsaved changes gives them back at the
// next start; each answer to a recovery copy does what it says; copies
// follow the changes and go with a save; a case another window holds opens
// read-only, as a copy or not at all, and a lock left by a program that has
// ended is taken over.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../EndedProcess.h"
#include "GuiTestSupport.h"
#include "app/RecoveryKeeper.h"
#include "app/TfrmRecovery.h"
#include "calc/CalcEnvironment.h"
#include "calc/Conversions.h"
#include "files/CaseLock.h"
#include "files/ClientFile.h"
#include "files/Recovery.h"
#include "store/Answers.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

namespace {


using ::quill10::test::EndedProcess;

std::string CaseText(TfrmMain& window) { return ClientFileText(window.Answers(), window.SchedulerTable()); }

QString RecoveryFolderOf(TfrmMain& window) {
    return QString::fromStdString(RecoveryFolder(SettingsFilePath(window.CurrentSettings())));
}

QStringList CopiesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*") + kRecoveryExtension}, QDir::Files);
}


}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;

    void CloseWithoutSaving(TfrmMain& closing, ScriptedPrompts& answers) {
        answers.saveAnswers = {SaveAnswer::No};
        QVERIFY(closing.CloseSequence());
    }
    // A recovery copy of the sample with `name` typed as the father's and
    // the case worked out, left by a window that has ended.
    QString PlantCopy(const QString& original, const QString& name) {
        auto environment = std::make_shared<CalcEnvironment>();
        environment->SetProgramFolder(ProgramFolder().toStdString());
        if (!original.isEmpty()) environment->currentFileName = original.toStdString();
        auto case_ = ReadClientFile(SampleCase(QStringLiteral("sole-father-pays.q10")).toStdString(), environment, error);
        case_->answers->SetText(0, 1, name.toStdString());
        TransferScreenToCalc(*case_->answers, 0);
        case_->answers->Calculate();
        TransferCalcToScreen(*case_->answers, 0);
        RecoveryInfo info;
        info.original = original.toStdString();
        info.time = SecondsNow() - 120;
        info.steps = 3;
        info.process = ProcessIdentity{EndedProcess(), 0, HostName(), UserName()};
        info.base = StampOf(info.original);
        const QString folder = RecoveryFolderOf(*window);
        QDir().mkpath(folder);
        const QString path = folder + "/" + name + kRecoveryExtension;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(
            RecoveryCopyText(info, ClientFileText(*case_->answers, case_->grid))));
        return path;
    }
    std::string error;

private slots:
    void init() { StartWindow(home, prompts, window); }
    void cleanup() {
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    // The program is killed with unsaved changes; started again, it offers
    // them and Recover gives back the edited case slot for slot, which Save
    // writes to the case; the lock the killed program left is taken over.
    void aKilledWindowsChangesAreRecovered() {
        QVERIFY(window->ChangeSettings([](Settings& s) { s.recoveryInterval = 1; }, "recovery copy interval"));
        const QString smith = CopySample(*home, QStringLiteral("Smith.q10"), QStringLiteral("sole-father-pays.q10"));
        const QByteArray original = FileBytes(smith);
        const QString folder = RecoveryFolderOf(*window);

        QProcess killed;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUILL10_TEST_ENTRIES"), QStringLiteral("edt10=65000;edt11=30000"));
        killed.setProcessEnvironment(environment);
        killed.start(QStringLiteral(QUILL10_GUI_EXE), {smith});
        QVERIFY(killed.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(CopiesIn(folder).size() == 1 &&
                                     FileBytes(folder + "/" + CopiesIn(folder).first()).contains("30,000.00"),
                                 60000);
        QVERIFY(QFile::exists(QString::fromStdString(LockFilePath(smith.toStdString()))));
        killed.kill();  // SIGKILL: nothing of the program runs on
        QVERIFY(killed.waitForFinished());
        QCOMPARE(FileBytes(smith), original);

        // The same edits made here give the case the killed window held.
        // Its lock is taken over without a word: its program has ended.
        QVERIFY(window->OpenFile(smith));
        QVERIFY(prompts->questions.isEmpty());
        TypeInto(*window, 10, QStringLiteral("65000"));
        TypeInto(*window, 11, QStringLiteral("30000"));
        const std::string edited = CaseText(*window);
        CloseWithoutSaving(*window, *prompts);
        window->Recovery().Wait();
        QCOMPARE(CopiesIn(folder).size(), 1);  // the killed window's copy alone

        ScriptedPrompts answers;
        answers.dialogDrivers.push_back([](QDialog& dialog) {
            auto* list = Find<QTreeWidget>(dialog, QStringLiteral("lstRecovery"));
            QCOMPARE(list->topLevelItemCount(), 1);
            QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Smith.q10"));
            QCOMPARE(list->topLevelItem(0)->text(3), QStringLiteral("unchanged on disk"));
            Click(dialog, QStringLiteral("btnRecover"));
        });
        std::unique_ptr<TfrmMain> restarted = StartAnotherWindow(answers);
        QCOMPARE(answers.dialogsShown, QStringList{QStringLiteral("Recover Unsaved Cases")});
        QCOMPARE(CaseText(*restarted), edited);
        QVERIFY(restarted->Modified());
        QCOMPARE(restarted->CurrentFileName(), smith);
        QVERIFY(answers.questions.isEmpty());  // no lock question: the killed window's lock was taken over
        const LockFinding lock = ExamineLock(smith.toStdString());
        QCOMPARE(lock.owner.process.pid, CurrentProcess().pid);

        QVERIFY(restarted->SaveClick());
        QVERIFY(answers.changedCasesAskedAbout.isEmpty());
        QCOMPARE(FileBytes(smith).toStdString(), CaseText(*restarted));
        restarted->Recovery().Wait();
        QVERIFY(CopiesIn(folder).isEmpty());
        QVERIFY(restarted->CloseSequence());
        QVERIFY(!QFile::exists(QString::fromStdString(LockFilePath(smith.toStdString()))));
    }

    // Each answer to a recovery copy: the copy, the case's file and the
    // window afterwards.
    void eachAnswerToACopyDoesWhatItSays_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("copyStays");
        QTest::newRow("Discard") << "btnDiscard" << false;
        QTest::newRow("Later") << "btnLater" << true;
        QTest::newRow("Save As") << "btnSaveAs" << false;
        QTest::newRow("Recover") << "btnRecover" << false;
    }
    void eachAnswerToACopyDoesWhatItSays() {
        QFETCH(QString, answer);
        QFETCH(bool, copyStays);
        const QString smith = CopySample(*home, QStringLiteral("Smith.q10"), QStringLiteral("sole-father-pays.q10"));
        const QByteArray original = FileBytes(smith);
        const QString copy = PlantCopy(smith, QStringLiteral("Recovered Father"));
        const QString saved = home->Path() + "/Kept.q10";

        ScriptedPrompts answers;
        answers.yesNoAnswers = {true};  // Discard: yes, drop it
        answers.filesToSave = {saved};
        answers.dialogDrivers.push_back([answer](QDialog& dialog) { Click(dialog, answer); });
        std::unique_ptr<TfrmMain> started = StartAnotherWindow(answers);
        started->Recovery().Wait();

        QCOMPARE(FileBytes(smith), original);  // the case's file is left byte for byte
        QCOMPARE(QFile::exists(copy), copyStays);
        QCOMPARE(started->Modified(), answer == "btnRecover");
        if (answer == "btnSaveAs") {
            QVERIFY(FileBytes(saved).contains("Recovered Father"));
            QVERIFY(started->CurrentSettings().recentFiles.front() == saved.toStdString());
        }
        if (answer == "btnRecover") {
            QCOMPARE(SlotText(*started, 0, 1), QStringLiteral("Recovered Father"));
            QCOMPARE(started->CurrentFileName(), smith);
            QCOMPARE(CopiesIn(RecoveryFolderOf(*started)).size(), 1);  // the window's own copy now
            // A change made on disk since is not written over unasked.
            QFile file(smith);
            QVERIFY(file.open(QIODevice::Append));
            file.write("\r\n");
            file.close();
            QVERIFY(!started->SaveClick());
            QCOMPARE(answers.changedCasesAskedAbout, QStringList{QStringLiteral("Smith.q10")});
        }
        CloseWithoutSaving(*started, answers);
    }

    // A copy of a case never saved is recovered as a new case: Save asks
    // for a name.
    void aCaseNeverSavedIsRecoveredToo() {
        PlantCopy({}, QStringLiteral("Untitled Father"));
        ScriptedPrompts answers;
        answers.dialogDrivers.push_back([](QDialog& dialog) {
            QCOMPARE(Find<QTreeWidget>(dialog, QStringLiteral("lstRecovery"))->topLevelItem(0)->text(1),
                     QStringLiteral("(never saved)"));
            Click(dialog, QStringLiteral("btnRecover"));
        });
        std::unique_ptr<TfrmMain> started = StartAnotherWindow(answers);
        QCOMPARE(SlotText(*started, 0, 1), QStringLiteral("Untitled Father"));
        QCOMPARE(started->CurrentFileName(), QStringLiteral("Untitled.q10"));
        answers.filesToSave = {home->Path() + "/Named.q10"};
        QVERIFY(started->SaveClick());
        QCOMPARE(answers.questionsAsked.last(), QStringLiteral("Save As"));
        started->Recovery().Wait();
        QVERIFY(CopiesIn(RecoveryFolderOf(*started)).isEmpty());
    }

    // A copy is written after 20 changes, or when the interval has run since
    // the first change it does not hold; saving or closing with No removes
    // it; an interval of 0 writes none.
    void copiesFollowTheChanges() {
        const QString folder = RecoveryFolderOf(*window);
        QVERIFY(window->ChangeSettings([](Settings& s) { s.recoveryInterval = 3600; }, "recovery copy interval"));
        QVERIFY(window->OpenFile(CopySample(*home, QStringLiteral("Jones.q10"), QStringLiteral("sole-father-pays.q10"))));
        for (int k = 1; k < RecoveryKeeper::kChangesPerCopy; ++k) TypeInto(*window, 10, QString::number(50000 + k));
        window->Recovery().Wait();
        QVERIFY(CopiesIn(folder).isEmpty());
        TypeInto(*window, 10, QStringLiteral("70000"));
        window->Recovery().Wait();
        QCOMPARE(CopiesIn(folder).size(), 1);
        QVERIFY(FileBytes(folder + "/" + CopiesIn(folder).first()).contains("70,000.00"));
        QVERIFY(window->SaveClick());
        window->Recovery().Wait();
        QVERIFY(CopiesIn(folder).isEmpty());

        // The interval runs from the first change the copy does not hold.
        QVERIFY(window->ChangeSettings([](Settings& s) { s.recoveryInterval = 1; }, "recovery copy interval"));
        TypeInto(*window, 11, QStringLiteral("31000"));
        QTRY_COMPARE_WITH_TIMEOUT(CopiesIn(folder).size(), 1, 10000);
        prompts->saveAnswers = {SaveAnswer::No};
        window->NewClick();
        window->Recovery().Wait();
        QVERIFY(CopiesIn(folder).isEmpty());

        QVERIFY(window->ChangeSettings([](Settings& s) { s.recoveryInterval = 0; }, "recovery copy interval"));
        for (int k = 0; k < RecoveryKeeper::kChangesPerCopy + 5; ++k) TypeInto(*window, 10, QString::number(60000 + k));
        QTest::qWait(1500);
        window->Recovery().Wait();
        QVERIFY(CopiesIn(folder).isEmpty());
    }

    // Options > Recovery Copies keeps the interval in the settings file.
    void theIntervalIsChosenUnderOptions() {
        prompts->dialogDrivers.push_back([](QDialog& dialog) {
            auto* seconds = Find<QSpinBox>(dialog, QStringLiteral("spnRecoveryInterval"));
            QCOMPARE(seconds->value(), 60);
            seconds->setValue(120);
            Click(dialog, QStringLiteral("btnOk"));
        });
        window->RecoveryIntervalClick();
        const Settings defaults = window->CurrentSettings();
        QCOMPARE(ReadSettingsNow(SettingsFilePath(defaults), defaults).recoveryInterval, 120);
    }

    // Two windows on one case: the second is told who holds it and since
    // when; read-only it cannot save over it; a copy is a new case; Cancel
    // keeps what it had.
    void aSecondWindowGetsTheLockQuestion_data() {
        QTest::addColumn<int>("choice");  // -1: Cancel
        QTest::newRow("Open Read-Only") << 0;
        QTest::newRow("Open a Copy") << 1;
        QTest::newRow("Cancel") << -1;
    }
    void aSecondWindowGetsTheLockQuestion() {
        QFETCH(int, choice);
        const QString smith = CopySample(*home, QStringLiteral("Smith.q10"), QStringLiteral("sole-father-pays.q10"));
        const QByteArray original = FileBytes(smith);
        QVERIFY(window->OpenFile(smith));
        const QString lock = QString::fromStdString(LockFilePath(smith.toStdString()));
        const QByteArray lockText = FileBytes(lock);

        ScriptedPrompts answers;
        answers.choices = {choice};
        std::unique_ptr<TfrmMain> second = StartAnotherWindow(answers);
        QCOMPARE(second->OpenFile(smith), choice >= 0);
        QCOMPARE(answers.questions.size(), 1);
        const QString expected =
            QStringLiteral("Case Smith.q10 is open by %1 on %2 since ")
                .arg(QString::fromStdString(UserName()), QString::fromStdString(HostName()));
        QVERIFY2(answers.questions.first().startsWith(expected), qPrintable(answers.questions.first()));
        if (choice == 0) {
            QVERIFY(second->ReadOnly());
            QVERIFY(second->windowTitle().contains(QStringLiteral("(read-only)")));
            QVERIFY(!second->findChild<QAction*>(QStringLiteral("mnuSave"))->isEnabled());
            QVERIFY(second->findChild<QLabel*>(QStringLiteral("lblCaseAccess"))->text().startsWith(
                QStringLiteral("Read-only: Case Smith.q10 is open by")));
            TypeInto(*second, 10, QStringLiteral("99000"));
            answers.filesToSave = {smith};  // Save goes to Save As, which never takes the case itself
            QVERIFY(!second->SaveClick());
            QVERIFY(answers.warnings.last().contains(QStringLiteral("would be lost")));
        } else if (choice == 1) {
            QCOMPARE(second->CurrentFileName(), QStringLiteral("Untitled.q10"));
            QVERIFY(!second->ReadOnly());
        } else {
            QCOMPARE(second->CurrentFileName(), QStringLiteral("Untitled.q10"));
        }
        QCOMPARE(FileBytes(smith), original);
        QCOMPARE(FileBytes(lock), lockText);  // the first window's lock, untouched
        CloseWithoutSaving(*second, answers);
        QCOMPARE(FileBytes(lock), lockText);
    }

    // A lock whose program has ended on this computer is taken over without a
    // word; another computer's lock of two days ago is offered for removal.
    void locksLeftBehindAreTakenOverOrOffered_data() {
        QTest::addColumn<bool>("thisComputer");
        QTest::newRow("this computer, program ended") << true;
        QTest::newRow("another computer, two days old") << false;
    }
    void locksLeftBehindAreTakenOverOrOffered() {
        QFETCH(bool, thisComputer);
        const QString smith = CopySample(*home, QStringLiteral("Smith.q10"), QStringLiteral("sole-father-pays.q10"));
        const std::string lock = LockFilePath(smith.toStdString());
        const LockOwner left = thisComputer ? LockOwner{ProcessIdentity{EndedProcess(), 0, HostName(), "jdoe"},
                                                        SecondsNow() - 60}
                                            : LockOwner{ProcessIdentity{4711, 0, "OFFICE-PC3", "jdoe"},
                                                        SecondsNow() - 2 * kOldLockSeconds};
        QFile file(QString::fromStdString(lock));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(LockFileText(left)));
        file.close();
        prompts->choices = {0};  // Remove the Lock and Open
        QVERIFY(window->OpenFile(smith));
        QCOMPARE(prompts->questions.size(), thisComputer ? 0 : 1);
        if (!thisComputer)
            QVERIFY(prompts->questions.first().startsWith(QStringLiteral("Case Smith.q10 is open by jdoe on OFFICE-PC3 since ")));
        QVERIFY(!window->ReadOnly());
        QCOMPARE(ExamineLock(smith.toStdString()).owner.process.pid, CurrentProcess().pid);
        // Save As moves the lock with the case; New lets it go.
        const QString other = home->Path() + "/Other.q10";
        prompts->filesToSave = {other};
        QVERIFY(window->SaveAsClick());
        QVERIFY(!QFile::exists(QString::fromStdString(lock)));
        QCOMPARE(ExamineLock(other.toStdString()).owner.process.pid, CurrentProcess().pid);
        window->NewClick();
        QCOMPARE(ExamineLock(other.toStdString()).state, LockState::kFree);
    }

    // A folder that takes no lock file opens its case read-only and says so
    // on the status bar.  (The superuser writes anywhere: there is no such
    // folder for it.)
    void aReadOnlyFolderOpensTheCaseReadOnly() {
        if (::geteuid() == 0) QSKIP("the superuser may write in any folder");
        QDir().mkpath(home->Path() + "/shared");
        const QString smith = home->Path() + "/shared/Smith.q10";
        QVERIFY(QFile::copy(SampleCase(QStringLiteral("sole-father-pays.q10")), smith));
        ::chmod(qPrintable(home->Path() + "/shared"), 0555);
        QVERIFY(window->OpenFile(smith));
        ::chmod(qPrintable(home->Path() + "/shared"), 0755);
        QVERIFY(prompts->questions.isEmpty());
        QVERIFY(window->ReadOnly());
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblCaseAccess"))->text().contains(
            QStringLiteral("takes no lock file")));
    }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTests.moc"
