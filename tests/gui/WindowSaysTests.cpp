// What the window says must be readable and true: the status bar's change
// message and its labels each in a place of their own; a refused entry named
// by its own field; the support schedule dialog showing all of its text; the
// save questions naming the case; the save dialogs proposing the open case's
// folder.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "GuiTestSupport.h"
#include "calc/ScheduleImport.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

class WindowSaysTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;

    // A case of the user's in a folder of its own (not the client-file folder).
    QString CaseInOwnFolder(const QString& name) {
        QDir(home->Path()).mkpath(QStringLiteral("cases"));
        const QString path = home->Path() + "/cases/" + name;
        QFile::copy(SampleCase(QStringLiteral("sole-father-pays.q10")), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    // An office's schedule, as CSV.
    QString OfficeSchedule() {
        const QString path = home->Path() + "/office.csv";
        return WriteOfficeScheduleCsv(path) ? path : QString();
    }

private slots:
    void init() { StartWindow(home, prompts, window); }
    void cleanup() {
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    // The headline's move and the problem count are both shown, neither
    // drawn over the other nor over the schedule notice.
    void theStatusBarShowsTheChangeBesideItsLabels() {
        window->resize(1280, 800);
        // A sole residential order, the mother residential, one child: line 28 has an obligor.
        Find<QCheckBox>(*window, QStringLiteral("cbx4"))->click();
        Find<QCheckBox>(*window, QStringLiteral("cbx5"))->click();
        TypeInto(*window, 3, QStringLiteral("1"));
        TypeInto(*window, 10, QStringLiteral("40000"));
        TypeInto(*window, 11, QStringLiteral("30000"));
        const QString message = window->statusBar()->currentMessage();
        QVERIFY2(message.startsWith(QStringLiteral("Line 28: ")), qPrintable(message));
        const int messageEnd = window->statusBar()->fontMetrics().horizontalAdvance(message);
        QStringList shown;
        QList<QRect> places;
        for (QLabel* label : window->statusBar()->findChildren<QLabel*>()) {
            if (!label->isVisible()) continue;
            const QRect place = label->geometry();
            QVERIFY2(place.left() > messageEnd, qPrintable(label->objectName() + " is drawn over the message"));
            for (const QRect& other : places) QVERIFY2(!place.intersects(other), qPrintable(label->objectName()));
            places << place;
            shown << label->text();
        }
        QVERIFY2(shown.contains(QStringLiteral("No problems found")), qPrintable(shown.join(" | ")));
    }

    // The short forms refuse fewer than one child in the question of that
    // field, named as the field is named.
    void theChildrenQuestionNamesItsField() {
        const struct {
            int tag;
            int slot;
            const char* field;
        } forms[] = {{1500, 2, "Number of minor children subject to this order"}, {1600, 4, "Children living with the mother"}};
        for (const auto& form : forms) {
            window->DisplayAPage(form.tag);
            prompts->questions.clear();
            TypeInto(*window, form.slot, QStringLiteral("0"));
            QCOMPARE(prompts->questions.size(), 1);
            const QString expected = QString::fromLatin1(form.field) + QStringLiteral(": there must be at least one");
            QVERIFY2(prompts->questions.first().startsWith(expected), qPrintable(prompts->questions.first()));
        }
    }

    // Going back to the installed schedule shows its longer description
    // whole: the dialog grows to the text.
    void theScheduleDialogShowsAllOfItsText() {
        const QString office = OfficeSchedule();
        QVERIFY(!office.isEmpty());
        QVERIFY(window->InstallOfficeSchedule(ReadScheduleFile(office.toStdString()), QStringLiteral("Ohio 2024"),
                                              QStringLiteral("2024-01-01"))
                    .isEmpty());
        QString described;
        bool whole = false;
        prompts->dialogDrivers.push_back([&](QDialog& dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            Find<QPushButton>(dialog, QStringLiteral("btnUseInstalled"))->click();
            auto* label = Find<QLabel>(dialog, QStringLiteral("lblInUse"));
            described = label->text();
            dialog.layout()->activate();
            whole = label->height() >= label->heightForWidth(label->width()) &&
                    dialog.height() >= dialog.heightForWidth(dialog.width());
        });
        window->SupportScheduleClick();
        QVERIFY2(described.contains(QStringLiteral("quill10-cli table install).")), qPrintable(described));
        QVERIFY(whole);
    }

    // The Save As dialog is titled as the command; the save question says
    // which case it is about, in its title and under its question, and keeps
    // its own question word for word.
    void theSaveQuestionsNameTheCase() {
        window->SaveAsClick();
        QCOMPARE(prompts->questionsAsked, QStringList{QStringLiteral("Save As")});

        QVERIFY(window->OpenFile(CaseInOwnFolder(QStringLiteral("smith.q10"))));
        TypeInto(*window, 10, QStringLiteral("41000"));
        prompts->saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!window->CloseSequence());
        QCOMPARE(prompts->casesToSave, QStringList{QStringLiteral("smith.q10")});

        const std::unique_ptr<QMessageBox> box = SaveChangesBox(window.get(), QStringLiteral("smith.q10"));
        QCOMPARE(box->text(), QStringLiteral("Do You Want To Save Your Changes"));
        QCOMPARE(box->informativeText(), QStringLiteral("The case \"smith.q10\" has changes that are not saved."));
        QCOMPARE(box->windowTitle(), QStringLiteral("smith.q10 - QUILL10"));
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
    }

    // Save As and Save as PDF both propose the folder of the open case.
    void theSaveDialogsProposeTheCasesFolder() {
        const QString path = CaseInOwnFolder(QStringLiteral("smith.q10"));
        QVERIFY(window->OpenFile(path));
        window->SaveAsClick();
        QCOMPARE(prompts->proposals.last(), path);
        prompts->dialogDrivers.push_back([](QDialog& dialog) {
            Find<QCheckBox>(dialog, QStringLiteral("cbxSole_Short"))->click();
            Find<QPushButton>(dialog, QStringLiteral("btnOk"))->click();
        });
        window->SaveAsPdfClick();
        QCOMPARE(prompts->questionsAsked.last(), QStringLiteral("Save as PDF"));
        QCOMPARE(prompts->proposals.last(), home->Path() + "/cases/smith.pdf");
    }
};

QTEST_MAIN(WindowSaysTest)
#include "WindowSaysTests.moc"
