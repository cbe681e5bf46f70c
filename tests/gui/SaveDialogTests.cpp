// Every save dialog of the program follows one rule: the file written ends
// in the dialog's own extension, whatever was typed, and an existing file
// is replaced only after the question, never by a name the user did not
// mean (typing "victim" never writes over victim.q10).
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "GuiTestSupport.h"
#include "app/TfrmCompare.h"
#include "scheduler/TfrmScheduler.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

namespace {


void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class SaveDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;

    // One save dialog: how it is reached, the extension of what it writes,
    // and the folder the typed name is in.
    struct SaveDialog {
        const char* label;
        const char* extension;
        std::function<void()> run;
    };

    QString Folder() const { return home->ClientFolder(); }

    std::vector<SaveDialog> Dialogs() {
        auto clickInCompare = [this] {
            prompts->fileLists = {{CopySample(*home, QStringLiteral("other.q10"), QStringLiteral("split.q10"))}};
            window->ShowCompare = [](TfrmCompare& compare) {
                for (QPushButton* button : compare.findChildren<QPushButton*>())
                    if (button->text() == QStringLiteral("Save as &CSV...")) button->click();
            };
            window->CompareScenariosClick();
        };
        auto exportFromScheduler = [this] {
            TfrmScheduler scheduler(*window);
            scheduler.findChild<QPushButton*>(QStringLiteral("btnExportCsv"))->click();
        };
        auto importUnderAnotherName = [this] {
            QFile::copy(SampleCase(QStringLiteral("split.q10")), home->Path() + "/case.WQ7");
            prompts->filesToOpen = {home->Path() + "/case.WQ7"};
            prompts->replaceAnswers = {ReplaceAnswer::OtherName};
            window->ImportClick(0);
        };
        return {
            {"Save As", "q10", [this] { window->SaveAsClick(); }},
            {"Save as PDF", "pdf",
             [this] {
                 prompts->dialogDrivers.push_back([](QDialog& dialog) {
                     dialog.findChild<QCheckBox*>(QStringLiteral("cbxSole_Short"))->click();
                     dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
                 });
                 window->SaveAsPdfClick();
             }},
            {"compare CSV", "csv", clickInCompare},
            {"scheduler CSV", "csv", exportFromScheduler},
            {"import, another name", "q10", importUnderAnotherName},
        };
    }

private slots:
    void init() {
        StartWindow(home, prompts, window);
        QVERIFY(QDir().mkpath(home->ClientFolder()));
        QVERIFY(window->OpenFile(CopySample(*home, QStringLiteral("case.q10"), QStringLiteral("sole-short-form.q10"))));
        // The case that a careless extension would destroy, and a file of the dialog's own kind.
        for (const char* name : {"victim.q10", "victim.pdf", "victim.csv"}) Write(Folder() + "/" + name, name);
        // The imported case's own name is taken, so the import asks for another.
        Write(Folder() + "/case.Q10", "the existing case");
    }
    void cleanup() {
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    void aBareNameGetsTheDialogsExtensionAndNothingIsReplacedUnasked() {
        for (const SaveDialog& dialog : Dialogs()) {
            const QString target = Folder() + "/victim." + dialog.extension;
            // No to the question: nothing is written, and the dialog asks again (cancelled here).
            prompts->filesToSave = {Folder() + "/victim"};
            prompts->yesNoAnswers = {false};
            prompts->questions.clear();
            dialog.run();
            QCOMPARE(prompts->questions.size(), 1);
            QVERIFY2(prompts->questions.first().contains(QStringLiteral("victim.%1\" already exists").arg(dialog.extension)),
                     qPrintable(QStringLiteral("%1: %2").arg(dialog.label, prompts->questions.first())));
            for (const char* name : {"victim.q10", "victim.pdf", "victim.csv"})
                QCOMPARE(FileBytes(Folder() + "/" + name), QByteArray(name));

            // Yes: the file of the dialog's own kind is replaced, and nothing else.
            prompts->filesToSave = {Folder() + "/victim"};
            prompts->yesNoAnswers = {true};
            dialog.run();
            QVERIFY2(FileBytes(target) != QByteArray(qPrintable("victim." + QString::fromLatin1(dialog.extension))),
                     dialog.label);
            for (const char* name : {"victim.q10", "victim.pdf", "victim.csv"})
                if (QString::fromLatin1(name) != "victim." + QString::fromLatin1(dialog.extension))
                    QCOMPARE(FileBytes(Folder() + "/" + name), QByteArray(name));
            Write(target, qPrintable("victim." + QString::fromLatin1(dialog.extension)));
            window->SetModified(false);
            QVERIFY(window->OpenFile(home->Path() + "/case.q10"));
        }
    }

    // Save As Scenario names its file from the case and the scenario: an
    // existing scenario of that name is replaced only after the question.
    void saveAsScenarioAsksBeforeReplacing() {
        const QString scenario = home->Path() + "/case - victim.q10";
        Write(scenario, "the earlier scenario");
        prompts->texts = {QStringLiteral("victim")};
        prompts->yesNoAnswers = {false};
        QCOMPARE(window->SaveAsScenarioClick(), QString());
        QCOMPARE(prompts->questions.size(), 1);
        QVERIFY(prompts->questions.first().contains(QStringLiteral("case - victim.q10\" already exists")));
        QCOMPARE(FileBytes(scenario), QByteArray("the earlier scenario"));
        prompts->texts = {QStringLiteral("victim")};
        prompts->yesNoAnswers = {true};
        QCOMPARE(window->SaveAsScenarioClick(), scenario);
        QVERIFY(FileBytes(scenario).startsWith("QUILL10\r\n"));
    }

    // A name that leads to a file being read (the open case, through a
    // link) is refused with a warning, whatever the question would say.
    void anOutputIsNeverTheOpenCase() {
        const QString link = Folder() + "/link.pdf";
        QVERIFY(QFile::link(home->Path() + "/case.q10", link));
        const QByteArray before = FileBytes(home->Path() + "/case.q10");
        prompts->dialogDrivers.push_back([](QDialog& dialog) {
            dialog.findChild<QCheckBox*>(QStringLiteral("cbxSole_Short"))->click();
            dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        });
        prompts->filesToSave = {link};
        prompts->yesNoAnswers = {true};
        window->SaveAsPdfClick();
        QCOMPARE(FileBytes(home->Path() + "/case.q10"), before);
        QCOMPARE(prompts->warnings.size(), 1);
        QVERIFY2(prompts->warnings.first().contains(QStringLiteral("would be lost")), qPrintable(prompts->warnings.first()));
    }
};

QTEST_MAIN(SaveDialogTest)
#include "SaveDialogTests.moc"
