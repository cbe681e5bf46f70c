// Several windows and the command-line tool share one settings file and one
// support schedule: a window follows what another changed before it
// computes, writes only what it changed itself, and a schedule that cannot
// be read leaves the case not computed rather than priced by stale figures.
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStatusBar>
#include <QtTest>
#include <unistd.h>
#include <sys/stat.h>

#include "GuiTestSupport.h"
#include "calc/CalcEnvironment.h"
#include "calc/ScheduleImport.h"
#include "files/ClientFile.h"
#include "files/Settings.h"
#include "store/Answers.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

namespace {

// The demonstration schedule with `extra` dollars more in every column.
ScheduleReading OfficeRows(double extra) {
    ScheduleReading reading = ReadScheduleFile((ProgramFolder() + "/table.txt").toStdString());
    for (SupportTable::Row& row : reading.rows)
        for (double& amount : row.amounts) amount += extra;
    return reading;
}

QString Notice(const TfrmMain& window) {
    return window.findChild<QLabel*>(QStringLiteral("lblScheduleNotice"))->text();
}

}  // namespace

class SharedSettingsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;

    Settings FileSettings() const {
        Settings defaults = window->CurrentSettings();
        return ReadSettingsNow(SettingsFilePath(defaults), defaults);
    }
    QString CaseFile(const QString& name) { return CopySample(*home, name, QStringLiteral("sole-father-pays.q10")); }

private slots:
    void init() { StartWindow(home, prompts, window); }
    void cleanup() {
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    // One window installs; the other computes with the new schedule at its
    // next field and names it, and closing it keeps the install.
    void aSecondWindowFollowsAnInstallAndKeepsIt() {
        ScriptedPrompts secondPrompts;
        std::unique_ptr<TfrmMain> second = StartAnotherWindow(secondPrompts);
        QVERIFY(window->OpenFile(CaseFile("first.q10")));
        QVERIFY(second->OpenFile(CaseFile("second.q10")));
        const QString demonstration = second->HeadlineSupport();

        QCOMPARE(window->InstallOfficeSchedule(OfficeRows(50), "Ohio 2024", "2024-01-01"), QString());
        const QString office = window->HeadlineSupport();
        QVERIFY(office != demonstration);

        second->FollowSettings();  // as before its next calculation
        second->DisplayAPage(0);
        test::TypeInto(*second, 10, FieldOf(*second, 10)->text());  // a field left as it was: recalculated
        QCOMPARE(second->HeadlineSupport(), office);
        QCOMPARE(second->CurrentSettings().schedule.name, std::string("Ohio 2024"));
        QVERIFY(second->ScheduleInUse().startsWith(QStringLiteral("Support schedule: Ohio 2024")));
        QVERIFY2(second->statusBar()->currentMessage().contains(QStringLiteral("Ohio 2024, effective 1/1/2024")),
                 qPrintable(second->statusBar()->currentMessage()));

        // The second window's own change (a recent file) and the first's
        // install both stay when it closes.
        second->SetModified(false);
        QVERIFY(second->CloseSequence());
        const Settings now = FileSettings();
        QCOMPARE(now.schedule.name, std::string("Ohio 2024"));
        QCOMPARE(now.recentFiles.size(), size_t{2});
        QVERIFY(secondPrompts.warnings.isEmpty());
    }

    // The command-line tool installs while a window is open: the window
    // computes with it and names it on its pages, as quill10-cli does.
    void aWindowFollowsTheCommandLine() {
        QVERIFY(window->OpenFile(CaseFile("case.q10")));
        const QString csv = home->Path() + "/office.txt";
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(ScheduleFileText(OfficeRows(70).rows)));
        file.close();
        QProcess cli;
        cli.start(QStringLiteral(QUILL10_CLI_EXE), {QStringLiteral("table"), QStringLiteral("install"), csv,
                                                   QStringLiteral("--name"), QStringLiteral("Office"),
                                                   QStringLiteral("--effective"), QStringLiteral("2024-07-01")});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        cli.start(QStringLiteral(QUILL10_CLI_EXE), {QStringLiteral("summary"), window->CurrentFileName()});
        QVERIFY(cli.waitForFinished(30000));
        const QString summary = QString::fromUtf8(cli.readAllStandardOutput());

        QEvent activation(QEvent::ActivationChange);  // the user comes back to the window
        QApplication::sendEvent(window.get(), &activation);
        QTRY_COMPARE(window->CurrentSettings().schedule.name, std::string("Office"));
        QVERIFY2(summary.contains(QStringLiteral("Sole/Shared Annual Support (Ins.): ") + window->HeadlineSupport()),
                 qPrintable(summary + window->HeadlineSupport()));
        QVERIFY(Notice(*window).isEmpty());  // no longer the demonstration schedule
    }

    // The schedule in use is deleted while a case is open: its figures are
    // cleared, the headlines and status bar say why (one message box, not
    // one a field), and a save writes the entries without a stale figure.
    void aScheduleThatCannotBeReadLeavesTheCaseNotComputed() {
        const QString path = CaseFile("case.q10");
        QVERIFY(window->OpenFile(path));
        QCOMPARE(window->InstallOfficeSchedule(OfficeRows(50), "Ohio 2024", "2024-01-01"), QString());
        QVERIFY(!window->Answers().Text(3, 14).empty());  // line 17
        QVERIFY(QFile::remove(QString::fromStdString(window->CurrentSettings().schedule.file)));

        TypeInto(*window, 10, QStringLiteral("60001"));
        QCOMPARE(window->HeadlineSupport(), QStringLiteral("Not computed"));
        QCOMPARE(prompts->warnings.size(), 1);
        QVERIFY2(Notice(*window).startsWith(QStringLiteral("Not computed: the support schedule Ohio 2024 cannot be "
                                                           "read (No such file or directory). Options > Support "
                                                           "Schedule, or `quill10-cli table reset`.")),
                 qPrintable(Notice(*window)));
        QCOMPARE(window->Answers().Text(3, 14), std::string());
        QCOMPARE(window->Answers().Text(6, 4), std::string());
        TypeInto(*window, 10, QStringLiteral("60002"));
        QCOMPARE(prompts->warnings.size(), 1);  // told once

        QVERIFY(window->SaveClick());
        std::string error;
        auto saved = ReadClientFile(path.toStdString(), std::make_shared<CalcEnvironment>(), error);
        QVERIFY2(saved, error.c_str());
        QCOMPARE(saved->answers->Text(0, 10), std::string("60,002.00"));
        QCOMPARE(saved->answers->Text(3, 14), std::string());

        // Back on the installed schedule, the case is computed again.
        window->UseInstalledScheduleClick();
        QVERIFY(window->HeadlineSupport().startsWith(QLatin1Char('$')));
        QVERIFY(!window->Answers().Text(3, 14).empty());
    }

    // A case that can no longer be read (a pipe put in its place) counts as
    // changed elsewhere: the save asks before writing over it.
    void aCaseThatCannotBeReadIsAskedAboutBeforeSaving() {
        const QString path = CaseFile("case.q10");
        QVERIFY(window->OpenFile(path));
        TypeInto(*window, 10, QStringLiteral("65000"));
        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        QVERIFY(!window->SaveClick());  // Cancel
        QCOMPARE(prompts->changedCasesAskedAbout, QStringList{QStringLiteral("case.q10")});
        QVERIFY(window->Modified());
    }
};

QTEST_MAIN(SharedSettingsTest)
#include "SharedSettingsTests.moc"
