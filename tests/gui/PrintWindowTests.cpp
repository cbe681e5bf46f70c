// Printing from the window: the click rules of "Select A Form", the print
// jobs handed to the word processor, the word processor choice and its
// menu commands, Save as PDF.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QLabel>
#include <QUrl>
#include <QtTest>
#include <future>
#include <filesystem>

#include "GuiTestSupport.h"
#include "app/ProgramLauncher.h"
#include "print/TfrmSelectedForms.h"
#include "print/SendSched.h"
#include "files/ClientFile.h"
#include "files/Settings.h"
#include "store/Answers.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

namespace {

QStringList Ticked(const TfrmSelectedForms& dialog) {
    QStringList names;
    for (const QCheckBox* box : dialog.findChildren<QCheckBox*>())
        if (box->isChecked()) names << box->objectName();
    names.sort();
    return names;
}

void Click(TfrmSelectedForms& dialog, const QString& name) {
    auto* box = dialog.findChild<QCheckBox*>(name);
    QVERIFY2(box, qPrintable(name));
    box->click();
}


}  // namespace

class PrintWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;
    RecordingLauncher* launcher = nullptr;

    QString SendFolder() const { return QString::fromStdString(window->CurrentSettings().folders.send); }
    // The next "Select A Form" is answered by clicking `boxes` and Ok.
    void ChooseInDialog(const QStringList& boxes) {
        prompts->dialogDrivers.push_back([boxes](QDialog& dialog) {
            auto& forms = dynamic_cast<TfrmSelectedForms&>(dialog);
            for (const QString& box : boxes) Click(forms, box);
            forms.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        });
    }
    void OpenSample(const QString& sample) {
        QVERIFY(window->OpenFile(CopySample(*home, QStringLiteral("case.q10"), sample)));
    }
    QString StartedFile() const { return launcher->LastFile(); }

private slots:
    void init() {
        StartWindow(home, prompts, window);
        launcher = &LauncherOf(*window);
    }
    void cleanup() {
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    void clickRulesOfTheSelectionDialog_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("All Pages ticks its group") << QStringList{"cbxSole_A_All"}
            << QStringList{"cbxSole_A_1", "cbxSole_A_2", "cbxSole_A_3", "cbxSole_A_4", "cbxSole_A_5", "cbxSole_A_6", "cbxSole_A_All"}
            << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("All Pages wins over a cleared page") << QStringList{"cbxSole_A_All", "cbxSole_A_3"}
            << QStringList{"cbxSole_A_1", "cbxSole_A_2", "cbxSole_A_4", "cbxSole_A_5", "cbxSole_A_6", "cbxSole_A_All"}
            << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("clearing All Pages clears its pages") << QStringList{"cbxSplit_S_All", "cbxSplit_S_All"}
            << QStringList{} << QList<int>{};
        QTest::newRow("Single Page clears its tab's pages") << QStringList{"cbxSole_A_1", "cbxSole_S_All", "cbxSole_Short"}
            << QStringList{"cbxSole_Short"} << QList<int>{15};
        QTest::newRow("a page clears its tab's Single Page") << QStringList{"cbxSplit_Short", "cbxSplit_A_7"}
            << QStringList{"cbxSplit_A_7"} << QList<int>{14};
        QTest::newRow("the other tab's Single Page leaves pages") << QStringList{"cbxSole_A_2", "cbxSplit_Short"}
            << QStringList{"cbxSole_A_2", "cbxSplit_Short"} << QList<int>{2, 16};
        QTest::newRow("the scheduler clears both tabs") << QStringList{"cbxSole_A_All", "cbxSplit_Short", "cbxScheduler"}
            << QStringList{"cbxScheduler"} << QList<int>{};
        QTest::newRow("a page clears the scheduler") << QStringList{"cbxScheduler", "cbxSplit_S_2"}
            << QStringList{"cbxSplit_S_2"} << QList<int>{26};
        QTest::newRow("All Pages clears the scheduler") << QStringList{"cbxScheduler", "cbxSole_S_All"}
            << QStringList{"cbxSole_S_1", "cbxSole_S_2", "cbxSole_S_3", "cbxSole_S_4", "cbxSole_S_5", "cbxSole_S_6", "cbxSole_S_All"}
            << QList<int>{18, 19, 20, 21, 22, 23};
        QTest::newRow("a second click on Single Page clears it") << QStringList{"cbxSplit_Short", "cbxSplit_Short"}
            << QStringList{} << QList<int>{};
        QTest::newRow("each audit appendix follows its worksheet") << QStringList{"cbxSplit_Audit", "cbxSole_A_1", "cbxSole_Audit"}
            << QStringList{"cbxSole_A_1", "cbxSole_Audit", "cbxSplit_Audit"} << QList<int>{1, 33, 34};
        QTest::newRow("the audit appendix goes with Single Page") << QStringList{"cbxSole_Audit", "cbxSole_Short"}
            << QStringList{"cbxSole_Audit", "cbxSole_Short"} << QList<int>{15, 33};
        QTest::newRow("Single Page stays beside the audit appendix") << QStringList{"cbxSplit_Short", "cbxSplit_Audit"}
            << QStringList{"cbxSplit_Audit", "cbxSplit_Short"} << QList<int>{16, 34};
        QTest::newRow("the scheduler clears the audit appendix") << QStringList{"cbxSplit_Audit", "cbxScheduler"}
            << QStringList{"cbxScheduler"} << QList<int>{};
        QTest::newRow("the audit appendix clears the scheduler") << QStringList{"cbxScheduler", "cbxSole_Audit"}
            << QStringList{"cbxSole_Audit"} << QList<int>{33};
    }
    void clickRulesOfTheSelectionDialog() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, ticked);
        QFETCH(QList<int>, pages);
        TfrmSelectedForms dialog;
        for (const QString& name : clicks) Click(dialog, name);
        QCOMPARE(Ticked(dialog), ticked);
        const std::vector<int> order = AssemblyOrder(dialog.Selection());
        QCOMPARE(QList<int>(order.begin(), order.end()), pages);
    }

    void checkAllTicksEveryWorksheetBoxWithoutTheRules() {
        TfrmSelectedForms dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.Tabs()->setFocus();
        QTest::keyClick(dialog.Tabs(), Qt::Key_A, Qt::ControlModifier);
        const QStringList ticked = Ticked(dialog);
        QCOMPARE(ticked.size(), dialog.findChildren<QCheckBox*>().size() - 1);
        QVERIFY(ticked.contains("cbxSole_Short") && ticked.contains("cbxSplit_A_7"));
        QVERIFY(ticked.contains("cbxSole_Audit") && ticked.contains("cbxSplit_Audit"));
        QCOMPARE(dialog.Selection().audit, (std::array<bool, kAuditBoxCount>{true, true}));
        QVERIFY(!ticked.contains("cbxScheduler"));
        QCOMPARE(dialog.Tabs()->actions().first()->text(), QStringLiteral("Check All - Testing Only"));
    }

    void dialogOpensOnTheTabOfTheWorksheetOnScreen() {
        for (const auto& [tag, tab] : {std::pair{1600, 1}, {700, 1}, {1500, 0}, {0, 0}}) {
            window->DisplayAPage(tag);
            int shownTab = -1;
            prompts->dialogDrivers.push_back([&shownTab](QDialog& dialog) {
                auto& forms = dynamic_cast<TfrmSelectedForms&>(dialog);
                shownTab = forms.Tabs()->currentIndex();
                QCOMPARE(Ticked(forms), QStringList());
            });
            window->PreviewPrintClick();
            QCOMPARE(shownTab, tab);
        }
        QCOMPARE(prompts->dialogsShown.last(), QStringLiteral("Select A Form"));
        QVERIFY(launcher->programs.isEmpty() && launcher->urls.isEmpty());  // Cancel prints nothing
    }

    void previewPrintHandsTheChosenPagesToWriter() {
        OpenSample(QStringLiteral("sole-father-pays.q10"));
        window->ChooseWordProcessor({{}, {}});  // neither present nor found: the default program
        QVERIFY(window->CurrentWordProcessor() == WordProcessor::WordPad);
        window->ForceWordClick();
        QVERIFY(window->CurrentWordProcessor() == WordProcessor::Word);
        ChooseInDialog({QStringLiteral("cbxSole_A_All"), QStringLiteral("cbxSole_S_All")});
        window->PreviewPrintClick();
        QCOMPARE(launcher->programs.size(), 1);
        const RecordingLauncher::Started started = launcher->programs.first();
        QCOMPARE(started.arguments, QStringList{QStringLiteral("send_temp.RTF")});  // the name alone, in the send folder
        QCOMPARE(QDir(started.folder).canonicalPath(), QDir(SendFolder()).canonicalPath());
        const QByteArray rtf = FileBytes(StartedFile());
        QCOMPARE(rtf.count("\\'b7"), 1);  // one document: later pages joined after the marker
        QVERIFY(rtf.contains("Sole Residential Parent or Shared Parenting"));
        QVERIFY(!rtf.contains("\\margl1080"));  // Writer keeps the templates' own margins

        // A second print while send_temp.RTF is still there takes a numbered name.
        ChooseInDialog({QStringLiteral("cbxSole_Short")});
        window->PreviewPrintClick();
        QCOMPARE(launcher->programs.size(), 2);
        QVERIFY(QRegularExpression(QStringLiteral("^send_temp([0-9]|[1-9][0-9]|[1-9][0-9][0-9])\\.rtf$"))
                    .match(launcher->programs.last().arguments.last()).hasMatch());
        // Closing the program deletes both.
        QVERIFY(window->CloseSequence());
        QCOMPARE(QDir(SendFolder()).entryList({QStringLiteral("send_temp*")}, QDir::Files), QStringList());
    }

    void auditAppendixBoxPrintsTheAppendixAfterItsWorksheet() {
        OpenSample(QStringLiteral("split.q10"));
        window->ForceWordClick();
        ChooseInDialog({QStringLiteral("cbxSplit_Audit"), QStringLiteral("cbxSplit_A_1")});
        window->PreviewPrintClick();
        QCOMPARE(launcher->programs.size(), 1);
        const QByteArray rtf = FileBytes(StartedFile());
        QCOMPARE(rtf.count("\\'b7"), 1);
        QCOMPARE(rtf.count("\\pagebb"), 1);  // the appendix starts its own sheet
        const qsizetype appendix = rtf.indexOf("Audit Appendix");
        QVERIFY(appendix > rtf.indexOf("Split Parental Child Support Computation Worksheet\\par"));
        QVERIFY(rtf.indexOf("Karen Brown", appendix) > appendix);  // the mother's signature line
    }

    void quickPrintToTheDefaultProgramWritesTheMarginsOfTheForm() {
        OpenSample(QStringLiteral("split.q10"));
        window->ForceWordPadClick();
        QVERIFY(window->CurrentWordProcessor() == WordProcessor::WordPad);
        window->DisplayAPage(1600);
        window->QuickPrintClick();
        QCOMPARE(launcher->urls.size(), 1);
        const QByteArray shortForm = FileBytes(StartedFile());
        QVERIFY(shortForm.contains("\\margl720\\margr720\\margt576\\margb360"));
        QCOMPARE(shortForm.count("\\'b7"), 1);
        QVERIFY(shortForm.contains("Split Parental"));

        window->DisplayAPage(700);
        window->QuickPrintClick();
        QCOMPARE(launcher->urls.size(), 2);
        const QByteArray longForm = FileBytes(StartedFile());
        QVERIFY(longForm.contains("\\margl1080\\margr1080\\margt576\\margb360"));
        QCOMPARE(longForm.count("\\page"), 6);  // seven pages of the split annotated version
    }

    void schedulerBoxPrintsTheSchedulerIntoTheClientFolder() {
        OpenSample(QStringLiteral("sole-father-pays-arrears.q10"));
        window->ForceWordPadClick();
        ChooseInDialog({QStringLiteral("cbxSole_A_All"), QStringLiteral("cbxScheduler")});
        window->PreviewPrintClick();
        QCOMPARE(launcher->urls.size(), 1);
        QCOMPARE(QFileInfo(StartedFile()).fileName(), QString::fromLatin1(kSchedulePrintoutName));
        QVERIFY(FileBytes(StartedFile()).contains("\\margl720\\margr720"));  // narrow, as for a single page
    }

    // A link planted under the printout's name is passed over: the file it
    // leads to is untouched and the printout takes a name of its own; an
    // earlier printout (which may have been edited) is not written over either.
    void schedulerPrintoutIsANewFileNeverWrittenThroughALink() {
        OpenSample(QStringLiteral("sole-father-pays-arrears.q10"));
        const QDir clientFolder(QString::fromStdString(window->CurrentSettings().folders.clientFiles));
        QVERIFY(clientFolder.mkpath(QStringLiteral(".")));
        const QString victim = home->Path() + "/victim.q10";
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the case");
        file.close();
        QVERIFY(QFile::link(victim, clientFolder.filePath(QString::fromLatin1(kSchedulePrintoutName))));
        for (const char* expected : {"Support Scheduler 2.RTF", "Support Scheduler 3.RTF"}) {
            ChooseInDialog({QStringLiteral("cbxScheduler")});
            window->PreviewPrintClick();
            QCOMPARE(QFileInfo(StartedFile()).fileName(), QString::fromLatin1(expected));
            QVERIFY(FileBytes(StartedFile()).contains("Support Scheduler"));
        }
        QCOMPARE(FileBytes(victim), QByteArray("the case"));
        QCOMPARE(prompts->warnings, QStringList());
    }

    void wordProcessorChoiceAtStartUpAndByTheForceCommands() {
        QTemporaryDir places;
        QVERIFY(QDir(places.path()).mkpath("opt/office/program"));
        const QString writer = places.path() + "/opt/office/program/soffice";
        QFile program(writer);
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\n");
        program.close();
        program.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile plugin(places.path() + "/opt/office/program/libvclplug_gen.so");  // Writer with a window
        QVERIFY(plugin.open(QIODevice::WriteOnly));
        plugin.close();

        // Present at a fixed place: Word, no search.
        Settings& settings = window->CurrentSettings();
        settings.forceWord = settings.forceWordPad = false;
        settings.wordPath.clear();
        window->ChooseWordProcessor({{writer.toStdString()}, {"/nonexistent"}});
        QVERIFY(window->CurrentWordProcessor() == WordProcessor::Word);
        QVERIFY(!window->ForceWordAction()->isChecked());
        QCOMPARE(window->FindWordAction()->text(), QStringLiteral("Fi&nd Word"));

        // Found only by the search: Word, forced from now on, the menu says FOUND.
        window->ChooseWordProcessor({{}, {(places.path() + "/usr").toStdString(), (places.path() + "/opt").toStdString()}});
        QTRY_VERIFY(!window->WordSearchRunning());  // searched in the background
        QVERIFY(window->CurrentWordProcessor() == WordProcessor::Word);
        QVERIFY(window->ForceWordAction()->isChecked());
        QCOMPARE(window->FindWordAction()->text(), QStringLiteral("Fi&nd Word: FOUND"));
        QCOMPARE(QString::fromStdString(window->CurrentSettings().wordPath), writer);
        // ... and it is the program started.
        OpenSample(QStringLiteral("sole-short-form.q10"));
        window->DisplayAPage(1500);
        window->QuickPrintClick();
        QCOMPARE(launcher->programs.last().program, writer);

        // Force WordPad from the menu: ticked, Force Word cleared; off again picks Word.
        window->ForceWordPadAction()->trigger();
        QVERIFY(window->CurrentWordProcessor() == WordProcessor::WordPad);
        QVERIFY(window->ForceWordPadAction()->isChecked());
        QVERIFY(!window->ForceWordAction()->isChecked());
        window->ForceWordPadAction()->trigger();
        QVERIFY(window->CurrentWordProcessor() == WordProcessor::Word);
        QVERIFY(!window->ForceWordPadAction()->isChecked());

        // Force WordPad survives the next start.
        window->ForceWordPadAction()->trigger();
        window->ChooseWordProcessor({{writer.toStdString()}, {}});
        QVERIFY(window->CurrentWordProcessor() == WordProcessor::WordPad);
    }

    // Start-up never waits for the word-processor search: the case is on
    // screen and takes entries while a (slow) search runs; what it finds is
    // kept in the settings file at once, for the next start.
    void theCaseIsShownBeforeTheWordSearchEnds() {
        auto gate = std::make_shared<std::promise<void>>();
        std::shared_future<void> released = gate->get_future().share();
        const std::string writer = (home->Path() + "/office/program/soffice").toStdString();
        TfrmMain::SetWordSearch([released, writer](const std::vector<std::string>&, const SearchProgress& progress) {
            progress(5);
            released.wait();
            return writer;
        });
        TfrmMain::SetStartUpWordPlaces({{}, {"/a/slow/root"}});
        ScriptedPrompts answers;
        auto started = std::make_unique<TfrmMain>(ProgramFolder(), &answers);
        started->SetLauncher(std::make_unique<RecordingLauncher>());
        started->show();
        started->StartUp({CopySample(*home, QStringLiteral("shown.q10"), QStringLiteral("sole-father-pays.q10"))}, false);
        TfrmMain::SetWordSearch({});
        TfrmMain::SetStartUpWordPlaces({});

        QVERIFY(started->WordSearchRunning());
        QCOMPARE(started->CurrentFileName(), home->Path() + "/shown.q10");
        QCOMPARE(started->CurrentPage(), 0);
        QTRY_VERIFY(started->findChild<QLabel*>(QStringLiteral("lblWordSearch"))->text().contains(
            QStringLiteral("Looking for LibreOffice Writer")));
        QVERIFY(started->CurrentWordProcessor() == WordProcessor::WordPad);

        gate->set_value();
        QTRY_VERIFY(!started->WordSearchRunning());
        QVERIFY(started->CurrentWordProcessor() == WordProcessor::Word);
        const Settings defaults = started->CurrentSettings();
        const Settings kept = ReadSettingsNow(SettingsFilePath(defaults), defaults);
        QCOMPARE(kept.wordPath, writer);
        QVERIFY(kept.forceWord);
        started->SetModified(false);
    }

    // A damaged template stops the job: the message names the file and the
    // fault, and nothing is written or handed to the word processor.
    void aDamagedTemplateMakesNoPrintDocument() {
        OpenSample(QStringLiteral("sole-short-form.q10"));
        QTemporaryDir templates;
        QFile damaged(templates.filePath(QStringLiteral("Page15.rtf")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\'b7 Sole Residential /*50/ {\\b");
        damaged.close();
        window->CurrentSettings().folders.templates = templates.path().toStdString();
        window->DisplayAPage(1500);
        window->QuickPrintClick();
        QCOMPARE(prompts->warnings.size(), 1);
        QVERIFY2(prompts->warnings.first().contains(QStringLiteral("Page15.rtf is damaged")),
                 qPrintable(prompts->warnings.first()));
        QVERIFY(launcher->programs.isEmpty() && launcher->urls.isEmpty());
        QVERIFY(QDir(SendFolder()).entryList({QStringLiteral("send_temp*")}, QDir::Files).isEmpty());
    }

    void aWordProcessorThatCannotStartIsReported() {
        OpenSample(QStringLiteral("sole-short-form.q10"));
        window->DisplayAPage(1500);
        launcher->succeed = false;
        ErrorLog errors;
        window->QuickPrintClick();
        QCOMPARE(errors.codes, std::vector<int>{11550});
        QVERIFY(QFile::exists(StartedFile()));  // the file stays where it was written
        // The message says where the document is and that Save as PDF works.
        const QString message = errors.texts.value(0);
        QVERIFY2(message.startsWith(QStringLiteral("1155-The word processor could not be started.")), qPrintable(message));
        QVERIFY2(message.contains(QDir::toNativeSeparators(StartedFile())), qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("File > Save as PDF...")));

        // The same for the scheduler's printout.
        ChooseInDialog({QStringLiteral("cbxScheduler")});
        window->PreviewPrintClick();
        QCOMPARE(errors.codes.size(), size_t{2});
        QVERIFY2(errors.texts.value(1).contains(QStringLiteral("Support Scheduler.RTF")), qPrintable(errors.texts.value(1)));
    }

    void saveAsPdfWritesTheChosenPages() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QFAIL("pdftotext (poppler-utils) is needed");
        OpenSample(QStringLiteral("sole-short-form.q10"));
        ChooseInDialog({QStringLiteral("cbxSole_Short")});
        const QString pdf = home->Path() + "/short form.pdf";
        prompts->filesToSave = {pdf};
        window->SaveAsPdfClick();
        QCOMPARE(prompts->warnings, QStringList());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString content = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(content.contains(QStringLiteral("Sole Residential Parent")), qPrintable(content.left(400)));
        QVERIFY(launcher->programs.isEmpty() && launcher->urls.isEmpty());  // no word processor involved
        // It says where the PDF went, and opens it or its folder when asked.
        QCOMPARE(prompts->questions.last(), QStringLiteral("The PDF was written to \"%1\".").arg(QDir::toNativeSeparators(pdf)));
        for (int choice : {0, 1}) {
            ChooseInDialog({QStringLiteral("cbxSole_Short")});
            prompts->filesToSave = {pdf};
            prompts->yesNoAnswers = {true};  // replace the PDF written before
            prompts->choices = {choice};
            window->SaveAsPdfClick();
        }
        QCOMPARE(launcher->urls, (QList<QUrl>{QUrl::fromLocalFile(pdf), QUrl::fromLocalFile(home->Path())}));
    }

    // A PDF the window wrote carries the case as it stood: opened, it gives
    // that case back, titled after the PDF and saved only with Save As, so
    // neither the PDF nor the client file beside it is written over.
    void aFiledPdfOpensAsTheCaseItCarries() {
        OpenSample(QStringLiteral("sole-short-form.q10"));
        test::TypeInto(*window, 10, QStringLiteral("61000"));  // not yet saved: the PDF carries it all the same
        const std::string printed = ClientFileText(window->Answers(), window->SchedulerTable());
        ChooseInDialog({QStringLiteral("cbxSole_Short")});
        const QString pdf = home->Path() + "/filed.pdf";
        prompts->filesToSave = {pdf};
        window->SaveAsPdfClick();
        QCOMPARE(prompts->warnings, QStringList());
        window->SetModified(false);
        QProcess check;
        check.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
        QVERIFY(check.waitForFinished(60000));
        QCOMPARE(check.exitCode(), 0);

        QVERIFY(window->OpenFile(pdf));
        QCOMPARE(ClientFileText(window->Answers(), window->SchedulerTable()), printed);
        QCOMPARE(window->CasePdf(), pdf);
        QVERIFY2(window->windowTitle().startsWith(QStringLiteral("case.q10[*] (from filed.pdf)")),
                 qPrintable(window->windowTitle()));
        const QByteArray original = FileBytes(home->Path() + "/case.q10");
        prompts->filesToSave = {};  // Save asks for a name, and Cancel saves nothing
        QVERIFY(!window->SaveClick());
        QVERIFY(prompts->questionsAsked.contains(QStringLiteral("Save As")));
        QCOMPARE(FileBytes(home->Path() + "/case.q10"), original);

        // A PDF without a case is refused, and the case on screen stays.
        QFile plain(home->Path() + "/plain.pdf");
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("%PDF-1.4\n%%EOF\n");
        plain.close();
        QVERIFY(!window->OpenFile(home->Path() + "/plain.pdf"));
        QVERIFY2(prompts->warnings.last().contains(QStringLiteral("carries no QUILL10 case")),
                 qPrintable(prompts->warnings.last()));
        QCOMPARE(window->CasePdf(), pdf);
    }
};

QTEST_MAIN(PrintWindowTest)
#include "PrintWindowTests.moc"
