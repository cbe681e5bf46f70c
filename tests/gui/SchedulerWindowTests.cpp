// The support scheduler window driven as a user drives it: rows typed into
// the entry panel and left with Tab, rows picked in the table, the buttons
// and pop-up shortcuts, the series generator and the interest settings
// dialogs, CSV import and export, the printout, and the table kept with
// the case.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

#include "GuiTestSupport.h"
#include "screen/HelpWindow.h"
#include "files/ClientFile.h"
#include "scheduler/ScheduleCsv.h"
#include "scheduler/ScheduleView.h"
#include "scheduler/Scheduler.h"
#include "scheduler/TfrmArrearsFiller.h"
#include "scheduler/TfrmInterestSetting.h"
#include "scheduler/TfrmScheduler.h"
#include "store/Answers.h"
#include "store/Regional.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

// Keeps the addresses the program asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

class SchedulerWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;
    std::unique_ptr<TfrmScheduler> scheduler;
    UrlRecorder opened;

    static QLineEdit* Field(QWidget* in, const char* name) {
        auto* edit = in->findChild<QLineEdit*>(QString::fromLatin1(name));
        if (!edit) qFatal("no field %s", name);
        return edit;
    }
    static void Click(QWidget* in, const char* name) {
        auto* button = in->findChild<QPushButton*>(QString::fromLatin1(name));
        if (!button) qFatal("no button %s", name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Types over a field and leaves it with Tab.
    static void Type(QWidget* in, const char* name, const QString& text) {
        QLineEdit* edit = Field(in, name);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        edit->selectAll();
        if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
        else QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    void Open() {
        scheduler = std::make_unique<TfrmScheduler>(*window);
        scheduler->show();
        QVERIFY(QTest::qWaitForWindowActive(scheduler.get()));
    }
    // Add, then the date, description, amounts and rate, each left with Tab.
    void EnterRow(const QString& date, const QString& description, const QString& due, const QString& paid,
                  const QString& rate = {}) {
        Click(scheduler.get(), "btnAdd");
        const std::pair<const char*, QString> entries[] = {{"edtDate", date},
                                                           {"edtDescription", description},
                                                           {"edtAmountDue", due},
                                                           {"edtAmountPaid", paid},
                                                           {"edtRate", rate}};
        for (const auto& [name, text] : entries)
            if (!text.isEmpty()) Type(scheduler.get(), name, text);
    }
    QTableView* Grid() { return scheduler->findChild<QTableView*>(QStringLiteral("grdSchedule")); }
    QString Shown(int row, int column) { return Grid()->model()->index(row, column).data().toString(); }
    QStringList ShownColumn(int column) {
        QStringList cells;
        for (int row = 0; row < Grid()->model()->rowCount(); ++row) cells << Shown(row, column);
        return cells;
    }
    void ClickRow(int row) {
        const QRect cell = Grid()->visualRect(Grid()->model()->index(row, kColDescription));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QAction* MenuAction(const QString& text) {
        for (QAction* action : window->findChildren<QAction*>())
            if (action->text() == text) return action;
        qFatal("no menu item %s", qPrintable(text));
    }
    // Two rows of the worked example: 1,000 due on 1/1/2019 at 10 % and a
    // row 60 days later.
    void EnterWorkedExample() {
        EnterRow(QStringLiteral("1/1/19"), QStringLiteral("Order"), QStringLiteral("1000"), {}, QStringLiteral("10"));
        EnterRow(QStringLiteral("3/2/2019"), QStringLiteral("Review"), {}, {}, QStringLiteral("10"));
    }
    // The worked example as a file of another program may hold it: the
    // first row charged at the default rate (its Rate % empty) and every
    // computed cell $0.00.
    static SchedulerGrid StaleExample() {
        SchedulerGrid table;
        table.rows = {{"1/1/2019", "Order", "$1,000.00", "$0.00", "$0.00", "", "$0.00", "$0.00", "$0.00"},
                      {"3/2/2019", "Review", "$0.00", "$0.00", "$0.00", "10.00%", "$0.00", "$0.00", "$0.00"}};
        return table;
    }
    QString SummaryCell(int row, int column) {
        auto* summary = scheduler->findChild<QTableWidget*>(QStringLiteral("grdSummary"));
        return summary->item(row, column) ? summary->item(row, column)->text() : QString();
    }
    // Sets an interest setting through its Options menu dialog.
    void ChangeSetting(const QString& menuItem, const char* fieldName, const QString& value) {
        WhenOpened<QDialog>([fieldName, value](QDialog& dialog) {
            Field(&dialog, fieldName)->setText(value);
            Click(&dialog, "btnOk");
        });
        MenuAction(menuItem)->trigger();
    }

private slots:
    void init() {
        StartWindow(home, prompts, window);
        opened.urls.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &opened, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    }
    void cleanup() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        scheduler.reset();
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    void opensFromTheMenuAndTheTreeWithTheDefaultRate() {
        window->CurrentSettings().defaultInterestRate = 3.125;
        QStringList seen;
        auto look = [&seen](TfrmScheduler& shown) {
            seen << shown.windowTitle() << QString::fromStdString(shown.Table().rows.front()[kColRate])
                 << Field(&shown, "edtRate")->text();
            QTRY_VERIFY(Field(&shown, "edtDate")->hasFocus());
            Click(&shown, "btnClose");
        };
        WhenOpened<TfrmScheduler>(look);
        MenuAction(QStringLiteral("S&upport Scheduler"))->trigger();
        QCOMPARE(seen, (QStringList{"Support Scheduler", "3.125", "3.125"}));
        QVERIFY(!window->Modified());

        WhenOpened<TfrmScheduler>(look);
        auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        QTreeWidgetItem* item = tree->findItems(QStringLiteral("Support Scheduler"), Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
        QCOMPARE(seen.size(), 6);
        QCOMPARE(window->SchedulerTable().rows.front()[kColRate], std::string("3.125"));
    }

    void typedRowsShowTheirBalanceAndInterest() {
        Open();
        EnterWorkedExample();
        QCOMPARE(ShownColumn(kColDate), (QStringList{"1/1/2019", "3/2/2019"}));
        QCOMPARE(ShownColumn(kColDue), (QStringList{"$1,000.00", "$0.00"}));
        QCOMPARE(ShownColumn(kColRate), (QStringList{"10.00%", "10.00%"}));
        QCOMPARE(ShownColumn(kColInterest), (QStringList{"$0.00", "$16.44"}));
        QCOMPARE(ShownColumn(kColBalance), (QStringList{"$1,000.00", "$1,000.00"}));
        QCOMPARE(ShownColumn(kColBalanceWithInterest), (QStringList{"$1,000.00", "$1,016.44"}));
        QVERIFY(window->Modified());
        // Every saved entry is handed back to the case at once.
        QCOMPARE(window->SchedulerTable(), scheduler->Table());
        // The summary under the table: 2019 with its interest and closing balance.
        auto* summary = scheduler->findChild<QTableWidget*>(QStringLiteral("grdSummary"));
        QCOMPARE(summary->rowCount(), 1);
        QCOMPARE(summary->item(0, kColDate)->text(), QStringLiteral("2019"));
        QCOMPARE(summary->item(0, kColInterest)->text(), QStringLiteral("$16.44"));
        QCOMPARE(summary->item(0, kColBalanceWithInterest)->text(), QStringLiteral("$1,016.44"));
    }

    void editingARowRecomputesTheRowsAfterIt() {
        Open();
        EnterWorkedExample();
        ClickRow(0);
        QCOMPARE(scheduler->SelectedRow(), size_t{0});
        QCOMPARE(Field(scheduler.get(), "edtAmountDue")->text(), QStringLiteral("$1,000.00"));
        Field(scheduler.get(), "edtAmountDue")->setFocus();
        QCOMPARE(Field(scheduler.get(), "edtAmountDue")->text(), QStringLiteral("1000.00"));  // plain, to type over
        Type(scheduler.get(), "edtAmountDue", QStringLiteral("2000"));
        QCOMPARE(Field(scheduler.get(), "edtAmountDue")->text(), QStringLiteral("$2,000.00"));
        QCOMPARE(ShownColumn(kColInterest), (QStringList{"$0.00", "$32.88"}));
        QCOMPARE(ShownColumn(kColBalanceWithInterest), (QStringList{"$2,000.00", "$2,032.88"}));
    }

    void rowsEnteredOutOfOrderAreSortedAndTheSelectionFollows() {
        Open();
        EnterRow(QStringLiteral("3/1/2019"), QStringLiteral("March"), QStringLiteral("300"), {});
        EnterRow(QStringLiteral("1/15/2019"), QStringLiteral("January"), QStringLiteral("100"), {});
        EnterRow(QStringLiteral("3/1/2019"), QStringLiteral("March again"), QStringLiteral("50"), {});
        QCOMPARE(ShownColumn(kColDescription), (QStringList{"January", "March", "March again"}));
        QCOMPARE(scheduler->SelectedRow(), size_t{2});
        QCOMPARE(ShownColumn(kColBalance), (QStringList{"$100.00", "$400.00", "$450.00"}));
        Click(scheduler.get(), "btnFirst");
        QCOMPARE(Field(scheduler.get(), "edtDescription")->text(), QStringLiteral("January"));
        Type(scheduler.get(), "edtDate", QStringLiteral("4/1/2019"));  // moves to the end
        QCOMPARE(ShownColumn(kColDescription), (QStringList{"March", "March again", "January"}));
        QCOMPARE(scheduler->SelectedRow(), size_t{2});
        QCOMPARE(Field(scheduler.get(), "edtDate")->text(), QStringLiteral("4/1/2019"));
    }

    void aRowLeftWithoutADateIsRemoved() {
        Open();
        EnterRow(QStringLiteral("1/1/2019"), QStringLiteral("Order"), QStringLiteral("100"), {});
        Click(scheduler.get(), "btnAdd");
        Type(scheduler.get(), "edtDescription", QStringLiteral("no date yet"));
        QCOMPARE(Grid()->model()->rowCount(), 2);  // still being typed
        Click(scheduler.get(), "btnFirst");
        QCOMPARE(ShownColumn(kColDescription), QStringList{"Order"});
        // The only row stays, even without a date.
        ErrorLog errors;
        Type(scheduler.get(), "edtDate", QStringLiteral(""));
        Click(scheduler.get(), "btnLast");
        QCOMPARE(Grid()->model()->rowCount(), 1);
        QVERIFY(errors.codes.empty());
    }

    void deleteAsksThenRemovesTheRowAndRecomputes() {
        Open();
        EnterWorkedExample();
        EnterRow(QStringLiteral("5/1/2019"), QStringLiteral("Paid"), {}, QStringLiteral("1000"), QStringLiteral("10"));
        QCOMPARE(ShownColumn(kColTotalInterest), (QStringList{"$0.00", "$16.44", "$32.88"}));
        ClickRow(1);
        prompts->yesNoAnswers = {false};
        Click(scheduler.get(), "btnDel");
        QCOMPARE(prompts->questions.value(0), QStringLiteral("Do you want to delete/clear the selected row?"));
        QCOMPARE(Grid()->model()->rowCount(), 3);
        prompts->yesNoAnswers = {true};
        Click(scheduler.get(), "btnDel");
        QCOMPARE(ShownColumn(kColDescription), (QStringList{"Order", "Paid"}));
        // 1,000 x 10 % x 120 / 365, recomputed at once.
        QCOMPARE(ShownColumn(kColInterest), (QStringList{"$0.00", "$32.88"}));
        QCOMPARE(Field(scheduler.get(), "edtDescription")->text(), QStringLiteral("Paid"));
        QCOMPARE(window->SchedulerTable(), scheduler->Table());

        prompts->yesNoAnswers = {true, true};
        Click(scheduler.get(), "btnDel");
        Click(scheduler.get(), "btnDel");  // the only row: cleared, with the default rate
        QCOMPARE(scheduler->Table().rows, std::vector<SchedulerRow>{BlankRow(3)});
    }

    void clearLeavesOneBlankRowWithTheDefaultRate() {
        window->CurrentSettings().defaultInterestRate = 4.5;
        Open();
        EnterWorkedExample();
        prompts->yesNoAnswers = {false};
        Click(scheduler.get(), "btnClear");
        QCOMPARE(prompts->questions.value(0), QStringLiteral("Do you want to delete/clear the entire table?"));
        QCOMPARE(Grid()->model()->rowCount(), 2);
        prompts->yesNoAnswers = {true};
        Click(scheduler.get(), "btnClear");
        QCOMPARE(scheduler->Table().rows, std::vector<SchedulerRow>{BlankRow(4.5)});
        QCOMPARE(window->SchedulerTable(), scheduler->Table());
        QCOMPARE(Field(scheduler.get(), "edtRate")->text(), QStringLiteral("4.5"));
        QCOMPARE(Field(scheduler.get(), "edtDate")->text(), QString());
    }

    void theOrderSeriesReplacesTheBlankRowAtTheStatutoryRates() {
        Open();
        QString description, rate;
        WhenOpened<TfrmArrearsFiller>([&](TfrmArrearsFiller& filler) {
            description = Field(&filler, "edtDescription")->text();
            rate = Field(&filler, "edtInterestRate")->text();
            QCOMPARE(filler.findChild<QComboBox*>(QStringLiteral("cmbxFrequency"))->currentText(),
                     QStringLiteral("Monthly"));
            Field(&filler, "edtAmount")->setText(QStringLiteral("500"));
            Field(&filler, "edtStartingDate")->setText(QStringLiteral("1/15/10"));
            Field(&filler, "edtEndingDate")->setText(QStringLiteral("4/15/2010"));
            Field(&filler, "edtInterestRate")->clear();
            Click(&filler, "btnOk");
        });
        Click(scheduler.get(), "btnOrder");
        QCOMPARE(description, QStringLiteral("Payment Due"));
        QCOMPARE(rate, QStringLiteral("3.00%"));
        QCOMPARE(ShownColumn(kColDate), (QStringList{"1/15/2010", "2/15/2010", "3/15/2010", "4/15/2010"}));
        QCOMPARE(ShownColumn(kColRate), QStringList(4, QStringLiteral("4.00%")));
        QCOMPARE(ShownColumn(kColInterest), (QStringList{"$0.00", "$1.70", "$3.07", "$5.10"}));
        QVERIFY(window->Modified());
        QCOMPARE(window->SchedulerTable(), scheduler->Table());
    }

    void thePaymentSeriesIsAppendedAndAYearWithoutARateKeepsTheDialogOpen() {
        Open();
        EnterRow(QStringLiteral("12/1/2011"), QStringLiteral("Order"), QStringLiteral("1000"), {});
        WhenOpened<TfrmArrearsFiller>([](TfrmArrearsFiller& filler) {
            Field(&filler, "edtAmount")->setText(QStringLiteral("250"));
            Field(&filler, "edtStartingDate")->setText(QStringLiteral("12/28/2011"));
            Field(&filler, "edtEndingDate")->setText(QStringLiteral("1/11/2012"));
            filler.findChild<QComboBox*>(QStringLiteral("cmbxFrequency"))->setCurrentText(QStringLiteral("Weekly"));
            Field(&filler, "edtInterestRate")->setText(QStringLiteral("3"));
            Click(&filler, "btnOk");
        });
        Click(scheduler.get(), "btnPayment");
        QCOMPARE(ShownColumn(kColDescription), (QStringList{"Order", "Payment Made", "Payment Made", "Payment Made"}));
        QCOMPARE(ShownColumn(kColPaid), (QStringList{"$0.00", "$250.00", "$250.00", "$250.00"}));
        QCOMPARE(ShownColumn(kColBalance), (QStringList{"$1,000.00", "$750.00", "$500.00", "$250.00"}));

        const SchedulerGrid before = scheduler->Table();
        bool stayedOpen = false;
        WhenOpened<TfrmArrearsFiller>([&](TfrmArrearsFiller& filler) {
            Field(&filler, "edtAmount")->setText(QStringLiteral("100"));
            Field(&filler, "edtStartingDate")->setText(QStringLiteral("1/1/2030"));
            Field(&filler, "edtEndingDate")->setText(QStringLiteral("2/1/2030"));
            Field(&filler, "edtInterestRate")->clear();
            Click(&filler, "btnOk");
            stayedOpen = filler.isVisible();
            Click(&filler, "btnCancel");
        });
        Click(scheduler.get(), "btnOrder");
        QVERIFY(stayedOpen);
        QVERIFY(prompts->warnings.value(0).contains(QStringLiteral("2030")));
        QCOMPARE(scheduler->Table(), before);
    }

    void drawsNegativeAmountsInBracketsAndTheSelectedRowInLightBlue() {
        Open();
        EnterRow(QStringLiteral("1/1/2019"), QStringLiteral("Jan - Feb"), QStringLiteral("500"), {});
        EnterRow(QStringLiteral("2/1/2019"), QStringLiteral("Paid"), {}, QStringLiteral("1000"));
        EnterRow(QStringLiteral("3/1/2019"), QStringLiteral("Due"), QStringLiteral("100"), {});
        QCOMPARE(ShownColumn(kColBalance), (QStringList{"$500.00", "($500.00)", "($400.00)"}));
        QCOMPARE(Shown(0, kColDescription), QStringLiteral("Jan - Feb"));
        ClickRow(1);
        const QImage image = Grid()->viewport()->grab().toImage();
        auto pixel = [&](int row) {
            const QRect cell = Grid()->visualRect(Grid()->model()->index(row, kColRate));
            return image.pixelColor(cell.left() + 2, cell.top() + 2);
        };
        QCOMPARE(pixel(1), kSelectedRowColour);
        QVERIFY(pixel(0) != kSelectedRowColour);
        QVERIFY(pixel(2) != kSelectedRowColour);
        QCOMPARE(Grid()->horizontalHeader()->model()->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold(),
                 true);
    }

    void datesAndAmountsFitTheirColumnsWithoutScrollingSideways() {
        window->resize(1024, 700);
        Open();
        EnterRow(QStringLiteral("12/31/2019"), QStringLiteral("Order"), QStringLiteral("99999.99"), {},
                 QStringLiteral("10"));
        EnterRow(QStringLiteral("12/31/2020"), QStringLiteral("Paid"), {}, QStringLiteral("99999.99"));
        int columns = 0;
        for (int c = 0; c < kSchedulerColumnCount; ++c) columns += Grid()->columnWidth(c);
        QVERIFY2(columns <= Grid()->viewport()->width(), qPrintable(QString::number(columns)));
        for (int row = 0; row < 2; ++row) {
            for (int c : {kColDate, kColDue, kColPaid, kColBalance, kColRate, kColInterest, kColBalanceWithInterest}) {
                const QModelIndex index = Grid()->model()->index(row, c);
                const QFontMetrics metrics(index.data(Qt::FontRole).value<QFont>());
                QVERIFY2(metrics.horizontalAdvance(index.data().toString()) <= Grid()->columnWidth(c) - 12,
                         qPrintable(index.data().toString()));
            }
        }
        const QFont header = Grid()->model()->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>();
        QVERIFY(header.pointSize() <= kHeaderPoints);
        for (int c = 0; c < kSchedulerColumnCount; ++c) {
            const QString title = Grid()->model()->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(QFontMetrics(header).horizontalAdvance(title) <= Grid()->columnWidth(c), qPrintable(title));
        }
    }

    void navigationButtonsAndPopupShortcutsMoveCopyAndPasteRows() {
        Open();
        EnterRow(QStringLiteral("1/1/2019"), QStringLiteral("A"), QStringLiteral("100"), {});
        EnterRow(QStringLiteral("2/1/2019"), QStringLiteral("B"), QStringLiteral("200"), {});
        EnterRow(QStringLiteral("3/1/2019"), QStringLiteral("C"), QStringLiteral("300"), {});
        const struct {
            const char* button;
            size_t row;
        } moves[] = {{"btnFirst", 0}, {"btnPrior", 0}, {"btnNext", 1}, {"btnNext", 2}, {"btnNext", 2}, {"btnPrior", 1},
                     {"btnLast", 2}};
        for (const auto& move : moves) {
            Click(scheduler.get(), move.button);
            QCOMPARE(scheduler->SelectedRow(), move.row);
        }
        QCOMPARE(Field(scheduler.get(), "edtDescription")->text(), QStringLiteral("C"));
        QTest::keyClick(Grid(), Qt::Key_F1, Qt::ShiftModifier);  // First
        QCOMPARE(scheduler->SelectedRow(), size_t{0});
        QTest::keyClick(Grid(), Qt::Key_F8, Qt::ShiftModifier);  // Copy Row
        QTest::keyClick(Grid(), Qt::Key_F3, Qt::ShiftModifier);  // Next
        QTest::keyClick(Grid(), Qt::Key_F10, Qt::ShiftModifier);  // Paste/Insert Row
        QCOMPARE(ShownColumn(kColDescription), (QStringList{"A", "A", "B", "C"}));
        QCOMPARE(ShownColumn(kColBalance), (QStringList{"$100.00", "$200.00", "$400.00", "$700.00"}));
        QTest::keyClick(Grid(), Qt::Key_F4, Qt::ShiftModifier);  // Last
        QTest::keyClick(Grid(), Qt::Key_F9, Qt::ShiftModifier);  // Cut Row
        QCOMPARE(ShownColumn(kColDescription), (QStringList{"A", "A", "B"}));
        QTest::keyClick(Grid(), Qt::Key_F1, Qt::ShiftModifier);
        QTest::keyClick(Grid(), Qt::Key_F11, Qt::ShiftModifier);  // Paste/Replace Row
        QCOMPARE(ShownColumn(kColDescription), (QStringList{"A", "B", "C"}));
        QCOMPARE(ShownColumn(kColBalance), (QStringList{"$100.00", "$300.00", "$600.00"}));
        QCOMPARE(scheduler->Popup()->actions().size(), 10);
    }

    void theTableIsSavedWithTheCaseAndReadBack() {
        Open();
        EnterWorkedExample();
        Click(scheduler.get(), "btnClose");
        QVERIFY(!scheduler->isVisible());
        const SchedulerGrid kept = window->SchedulerTable();
        QCOMPARE(kept.rows.size(), size_t{2});
        const QString path = home->Path() + "/scheduled.q10";
        prompts->filesToSave = {path};
        QVERIFY(window->SaveAsClick());
        window->NewClick();
        QCOMPARE(window->SchedulerTable(), SchedulerGrid{});
        prompts->filesToOpen = {path};
        window->OpenClick();
        QCOMPARE(window->SchedulerTable(), kept);
        Open();
        QCOMPARE(Shown(1, kColBalanceWithInterest), QStringLiteral("$1,016.44"));
    }

    void interestSettingsKeepTheirDecimalsAndRefuseWords() {
        QString shown;
        WhenOpened<TfrmInterestRate>([&](TfrmInterestRate& dialog) {
            shown = Field(&dialog, "edtRate")->text();
            Field(&dialog, "edtRate")->setText(QStringLiteral("3.125"));
            Click(&dialog, "btnOk");
        });
        MenuAction(QStringLiteral("Se&t Default Interest Rate..."))->trigger();
        QCOMPARE(shown, QStringLiteral("3.00"));
        QCOMPARE(window->CurrentSettings().defaultInterestRate, 3.125);

        ErrorLog errors;
        bool stayedOpen = false;
        WhenOpened<TfrmInterestThreshold>([&](TfrmInterestThreshold& dialog) {
            shown = Field(&dialog, "edtThreshold")->text();
            Field(&dialog, "edtThreshold")->setText(QStringLiteral("one dollar"));
            Click(&dialog, "btnOk");
            stayedOpen = dialog.isVisible();
            Click(&dialog, "btnCancel");
        });
        MenuAction(QStringLiteral("Set &Interest Threshold..."))->trigger();
        QCOMPARE(shown, QStringLiteral("1.00"));
        QVERIFY(stayedOpen);
        QCOMPARE(errors.codes, std::vector<int>{29040});
        QCOMPARE(window->CurrentSettings().interestThreshold, 1.0);

        WhenOpened<TfrmInterestRate>([&](TfrmInterestRate& dialog) {
            shown = Field(&dialog, "edtRate")->text();
            Click(&dialog, "btnCancel");
        });
        MenuAction(QStringLiteral("Se&t Default Interest Rate..."))->trigger();
        QCOMPARE(shown, QStringLiteral("3.125"));
        QCOMPARE(window->CurrentSettings().defaultInterestRate, 3.125);
    }

    void importsAPaymentHistoryAndRefusesAMalformedOne() {
        Open();
        EnterRow(QStringLiteral("1/1/2019"), QStringLiteral("Order"), QStringLiteral("1000"), {});
        const SchedulerGrid before = scheduler->Table();
        const QString bad = home->Path() + "/bad.csv";
        const QString good = home->Path() + "/good.csv";
        for (const auto& [path, text] : {std::pair{bad, QStringLiteral("Date,Amount Paid\r\n2/1/2019,100\r\n2/30/2019,100\r\n")},
                                         std::pair{good, QStringLiteral("Date,Description,Amount Paid\r\n"
                                                                        "2019-02-01,\"Check 1, partial\",100\r\n"
                                                                        "3/1/2019,Check 2,\"$1,000.00\"\r\n")}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text.toUtf8());
        }
        prompts->filesToOpen = {bad};
        Click(scheduler.get(), "btnImportCsv");
        QVERIFY(prompts->warnings.value(0).contains(QStringLiteral("line 3:")));
        QCOMPARE(scheduler->Table(), before);

        prompts->filesToOpen = {good};
        Click(scheduler.get(), "btnImportCsv");
        QCOMPARE(ShownColumn(kColDescription), (QStringList{"Order", "Check 1, partial", "Check 2"}));
        QCOMPARE(ShownColumn(kColBalance), (QStringList{"$1,000.00", "$900.00", "($100.00)"}));
        QCOMPARE(window->SchedulerTable(), scheduler->Table());
    }

    void exportWritesTheTableAsCsv() {
        Open();
        EnterWorkedExample();
        prompts->filesToSave = {home->Path() + "/export"};  // the extension is added
        Click(scheduler.get(), "btnExportCsv");
        QFile file(home->Path() + "/export.csv");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), ScheduleCsvText(scheduler->Table()));
    }

    void previewAndPrintWritesThePrintoutIntoTheClientFolderAndOpensIt() {
        Open();
        EnterWorkedExample();
        Click(scheduler.get(), "btnPrint");
        const QString printout = QDir(QString::fromStdString(window->CurrentSettings().folders.clientFiles))
                                     .filePath(QStringLiteral("Support Scheduler.RTF"));
        QFile file(printout);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("{\\rtf1"));
        QVERIFY(text.contains("Review"));
        QVERIFY(text.contains("   1,016.44"));
        QVERIFY(text.contains("Year-by-Year Summary"));
        QCOMPARE(LauncherOf(*window).LastFile(), printout);
        QVERIFY(prompts->warnings.isEmpty());
        QCOMPARE(window->SchedulerTable(), scheduler->Table());
    }

    void openingAndEverySettingChangeWorkTheTableOutAgain() {
        window->SchedulerTable() = StaleExample();
        Open();
        // 1,000 for 60 days at the default 3 %.
        QCOMPARE(ShownColumn(kColBalance), (QStringList{"$1,000.00", "$1,000.00"}));
        QCOMPARE(ShownColumn(kColInterest), (QStringList{"$0.00", "$4.93"}));
        QCOMPARE(ShownColumn(kColBalanceWithInterest), (QStringList{"$1,000.00", "$1,004.93"}));
        QCOMPARE(SummaryCell(0, kColBalanceWithInterest), QStringLiteral("$1,004.93"));
        QVERIFY(!window->Modified());
        Click(scheduler.get(), "btnClose");

        const struct {
            const char* menuItem;
            const char* field;
            const char* value;
            const char* interest;
        } changes[] = {{"Se&t Default Interest Rate...", "edtRate", "10", "$16.44"},
                       {"Set &Interest Threshold...", "edtThreshold", "20", "$0.00"},
                       {"Set &Interest Threshold...", "edtThreshold", "1", "$16.44"}};
        for (const auto& change : changes) {
            ChangeSetting(QString::fromLatin1(change.menuItem), change.field, QString::fromLatin1(change.value));
            // The case's table at once, and the scheduler when it opens again.
            QCOMPARE(window->SchedulerTable().rows[1][kColInterest], std::string(change.interest));
            Open();
            QCOMPARE(Shown(1, kColInterest), QString::fromLatin1(change.interest));
            Click(scheduler.get(), "btnClose");
        }
    }

    void theDefaultRateDialogNamesThisYearsStatutoryRate() {
        const struct {
            Date today;
            const char* sentence;
        } cases[] = {
            {Date{2026, 5, 1}, "The statutory rate for 2026 is 7.00%."},
            {Date{2031, 1, 2}, "No statutory rate for 2031 is installed yet; the rate for 2026 is 7.00%."},
        };
        for (const auto& c : cases) {
            SetClock([today = c.today] { return today; });
            QString explanation;
            WhenOpened<TfrmInterestRate>([&explanation](TfrmInterestRate& dialog) {
                explanation = dialog.findChild<QLabel*>(QStringLiteral("lblExplanation"))->text();
                Click(&dialog, "btnCancel");
            });
            MenuAction(QStringLiteral("Se&t Default Interest Rate..."))->trigger();
            SetClock({});
            QVERIFY2(explanation.endsWith(QString::fromLatin1(c.sentence)), qPrintable(explanation));
            QVERIFY(!explanation.contains(QStringLiteral("2016")));
        }
    }

    void theReopenedPanelShowsAmountsAsTheTableDoes() {
        Open();
        EnterWorkedExample();
        Click(scheduler.get(), "btnClose");
        Open();
        QTRY_VERIFY(Field(scheduler.get(), "edtDate")->hasFocus());
        QCOMPARE(Field(scheduler.get(), "edtAmountDue")->text(), Shown(0, kColDue));
        QCOMPARE(Field(scheduler.get(), "edtAmountDue")->text(), QStringLiteral("$1,000.00"));
        QCOMPARE(Field(scheduler.get(), "edtAmountPaid")->text(), QStringLiteral("$0.00"));
    }

    void anEntryThatCannotBeReadIsRefusedAndKeptUntilPutRight() {
        Open();
        EnterRow(QStringLiteral("1/1/2019"), QStringLiteral("Order"), QStringLiteral("1000"), {});
        EnterRow(QStringLiteral("2/1/2019"), QStringLiteral("Paid"), {}, QStringLiteral("250"));
        const SchedulerGrid before = scheduler->Table();
        const struct {
            const char* field;
            const char* typed;
            const char* says;
            const char* putRight;
        } cases[] = {
            {"edtDate", "3/15/0202", "The date \"3/15/0202\" has the year 0202: write the year with four digits", "2/1/2019"},
            {"edtDate", "13/45/2020", "The date \"13/45/2020\" is not a day of the calendar: write a day the month has, "
             "M/D/YYYY (the month first)", "2/1/19"},
            {"edtDate", "1/1/0000", "The date \"1/1/0000\" has the year 0000", "2019-02-01"},
            {"edtAmountPaid", "12-5", "The amount paid \"12-5\" is not an amount", "250"},
            {"edtAmountPaid", "1e308", "The amount paid \"1e308\" is not an amount", "$250.00"},
            {"edtAmountDue", "1,000,000,000,000", "The amount due \"1,000,000,000,000\" is too large", ""},
            {"edtRate", "abc", "The interest rate \"abc\" is not a rate", "3"},
        };
        for (const auto& c : cases) {
            prompts->warnings.clear();
            Type(scheduler.get(), c.field, QString::fromLatin1(c.typed));
            QCOMPARE(prompts->warnings.size(), 1);
            QVERIFY2(prompts->warnings.front().startsWith(QString::fromLatin1(c.says)), qPrintable(prompts->warnings.front()));
            // The text stays where it was typed, the focus goes back to it,
            // and nothing is saved, moved to or closed meanwhile: every
            // attempt to leave the field says so again.
            QCOMPARE(Field(scheduler.get(), c.field)->text(), QString::fromLatin1(c.typed));
            QTRY_VERIFY(Field(scheduler.get(), c.field)->hasFocus());
            for (const char* button : {"btnFirst", "btnAdd", "btnClose"}) {
                Click(scheduler.get(), button);
                QTRY_VERIFY(Field(scheduler.get(), c.field)->hasFocus());
            }
            ClickRow(0);
            QTRY_VERIFY(Field(scheduler.get(), c.field)->hasFocus());
            QVERIFY(scheduler->isVisible());
            QCOMPARE(scheduler->SelectedRow(), size_t{1});
            QCOMPARE(scheduler->Table(), before);
            QCOMPARE(Field(scheduler.get(), c.field)->text(), QString::fromLatin1(c.typed));
            QCOMPARE(prompts->warnings.count(prompts->warnings.front()), prompts->warnings.size());
            const qsizetype warned = prompts->warnings.size();
            Type(scheduler.get(), c.field, QString::fromLatin1(c.putRight));
            QCOMPARE(prompts->warnings.size(), warned);
            QCOMPARE(scheduler->Table(), before);
        }
    }

    void aTwoDigitYearIsReadByItsCentury() {
        Open();
        EnterRow(QStringLiteral("1/15/2000"), QStringLiteral("2000"), QStringLiteral("100"), {});
        EnterRow(QStringLiteral("12/31/99"), QStringLiteral("1999"), QStringLiteral("100"), {});
        EnterRow(QStringLiteral("3/1/69"), QStringLiteral("2069"), QStringLiteral("100"), {});
        QCOMPARE(ShownColumn(kColDate), (QStringList{"12/31/1999", "1/15/2000", "3/1/2069"}));
        QCOMPARE(ShownColumn(kColDescription), (QStringList{"1999", "2000", "2069"}));
        QCOMPARE(Field(scheduler.get(), "edtDate")->text(), QStringLiteral("3/1/2069"));
    }

    void theSeriesRefusesWhatItCannotReadAndKeepsIt() {
        Open();
        const SchedulerGrid before = scheduler->Table();
        const struct {
            const char* field;
            const char* typed;
            const char* says;
        } cases[] = {
            {"edtStartingDate", "1/1/0050", "The starting date \"1/1/0050\" has the year 0050"},
            {"edtEndingDate", "12/31/2200", "The ending date \"12/31/2200\" has the year 2200"},
            {"edtAmount", "1,00", "The amount \"1,00\" is not an amount"},
            {"edtInterestRate", "3..5", "The interest rate \"3..5\" is not a rate"},
        };
        for (const auto& c : cases) {
            prompts->warnings.clear();
            QString kept;
            bool stayedOpen = false;
            WhenOpened<TfrmArrearsFiller>([&](TfrmArrearsFiller& filler) {
                Field(&filler, "edtAmount")->setText(QStringLiteral("100"));
                Field(&filler, "edtStartingDate")->setText(QStringLiteral("1/1/2019"));
                Field(&filler, "edtEndingDate")->setText(QStringLiteral("3/1/2019"));
                Field(&filler, c.field)->setText(QString::fromLatin1(c.typed));
                Click(&filler, "btnOk");
                stayedOpen = filler.isVisible();
                kept = Field(&filler, c.field)->text();
                Click(&filler, "btnCancel");
            });
            Click(scheduler.get(), "btnOrder");
            QVERIFY(stayedOpen);
            QCOMPARE(kept, QString::fromLatin1(c.typed));
            QCOMPARE(prompts->warnings.size(), 1);
            QVERIFY2(prompts->warnings.front().startsWith(QString::fromLatin1(c.says)), qPrintable(prompts->warnings.front()));
            QCOMPARE(scheduler->Table(), before);
        }
    }

    void printingTheCasesTableWorksItOutAgain() {
        window->SchedulerTable() = StaleExample();
        window->CurrentSettings().defaultInterestRate = 10;
        window->PrintSchedule(window->SchedulerTable(), PageMargins{720, 720, 720, 720});
        QFile file(QDir(QString::fromStdString(window->CurrentSettings().folders.clientFiles))
                       .filePath(QStringLiteral("Support Scheduler.RTF")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("   1,016.44"));
        QVERIFY(text.contains("Year-by-Year Summary"));
    }

    void helpOpensTheSchedulerPage() {
        Open();
        Click(scheduler.get(), "btnHelp");
        QVERIFY(window->HelpWindow());  // the installed help, in the help window
        QVERIFY(window->HelpWindow()->CurrentFile().endsWith(QStringLiteral("/help/quill10/display_menu/support_scheduler.htm")));
        QVERIFY(opened.urls.isEmpty());
    }
};

QTEST_MAIN(SchedulerWindowTest)
#include "SchedulerWindowTests.moc"
