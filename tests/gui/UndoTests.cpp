// Undo and redo of the changes to a case: each kind of change taken back
// and made again restores the client file byte for byte, the figures on
// the page, the focus and the modified marker; typing in a field is undone
// before the case is; the history view goes back to a step; opening a case
// starts a new history.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QListView>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <map>

#include "GuiTestSupport.h"
#include "app/CaseHistory.h"
#include "files/ClientFile.h"
#include "scheduler/TfrmArrearsFiller.h"
#include "scheduler/TfrmScheduler.h"
#include "app/UndoSteps.h"
#include "store/Answers.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

namespace {


}  // namespace

class UndoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;
    std::unique_ptr<TfrmScheduler> scheduler;

    // The case as it would be saved: every slot with its override flag and
    // the scheduler table.
    std::string CaseText() { return ClientFileText(window->Answers(), window->SchedulerTable()); }
    // The figures the page shows in its computed fields.
    QStringList ComputedFigures() {
        QStringList figures;
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
            if (edit->isReadOnly() && edit->isVisible()) figures << edit->objectName() + "=" + edit->text();
        return figures;
    }
    // The Undo item as the menu shows it, without its mnemonic's marker.
    bool AnyFieldMarked() {
        const QList<QLineEdit*> edits = window->findChildren<QLineEdit*>();
        return std::any_of(edits.cbegin(), edits.cend(), [](QLineEdit* e) { return e->property("JustChanged").toBool(); });
    }
    QString UndoText() { return window->UndoAction()->text().remove(QLatin1Char('&')); }
    static QString FocusName() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void Undo() { window->UndoAction()->trigger(); }
    void Redo() { window->RedoAction()->trigger(); }

    // Incomes in both columns, one child and two scheduler rows, saved: the
    // case every step starts from.
    void SavedCase() {
        Tick(QStringLiteral("cbx4"));  // a sole residential parent order
        Tick(QStringLiteral("cbx5"));  // the mother is the residential parent
        TypeInto(*window, 3, QStringLiteral("1"));
        TypeInto(*window, 10, QStringLiteral("40000"));
        TypeInto(*window, 11, QStringLiteral("30000"));
        OpenScheduler();
        EnterRow(QStringLiteral("1/1/2019"), QStringLiteral("Order"), QStringLiteral("1000"));
        EnterRow(QStringLiteral("3/2/2019"), QStringLiteral("Check"), {}, QStringLiteral("250"));
        CloseScheduler();
        prompts->filesToSave = {home->Path() + "/undo.q10"};
        QVERIFY(window->SaveAsClick());
        QVERIFY(!window->Modified());
    }
    void OpenScheduler() {
        scheduler = std::make_unique<TfrmScheduler>(*window);
        scheduler->show();
        QVERIFY(QTest::qWaitForWindowActive(scheduler.get()));
    }
    void CloseScheduler() {
        Click(*scheduler, QStringLiteral("btnClose"));
        scheduler.reset();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void EnterRow(const QString& date, const QString& description, const QString& due, const QString& paid = {}) {
        Click(*scheduler, QStringLiteral("btnAdd"));
        const std::pair<const char*, QString> entries[] = {
            {"edtDate", date}, {"edtDescription", description}, {"edtAmountDue", due}, {"edtAmountPaid", paid}};
        for (const auto& [name, text] : entries)
            if (!text.isEmpty()) TypeOver(Find<QLineEdit>(*scheduler, QString::fromLatin1(name)), text);
    }

    static bool ShowsWorksheet(const QTreeWidget& tree, int tag) {
        const QList<QTreeWidgetItem*> selected = tree.selectedItems();
        return selected.size() == 1 && selected.first()->data(0, Qt::UserRole) == QVariant(tag);
    }

    // The window is active again once a dialog has closed.
    void ReturnToWindow() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void Tick(const QString& box) {
        auto* widget = Find<QCheckBox>(*window, box);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Space);
    }

    // ---- The changes a user makes, each one step ----
    void TickFatherResidential() { Tick(QStringLiteral("cbx6")); }
    void TickLowIncomeLimitsFather() { Tick(QStringLiteral("cbx233")); }
    void TypeIncome() { TypeInto(*window, 10, QStringLiteral("65000")); }
    void OverrideLine20b() {
        QLineEdit* edit = Find<QLineEdit>(*window, QStringLiteral("edt73"));
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        window->OverrideClick();
    }
    void AcceptChildCare() {
        prompts->dialogDrivers.push_back([](QDialog& dialog) {
            TypeOver(Find<QLineEdit>(dialog, QStringLiteral("edtTotalExpenses")), QStringLiteral("4800"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        Click(*window, QStringLiteral("btnChildCareMother"));
        ReturnToWindow();
    }
    void AcceptProcessingCharge() {
        prompts->dialogDrivers.push_back([](QDialog& dialog) {
            auto* percentage = Find<QLineEdit>(dialog, QStringLiteral("edtPercentage"));
            percentage->selectAll();
            QTest::keyClicks(percentage, QStringLiteral("3"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        Click(*window, QStringLiteral("btnProcessingCharge"));
        ReturnToWindow();
    }
    void PaySchedulerRow() {
        TypeOver(Find<QLineEdit>(*scheduler, QStringLiteral("edtAmountPaid")), QStringLiteral("400"));
    }
    void ClearScheduler() {
        prompts->yesNoAnswers = {true};
        Click(*scheduler, QStringLiteral("btnClear"));
    }
    void PaymentSeries() {
        WhenOpened<TfrmArrearsFiller>([](TfrmArrearsFiller& filler) {
            Find<QLineEdit>(filler, QStringLiteral("edtAmount"))->setText(QStringLiteral("100"));
            Find<QLineEdit>(filler, QStringLiteral("edtStartingDate"))->setText(QStringLiteral("4/1/2019"));
            Find<QLineEdit>(filler, QStringLiteral("edtEndingDate"))->setText(QStringLiteral("6/1/2019"));
            Find<QLineEdit>(filler, QStringLiteral("edtInterestRate"))->setText(QStringLiteral("5"));
            Click(filler, QStringLiteral("btnOk"));
        });
        Click(*scheduler, QStringLiteral("btnPayment"));
    }
    void ImportCsv() {
        const QString path = home->Path() + "/payments.csv";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Date,Description,Amount Paid\r\n4/1/2019,Check 2,300\r\n");
        file.close();
        prompts->filesToOpen = {path};
        Click(*scheduler, QStringLiteral("btnImportCsv"));
    }

private slots:
    void init() { StartWindow(home, prompts, window); }
    void cleanup() {
        scheduler.reset();
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    // Each kind of change, undone and redone: the case equals the saved one
    // byte for byte and shows the same figures, the focus is back on the
    // field that changed, and undoing to the saved state clears the marker.
    void eachChangeIsUndoneAndRedoneExactly_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("inScheduler");
        QTest::addColumn<QString>("undoText");
        QTest::addColumn<QString>("focus");
        QTest::newRow("typed field") << "TypeIncome" << false
                                     << QStringLiteral("Undo Line 1a, Column I: 40,000.00 \u2192 65,000.00")
                                     << "edt10";
        QTest::newRow("tick box") << "TickFatherResidential" << false
                                  << "Undo Tick Father is the residential parent (mother pays)" << "cbx6";
        QTest::newRow("override") << "OverrideLine20b" << false << "Undo Override of Line 20b, Column I" << "edt73";
        QTest::newRow("child care dialog") << "AcceptChildCare" << false
                                           << "Undo Child care expenses for line 19, mother" << "btnChildCareMother";
        QTest::newRow("processing charge dialog")
            << "AcceptProcessingCharge" << false << "Undo Processing charge for line 29" << "btnProcessingCharge";
        // A new case has the box ticked: the change unticks it.
        QTest::newRow("child care box") << "TickLowIncomeLimitsFather" << false
                                        << "Undo Untick The low/low-mid income limits do not apply, father" << "cbx233";
        QTest::newRow("scheduler row") << "PaySchedulerRow" << true
                                       << "Undo Scheduler row 1/1/2019: Support Paid $0.00 \u2192 $400.00" << "";
        QTest::newRow("clear") << "ClearScheduler" << true << "Undo Clear Scheduler Table" << "";
        QTest::newRow("payment series") << "PaymentSeries" << true << "Undo Series of Payments" << "";
        QTest::newRow("CSV import") << "ImportCsv" << true << "Undo Import Payment History" << "";
    }
    void eachChangeIsUndoneAndRedoneExactly() {
        QFETCH(QString, change);
        QFETCH(bool, inScheduler);
        QFETCH(QString, undoText);
        QFETCH(QString, focus);
        SavedCase();
        if (inScheduler) OpenScheduler();
        const std::string saved = CaseText();
        const QStringList savedFigures = ComputedFigures();
        const int steps = window->History().Count();

        const std::map<QString, std::function<void()>> changes = {
            {"TypeIncome", [this] { TypeIncome(); }},
            {"TickFatherResidential", [this] { TickFatherResidential(); }},
            {"TickLowIncomeLimitsFather", [this] { TickLowIncomeLimitsFather(); }},
            {"OverrideLine20b", [this] { OverrideLine20b(); }},
            {"AcceptChildCare", [this] { AcceptChildCare(); }},
            {"AcceptProcessingCharge", [this] { AcceptProcessingCharge(); }},
            {"PaySchedulerRow", [this] { PaySchedulerRow(); }},
            {"ClearScheduler", [this] { ClearScheduler(); }},
            {"PaymentSeries", [this] { PaymentSeries(); }},
            {"ImportCsv", [this] { ImportCsv(); }}};
        changes.at(change)();
        const std::string changed = CaseText();
        const QStringList changedFigures = ComputedFigures();
        QVERIFY(changed != saved);
        QVERIFY(window->Modified());
        QCOMPARE(window->History().Count(), steps + 1);
        QCOMPARE(UndoText(), undoText);

        Undo();
        QCOMPARE(CaseText(), saved);
        QCOMPARE(ComputedFigures(), savedFigures);
        QVERIFY(!window->Modified());
        if (inScheduler) QCOMPARE(scheduler->Table(), window->SchedulerTable());  // the window shows it
        if (!focus.isEmpty()) QCOMPARE(FocusName(), focus);

        Redo();
        QCOMPARE(CaseText(), changed);
        QCOMPARE(ComputedFigures(), changedFigures);
        QVERIFY(window->Modified());
        if (inScheduler) QCOMPARE(scheduler->Table(), window->SchedulerTable());
        if (!focus.isEmpty()) QCOMPARE(FocusName(), focus);
    }

    // What a change did is shown at once: the computed figures it moved
    // are marked for a moment and the status bar names the headline's move.
    void aChangeMarksTheFiguresItMovedAndNamesTheHeadline() {
        SavedCase();
        // The marks of the changes that made the case have faded.
        QTRY_VERIFY_WITH_TIMEOUT(!AnyFieldMarked(), 5000);
        const QStringList before = ComputedFigures();
        TypeInto(*window, 10, QStringLiteral("65000"));
        int moved = 0;
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            if (!edit->isReadOnly() || !edit->isVisible() || before.contains(edit->objectName() + "=" + edit->text()))
                continue;
            ++moved;
            QVERIFY2(edit->property("JustChanged").toBool(), qPrintable(edit->objectName()));
        }
        QVERIFY(moved > 0);
        const QString message = window->statusBar()->currentMessage();
        QVERIFY2(message.startsWith(QStringLiteral("Line 28: ")) && message.contains(QStringLiteral(" \u2192 ")),
                 qPrintable(message));
        QVERIFY(!message.contains(QLatin1Char('$')));
    }

    // Ctrl+Z in a field being typed in takes back the typing; with nothing
    // typed it takes back the last change to the case.
    void ctrlZUndoesTheTypingFirst() {
        SavedCase();
        const std::string saved = CaseText();
        TypeInto(*window, 10, QStringLiteral("65000"));
        const std::string changed = CaseText();
        QLineEdit* edit = FieldOf(*window, 11);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        const QString shown = edit->text();
        edit->end(false);
        QTest::keyClicks(edit, QStringLiteral("9"));
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(CaseText(), changed);  // the case is as it was
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(CaseText(), saved);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(CaseText(), changed);
    }

    // The history lists every step; choosing the case as opened goes back
    // over all of them.
    void theHistoryGoesBackToTheStepChosen() {
        const std::string opened = CaseText();
        TypeInto(*window, 10, QStringLiteral("40000"));
        TypeInto(*window, 11, QStringLiteral("30000"));
        const std::string afterBoth = CaseText();
        TypeInto(*window, 10, QStringLiteral("45000"));
        prompts->dialogDrivers.push_back([](QDialog& dialog) {
            auto* view = Find<QListView>(dialog, QStringLiteral("lstUndoHistory"));
            QCOMPARE(view->model()->rowCount(), 4);  // the case as opened and three steps
            QCOMPARE(view->model()->index(2, 0).data().toString(),
                     QStringLiteral("Line 1a, Column II: 0.00 \u2192 30,000.00"));
            view->setCurrentIndex(view->model()->index(2, 0));
        });
        window->UndoHistoryClick();
        QCOMPARE(CaseText(), afterBoth);
        prompts->dialogDrivers.push_back([](QDialog& dialog) {
            auto* view = Find<QListView>(dialog, QStringLiteral("lstUndoHistory"));
            view->setCurrentIndex(view->model()->index(0, 0));
        });
        window->UndoHistoryClick();
        QCOMPARE(CaseText(), opened);
    }

    // Each entry of a new scheduler row is a step of its own, named by what
    // it changed; undoing one with the scheduler closed shows the scheduler
    // with that row selected, and the worksheet and the tree stay as they were.
    void undoingASchedulerEditShowsItsRow() {
        SavedCase();
        auto* tree = Find<QTreeWidget>(*window, QStringLiteral("TreeView1"));
        QTreeWidgetItem* schedulerItem = tree->findItems(QStringLiteral("Support Scheduler"), Qt::MatchExactly).value(0);
        QVERIFY(schedulerItem);
        WhenOpened<TfrmScheduler>([this](TfrmScheduler& opened) {
            Click(opened, QStringLiteral("btnAdd"));
            TypeOver(Find<QLineEdit>(opened, QStringLiteral("edtDate")), QStringLiteral("1/1/2024"));
            TypeOver(Find<QLineEdit>(opened, QStringLiteral("edtDescription")), QStringLiteral("Order"));
            TypeOver(Find<QLineEdit>(opened, QStringLiteral("edtAmountDue")), QStringLiteral("500"));
            Click(opened, QStringLiteral("btnClose"));
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_VERIFY(tree->hasFocus());
        tree->setCurrentItem(schedulerItem);
        QTest::keyClick(tree, Qt::Key_Return);
        QVERIFY(ShowsWorksheet(*tree, 0));  // the tree names the worksheet on display again
        QStringList history;
        for (int k = 0; k < window->History().Count(); ++k) history << window->History().Step(k).text();
        QCOMPARE(history.mid(history.size() - 3),
                 (QStringList{QStringLiteral("Scheduler row 1/1/2024: Date (empty) \u2192 1/1/2024"),
                              QStringLiteral("Scheduler row 1/1/2024: Description (empty) \u2192 Order"),
                              QStringLiteral("Scheduler row 1/1/2024: Support Due $0.00 \u2192 $500.00")}));

        ReturnToWindow();
        QLineEdit* income = FieldOf(*window, 11);
        income->setFocus();
        QTRY_VERIFY(income->hasFocus());
        QString shownRow;
        QString shownDue;
        WhenOpened<TfrmScheduler>([&](TfrmScheduler& opened) {
            shownRow = QString::fromStdString(opened.Table().rows[opened.SelectedRow()][0]);
            shownDue = Find<QLineEdit>(opened, QStringLiteral("edtAmountDue"))->text();
            Click(opened, QStringLiteral("btnClose"));
        });
        Undo();
        QTRY_COMPARE(shownRow, QStringLiteral("1/1/2024"));
        QCOMPARE(shownDue, QStringLiteral("$0.00"));
        QCOMPARE(window->CurrentPage(), 0);
        ReturnToWindow();
        QCOMPARE(FocusName(), QStringLiteral("edt11"));
        QVERIFY(ShowsWorksheet(*tree, 0));
    }

    // In the Undo History the steps undone read apart from the steps done.
    void theHistoryMarksTheStepsUndone() {
        TypeInto(*window, 10, QStringLiteral("40000"));
        TypeInto(*window, 11, QStringLiteral("30000"));
        Undo();
        prompts->dialogDrivers.push_back([](QDialog& dialog) {
            auto* view = Find<QListView>(dialog, QStringLiteral("lstUndoHistory"));
            const QModelIndex done = view->model()->index(1, 0);
            const QModelIndex undone = view->model()->index(2, 0);
            QCOMPARE(done.data().toString(), QStringLiteral("Line 1a, Column I: 0.00 \u2192 40,000.00"));
            QVERIFY(!done.data(Qt::FontRole).value<QFont>().italic());
            QCOMPARE(undone.data().toString(), QStringLiteral("Undone: Line 1a, Column II: 0.00 \u2192 30,000.00"));
            QVERIFY(undone.data(Qt::FontRole).value<QFont>().italic());
            QVERIFY(undone.data(Qt::ForegroundRole).isValid());
            QVERIFY(!done.data(Qt::ForegroundRole).isValid());
        });
        window->UndoHistoryClick();
        QVERIFY(prompts->dialogDrivers.empty());
    }

    // Showing another worksheet is no step: after six switches, by the tree
    // and by Ctrl+PageDown, Undo takes back the change made before them, on
    // the worksheet it was made on.
    void switchingWorksheetsIsNoStep() {
        const QString before = SlotText(*window, 0, 10);
        TypeInto(*window, 10, QStringLiteral("40000"));
        auto* tree = Find<QTreeWidget>(*window, QStringLiteral("TreeView1"));
        for (int tag : {700, 1600}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
            QTRY_VERIFY(tree->hasFocus());
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                if ((*it)->data(0, Qt::UserRole) == QVariant(tag)) tree->setCurrentItem(*it);
            QTest::keyClick(tree, Qt::Key_Return);
            QCOMPARE(window->CurrentPage(), tag / 100);
        }
        for (int k = 0; k < 4; ++k) QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(window->History().Count(), 1);
        Undo();
        QCOMPARE(window->CurrentPage(), 0);
        QCOMPARE(SlotText(*window, 0, 10), before);
        QCOMPARE(FocusName(), QStringLiteral("edt10"));
    }

    // Over its memory budget the history lets its oldest steps go and says
    // so in its first line; the steps kept still undo exactly, and a saved
    // state that was let go is no longer reached by undoing.
    void theHistoryKeepsWithinItsBudget() {
        SavedCase();
        CaseHistory& history = window->History();
        std::vector<std::string> states{CaseText()};
        constexpr int kEdits = 9;
        for (int k = 1; k <= kEdits; ++k) {
            if (k == kEdits)  // room for about three steps
                history.SetBudget(history.Step(history.Count() - 1).Bytes() +
                                  history.Step(history.Count() - 2).Bytes() +
                                  history.Step(history.Count() - 3).Bytes());
            TypeInto(*window, 10, QString::number(40000 + k * 1000));
            states.push_back(CaseText());
        }
        const int kept = history.Count();
        QVERIFY2(kept >= 1 && kept <= 3, qPrintable(QString::number(kept)));
        QVERIFY(history.Bytes() <= history.Budget());
        const QString first = history.data(history.index(0, 0), Qt::DisplayRole).toString();
        QVERIFY2(first.contains(QStringLiteral("older steps dropped to keep the history within")), qPrintable(first));

        window->MoveInHistory(0);
        QCOMPARE(CaseText(), states[static_cast<size_t>(kEdits - kept)]);
        QVERIFY(window->Modified());  // the saved state went with the steps let go
        QVERIFY(!window->UndoAction()->isEnabled());
        window->MoveInHistory(kept);
        QCOMPARE(CaseText(), states.back());
        QCOMPARE(UndoText(), QStringLiteral("Undo Line 1a, Column I: 48,000.00 \u2192 49,000.00"));
    }

    // Opening, New and Close start a new history; nothing of the case
    // before can be undone into the next.
    void openingNewAndCloseStartANewHistory() {
        SavedCase();
        const QString path = home->Path() + "/undo.q10";
        const std::function<void()> starts[] = {[&] { window->NewClick(); },
                                                [&] { QVERIFY(window->OpenFile(path)); },
                                                [&] { window->CloseClick(); }};
        for (const auto& start : starts) {
            QVERIFY(window->OpenFile(path));
            TypeInto(*window, 10, QStringLiteral("55000"));
            QVERIFY(window->UndoAction()->isEnabled());
            prompts->saveAnswers = {SaveAnswer::No};
            start();
            QCOMPARE(window->History().Count(), 0);
            QVERIFY(!window->UndoAction()->isEnabled());
            QVERIFY(!window->Modified());
        }
    }
};

QTEST_MAIN(UndoTest)
#include "UndoTests.moc"
