// The main window driven as a user drives it: typing into fields and
// leaving them, Enter, the headline figures, the file commands with the
// save prompt answered each way, a damaged file, start-up.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <map>
#include <QScreen>
#include <QScrollBar>
#include <QScrollArea>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "app/TfrmAttachment.h"
#include "calc/CalcEnvironment.h"
#include "files/ClientFile.h"
#include "screen/PageLayout.h"
#include "store/Answers.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;

    QLineEdit* Edit(int slot) { return FieldOf(*window, slot); }
    void TypeInto(int slot, const QString& text) { test::TypeInto(*window, slot, text); }
    QString Slot(int page, int slot) { return SlotText(*window, page, slot); }
    QString WriteSample(const QString& name, const QString& sample) { return CopySample(*home, name, sample); }

private slots:
    void init() {
        StartWindow(home, prompts, window);
    }
    void cleanup() {
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    void startsOnTheLongWorksheetWithTheFirstFieldFocused() {
        QCOMPARE(window->CurrentPage(), 0);
        QCOMPARE(window->CurrentFileName(), QStringLiteral("Untitled.q10"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Edit(0)));
        QVERIFY(!window->Modified());
        QVERIFY(window->ZoomAction()->isEnabled());
        QCOMPARE(window->HeadlineSupport(), QStringLiteral("$0.00"));
    }

    void moneyFieldIsNormalisedStoredAndRecalculated() {
        TypeInto(10, QStringLiteral("1234.5"));
        QCOMPARE(Edit(10)->text(), QStringLiteral("1,234.50"));
        QCOMPARE(Slot(0, 10), QStringLiteral("1,234.50"));
        QCOMPARE(Slot(1, 19), QStringLiteral("1,234.50"));
        QCOMPARE(Edit(39)->text(), QStringLiteral("1,234.50"));  // line 7a recalculated
        QCOMPARE(Edit(41)->text(), QStringLiteral("61.73"));     // 5 % of it
        QVERIFY(window->Modified());
    }

    void percentageAndCountFields() {
        QCOMPARE(Edit(280)->text(), QStringLiteral("2.00%"));  // the fraction 0.02
        TypeInto(280, QStringLiteral("7"));
        QCOMPARE(Edit(280)->text(), QStringLiteral("7.00%"));
        QCOMPARE(Slot(0, 280), QStringLiteral("0.07"));
        QCOMPARE(Slot(6, 27), QStringLiteral("0.07"));
        TypeInto(3, QStringLiteral("2.6"));
        QCOMPARE(Edit(3)->text(), QStringLiteral("3"));
        QCOMPARE(Slot(1, 2), QStringLiteral("3"));
    }

    // An entry that cannot be read: "Correct It" (the default button, what
    // Enter presses) goes back to the field with the entry selected and
    // stores nothing; Cancel puts back what the field held; "Enter 0" enters 0.
    void unreadableEntryIsNamedOnceAndNothingIsLostByDefault() {
        ErrorLog errors;
        TypeInto(10, QStringLiteral("60000"));
        const QString headline = window->HeadlineSupport();
        TypeInto(10, QStringLiteral("abc"));  // Correct It
        QCOMPARE(prompts->questions.size(), 1);
        const QString message = prompts->questions.first();
        QVERIFY2(message.startsWith(QStringLiteral("2120-Str2Float_2. An error occurred")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("Line 1a, Column I: \"abc\"")), qPrintable(message));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Edit(10)));
        QCOMPARE(Edit(10)->text(), QStringLiteral("abc"));
        QCOMPARE(Edit(10)->selectedText(), QStringLiteral("abc"));
        QCOMPARE(Slot(1, 19), QStringLiteral("60,000.00"));
        QCOMPARE(Slot(0, 10), QStringLiteral("60,000.00"));  // leaving the field passed through stored nothing
        QVERIFY(!window->SaveClick());     // a file command waits for the correction
        QCOMPARE(prompts->questions.size(), 2);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Edit(10)));

        prompts->entryAnswers = {EntryAnswer::PutBack};  // Cancel or Escape
        QTest::keyClick(Edit(10), Qt::Key_Tab);
        QCOMPARE(Edit(10)->text(), QStringLiteral("60,000.00"));
        QCOMPARE(window->HeadlineSupport(), headline);

        prompts->entryAnswers = {EntryAnswer::EnterZero};
        Edit(10)->setFocus();
        Edit(10)->setText(QStringLiteral("12,000\n500"));  // pasted from two cells
        QTest::keyClick(Edit(10), Qt::Key_Tab);
        QCOMPARE(prompts->questions.size(), 4);
        QCOMPARE(Edit(10)->text(), QStringLiteral("0.00"));
        QCOMPARE(Slot(1, 19), QStringLiteral("0.00"));
        QVERIFY(errors.codes.empty());  // the calculation never met the entry

        // A pasted line break and blanks around a number are trimmed, not refused.
        Edit(11)->setFocus();
        Edit(11)->setText(QStringLiteral(" 45,000\n"));
        QTest::keyClick(Edit(11), Qt::Key_Tab);
        QCOMPARE(Edit(11)->text(), QStringLiteral("45,000.00"));
        QCOMPARE(prompts->questions.size(), 4);
    }

    // The short form's number of children: 0 is asked about before anything
    // is calculated; Cancel puts back the number, OK enters 1, and the
    // figures are always those of the number shown.
    void shortFormChildrenOfZeroIsAskedAbout() {
        QVERIFY(window->OpenFile(WriteSample("short.q10", "sole-short-form.q10")));
        window->DisplayAPage(0);
        const QString longForm = window->HeadlineSupport();
        window->DisplayAPage(1500);
        QCOMPARE(window->HeadlineSupport(), longForm);
        const QString children = Edit(2)->text();
        QVERIFY(children.toInt() >= 2);
        ErrorLog errors;
        prompts->okCancelAnswers = {false};
        TypeInto(2, QStringLiteral("0"));
        QCOMPARE(prompts->questions.size(), 1);
        QVERIFY2(prompts->questions.first().contains(QStringLiteral("at least one child")),
                 qPrintable(prompts->questions.first()));
        QCOMPARE(Edit(2)->text(), children);
        QCOMPARE(Slot(1, 2), children);
        QCOMPARE(window->HeadlineSupport(), longForm);

        prompts->okCancelAnswers = {true};
        TypeInto(2, QStringLiteral("0"));
        QCOMPARE(Edit(2)->text(), QStringLiteral("1"));
        QCOMPARE(Slot(1, 2), QStringLiteral("1"));
        QCOMPARE(Slot(15, 2), QStringLiteral("1"));
        window->DisplayAPage(0);
        QCOMPARE(window->HeadlineSupport(), [&] {  // the long form worked out for one child
            window->DisplayAPage(1500);
            return window->HeadlineSupport();
        }());
        QVERIFY(errors.codes.empty());  // no "Unidentified error - 999"
    }

    void anUnreadableAnswerOfAFileIsNamedOncePerRecalculation() {
        // A case file whose line 1a holds text the calculation reads several times.
        window->Answers().SetText(0, 10, "abc");
        window->Answers().SetText(1, 19, "abc");
        const QString path = home->Path() + "/damaged-entry.q10";
        std::string error;
        QVERIFY(WriteClientFile(path.toStdString(), window->Answers(), SchedulerGrid{}, error));
        ErrorLog errors;
        QVERIFY(window->OpenFile(path));
        QCOMPARE(errors.codes, std::vector<int>{kErrUnreadableEntry});  // named with its line, once
        QVERIFY2(errors.texts.first().startsWith(QStringLiteral("Line 1a, Column I: \"abc\"")),
                 qPrintable(errors.texts.first()));
    }

    void hugeAmountIsRefusedAndNeverWidensTheWindow() {
        TypeInto(10, QStringLiteral("60000"));
        const int width = window->width();
        for (const char* huge : {"1e300", "99999999999999999", "1,000,000,000,000"}) {
            TypeInto(10, QString::fromLatin1(huge));
            QCOMPARE(Edit(10)->text(), QStringLiteral("60,000.00"));
        }
        QCOMPARE(prompts->warnings.size(), 3);
        QVERIFY2(prompts->warnings.first().contains(QStringLiteral("Line 1a, Column I: \"1e300\" is too large")),
                 qPrintable(prompts->warnings.first()));
        // The largest amount taken gives a long headline: it is elided, the window keeps its width.
        TypeInto(10, QStringLiteral("999,999,999,999.99"));
        QCOMPARE(Slot(1, 19), QStringLiteral("999,999,999,999.99"));
        QApplication::processEvents();
        QCOMPARE(window->width(), width);
    }

    void closeAsksToSaveAndDisablesTheCommandsThatNeedACase() {
        const QString path = WriteSample("first.q10", "sole-father-pays.q10");
        QVERIFY(window->OpenFile(path));
        TypeInto(10, QStringLiteral("61000"));
        prompts->saveAnswers = {SaveAnswer::Cancel};
        window->CloseClick();
        QCOMPARE(window->CurrentFileName(), path);  // Cancel keeps the case open
        QVERIFY(window->Modified());
        QVERIFY(window->CaseShown());

        prompts->saveAnswers = {SaveAnswer::Yes};
        window->CloseClick();
        QCOMPARE(prompts->saveQuestions, 2);
        QVERIFY(!window->CaseShown());
        QCOMPARE(window->CurrentFileName(), QString());
        for (QObject* command : window->CaseCommands()) {
            auto* action = qobject_cast<QAction*>(command);
            QVERIFY2(action ? !action->isEnabled() : !qobject_cast<QWidget*>(command)->isEnabled(),
                     qPrintable(command->objectName() + (action ? action->text() : QString())));
        }
        QVERIFY(window->CaseCommands().size() >= 6);  // Save, Save As, Check in the menus and on the ribbon
        QCOMPARE(window->HeadlineSupport(), QString());
        QCOMPARE(window->RecentFilesBox()->currentIndex(), -1);
        QVERIFY(window->OpenFile(path));  // Yes saved the change
        QCOMPARE(Slot(1, 19), QStringLiteral("61,000.00"));
        QVERIFY(window->CaseShown());
        for (QObject* command : window->CaseCommands())
            if (auto* action = qobject_cast<QAction*>(command)) QVERIFY(action->isEnabled());

        // No discards the change.
        TypeInto(10, QStringLiteral("62000"));
        prompts->saveAnswers = {SaveAnswer::No};
        window->CloseClick();
        QVERIFY(!window->Modified());
        QVERIFY(window->OpenFile(path));
        QCOMPARE(Slot(1, 19), QStringLiteral("61,000.00"));
    }

    // Another program (a second window, quill10-cli) changes the father's
    // line 1a of the case (its screen slot 0:10 and calculation slot 1:19).
    void ChangeElsewhere(const QString& path, const char* income) {
        std::string error;
        auto contents = ReadClientFile(path.toStdString(), std::make_shared<CalcEnvironment>(), error);
        QVERIFY2(contents, error.c_str());
        contents->answers->SetText(0, 10, income);
        contents->answers->SetText(1, 19, income);
        QVERIFY2(WriteClientFile(path.toStdString(), *contents->answers, contents->grid, error), error.c_str());
    }
    QString SavedSlot(const QString& path, int page, int slot) {
        std::string error;
        auto contents = ReadClientFile(path.toStdString(), std::make_shared<CalcEnvironment>(), error);
        return contents ? QString::fromStdString(contents->answers->Text(page, slot)) : QString();
    }

    // A save never writes over what another program saved in the meantime
    // without asking: Cancel keeps both as they are, Save As keeps both
    // under two names, Overwrite replaces the other program's changes.
    void savingACaseChangedElsewhereAsksFirst() {
        const QString path = WriteSample("shared.q10", "sole-father-pays.q10");
        QVERIFY(window->OpenFile(path));
        TypeInto(10, QStringLiteral("65000"));
        ChangeElsewhere(path, "70,000.00");

        QVERIFY(!window->SaveClick());
        QCOMPARE(prompts->changedCasesAskedAbout, QStringList{QStringLiteral("shared.q10")});
        QCOMPARE(prompts->changedCaseQuestions.last(),
                 QStringLiteral("The case \"shared.q10\" was changed by another program since you opened it."));
        QCOMPARE(SavedSlot(path, 0, 10), QStringLiteral("70,000.00"));
        QVERIFY(window->Modified());

        prompts->changedCaseAnswers = {ChangedCaseAnswer::SaveAs};
        prompts->filesToSave = {home->Path() + "/mine"};
        QVERIFY(window->SaveClick());
        QCOMPARE(window->CurrentFileName(), home->Path() + "/mine.q10");
        QCOMPARE(SavedSlot(home->Path() + "/mine.q10", 0, 10), QStringLiteral("65,000.00"));
        QCOMPARE(SavedSlot(path, 0, 10), QStringLiteral("70,000.00"));

        // Saved by this window: the next save asks nothing.
        TypeInto(10, QStringLiteral("66000"));
        QVERIFY(window->SaveClick());
        QCOMPARE(prompts->changedCasesAskedAbout.size(), 2);

        ChangeElsewhere(home->Path() + "/mine.q10", "71,000.00");
        TypeInto(10, QStringLiteral("67000"));
        prompts->changedCaseAnswers = {ChangedCaseAnswer::Overwrite};
        QVERIFY(window->SaveClick());
        // This window saved it since it was opened: the question says so.
        QCOMPARE(prompts->changedCaseQuestions.last(),
                 QStringLiteral("The case \"mine.q10\" was changed by another program since you last saved it."));
        QCOMPARE(SavedSlot(home->Path() + "/mine.q10", 0, 10), QStringLiteral("67,000.00"));
        QVERIFY(!window->Modified());
    }

    // Coming back to the window: a case changed elsewhere is said at once,
    // once per change.  With nothing unsaved here it is offered for
    // reloading; with unsaved changes Save As... comes first, since Reload
    // would lose them.
    void aCaseChangedElsewhereIsOfferedForReloading() {
        const QString path = WriteSample("shared.q10", "sole-father-pays.q10");
        QVERIFY(window->OpenFile(path));
        auto comeBack = [this] {
            QEvent activation(QEvent::ActivationChange);
            QApplication::sendEvent(window.get(), &activation);
            QCoreApplication::processEvents();
        };
        comeBack();
        QVERIFY(prompts->questions.isEmpty());  // nothing changed

        ChangeElsewhere(path, "70,000.00");
        prompts->yesNoAnswers = {true};
        comeBack();
        QCOMPARE(prompts->questions.size(), 1);
        QVERIFY2(prompts->questions.first().startsWith(
                     QStringLiteral("The case \"shared.q10\" was changed by another program since you opened it.")),
                 qPrintable(prompts->questions.first()));
        QCOMPARE(Edit(10)->text(), QStringLiteral("70,000.00"));
        QVERIFY(!window->Modified());

        ChangeElsewhere(path, "71,000.00");
        prompts->yesNoAnswers = {false};
        comeBack();
        comeBack();  // the same change is not offered twice
        QCOMPARE(prompts->questions.size(), 2);
        QCOMPARE(Edit(10)->text(), QStringLiteral("70,000.00"));

        // Unsaved changes here: Close keeps them on screen and asks no more
        // about this change; Save As... keeps both cases.
        ChangeElsewhere(path, "72,000.00");
        TypeInto(11, QStringLiteral("30000"));
        prompts->choices = {-1};
        comeBack();
        comeBack();
        QCOMPARE(prompts->questions.size(), 3);
        QVERIFY2(prompts->questions.last().startsWith(
                     QStringLiteral("The case \"shared.q10\" was changed by another program since you opened it.\n"
                                    "The case on screen has changes that are not saved.")),
                 qPrintable(prompts->questions.last()));
        QVERIFY(window->Modified());
        ChangeElsewhere(path, "73,000.00");
        prompts->choices = {0};
        prompts->filesToSave = {home->Path() + "/mine.q10"};
        comeBack();
        QCOMPARE(prompts->questions.size(), 4);
        QVERIFY(!window->Modified());
        QCOMPARE(window->CurrentFileName(), home->Path() + "/mine.q10");
        QCOMPARE(SavedSlot(home->Path() + "/mine.q10", 0, 11), QStringLiteral("30,000.00"));
        QCOMPARE(SavedSlot(path, 0, 10), QStringLiteral("73,000.00"));

        // Saved here since: the question says so, and Reload takes the file.
        const QString mine = home->Path() + "/mine.q10";
        TypeInto(11, QStringLiteral("31000"));
        QVERIFY(window->SaveClick());
        TypeInto(11, QStringLiteral("32000"));
        ChangeElsewhere(mine, "74,000.00");
        prompts->choices = {1};
        comeBack();
        QVERIFY2(prompts->questions.last().startsWith(QStringLiteral(
                     "The case \"mine.q10\" was changed by another program since you last saved it.")),
                 qPrintable(prompts->questions.last()));
        QCOMPARE(Edit(10)->text(), QStringLiteral("74,000.00"));
        QCOMPARE(Edit(11)->text(), QStringLiteral("31,000.00"));
        QVERIFY(!window->Modified());
    }

    // Options > Support Schedule...: Cancel in the install dialog changes
    // nothing; Install puts the office's schedule in use at once (figures,
    // status bar, settings file); "Use the Installed Schedule" goes back.
    void anOfficesScheduleIsInstalledFromTheWindow() {
        QVERIFY(window->OpenFile(WriteSample("case.q10", "sole-father-pays.q10")));
        const QString demonstrationFigure = window->HeadlineSupport();
        auto* notice = window->findChild<QLabel*>(QStringLiteral("lblScheduleNotice"));
        QVERIFY(notice && notice->isVisible());
        QVERIFY(notice->text().startsWith(QStringLiteral("Computed with the demonstration support schedule")));
        // The office's schedule: $50 more in every column, as CSV with a header.
        const QString office = home->Path() + "/office.csv";
        QVERIFY(WriteOfficeScheduleCsv(office));

        QString verdict;
        auto installWith = [&](std::function<void(QDialog&)> inInstallDialog) {
            prompts->filesToOpen = {office};
            prompts->dialogDrivers.push_back([](QDialog& dialog) {
                dialog.findChild<QPushButton*>(QStringLiteral("btnInstallSchedule"))->click();
            });
            prompts->dialogDrivers.push_back([&verdict, inInstallDialog](QDialog& dialog) {
                verdict = dialog.findChild<QPlainTextEdit*>(QStringLiteral("memVerdict"))->toPlainText();
                inInstallDialog(dialog);
            });
            window->findChild<QAction*>(QStringLiteral("mnuSupportSchedule"))->trigger();
        };
        installWith([](QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click(); });
        QVERIFY2(verdict.contains(QStringLiteral("The schedule passes the table check.")), qPrintable(verdict));
        QVERIFY(window->CurrentSettings().schedule.file.empty());
        QCOMPARE(window->HeadlineSupport(), demonstrationFigure);

        installWith([](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("edtScheduleName")), QStringLiteral("Ohio 2024"));
            auto* install = dialog.findChild<QPushButton*>(QStringLiteral("btnInstall"));
            install->click();  // no effective date yet: the dialog says so and stays open
            QVERIFY(dialog.isVisible());
            QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("lblProblem"))->text().contains(QStringLiteral("YYYY-MM-DD")));
            QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("edtEffective")), QStringLiteral("2024-01-01"));
            install->click();
        });
        QCOMPARE(window->CurrentSettings().schedule.name, std::string("Ohio 2024"));
        QVERIFY(window->HeadlineSupport() != demonstrationFigure);
        QVERIFY(!notice->isVisible());
        QVERIFY(window->ScheduleInUse().startsWith(QStringLiteral("Support schedule: Ohio 2024, effective January 1, 2024")));
        QFile ini(QString::fromStdString(SettingsFilePath(window->CurrentSettings())));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("\r\nOhio 2024\r\n2024-01-01\r\n"));

        window->UseInstalledScheduleClick();
        QVERIFY(window->CurrentSettings().schedule.file.empty());
        QCOMPARE(window->HeadlineSupport(), demonstrationFigure);
        QVERIFY(notice->isVisible());
    }

    void saveAsAppendsTheExtensionAndAsksBeforeReplacing() {
        const QString smith = WriteSample("Smith.q10", "split.q10");
        const QByteArray original = [&] {
            QFile file(smith);
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }();
        TypeInto(10, QStringLiteral("50000"));
        prompts->filesToSave = {home->Path() + "/Smith.Brown"};
        QVERIFY(window->SaveAsClick());
        QCOMPARE(window->CurrentFileName(), home->Path() + "/Smith.Brown.q10");
        QVERIFY(prompts->questions.isEmpty());

        // "Smith.Q10" is Smith.q10, which exists: the question names it; No asks for another name.
        prompts->filesToSave = {home->Path() + "/Smith.Q10"};
        prompts->yesNoAnswers = {false};
        QVERIFY(!window->SaveAsClick());
        QCOMPARE(prompts->questions.size(), 1);
        QVERIFY2(prompts->questions.first().contains(QStringLiteral("Smith.q10\" already exists")),
                 qPrintable(prompts->questions.first()));
        QCOMPARE(prompts->questionsAsked.count(QStringLiteral("Save As")), 3);
        QFile file(smith);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), original);
        QCOMPARE(window->CurrentFileName(), home->Path() + "/Smith.Brown.q10");
    }

    void saveAsOpensInTheFolderOfTheCase() {
        const QString path = WriteSample("doe.q10", "split.q10");
        QVERIFY(window->OpenFile(path));
        window->SaveAsClick();
        QCOMPARE(prompts->proposals.last(), path);
        window->CloseClick();
        window->DisplayAPage(0);
        window->SaveAsClick();
        QCOMPARE(prompts->proposals.last(), QDir(home->ClientFolder()).path() + "/");
        QCOMPARE(window->RecentFilesBox()->itemData(0, Qt::ToolTipRole).toString(), QDir::toNativeSeparators(path));
    }

    void titleMarksUnsavedChanges() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Untitled.q10[*] - Sole/Shared Worksheet, Long Form - QUILL10"));
        QVERIFY(!window->isWindowModified());
        TypeInto(10, QStringLiteral("1"));
        QVERIFY(window->isWindowModified());
    }

    void fileShortcutsWorkFromInsideAField() {
        QLineEdit* edit = Edit(10);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("123"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);  // select all stays in the field
        QCOMPARE(edit->selectedText(), QStringLiteral("123"));
        QVERIFY(prompts->questionsAsked.isEmpty());
        QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(prompts->questionsAsked, QStringList{QStringLiteral("Save As")});
        QTest::keyClick(Edit(11), Qt::Key_S, Qt::ControlModifier);  // an untitled case goes to Save As
        QCOMPARE(prompts->questionsAsked.size(), 2);
        QTest::keyClick(Edit(11), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(prompts->saveQuestions, 1);  // Open asks about the changes first (Cancel)
        prompts->saveAnswers = {SaveAnswer::No};
        QTest::keyClick(Edit(11), Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!window->CaseShown());
    }

    void contradictoryBoxesUntickEachOther() {
        auto box = [this](int slot) { return qobject_cast<QCheckBox*>(window->FindField(QStringLiteral("cbx%1").arg(slot))); };
        for (const auto& [ticked, unticked] : std::vector<std::pair<int, int>>{{4, 7}, {7, 4}, {5, 6}, {6, 5}, {8, 9}, {9, 8}}) {
            box(unticked)->setChecked(true);
            box(ticked)->setFocus();
            QTest::keyClick(box(ticked), Qt::Key_Space);
            if (!box(ticked)->isChecked()) QTest::keyClick(box(ticked), Qt::Key_Space);
            QVERIFY(box(ticked)->isChecked());
            QVERIFY2(!box(unticked)->isChecked(), qPrintable(QStringLiteral("cbx%1").arg(unticked)));
        }
        QTest::keyClick(box(9), Qt::Key_Tab);
        QCOMPARE(Slot(0, 8), QString());
        QCOMPARE(Slot(0, 9), QStringLiteral("X"));
    }

    void headlineFiguresFollowTheCalculation() {
        window->DisplayAPage(0);
        QCheckBox* shared = qobject_cast<QCheckBox*>(window->FindField(QStringLiteral("cbx7")));
        QVERIFY(shared);
        for (const char* name : {"cbx4", "cbx5"}) {
            auto* box = qobject_cast<QCheckBox*>(window->FindField(QString::fromLatin1(name)));
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        }
        shared->setFocus();
        QTest::keyClick(shared, Qt::Key_Space);  // untick the shared parenting box
        TypeInto(10, QStringLiteral("60000"));
        TypeInto(11, QStringLiteral("40000"));
        // Father pays for one child: 18 = 0.6 x 12,025.67 = 7,215.40; 24c = 0.4 x 1,456 = 582.40.
        QCOMPARE(window->HeadlineSupport(), QStringLiteral("$7,215.40"));
        QCOMPARE(window->HeadlineSupportNoIns(), QStringLiteral("$6,633.00"));
        QCOMPARE(window->HeadlineCashMedical(), QStringLiteral("$1,456.00"));
        QCOMPARE(Slot(6, 25), QStringLiteral("X"));
    }

    void displayKeepsTheModifiedFlagAndTypingSetsIt() {
        window->DisplayAPage(0);
        QVERIFY(!window->Modified());
        QLineEdit* edit = Edit(12);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("5"));
        QVERIFY(window->Modified());
        window->DisplayAPage(0);
        QVERIFY(window->Modified());
        // The field was left before the page was shown again: what was typed is kept.
        QCOMPARE(Slot(0, 12), QStringLiteral("5.00"));
        QCOMPARE(Slot(1, 21), QStringLiteral("5.00"));
    }

    void enterMovesOnAndRecalculatesWithoutMarkingTheCase() {
        QLineEdit* first = Edit(10);
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        first->setText(QStringLiteral("30000"));  // a programmatic change, not typing
        QTest::keyClick(first, Qt::Key_Return);
        QVERIFY(!first->hasFocus());
        QCOMPARE(Edit(39)->text(), QStringLiteral("30,000.00"));
        QVERIFY(!window->Modified());
    }

    void saveOfANewCaseAsksForANameAndAddsItToTheRecentFiles() {
        TypeInto(10, QStringLiteral("50000"));
        const QString path = home->Path() + "/smith.Q10";
        prompts->filesToSave.push_back(path);
        QVERIFY(window->SaveClick());
        QCOMPARE(prompts->questionsAsked, QStringList{QStringLiteral("Save As")});
        QCOMPARE(window->CurrentFileName(), home->Path() + "/smith.q10");
        QVERIFY(QFile::exists(home->Path() + "/smith.q10"));
        QVERIFY(!window->Modified());
        QCOMPARE(window->RecentFilesBox()->itemText(0), QStringLiteral("smith.q10"));
        // A second Save writes without asking.
        TypeInto(11, QStringLiteral("1000"));
        QVERIFY(window->SaveClick());
        QCOMPARE(prompts->questionsAsked.size(), 1);
    }

    void newCaseWithTheSavePromptAnsweredEachWay() {
        TypeInto(10, QStringLiteral("50000"));
        prompts->saveAnswers = {SaveAnswer::Cancel};
        window->NewClick();
        QCOMPARE(Slot(1, 19), QStringLiteral("50,000.00"));  // Cancel keeps the case
        QVERIFY(window->Modified());

        prompts->saveAnswers = {SaveAnswer::No};
        window->NewClick();
        QCOMPARE(Slot(1, 19), QString());
        QVERIFY(!window->Modified());

        TypeInto(10, QStringLiteral("20000"));
        prompts->saveAnswers = {SaveAnswer::Yes};
        prompts->filesToSave = {home->Path() + "/kept.q10"};
        window->NewClick();
        QVERIFY(QFile::exists(home->Path() + "/kept.q10"));
        QCOMPARE(Slot(1, 19), QString());
        QVERIFY(window->OpenFile(home->Path() + "/kept.q10"));
        QCOMPARE(Slot(1, 19), QStringLiteral("20,000.00"));
    }

    void openReopenAndClose() {
        const QString first = WriteSample("first.q10", "sole-father-pays.q10");
        const QString second = WriteSample("second.q10", "shared-deviation.q10");
        prompts->filesToOpen = {first};
        window->OpenClick();
        QCOMPARE(prompts->questionsAsked, QStringList{QStringLiteral("Open File Dialog")});
        QCOMPARE(window->CurrentFileName(), first);
        QCOMPARE(window->HeadlineSupport(), QStringLiteral("$9,697.20"));
        QVERIFY(window->OpenFile(second));
        QCOMPARE(window->HeadlineSupport(), QStringLiteral("$5,627.82"));
        QCOMPARE(window->RecentFilesBox()->count(), 2);
        QCOMPARE(window->RecentFilesBox()->itemText(0), QStringLiteral("second.q10"));

        window->ReopenClick(1);  // first.q10
        QCOMPARE(window->CurrentFileName(), first);
        QCOMPARE(window->RecentFilesBox()->itemText(0), QStringLiteral("second.q10"));  // not reordered
        QCOMPARE(window->RecentFilesBox()->currentText(), QStringLiteral("first.q10"));  // but names the open case
        QVERIFY(window->OpenFile(second));
        QVERIFY(window->OpenFile(first));  // already listed
        QCOMPARE(window->RecentFilesBox()->currentText(), QStringLiteral("first.q10"));
        prompts->texts = {QStringLiteral("higher income")};
        QVERIFY(!window->SaveAsScenarioClick().isEmpty());
        QCOMPARE(window->RecentFilesBox()->currentText(), QStringLiteral("first.q10"));  // not the scenario

        window->CloseClick();
        QCOMPARE(window->CurrentFileName(), QString());
        QVERIFY(!window->Modified());
        window->DisplayAPage(0);  // the closed case comes back
        QCOMPARE(window->HeadlineSupport(), QStringLiteral("$9,697.20"));
    }

    void damagedFileLeavesTheOpenCaseUntouched() {
        const QString good = WriteSample("good.q10", "sole-father-pays.q10");
        QVERIFY(window->OpenFile(good));
        QFile damaged(home->Path() + "/damaged.q10");
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("QUILL10\r\n 1.01400000000000E+0001\r\nPage 0; Continuation Page 0\r\nJohn\r\nnot a flag\r\n");
        damaged.close();
        QVERIFY(!window->OpenFile(damaged.fileName()));
        QCOMPARE(window->CurrentFileName(), good);
        QCOMPARE(Slot(1, 50), QStringLiteral("John Doe"));
        QCOMPARE(window->HeadlineSupport(), QStringLiteral("$9,697.20"));
        QCOMPARE(prompts->warnings.size(), 1);
        QVERIFY(prompts->warnings.first().contains(QStringLiteral("damaged.q10")));
        QVERIFY(prompts->warnings.first().contains(QStringLiteral("line 5")));
    }

    void failedSaveKeepsTheCaseModified() {
        TypeInto(10, QStringLiteral("50000"));
        prompts->filesToSave = {home->Path() + "/no/such/folder/\x01/case.q10"};
        QFile blocker(home->Path() + "/no");
        QVERIFY(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
        blocker.close();
        QVERIFY(!window->SaveAsClick());
        QVERIFY(window->Modified());
        QVERIFY(!prompts->warnings.isEmpty());
    }

    void importOfAPredecessorFile() {
        QFile::copy(SampleCase("sole-father-pays.q10"), home->Path() + "/jones.WQ7");
        prompts->filesToOpen = {home->Path() + "/jones.WQ7"};
        window->ImportClick(0);
        const QString saved = home->ClientFolder() + "/jones.Q10";
        QVERIFY(QFile::exists(saved));
        QCOMPARE(window->CurrentFileName(), saved);
        QCOMPARE(window->RecentFilesBox()->itemText(0), QStringLiteral("jones.Q10"));
        QCOMPARE(Slot(1, 13), QString());  // cleared by the import
        QVERIFY(!window->Modified());
    }

    // An existing case of the imported name is replaced only when the user
    // says so; the user may instead save the import under another name, or
    // cancel, and nothing is written then.
    void importOverAnExistingCaseAsksFirst() {
        QFile::copy(SampleCase("sole-father-pays.q10"), home->Path() + "/jones.WQ7");
        QVERIFY(QDir().mkpath(home->ClientFolder()));
        const QString existing = home->ClientFolder() + "/jones.Q10";
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the existing case");
        file.close();
        const QString before = window->CurrentFileName();
        auto contents = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };

        struct Refusal {
            ReplaceAnswer answer;
            QString otherName;  // the save dialog's answer, "" for Cancel
        };
        for (const Refusal& refusal : {Refusal{ReplaceAnswer::Cancel, {}}, Refusal{ReplaceAnswer::OtherName, {}}}) {
            prompts->filesToOpen = {home->Path() + "/jones.WQ7"};
            prompts->replaceAnswers = {refusal.answer};
            prompts->casesAskedAbout.clear();
            window->ImportClick(0);
            QCOMPARE(prompts->casesAskedAbout, QStringList{existing});
            QCOMPARE(contents(existing), QByteArray("the existing case"));
            QCOMPARE(window->CurrentFileName(), before);
        }

        prompts->filesToOpen = {home->Path() + "/jones.WQ7"};
        prompts->replaceAnswers = {ReplaceAnswer::OtherName};
        prompts->filesToSave = {home->ClientFolder() + "/jones-2019"};
        window->ImportClick(0);
        QCOMPARE(window->CurrentFileName(), home->ClientFolder() + "/jones-2019.q10");
        QVERIFY(contents(window->CurrentFileName()).startsWith("QUILL10\r\n"));
        QCOMPARE(contents(existing), QByteArray("the existing case"));

        prompts->filesToOpen = {home->Path() + "/jones.WQ7"};
        prompts->replaceAnswers = {ReplaceAnswer::Replace};
        window->ImportClick(0);
        QCOMPARE(window->CurrentFileName(), existing);
        QVERIFY(contents(existing).startsWith("QUILL10\r\n"));
        QVERIFY(prompts->warnings.isEmpty());
    }

    void startUpWithAFileOnTheCommandLine() {
        const QString path = WriteSample("start.q10", "shared-deviation.q10");
        TfrmMain second(ProgramFolder(), prompts.get());
        second.StartUp({path}, false);
        QCOMPARE(second.CurrentFileName(), path);
        QCOMPARE(second.HeadlineSupport(), QStringLiteral("$5,627.82"));
        TfrmMain third(ProgramFolder(), prompts.get());
        third.StartUp({QStringLiteral("untitled.q10")}, false);
        QCOMPARE(third.CurrentFileName(), QStringLiteral("Untitled.q10"));
        QCOMPARE(third.CurrentPage(), 0);
    }

    void missingFileOnTheCommandLineShowsTheNewCase() {
        const QString missing = home->Path() + "/gone.q10";
        TfrmMain second(ProgramFolder(), prompts.get());
        second.StartUp({missing}, false);
        QCOMPARE(prompts->warnings.size(), 1);
        QVERIFY(prompts->warnings.first().contains(missing));
        QVERIFY2(!prompts->warnings.first().contains(QStringLiteral("unchanged")), qPrintable(prompts->warnings.first()));
        QCOMPARE(second.CurrentPage(), 0);
        QVERIFY(second.FindField(QStringLiteral("edt10")));
        QCOMPARE(second.CurrentFileName(), QStringLiteral("Untitled.q10"));
        auto* tree = second.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        QCOMPARE(tree->selectedItems().size(), 1);
        QCOMPARE(tree->selectedItems().first()->text(0), QStringLiteral("Long Form"));
        QCOMPARE(tree->selectedItems().first()->parent()->text(0), QStringLiteral("Sole/Shared Worksheet"));
    }

    void settingsAreWrittenAtCloseAndReadAtStart() {
        const QString path = WriteSample("recent.q10", "split.q10");
        QVERIFY(window->OpenFile(path));
        QVERIFY(window->CloseSequence());
        TfrmMain next(ProgramFolder(), prompts.get());
        QCOMPARE(next.RecentFilesBox()->count(), 1);
        QCOMPARE(next.RecentFilesBox()->itemText(0), QStringLiteral("recent.q10"));
    }

    void layoutFolderWithoutLayoutsIsRefusedAndForgottenAtStart() {
        const QString empty = home->Path() + "/empty";
        QVERIFY(QDir().mkpath(empty));
        const std::string before = window->CurrentSettings().folders.vlp;
        prompts->folders = {empty};
        window->DefaultLocationClick(5);
        QCOMPARE(window->CurrentSettings().folders.vlp, before);
        QCOMPARE(prompts->warnings.size(), 1);
        QVERIFY2(prompts->warnings.first().contains(QStringLiteral("page0.vlp")), qPrintable(prompts->warnings.first()));

        // A settings file naming a layout folder that lost its files: the installed layouts are used.
        window->ChangeSettings([&](Settings& s) { s.folders.vlp = (empty + "/").toStdString(); }, "folder");
        QVERIFY(window->CloseSequence());
        prompts->warnings.clear();
        TfrmMain next(ProgramFolder(), prompts.get());
        QCOMPARE(prompts->warnings.size(), 1);
        QVERIFY(prompts->warnings.first().contains(empty));
        next.StartUp({}, false);
        QCOMPARE(next.CurrentPage(), 0);
        QVERIFY(next.FindField(QStringLiteral("edt10")));
        QCOMPARE(prompts->warnings.size(), 1);
    }

    void closeSequenceCancelledKeepsTheChanges() {
        TypeInto(10, QStringLiteral("50000"));
        prompts->saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!window->CloseSequence());
        QVERIFY(window->Modified());
        QCOMPARE(Slot(1, 19), QStringLiteral("50,000.00"));
    }

    // A tick counts at once, and a problem the check report would list is
    // on the status bar as soon as the figure it concerns is; its link opens
    // the report.
    void problemsShowOnTheStatusBarAndATickCountsAtOnce() {
        QVERIFY(window->OpenFile(WriteSample("case.q10", "sole-father-pays.q10")));
        auto* problems = window->findChild<QLabel*>(QStringLiteral("lblProblems"));
        QVERIFY(problems && problems->isVisible());
        QCOMPARE(problems->text(), QStringLiteral("No problems found"));
        QCheckBox* motherIsObligor = nullptr;  // the shared parenting row's, on a sole residential order
        for (QCheckBox* box : window->findChildren<QCheckBox*>())
            if (box->property("Tag").toInt() == 9) motherIsObligor = box;
        QVERIFY(motherIsObligor);
        Edit(10)->setFocus();
        QTRY_VERIFY(Edit(10)->hasFocus());
        motherIsObligor->click();  // the focus stays where it was
        QCOMPARE(Slot(1, 40), QStringLiteral("X"));
        QVERIFY2(problems->text().contains(QStringLiteral("problem")) &&
                     problems->text().contains(QStringLiteral("Check for details")),
                 qPrintable(problems->text()));
        QVERIFY(problems->text().contains(QRegularExpression(QStringLiteral("\\d+ problems? "))));
        QVERIFY(!problems->styleSheet().isEmpty());  // marked

        QString shown;
        prompts->dialogDrivers.push_back([&shown](QDialog& dialog) { shown = dialog.windowTitle(); });
        emit problems->linkActivated(QStringLiteral("check"));
        QCOMPARE(shown, QStringLiteral("Check Worksheet Window"));

        motherIsObligor->click();
        QCOMPARE(problems->text(), QStringLiteral("No problems found"));
    }

    void checkWorksheetWindowShowsTheReport() {
        TypeInto(0, QStringLiteral("John"));
        TfrmAttachment report(window->Answers());
        QVERIFY(report.ReportText().contains(QStringLiteral("Sole Residential/Shared Parenting Worksheet")));
        QVERIFY(report.ReportText().contains(QStringLiteral("1. Sole/Shared Worksheet, Page 1 Caption.")));
    }

    // A report that cannot be written is said so, not replaced by the
    // report an earlier check left.
    void checkWorksheetWindowSaysWhyTheReportIsMissing() {
        TypeInto(0, QStringLiteral("John"));
        const QString path = QString::fromStdString(window->Answers().Environment().CheckReportPath());
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an earlier report");
        old.close();
        QVERIFY(old.setPermissions(QFileDevice::ReadOwner));
        ErrorLog errors;
        TfrmAttachment report(window->Answers());
        QVERIFY2(report.ReportText().startsWith(QStringLiteral("The check report could not be written: ")),
                 qPrintable(report.ReportText()));
        QVERIFY(report.ReportText().contains(QStringLiteral("the file is read-only")));
        QCOMPARE(errors.codes, std::vector<int>{18034});
    }

    void overrideAComputedFieldAndCancelIt() {
        TypeInto(12, QStringLiteral("1000"));
        TypeInto(14, QStringLiteral("2000"));
        TypeInto(16, QStringLiteral("3000"));
        QLineEdit* line1b = Edit(20);
        QCOMPARE(line1b->text(), QStringLiteral("2,000.00"));
        QVERIFY(line1b->isReadOnly());
        line1b->setFocus();
        QTRY_VERIFY(line1b->hasFocus());
        QVERIFY(window->OverrideAction()->isEnabled());
        QVERIFY(!window->CancelOverrideAction()->isEnabled());
        window->OverrideClick();
        QVERIFY(!line1b->isReadOnly());
        QCOMPARE(line1b->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDDEN"));
        QVERIFY(window->CancelOverrideAction()->isEnabled());
        line1b->selectAll();
        QTest::keyClicks(line1b, QStringLiteral("1500"));
        QTest::keyClick(line1b, Qt::Key_Tab);
        QCOMPARE(line1b->text(), QStringLiteral("1,500.00"));
        QCOMPARE(Slot(1, 29), QStringLiteral("1,500.00"));
        QVERIFY(window->Answers().OvRide(1, 29));
        TypeInto(10, QStringLiteral("100"));  // another recalculation keeps the override
        QCOMPARE(line1b->text(), QStringLiteral("1,500.00"));

        line1b->setFocus();
        QTRY_VERIFY(line1b->hasFocus());
        window->OverrideClick();  // cancel: the computed value returns
        QCOMPARE(line1b->text(), QStringLiteral("2,000.00"));
        QVERIFY(line1b->isReadOnly());
        QVERIFY(!window->Answers().OvRide(1, 29));
    }

    void overrideSurvivesSavingAndReopening_data() {
        QTest::addColumn<int>("tag");        // display command
        QTest::addColumn<int>("income");     // the father's line 1a field
        QTest::addColumn<int>("year1");      // his year-1 overtime field
        QTest::addColumn<int>("line1b");     // his line 1b, overrideable
        QTest::addColumn<int>("calcPage");   // the calculation slot of line 1b
        QTest::addColumn<int>("calcSlot");
        QTest::newRow("sole/shared long") << 0 << 10 << 16 << 20 << 1 << 29;
        QTest::newRow("split long") << 700 << 6 << 12 << 16 << 8 << 28;
    }

    void overrideSurvivesSavingAndReopening() {
        QFETCH(int, tag);
        QFETCH(int, income);
        QFETCH(int, year1);
        QFETCH(int, line1b);
        QFETCH(int, calcPage);
        QFETCH(int, calcSlot);
        window->DisplayAPage(tag);
        TypeInto(income, QStringLiteral("40000"));
        TypeInto(year1, QStringLiteral("900"));  // the average of 300 is smaller
        QCOMPARE(Edit(line1b)->text(), QStringLiteral("300.00"));
        Edit(line1b)->setFocus();
        QTRY_VERIFY(Edit(line1b)->hasFocus());
        window->OverrideClick();
        QVERIFY(window->Modified());
        TypeInto(line1b, QStringLiteral("750"));
        TypeInto(income, QStringLiteral("45000"));  // recalculated again
        QCOMPARE(Edit(line1b)->text(), QStringLiteral("750.00"));
        prompts->filesToSave = {home->Path() + "/override.q10"};
        QVERIFY(window->SaveClick());

        window->NewClick();
        QVERIFY(window->OpenFile(home->Path() + "/override.q10"));
        QCOMPARE(window->CurrentPage() * 100, tag);  // opens on the page it was saved on
        QLineEdit* field = Edit(line1b);
        QCOMPARE(field->text(), QStringLiteral("750.00"));
        QCOMPARE(field->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDDEN"));
        QVERIFY(!field->isReadOnly());
        QCOMPARE(field->palette().color(QPalette::Text), WorksheetColoursFor(QApplication::palette()).overriddenText);
        QCOMPARE(Slot(calcPage, calcSlot), QStringLiteral("750.00"));

        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        window->OverrideClick();  // cancel: the computed value returns
        QCOMPARE(field->text(), QStringLiteral("300.00"));
        QCOMPARE(field->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDEABLE"));
    }

    void valueTypedOnAShortPageReachesTheLongPage() {
        window->DisplayAPage(1500);
        QCOMPARE(window->CurrentPage(), 15);
        TypeInto(7, QStringLiteral("52000"));  // the father's line 1a on the short form
        QCOMPARE(Slot(1, 19), QStringLiteral("52,000.00"));
        QCOMPARE(Edit(35)->text(), QStringLiteral("52,000.00"));  // the short form's line 7a, rebuilt
        window->DisplayAPage(0);
        QCOMPARE(Edit(10)->text(), QStringLiteral("52,000.00"));
        QCOMPARE(Edit(39)->text(), QStringLiteral("52,000.00"));
    }

    void overrideShortcutTogglesTheFocusedField() {
        QLineEdit* line2c = Edit(26);
        line2c->setFocus();
        QTRY_VERIFY(line2c->hasFocus());
        QTest::keyClick(line2c, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(window->Answers().OvRide(1, 35));
        QVERIFY(!line2c->isReadOnly());
        QTest::keyClick(line2c, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!window->Answers().OvRide(1, 35));
    }

    void overrideIsDisabledOnInputAndReadOnlyFields() {
        for (int slot : {10, 18}) {
            Edit(slot)->setFocus();
            QTRY_VERIFY(Edit(slot)->hasFocus() || slot == 18);
            window->UpdateMenuItems();
            QVERIFY(!window->OverrideAction()->isEnabled());
            QVERIFY(!window->CancelOverrideAction()->isEnabled());
        }
    }

    void helpButtonTogglesItsBubble() {
        QPushButton* help = nullptr;
        for (QPushButton* button : window->PagePanel()->findChildren<QPushButton*>())
            if (!help && button->objectName().startsWith(QLatin1String("btnHelp"))) help = button;
        QVERIFY(help);
        QWidget* bubble = window->PagePanel()->findChild<QWidget*>(help->objectName().replace("btnHelp", "pnlCallout"));
        QVERIFY(bubble);
        QVERIFY(!bubble->isVisible());
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(bubble->isVisible());
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(!bubble->isVisible());
        // Escape, a click elsewhere and leaving the line close it too.
        QTest::mouseClick(help, Qt::LeftButton);
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!bubble->isVisible());
        QTest::mouseClick(help, Qt::LeftButton);
        QTest::mouseClick(window->PagePanel(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!bubble->isVisible());
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(bubble->isVisible());
        Edit(10)->setFocus();
        QTRY_VERIFY(!bubble->isVisible());
    }

    void fieldPopupShowsItsShortcutsAndCtrlTWorksInAField() {
        std::map<QString, QString> shortcuts;
        for (QAction* action : window->FieldPopup()->actions())
            shortcuts[action->text().remove(QLatin1Char('&'))] = action->shortcut().toString();
        QCOMPARE(shortcuts[QStringLiteral("Insert Today")], QStringLiteral("Ctrl+T"));
        QCOMPARE(shortcuts[QStringLiteral("Data Source")], QStringLiteral("Ctrl+Alt+D"));
        QCOMPARE(shortcuts[QStringLiteral("Override")], QStringLiteral("Ctrl+Alt+V"));
        QCOMPARE(shortcuts[QStringLiteral("Annualizer")], QStringLiteral("Ctrl+Alt+A"));
        QLineEdit* name = Edit(0);
        name->setFocus();
        QTRY_VERIFY(name->hasFocus());
        QTest::keyClick(name, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(name->text(), QString::fromStdString(LongDateOfToday()));
        QVERIFY(window->Modified());
    }

    void zoomKeepsTheFocusedFieldAndThePlace() {
        QLineEdit* deep = Edit(41);  // line 7b, well down the page
        deep->setFocus();
        QTRY_VERIFY(deep->hasFocus());
        const int width = window->PagePanel()->width();
        auto* bar = window->findChild<QScrollArea*>(QStringLiteral("VertScrollBox1"))->verticalScrollBar();
        const double place = static_cast<double>(bar->value()) / window->PagePanel()->height();
        QVERIFY(place > 0);
        window->ApplyZoom(0.8);
        QCOMPARE(window->ZoomFactor(), 0.8);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edt41"));
        QVERIFY(std::abs(window->PagePanel()->width() - width * 0.8) <= 2);
        QVERIFY(std::abs(static_cast<double>(bar->value()) / window->PagePanel()->height() - place) < 0.05);
        const auto* tree = window->findChild<QWidget*>(QStringLiteral("TreeView1"));
        const int expected = std::min(window->PagePanel()->width() + (tree->isVisible() ? tree->width() : 0) + 36,
                                      window->screen()->availableGeometry().width());
        QCOMPARE(window->width(), std::max(expected, window->minimumSizeHint().width()));
    }

    void calculatorWithoutACalculatorSaysWhatItLookedFor() {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", home->Path().toUtf8());
        window->CalculatorClick();
        qputenv("PATH", path);
        QCOMPARE(prompts->warnings.size(), 1);
        QVERIFY(prompts->warnings.first().contains(QStringLiteral("gnome-calculator, kcalc, galculator")));
    }

    void treeCanBeHiddenForASmallScreen() {
        QVERIFY(window->ShowTreeAction()->isChecked());
        window->ShowTreeAction()->trigger();
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("TreeView1"))->isVisible());
    }

    void dialogButtonRecalculates() {
        Edit(10)->setText(QStringLiteral("30,000.00"));  // not yet left
        auto* button = window->PagePanel()->findChild<QPushButton*>(QStringLiteral("btnLine17"));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Edit(39)->text(), QStringLiteral("30,000.00"));
    }

    void windowFitsEveryScreenOfThePlacementTable() {
        ErrorLog errors;  // the narrow screen's message
        for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1152, 864), QSize(1176, 900),
                                   QSize(1280, 1024), QSize(1366, 768), QSize(1400, 1050), QSize(1920, 1080)}) {
            const QRect available(QPoint(0, 0), screen);
            window->showNormal();
            window->PlaceOnScreen(available);
            QApplication::processEvents();
            const QString label = QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
            QVERIFY2(window->minimumSizeHint().width() <= screen.width(), qPrintable(label));
            QVERIFY2(!window->isMinimized(), qPrintable(label));
            const QRect placed(window->pos(), window->size());
            QVERIFY2(available.contains(placed), qPrintable(label + QStringLiteral(" window at %1,%2 %3x%4")
                                                                        .arg(placed.x())
                                                                        .arg(placed.y())
                                                                        .arg(placed.width())
                                                                        .arg(placed.height())));
            // Every ribbon button and menu lies inside the window.
            for (QWidget* widget : window->findChildren<QToolButton*>()) {
                const QRect at(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
                QVERIFY2(window->rect().contains(at), qPrintable(label + " " + widget->objectName()));
            }
        }
        QVERIFY(errors.codes.empty());  // 800 pixels and wider: the window fits, nothing to say
        window->PlaceOnScreen(QRect(0, 0, 640, 480));
        QCOMPARE(errors.codes, std::vector<int>{11080});
        QVERIFY(errors.texts.value(0).contains(QStringLiteral("640 pixels wide")));
        QVERIFY(!window->isMinimized());
    }

    // Within each menu every item has its own mnemonic, so Alt and a letter
    // always reach exactly one command.
    void menuMnemonicsAreUniqueInEachMenu() {
        std::function<void(QMenu*)> check = [&](QMenu* menu) {
            std::map<QChar, QString> taken;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator() || action->text().isEmpty()) continue;
                const QString text = action->text();
                const qsizetype at = text.indexOf(QLatin1Char('&'));
                if (at >= 0 && at + 1 < text.size() && text.at(at + 1) != QLatin1Char('&') && action->isVisible()) {
                    const QChar letter = text.at(at + 1).toLower();
                    QVERIFY2(!taken.count(letter), qPrintable(QStringLiteral("%1: \"%2\" and \"%3\" share %4")
                                                                   .arg(menu->title(), taken[letter], text, letter)));
                    taken[letter] = text;
                }
                if (action->menu()) check(action->menu());
            }
        };
        for (QAction* top : window->menuBar()->actions()) check(top->menu());
    }

    // Passing through empty count fields (line 8's children) writes nothing into them.
    void tabbingThroughEmptyFieldsWritesNothing() {
        QVERIFY(window->OpenFile(WriteSample("case.q10", "sole-father-pays.q10")));
        QList<QLineEdit*> empty;
        for (QLineEdit* edit : window->PagePanel()->findChildren<QLineEdit*>())
            if (edit->text().isEmpty() && !edit->isReadOnly() && edit->isEnabled()) empty << edit;
        QVERIFY(empty.size() > 2);
        for (QLineEdit* edit : empty) {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Tab);
        }
        for (QLineEdit* edit : empty) QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName() + ": " + edit->text()));
        QVERIFY(!window->Modified());
    }

    // A new case shows its fields as the case holds them: the estimator's
    // pay period is "Daily" (an empty choice, as the estimator reads it), the
    // line 27b time-of-possession rates of both parents read alike, and a
    // signature date written out in full fits its box.
    void aNewCaseShowsItsFieldsAlike() {
        QComboBox* paid = nullptr;
        for (QComboBox* list : window->PagePanel()->findChildren<QComboBox*>())
            if (list->property("Tag").toInt() == 203) paid = list;
        QVERIFY(paid);
        QCOMPARE(paid->currentText(), QStringLiteral("Daily"));
        for (int father : {265, 267}) QCOMPARE(Edit(father)->text(), Edit(father + 10)->text());
        for (const char* sample : {"sole-father-pays.q10", "sole-mother-pays.q10", "shared-deviation.q10", "split.q10"}) {
            QVERIFY(window->OpenFile(WriteSample("case.q10", QString::fromLatin1(sample))));
            window->DisplayAPage(0);
            // A rate entered shows as entered; one never entered is blank for either parent.
            for (int slot : {265, 267, 275, 277})
                QVERIFY2(Edit(slot)->text() != QStringLiteral("0"), qPrintable(QStringLiteral("%1: %2").arg(sample).arg(slot)));
        }
        QLineEdit* date = Edit(123);
        date->setText(QStringLiteral("September 30, 2026"));
        QVERIFY2(date->fontMetrics().horizontalAdvance(date->text()) + 12 <= date->width(),
                 qPrintable(QString::number(date->width())));
    }

    void placementByScreenWidth() {
        QCOMPARE(PlacementForScreenWidth(1366).windowWidth, 1366);
        QCOMPARE(PlacementForScreenWidth(1366).treeWidth, 330);
        QCOMPARE(PlacementForScreenWidth(1280).windowWidth, 1280);
        QCOMPARE(PlacementForScreenWidth(1280).treeWidth, 244);
        QVERIFY(!PlacementForScreenWidth(1000).tooNarrow);
        QVERIFY(!PlacementForScreenWidth(800).tooNarrow);
        QVERIFY(PlacementForScreenWidth(799).tooNarrow);
        QCOMPARE(PlacementForScreenWidth(1000).zoom, 0.9);
        QCOMPARE(PlacementForScreenWidth(1920).windowWidth, 1435);
        QCOMPARE(PlacementForScreenWidth(12000).treeWidth, -1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTests.moc"
